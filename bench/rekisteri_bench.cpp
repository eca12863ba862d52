// The registry layer's reads of a large store: the game's start-up makes about
// forty reads; with the parsed file kept, only the first of them parses it.
//   rekisteri_bench [--benchmark_filter=...]    (arguments: values in the store)

#include "Asetukset.h"
#include "RekisteriTiedosto.h"

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A store of `maara` values beside the game's key, in a folder of its own.
class IsoVarasto {
public:
    explicit IsoVarasto(int maara) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(koti_.path()));
        using namespace sorvik::rekisteri;
        Avain juuri;
        bool luotiin = false;
        juuri.LuoPolku({"Software", "Harvokki", "Sorvik 1.1 Freeware"}, luotiin)
            .Aseta("NaytaPainikkeet", 1, Utf16Tavuiksi(u"True") + QByteArray(2, '\0'));
        Avain& muu = juuri.LuoPolku({"Software", "Muu"}, luotiin);
        for (int k = 0; k < maara; ++k) {
            muu.Aseta(QStringLiteral("Arvo%1").arg(k), 1,
                      Utf16Tavuiksi(QStringLiteral("teksti numero %1").arg(k)) +
                          QByteArray(2, '\0'));
        }
        QDir().mkpath(koti_.path() + "/sorvik");
        QFile f(koti_.path() + "/sorvik/user.reg");
        const auto sisalto = Sarjallista(juuri, 1 << 30);
        if (!sisalto || !f.open(QIODevice::WriteOnly) || f.write(*sisalto) != sisalto->size()) {
            std::abort();
        }
        f.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    }

private:
    QTemporaryDir koti_;
};

void ToistuvaLuku(benchmark::State& tila) {
    const IsoVarasto varasto(static_cast<int>(tila.range(0)));
    // The first read parses the file; the measured ones find it unchanged.
    sorvik::LueArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvain, "NaytaPainikkeet");
    for (auto _ : tila) {
        benchmark::DoNotOptimize(
            sorvik::LueArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvain, "NaytaPainikkeet"));
    }
}
BENCHMARK(ToistuvaLuku)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void EnsimmainenLuku(benchmark::State& tila) {
    for (auto _ : tila) {
        tila.PauseTiming();
        const IsoVarasto varasto(static_cast<int>(tila.range(0)));
        tila.ResumeTiming();
        benchmark::DoNotOptimize(
            sorvik::LueArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvain, "NaytaPainikkeet"));
    }
}
BENCHMARK(EnsimmainenLuku)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
