// Measures how much processor time the main window takes: idle with its 10 ms
// timer running, and during the computer's turns, where the game pauses one
// second in a nested event loop. Prints CPU time as a share of one core.
//
//   cpu_mittaus [idle seconds = 5] [player shots = 8]
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise, with
// its settings in a temporary folder that is removed at the end.

#include "Ruudukko.h"
#include "frmSorvik.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

double Lukema(clockid_t kello) {
    timespec t{};
    clock_gettime(kello, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Hetki {
    double seina = 0.0;
    double cpu = 0.0;
    double kayttaja = 0.0;
    double jarjestelma = 0.0;
    long herayksia = 0; // voluntary context switches: the process went to sleep

    static Hetki Nyt() {
        rusage r{};
        getrusage(RUSAGE_SELF, &r);
        const auto sek = [](const timeval& t) {
            return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
        };
        return {Lukema(CLOCK_MONOTONIC), Lukema(CLOCK_PROCESS_CPUTIME_ID), sek(r.ru_utime),
                sek(r.ru_stime), r.ru_nvcsw};
    }
};

struct Tulos {
    std::string nimi;
    double seina;
    double cpu;
    double kayttaja;
    double jarjestelma;
    long herayksia;
    long tikkeja;
};

// Runs `tee` and returns what it cost, with the timer ticks counted meanwhile.
template <typename F> Tulos Mittaa(const char* nimi, const long& tikit, F&& tee) {
    const long tikitAlussa = tikit;
    const Hetki alku = Hetki::Nyt();
    tee();
    const Hetki loppu = Hetki::Nyt();
    return {nimi,
            loppu.seina - alku.seina,
            loppu.cpu - alku.cpu,
            loppu.kayttaja - alku.kayttaja,
            loppu.jarjestelma - alku.jarjestelma,
            loppu.herayksia - alku.herayksia,
            tikit - tikitAlussa};
}

// Handles events as they come, for `ms` milliseconds.
void Odota(int ms) {
    QEventLoop silmukka;
    QTimer::singleShot(ms, Qt::PreciseTimer, &silmukka, &QEventLoop::quit);
    silmukka.exec();
}

// The player's fleet on rows 1, 3 and 5 with empty rows between, laid with the
// left button (a row to the right of the clicked square).
constexpr std::array<int, 10> Laivojen_alut{1, 6, 21, 25, 28, 41, 44, 46, 48, 50};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string malli = (std::filesystem::temp_directory_path() / "sorvik-cpu-XXXXXX").string();
    if (mkdtemp(malli.data()) == nullptr) {
        std::perror("mkdtemp");
        return 2;
    }
    const std::filesystem::path asetukset = malli;
    setenv("XDG_CONFIG_HOME", asetukset.c_str(), 1);

    int tulos = 0;
    {
        QApplication sovellus(argc, argv);
        const QStringList argumentit = QApplication::arguments();
        const double joutilaana = argumentit.size() > 1 ? argumentit[1].toDouble() : 5.0;
        const int laukauksia = argumentit.size() > 2 ? argumentit[2].toInt() : 8;
        const int joutoMs = static_cast<int>(joutilaana * 1000.0);

        sorvik::Ymparisto ymparisto;
        // Keep the start-up's display check quiet whatever the platform's DPI.
        ymparisto.twipsiaPikselilla = [] { return 15.0; };
        sorvik::frmSorvik w(ymparisto);
        w.Form_Load();
        w.show();

        long tikit = 0;
        QObject::connect(&w.tmrAjastin(), &QTimer::timeout, &w, [&tikit] { ++tikit; });
        Odota(500); // first paint and settling, not measured

        std::vector<Tulos> tulokset;
        tulokset.push_back(
            Mittaa("idle, 10 ms timer running", tikit, [joutoMs] { Odota(joutoMs); }));

        w.tmrAjastin().stop();
        tulokset.push_back(
            Mittaa("idle, timer stopped (baseline)", tikit, [joutoMs] { Odota(joutoMs); }));
        w.tmrAjastin().start();
        Odota(100);

        sorvik::Peli& peli = w.peli();
        for (const int alku : Laivojen_alut) {
            peli.imgPelaaja_MouseUp(alku, 1);
        }
        if (peli.SeuraavaPelaajanLaiva() != sorvik::LaivojaLaivastossa ||
            !peli.AmmuntaKaynnissa()) {
            std::fprintf(stderr, "the player's fleet was not accepted\n");
            return 1;
        }
        Odota(100);

        int ammuttu = 0;
        tulokset.push_back(Mittaa("computer turns (1 s pause each)", tikit, [&] {
            for (int i = 0; i < 100 && ammuttu < laukauksia && peli.PeliKaynnissa(); ++i) {
                const int k = 1 + (i * 37) % 100;
                if (w.imgKone()->sallittu(k)) {
                    peli.imgKone_Click(k);
                    ++ammuttu;
                }
            }
        }));
        if (ammuttu != laukauksia) {
            std::fprintf(stderr, "only %d of %d shots were fired\n", ammuttu, laukauksia);
            tulos = 1;
        }

        std::printf("%-32s %7s %8s %7s %7s %7s %9s %10s %9s\n", "measurement", "wall s", "CPU ms",
                    "user", "sys", "CPU %", "ticks/s", "sleeps/s", "us/wake");
        for (const Tulos& t : tulokset) {
            if (t.seina < 0.01) {
                continue; // nothing was measured (no shots asked for)
            }
            std::printf("%-32s %7.2f %8.1f %7.1f %7.1f %6.2f%% %9.1f %10.1f %9.1f\n",
                        t.nimi.c_str(), t.seina, t.cpu * 1e3, t.kayttaja * 1e3, t.jarjestelma * 1e3,
                        100.0 * t.cpu / t.seina, static_cast<double>(t.tikkeja) / t.seina,
                        static_cast<double>(t.herayksia) / t.seina,
                        t.herayksia > 0 ? t.cpu * 1e6 / static_cast<double>(t.herayksia) : 0.0);
        }
        const Tulos& vuorot = tulokset.back();
        std::printf("computer turns: %d, %.1f ms CPU and %.3f s wall each\n", ammuttu,
                    ammuttu > 0 ? vuorot.cpu * 1e3 / ammuttu : 0.0,
                    ammuttu > 0 ? vuorot.seina / ammuttu : 0.0);
        std::printf("CPU %% is of one core; target: a few percent at most.\n");
    }
    std::error_code virhe;
    std::filesystem::remove_all(asetukset, virhe);
    return tulos;
}
