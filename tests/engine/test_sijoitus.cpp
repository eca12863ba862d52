// Placing the fleets: the player's clicks and the computer's random layout.

#include "Pelipoyta.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <vector>

namespace sorvik::testi {
namespace {

class Sijoitus : public ::testing::Test {
protected:
    void SetUp() override { p.peli.Kaynnista(); }
    void Klikkaa(int ruutu, int painike) { p.peli.imgPelaaja_MouseUp(ruutu, painike); }

    Poyta p;
};

struct Suuntasaanto {
    Laivat edella; // ships laid before, by their squares
    int ruutu;
    int painike;
    V odotettu;
};
void PrintTo(const Suuntasaanto& s, std::ostream* os) {
    *os << "button " << s.painike << " on " << s.ruutu << " -> " << Luettelo(s.odotettu);
}

class Suunta : public Sijoitus, public ::testing::WithParamInterface<Suuntasaanto> {};

TEST_P(Suunta, KlikattuRuutuOnAinaLaivanPaaJaLaivaKaantyyVainReunassa) {
    const Suuntasaanto& s = GetParam();
    ASSERT_TRUE(SijoitaLaivasto(p.peli, s.edella));
    const int indeksi = p.peli.SeuraavaPelaajanLaiva();
    Klikkaa(s.ruutu, s.painike);
    const Laiva& laiva = p.peli.PelaajanLaivat()[indeksi];
    ASSERT_TRUE(laiva.Sijoitettu);
    EXPECT_EQ(LaivanRuudut(laiva), s.odotettu);
    for (const int n : s.odotettu) {
        EXPECT_EQ(p.peli.PelaajanRuudut()[n], Tila::Laiva);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Pelaaja, n).kuva, Kuva::Laiva);
    }
}

const Laivat Kaksi{{1, 2, 3, 4}, {41, 42, 43}, {61, 62, 63}};

INSTANTIATE_TEST_SUITE_P(Taulukko, Suunta,
                         ::testing::Values(Suuntasaanto{{}, 8, 1, {8, 7, 6, 5}},
                                           Suuntasaanto{{}, 7, 1, {7, 8, 9, 10}},
                                           Suuntasaanto{{}, 71, 2, {71, 61, 51, 41}},
                                           Suuntasaanto{{}, 61, 2, {61, 71, 81, 91}},
                                           Suuntasaanto{{}, 71, 4, {71, 61, 51, 41}},
                                           Suuntasaanto{{}, 61, 4, {61, 71, 81, 91}},
                                           Suuntasaanto{{{1, 2, 3, 4}}, 19, 1, {19, 18, 17}},
                                           Suuntasaanto{{{1, 2, 3, 4}}, 18, 1, {18, 19, 20}},
                                           Suuntasaanto{{{1, 2, 3, 4}}, 81, 2, {81, 71, 61}},
                                           Suuntasaanto{Kaksi, 20, 1, {20, 19}},
                                           Suuntasaanto{Kaksi, 95, 2, {95, 85}},
                                           Suuntasaanto{Kaksi, 99, 1, {99, 100}},
                                           Suuntasaanto{Kaksi, 90, 4, {90, 100}}));

TEST_F(Sijoitus, SopimatonLaivaPerutaanJalkiaJattamatta) {
    ASSERT_TRUE(SijoitaLaivasto(p.peli, {{31, 32, 33, 34}}));
    PelinValmistelu::AsetaPeliKaynnissa(p.peli, false);
    const std::string ennen = Tilannekuva(p);
    p.tk.kirjaaKuvat = true;

    // Downwards from 11 the second square, 21, is reserved by the carrier.
    Klikkaa(11, 2);
    EXPECT_TRUE(p.peli.PeliKaynnissa());
    PelinValmistelu::AsetaPeliKaynnissa(p.peli, false);
    EXPECT_EQ(Tilannekuva(p), ennen);
    EXPECT_EQ(LaivanRuudut(p.peli.PelaajanLaivat()[1]), (V{-1, -1, -1}));
    EXPECT_EQ(p.peli.SeuraavaPelaajanLaiva(), 1);
    // The first square was laid and taken back within the click.
    ASSERT_EQ(p.tk.kuvaloki.size(), 2U);
    EXPECT_EQ(p.tk.kuvaloki[0].kuva, Kuva::Laiva);
    EXPECT_EQ(p.tk.kuvaloki[1].kuva, Kuva::Vesi);
    EXPECT_EQ(p.tk.kuvaloki[1].ruutu, 11);

    // A ship square, a reserved square, and a cruiser in column 8 whose way to
    // the right is blocked although the left is free: all refused.
    Klikkaa(33, 2);
    Klikkaa(35, 1);
    PelinValmistelu::AsetaTila(p.peli, Ruudukko::Pelaaja, {50}, Tila::Varattu);
    Klikkaa(48, 1);
    PelinValmistelu::AsetaTila(p.peli, Ruudukko::Pelaaja, {50}, Tila::Vesi);
    PelinValmistelu::AsetaPeliKaynnissa(p.peli, false);
    EXPECT_EQ(Tilannekuva(p), ennen);
    EXPECT_EQ(p.tk.vieraitaRuutuja, 0);

    // The cruiser still comes next.
    Klikkaa(16, 1);
    EXPECT_EQ(LaivanRuudut(p.peli.PelaajanLaivat()[1]), (V{16, 17, 18}));
}

