// Game flow: start-up, the status line, new games, the streak and quitting.

#include "FakeTyokalut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sorvik::testi {
namespace {

const std::vector<std::string> Kehotteet{
    "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 1. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 2. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 1. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 2. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 3. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 1. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 2. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 3. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 4. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
};
const std::string SinunVuorosi =
    "Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.";
const std::string KoneAmpuu = "Odota hetki, vastustajasi ampuu jotakin ruuduistasi...";
const std::string UusiPeliKysymys =
    "Haluatko varmasti keskeyttää nykyisen pelin ja\naloittaa uuden?";
const std::string LopetusKysymys = "Haluatko varmasti lopettaa Sorvik-ohjelman käytön?";

std::string Tikki(Poyta& p) {
    p.peli.tmrAjastin_Timer();
    return p.tk.ohje;
}

TEST(Kaynnistys, KoneenLaivastoValmiinaJaLentotukialusKysytaan) {
    Poyta p;
    p.peli.saannot.LaivojenKulmatSaavatKoskettaa = false;
    p.peli.saannot.LaivaSaaSijaitaReunassa = false;
    p.tk.osoitin = Osoitin::Tiimalasi;
    p.peli.Kaynnista();

    EXPECT_TRUE(p.peli.saannot.LaivojenKulmatSaavatKoskettaa);
    EXPECT_TRUE(p.peli.saannot.LaivaSaaSijaitaReunassa);
    EXPECT_EQ(p.peli.VoitotPerakkain, 0);
    EXPECT_TRUE(p.tk.viestit.empty());
    EXPECT_EQ(p.tk.osoitin, Osoitin::Oletus);
    EXPECT_TRUE(p.tk.paaikkunaSallittu);
    int laivaruutuja = 0;
    for (int n = 1; n <= Ruutuja; ++n) {
        EXPECT_EQ(p.peli.PelaajanRuudut[n], Tila::Vesi);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Pelaaja, n).kuva, Kuva::Vesi);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Kone, n).kuva, Kuva::Vesi);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Pelaaja, n).kursori, Kursori::Sormi);
        EXPECT_EQ(p.tk.ruutu(Ruudukko::Kone, n).kursori, Kursori::Oletus);
        laivaruutuja += p.peli.KoneenRuudut[n] == Tila::Laiva ? 1 : 0;
    }
    EXPECT_EQ(laivaruutuja, LaivaRuutuja);
    EXPECT_FALSE(p.peli.PeliKaynnissa);
    EXPECT_TRUE(p.peli.PelaajanVuoro);
    EXPECT_TRUE(p.peli.SijoitusKaynnissa);
    EXPECT_FALSE(p.peli.AmmuntaKaynnissa);

    EXPECT_EQ(Tikki(p), Kehotteet[0]);
    EXPECT_TRUE(p.tk.painikkeet[0] && p.tk.painikkeet[1] && p.tk.uusiPeliSallittu);
}

TEST(Ohjeteksti, SijoituksenJaVuorojenTekstit) {
    Poyta p;
    p.peli.Kaynnista();
    AsetaKoneenLaivasto(p.peli, KoneenLaivasto);
    for (std::size_t i = 0; i < PelaajanLaivasto.size(); ++i) {
        EXPECT_EQ(Tikki(p), Kehotteet[i]);
        ASSERT_TRUE(SijoitaLaivasto(p.peli, {PelaajanLaivasto[i]}));
    }
    EXPECT_EQ(Tikki(p), SinunVuorosi);

    // Half-way through the computer's pause the status and the greyed controls.
    std::string kesken;
    std::array<bool, 3> sallitut{true, true, true};
    p.tk.tapahtumat.emplace_back(p.tk.kello + 0.5, [&] {
        kesken = p.tk.ohje;
        sallitut = {p.tk.painikkeet[0], p.tk.painikkeet[1], p.tk.uusiPeliSallittu};
    });
    AmmuOhi(p);
    EXPECT_EQ(kesken, KoneAmpuu);
    EXPECT_EQ(sallitut, (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(Tikki(p), SinunVuorosi);
    EXPECT_TRUE(p.tk.painikkeet[0] && p.tk.painikkeet[1] && p.tk.uusiPeliSallittu);

    // While a new game lays the computer's fleet over a running game.
    p.peli.PoistaLaivat();
    p.peli.PelaajanVuoro = false;
    EXPECT_EQ(Tikki(p), "Odota hetki, sijoitetaan vastustajasi laivat ruudukkoon...");
}

TEST(Ohjeteksti, VoittoputkenPituusYksikossaJaMonikossa) {
    Poyta p;
    ASSERT_TRUE(AloitaAmmunta(p));
    AmmuKoneenLaivat(p);
    EXPECT_EQ(Tikki(p), "Olet voittanut yhden pelin. Jatka pelaamista Uusi peli -painikkeella.");
    for (int voitto = 2; voitto <= 3; ++voitto) {
        p.peli.mUusiPeli_Click();
        ASSERT_TRUE(Valmistele(p));
        AmmuKoneenLaivat(p);
    }
    EXPECT_TRUE(p.tk.vastaukset.empty());
    EXPECT_EQ(p.peli.VoitotPerakkain, 3);
    EXPECT_EQ(Tikki(p),
              "Olet voittanut 3 peliä peräkkäin. Jatka pelaamista Uusi peli -painikkeella.");
    // Only the three win messages were shown: a finished game asks nothing.
    EXPECT_EQ(p.tk.viestit.size(), 3U);
}

TEST(UusiPeli, IlmanPuttaKeskenOlevaPeliHylataanKysymatta) {
    Poyta p;
    ASSERT_TRUE(AloitaAmmunta(p));
    p.peli.imgKone_Click(32);
    p.peli.mUusiPeli_Click();
    EXPECT_TRUE(p.tk.viestit.empty());
    EXPECT_EQ(p.peli.SeuraavaPelaajanLaiva(), 0);
    EXPECT_EQ(p.peli.PelaajanOsumat, 0);
    EXPECT_EQ(p.peli.KoneenOsumat, 0);
    EXPECT_EQ(p.peli.EnsimmainenOsuma, 0);
    EXPECT_FALSE(p.peli.PeliKaynnissa);
    EXPECT_FALSE(p.peli.AmmuntaKaynnissa);
    EXPECT_EQ(Tikki(p), Kehotteet[0]);
}

class PutkenAikana : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(AloitaAmmunta(p));
        AmmuKoneenLaivat(p);
        ASSERT_EQ(p.peli.VoitotPerakkain, 1);
        p.peli.mUusiPeli_Click();
        p.tk.viestit.clear();
    }
    Poyta p;
};

