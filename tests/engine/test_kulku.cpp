// Game flow: start-up, the status line, new games, the streak and quitting.

#include "Pelipoyta.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace sorvik::testi {
namespace {

const Viestilaatikko UusiPeliKysymys{
    "Haluatko varmasti keskeyttää nykyisen pelin ja\naloittaa uuden?", "Uusi peli",
    viesti::KyllaEi + viesti::Kysymys};
const Viestilaatikko LopetusKysymys{"Haluatko varmasti lopettaa Sorvik-ohjelman käytön?", "Lopeta",
                                    4 + 32 + 256};

std::string Tikki(Poyta& p) {
    p.peli.tmrAjastin_Timer();
    return p.tk.ohje;
}

// Whether the two buttons and the new-game menu entry are enabled.
std::array<bool, 3> Komennot(const FakeTyokalut& tk) {
    return {tk.painikkeet[0], tk.painikkeet[1], tk.uusiPeliSallittu};
}
constexpr std::array<bool, 3> Sallittu{true, true, true};

TEST(Kaynnistys, SaannotJaPutkiEnsinSittenUusiPeliKoneenLaivastoValmiina) {
    Poyta p;
    Saannot saannot;
    saannot.LaivojenKulmatSaavatKoskettaa = false;
    saannot.LaivaSaaSijaitaReunassa = false;
    p.peli.AsetaSaannot(saannot);
    // A streak left over would make the first new game ask its question.
    PelinValmistelu::AsetaPutki(p.peli, 3);
    PelinValmistelu::AsetaPeliKaynnissa(p.peli, true);
    PelinValmistelu::AsetaVuoro(p.peli, true);
    p.tk.osoitin = Osoitin::Tiimalasi;
    p.peli.Kaynnista();

    EXPECT_TRUE(p.peli.saannot().LaivojenKulmatSaavatKoskettaa);
    EXPECT_TRUE(p.peli.saannot().LaivaSaaSijaitaReunassa);
    EXPECT_EQ(p.peli.VoitotPerakkain(), 0);
    EXPECT_TRUE(p.tk.viestit.empty());
    EXPECT_EQ(p.tk.osoitin, Osoitin::Oletus);
    EXPECT_TRUE(p.tk.paaikkunaSallittu);
    TarkistaUusiLauta(p);
    EXPECT_FALSE(p.peli.PeliKaynnissa());
    EXPECT_TRUE(p.peli.PelaajanVuoro());
    EXPECT_TRUE(p.peli.SijoitusKaynnissa());
    EXPECT_FALSE(p.peli.AmmuntaKaynnissa());
    Tikki(p);
    EXPECT_EQ(Komennot(p.tk), Sallittu);
}

// --- The status line ----------------------------------------------------------

// The status line of each placement state, of both turns (the computer's
// with the commands greyed) and of a new game laying the computer's fleet.
TEST(Ohjeteksti, SijoitusJaVuorot) {
    Poyta p;
    p.peli.Kaynnista();
    AsetaKoneenLaivasto(p.peli, KoneenLaivasto);
    const struct {
        int sijoitettu;
        const char* teksti;
    } tapaukset[] = {
        {0, "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon."},
        {1, "Sijoita 1. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon."},
        {2, "Sijoita 2. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon."},
        {3, "Sijoita 1. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon."},
        {4, "Sijoita 2. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon."},
        {5, "Sijoita 3. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon."},
        {6, "Sijoita 1. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon."},
        {7, "Sijoita 2. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon."},
        {8, "Sijoita 3. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon."},
        {9, "Sijoita 4. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon."},
        {10, "Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu."}};
    for (const auto& t : tapaukset) {
        const auto alku = PelaajanLaivasto.begin();
        ASSERT_TRUE(SijoitaLaivasto(
            p.peli, Laivat(alku + p.peli.SeuraavaPelaajanLaiva(), alku + t.sijoitettu)));
        EXPECT_EQ(Tikki(p), t.teksti) << t.sijoitettu << " ships placed";
    }

    std::string kesken;
    std::array<bool, 3> komennot = Sallittu;
    p.tk.tapahtumat.emplace_back(p.tk.kello + 0.5, [&] {
        kesken = p.tk.ohje;
        komennot = Komennot(p.tk);
    });
    AmmuOhi(p);
    EXPECT_EQ(kesken, "Odota hetki, vastustajasi ampuu jotakin ruuduistasi...");
    EXPECT_EQ(komennot, (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(Tikki(p), tapaukset[10].teksti);
    EXPECT_EQ(Komennot(p.tk), Sallittu);

    p.peli.PoistaLaivat();
    PelinValmistelu::AsetaVuoro(p.peli, false);
    EXPECT_EQ(Tikki(p), "Odota hetki, sijoitetaan vastustajasi laivat ruudukkoon...");
}

TEST(Ohjeteksti, PelinPaatyttya) {
    const struct {
        int voittoja; // 0: the computer wins
        std::int16_t putkiEnnen;
        const char* teksti;
    } tapaukset[] = {
        {1, 0, "Olet voittanut yhden pelin. Jatka pelaamista Uusi peli -painikkeella."},
        {3, 0, "Olet voittanut 3 peliä peräkkäin. Jatka pelaamista Uusi peli -painikkeella."},
        // The streak stops at its largest value.
        {1, 32767,
         "Olet voittanut 32767 peliä peräkkäin. Jatka pelaamista Uusi peli -painikkeella."},
        {0, 0, "Aloita uusi peli painamalla Uusi peli -painiketta."}};
    for (const auto& t : tapaukset) {
        Poyta p;
        if (t.voittoja > 0) {
            ASSERT_TRUE(Voita(p, t.voittoja, t.putkiEnnen));
        } else {
            ASSERT_TRUE(AloitaAmmunta(p));
            ASSERT_TRUE(Havia(p));
        }
        EXPECT_EQ(Tikki(p), t.teksti);
    }
}

TEST(Komennot, PiilotetutEivatTeeMitaanNakyvatOvatValikonKomennot) {
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
    EXPECT_EQ(p.tk.viestit, std::vector{LopetusKysymys});
}

// --- New games ------------------------------------------------------------------

// The question comes only with a streak and a game in progress (from the first
// placement click on); Ei leaves everything as it was, and without the
// question a clean new game starts at once.
TEST(UusiPeli, KysytaanVainPutkenJaKeskenOlevanPelinAikana) {
    const struct {
        const char* nimi;
        int voittoja;
        int laivoja; // placed in the next game; -1: the won game stays
        bool ammuttu;
        bool kysytaan;
    } tapaukset[] = {{"no streak, shot fired", 0, 10, true, false},
                     {"the won game", 1, -1, false, false},
                     {"streak, nothing placed", 1, 0, false, false},
                     {"streak, one ship placed", 1, 1, false, true},
                     {"streak, shot fired", 1, 10, true, true}};
    for (const auto& t : tapaukset) {
        SCOPED_TRACE(t.nimi);
        Poyta p;
        ASSERT_TRUE(Voita(p, t.voittoja));
        if (t.laivoja >= 0) {
            if (t.voittoja > 0) {
                p.peli.mUusiPeli_Click();
            }
            ASSERT_TRUE(Valmistele(
                p, Laivat(PelaajanLaivasto.begin(), PelaajanLaivasto.begin() + t.laivoja)));
        }
        if (t.ammuttu) {
            p.peli.imgKone_Click(32);
        }
        Tikki(p);
        const std::string ennen = Tilannekuva(p);
        p.tk.viestit.clear();
        p.tk.vastaukset = {viesti::VastausEi};
        p.peli.mUusiPeli_Click();
        EXPECT_EQ(p.peli.VoitotPerakkain(), t.voittoja);
        EXPECT_EQ(p.tk.nimikyselyja, 0);
        if (t.kysytaan) {
            EXPECT_EQ(p.tk.viestit, std::vector{UusiPeliKysymys});
            Tikki(p);
            EXPECT_EQ(Tilannekuva(p), ennen);
            continue;
        }
        EXPECT_TRUE(p.tk.viestit.empty());
        Poyta aloitus;
        aloitus.peli.Kaynnista();
        EXPECT_EQ(Tikki(p), Tikki(aloitus));
        TarkistaUusiLauta(p);
        EXPECT_EQ(p.peli.PelaajanOsumat(), 0);
        EXPECT_EQ(p.peli.KoneenOsumat(), 0);
        EXPECT_EQ(p.peli.maalitus().EnsimmainenOsuma(), 0);
        EXPECT_FALSE(p.peli.PeliKaynnissa());
        EXPECT_FALSE(p.peli.AmmuntaKaynnissa());
        EXPECT_TRUE(p.peli.SijoitusKaynnissa());
    }
}

// --- The end of a streak, and quitting ------------------------------------------

enum class Loppu { UusiPeli, Lopetus, Havio };

struct Putkenloppu {
    Loppu loppu;
    int vastaus; // to the question; the loss asks none
    std::int16_t viimeinenTulos;
    bool nimiAnnetaan; // false: the name dialog is closed from its frame
    int nimikyselyja;
    std::int16_t putkiLopuksi;
};
void PrintTo(const Putkenloppu& t, std::ostream* os) {
    *os << (t.loppu == Loppu::UusiPeli  ? "new game, "
            : t.loppu == Loppu::Lopetus ? "quit, "
                                        : "lost, ")
        << (t.vastaus == viesti::VastausKylla ? "Kyllä" : "Ei") << ", last rank "
        << t.viimeinenTulos << (t.nimiAnnetaan ? ", name given" : ", closed");
}

class PutkenLoppu : public ::testing::TestWithParam<Putkenloppu> {};

// A new game or quitting answered Kyllä, or a loss, offers a streak that beats
// the list's last rank to the name dialog; then the new game starts or the
// program closes. Ei changes nothing.
TEST_P(PutkenLoppu, ListanYlittavaPutkiTarjotaanNimikyselyyn) {
    const Putkenloppu& t = GetParam();
    const bool kylla = t.vastaus == viesti::VastausKylla;
    Poyta p;
    ASSERT_TRUE(Voita(p, 1));
    p.peli.mUusiPeli_Click();
    ASSERT_TRUE(SijoitaLaivasto(p.peli, {PelaajanLaivasto[0]}));
    p.tk.viestit.clear();
    p.tk.viimeinenTulos = t.viimeinenTulos;
    int suljettuKysyttaessa = -1;
    p.tk.nimikysely = [&] {
        EXPECT_EQ(p.tk.osoitin, Osoitin::Oletus);
        suljettuKysyttaessa = p.tk.suljettu;
        return t.nimiAnnetaan ? NimenKysely{Nimivastaus::OK, "Liisa"} : NimenKysely{};
    };
    Tikki(p);
    const std::string ennen = Tilannekuva(p);
    p.tk.vastaukset = {t.vastaus};
    switch (t.loppu) {
    case Loppu::UusiPeli:
        p.peli.mUusiPeli_Click();
        EXPECT_EQ(p.tk.viestit, std::vector{UusiPeliKysymys});
        break;
    case Loppu::Lopetus:
        EXPECT_EQ(p.peli.mLopeta_Click(), kylla);
        EXPECT_EQ(p.tk.viestit, std::vector{LopetusKysymys});
        break;
    case Loppu::Havio:
        ASSERT_TRUE(
            SijoitaLaivasto(p.peli, Laivat(PelaajanLaivasto.begin() + 1, PelaajanLaivasto.end())));
        ASSERT_TRUE(Havia(p));
        EXPECT_EQ(p.tk.viestit, std::vector{HavioViesti});
        break;
    }
    EXPECT_EQ(p.tk.nimikyselyja, t.nimikyselyja);
    EXPECT_EQ(suljettuKysyttaessa, t.nimikyselyja == 1 ? 0 : -1);
    EXPECT_EQ(p.peli.VoitotPerakkain(), t.putkiLopuksi);
    const bool suljetaan = t.loppu == Loppu::Lopetus && kylla;
    EXPECT_EQ(p.tk.suljettu, suljetaan ? 1 : 0);
    EXPECT_EQ(p.peli.Lopetetaan(), suljetaan);
    if (t.loppu == Loppu::Havio) {
        return;
    }
    if (!kylla) {
        Tikki(p);
        EXPECT_EQ(Tilannekuva(p), ennen);
    } else if (!suljetaan) {
        EXPECT_EQ(p.peli.SeuraavaPelaajanLaiva(), 0);
        EXPECT_FALSE(p.peli.PeliKaynnissa());
    } else {
        // Nothing acts any more.
        EXPECT_EQ(p.tk.osoitin, Osoitin::Tiimalasi);
        const std::string lopussa = Tilannekuva(p);
        Tikki(p);
        p.peli.imgPelaaja_MouseUp(1, 1);
        p.peli.mUusiPeli_Click();
        EXPECT_EQ(Tilannekuva(p), lopussa);
    }
}

constexpr int Kylla = viesti::VastausKylla;
constexpr int Ei = viesti::VastausEi;
INSTANTIATE_TEST_SUITE_P(Lista, PutkenLoppu,
                         ::testing::Values(Putkenloppu{Loppu::UusiPeli, Kylla, 0, true, 1, 0},
                                           Putkenloppu{Loppu::UusiPeli, Kylla, 0, false, 1, 1},
                                           Putkenloppu{Loppu::UusiPeli, Kylla, 1, true, 0, 0},
                                           Putkenloppu{Loppu::Lopetus, Ei, 0, true, 0, 1},
                                           Putkenloppu{Loppu::Lopetus, Kylla, 0, true, 1, 0},
                                           Putkenloppu{Loppu::Lopetus, Kylla, 1, true, 0, 1},
                                           Putkenloppu{Loppu::Havio, Kylla, 0, true, 1, 0},
                                           Putkenloppu{Loppu::Havio, Kylla, 0, false, 1, 1},
                                           Putkenloppu{Loppu::Havio, Kylla, 1, true, 0, 0}));

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
        // The unloading that follows does not ask again.
        EXPECT_FALSE(p.peli.Form_QueryUnload(Sulkemissyy::Kayttaja));
        EXPECT_EQ(p.tk.viestit, (std::vector{LopetusKysymys, LopetusKysymys}));
    }
    Poyta p;
    p.peli.Kaynnista();
    EXPECT_FALSE(p.peli.Form_QueryUnload(Sulkemissyy::Ohjelma));
    EXPECT_TRUE(p.tk.viestit.empty());
    EXPECT_FALSE(p.peli.Lopetetaan());
}

} // namespace
} // namespace sorvik::testi
