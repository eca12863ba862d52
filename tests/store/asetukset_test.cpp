// KirjoitaArvo and LueArvo on the registry layer.

#include "../platform/TestiKoti.h"
#include "Asetukset.h"

#include <QFileInfo>

namespace {

using sorvik::EiLoytynyt;
using sorvik::KirjoitaArvo;
using sorvik::LueArvo;
using sorvik::OhjelmanAvain;
using sorvik::OhjelmanAvainKirjoitus;

class Asetukset : public TestiKoti {
protected:
    static std::string Lue(const std::string& nimi) {
        return LueArvo(HKEY_CURRENT_USER, OhjelmanAvain, nimi);
    }
    static void Kirjoita(const std::string& nimi, const std::string& arvo,
                         std::uint32_t tyyppi = 1) {
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, nimi, tyyppi, arvo);
    }
};

TEST_F(Asetukset, TuoreProfiiliAntaaNotFoundEikaLuoAvainta) {
    for (const char* nimi : {"NaytaPainikkeet", "NaytaMahdottomatLaivaruudut", "ParasPelaaja0",
                             "ParasTulos9", "PelinAloitustapa"}) {
        EXPECT_EQ(Lue(nimi), EiLoytynyt) << nimi;
    }
    EXPECT_FALSE(AvainOn("Software"));
    EXPECT_FALSE(QFileInfo::exists(Pesa()));
}

TEST_F(Asetukset, EnsimmainenKirjoitusLuoKokoPolun) {
    Kirjoita("NaytaPainikkeet", "True");
    EXPECT_TRUE(AvainOn("Software"));
    EXPECT_TRUE(AvainOn("Software\\Harvokki"));
    EXPECT_TRUE(AvainOn(OhjelmanAvain));
    EXPECT_EQ(Lue("NaytaPainikkeet"), "True");
    // Only the program's key: the trailing backslash made no key of its own.
    HKEY h = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, OhjelmanAvain, &h), ERROR_SUCCESS);
    RegCloseKey(h);
}

TEST_F(Asetukset, TekstinPituudenRajat) {
    Kirjoita("Tyhja", "");
    EXPECT_EQ(Lue("Tyhja"), "");
    EXPECT_EQ(::Lue(OhjelmanAvain, "Tyhja").data, std::string("\0", 1));

    const std::string mahtuu(2047, 'a');
    const std::string liikaa(2048, 'b');
    Kirjoita("Mahtuu", mahtuu);
    Kirjoita("Liikaa", liikaa);
    EXPECT_EQ(Lue("Mahtuu"), mahtuu);
    EXPECT_EQ(Lue("Liikaa"), EiLoytynyt);
    // Two-byte characters in UTF-8 are one byte in the registry.
    const std::string aat = [] {
        std::string s;
        for (int i = 0; i < 2047; ++i) {
            s += "ä";
        }
        return s;
    }();
    Kirjoita("Aat", aat);
    EXPECT_EQ(Lue("Aat"), aat);
}

TEST_F(Asetukset, TekstiPalaaSellaisenaan) {
    for (const std::string& teksti :
         {std::string("Harvokki"), std::string("Äijä Öörni €5"), std::string("\"x\\y\"\r\n;"),
          std::string("Not Found "), std::string(" ")}) {
        Kirjoita("T", teksti);
        EXPECT_EQ(Lue("T"), teksti);
    }
    // Outside the code page: '?', as on Windows.
    Kirjoita("T", "Ωmega😀");
    EXPECT_EQ(Lue("T"), "?mega?");
    // Names go through the code page too.
    Kirjoita("Määrä", "1");
    EXPECT_EQ(Lue("MÄÄRÄ"), "1");
}

