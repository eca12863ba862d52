// The emulated registry: its file, its lock and what the disk does to it.

#include "TestiKoti.h"
#include "koodisivu.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>

#include <array>
#include <csignal>
#include <utility>

#include <sys/resource.h>
#include <unistd.h>

namespace {

using Rekisteri = TestiKoti;
constexpr const char* Ohjelma = "Software\\Harvokki\\Sorvik 1.1 Freeware";

// What the emulation's file holds after the calls the portable tests make.
TEST_F(Rekisteri, TiedostoPitaaKirjoitusasunJaUnicoden) {
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "A\\B", &h), ERROR_SUCCESS);
    RegCloseKey(h);
    const QByteArray ennen = LuePesa();
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "a\\b", &h), ERROR_SUCCESS);
    RegCloseKey(h);
    EXPECT_EQ(LuePesa(), ennen) << "opening an existing key must not rewrite the file";

    ASSERT_EQ(AsetaTeksti((std::string(Ohjelma) + '\\').c_str(), "Nimi", "eka"), ERROR_SUCCESS);
    ASSERT_EQ(AsetaTeksti("software\\HARVOKKI\\Sorvik 1.1 Freeware", "nimi", "toka"),
              ERROR_SUCCESS);
    // ä, €, Ÿ and the undefined 0x81 are stored as Unicode.
    ASSERT_EQ(AsetaTeksti("K", "v", "\xE4\x80\x9F\x81"), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "A\\B"), ERROR_SUCCESS);
    const QByteArray pesa = LuePesa();
    const QString teksti = QString::fromUtf16(
        reinterpret_cast<const char16_t*>(pesa.constData() + 2), (pesa.size() - 2) / 2);
    // One key and one value, still spelled as first written; no empty-named subkey.
    EXPECT_EQ(teksti.count(QStringLiteral("[HKEY_CURRENT_USER\\Software\\Harvokki\\Sorvik 1.1 "
                                          "Freeware]")),
              1);
    EXPECT_EQ(teksti.count(QStringLiteral("\"Nimi\"=\"toka\"")), 1);
    EXPECT_EQ(teksti.count(QStringLiteral("nimi"), Qt::CaseInsensitive), 1);
    EXPECT_FALSE(teksti.contains(QStringLiteral("Freeware\\]")));
    EXPECT_TRUE(teksti.contains(QStringLiteral(u"\"v\"=\"ä€Ÿ\u0081\"")));
    // Emptied of its last subkey, the parent stays in the file.
    EXPECT_TRUE(teksti.contains(QStringLiteral("[HKEY_CURRENT_USER\\A]\r\n\r\n")));

    // A character outside the code page, put there by another program, reads as '?'.
    ASSERT_TRUE(KirjoitaPesa(
        Utf16Tiedosto(QStringLiteral(u"Windows Registry Editor Version "
                                     u"5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"v\"=\"Ωx😀\"\r\n"))));
    EXPECT_EQ(LueTeksti("K", "v"), "?x?");
}

TEST_F(Rekisteri, TiedostoOnVainOmistajan) {
    ASSERT_EQ(AsetaTeksti("K", "v", "1"), ERROR_SUCCESS);
    EXPECT_EQ(QFileInfo(Pesa()).permissions() & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(QFileInfo(Kansio()).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    // Permissions somebody loosened are tightened on the next write.
    QFile::setPermissions(Pesa(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    ASSERT_EQ(AsetaTeksti("K", "v", "2"), ERROR_SUCCESS);
    EXPECT_FALSE(QFileInfo(Pesa()).permissions() & QFile::ReadOther);
}

TEST_F(Rekisteri, LukukelvotonTiedostoEiKorvaudu) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    ASSERT_EQ(AsetaTeksti("K", "v", "1"), ERROR_SUCCESS);
    const QByteArray ennen = LuePesa();
    QFile::setPermissions(Pesa(), QFile::WriteOwner);
    EXPECT_NE(AsetaTeksti("K", "w", "2"), ERROR_SUCCESS);
    QFile::setPermissions(Pesa(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(LuePesa(), ennen);
}

// A full disk: the process may write no file bigger than the current one.

TEST_F(Rekisteri, TaysiLevyJattaaVanhanTiedostonEhjaksi) {
    ASSERT_EQ(AsetaTeksti("K", "v", "vanha"), ERROR_SUCCESS);
    const QByteArray ennen = LuePesa();

    rlimit vanha{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vanha), 0);
    const auto vanhaKasittelija = std::signal(SIGXFSZ, SIG_IGN);
    rlimit pieni = vanha;
    pieni.rlim_cur = static_cast<rlim_t>(ennen.size());
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &pieni), 0);
    const LONG tulos = AsetaTeksti("K", "w", std::string(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &vanha);
    std::signal(SIGXFSZ, vanhaKasittelija);

    EXPECT_EQ(tulos, ERROR_DISK_FULL);
    EXPECT_EQ(LuePesa(), ennen);
    EXPECT_EQ(LueTeksti("K", "v"), "vanha");
    EXPECT_EQ(AsetaTeksti("K", "w", "uusi"), ERROR_SUCCESS);
    EXPECT_EQ(LueTeksti("K", "w"), "uusi");
    // No half-written leftovers beside the file.
    const QStringList tiedostot = QDir(Kansio()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(tiedostot.size(), 1) << tiedostot.join(u' ').toStdString();
}

// An empty lock file, left by a program killed before it wrote its name into

// it, holds up the next write only briefly. (A lock naming a dead process is

// cleared at once; the killed-writer test meets those.)

TEST_F(Rekisteri, KuolleenOhjelmanLukkoEiEstaKirjoitusta) {
    ASSERT_EQ(AsetaTeksti("K", "v", "1"), ERROR_SUCCESS);
    QFile tyhja(Pesa() + QStringLiteral(".lock"));
    ASSERT_TRUE(tyhja.open(QIODevice::WriteOnly));
    tyhja.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    tyhja.close();
    QElapsedTimer kello;
    kello.start();
    EXPECT_EQ(AsetaTeksti("K", "v", "2"), ERROR_SUCCESS);
    EXPECT_LT(kello.elapsed(), 5000);
    EXPECT_EQ(LueTeksti("K", "v"), "2");

    // A fresh empty lock may be someone's being taken right now: it is waited
    // out, but well within the lock's time-out.
    ASSERT_TRUE(tyhja.open(QIODevice::WriteOnly));
    tyhja.close();
    kello.restart();
    EXPECT_EQ(AsetaTeksti("K", "v", "3"), ERROR_SUCCESS);
    EXPECT_GE(kello.elapsed(), 1500);
    EXPECT_LT(kello.elapsed(), 8000);
}

} // namespace
