// The battle: sinking and revealing, the player's shot, the computer's
// targeting, winning and losing, and quitting in the middle of a turn.

#include "FakeTyokalut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sorvik::testi {
namespace {

using V = std::vector<int>;

// Random numbers that make the computer pick square k, or direction order o.
double Ruutu(int k) {
    return (k - 0.5) / 100.0;
}
double Jarjestys(int o) {
    return (o - 0.5) / 8.0;
}

V Tilassa(const Ruudut& ruudut, Tila tila) {
    V ruudut_;
    for (int n = 1; n <= Ruutuja; ++n) {
        if (ruudut[n] == tila) {
            ruudut_.push_back(n);
        }
    }
    return ruudut_;
}

// --- Sinking and revealing --------------------------------------------------

TEST(Upotus, KulmasaantoRatkaiseePaljastetaankoKulmaruudut) {
    for (const bool kulmat : {true, false}) {
        Poyta p;
        p.peli.PoistaLaivat();
        p.peli.saannot.LaivojenKulmatSaavatKoskettaa = kulmat;
        p.peli.PelaajanVuoro = false; // the computer has fired: the player's grid
        std::fill(p.peli.PelaajanRuudut.begin() + 1, p.peli.PelaajanRuudut.end(), Tila::Varattu);
        p.peli.PelaajanRuudut[1] = Tila::Uponnut;
        p.peli.UpotaRuutu(1);
        EXPECT_EQ(Tilassa(p.peli.PelaajanRuudut, Tila::Ohi), (kulmat ? V{2, 11} : V{2, 11, 12}));
        for (const int n : Tilassa(p.peli.PelaajanRuudut, Tila::Ohi)) {
            EXPECT_EQ(p.tk.ruutu(Ruudukko::Pelaaja, n).kuva, Kuva::Ohi);
        }
        EXPECT_EQ(Tilassa(p.peli.KoneenRuudut, Tila::Vesi).size(), 100U);
    }
}

TEST(Upotus, ReunasarakeEiPaljastaToisenReunanRuutuja) {
    Poyta p;
    p.peli.PoistaLaivat();
    p.peli.saannot.LaivojenKulmatSaavatKoskettaa = false;
    p.peli.PelaajanVuoro = true; // the player has fired: the computer's grid
    std::fill(p.peli.KoneenRuudut.begin() + 1, p.peli.KoneenRuudut.end(), Tila::Varattu);
    p.peli.KoneenRuudut[20] = Tila::Uponnut;
    p.peli.KoneenRuudut[51] = Tila::Uponnut;
    p.peli.UpotaRuutu(20);
    p.peli.UpotaRuutu(51);
    const V paljastetut{9, 10, 19, 29, 30, 41, 42, 52, 61, 62};
    EXPECT_EQ(Tilassa(p.peli.KoneenRuudut, Tila::Ohi), paljastetut);
    for (int n = 1; n <= Ruutuja; ++n) {
        const bool paljastettu =
            std::find(paljastetut.begin(), paljastetut.end(), n) != paljastetut.end();
        const auto& ruutu = p.tk.ruutu(Ruudukko::Kone, n);
        EXPECT_EQ(ruutu.sallittu, !paljastettu) << n;
        EXPECT_EQ(ruutu.kuva, paljastettu ? Kuva::Ohi : Kuva::Vesi) << n;
        EXPECT_EQ(p.peli.PelaajanRuudut[n], Tila::Vesi);
    }
}

TEST(Upotus, VainVarattuPaljastetaanJaVainUpponeenYmparilta) {
    Poyta p;
    p.peli.PoistaLaivat();
    p.peli.PelaajanVuoro = false;
    auto& r = p.peli.PelaajanRuudut;
    r[55] = Tila::Uponnut;
    r[54] = Tila::Vesi;
    r[45] = Tila::Laiva;
    r[56] = Tila::Ohi;
    r[65] = Tila::Uponnut;
    r[66] = Tila::Varattu;
    r[35] = Tila::Varattu;
    const std::string ennen = Tilannekuva(p);
    p.peli.UpotaRuutu(45); // a ship square not hit
    p.peli.UpotaRuutu(35); // water
    p.peli.UpotaRuutu(55);
    EXPECT_EQ(Tilannekuva(p), ennen);
}

// --- The player's shot ------------------------------------------------------

class Ammunta : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(AloitaAmmunta(p)); }

    // The squares of the player's grid showing a latest-shot picture.
    V Viimeisimmat(Ruudukko r) const {
        V ruudut;
        for (int n = 1; n <= Ruutuja; ++n) {
            const Kuva k = p.tk.ruutu(r, n).kuva;
            if (k == Kuva::OhiViimeksi || k == Kuva::OsumaViimeksi) {
                ruudut.push_back(n);
            }
        }
        return ruudut;
    }

    Poyta p;
};

