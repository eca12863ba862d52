// The hive file: what is written, byte for byte, and what is read, leniently.

#include "TestiKoti.h"

#include <QFileInfo>

#include <optional>
#include <random>
#include <vector>

namespace {

using namespace std::string_literals;
using Tiedostomuoto = TestiKoti;
constexpr const char* Ohjelma = "Software\\Harvokki\\Sorvik 1.1 Freeware";

QString Crlf(QString s) {
    return s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

// Bytes 0, 1, 2, ... n-1.
std::string Juokseva(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s.push_back(static_cast<char>(i));
    }
    return s;
}

// Every kind of value, written in a scrambled order on purpose: the file is
// exactly what the registry editor exports, and each value reads back as given
// (text kinds 1 and 2 with their terminating zero).
TEST_F(Tiedostomuoto, KirjoitettuTiedostoOnTasmalleenVientimuotoa) {
    struct Kirjoitus {
        Kirjoitus(const char* a, std::string n, DWORD l, std::string d,
                  std::optional<std::string> lu = std::nullopt)
            : avain(a), nimi(std::move(n)), laji(l), data(std::move(d)), luettu(lu.value_or(data)) {
        }
        const char* avain;
        std::string nimi;
        DWORD laji;
        std::string data;
        std::string luettu; // when not as written
    };
    const std::string teksti = "Polku C:\\x \"lainaus\"\r\nrivi\xE4\x80\0"s;
    const char* binaarit = "Software\\Binaarit";
    const std::vector<Kirjoitus> kirjoitukset = {
        {Ohjelma, "b", REG_SZ, "2\0"s},
        {Ohjelma, "A", REG_SZ, teksti},
        {Ohjelma, "c", REG_DWORD, "\xEF\xBE\xAD\x0B"},
        {binaarit, "Binaari", REG_BINARY, Juokseva(60)},
        {binaarit, "Laaja", REG_EXPAND_SZ, "%P%", "%P%\0"s},
        {binaarit, "Q", REG_QWORD, Juokseva(8)},
        {binaarit, "", REG_SZ, "oletus\0"s},
        {binaarit, "tyhja", REG_BINARY, ""},
        {binaarit, "Lyhyt", REG_DWORD, "\x01"},
        {binaarit, "Nollia", REG_SZ, "a\0b\0"s},
        {binaarit, "ilman", REG_SZ, "abc", "abc\0"s},
        {binaarit, "tyhjaTeksti", REG_SZ, "", "\0"s},
        {binaarit, "Moni", REG_MULTI_SZ, "a\0\xE4\0\0"s},
        // A long name: the hex data folds after its first byte.
        {binaarit, std::string(80, 'n'), REG_BINARY, "\x01\x02"},
    };
    for (const Kirjoitus& k : kirjoitukset) {
        ASSERT_EQ(Aseta(k.avain, k.nimi.c_str(), k.laji, k.data), ERROR_SUCCESS) << k.nimi;
    }
    for (const char* tyhja : {"Software\\Tyhja", "Software\\aakkoset"}) {
        HKEY h = nullptr;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, tyhja, &h), ERROR_SUCCESS);
        RegCloseKey(h);
    }

    const QString odotettu = Crlf(
        QStringLiteral(
            u"Windows Registry Editor Version 5.00\n"
            u"\n"
            u"[HKEY_CURRENT_USER]\n"
            u"\n"
            u"[HKEY_CURRENT_USER\\Software]\n"
            u"\n"
            u"[HKEY_CURRENT_USER\\Software\\aakkoset]\n"
            u"\n"
            u"[HKEY_CURRENT_USER\\Software\\Binaarit]\n"
            u"@=\"oletus\"\n"
            u"\"Binaari\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,\\\n"
            u"  15,16,17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,\\\n"
            u"  2e,2f,30,31,32,33,34,35,36,37,38,39,3a,3b\n"
            u"\"ilman\"=\"abc\"\n"
            u"\"Laaja\"=hex(2):25,00,50,00,25,00,00,00\n"
            u"\"Lyhyt\"=hex(4):01\n"
            u"\"Moni\"=hex(7):61,00,00,00,e4,00,00,00,00,00\n"
            u"\"%1\"=hex:01,\\\n"
            u"  02\n"
            u"\"Nollia\"=hex(1):61,00,00,00,62,00,00,00\n"
            u"\"Q\"=hex(b):00,01,02,03,04,05,06,07\n"
            u"\"tyhja\"=hex:\n"
            u"\"tyhjaTeksti\"=\"\"\n"
            u"\n"
            u"[HKEY_CURRENT_USER\\Software\\Harvokki]\n"
            u"\n"
            u"[HKEY_CURRENT_USER\\Software\\Harvokki\\Sorvik 1.1 Freeware]\n"
            u"\"A\"=\"Polku C:\\\\x \\\"lainaus\\\"\\r\\nriviä€\"\n"
            u"\"b\"=\"2\"\n"
            u"\"c\"=dword:0badbeef\n"
            u"\n"
            u"[HKEY_CURRENT_USER\\Software\\Tyhja]\n"
            u"\n")
            .arg(QString(80, u'n')));
    EXPECT_EQ(LuePesa(), Utf16Tiedosto(odotettu));

    for (const Kirjoitus& k : kirjoitukset) {
        const Luku l = Lue(k.avain, k.nimi.c_str());
        EXPECT_EQ(l.data, k.luettu) << k.nimi;
        EXPECT_EQ(l.laji, k.laji) << k.nimi;
    }
}

