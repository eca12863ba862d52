// The high-score list: its load, insertion, saving and clearing.

#include "../platform/Eristys.h"
#include "Asetukset.h"
#include "ParhaatTulokset.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using sorvik::ParhaatTulokset;

// A list written out as "name=streak,name=streak,..." from the first rank on.
class Lista : public Eristetty {
protected:
    static void Tallenna(int sija, const std::string& nimi, const std::string& tulos) {
        sorvik::KirjoitaArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvainKirjoitus,
                             "ParasPelaaja" + std::to_string(sija), 1, nimi);
        sorvik::KirjoitaArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvainKirjoitus,
                             "ParasTulos" + std::to_string(sija), 1, tulos);
    }
    static void Tallenna(const std::string& lista) {
        std::istringstream rivit(lista);
        int sija = 0;
        for (std::string rivi; std::getline(rivit, rivi, ',');) {
            const auto yhtakuin = rivi.find('=');
            Tallenna(sija++, rivi.substr(0, yhtakuin), rivi.substr(yhtakuin + 1));
        }
    }
    static std::string Liitetty(const std::vector<std::string>& rivit) {
        std::string tulos;
        for (const std::string& rivi : rivit) {
            tulos += (tulos.empty() ? "" : ",") + rivi;
        }
        return tulos;
    }
    // What the store holds.
    static std::string Tallennetut() {
        std::vector<std::string> rivit;
        for (int i = 0; i < ParhaatTulokset::Koko; ++i) {
            const auto lue = [i](const char* perusosa) {
                return sorvik::LueArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvain,
                                       perusosa + std::to_string(i));
            };
            rivit.push_back(lue("ParasPelaaja") + '=' + lue("ParasTulos"));
        }
        return Liitetty(rivit);
    }
    // What the list shows.
    static std::string Naytetyt(const ParhaatTulokset& l) {
        std::vector<std::string> rivit;
        for (std::size_t i = 0; i < ParhaatTulokset::Koko; ++i) {
            rivit.push_back(l.ParasPelaaja[i] + '=' + std::to_string(l.ParasTulos[i]));
        }
        return Liitetty(rivit);
    }
    // The given ranks first, default entries after them.
    static std::string Oletuksin(std::string alku) {
        while (std::count(alku.begin(), alku.end(), '=') < ParhaatTulokset::Koko) {
            alku += alku.empty() ? "Harvokki=0" : ",Harvokki=0";
        }
        return alku;
    }
    static ParhaatTulokset Ladattu() {
        ParhaatTulokset l;
        l.LataaParhaatTulokset();
        return l;
    }
};

TEST_F(Lista, OletuslistaJaEnsimmainenTulos) {
    ParhaatTulokset l = Ladattu();
    EXPECT_TRUE(l.OnOletus());
    EXPECT_EQ(Naytetyt(l), Oletuksin({}));
    EXPECT_FALSE(AvainOn("Software")) << "loading writes nothing";
    EXPECT_FALSE(l.Kelpaa(0));
    EXPECT_TRUE(l.Kelpaa(1));

    l.Lisaa("Maija", 1);
    EXPECT_EQ(Naytetyt(l), Oletuksin("Maija=1"));
    EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, "Maija");
    EXPECT_FALSE(l.OnOletus());
    // All twenty values are stored, and a fresh load sees the same list.
    EXPECT_EQ(Tallennetut(), Oletuksin("Maija=1"));
    const ParhaatTulokset toinen = Ladattu();
    EXPECT_EQ(Naytetyt(toinen), Naytetyt(l));
    EXPECT_EQ(toinen.ViimeksiListallePaassytPelaaja, "");
}

// Insertions one after another: a streak goes below every equal one, the last
// rank drops off, an empty name shows as the default and a name is stored in
// the code page.
TEST_F(Lista, LisaysSijoittuuTasatulostenAlle) {
    Tallenna("A=5,B=3,C=3,D=2,E=0,F=0,G=0,H=0,I=0,J=0");
    ParhaatTulokset l = Ladattu();
    EXPECT_FALSE(l.Kelpaa(0)) << "equal to the last rank does not qualify";
    const std::tuple<std::string, std::int16_t, std::string> lisaykset[] = {
        {"Uusi", 3, "A=5,B=3,C=3,Uusi=3,D=2,E=0,F=0,G=0,H=0,I=0"},
        {"Paras", 6, "Paras=6,A=5,B=3,C=3,Uusi=3,D=2,E=0,F=0,G=0,H=0"},
        {"", 1, "Paras=6,A=5,B=3,C=3,Uusi=3,D=2,Harvokki=1,E=0,F=0,G=0"},
        {"Jyrä Ω", 2, "Paras=6,A=5,B=3,C=3,Uusi=3,D=2,Jyrä ?=2,Harvokki=1,E=0,F=0"},
    };
    for (const auto& [nimi, voitot, odotettu] : lisaykset) {
        l.Lisaa(nimi, voitot);
        EXPECT_EQ(Naytetyt(l), odotettu) << nimi;
        EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, nimi);
    }
}

TEST_F(Lista, KelpaamatonTulosEiMuutaMitaan) {
    Tallenna("X=10,X=9,X=8,X=7,X=6,X=5,X=4,X=3,X=2,X=1");
    ParhaatTulokset l = Ladattu();
    l.ViimeksiListallePaassytPelaaja = "Edellinen";
    const std::string ennen = Tallennetut();
    l.Lisaa("Heikko", 1);
    EXPECT_EQ(Tallennetut(), ennen);
    EXPECT_EQ(l.ParasTulos[9], 1);
    EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, "Edellinen");
}

TEST_F(Lista, VirheellisetTallennetutArvot) {
    Tallenna("=abc,Not Found=40000,Kalle= 7 ,Ville=007,Olli=-3,Pia=,Åke=5.5");
    ParhaatTulokset l = Ladattu();
    EXPECT_EQ(Naytetyt(l), Oletuksin("Harvokki=0,Harvokki=0,Kalle=7,Ville=7,Olli=-3,Pia=0,Åke=0"));
    // On a reload a text that is no number leaves the rank as it was.
    Tallenna(2, "Kalle", "x");
    Tallenna(5, "Pia", "9");
    l.LataaParhaatTulokset();
    EXPECT_EQ(l.ParasTulos[2], 7);
    EXPECT_EQ(l.ParasTulos[5], 9);
}

TEST_F(Lista, TyhjennysKirjoittaaOletukset) {
    ParhaatTulokset l = Ladattu();
    l.Lisaa("Maija", 4);
    l.Lisaa("Pekka", 2);
    l.Tyhjenna();
    EXPECT_TRUE(l.OnOletus());
    EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, "Pekka");
    EXPECT_EQ(Tallennetut(), Oletuksin({}));
    EXPECT_TRUE(Ladattu().OnOletus());
}

TEST_F(Lista, KirjoittamatonVarastoNayttaaVanhanListan) {
    if (!EstaKirjoitus()) {
        GTEST_SKIP() << EiEstettavissa;
    }
    ParhaatTulokset l = Ladattu();
    l.Lisaa("Maija", 3);
    EXPECT_TRUE(l.OnOletus()) << "the reload shows what the store holds";
    EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, "Maija");
}

} // namespace