TEST_F(Ammunta, VainViimeisinLaukausNakyyViimeisimpana) {
    const auto kone = [&](int n) { return p.tk.ruutu(Ruudukko::Kone, n); };
    const auto pelaaja = [&](int n) { return p.tk.ruutu(Ruudukko::Pelaaja, n).kuva; };
    int koneenEdellinen = 0;
    const auto koneAmpui = [&] {
        const int t = p.peli.KoneenEdellinenRuutu;
        ASSERT_NE(t, koneenEdellinen);
        EXPECT_EQ(Viimeisimmat(Ruudukko::Pelaaja), V{t});
        if (koneenEdellinen != 0) {
            const bool osui = p.peli.PelaajanRuudut[koneenEdellinen] == Tila::Uponnut;
            EXPECT_EQ(pelaaja(koneenEdellinen), osui ? Kuva::Osuma : Kuva::Ohi);
        }
        koneenEdellinen = t;
    };

    // The computer hits the submarine at 50, misses 99, hits the one at 48.
    p.tk.satunnaiset = {Ruutu(50), Jarjestys(1), Ruutu(99), Ruutu(48), Jarjestys(1)};
    p.peli.imgKone_Click(3); // open water
    EXPECT_EQ(kone(3).kuva, Kuva::OhiViimeksi);
    EXPECT_FALSE(kone(3).sallittu);
    EXPECT_EQ(kone(3).kursori, Kursori::Oletus);
    EXPECT_EQ(p.peli.KoneenRuudut[3], Tila::Vesi);
    EXPECT_EQ(Viimeisimmat(Ruudukko::Kone), V{3});
    koneAmpui();

    p.peli.imgKone_Click(32);
    EXPECT_EQ(kone(3).kuva, Kuva::Ohi);
    EXPECT_EQ(kone(32).kuva, Kuva::OsumaViimeksi);
    EXPECT_EQ(p.peli.KoneenRuudut[32], Tila::Uponnut);
    EXPECT_EQ(p.peli.PelaajanOsumat, 1);
    koneAmpui();

    p.peli.imgKone_Click(2); // reserved water beside a ship
    EXPECT_EQ(kone(32).kuva, Kuva::Osuma);
    EXPECT_EQ(kone(2).kuva, Kuva::OhiViimeksi);
    EXPECT_EQ(p.peli.KoneenRuudut[2], Tila::Varattu);
    EXPECT_EQ(Viimeisimmat(Ruudukko::Kone), V{2});
    koneAmpui();
    EXPECT_EQ(p.peli.PelaajanOsumat, 1);
    EXPECT_EQ(p.peli.KoneenEdellinenRuutu, 48);
    EXPECT_TRUE(p.tk.satunnaiset.empty());
}

TEST(Upotusjarjestys, LaivaUpotetaanRuutulistansaJarjestyksessa) {
    Poyta p;
    Laivat koneen = KoneenLaivasto;
    koneen[0] = {35, 34, 33, 32}; // laid leftwards from 35
    ASSERT_TRUE(AloitaAmmunta(p, PelaajanLaivasto, koneen));
    for (const int n : {33, 32, 35}) {
        p.peli.imgKone_Click(n);
    }
    EXPECT_TRUE(Tilassa(p.peli.KoneenRuudut, Tila::Ohi).empty());
    // The miss beside the ship stays disabled and becomes a known miss.
    p.peli.imgKone_Click(36);
    p.tk.kirjaaKuvat = true;
    p.peli.imgKone_Click(34);
    V paljastetut;
    for (const Kuvamerkinta& m : p.tk.kuvaloki) {
        if (m.ruudukko == Ruudukko::Kone && m.kuva == Kuva::Ohi) {
            paljastetut.push_back(m.ruutu);
        }
    }
    // First the previous miss turns plain, then the reveal square by square
    // from 35, 34, 33 and 32, each in the fixed neighbour order.
    EXPECT_EQ(paljastetut, (V{36, 25, 36, 45, 24, 44, 23, 43, 31, 22, 42}));
    for (const int n : paljastetut) {
        EXPECT_EQ(p.peli.KoneenRuudut[n], Tila::Ohi);
        EXPECT_FALSE(p.tk.ruutu(Ruudukko::Kone, n).sallittu);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Kone, n).kursori, Kursori::Oletus);
    }
}

