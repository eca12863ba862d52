// The battle: sinking and revealing, the player's shot, the computer's
// targeting, winning and losing, and quitting in the middle of a turn.

#include "Pelipoyta.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sorvik::testi {
namespace {

// --- Sinking and revealing --------------------------------------------------

struct Paljastus {
    bool kulmat;
    bool koneen; // the player has fired: the computer's grid
    V uponneet;
    V paljastetut;
};
void PrintTo(const Paljastus& t, std::ostream* os) {
    *os << (t.koneen ? "computer's" : "player's") << " grid, sunk " << Luettelo(t.uponneet)
        << (t.kulmat ? ", corners may touch" : "");
}

class Upotus : public ::testing::TestWithParam<Paljastus> {};

// Around a sunk square the reserved water is revealed, diagonals only when
// corners may not touch, never over a side edge; on the computer's grid the
// revealed squares are disabled.
TEST_P(Upotus, YmparoivaVarattuVesiPaljastetaan) {
    const Paljastus& t = GetParam();
    Poyta p;
    p.peli.PoistaLaivat();
    PelinValmistelu::AsetaKulmat(p.peli, t.kulmat);
    PelinValmistelu::AsetaVuoro(p.peli, t.koneen);
    const Ruudut& ruudut = t.koneen ? p.peli.KoneenRuudut() : p.peli.PelaajanRuudut();
    const Ruudut& toiset = t.koneen ? p.peli.PelaajanRuudut() : p.peli.KoneenRuudut();
    const Ruudukko r = t.koneen ? Ruudukko::Kone : Ruudukko::Pelaaja;
    PelinValmistelu::AsetaTila(p.peli, r, Missa([](int) { return true; }), Tila::Varattu);
    for (const int n : t.uponneet) {
        PelinValmistelu::AsetaTila(p.peli, r, {n}, Tila::Uponnut);
        p.peli.UpotaRuutu(n);
    }
    EXPECT_EQ(Tilassa(ruudut, Tila::Ohi), t.paljastetut);
    EXPECT_EQ(Kuvassa(p.tk, r, Kuva::Ohi), t.paljastetut);
    EXPECT_EQ(Kuvassa(p.tk, r, Kuva::Vesi).size(), Ruutuja - t.paljastetut.size());
    EXPECT_EQ(Missa([&](int n) { return !p.tk.ruutu(r, n).sallittu; }),
              t.koneen ? t.paljastetut : V{});
    EXPECT_EQ(Tilassa(toiset, Tila::Vesi).size(), 100U);
}

INSTANTIATE_TEST_SUITE_P(
    Reunat, Upotus,
    ::testing::Values(Paljastus{true, false, {1}, {2, 11}},
                      Paljastus{false, false, {1}, {2, 11, 12}},
                      Paljastus{false, false, {91, 100}, {81, 82, 89, 90, 92, 99}},
                      Paljastus{true, true, {20, 51}, {10, 19, 30, 41, 52, 61}},
                      Paljastus{false, true, {20, 51}, {9, 10, 19, 29, 30, 41, 42, 52, 61, 62}}));

TEST(Upotus, VainVarattuPaljastetaanJaVainUpponeenYmparilta) {
    Poyta p;
    p.peli.PoistaLaivat();
    PelinValmistelu::AsetaVuoro(p.peli, false);
    const auto aseta = [&](int n, Tila tila) {
        PelinValmistelu::AsetaTila(p.peli, Ruudukko::Pelaaja, {n}, tila);
    };
    aseta(55, Tila::Uponnut);
    aseta(54, Tila::Vesi);
    aseta(45, Tila::Laiva);
    aseta(56, Tila::Ohi);
    aseta(65, Tila::Uponnut);
    aseta(66, Tila::Varattu);
    aseta(35, Tila::Varattu);
    const std::string ennen = Tilannekuva(p);
    p.peli.UpotaRuutu(45); // a ship square not hit
    p.peli.UpotaRuutu(35); // water
    p.peli.UpotaRuutu(55);
    EXPECT_EQ(Tilannekuva(p), ennen);
}

// --- The player's shot ------------------------------------------------------

using Ammunta = Ammuntavaihe;

// The squares of a grid showing a latest-shot picture.
V Viimeisimmat(const FakeTyokalut& tk, Ruudukko r) {
    return Missa([&](int n) {
        const Kuva k = tk.ruutu(r, n).kuva;
        return k == Kuva::OhiViimeksi || k == Kuva::OsumaViimeksi;
    });
}

TEST_F(Ammunta, VainViimeisinLaukausNakyyViimeisimpana) {
    const auto kone = [&](int n) { return p.tk.ruutu(Ruudukko::Kone, n); };
    const auto pelaaja = [&](int n) { return p.tk.ruutu(Ruudukko::Pelaaja, n).kuva; };
    int koneenEdellinen = 0;
    const auto koneAmpui = [&] {
        const int t = p.peli.KoneenEdellinenRuutu();
        ASSERT_NE(t, koneenEdellinen);
        EXPECT_EQ(Viimeisimmat(p.tk, Ruudukko::Pelaaja), V{t});
        if (koneenEdellinen != 0) {
            const bool osui = p.peli.PelaajanRuudut()[koneenEdellinen] == Tila::Uponnut;
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
    EXPECT_EQ(p.peli.KoneenRuudut()[3], Tila::Vesi);
    EXPECT_EQ(Viimeisimmat(p.tk, Ruudukko::Kone), V{3});
    koneAmpui();

    p.peli.imgKone_Click(32);
    EXPECT_EQ(kone(3).kuva, Kuva::Ohi);
    EXPECT_EQ(kone(32).kuva, Kuva::OsumaViimeksi);
    EXPECT_EQ(p.peli.KoneenRuudut()[32], Tila::Uponnut);
    EXPECT_EQ(p.peli.PelaajanOsumat(), 1);
    koneAmpui();

    p.peli.imgKone_Click(2); // reserved water beside a ship
    EXPECT_EQ(kone(32).kuva, Kuva::Osuma);
    EXPECT_EQ(kone(2).kuva, Kuva::OhiViimeksi);
    EXPECT_EQ(p.peli.KoneenRuudut()[2], Tila::Varattu);
    EXPECT_EQ(Viimeisimmat(p.tk, Ruudukko::Kone), V{2});
    koneAmpui();
    EXPECT_EQ(p.peli.PelaajanOsumat(), 1);
    EXPECT_EQ(p.peli.KoneenEdellinenRuutu(), 48);
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
    EXPECT_TRUE(Tilassa(p.peli.KoneenRuudut(), Tila::Ohi).empty());
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
        EXPECT_EQ(p.peli.KoneenRuudut()[n], Tila::Ohi);
        EXPECT_FALSE(p.tk.ruutu(Ruudukko::Kone, n).sallittu);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Kone, n).kursori, Kursori::Oletus);
    }
}