TEST_F(Asetukset, LajiNelonenLuetaanNollatayttoisenaLukuna) {
    ASSERT_EQ(Aseta(OhjelmanAvain, "Viisi", REG_DWORD, std::string("\x05\0\0\0", 4)),
              ERROR_SUCCESS);
    ASSERT_EQ(Aseta(OhjelmanAvain, "Suurin", REG_DWORD, "\xFF\xFF\xFF\xFF"), ERROR_SUCCESS);
    ASSERT_EQ(Aseta(OhjelmanAvain, "Lyhyt", REG_DWORD, "\x05"), ERROR_SUCCESS);
    EXPECT_EQ(Lue("Viisi"), "005");
    EXPECT_EQ(Lue("Suurin"), "4294967295");
    EXPECT_EQ(Lue("Lyhyt"), EiLoytynyt);

    Kirjoita("Luku", "42", 4);
    EXPECT_EQ(::Lue(OhjelmanAvain, "Luku").laji, REG_DWORD);
    EXPECT_EQ(Lue("Luku"), "042");
    Kirjoita("Luku", "1234", 4);
    EXPECT_EQ(Lue("Luku"), "1234");
    Kirjoita("Luku", "-1", 4);
    EXPECT_EQ(Lue("Luku"), "4294967295");
    // Text that is no 32-bit number is not written.
    Kirjoita("Luku", "abc", 4);
    Kirjoita("Luku", "4294967296", 4);
    EXPECT_EQ(Lue("Luku"), "4294967295");
    KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, "Luku", 4, std::int32_t{7});
    EXPECT_EQ(Lue("Luku"), "007");
}

TEST_F(Asetukset, LajiKolmonenLuetaanHeksoina) {
    ASSERT_EQ(Aseta(OhjelmanAvain, "B", REG_BINARY, std::string("\x00\x1F", 2)), ERROR_SUCCESS);
    EXPECT_EQ(Lue("B"), "001F");
    ASSERT_EQ(Aseta(OhjelmanAvain, "B", REG_BINARY, "\x0A\xFF"), ERROR_SUCCESS);
    EXPECT_EQ(Lue("B"), "0AFF");
    ASSERT_EQ(Aseta(OhjelmanAvain, "B", REG_BINARY, ""), ERROR_SUCCESS);
    EXPECT_EQ(Lue("B"), "");
    // 2048 bytes fill the buffer exactly; one more does not fit.
    ASSERT_EQ(Aseta(OhjelmanAvain, "B", REG_BINARY, std::string(2048, '\xAB')), ERROR_SUCCESS);
    EXPECT_EQ(Lue("B").size(), 4096u);
    ASSERT_EQ(Aseta(OhjelmanAvain, "B", REG_BINARY, std::string(2049, '\xAB')), ERROR_SUCCESS);
    EXPECT_EQ(Lue("B"), EiLoytynyt);
}

TEST_F(Asetukset, MuuLajiTallentaaTekstinIlmanNollaa) {
    Kirjoita("Muu", "abc", 0);
    const Luku l = ::Lue(OhjelmanAvain, "Muu");
    EXPECT_EQ(l.laji, REG_SZ);
    EXPECT_EQ(Lue("Muu"), "abc");
    Kirjoita("Muu", "", 7);
    EXPECT_EQ(Lue("Muu"), "");
}

TEST_F(Asetukset, LiputJaLuvutTekstina) {
    KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, "Lippu", 1, true);
    EXPECT_EQ(Lue("Lippu"), "True");
    KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, "Lippu", 1, false);
    EXPECT_EQ(Lue("Lippu"), "False");
    KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, "Luku", 1, std::int32_t{-7});
    EXPECT_EQ(Lue("Luku"), "-7");
    // A bare text literal must not turn into the flag "True".
    KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, "Tapa", 1, "Vuoroaloitus");
    EXPECT_EQ(Lue("Tapa"), "Vuoroaloitus");
}

TEST_F(Asetukset, EpaonnistuvaKirjoitusOhitetaanHiljaa) {
    QFile este(Kansio());
    ASSERT_TRUE(este.open(QIODevice::WriteOnly));
    este.close();
    Kirjoita("NaytaPainikkeet", "True");
    EXPECT_EQ(Lue("NaytaPainikkeet"), EiLoytynyt);
}

TEST_F(Asetukset, LukuEiLuoAvaintaVaikkaMuutaOnJo) {
    Kirjoita("x", "1");
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, OhjelmanAvain), ERROR_SUCCESS);
    const QByteArray ennen = LuePesa();
    EXPECT_EQ(Lue("x"), EiLoytynyt);
    EXPECT_EQ(LuePesa(), ennen);
    EXPECT_FALSE(AvainOn(OhjelmanAvain));
}

TEST_F(Asetukset, TyhjaPolkuKayttaaAnnettuaAvaintaSulkematta) {
    HKEY oma = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Oma", &oma), ERROR_SUCCESS);
    KirjoitaArvo(oma, "", "v", 1, std::string("1"));
    EXPECT_EQ(LueArvo(oma, "", "v"), "1");
    EXPECT_EQ(RegCloseKey(oma), ERROR_SUCCESS) << "the caller's handle was closed for it";
}

} // namespace