TEST_F(Ammunta, KahdeskymmenesOsumaVoittaaEikaKoneAmmuEnaa) {
    for (const auto& laiva : KoneenLaivasto) {
        for (const int n : laiva) {
            if (n != 100) {
                p.peli.imgKone_Click(n);
            }
        }
    }
    ASSERT_EQ(p.peli.PelaajanOsumat, 19);
    const double kello = p.tk.kello;
    const Ruudut pelaajan = p.peli.PelaajanRuudut;
    const std::size_t viesteja = p.tk.viestit.size();

    p.peli.imgKone_Click(100);
    ASSERT_EQ(p.tk.viestit.size(), viesteja + 1);
    EXPECT_EQ(p.tk.viestit.back().teksti, "Onneksi olkoon, upotit kaikki vastustajasi laivat!");
    EXPECT_EQ(p.tk.viestit.back().otsikko, "Voitit");
    EXPECT_EQ(p.tk.viestit.back().tyyli, viesti::OK + viesti::Tiedoksi);
    EXPECT_EQ(p.peli.VoitotPerakkain, 1);
    EXPECT_FALSE(p.peli.PeliKaynnissa);
    EXPECT_FALSE(p.peli.AmmuntaKaynnissa);
    EXPECT_FALSE(p.peli.PelaajanVuoro);
    EXPECT_EQ(p.tk.kello, kello);
    EXPECT_EQ(p.peli.PelaajanRuudut, pelaajan);
    for (int n = 1; n <= Ruutuja; ++n) {
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Kone, n).kursori, Kursori::Oletus);
    }

    // A square never shot is still enabled, but nothing answers it.
    ASSERT_TRUE(p.tk.ruutu(Ruudukko::Kone, 3).sallittu);
    const std::string ennen = Tilannekuva(p);
    p.peli.imgKone_Click(3);
    p.peli.imgPelaaja_MouseUp(100, 1);
    EXPECT_EQ(Tilannekuva(p), ennen);
}

TEST_F(Ammunta, PutkiPysahtyySuurimpaanArvoonsa) {
    p.peli.VoitotPerakkain = 32767;
    AmmuKoneenLaivat(p);
    EXPECT_EQ(p.peli.VoitotPerakkain, 32767);
    p.peli.tmrAjastin_Timer();
    EXPECT_EQ(p.tk.ohje,
              "Olet voittanut 32767 peliä peräkkäin. Jatka pelaamista Uusi peli -painikkeella.");
}

// --- The computer's targeting -----------------------------------------------

// A fleet for the targeting cases: gunboats at 31-32, 5/15 and 27/37, a
// cruiser at 44-46 and a submarine at 60.
const Laivat Maalilaivasto{{91, 92, 93, 94}, {44, 45, 46}, {78, 79, 80}, {31, 32}, {5, 15},
                           {27, 37},         {60},         {8},          {11},     {64}};

struct Maalitus {
    std::vector<double> luvut;
    V laukaukset; // the computer's shots, one per turn
};
void PrintTo(const Maalitus& m, std::ostream* os) {
    *os << "shots " << Luettelo(m.laukaukset);
}

class Maali : public ::testing::TestWithParam<Maalitus> {};