TEST_F(Ammunta, KahdeskymmenesOsumaVoittaaEikaKoneAmmuEnaa) {
    AmmuKoneenLaivat(p, 100);
    ASSERT_EQ(p.peli.PelaajanOsumat(), 19);
    const double kello = p.tk.kello;
    const Ruudut pelaajan = p.peli.PelaajanRuudut();
    const std::size_t viesteja = p.tk.viestit.size();

    p.peli.imgKone_Click(100);
    ASSERT_EQ(p.tk.viestit.size(), viesteja + 1);
    EXPECT_EQ(p.tk.viestit.back(),
              (Viestilaatikko{"Onneksi olkoon, upotit kaikki vastustajasi laivat!", "Voitit",
                              viesti::OK + viesti::Tiedoksi}));
    EXPECT_EQ(p.peli.VoitotPerakkain(), 1);
    EXPECT_FALSE(p.peli.PeliKaynnissa());
    EXPECT_FALSE(p.peli.AmmuntaKaynnissa());
    EXPECT_FALSE(p.peli.PelaajanVuoro());
    EXPECT_EQ(p.tk.kello, kello);
    EXPECT_EQ(p.peli.PelaajanRuudut(), pelaajan);
    EXPECT_EQ(Kursorissa(p.tk, Ruudukko::Kone, Kursori::Oletus).size(), 100U);

    // A square never shot is still enabled, but nothing answers it.
    ASSERT_TRUE(p.tk.ruutu(Ruudukko::Kone, 3).sallittu);
    const std::string ennen = Tilannekuva(p);
    p.peli.imgKone_Click(3);
    p.peli.imgPelaaja_MouseUp(100, 1);
    EXPECT_EQ(Tilannekuva(p), ennen);
}

// --- The loss -----------------------------------------------------------------

// The last hit and the last sinking are on screen before the message, the
// computer's ships only after it; then neither grid answers.
using Havio = Ammuntavaihe;

