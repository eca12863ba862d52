// The high-score list: its load, insertion, saving and clearing.

#include "../platform/TestiKoti.h"
#include "Asetukset.h"
#include "ParhaatTulokset.h"

#include <QFileInfo>

#include <vector>

namespace {

using sorvik::OhjelmanAvain;
using sorvik::ParhaatTulokset;

class Lista : public TestiKoti {
protected:
    static void Tallenna(int sija, const std::string& nimi, const std::string& tulos) {
        sorvik::KirjoitaArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvainKirjoitus,
                             "ParasPelaaja" + std::to_string(sija), 1, nimi);
        sorvik::KirjoitaArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvainKirjoitus,
                             "ParasTulos" + std::to_string(sija), 1, tulos);
    }
    static std::vector<int> Tulokset(const ParhaatTulokset& l) {
        return {l.ParasTulos.begin(), l.ParasTulos.end()};
    }
    static std::string Tallennettu(const std::string& nimi) {
        return sorvik::LueArvo(HKEY_CURRENT_USER, OhjelmanAvain, nimi);
    }
};

TEST_F(Lista, OletuslistaJaEnsimmainenTulos) {
    ParhaatTulokset l;
    l.LataaParhaatTulokset();
    EXPECT_TRUE(l.OnOletus());
    for (const auto& nimi : l.ParasPelaaja) {
        EXPECT_EQ(nimi, "Harvokki");
    }
    EXPECT_FALSE(QFileInfo::exists(Pesa())) << "loading writes nothing";
    EXPECT_FALSE(l.Kelpaa(0));
    EXPECT_TRUE(l.Kelpaa(1));

    l.Lisaa("Maija", 1);
    EXPECT_EQ(l.ParasPelaaja[0], "Maija");
    EXPECT_EQ(Tulokset(l), (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, "Maija");
    EXPECT_FALSE(l.OnOletus());
    // All twenty values are stored, and a fresh load sees the same list.
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Tallennettu("ParasPelaaja" + std::to_string(i)), i == 0 ? "Maija" : "Harvokki");
        EXPECT_EQ(Tallennettu("ParasTulos" + std::to_string(i)), i == 0 ? "1" : "0");
    }
    ParhaatTulokset toinen;
    toinen.LataaParhaatTulokset();
    EXPECT_EQ(toinen.ParasPelaaja, l.ParasPelaaja);
    EXPECT_EQ(toinen.ParasTulos, l.ParasTulos);
    EXPECT_EQ(toinen.ViimeksiListallePaassytPelaaja, "");
}

TEST_F(Lista, TasatulosMeneeKaikkienSamojenAlle) {
    const std::vector<std::pair<std::string, std::string>> alku = {
        {"A", "5"}, {"B", "3"}, {"C", "3"}, {"D", "2"}, {"E", "0"},
        {"F", "0"}, {"G", "0"}, {"H", "0"}, {"I", "0"}, {"J", "0"}};
    for (int i = 0; i < 10; ++i) {
        Tallenna(i, alku[static_cast<std::size_t>(i)].first,
                 alku[static_cast<std::size_t>(i)].second);
    }
    ParhaatTulokset l;
    l.LataaParhaatTulokset();
    EXPECT_FALSE(l.Kelpaa(0)) << "equal to the last rank does not qualify";
    l.Lisaa("Uusi", 3);
    EXPECT_EQ(Tulokset(l), (std::vector<int>{5, 3, 3, 3, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(l.ParasPelaaja[2], "C");
    EXPECT_EQ(l.ParasPelaaja[3], "Uusi");
    EXPECT_EQ(l.ParasPelaaja[4], "D");
    EXPECT_EQ(l.ParasPelaaja[9], "I") << "the old last rank drops off";

    l.Lisaa("Paras", 6);
    EXPECT_EQ(l.ParasPelaaja[0], "Paras");
    EXPECT_EQ(l.ParasPelaaja[1], "A");
    EXPECT_EQ(Tulokset(l), (std::vector<int>{6, 5, 3, 3, 3, 2, 0, 0, 0, 0}));
    EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, "Paras");
}

TEST_F(Lista, KelpaamatonTulosEiMuutaMitaan) {
    for (int i = 0; i < 10; ++i) {
        Tallenna(i, "X", std::to_string(10 - i));
    }
    ParhaatTulokset l;
    l.LataaParhaatTulokset();
    l.ViimeksiListallePaassytPelaaja = "Edellinen";
    const QByteArray ennen = LuePesa();
    l.Lisaa("Heikko", 1);
    EXPECT_EQ(LuePesa(), ennen);
    EXPECT_EQ(l.ParasTulos[9], 1);
    EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, "Edellinen");
}

TEST_F(Lista, VirheellisetTallennetutArvot) {
    Tallenna(0, "", "abc");
    Tallenna(1, "Not Found", "40000");
    Tallenna(2, "Kalle", " 7 ");
    Tallenna(3, "Ville", "007");
    Tallenna(4, "Olli", "-3");
    Tallenna(5, "Pia", "");
    Tallenna(6, "Åke", "5.5");
    ParhaatTulokset l;
    l.LataaParhaatTulokset();
    EXPECT_EQ(l.ParasPelaaja[0], "Harvokki");
    EXPECT_EQ(l.ParasPelaaja[1], "Harvokki");
    EXPECT_EQ(l.ParasPelaaja[6], "Åke");
    EXPECT_EQ(Tulokset(l), (std::vector<int>{0, 0, 7, 7, -3, 0, 0, 0, 0, 0}));

    // On a reload a text that is no number leaves the rank as it was.
    Tallenna(2, "Kalle", "x");
    Tallenna(5, "Pia", "9");
    l.LataaParhaatTulokset();
    EXPECT_EQ(l.ParasTulos[2], 7);
    EXPECT_EQ(l.ParasTulos[5], 9);
}

TEST_F(Lista, TyhjaNimiJaKoodisivunUlkopuoliset) {
    ParhaatTulokset l;
    l.LataaParhaatTulokset();
    l.Lisaa("", 2);
    EXPECT_EQ(l.ParasPelaaja[0], "Harvokki");
    EXPECT_EQ(l.ParasTulos[0], 2);
    EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, "");
    l.Lisaa("Jyrä Ω", 3);
    EXPECT_EQ(l.ParasPelaaja[0], "Jyrä ?");
    EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, "Jyrä Ω");
}

TEST_F(Lista, TyhjennysKirjoittaaOletukset) {
    ParhaatTulokset l;
    l.LataaParhaatTulokset();
    l.Lisaa("Maija", 4);
    l.Lisaa("Pekka", 2);
    l.Tyhjenna();
    EXPECT_TRUE(l.OnOletus());
    EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, "Pekka");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Tallennettu("ParasPelaaja" + std::to_string(i)), "Harvokki");
        EXPECT_EQ(Tallennettu("ParasTulos" + std::to_string(i)), "0");
    }
    ParhaatTulokset toinen;
    toinen.LataaParhaatTulokset();
    EXPECT_TRUE(toinen.OnOletus());
}

TEST_F(Lista, KirjoittamatonVarastoNayttaaVanhanListan) {
    QFile este(Kansio());
    ASSERT_TRUE(este.open(QIODevice::WriteOnly));
    este.close();
    ParhaatTulokset l;
    l.LataaParhaatTulokset();
    l.Lisaa("Maija", 3);
    EXPECT_TRUE(l.OnOletus()) << "the reload shows what the store holds";
    EXPECT_EQ(l.ViimeksiListallePaassytPelaaja, "Maija");
}

} // namespace