TEST_P(Maali, SuuntaKerrallaanKunnesLaivaUppoaa) {
    const Maalitus& m = GetParam();
    Poyta p;
    ASSERT_TRUE(AloitaAmmunta(p, Maalilaivasto));
    p.tk.satunnaiset.assign(m.luvut.begin(), m.luvut.end());
    V laukaukset;
    for (std::size_t vuoro = 0; vuoro < m.laukaukset.size(); ++vuoro) {
        if (vuoro + 1 == m.laukaukset.size()) {
            // Only the last, random shot may use the last number.
            EXPECT_EQ(p.tk.satunnaiset.size(), 1U);
        }
        const Tila ennen = p.peli.PelaajanRuudut[m.laukaukset[vuoro]];
        ASSERT_NE(AmmuOhi(p), 0);
        laukaukset.push_back(p.peli.KoneenEdellinenRuutu);
        EXPECT_EQ(p.peli.PelaajanRuudut[laukaukset.back()],
                  ennen == Tila::Laiva ? Tila::Uponnut : Tila::Ohi);
    }
    EXPECT_EQ(laukaukset, m.laukaukset);
    EXPECT_TRUE(p.tk.satunnaiset.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Esimerkit, Maali,
    ::testing::Values(
        // Anchor in column 1: left is off the grid, so right is shot at once.
        Maalitus{{Ruutu(31), Jarjestys(1), Ruutu(100)}, {31, 32, 100}},
        // Anchor in the top row with "up" first: down is shot at once.
        Maalitus{{Ruutu(5), Jarjestys(5), Ruutu(100)}, {5, 15, 100}},
        // Right while hitting, the miss at 47, then left from the anchor sinks
        // the cruiser; the target is dropped, so no up or down follows.
        Maalitus{{Ruutu(45), Jarjestys(3), Ruutu(100)}, {45, 46, 47, 44, 100}},
        // Left, right and up each miss once, down sinks.
        Maalitus{{Ruutu(27), Jarjestys(1), Ruutu(100)}, {27, 26, 28, 17, 37, 100}},
        // A submarine sinks at its first hit; its new target is dropped at once.
        Maalitus{{Ruutu(60), Jarjestys(1), Ruutu(100)}, {60, 100}},
        // Order 8 on the cruiser: down, up, right (46 hit, 47 miss), left.
        Maalitus{{Ruutu(45), Jarjestys(8), Ruutu(100)}, {45, 55, 35, 46, 47, 44, 100}}));

TEST(Maali, UpotuksenJalkeenKohdeUnohdetaanSeuraavallaTikilla) {
    Poyta p;
    ASSERT_TRUE(AloitaAmmunta(p, Maalilaivasto));
    p.tk.satunnaiset = {Ruutu(60), Jarjestys(2)};
    AmmuOhi(p);
    EXPECT_TRUE(p.peli.KoneUpottiLaivan);
    EXPECT_EQ(p.peli.EnsimmainenOsuma, 60);
    EXPECT_EQ(p.peli.Suuntajarjestys, 2);
    EXPECT_EQ(Tilassa(p.peli.PelaajanRuudut, Tila::Ohi), (V{50, 59, 70}));
    p.peli.tmrAjastin_Timer();
    EXPECT_EQ(p.peli.EnsimmainenOsuma, 0);
    EXPECT_EQ(p.peli.SeuraavaRuutu, 0);
    EXPECT_EQ(p.peli.Suuntajarjestys, 100);
}

TEST(Maali, ArvontaOhittaaAmmututJaPaljastetutRuudut) {
    Poyta p;
    ASSERT_TRUE(AloitaAmmunta(p, Maalilaivasto));
    p.tk.satunnaiset = {Ruutu(31), Jarjestys(1)};
    AmmuOhi(p);
    AmmuOhi(p);
    ASSERT_EQ(Tilassa(p.peli.PelaajanRuudut, Tila::Ohi), (V{21, 22, 33, 41, 42}));
    p.tk.satunnaiset = {Ruutu(21), Ruutu(31), Ruutu(42), Ruutu(32), Ruutu(99)};
    AmmuOhi(p);
    EXPECT_EQ(p.peli.KoneenEdellinenRuutu, 99);
    EXPECT_TRUE(p.tk.satunnaiset.empty());
}

// --- The loss -----------------------------------------------------------------

struct Haviotilanne {
    std::int16_t viimeinenTulos;
    bool nimiAnnetaan;
    int nimikyselyja;
    std::int16_t putkiLopuksi;
};

class Havio : public ::testing::TestWithParam<Haviotilanne> {};

TEST_P(Havio, KoneenLaivatNaytetaanJaPutkiPaattyy) {
    const Haviotilanne& h = GetParam();
    Poyta p;
    ASSERT_TRUE(AloitaAmmunta(p));
    for (int voitto = 0; voitto < 2; ++voitto) {
        AmmuKoneenLaivat(p);
        p.peli.mUusiPeli_Click();
        ASSERT_TRUE(Valmistele(p));
    }
    ASSERT_EQ(p.peli.VoitotPerakkain, 2);
    p.tk.viimeinenTulos = h.viimeinenTulos;
    p.tk.nimikysely = [&] {
        if (h.nimiAnnetaan) {
            p.peli.VoitotPerakkain = 0;
        }
    };
    p.tk.viestit.clear();
    p.tk.kirjaaKuvat = true;

    // The player misses, or hits short of winning, until the computer has won.
    while (p.peli.PeliKaynnissa) {
        if (AmmuOhi(p) == 0) {
            ASSERT_LT(p.peli.PelaajanOsumat, 19);
            int n = 1;
            while (!p.tk.ruutu(Ruudukko::Kone, n).sallittu) {
                ++n;
            }
            p.peli.imgKone_Click(n);
        }
    }
    ASSERT_EQ(p.peli.KoneenOsumat, 20);
    ASSERT_EQ(p.tk.viestit.size(), 1U);
    const Viestilaatikko& v = p.tk.viestit[0];
    EXPECT_EQ(v.teksti, "Vastustajasi upotti kaikki laivasi!");
    EXPECT_EQ(v.otsikko, "Hävisit");
    EXPECT_EQ(v.tyyli, viesti::OK + viesti::Huomautus);
    // The last hit and the last sinking were on screen before the message, the
    // computer's ships only after it.
    ASSERT_GT(v.kuviaEnnen, 0U);
    bool osumaNakyi = false;
    for (std::size_t i = 0; i < p.tk.kuvaloki.size(); ++i) {
        const Kuvamerkinta& m = p.tk.kuvaloki[i];
        if (m.ruudukko == Ruudukko::Pelaaja) {
            EXPECT_LT(i, v.kuviaEnnen);
            osumaNakyi = osumaNakyi ||
                         (m.ruutu == p.peli.KoneenEdellinenRuutu && m.kuva == Kuva::OsumaViimeksi);
        } else if (m.kuva == Kuva::Laiva) {
            EXPECT_GE(i, v.kuviaEnnen);
        }
    }
    EXPECT_TRUE(osumaNakyi);
    for (int n = 1; n <= Ruutuja; ++n) {
        if (p.peli.KoneenRuudut[n] == Tila::Laiva) {
            EXPECT_EQ(p.tk.ruutu(Ruudukko::Kone, n).kuva, Kuva::Laiva) << n;
        }
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Kone, n).kursori, Kursori::Oletus);
    }
    EXPECT_FALSE(p.peli.AmmuntaKaynnissa);
    EXPECT_TRUE(p.peli.PelaajanVuoro);
    EXPECT_FALSE(p.peli.SijoitusKaynnissa);
    EXPECT_EQ(p.tk.nimikyselyja, h.nimikyselyja);
    EXPECT_EQ(p.peli.VoitotPerakkain, h.putkiLopuksi);
    p.peli.tmrAjastin_Timer();
    EXPECT_EQ(p.tk.ohje, "Aloita uusi peli painamalla Uusi peli -painiketta.");

    const std::string ennen = Tilannekuva(p);
    for (int n = 1; n <= Ruutuja; ++n) {
        if (p.tk.ruutu(Ruudukko::Kone, n).sallittu) {
            p.peli.imgKone_Click(n);
        }
    }
    p.peli.imgPelaaja_MouseUp(55, 2);
    EXPECT_EQ(Tilannekuva(p), ennen);
}

