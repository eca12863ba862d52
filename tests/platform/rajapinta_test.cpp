// The registry functions against the Windows behaviour the programs rely on;
// the same tests run on the emulation and on the real registry.

#include "Eristys.h"
#include "koodisivu.h"

#include <array>
#include <string>
#include <utility>

namespace {

using Rajapinta = Eristetty;
constexpr const char* Ohjelma = "Software\\Harvokki\\Sorvik 1.1 Freeware";

TEST_F(Rajapinta, AvaaminenEiLuoMitaanLuontiTekeeVanhemmat) {
    HKEY h = reinterpret_cast<HKEY>(1);
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Harvokki", &h), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(h, nullptr);
    EXPECT_EQ(Lue("Software", "x").tulos, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(AvainOn("Software"));

    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "A\\B\\C", &h), ERROR_SUCCESS);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(RegCloseKey(h), ERROR_SUCCESS);
    EXPECT_TRUE(AvainOn("A") && AvainOn("A\\B") && AvainOn("A\\B\\C"));
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "a\\b", &h), ERROR_SUCCESS);
    RegCloseKey(h);
    EXPECT_TRUE(AvainOn("A\\B\\C"));

    // A path relative to an open key.
    HKEY b = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "A\\B", &b), ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyA(b, "D\\E", &h), ERROR_SUCCESS);
    RegCloseKey(h);
    RegCloseKey(b);
    EXPECT_TRUE(AvainOn("A\\B\\D\\E"));
}

TEST_F(Rajapinta, KenoviivaLopussaJaKirjainkokoEivatTeeEriAvainta) {
    const std::string kenoviivalla = std::string(Ohjelma) + '\\';
    ASSERT_EQ(AsetaTeksti(kenoviivalla.c_str(), "Nimi", "eka"), ERROR_SUCCESS);
    EXPECT_EQ(LueTeksti(Ohjelma, "Nimi"), "eka");
    EXPECT_EQ(LueTeksti(kenoviivalla.c_str(), "Nimi"), "eka");
    EXPECT_EQ(LueTeksti("SOFTWARE\\harvokki\\sorvik 1.1 FREEWARE", "NIMI"), "eka");
    ASSERT_EQ(AsetaTeksti("software\\HARVOKKI\\Sorvik 1.1 Freeware", "nimi", "toka"),
              ERROR_SUCCESS);
    EXPECT_EQ(LueTeksti(Ohjelma, "Nimi"), "toka");
    // Ä and ä are the same letter in names too.
    ASSERT_EQ(AsetaTeksti("\xC4ij\xE4", "\xC4", "1"), ERROR_SUCCESS);
    EXPECT_EQ(LueTeksti("\xE4IJ\xC4", "\xE4"), "1");
    // Replacing a value changes its kind too.
    ASSERT_EQ(Aseta(Ohjelma, "NIMI", REG_BINARY, "\x01"), ERROR_SUCCESS);
    EXPECT_EQ(Lue(Ohjelma, "nimi").laji, REG_BINARY);
}

TEST_F(Rajapinta, LiianPieniPuskuriKertooTarvittavanKoon) {
    ASSERT_EQ(AsetaTeksti("K", "v", "12345"), ERROR_SUCCESS);
    HKEY h = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "K", &h), ERROR_SUCCESS);
    std::array<BYTE, 16> puskuri{};
    DWORD laji = 0;
    DWORD koko = 5;
    EXPECT_EQ(RegQueryValueExA(h, "v", nullptr, &laji, puskuri.data(), &koko), ERROR_MORE_DATA);
    EXPECT_EQ(koko, 6u);
    EXPECT_EQ(laji, REG_SZ);
    koko = 0;
    EXPECT_EQ(RegQueryValueExA(h, "v", nullptr, nullptr, nullptr, &koko), ERROR_SUCCESS);
    EXPECT_EQ(koko, 6u);
    EXPECT_EQ(RegQueryValueExA(h, "v", nullptr, nullptr, puskuri.data(), &koko), ERROR_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(puskuri.data()), 6),
              std::string("12345\0", 6));
    koko = 16;
    EXPECT_EQ(RegQueryValueExA(h, "puuttuu", nullptr, &laji, puskuri.data(), &koko),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExA(h, "v", nullptr, nullptr, puskuri.data(), nullptr),
              ERROR_INVALID_PARAMETER);
    DWORD varattu = 0;
    EXPECT_EQ(RegQueryValueExA(h, "v", &varattu, nullptr, nullptr, &koko), ERROR_INVALID_PARAMETER);
    RegCloseKey(h);
}

TEST_F(Rajapinta, TekstiKulkeeWindows1252Koodisivulla) {
    // ä, €, Ÿ and the undefined 0x81 go through unchanged.
    const std::string ansi = "\xE4\x80\x9F\x81";
    ASSERT_EQ(AsetaTeksti("K", "v", ansi), ERROR_SUCCESS);
    EXPECT_EQ(LueTeksti("K", "v"), ansi);
}