TEST_F(Tiedostomuoto, IsoArvoKirjoitetaanJaLuetaanKokonaan) {
    const std::string iso = Juokseva(256) + std::string(100000, '\x7F');
    ASSERT_EQ(Aseta("K", "iso", REG_BINARY, iso), ERROR_SUCCESS);
    EXPECT_EQ(Lue("K", "iso").data, iso);
    EXPECT_TRUE(Varmuuskopiot().isEmpty());
}

// The same content in each accepted dialect.
struct Murre {
    const char* nimi;
    QByteArray tiedosto;
};

QByteArray Utf8(const QString& s, bool merkki, bool crlf) {
    QByteArray t = (crlf ? Crlf(s) : s).toUtf8();
    return merkki ? QByteArray("\xEF\xBB\xBF") + t : t;
}

QByteArray Ansi(const QString& s) {
    QByteArray t;
    for (const QChar c : s) {
        t.append(c == u'ä' ? '\xE4' : c == u'€' ? '\x80' : static_cast<char>(c.unicode()));
    }
    return t;
}

const QString Runko =
    QStringLiteral(u"; kommentti\n"
                   u"\n"
                   u"[HKEY_CURRENT_USER\\Software\\Harvokki\\Sorvik 1.1 Freeware]\n"
                   u"\"Nimi\"=\"Äijä€ \\\"x\\\"\"\n"
                   u"@=\"oletus\"\n"
                   u"\"Luku\"=dword:0000002A\n"
                   u"\"Tavut\"=hex:0A,ff,\\\n"
                   u"      00 ,1f\n"
                   u"\"Pois\"=\"menee\"\n"
                   u"\"Pois\"=-\n"
                   u"  ; sisennetty kommentti\n"
                   u"\n"
                   u"[HKEY_CURRENT_USER\\Software\\Vanha]\n"
                   u"\"x\"=\"y\"\n"
                   u"[-HKEY_CURRENT_USER\\Software\\Vanha]\n"
                   u"[HKEY_CURRENT_USER\\Software\\Jaa\\]\n"
                   u"\"k\"=\"v\"\n");