INSTANTIATE_TEST_SUITE_P(Lista, Havio,
                         ::testing::Values(Haviotilanne{1, true, 1, 0},
                                           Haviotilanne{1, false, 1, 2},
                                           Haviotilanne{2, true, 0, 0}));

// --- Events during the computer's pause ---------------------------------------

TEST(Tauko, LopetuskysymysTauonAikana) {
    for (const int vastaus : {viesti::VastausEi, viesti::VastausKylla}) {
        Poyta p;
        ASSERT_TRUE(AloitaAmmunta(p));
        p.tk.vastaukset = {vastaus};
        bool peruttu = false;
        std::string heti;
        p.tk.tapahtumat.emplace_back(p.tk.kello + 0.5, [&] {
            peruttu = p.peli.Form_QueryUnload(Sulkemissyy::Kayttaja);
            heti = Tilannekuva(p);
        });
        AmmuOhi(p);
        ASSERT_EQ(p.tk.viestit.size(), 1U);
        if (vastaus == viesti::VastausEi) {
            EXPECT_TRUE(peruttu);
            EXPECT_NE(p.peli.KoneenEdellinenRuutu, 0);
            EXPECT_TRUE(p.peli.PelaajanVuoro);
        } else {
            EXPECT_FALSE(peruttu);
            EXPECT_TRUE(p.peli.Lopetetaan());
            EXPECT_EQ(p.peli.KoneenEdellinenRuutu, 0);
            EXPECT_EQ(Tilannekuva(p), heti);
            p.peli.tmrAjastin_Timer();
            EXPECT_EQ(Tilannekuva(p), heti);
        }
    }
}

