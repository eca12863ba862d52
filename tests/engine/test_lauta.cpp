// The board model: neighbours and the side edges, and the marking of reserved
// water around ships.

#include "Pelipoyta.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace sorvik::testi {
namespace {

V Naapurit(int n, bool kulmatSaavatKoskettaa) {
    V naapurit;
    KayNaapurit(n, kulmatSaavatKoskettaa, [&](int m) { naapurit.push_back(m); });
    return naapurit;
}

TEST(Naapurit, KulmatJaReunatEivatKierraRivilta) {
    const struct {
        int ruutu;
        bool kulmat;
        V naapurit;
    } tapaukset[] = {{1, false, {2, 11, 12}},
                     {100, false, {89, 90, 99}},
                     {91, false, {81, 82, 92}},
                     {10, false, {9, 19, 20}},
                     // 10 and 11 are on different rows: neither is a neighbour of the other.
                     {11, false, {1, 2, 12, 21, 22}},
                     {20, false, {9, 10, 19, 29, 30}},
                     {1, true, {2, 11}},
                     {100, true, {90, 99}},
                     {91, true, {81, 92}},
                     {55, true, {45, 54, 56, 65}}};
    for (const auto& t : tapaukset) {
        V naapurit = Naapurit(t.ruutu, t.kulmat);
        std::sort(naapurit.begin(), naapurit.end());
        EXPECT_EQ(naapurit, t.naapurit) << t.ruutu << (t.kulmat ? ", corners may touch" : "");
    }
    // Visited in a fixed order: left, up-right, up, up-left, right, down-left,
    // down, down-right.
    EXPECT_EQ(Naapurit(55, false), (V{54, 46, 45, 44, 56, 64, 65, 66}));
    EXPECT_EQ(Naapurit(55, true), (V{54, 45, 56, 65}));
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
    PelinValmistelu::AsetaKulmat(p.peli, GetParam().kulmat);
    PelinValmistelu::AsetaVuoro(p.peli, true);
    PelinValmistelu::AsetaTila(p.peli, Ruudukko::Pelaaja, GetParam().laivat, Tila::Laiva);
    p.peli.VaraaLaittomatRuudut();
    EXPECT_EQ(Tilassa(p.peli.PelaajanRuudut(), Tila::Varattu), GetParam().varatut);
    EXPECT_EQ(Tilassa(p.peli.PelaajanRuudut(), Tila::Laiva), GetParam().laivat);
    // Marking again finds nothing new.
    const Ruudut ennen = p.peli.PelaajanRuudut();
    p.peli.VaraaLaittomatRuudut();
    EXPECT_EQ(p.peli.PelaajanRuudut(), ennen);
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
    PelinValmistelu::AsetaVuoro(p.peli, false);
    PelinValmistelu::AsetaTila(p.peli, Ruudukko::Kone, {55}, Tila::Laiva);
    PelinValmistelu::AsetaTila(p.peli, Ruudukko::Pelaaja, {55}, Tila::Laiva);
    p.peli.VaraaLaittomatRuudut();
    EXPECT_EQ(Tilassa(p.peli.KoneenRuudut(), Tila::Varattu), (V{45, 54, 56, 65}));
    EXPECT_EQ(Tilassa(p.peli.PelaajanRuudut(), Tila::Varattu), V{});
    EXPECT_EQ(Kuvassa(p.tk, Ruudukko::Kone, Kuva::Vesi).size(), 100U);

    PelinValmistelu::AsetaVuoro(p.peli, true);
    p.peli.VaraaLaittomatRuudut();
    EXPECT_EQ(Kuvassa(p.tk, Ruudukko::Pelaaja, Kuva::Ohi), (V{45, 54, 56, 65}));

    // With the display switched off the new reserved squares stay as water.
    p.tk.valinnat[Valikko::NaytaMahdottomatLaivaruudut] = false;
    PelinValmistelu::AsetaTila(p.peli, Ruudukko::Pelaaja, {11}, Tila::Laiva);
    p.peli.VaraaLaittomatRuudut();
    EXPECT_EQ(Tilassa(p.peli.PelaajanRuudut(), Tila::Varattu), (V{1, 12, 21, 45, 54, 56, 65}));
    EXPECT_EQ(Kuvassa(p.tk, Ruudukko::Pelaaja, Kuva::Ohi), (V{45, 54, 56, 65}));
}

} // namespace
} // namespace sorvik::testi
