#pragma once
// A game on the fake desktop, the fleets of the battle tests, and the moves
// that bring a game to a given point.

#include "FakeTyokalut.h"
#include "PelinValmistelu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace sorvik::testi {

// Random numbers that make the computer pick square k, or direction order o.
inline double Ruutu(int k) {
    return (k - 0.5) / Ruutuja;
}
inline double Jarjestys(int o) {
    return (o - 0.5) / 8.0;
}

// A game wired to the fake toolkit, its timer ticking inside every pause.
struct Poyta {
    FakeTyokalut tk;
    Peli peli{tk, tk, tk, tk};
    Poyta() { tk.peli = &peli; }
    Poyta(const Poyta&) = delete;
    Poyta& operator=(const Poyta&) = delete;
};

// Ships by their squares, in fleet order: carrier, cruisers, gunboats, submarines.
using Laivat = PelinValmistelu::Laivat;

// Squares as "a,b,c" for failure messages.
inline std::string Luettelo(const std::vector<int>& ruudut) {
    std::string s;
    for (const int n : ruudut) {
        s += s.empty() ? "" : ",";
        s += std::to_string(n);
    }
    return s;
}

using V = std::vector<int>;

// The squares 1..100 for which ehto holds, in order.
template <typename F> V Missa(F&& ehto) {
    V ruudut;
    for (int n = 1; n <= Ruutuja; ++n) {
        if (ehto(n)) {
            ruudut.push_back(n);
        }
    }
    return ruudut;
}
inline V Tilassa(const Ruudut& ruudut, Tila tila) {
    return Missa([&](int n) { return ruudut[n] == tila; });
}
inline V Kuvassa(const FakeTyokalut& tk, Ruudukko r, Kuva kuva) {
    return Missa([&](int n) { return tk.ruutu(r, n).kuva == kuva; });
}
inline V Kursorissa(const FakeTyokalut& tk, Ruudukko r, Kursori kursori) {
    return Missa([&](int n) { return tk.ruutu(r, n).kursori == kursori; });
}
inline V LaivanRuudut(const Laiva& laiva) {
    return V(laiva.Ruudut.begin() + 1, laiva.Ruudut.begin() + 1 + laiva.Pituus);
}

// The player's fleet of the battle tests: rows 1, 3 and 5, empty rows between.
inline const Laivat PelaajanLaivasto{{1, 2, 3, 4}, {6, 7, 8}, {21, 22, 23}, {25, 26}, {28, 29},
                                     {41, 42},     {44},      {46},         {48},     {50}};
// The computer's fleet of the battle tests; no two ships touch even at a corner.
inline const Laivat KoneenLaivasto{{32, 33, 34, 35}, {61, 71, 81}, {10, 20, 30}, {57, 58}, {88, 98},
                                   {1, 11},          {5},          {38},         {75},     {100}};

// The click (square, button) that lays a ship on exactly these squares: the
// left button for a row, the right one for a column, from the end it may run from.
inline std::pair<int, int> Klikkaus(std::vector<int> ruudut) {
    std::sort(ruudut.begin(), ruudut.end());
    const int pituus = static_cast<int>(ruudut.size());
    if (pituus == 1) {
        return {ruudut[0], 1};
    }
    if (ruudut[1] - ruudut[0] == 1) {
        return {Sarake(ruudut[0]) <= RuutujaRivilla + 1 - pituus ? ruudut[0] : ruudut.back(), 1};
    }
    return {Rivi(ruudut[0]) <= RuutujaRivilla + 1 - pituus ? ruudut[0] : ruudut.back(), 2};
}

// Places the player's ships with clicks; false at the first one refused.
inline bool SijoitaLaivasto(Peli& peli, const Laivat& laivat) {
    for (const auto& laiva : laivat) {
        const int seuraava = peli.SeuraavaPelaajanLaiva();
        const auto [ruutu, painike] = Klikkaus(laiva);
        peli.imgPelaaja_MouseUp(ruutu, painike);
        if (peli.SeuraavaPelaajanLaiva() != seuraava + 1) {
            return false;
        }
    }
    return true;
}

// Lays the computer's fleet on the given squares instead of at random, with the
// reserved water around it as its own placement would leave it.
inline void AsetaKoneenLaivasto(Peli& peli, const Laivat& laivat) {
    PelinValmistelu::LaskeLaivasto(peli, Ruudukko::Kone, laivat);
}

// The computer's fleet as given and the player's fleet placed on a new board:
// the player's first shot is due.
inline bool Valmistele(Poyta& p, const Laivat& pelaajan = PelaajanLaivasto,
                       const Laivat& koneen = KoneenLaivasto) {
    AsetaKoneenLaivasto(p.peli, koneen);
    return SijoitaLaivasto(p.peli, pelaajan);
}

inline bool AloitaAmmunta(Poyta& p, const Laivat& pelaajan = PelaajanLaivasto,
                          const Laivat& koneen = KoneenLaivasto) {
    p.peli.Kaynnista();
    return Valmistele(p, pelaajan, koneen);
}

