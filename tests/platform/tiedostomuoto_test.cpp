// The hive file: what is written, byte for byte, and what is read, leniently.

#include "TestiKoti.h"

#include <QFileInfo>

#include <random>

namespace {

using Tiedostomuoto = TestiKoti;

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

TEST_F(Tiedostomuoto, KirjoitettuTiedostoOnTasmalleenVientimuotoa) {
    // Written in a scrambled order on purpose.
    ASSERT_EQ(AsetaTeksti("Software\\Harvokki\\Sorvik 1.1 Freeware", "b", "2"), ERROR_SUCCESS);
    ASSERT_EQ(AsetaTeksti("Software\\Harvokki\\Sorvik 1.1 Freeware", "A",
                          "Polku C:\\x \"lainaus\"\r\nrivi\xE4\x80"),
              ERROR_SUCCESS);
    ASSERT_EQ(Aseta("Software\\Harvokki\\Sorvik 1.1 Freeware", "c", REG_DWORD,
                    std::string("\xEF\xBE\xAD\x0B", 4)),
              ERROR_SUCCESS);
    ASSERT_EQ(Aseta("Software\\Binaarit", "Binaari", REG_BINARY, Juokseva(60)), ERROR_SUCCESS);
    ASSERT_EQ(Aseta("Software\\Binaarit", "Laaja", REG_EXPAND_SZ, "%P%"), ERROR_SUCCESS);
    ASSERT_EQ(Aseta("Software\\Binaarit", "Q", REG_QWORD, Juokseva(8)), ERROR_SUCCESS);
    ASSERT_EQ(Aseta("Software\\Binaarit", "", REG_SZ, std::string("oletus\0", 7)), ERROR_SUCCESS);
    ASSERT_EQ(Aseta("Software\\Binaarit", "tyhja", REG_BINARY, ""), ERROR_SUCCESS);
    ASSERT_EQ(Aseta("Software\\Binaarit", "Lyhyt", REG_DWORD, "\x01"), ERROR_SUCCESS);
    ASSERT_EQ(Aseta("Software\\Binaarit", "Nollia", REG_SZ, std::string("a\0b\0", 4)),
              ERROR_SUCCESS);
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Tyhja", &h), ERROR_SUCCESS);
    RegCloseKey(h);
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\aakkoset", &h), ERROR_SUCCESS);
    RegCloseKey(h);

    const QString odotettu = Crlf(QStringLiteral(
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
        u"\"Laaja\"=hex(2):25,00,50,00,25,00,00,00\n"
        u"\"Lyhyt\"=hex(4):01\n"
        u"\"Nollia\"=hex(1):61,00,00,00,62,00,00,00\n"
        u"\"Q\"=hex(b):00,01,02,03,04,05,06,07\n"
        u"\"tyhja\"=hex:\n"
        u"\n"
        u"[HKEY_CURRENT_USER\\Software\\Harvokki]\n"
        u"\n"
        u"[HKEY_CURRENT_USER\\Software\\Harvokki\\Sorvik 1.1 Freeware]\n"
        u"\"A\"=\"Polku C:\\\\x \\\"lainaus\\\"\\r\\nriviä€\"\n"
        u"\"b\"=\"2\"\n"
        u"\"c\"=dword:0badbeef\n"
        u"\n"
        u"[HKEY_CURRENT_USER\\Software\\Tyhja]\n"
        u"\n"));
    const QByteArray tavut = LuePesa();
    ASSERT_GE(tavut.size(), 2);
    EXPECT_EQ(static_cast<unsigned char>(tavut[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(tavut[1]), 0xFE);
    EXPECT_EQ(tavut, Utf16Tiedosto(odotettu));

    // Read back, every value is as written.
    EXPECT_EQ(LueTeksti("Software\\Harvokki\\Sorvik 1.1 Freeware", "A"),
              "Polku C:\\x \"lainaus\"\r\nrivi\xE4\x80");
    EXPECT_EQ(Lue("Software\\Binaarit", "Binaari").data, Juokseva(60));
    EXPECT_EQ(Lue("Software\\Binaarit", "Nollia").data, std::string("a\0b\0", 4));
    EXPECT_EQ(Lue("Software\\Binaarit", "Lyhyt").data, "\x01");
}

TEST_F(Tiedostomuoto, PitkaNimiTaittuuEnsimmaisenTavunJalkeen) {
    const std::string nimi(80, 'n');
    ASSERT_EQ(Aseta("K", nimi.c_str(), REG_BINARY, "\x01\x02"), ERROR_SUCCESS);
    const QString rivi = QStringLiteral("\"") + QString::fromStdString(nimi) +
                         QStringLiteral("\"=hex:01,\\\r\n  02\r\n");
    EXPECT_TRUE(LuePesa().contains(Utf16Tiedosto(rivi).mid(2)));
    EXPECT_EQ(Lue("K", nimi.c_str()).data, "\x01\x02");
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
    const char* avain = "Software\\Harvokki\\Sorvik 1.1 Freeware";
    for (const Murre& m : murteet) {
        SCOPED_TRACE(m.nimi);
        KirjoitaPesa(m.tiedosto);
        EXPECT_EQ(LueTeksti(avain, "Nimi"), "\xC4ij\xE4\x80 \"x\"");
        EXPECT_EQ(LueTeksti(avain, ""), "oletus");
        EXPECT_EQ(Lue(avain, "Luku").data, std::string("\x2A\0\0\0", 4));
        EXPECT_EQ(Lue(avain, "Tavut").data, std::string("\x0A\xFF\x00\x1F", 4));
        EXPECT_EQ(Lue(avain, "Pois").tulos, ERROR_FILE_NOT_FOUND);
        EXPECT_FALSE(AvainOn("Software\\Vanha"));
        EXPECT_EQ(LueTeksti("Software\\Jaa", "k"), "v");
        if (QByteArray(m.nimi).startsWith("REGEDIT4")) {
            // Text kinds in hex are ANSI in the old format.
            EXPECT_EQ(Lue("Software\\Jaa", "Laaja").data, std::string("%\xE4%\0", 4));
        }
        // A write carries everything over and keeps no copy of a sound file.
        ASSERT_EQ(AsetaTeksti(avain, "Uusi", "1"), ERROR_SUCCESS);
        EXPECT_EQ(LueTeksti(avain, "Nimi"), "\xC4ij\xE4\x80 \"x\"");
        EXPECT_EQ(Lue(avain, "Tavut").data, std::string("\x0A\xFF\x00\x1F", 4));
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

    // Our own file, cut in the middle of its folded hex value.
    QByteArray katkaistu = Utf16Tiedosto(
        Crlf(Alku + Loppu +
             QStringLiteral(u"\"Pitka\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,"
                            u"11,12,13,14,\\\n  15,16,17,18,19,1a,1b,1c,1d,1e,1f,20,21\n")));
    katkaistu.chop(50);

    QByteArray orpo = Utf16Tiedosto(Crlf(Alku + Loppu));
    const QByteArray rikkiRivi = Utf16Tiedosto(QStringLiteral("\"Rikki\"=\"x\"\r\n")).mid(2);
    QByteArray rikkiUtf16 = rikkiRivi;
    rikkiUtf16[10] = '\x00';
    rikkiUtf16[11] = '\xD8'; // a lone high surrogate
    orpo.append(rikkiUtf16);

    return {
        {"random bytes", roska, false, true},
        {"truncated", katkaistu, true, true},
        {"NUL bytes", Ehja8(QByteArray("\"Nolla\"=\"a\0b\"", 13)), true, true},
        {"invalid UTF-8",
         Ehja8("\"Rikki\"=\"\xC3\x28\xFF\"\n\"Rikki\"=\"\xED\xA0\x80\"\n\"Rikki\"=\"\xC0\xAF\""),
         true, true},
        {"lone surrogate in UTF-16", orpo, true, true},
        {"a 10 MB line", Ehja8(pitka), true, true},
        {"a 10 MB value", Ehja8("\"Iso\"=\"" + pitka + "\""), true, false},
        {"unknown kinds", Ehja8("\"S\"=str(2):\"x\"\n\"Q\"=qword:1\n\"H\"=hex(1z):00"), true, true},
        {"bad hex", Ehja8("\"H\"=hex:0g,1\n\"I\"=hex:123\n\"J\"=dword:123456789"), true, true},
        {"unterminated quote", Ehja8("\"A\"=\"ei loppua\n\"B"), true, true},
        {"foreign root",
         Ehja8("[HKEY_LOCAL_MACHINE\\X]\n\"Eka\"=\"vieras\"\n"
               "[HKEY_CURRENT_USER\\Software\\Harvokki\\Sorvik 1.1 Freeware]"),
         true, true},
        {"value before any key", QByteArray("\"Orpo\"=\"1\"\n") + Ehja8(""), true, true},
        {"no header", Ehja8("").mid(Alku.indexOf(u'[')), true, true},
        {"cut inside a number", Ehja8("") + "\"Luku\"=dword:00", true, true},
        {"empty", QByteArray(), false, false},
        {"only a header", QByteArray("\xEF\xBB\xBFREGEDIT4\r\n"), false, false},
    };
}

TEST_F(Tiedostomuoto, VaurioitunutTiedostoEiKaadaEikaHukkaaEhjaa) {
    const char* avain = "Software\\Harvokki\\Sorvik 1.1 Freeware";
    for (const Vaurio& v : Vauriot()) {
        SCOPED_TRACE(v.nimi);
        QDir(Kansio()).removeRecursively();
        KirjoitaPesa(v.tiedosto);

        if (v.ehjatJaljella) {
            EXPECT_EQ(LueTeksti(avain, "Eka"), "1");
            EXPECT_EQ(LueTeksti(avain, "Toka"), "2");
        }
        EXPECT_EQ(Lue(avain, "Rikki").tulos, ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(Lue(avain, "Pitka").tulos, ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(Lue(avain, "Nolla").tulos, ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(Lue(avain, "Luku").tulos, ERROR_FILE_NOT_FOUND);

        ASSERT_EQ(AsetaTeksti(avain, "Uusi", "3"), ERROR_SUCCESS);
        EXPECT_EQ(LueTeksti(avain, "Uusi"), "3");
        if (v.ehjatJaljella) {
            EXPECT_EQ(LueTeksti(avain, "Eka"), "1");
            EXPECT_EQ(LueTeksti(avain, "Toka"), "2");
        }
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
        ASSERT_EQ(AsetaTeksti(avain, "Uusi", "4"), ERROR_SUCCESS);
        EXPECT_EQ(Varmuuskopiot().size(), kopiot.size());
    }
}

TEST_F(Tiedostomuoto, IsoArvoKirjoitetaanJaLuetaanKokonaan) {
    const std::string iso = Juokseva(256) + std::string(100000, '\x7F');
    ASSERT_EQ(Aseta("K", "iso", REG_BINARY, iso), ERROR_SUCCESS);
    EXPECT_EQ(Lue("K", "iso").data, iso);
    EXPECT_TRUE(Varmuuskopiot().isEmpty());
}

} // namespace