TEST(Tauko, KomennotJaNapautuksetEivatSekoitaKoneenVuoroa) {
    Poyta p;
    ASSERT_TRUE(AloitaAmmunta(p));
    AmmuKoneenLaivat(p);
    p.peli.mUusiPeli_Click();
    ASSERT_TRUE(Valmistele(p));
    p.tk.viestit.clear();
    p.tk.vastaukset = {viesti::VastausKylla, viesti::VastausKylla};
    p.tk.tapahtumat.emplace_back(p.tk.kello + 0.3, [&] {
        p.peli.mUusiPeli_Click();
        p.peli.cmdPainike_Click(0);
        p.peli.imgKone_Click(4);
        p.peli.imgPelaaja_MouseUp(100, 1);
        p.peli.mNaytaMahdottomatLaivaruudut_Click();
    });
    const Laivasto pelaajan = p.peli.PelaajanLaivat;
    AmmuOhi(p);
    EXPECT_TRUE(p.tk.viestit.empty());
    EXPECT_EQ(p.peli.VoitotPerakkain, 1);
    EXPECT_TRUE(p.tk.ruutu(Ruudukko::Kone, 4).sallittu);
    EXPECT_EQ(p.peli.PelaajanRuudut[100], Tila::Vesi);
    EXPECT_NE(p.peli.KoneenEdellinenRuutu, 0);
    EXPECT_TRUE(p.peli.PelaajanVuoro);
    for (int i = 0; i < LaivojaLaivastossa; ++i) {
        EXPECT_EQ(p.peli.PelaajanLaivat[i].Ruudut, pelaajan[i].Ruudut);
    }
}

// --- Inconsistent fleets ------------------------------------------------------

TEST(Tulkintavirhe, PelaajanOsumaLaivattomaanRuutuunEiVoita) {
    Poyta p;
    ASSERT_TRUE(AloitaAmmunta(p));
    p.peli.KoneenLaivat[9].Ruudut[1] = 99; // square 100 belongs to no ship now
    for (const auto& laiva : KoneenLaivasto) {
        for (const int n : laiva) {
            if (n != 100) {
                p.peli.imgKone_Click(n);
            }
        }
    }
    const std::size_t viesteja = p.tk.viestit.size();
    const double kello = p.tk.kello;
    p.peli.imgKone_Click(100);
    ASSERT_EQ(p.tk.viestit.size(), viesteja + 1);
    EXPECT_EQ(p.tk.viestit.back().teksti, "Ruutu 100: Virhe osuman tulkinnassa!");
    EXPECT_EQ(p.tk.viestit.back().otsikko, "");
    EXPECT_EQ(p.tk.viestit.back().tyyli, viesti::OK);
    EXPECT_EQ(p.peli.PelaajanOsumat, 20);
    EXPECT_TRUE(p.peli.PeliKaynnissa);
    EXPECT_EQ(p.peli.VoitotPerakkain, 0);
    EXPECT_GT(p.tk.kello, kello); // the computer took its turn
    EXPECT_TRUE(p.peli.PelaajanVuoro);
}

TEST(Tulkintavirhe, KoneenOsumaLaivattomaanRuutuunEiHavita) {
    Poyta p;
    ASSERT_TRUE(AloitaAmmunta(p));
    p.peli.PelaajanLaivat[9].Ruudut[1] = 99; // the submarine at 50 is lost track of
    p.peli.KoneenOsumat = 19;
    p.tk.satunnaiset = {Ruutu(50)};
    AmmuOhi(p);
    ASSERT_EQ(p.tk.viestit.size(), 1U);
    EXPECT_EQ(p.tk.viestit[0].teksti, "Ruutu 50: Virhe osuman tulkinnassa!");
    EXPECT_EQ(p.tk.viestit[0].otsikko, "");
    EXPECT_EQ(p.tk.viestit[0].tyyli, viesti::OK);
    EXPECT_EQ(p.peli.KoneenOsumat, 20);
    EXPECT_EQ(p.peli.PelaajanRuudut[50], Tila::Uponnut);
    EXPECT_FALSE(p.peli.KoneUpottiLaivan);
    EXPECT_TRUE(p.peli.PeliKaynnissa);
    EXPECT_TRUE(p.peli.AmmuntaKaynnissa);
    EXPECT_TRUE(p.peli.PelaajanVuoro);
}

} // namespace
} // namespace sorvik::testi