TEST_F(Sijoitus, KulmasaantoRatkaiseeSaakoLaivaKoskeaKulmittain) {
    ASSERT_TRUE(SijoitaLaivasto(p.peli, {{31, 32, 33, 34}, {45, 46, 47}}));
    ASSERT_FALSE(SijoitaLaivasto(p.peli, {{35, 36}}));
    ASSERT_FALSE(SijoitaLaivasto(p.peli, {{44}}));

    p.peli.mUusiPeli_Click();
    PelinValmistelu::AsetaKulmat(p.peli, false);
    ASSERT_TRUE(SijoitaLaivasto(p.peli, {{31, 32, 33, 34}}));
    EXPECT_FALSE(SijoitaLaivasto(p.peli, {{45, 46, 47}}));
    EXPECT_EQ(p.peli.PelaajanRuudut()[45], Tila::Varattu);
}

TEST_F(Sijoitus, VaratutNaytetaanVainValinnanOllessaPaallaJaKymmenennenJalkeenVetena) {
    const auto kuvassa = [&](Kuva kuva) { return Kuvassa(p.tk, Ruudukko::Pelaaja, kuva); };
    const auto varatut = [&] { return Tilassa(p.peli.PelaajanRuudut(), Tila::Varattu); };
    ASSERT_TRUE(p.tk.ValikonValinta(Valikko::NaytaMahdottomatLaivaruudut));
    ASSERT_TRUE(SijoitaLaivasto(p.peli, {{1, 2, 3, 4}}));
    EXPECT_EQ(kuvassa(Kuva::Ohi), (V{5, 11, 12, 13, 14}));

    p.peli.mNaytaMahdottomatLaivaruudut_Click();
    EXPECT_FALSE(p.tk.ValikonValinta(Valikko::NaytaMahdottomatLaivaruudut));
    EXPECT_EQ(p.tk.tallennetut.back(),
              (std::pair<std::string, std::string>("NaytaMahdottomatLaivaruudut", "False")));
    EXPECT_EQ(kuvassa(Kuva::Ohi), V{});
    EXPECT_EQ(varatut(), (V{5, 11, 12, 13, 14}));
    ASSERT_TRUE(SijoitaLaivasto(p.peli, {{6, 7, 8}}));
    EXPECT_EQ(kuvassa(Kuva::Ohi), V{});

    p.peli.mNaytaMahdottomatLaivaruudut_Click();
    EXPECT_EQ(p.tk.tallennetut.back().second, "True");
    EXPECT_EQ(varatut(), (V{5, 9, 11, 12, 13, 14, 16, 17, 18}));
    EXPECT_EQ(kuvassa(Kuva::Ohi), varatut());
    EXPECT_EQ(kuvassa(Kuva::Laiva), (V{1, 2, 3, 4, 6, 7, 8}));
    EXPECT_EQ(kuvassa(Kuva::Vesi).size(), 100U - 9U - 7U);

    // The tenth ship ends placement: reserved squares back to water pictures.
    ASSERT_TRUE(
        SijoitaLaivasto(p.peli, Laivat(PelaajanLaivasto.begin() + 2, PelaajanLaivasto.end())));
    EXPECT_FALSE(varatut().empty());
    for (const int n : varatut()) {
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Pelaaja, n).kuva, Kuva::Vesi) << n;
    }
    EXPECT_EQ(Kursorissa(p.tk, Ruudukko::Pelaaja, Kursori::Oletus).size(), 100U);
    EXPECT_EQ(Kursorissa(p.tk, Ruudukko::Kone, Kursori::Sormi).size(), 100U);
    EXPECT_EQ(Missa([&](int n) { return p.tk.ruutu(Ruudukko::Kone, n).sallittu; }).size(), 100U);
    EXPECT_TRUE(p.peli.AmmuntaKaynnissa());
    EXPECT_FALSE(p.peli.SijoitusKaynnissa());
    EXPECT_TRUE(p.peli.PelaajanVuoro());

    // From now on the toggle and the player's grid change no picture.
    const std::string ennen = Tilannekuva(p);
    p.peli.mNaytaMahdottomatLaivaruudut_Click();
    EXPECT_FALSE(p.tk.ValikonValinta(Valikko::NaytaMahdottomatLaivaruudut));
    p.peli.mNaytaMahdottomatLaivaruudut_Click();
    Klikkaa(100, 1);
    Klikkaa(9, 2);
    EXPECT_EQ(Tilannekuva(p), ennen);
}