TEST_F(PutkenAikana, EiJattaaSijoittelunJaAmmunnanEnnalleen) {
    const auto kieltaydy = [&] {
        Tikki(p);
        const std::string ennen = Tilannekuva(p);
        p.tk.viestit.clear();
        p.tk.vastaukset = {viesti::VastausEi};
        p.peli.mUusiPeli_Click();
        ASSERT_EQ(p.tk.viestit.size(), 1U);
        EXPECT_EQ(p.tk.viestit[0].teksti, UusiPeliKysymys);
        EXPECT_EQ(p.tk.viestit[0].otsikko, "Uusi peli");
        EXPECT_EQ(p.tk.viestit[0].tyyli, viesti::KyllaEi + viesti::Kysymys);
        Tikki(p);
        EXPECT_EQ(Tilannekuva(p), ennen);
        EXPECT_EQ(p.peli.VoitotPerakkain, 1);
        EXPECT_EQ(p.tk.nimikyselyja, 0);
    };
    ASSERT_TRUE(Valmistele(p, {PelaajanLaivasto[0]}));
    kieltaydy();
    ASSERT_TRUE(
        SijoitaLaivasto(p.peli, Laivat(PelaajanLaivasto.begin() + 1, PelaajanLaivasto.end())));
    AmmuOhi(p);
    kieltaydy();
}

struct Putkenloppu {
    std::int16_t viimeinenTulos;
    bool nimiAnnetaan; // false: the dialog is closed from its frame
    int nimikyselyja;
    std::int16_t putkiLopuksi;
};

class PutkenLoppu : public PutkenAikana, public ::testing::WithParamInterface<Putkenloppu> {};

TEST_P(PutkenLoppu, KyllaTarjoaaPutkenListalleJaAloittaaUuden) {
    const Putkenloppu& t = GetParam();
    p.tk.viimeinenTulos = t.viimeinenTulos;
    p.tk.nimikysely = [&] {
        EXPECT_EQ(p.tk.osoitin, Osoitin::Oletus);
        if (t.nimiAnnetaan) {
            p.peli.VoitotPerakkain = 0;
        }
    };
    ASSERT_TRUE(SijoitaLaivasto(p.peli, {PelaajanLaivasto[0]}));
    p.tk.vastaukset = {viesti::VastausKylla};
    p.peli.mUusiPeli_Click();
    EXPECT_EQ(p.tk.viestit.size(), 1U);
    EXPECT_EQ(p.tk.nimikyselyja, t.nimikyselyja);
    EXPECT_EQ(p.peli.VoitotPerakkain, t.putkiLopuksi);
    EXPECT_EQ(p.peli.SeuraavaPelaajanLaiva(), 0);
    EXPECT_FALSE(p.peli.PeliKaynnissa);
}

INSTANTIATE_TEST_SUITE_P(Lista, PutkenLoppu,
                         ::testing::Values(Putkenloppu{0, true, 1, 0}, Putkenloppu{0, false, 1, 1},
                                           Putkenloppu{1, true, 0, 0}));