TEST_F(Tiedostomuoto, KaikkiMurteetLuetaan) {
    const QString uusi = QStringLiteral("Windows Registry Editor Version 5.00\n\n") + Runko;
    const QString vanha =
        QStringLiteral("REGEDIT4\n\n") + Runko + QStringLiteral("\"Laaja\"=hex(2):25,e4,25,00\n");
    const std::vector<Murre> murteet = {
        {"UTF-16LE, CRLF", Utf16Tiedosto(Crlf(uusi))},
        {"UTF-8 with mark, LF", Utf8(uusi, true, false)},
        {"UTF-8 without mark, CRLF", Utf8(uusi, false, true)},
        {"REGEDIT4, Windows-1252, CRLF", Ansi(Crlf(vanha))},
        {"REGEDIT4, Windows-1252, LF", Ansi(vanha)},
    };
    for (const Murre& m : murteet) {
        SCOPED_TRACE(m.nimi);
        ASSERT_TRUE(KirjoitaPesa(m.tiedosto));
        EXPECT_EQ(LueTeksti(Ohjelma, "Nimi"), "\xC4ij\xE4\x80 \"x\"");
        EXPECT_EQ(LueTeksti(Ohjelma, ""), "oletus");
        EXPECT_EQ(Lue(Ohjelma, "Luku").data, "\x2A\0\0\0"s);
        EXPECT_EQ(Lue(Ohjelma, "Tavut").data, "\x0A\xFF\x00\x1F"s);
        EXPECT_EQ(Lue(Ohjelma, "Pois").tulos, ERROR_FILE_NOT_FOUND);
        EXPECT_FALSE(AvainOn("Software\\Vanha"));
        EXPECT_EQ(LueTeksti("Software\\Jaa", "k"), "v");
        if (QByteArray(m.nimi).startsWith("REGEDIT4")) {
            // Text kinds in hex are ANSI in the old format.
            EXPECT_EQ(Lue("Software\\Jaa", "Laaja").data, "%\xE4%\0"s);
        }
        // A write carries everything over and keeps no copy of a sound file.
        ASSERT_EQ(AsetaTeksti(Ohjelma, "Uusi", "1"), ERROR_SUCCESS);
        EXPECT_EQ(LueTeksti(Ohjelma, "Nimi"), "\xC4ij\xE4\x80 \"x\"");
        EXPECT_EQ(Lue(Ohjelma, "Tavut").data, "\x0A\xFF\x00\x1F"s);
        EXPECT_EQ(static_cast<unsigned char>(LuePesa()[0]), 0xFF);
        EXPECT_TRUE(Varmuuskopiot().isEmpty());
    }
}

// A damaged file: reading never fails as a whole, what can be parsed stays,
// and the next write keeps a copy of the original.
struct Vaurio {
    const char* nimi;
    QByteArray tiedosto;
    bool ehjatJaljella; // "Eka" and "Toka" can still be read
    bool kopioidaan;    // the file held something that a rewrite drops
};

const QString Alku =
    QStringLiteral(u"Windows Registry Editor Version 5.00\n\n"
                   u"[HKEY_CURRENT_USER\\Software\\Harvokki\\Sorvik 1.1 Freeware]\n"
                   u"\"Eka\"=\"1\"\n");
const QString Loppu = QStringLiteral(u"\"Toka\"=\"2\"\n");

QByteArray Ehja8(const QByteArray& keskelle) {
    return Alku.toUtf8() + keskelle + "\n" + Loppu.toUtf8();
}