TEST_F(Rajapinta, AlaavaimellistaEiPoistetaJaVanhempiSailyy) {
    ASSERT_EQ(AsetaTeksti(Ohjelma, "v", "1"), ERROR_SUCCESS);
    ASSERT_EQ(AsetaTeksti("Software\\Harvokki", "oma", "2"), ERROR_SUCCESS);

    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Harvokki"), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(AvainOn(Ohjelma));

    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "software\\harvokki\\SORVIK 1.1 FREEWARE\\"),
              ERROR_SUCCESS);
    EXPECT_FALSE(AvainOn(Ohjelma));
    EXPECT_EQ(LueTeksti("Software\\Harvokki", "oma"), "2");
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, Ohjelma), ERROR_FILE_NOT_FOUND);

    // Emptied of its last subkey, the parent still stays, also in the file.
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Harvokki"), ERROR_SUCCESS);
    EXPECT_TRUE(AvainOn("Software"));
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, ""), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Puuttuu\\Kokonaan"), ERROR_FILE_NOT_FOUND);
}

TEST_F(Rajapinta, VirheellisetKahvatPolutJaParametrit) {
    HKEY h = nullptr;
    EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "\\A", &h), ERROR_BAD_PATHNAME);
#if !defined(_WIN32)
    // Names the emulation's file cannot hold whole (the registry takes them).
    for (const std::string& polku :
         {std::string("A\\\\B"), std::string("A\nB"), std::string(256, 'a')}) {
        EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, polku.c_str(), &h), ERROR_BAD_PATHNAME) << polku;
    }
#endif
    EXPECT_FALSE(AvainOn("A"));

    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "K", &h), ERROR_SUCCESS);
    const BYTE b = 1;
    // The reserved argument is not looked at; data missing is bad memory.
    EXPECT_EQ(RegSetValueExA(h, "v", 1, REG_BINARY, &b, 1), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(h, "v", 0, REG_BINARY, nullptr, 1), ERROR_NOACCESS);
#if !defined(_WIN32)
    // The emulation bounds a value at 1 MiB, so that its file stays readable.
    const std::string iso(1024 * 1024 + 1, 'x');
    EXPECT_EQ(RegSetValueExA(h, "v", 0, REG_BINARY, reinterpret_cast<const BYTE*>(iso.data()),
                             static_cast<DWORD>(iso.size())),
              ERROR_INVALID_PARAMETER);
#endif
    // The default value has the empty name.
    EXPECT_EQ(RegSetValueExA(h, nullptr, 0, REG_BINARY, &b, 1), ERROR_SUCCESS);
    EXPECT_EQ(Lue("K", "").data, "\x01");
    EXPECT_EQ(RegFlushKey(h), ERROR_SUCCESS);

    // A closed handle, a made-up one and the root.
    EXPECT_EQ(RegCloseKey(h), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(h), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegSetValueExA(h, "v", 0, REG_BINARY, &b, 1), ERROR_INVALID_HANDLE);
    DWORD koko = 0;
    EXPECT_EQ(RegQueryValueExA(h, "v", nullptr, nullptr, nullptr, &koko), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExA(nullptr, "v", nullptr, nullptr, nullptr, &koko),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegFlushKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(reinterpret_cast<HKEY>(0x1234)), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "", &h), ERROR_SUCCESS);
    EXPECT_EQ(h, HKEY_CURRENT_USER);
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "K", nullptr), ERROR_INVALID_PARAMETER);

    // The handle of a deleted key does not bring it back.
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "A\\B", &h), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "A\\B"), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(h, "v", 0, REG_BINARY, &b, 1), ERROR_KEY_DELETED);
    EXPECT_FALSE(AvainOn("A\\B"));
    EXPECT_EQ(RegCloseKey(h), ERROR_SUCCESS);
}

TEST_F(Rajapinta, KirjoittamatonRekisteriEpaonnistuuHiljaa) {
    if (!EstaKirjoitus()) {
        GTEST_SKIP() << EiEstettavissa;
    }
    HKEY h = nullptr;
    EXPECT_NE(RegCreateKeyA(HKEY_CURRENT_USER, "K", &h), ERROR_SUCCESS);
    EXPECT_EQ(h, nullptr);
    EXPECT_EQ(Lue("K", "v").tulos, ERROR_FILE_NOT_FOUND);
}

TEST(Koodisivu, Windows1252JaUtf8) {
    EXPECT_EQ(sorvik::Cp1252Utf8ksi("\xC4ij\xE4 \x80"), "Äijä €");
    // Every byte of a broken sequence is one '?', and so is a character the code page lacks.
    for (const auto& [utf8, ansi] : {std::pair{"Äijä €", "\xC4ij\xE4 \x80"},
                                     {"Ω😀", "??"},
                                     {"a\xC3(\xED\xA0\x80z", "a?(???z"},
                                     {"\xC0\x80", "??"},              // overlong
                                     {"\xF4\x90\x80\x80", "????"}}) { // past U+10FFFF
        EXPECT_EQ(sorvik::Utf8Cp1252ksi(utf8), ansi) << utf8;
    }
    for (int b = 0; b < 256; ++b) {
        const auto merkki = sorvik::Cp1252Merkki(static_cast<unsigned char>(b));
        EXPECT_EQ(sorvik::Cp1252Tavu(merkki), static_cast<unsigned char>(b)) << b;
        const std::string yksi(1, static_cast<char>(b));
        EXPECT_EQ(sorvik::Utf8Cp1252ksi(sorvik::Cp1252Utf8ksi(yksi)), yksi) << b;
    }
}

} // namespace
