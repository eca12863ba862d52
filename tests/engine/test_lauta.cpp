// The board model: neighbours and the side edges, the marking of reserved
// water around ships, and the reset for a new game.

#include "FakeTyokalut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace sorvik::testi {
namespace {

std::vector<int> Naapurit(int n, bool kulmatSaavatKoskettaa, bool jarjesta = true) {
    std::vector<int> naapurit;
    KayNaapurit(n, kulmatSaavatKoskettaa, [&](int m) { naapurit.push_back(m); });
    if (jarjesta) {
        std::sort(naapurit.begin(), naapurit.end());
    }
    return naapurit;
}

std::vector<int> Varatut(const Ruudut& ruudut) {
    std::vector<int> varatut;
    for (int n = 1; n <= Ruutuja; ++n) {
        if (ruudut[n] == Tila::Varattu) {
            varatut.push_back(n);
        }
    }
    return varatut;
}

using V = std::vector<int>;

TEST(Naapurit, KulmatJaReunatEivatKierraRivilta) {
    EXPECT_EQ(Naapurit(1, false), (V{2, 11, 12}));
    EXPECT_EQ(Naapurit(100, false), (V{89, 90, 99}));
    EXPECT_EQ(Naapurit(91, false), (V{81, 82, 92}));
    EXPECT_EQ(Naapurit(10, false), (V{9, 19, 20}));
    // 10 and 11 are on different rows: neither is a neighbour of the other.
    EXPECT_EQ(Naapurit(11, false), (V{1, 2, 12, 21, 22}));
    EXPECT_EQ(Naapurit(20, false), (V{9, 10, 19, 29, 30}));

    EXPECT_EQ(Naapurit(1, true), (V{2, 11}));
    EXPECT_EQ(Naapurit(100, true), (V{90, 99}));
    EXPECT_EQ(Naapurit(91, true), (V{81, 92}));
    EXPECT_EQ(Naapurit(55, true), (V{45, 54, 56, 65}));
}

TEST(Naapurit, KaydaanKiinteassaJarjestyksessa) {
    // Left, up-right, up, up-left, right, down-left, down, down-right.
    EXPECT_EQ(Naapurit(55, false, false), (V{54, 46, 45, 44, 56, 64, 65, 66}));
    EXPECT_EQ(Naapurit(55, true, false), (V{54, 45, 56, 65}));
}

struct Merkinta {
    V laivat;
    bool kulmat;
    V varatut;
};
void PrintTo(const Merkinta& m, std::ostream* os) {
    *os << "ships " << Luettelo(m.laivat) << (m.kulmat ? ", corners may touch" : "");
}

class Varaus : public ::testing::TestWithParam<Merkinta> {};

TEST_P(Varaus, VarataanVainLaivanViereinenVesi) {
    Poyta p;
    p.peli.PoistaLaivat();
    p.peli.saannot.LaivojenKulmatSaavatKoskettaa = GetParam().kulmat;
    p.peli.PelaajanVuoro = true;
    for (const int n : GetParam().laivat) {
        p.peli.PelaajanRuudut[n] = Tila::Laiva;
    }
    p.peli.VaraaLaittomatRuudut();
    EXPECT_EQ(Varatut(p.peli.PelaajanRuudut), GetParam().varatut);
    for (const int n : GetParam().laivat) {
        EXPECT_EQ(p.peli.PelaajanRuudut[n], Tila::Laiva);
    }
    // Marking again finds nothing new.
    const Ruudut ennen = p.peli.PelaajanRuudut;
    p.peli.VaraaLaittomatRuudut();
    EXPECT_EQ(p.peli.PelaajanRuudut, ennen);
    EXPECT_EQ(p.tk.vieraitaRuutuja, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Reunat, Varaus,
    ::testing::Values(Merkinta{{1}, true, {2, 11}}, Merkinta{{1}, false, {2, 11, 12}},
                      Merkinta{{10}, true, {9, 20}}, Merkinta{{10}, false, {9, 19, 20}},
                      Merkinta{{9, 10}, true, {8, 19, 20}},
                      Merkinta{{9, 10}, false, {8, 18, 19, 20}},
                      Merkinta{{91, 92}, true, {81, 82, 93}},
                      Merkinta{{91, 92}, false, {81, 82, 83, 93}},
                      Merkinta{{100}, false, {89, 90, 99}},
                      // Two ships touching at a corner keep the diagonal square free.
                      Merkinta{{45, 56}, true, {35, 44, 46, 55, 57, 66}},
                      Merkinta{{45, 56}, false, {34, 35, 36, 44, 46, 47, 54, 55, 57, 65, 66, 67}}));

TEST(Varaus, VuoroValitseeRuudukonJaVainPelaajanRuudutNaytetaan) {
    Poyta p;
    p.peli.PoistaLaivat();
    p.peli.PelaajanVuoro = false;
    p.peli.KoneenRuudut[55] = Tila::Laiva;
    p.peli.PelaajanRuudut[55] = Tila::Laiva;
    p.peli.VaraaLaittomatRuudut();
    EXPECT_EQ(Varatut(p.peli.KoneenRuudut), (V{45, 54, 56, 65}));
    EXPECT_TRUE(Varatut(p.peli.PelaajanRuudut).empty());
    for (int n = 1; n <= Ruutuja; ++n) {
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Kone, n).kuva, Kuva::Vesi) << n;
    }

