// Engine benchmarks: the computer's fleet placement, its choice of squares over
// a whole game, a whole game against a random player, and the timer tick.
//
// The games run on a toolkit that shows nothing and whose pause is instant:
// the clock jumps to the end of the pause and the timer ticks once, as the
// window's timer does at least once during the real one-second pause (the tick
// also drops the computer's target after a sinking, so it belongs to the play).

#include "Peli.h"
#include "PelinValmistelu.h"
#include "Satunnaislahde.h"
#include "Tyokalut.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace sorvik;

class Pikatyokalut final : public Tyokalut,
                           public Kello,
                           public Satunnaislahde,
                           public Tulospalvelu {
public:
    Peli* peli = nullptr;
    double kello = 1000.0;
    Satunnaisgeneraattori lahde{0x5eed};
    // Squares of the computer's grid the player may still click.
    std::array<bool, Ruutuja + 1> koneSallittu{};
    std::string ohje;
    std::int64_t arvontoja = 0;
    std::int64_t taukoja = 0;

    void AsetaRuudunKuva(Ruudukko, int, Kuva) override {}
    void SalliRuutu(Ruudukko r, int k, bool s) override {
        if (r == Ruudukko::Kone && OnRuutu(k)) {
            koneSallittu[static_cast<std::size_t>(k)] = s;
        }
    }
    void AsetaRuudunKursori(Ruudukko, int, Kursori) override {}
    // Like the window: the label changes only when the text does.
    void AsetaOhjeteksti(const std::string& teksti) override {
        if (teksti != ohje) {
            ohje = teksti;
        }
    }
    void AsetaOsoitin(Osoitin) override {}
    void SalliPainike(int, bool) override {}
    [[nodiscard]] bool ValikonValinta(Valikko) const override { return true; }
    void AsetaValikonValinta(Valikko, bool) override {}
    void SalliValikko(Valikko, bool) override {}
    void SalliPaaikkuna(bool) override {}
    int Viesti(const std::string&, const std::string&, int tyyli) override {
        return (tyyli & 0x0F) == viesti::KyllaEi ? viesti::VastausKylla : viesti::VastausOK;
    }
    void SuljeOhjelma() override {}
    void KasitteleTapahtumat() override {}
    void OdotaTapahtumia(double sekuntia) override {
        ++taukoja;
        kello += sekuntia;
        if (peli != nullptr) {
            peli->tmrAjastin_Timer();
        }
    }
    [[nodiscard]] double Sekunnit() override { return kello; }
    [[nodiscard]] double SekunnitKeskiyosta() override { return kello; }
    void Sekoita(double lukema) override { lahde.Sekoita(lukema); }
    [[nodiscard]] double Seuraava() override {
        ++arvontoja;
        return lahde.Seuraava();
    }
    // No streak ever reaches the list, so no name dialog is asked for.
    [[nodiscard]] std::int16_t ListanViimeinenTulos() override {
        return std::numeric_limits<std::int16_t>::max();
    }
    [[nodiscard]] NimenKysely KysyNimi(std::int16_t) override { return {}; }
    void LisaaListalle(const std::string&, std::int16_t) override {}
    void Tallenna(const std::string&, const std::string&) override {}
};

struct Poyta {
    Pikatyokalut tk;
    Peli peli{tk, tk, tk, tk};
    std::mt19937 pelaaja{2024};

    explicit Poyta(bool kulmat) {
        tk.peli = &peli;
        PelinValmistelu::AsetaKulmat(peli, kulmat);
    }
    Poyta(const Poyta&) = delete;
    Poyta& operator=(const Poyta&) = delete;

    int arvo(int alku, int loppu) {
        return std::uniform_int_distribution<int>(alku, loppu)(pelaaja);
    }

    // The player lays the fleet with random clicks (square, left or right
    // button); a new game is dealt when a ship finds no room.
    void sijoitaPelaajanLaivasto() {
        for (;;) {
            int yrityksia = 0;
            while (peli.SeuraavaPelaajanLaiva() < LaivojaLaivastossa && ++yrityksia < 2000) {
                peli.imgPelaaja_MouseUp(arvo(1, Ruutuja), arvo(1, 2));
            }
            if (peli.SeuraavaPelaajanLaiva() == LaivojaLaivastossa) {
                return;
            }
            peli.UusiPeli();
        }
    }

    // A new game with both fleets laid: the player's first shot is due.
    void aloita() {
        peli.UusiPeli();
        sijoitaPelaajanLaivasto();
    }