std::vector<Vaurio> Vauriot() {
    std::mt19937 satunnainen(20261207);
    QByteArray roska(64 * 1024, '\0');
    for (char& c : roska) {
        c = static_cast<char>(satunnainen() & 0xFF);
    }
    QByteArray pitka(10 * 1024 * 1024, 'x');
    QByteArray monta;
    for (int i = 50000; i > 0; --i) {
        monta += "\"v" + QByteArray::number(i) + "\"=dword:1\n";
    }

    // Our own file, cut in the middle of its folded hex value.
    QByteArray katkaistu = Utf16Tiedosto(
        Crlf(Alku + Loppu +
             QStringLiteral(u"\"Pitka\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,"
                            u"11,12,13,14,\\\n  15,16,17,18,19,1a,1b,1c,1d,1e,1f,20,21\n")));
    katkaistu.chop(50);

    QByteArray rikki = Utf16Tiedosto(QStringLiteral("\"Rikki\"=\"x\"\r\n")).mid(2);
    rikki[10] = '\x00';
    rikki[11] = '\xD8'; // a lone high surrogate
    const QByteArray orpo = Utf16Tiedosto(Crlf(Alku + Loppu)) + rikki;

    return {
        {"random bytes", roska, false, true},
        {"truncated", katkaistu, true, true},
        {"NUL bytes", Ehja8(QByteArray("\"Nolla\"=\"a\0b\"", 13)), true, true},
        {"invalid UTF-8",
         Ehja8("\"Rikki\"=\"\xC3\x28\xFF\"\n\"Rikki\"=\"\xED\xA0\x80\"\n\"Rikki\"=\"\xC0\xAF\""),
         true, true},
        {"lone surrogate in UTF-16", orpo, true, true},
        {"a 10 MB line", Ehja8(pitka), true, true},
        {"50000 values in one key", Ehja8(monta), true, false},
        {"a 10 MB value", Ehja8("\"Iso\"=\"" + pitka + "\""), true, false},
        {"unknown kinds", Ehja8("\"S\"=str(2):\"x\"\n\"Q\"=qword:1\n\"H\"=hex(1z):00"), true, true},
        {"bad hex", Ehja8("\"H\"=hex:0g,1\n\"I\"=hex:123\n\"J\"=dword:123456789"), true, true},
        {"unterminated quote", Ehja8("\"A\"=\"ei loppua\n\"B"), true, true},
        {"foreign root",
         Ehja8("[HKEY_LOCAL_MACHINE\\X]\n\"Eka\"=\"vieras\"\n"
               "[HKEY_CURRENT_USER\\Software\\Harvokki\\Sorvik 1.1 Freeware]"),
         true, true},
        {"keys nested 100000 deep",
         Ehja8("[HKEY_CURRENT_USER" + QByteArray("\\a").repeated(100000) +
               "]\n[HKEY_CURRENT_USER\\Software\\Harvokki\\Sorvik 1.1 Freeware]"),
         true, true},
        {"value before any key", QByteArray("\"Orpo\"=\"1\"\n") + Ehja8(""), true, true},
        {"no header", Ehja8("").mid(Alku.indexOf(u'[')), true, true},
        {"cut inside a number", Ehja8("") + "\"Luku\"=dword:00", true, true},
        {"empty", QByteArray(), false, false},
        {"only a header", QByteArray("\xEF\xBB\xBFREGEDIT4\r\n"), false, false},
    };
}

TEST_F(Tiedostomuoto, VaurioitunutTiedostoEiKaadaEikaHukkaaEhjaa) {
    for (const Vaurio& v : Vauriot()) {
        SCOPED_TRACE(v.nimi);
        QDir(Kansio()).removeRecursively();
        ASSERT_TRUE(KirjoitaPesa(v.tiedosto));
        const auto ehjat = [&v] {
            if (v.ehjatJaljella) {
                EXPECT_EQ(LueTeksti(Ohjelma, "Eka"), "1");
                EXPECT_EQ(LueTeksti(Ohjelma, "Toka"), "2");
            }
        };
        ehjat();
        for (const char* nimi : {"Rikki", "Pitka", "Nolla", "Luku"}) {
            EXPECT_EQ(Lue(Ohjelma, nimi).tulos, ERROR_FILE_NOT_FOUND) << nimi;
        }

        ASSERT_EQ(AsetaTeksti(Ohjelma, "Uusi", "3"), ERROR_SUCCESS);
        EXPECT_EQ(LueTeksti(Ohjelma, "Uusi"), "3");
        ehjat();
        const QStringList kopiot = Varmuuskopiot();
        if (v.kopioidaan) {
            ASSERT_EQ(kopiot.size(), 1);
            QFile kopio(Kansio() + u'/' + kopiot.front());
            ASSERT_TRUE(kopio.open(QIODevice::ReadOnly));
            EXPECT_EQ(kopio.readAll(), v.tiedosto);
        } else {
            EXPECT_TRUE(kopiot.isEmpty());
        }
        // The rewritten file is sound: a second write keeps no second copy.
        ASSERT_EQ(AsetaTeksti(Ohjelma, "Uusi", "4"), ERROR_SUCCESS);
        EXPECT_EQ(Varmuuskopiot().size(), kopiot.size());
    }
}

} // namespace