    p.peli.PelaajanVuoro = true;
    p.peli.VaraaLaittomatRuudut();
    for (const int n : {45, 54, 56, 65}) {
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Pelaaja, n).kuva, Kuva::Ohi);
    }

    // With the display switched off the new reserved squares stay as water.
    p.tk.valinnat[Valikko::NaytaMahdottomatLaivaruudut] = false;
    p.peli.PelaajanRuudut[11] = Tila::Laiva;
    p.peli.VaraaLaittomatRuudut();
    for (const int n : {1, 12, 21}) {
        EXPECT_EQ(p.peli.PelaajanRuudut[n], Tila::Varattu);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Pelaaja, n).kuva, Kuva::Vesi);
    }
}

TEST(PoistaLaivat, TyhjentaaMolemmatRuudukotJaLaivastot) {
    Poyta p;
    ASSERT_TRUE(AloitaAmmunta(p));
    p.peli.imgKone_Click(32);
    p.peli.PelaajanRuudut[99] = Tila::Ohi;
    p.peli.KoneenRuudut[0] = Tila::Laiva;
    const auto osumat = std::pair{p.peli.PelaajanOsumat, p.peli.KoneenOsumat};

    p.peli.PoistaLaivat();

    for (const Laivasto* laivasto : {&p.peli.PelaajanLaivat, &p.peli.KoneenLaivat}) {
        for (const Laiva& laiva : *laivasto) {
            EXPECT_FALSE(laiva.Sijoitettu);
            for (int k = 1; k <= laiva.Pituus; ++k) {
                EXPECT_EQ(laiva.Ruudut[k], -1);
            }
        }
    }
    for (int n = 1; n <= Ruutuja; ++n) {
        EXPECT_EQ(p.peli.PelaajanRuudut[n], Tila::Vesi);
        EXPECT_EQ(p.peli.KoneenRuudut[n], Tila::Vesi);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Pelaaja, n).kuva, Kuva::Vesi);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Kone, n).kuva, Kuva::Vesi);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Pelaaja, n).kursori, Kursori::Sormi);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Kone, n).kursori, Kursori::Oletus);
    }
    // The shot square stays disabled: enabling is the shooting phase's business.
    EXPECT_FALSE(p.tk.ruutu(Ruudukko::Kone, 32).sallittu);
    EXPECT_EQ(p.peli.KoneenRuudut[0], Tila::Laiva);
    EXPECT_EQ(std::pair(p.peli.PelaajanOsumat, p.peli.KoneenOsumat), osumat);
    EXPECT_TRUE(p.peli.AmmuntaKaynnissa);
}

} // namespace
} // namespace sorvik::testi
