// KirjoitaArvo and LueArvo on the registry layer.

#include "../platform/Eristys.h"
#include "Asetukset.h"

#include <string>

namespace {

using namespace std::string_literals;
using sorvik::EiLoytynyt;
using sorvik::KirjoitaArvo;
using sorvik::LueArvo;
using sorvik::OhjelmanAvain;
using sorvik::OhjelmanAvainKirjoitus;

class Asetukset : public Eristetty {
protected:
    static std::string Lue(const std::string& nimi) {
        return LueArvo(HKEY_CURRENT_USER, OhjelmanAvain, nimi);
    }
    static void Kirjoita(const std::string& nimi, const std::string& arvo,
                         std::uint32_t tyyppi = 1) {
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, nimi, tyyppi, arvo);
    }
};

TEST_F(Asetukset, TuoreProfiiliAntaaNotFoundJaEnsimmainenKirjoitusLuoPolun) {
    for (const char* nimi : {"NaytaPainikkeet", "NaytaMahdottomatLaivaruudut", "ParasPelaaja0",
                             "ParasTulos9", "PelinAloitustapa"}) {
        EXPECT_EQ(Lue(nimi), EiLoytynyt) << nimi;
    }
    EXPECT_FALSE(AvainOn("Software")) << "reading creates nothing";
    Kirjoita("NaytaPainikkeet", "True");
    EXPECT_TRUE(AvainOn(OhjelmanAvain));
    EXPECT_EQ(Lue("NaytaPainikkeet"), "True");
}

// Text written with each kind, one after another into the same value, and
// what LueArvo then gives.
TEST_F(Asetukset, KirjoitettuTekstiLuetaan) {
    std::string aat; // two bytes each in UTF-8, one in the registry
    for (int i = 0; i < 2047; ++i) {
        aat += "ä";
    }
    struct Tapaus {
        std::string arvo;
        std::uint32_t tyyppi;
        std::string luettu;
        DWORD laji; // the kind stored
    };
    const Tapaus tapaukset[] = {
        {"", 1, "", REG_SZ},
        {std::string(2047, 'a'), 1, std::string(2047, 'a'), REG_SZ},
        {std::string(2048, 'b'), 1, EiLoytynyt, REG_SZ},
        {aat, 1, aat, REG_SZ},
        {"Harvokki", 1, "Harvokki", REG_SZ},
        {"Äijä Öörni €5", 1, "Äijä Öörni €5", REG_SZ},
        {"\"x\\y\"\r\n;", 1, "\"x\\y\"\r\n;", REG_SZ},
        {"Not Found ", 1, "Not Found ", REG_SZ},
        {" ", 1, " ", REG_SZ},
        {"Ωmega😀", 1, "?mega?", REG_SZ}, // outside the code page: '?', as on Windows
        {"abc", 0, "abc", REG_SZ},       // any other kind: text without its zero
        {"", 7, "", REG_SZ},
        {"42", 4, "042", REG_DWORD},
        {"1234", 4, "1234", REG_DWORD},
        {"-1", 4, "4294967295", REG_DWORD},
        // Text that is no 32-bit number is not written: the last value stays.
        {"abc", 4, "4294967295", REG_DWORD},
        {"4294967296", 4, "4294967295", REG_DWORD},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.arvo.substr(0, 20) + " as kind " + std::to_string(t.tyyppi));
        Kirjoita("T", t.arvo, t.tyyppi);
        EXPECT_EQ(Lue("T"), t.luettu);
        EXPECT_EQ(::Lue(OhjelmanAvain, "T").laji, t.laji);
    }
    Kirjoita("Tyhja", "");
    EXPECT_EQ(::Lue(OhjelmanAvain, "Tyhja").data, "\0"s);
    // Names go through the code page too.
    Kirjoita("Määrä", "1");
    EXPECT_EQ(Lue("MÄÄRÄ"), "1");
}

// Values of kinds 3 and 4 that another program stored.
TEST_F(Asetukset, LukuJaTavutLuetaanTekstina) {
    std::string heksat; // 2048 bytes fill the buffer exactly
    for (int i = 0; i < 2048; ++i) {
        heksat += "AB";
    }
    struct Tapaus {
        DWORD laji;
        std::string data;
        std::string luettu;
    };
    const Tapaus tapaukset[] = {
        {REG_DWORD, "\x05\0\0\0"s, "005"},
        {REG_DWORD, "\xFF\xFF\xFF\xFF", "4294967295"},
        {REG_DWORD, "\x05", EiLoytynyt},
        {REG_BINARY, "\x00\x1F"s, "001F"},
        {REG_BINARY, "\x0A\xFF", "0AFF"},
        {REG_BINARY, "", ""},
        {REG_BINARY, std::string(2048, '\xAB'), heksat},
        {REG_BINARY, std::string(2049, '\xAB'), EiLoytynyt},
    };
    for (const Tapaus& t : tapaukset) {
        ASSERT_EQ(Aseta(OhjelmanAvain, "B", t.laji, t.data), ERROR_SUCCESS);
        EXPECT_EQ(Lue("B"), t.luettu) << t.luettu.substr(0, 20);
    }
}

TEST_F(Asetukset, LiputJaLuvut) {
    const auto kirjoita = [](const char* nimi, std::uint32_t tyyppi, auto arvo) {
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, nimi, tyyppi, arvo);
    };
    kirjoita("Lippu", 1, true);
    EXPECT_EQ(Lue("Lippu"), "True");
    kirjoita("Lippu", 1, false);
    EXPECT_EQ(Lue("Lippu"), "False");
    kirjoita("Luku", 1, std::int32_t{-7});
    EXPECT_EQ(Lue("Luku"), "-7");
    kirjoita("Luku", 4, std::int32_t{7});
    EXPECT_EQ(Lue("Luku"), "007");
    // A bare text literal must not turn into the flag "True".
    kirjoita("Tapa", 1, "Vuoroaloitus");
    EXPECT_EQ(Lue("Tapa"), "Vuoroaloitus");
}

TEST_F(Asetukset, EpaonnistuvaKirjoitusOhitetaanHiljaa) {
    if (!EstaKirjoitus()) {
        GTEST_SKIP() << EiEstettavissa;
    }
    Kirjoita("NaytaPainikkeet", "True");
    EXPECT_EQ(Lue("NaytaPainikkeet"), EiLoytynyt);
}

TEST_F(Asetukset, LukuEiLuoAvaintaVaikkaMuutaOnJo) {
    Kirjoita("x", "1");
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, OhjelmanAvain), ERROR_SUCCESS);
    EXPECT_EQ(Lue("x"), EiLoytynyt);
    EXPECT_FALSE(AvainOn(OhjelmanAvain));
    EXPECT_TRUE(AvainOn("Software\\Harvokki"));
}

TEST_F(Asetukset, TyhjaPolkuKayttaaAnnettuaAvaintaSulkematta) {
    HKEY oma = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Oma", &oma), ERROR_SUCCESS);
    KirjoitaArvo(oma, "", "v", 1, std::string("1"));
    EXPECT_EQ(LueArvo(oma, "", "v"), "1");
    EXPECT_EQ(RegCloseKey(oma), ERROR_SUCCESS) << "the caller's handle was closed for it";
}

} // namespace