TEST_F(Havio, KoneenLaivatNaytetaanViestinJalkeen) {
    p.tk.kirjaaKuvat = true;
    ASSERT_TRUE(Havia(p));
    ASSERT_EQ(p.tk.viestit, std::vector{HavioViesti});
    const std::size_t viestinKohdalla = p.tk.viestit[0].kuviaEnnen;
    ASSERT_GT(viestinKohdalla, 0U);
    bool osumaNakyi = false;
    for (std::size_t i = 0; i < p.tk.kuvaloki.size(); ++i) {
        const Kuvamerkinta& m = p.tk.kuvaloki[i];
        if (m.ruudukko == Ruudukko::Pelaaja) {
            EXPECT_LT(i, viestinKohdalla);
            osumaNakyi = osumaNakyi || (m.ruutu == p.peli.KoneenEdellinenRuutu() &&
                                        m.kuva == Kuva::OsumaViimeksi);
        } else if (m.kuva == Kuva::Laiva) {
            EXPECT_GE(i, viestinKohdalla);
        }
    }
    EXPECT_TRUE(osumaNakyi);
    EXPECT_EQ(Kuvassa(p.tk, Ruudukko::Kone, Kuva::Laiva),
              Tilassa(p.peli.KoneenRuudut(), Tila::Laiva));
    EXPECT_EQ(Kursorissa(p.tk, Ruudukko::Kone, Kursori::Oletus).size(), 100U);
    EXPECT_FALSE(p.peli.AmmuntaKaynnissa());
    EXPECT_TRUE(p.peli.PelaajanVuoro());
    EXPECT_FALSE(p.peli.SijoitusKaynnissa());

    const std::string ennen = Tilannekuva(p);
    for (const int n : Missa([&](int k) { return p.tk.ruutu(Ruudukko::Kone, k).sallittu; })) {
        p.peli.imgKone_Click(n);
    }
    p.peli.imgPelaaja_MouseUp(55, 2);
    EXPECT_EQ(Tilannekuva(p), ennen);
}

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
            EXPECT_NE(p.peli.KoneenEdellinenRuutu(), 0);
            EXPECT_TRUE(p.peli.PelaajanVuoro());
        } else {
            EXPECT_FALSE(peruttu);
            EXPECT_TRUE(p.peli.Lopetetaan());
            EXPECT_EQ(p.peli.KoneenEdellinenRuutu(), 0);
            EXPECT_EQ(Tilannekuva(p), heti);
            p.peli.tmrAjastin_Timer();
            EXPECT_EQ(Tilannekuva(p), heti);
        }
    }
}

TEST(Tauko, KomennotJaNapautuksetEivatSekoitaKoneenVuoroa) {
    Poyta p;
    ASSERT_TRUE(Voita(p, 1));
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
    const Laivasto pelaajan = p.peli.PelaajanLaivat();
    AmmuOhi(p);
    EXPECT_TRUE(p.tk.viestit.empty());
    EXPECT_EQ(p.peli.VoitotPerakkain(), 1);
    EXPECT_TRUE(p.tk.ruutu(Ruudukko::Kone, 4).sallittu);
    EXPECT_EQ(p.peli.PelaajanRuudut()[100], Tila::Vesi);
    EXPECT_NE(p.peli.KoneenEdellinenRuutu(), 0);
    EXPECT_TRUE(p.peli.PelaajanVuoro());
    for (int i = 0; i < LaivojaLaivastossa; ++i) {
        EXPECT_EQ(p.peli.PelaajanLaivat()[i].Ruudut, pelaajan[i].Ruudut);
    }
}

// --- Inconsistent fleets ------------------------------------------------------

// A hit on a square that no ship of the fleet lists shows the defensive
// message, and neither wins nor loses the game.
using Tulkintavirhe = Ammuntavaihe;

TEST_F(Tulkintavirhe, PelaajanOsumaLaivattomaanRuutuunEiVoita) {
    // Square 100 belongs to no ship now.
    PelinValmistelu::SiirraLaivanRuutu(p.peli, Ruudukko::Kone, 9, 1, 99);
    AmmuKoneenLaivat(p, 100);
    const std::size_t viesteja = p.tk.viestit.size();
    const double kello = p.tk.kello;
    p.peli.imgKone_Click(100);
    ASSERT_EQ(p.tk.viestit.size(), viesteja + 1);
    EXPECT_EQ(p.tk.viestit.back(),
              (Viestilaatikko{"Ruutu 100: Virhe osuman tulkinnassa!", "", viesti::OK}));
    EXPECT_EQ(p.peli.PelaajanOsumat(), 20);
    EXPECT_TRUE(p.peli.PeliKaynnissa());
    EXPECT_EQ(p.peli.VoitotPerakkain(), 0);
    EXPECT_GT(p.tk.kello, kello); // the computer took its turn
    EXPECT_TRUE(p.peli.PelaajanVuoro());
}

TEST_F(Tulkintavirhe, KoneenOsumaLaivattomaanRuutuunEiHavita) {
    // The submarine at 50 is lost track of.
    PelinValmistelu::SiirraLaivanRuutu(p.peli, Ruudukko::Pelaaja, 9, 1, 99);
    PelinValmistelu::AsetaOsumat(p.peli, Ruudukko::Pelaaja, 19);
    p.tk.satunnaiset = {Ruutu(50)};
    AmmuOhi(p);
    EXPECT_EQ(p.tk.viestit, (std::vector<Viestilaatikko>{
                                {"Ruutu 50: Virhe osuman tulkinnassa!", "", viesti::OK}}));
    EXPECT_EQ(p.peli.KoneenOsumat(), 20);
    EXPECT_EQ(p.peli.PelaajanRuudut()[50], Tila::Uponnut);
    EXPECT_FALSE(p.peli.maalitus().KoneUpottiLaivan());
    EXPECT_TRUE(p.peli.PeliKaynnissa());
    EXPECT_TRUE(p.peli.AmmuntaKaynnissa());
    EXPECT_TRUE(p.peli.PelaajanVuoro());
}

} // namespace
} // namespace sorvik::testi