    // The player clicks a random square that is still enabled.
    void pelaajaAmpuu() {
        std::array<int, Ruutuja> vapaat{};
        int n = 0;
        for (int k = 1; k <= Ruutuja; ++k) {
            if (tk.koneSallittu[static_cast<std::size_t>(k)]) {
                vapaat[static_cast<std::size_t>(n++)] = k;
            }
        }
        peli.imgKone_Click(vapaat[static_cast<std::size_t>(arvo(0, n - 1))]);
    }
};

// --- The computer's fleet --------------------------------------------------------

void BM_UusiPeli(benchmark::State& state) {
    Poyta p(state.range(0) != 0);
    const std::int64_t arvontojaAlussa = p.tk.arvontoja;
    for (auto _ : state) {
        p.peli.UusiPeli();
        benchmark::DoNotOptimize(p.peli.KoneenRuudut().data());
    }
    state.SetLabel(state.range(0) != 0 ? "corners may touch" : "corners may not touch");
    state.counters["draws/setup"] = benchmark::Counter(
        static_cast<double>(p.tk.arvontoja - arvontojaAlussa), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_UusiPeli)->ArgName("kulmat")->Arg(1)->Arg(0);

// --- The computer's shots over a whole game ----------------------------------------

// Only the computer shoots, from a fresh board to the last of the player's
// ships; each turn is one choice of a square with its instant pause.
void BM_KoneenVuorot(benchmark::State& state) {
    Poyta p(state.range(0) != 0);
    std::int64_t vuoroja = 0;
    for (auto _ : state) {
        state.PauseTiming();
        p.aloita();
        state.ResumeTiming();
        while (p.peli.PeliKaynnissa()) {
            PelinValmistelu::AsetaVuoro(p.peli, false);
            p.peli.AmmuTietokoneenPuolesta();
            ++vuoroja;
        }
    }
    state.SetLabel(state.range(0) != 0 ? "corners may touch" : "corners may not touch");
    state.counters["shots/game"] =
        benchmark::Counter(static_cast<double>(vuoroja), benchmark::Counter::kAvgIterations);
    state.counters["time/shot"] = benchmark::Counter(
        static_cast<double>(vuoroja), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_KoneenVuorot)->ArgName("kulmat")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// --- A whole game ----------------------------------------------------------------------

// New game, the player's random fleet and random shots, the computer's replies,
// until one side has sunk the other.
void BM_KokoPeli(benchmark::State& state) {
    Poyta p(state.range(0) != 0);
    std::int64_t pelaajanVoittoja = 0;
    std::int64_t laukauksia = 0;
    for (auto _ : state) {
        p.aloita();
        while (p.peli.PeliKaynnissa()) {
            p.pelaajaAmpuu();
            ++laukauksia;
        }
        pelaajanVoittoja += p.peli.PelaajanOsumat() == LaivaRuutuja ? 1 : 0;
    }
    state.SetLabel(state.range(0) != 0 ? "corners may touch" : "corners may not touch");
    state.counters["player shots/game"] =
        benchmark::Counter(static_cast<double>(laukauksia), benchmark::Counter::kAvgIterations);
    state.counters["player wins"] = benchmark::Counter(static_cast<double>(pelaajanVoittoja),
                                                       benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_KokoPeli)->ArgName("kulmat")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// --- The timer tick ------------------------------------------------------------------

// One tick of the 10 ms timer in each phase: 0 placing ships, 1 the player's
// shot, 2 the computer's turn, 3 a won game (its text is built with the streak).
void BM_Ajastin(benchmark::State& state) {
    static constexpr std::array<const char*, 4> Vaiheet{"placing", "player's turn",
                                                        "computer's turn", "game won"};
    Poyta p(true);
    p.peli.UusiPeli();
    if (state.range(0) >= 1) {
        p.sijoitaPelaajanLaivasto();
    }
    if (state.range(0) == 2) {
        PelinValmistelu::AsetaVuoro(p.peli, false);
    } else if (state.range(0) == 3) {
        // Won: every ship square of the computer's hit, the game over.
        PelinValmistelu::AsetaOsumat(p.peli, Ruudukko::Kone, LaivaRuutuja);
        PelinValmistelu::AsetaPeliKaynnissa(p.peli, false);
        PelinValmistelu::AsetaAmmunta(p.peli, false);
        PelinValmistelu::AsetaPutki(p.peli, 3);
    }
    for (auto _ : state) {
        p.peli.tmrAjastin_Timer();
        benchmark::DoNotOptimize(p.tk.ohje.data());
    }
    state.SetLabel(Vaiheet[static_cast<std::size_t>(state.range(0))]);
}
BENCHMARK(BM_Ajastin)->ArgName("vaihe")->DenseRange(0, 3);

} // namespace

BENCHMARK_MAIN();