// The player fires at every square of the standard computer fleet in turn but
// `ohita`; the twentieth hit wins unless the computer has won first.
inline void AmmuKoneenLaivat(Poyta& p, int ohita = 0) {
    for (const auto& laiva : KoneenLaivasto) {
        for (const int n : laiva) {
            if (n != ohita) {
                p.peli.imgKone_Click(n);
            }
        }
    }
}

// From start-up and the given streak the player wins `kertaa` games in a row
// with the standard fleets; the last won game stays on the board.
inline bool Voita(Poyta& p, int kertaa, std::int16_t putki = 0) {
    p.peli.Kaynnista();
    PelinValmistelu::AsetaPutki(p.peli, putki);
    for (int i = 0; i < kertaa; ++i) {
        if (i > 0) {
            p.peli.mUusiPeli_Click();
        }
        if (!Valmistele(p)) {
            return false;
        }
        AmmuKoneenLaivat(p);
        if (p.peli.PelaajanOsumat() != LaivaRuutuja) {
            return false;
        }
    }
    return true;
}

// The player fires at the first square of the computer's grid that is still
// enabled and holds no ship; returns it (0 if none).
inline int AmmuOhi(Poyta& p) {
    for (int n = 1; n <= Ruutuja; ++n) {
        if (p.tk.ruutu(Ruudukko::Kone, n).sallittu && p.peli.KoneenRuudut()[n] != Tila::Laiva) {
            p.peli.imgKone_Click(n);
            return n;
        }
    }
    return 0;
}

// The player misses, or hits short of winning, until the computer has won.
inline bool Havia(Poyta& p) {
    while (p.peli.PeliKaynnissa()) {
        if (AmmuOhi(p) == 0) {
            if (p.peli.PelaajanOsumat() >= LaivaRuutuja - 1) {
                return false;
            }
            int n = 1;
            while (!p.tk.ruutu(Ruudukko::Kone, n).sallittu) {
                ++n;
            }
            p.peli.imgKone_Click(n);
        }
    }
    return p.peli.KoneenOsumat() == LaivaRuutuja;
}

// A new game's board before the first click: the player's grid is water and
// the fleet unplaced, the computer's fleet is laid and nothing is shot, both
// grids show water, and the finger shows only over the player's grid.
inline void TarkistaUusiLauta(const Poyta& p) {
    EXPECT_EQ(Tilassa(p.peli.PelaajanRuudut(), Tila::Vesi).size(), 100U);
    for (const Laiva& laiva : p.peli.PelaajanLaivat()) {
        EXPECT_FALSE(laiva.Sijoitettu);
        EXPECT_EQ(LaivanRuudut(laiva), V(static_cast<std::size_t>(laiva.Pituus), -1));
    }
    EXPECT_EQ(Tilassa(p.peli.KoneenRuudut(), Tila::Laiva).size(), std::size_t{LaivaRuutuja});
    EXPECT_EQ(Tilassa(p.peli.KoneenRuudut(), Tila::Uponnut), V{});
    EXPECT_EQ(Tilassa(p.peli.KoneenRuudut(), Tila::Ohi), V{});
    for (const Ruudukko r : {Ruudukko::Pelaaja, Ruudukko::Kone}) {
        EXPECT_EQ(Kuvassa(p.tk, r, Kuva::Vesi).size(), 100U);
        const Kursori kursori = r == Ruudukko::Pelaaja ? Kursori::Sormi : Kursori::Oletus;
        EXPECT_EQ(Kursorissa(p.tk, r, kursori).size(), 100U);
    }
}

// The player's first shot is due, with the standard fleets.
class Ammuntavaihe : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(AloitaAmmunta(p)); }
    Poyta p;
};

// Everything the game holds and shows, as text, for comparing two moments.
inline std::string Tilannekuva(const Poyta& p) {
    const Peli& g = p.peli;
    std::string s;
    const auto luvut = [&s](auto... x) { ((s += std::to_string(static_cast<int>(x)) + ' '), ...); };
    for (int n = 1; n <= Ruutuja; ++n) {
        luvut(g.PelaajanRuudut()[n], g.KoneenRuudut()[n]);
        for (const Ruudukko r : {Ruudukko::Pelaaja, Ruudukko::Kone}) {
            const auto& ruutu = p.tk.ruutu(r, n);
            luvut(ruutu.kuva, ruutu.kursori, ruutu.sallittu);
        }
    }
    for (const Laivasto* laivasto : {&g.PelaajanLaivat(), &g.KoneenLaivat()}) {
        for (const Laiva& laiva : *laivasto) {
            for (int k = 1; k <= laiva.Pituus; ++k) {
                luvut(laiva.Ruudut[k]);
            }
            luvut(laiva.Sijoitettu);
        }
    }
    luvut(g.PelaajanOsumat(), g.KoneenOsumat(), g.PelaajanVuoro(), g.SijoitusKaynnissa(),
          g.AmmuntaKaynnissa(), g.PeliKaynnissa(), g.VoitotPerakkain(), g.PelaajanEdellinenRuutu(),
          g.PelaajanEdellinenOsui(), g.KoneenEdellinenRuutu(), g.KoneenEdellinenOsui(),
          g.maalitus().EnsimmainenOsuma(), g.maalitus().SeuraavaRuutu());
    return s + p.tk.ohje;
}

} // namespace sorvik::testi