// --- The computer's fleet ---------------------------------------------------

// Checks a finished computer fleet; returns whether two ships touch at a corner.
bool TarkistaKoneenLaivasto(const Peli& peli, bool kulmatSaavatKoskettaa) {
    std::array<int, Ruutuja + 1> omistaja{};
    EXPECT_EQ(Tilassa(peli.KoneenRuudut(), Tila::Laiva).size(), std::size_t{LaivaRuutuja});
    for (int i = 0; i < LaivojaLaivastossa; ++i) {
        const Laiva& laiva = peli.KoneenLaivat()[i];
        EXPECT_TRUE(laiva.Sijoitettu) << i;
        const int askel = laiva.Pituus > 1 ? laiva.Ruudut[2] - laiva.Ruudut[1] : 1;
        EXPECT_TRUE(askel == 1 || askel == -1 || askel == 10 || askel == -10) << askel;
        for (int k = 1; k <= laiva.Pituus; ++k) {
            const int n = laiva.Ruudut[k];
            EXPECT_TRUE(OnRuutu(n)) << n;
            if (!OnRuutu(n)) {
                return false;
            }
            EXPECT_EQ(n, laiva.Ruudut[1] + (k - 1) * askel);
            EXPECT_EQ(Rivi(n) == Rivi(laiva.Ruudut[1]), askel == 1 || askel == -1 || k == 1);
            EXPECT_EQ(peli.KoneenRuudut()[n], Tila::Laiva);
            EXPECT_EQ(omistaja[n], 0) << "two ships on " << n;
            omistaja[n] = i + 1;
        }
    }
    bool kulmittain = false;
    for (int n = 1; n <= Ruutuja; ++n) {
        if (omistaja[n] == 0) {
            continue;
        }
        KayNaapurit(n, false, [&](int m) {
            if (omistaja[m] == 0 || omistaja[m] == omistaja[n]) {
                return;
            }
            const bool kulma = Rivi(m) != Rivi(n) && Sarake(m) != Sarake(n);
            EXPECT_TRUE(kulma) << "ships side by side at " << n << " and " << m;
            EXPECT_TRUE(kulmatSaavatKoskettaa) << "ships touch at " << n << " and " << m;
            kulmittain = true;
        });
    }
    return kulmittain;
}

TEST(KoneenSijoitus, TuhansiaLaivastojaSaantojenMukaan) {
    for (const bool kulmat : {true, false}) {
        Poyta p;
        p.peli.Kaynnista();
        PelinValmistelu::AsetaKulmat(p.peli, kulmat);
        int kulmittain = 0;
        for (int kierros = 0; kierros < 3000 && !::testing::Test::HasFailure(); ++kierros) {
            p.peli.UusiPeli();
            kulmittain += TarkistaKoneenLaivasto(p.peli, kulmat) ? 1 : 0;
            EXPECT_TRUE(p.peli.SijoitusKaynnissa());
            TarkistaUusiLauta(p);
        }
        EXPECT_EQ(kulmittain > 0, kulmat);
    }
}

TEST(KoneenSijoitus, EiPaikkaaTaiVaaraPituusLuovuttaaNopeastiMuuttamatta) {
    Poyta p;
    p.peli.PoistaLaivat();
    ASSERT_TRUE(p.peli.SijoitaKoneenLaiva(3));
    ASSERT_TRUE(p.peli.SijoitaKoneenLaiva(3));
    std::string ennen = Tilannekuva(p);
    EXPECT_FALSE(p.peli.SijoitaKoneenLaiva(3)); // both cruisers lie
    EXPECT_FALSE(p.peli.SijoitaKoneenLaiva(0));
    EXPECT_FALSE(p.peli.SijoitaKoneenLaiva(5));
    EXPECT_EQ(Tilannekuva(p), ennen);

    // No free square: the attempts are bounded.
    p.peli.PoistaLaivat();
    PelinValmistelu::AsetaTila(p.peli, Ruudukko::Kone, Missa([](int) { return true; }),
                               Tila::Varattu);
    ennen = Tilannekuva(p);
    const auto alku = std::chrono::steady_clock::now();
    EXPECT_FALSE(p.peli.SijoitaKoneenLaiva(4));
    EXPECT_FALSE(p.peli.SijoitaKoneenLaiva(1));
    EXPECT_LT(std::chrono::steady_clock::now() - alku, std::chrono::seconds(2));
    EXPECT_EQ(Tilannekuva(p), ennen);
}