TEST(Lopetus, EiJattaaOhjelmanKayntiin) {
    Poyta p;
    p.peli.Kaynnista();
    Tikki(p);
    const std::string ennen = Tilannekuva(p);
    p.tk.vastaukset = {viesti::VastausEi};
    EXPECT_FALSE(p.peli.mLopeta_Click());
    ASSERT_EQ(p.tk.viestit.size(), 1U);
    EXPECT_EQ(p.tk.viestit[0].teksti, LopetusKysymys);
    EXPECT_EQ(p.tk.viestit[0].otsikko, "Lopeta");
    EXPECT_EQ(p.tk.viestit[0].tyyli, 4 + 32 + 256);
    EXPECT_EQ(p.tk.suljettu, 0);
    EXPECT_FALSE(p.peli.Lopetetaan());
    Tikki(p);
    EXPECT_EQ(Tilannekuva(p), ennen);
}

TEST(Lopetus, KyllaTarjoaaPidemmanPutkenJaSulkeeOhjelman) {
    for (const int viimeinen : {0, 1}) {
        Poyta p;
        ASSERT_TRUE(AloitaAmmunta(p));
        AmmuKoneenLaivat(p);
        p.peli.mUusiPeli_Click();
        p.tk.viimeinenTulos = static_cast<std::int16_t>(viimeinen);
        int suljettuKysyttaessa = -1;
        p.tk.nimikysely = [&] { suljettuKysyttaessa = p.tk.suljettu; };
        p.tk.vastaukset = {viesti::VastausKylla};
        EXPECT_TRUE(p.peli.mLopeta_Click());
        EXPECT_EQ(p.tk.nimikyselyja, viimeinen == 0 ? 1 : 0);
        EXPECT_EQ(suljettuKysyttaessa, viimeinen == 0 ? 0 : -1);
        EXPECT_EQ(p.tk.suljettu, 1);
        EXPECT_TRUE(p.peli.Lopetetaan());
        EXPECT_EQ(p.tk.osoitin, Osoitin::Tiimalasi);

        // Nothing acts any more.
        const std::string ennen = Tilannekuva(p);
        Tikki(p);
        p.peli.imgPelaaja_MouseUp(1, 1);
        p.peli.mUusiPeli_Click();
        EXPECT_EQ(Tilannekuva(p), ennen);
    }
}

TEST(Lopetus, IkkunanSulkeminenKysyyPaitsiOhjelmanOmassaSulkemisessa) {
    for (const Sulkemissyy syy :
         {Sulkemissyy::Kayttaja, Sulkemissyy::Jarjestelma, Sulkemissyy::Tehtavienhallinta}) {
        Poyta p;
        p.peli.Kaynnista();
        p.tk.vastaukset = {viesti::VastausEi, viesti::VastausKylla};
        EXPECT_TRUE(p.peli.Form_QueryUnload(syy));
        EXPECT_FALSE(p.peli.Lopetetaan());
        EXPECT_FALSE(p.peli.Form_QueryUnload(syy));
        EXPECT_TRUE(p.peli.Lopetetaan());
        ASSERT_EQ(p.tk.viestit.size(), 2U);
        for (const Viestilaatikko& v : p.tk.viestit) {
            EXPECT_EQ(v.teksti, LopetusKysymys);
            EXPECT_EQ(v.otsikko, "Lopeta");
            EXPECT_EQ(v.tyyli, 4 + 32 + 256);
        }
        // The unloading that follows does not ask again.
        EXPECT_FALSE(p.peli.Form_QueryUnload(Sulkemissyy::Kayttaja));
        EXPECT_EQ(p.tk.viestit.size(), 2U);
    }
    Poyta p;
    p.peli.Kaynnista();
    EXPECT_FALSE(p.peli.Form_QueryUnload(Sulkemissyy::Ohjelma));
    EXPECT_TRUE(p.tk.viestit.empty());
    EXPECT_FALSE(p.peli.Lopetetaan());
}

TEST(Painikkeet, PiilotetutEivatTeeMitaanNakyvatOvatValikonKomennot) {
    Poyta p;
    p.peli.Kaynnista();
    ASSERT_TRUE(SijoitaLaivasto(p.peli, {PelaajanLaivasto[0]}));
    p.tk.valinnat[Valikko::NaytaPainikkeet] = false;
    p.tk.vastaukset = {viesti::VastausKylla};
    const std::string ennen = Tilannekuva(p);
    p.peli.cmdPainike_Click(0);
    p.peli.cmdPainike_Click(1);
    EXPECT_EQ(Tilannekuva(p), ennen);
    EXPECT_TRUE(p.tk.viestit.empty());

    p.tk.valinnat[Valikko::NaytaPainikkeet] = true;
    p.peli.cmdPainike_Click(0);
    EXPECT_EQ(p.peli.SeuraavaPelaajanLaiva(), 0);
    EXPECT_TRUE(p.tk.viestit.empty());
    p.tk.vastaukset = {viesti::VastausEi};
    p.peli.cmdPainike_Click(1);
    ASSERT_EQ(p.tk.viestit.size(), 1U);
    EXPECT_EQ(p.tk.viestit[0].teksti, LopetusKysymys);
}

} // namespace
} // namespace sorvik::testi