struct Arvonta {
    int pituus;
    std::vector<double> luvut; // the draws one attempt consumes
    V odotettu;
};
void PrintTo(const Arvonta& a, std::ostream* os) {
    *os << "length " << a.pituus << " -> " << Luettelo(a.odotettu);
}

class KoneenSuunta : public ::testing::TestWithParam<Arvonta> {};

// Row and column first, then the orientation (below 0.5 vertical) and the two
// senses, each drawn only where the edge does not force it.
TEST_P(KoneenSuunta, ReunaPakottaaSuunnanMuutenSeArvotaan) {
    const Arvonta& a = GetParam();
    Poyta p;
    p.peli.PoistaLaivat();
    p.tk.satunnaiset.assign(a.luvut.begin(), a.luvut.end());
    p.tk.satunnaiset.push_back(0.123); // must be left over
    ASSERT_TRUE(p.peli.SijoitaKoneenLaiva(a.pituus));
    const Laiva& laiva = *std::find_if(p.peli.KoneenLaivat().begin(), p.peli.KoneenLaivat().end(),
                                       [](const Laiva& l) { return l.Sijoitettu; });
    EXPECT_EQ(LaivanRuudut(laiva), a.odotettu);
    EXPECT_EQ(p.tk.satunnaiset, (std::deque<double>{0.123}));
}

INSTANTIATE_TEST_SUITE_P(
    Reunat, KoneenSuunta,
    ::testing::Values(
        // Vertical carrier: rows 0..3 down, 7..9 up, 4..6 drawn.
        Arvonta{4, {0.25, 0.45, 0.1, 0.9}, {25, 35, 45, 55}},
        Arvonta{4, {0.35, 0.45, 0.1, 0.0}, {35, 45, 55, 65}},
        Arvonta{4, {0.85, 0.25, 0.1}, {83, 73, 63, 53}},
        Arvonta{4, {0.75, 0.05, 0.1}, {71, 61, 51, 41}},
        Arvonta{4, {0.45, 0.95, 0.1, 0.2}, {50, 40, 30, 20}},
        Arvonta{4, {0.65, 0.95, 0.1, 0.7}, {70, 80, 90, 100}},
        // Horizontal carrier: columns 1..3 right, 7..10 left, 4..6 drawn.
        Arvonta{4, {0.45, 0.65, 0.7, 0.6}, {47, 46, 45, 44}},
        Arvonta{4, {0.05, 0.25, 0.7}, {3, 4, 5, 6}},
        Arvonta{4, {0.05, 0.35, 0.7, 0.7}, {4, 5, 6, 7}},
        Arvonta{4, {0.55, 0.55, 0.7, 0.3, 0.9}, {56, 55, 54, 53}},
        // Gunboat: columns 9 and 10 run left (9 would fit either way), row 9 up.
        Arvonta{2, {0.95, 0.85, 0.2}, {99, 89}}, Arvonta{2, {0.15, 0.85, 0.9}, {19, 18}},
        Arvonta{2, {0.15, 0.15, 0.9, 0.2}, {12, 11}},
        // A submarine draws the senses but ignores them.
        Arvonta{1, {0.95, 0.95, 0.3, 0.3}, {100}}, Arvonta{1, {0.05, 0.05, 0.3, 0.3}, {1}}));

TEST(KoneenSijoitus, EsteeseenOsunutYritysEiJataRuutuja) {
    Poyta p;
    p.peli.PoistaLaivat();
    PelinValmistelu::AsetaTila(p.peli, Ruudukko::Kone, {27}, Tila::Varattu);
    // Cruiser from 25 to the right meets 27 at its third square, then a start
    // on the reserved square itself, then a fit from 61 downwards.
    p.tk.satunnaiset = {0.25, 0.45, 0.9, 0.9, 0.25, 0.65, 0.9, 0.9, 0.65, 0.05, 0.1, 0.9};
    ASSERT_TRUE(p.peli.SijoitaKoneenLaiva(3));
    EXPECT_TRUE(p.tk.satunnaiset.empty());
    EXPECT_EQ(LaivanRuudut(p.peli.KoneenLaivat()[1]), (V{61, 71, 81}));
    EXPECT_FALSE(p.peli.KoneenLaivat()[2].Sijoitettu);
    EXPECT_EQ(p.peli.KoneenRuudut()[25], Tila::Vesi);
    EXPECT_EQ(p.peli.KoneenRuudut()[26], Tila::Vesi);
    EXPECT_EQ(p.peli.KoneenRuudut()[27], Tila::Varattu);
}

} // namespace
} // namespace sorvik::testi
