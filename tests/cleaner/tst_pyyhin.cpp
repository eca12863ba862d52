// sorvikpyyhin: what it deletes, what it keeps and what it tells the user.

#include "Vastaaja.h"
#include "frmSorvikPoisto.h"
#include "rekisteri.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* Ohjelma = "Software\\Harvokki\\Sorvik 1.1 Freeware";

LONG AsetaTeksti(const char* polku, const char* nimi, const std::string& teksti) {
    HKEY h = nullptr;
    LONG r = RegCreateKeyA(HKEY_CURRENT_USER, polku, &h);
    if (r == ERROR_SUCCESS) {
        r = RegSetValueExA(h, nimi, 0, REG_SZ, reinterpret_cast<const BYTE*>(teksti.c_str()),
                           static_cast<DWORD>(teksti.size() + 1));
        RegCloseKey(h);
    }
    return r;
}

QString LueTeksti(const char* polku, const std::string& nimi) {
    HKEY h = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, polku, &h) != ERROR_SUCCESS) {
        return QStringLiteral("<ei avainta>");
    }
    char puskuri[64] = {};
    DWORD koko = sizeof puskuri;
    const LONG r = RegQueryValueExA(h, nimi.c_str(), nullptr, nullptr,
                                    reinterpret_cast<BYTE*>(puskuri), &koko);
    RegCloseKey(h);
    return r == ERROR_SUCCESS ? QString::fromLatin1(puskuri) : QStringLiteral("<ei arvoa>");
}

bool AvainOn(const char* polku) {
    HKEY h = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, polku, &h) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(h);
    return true;
}

const QString Poistettu = QStringLiteral("Sorvik-ohjelman järjestelmätiedot poistettu!");
const QString EiOnnistu = QStringLiteral("Sorvik-ohjelman järjestelmätietojen poisto ei onnistu.");

} // namespace

class TestPyyhin : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> koti;

    static NahtyLaatikko Aja(bool& poistettu) {
        Vastaaja vastaaja;
        sorvik::frmSorvikPoisto lomake;
        poistettu = lomake.Form_Load();
        return vastaaja.nahty;
    }

    static void VertaaLaatikkoa(const NahtyLaatikko& n, const QString& otsikko,
                                const QString& teksti) {
        QVERIFY(n.nahty);
        QCOMPARE(n.otsikko, otsikko);
        QCOMPARE(n.teksti, teksti);
        QCOMPARE(n.kuvake, QMessageBox::Warning);
        QCOMPARE(n.painikkeet, QStringList{QStringLiteral("OK")});
    }

private slots:
    void init() {
        koti = std::make_unique<QTemporaryDir>();
        QVERIFY(koti->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(koti->path()));
    }

    void poistaaAvaimenJaSailyttaaVanhemman() {
        QCOMPARE(AsetaTeksti(Ohjelma, "ParasPelaaja0", "Maija"), ERROR_SUCCESS);
        QCOMPARE(AsetaTeksti(Ohjelma, "NaytaPainikkeet", "True"), ERROR_SUCCESS);
        QCOMPARE(AsetaTeksti("Software\\Harvokki\\Muu", "v", "1"), ERROR_SUCCESS);
        QCOMPARE(AsetaTeksti("Software\\Harvokki", "oma", "2"), ERROR_SUCCESS);

        bool poistettu = false;
        VertaaLaatikkoa(Aja(poistettu), QStringLiteral("Poistettu"), Poistettu);
        QVERIFY(poistettu);
        QVERIFY(!AvainOn(Ohjelma));
        QVERIFY(AvainOn("Software\\Harvokki"));
        QCOMPARE(LueTeksti("Software\\Harvokki", "oma"), QStringLiteral("2"));
        QCOMPARE(LueTeksti("Software\\Harvokki\\Muu", "v"), QStringLiteral("1"));
    }

    void toinenAjoKertooVirheen() {
        QCOMPARE(AsetaTeksti(Ohjelma, "NaytaPainikkeet", "True"), ERROR_SUCCESS);
        bool poistettu = false;
        VertaaLaatikkoa(Aja(poistettu), QStringLiteral("Poistettu"), Poistettu);
        VertaaLaatikkoa(Aja(poistettu), QStringLiteral("Virhe"), EiOnnistu);
        QVERIFY(!poistettu);
        QVERIFY(AvainOn("Software\\Harvokki"));
    }

    void alaavaimellinenAvainJaaJaKertooVirheen() {
        QCOMPARE(AsetaTeksti("Software\\Harvokki\\Sorvik 1.1 Freeware\\Ala", "x", "1"),
                 ERROR_SUCCESS);
        bool poistettu = true;
        VertaaLaatikkoa(Aja(poistettu), QStringLiteral("Virhe"), EiOnnistu);
        QVERIFY(!poistettu);
        QVERIFY(AvainOn("Software\\Harvokki\\Sorvik 1.1 Freeware\\Ala"));
    }

    void kirjoittamatonKansioKertooVirheen() {
        QFile este(koti->path() + QStringLiteral("/sorvik"));
        QVERIFY(este.open(QIODevice::WriteOnly));
        este.close();
        bool poistettu = true;
        VertaaLaatikkoa(Aja(poistettu), QStringLiteral("Virhe"), EiOnnistu);
        QVERIFY(!poistettu);
    }

    // Writers under the same parent key keep every value while the cleaner
    // deletes the program's key among them.
    void kirjoittajienKeskellaEiHukuMitaan() {
        QCOMPARE(AsetaTeksti(Ohjelma, "ParasPelaaja0", "Maija"), ERROR_SUCCESS);
        constexpr int Kirjoittajia = 3;
        std::vector<std::unique_ptr<QProcess>> kirjoittajat;
        for (int k = 0; k < Kirjoittajia; ++k) {
            auto p = std::make_unique<QProcess>();
            p->start(QStringLiteral(SORVIK_KIRJOITTAJA),
                     {QStringLiteral("Software\\Harvokki\\Kirjoittaja"),
                      QStringLiteral("k%1_").arg(k), QStringLiteral("-1")});
            kirjoittajat.push_back(std::move(p));
        }
        // The cleaner starts once the writers are under way, and they go on
        // writing until it has finished.
        for (auto& p : kirjoittajat) {
            QVERIFY(p->waitForReadyRead(20000));
        }
        QProcess pyyhin;
        pyyhin.start(QStringLiteral(SORVIK_PYYHIN_VASTAAJA), QStringList{});
        QVERIFY(pyyhin.waitForFinished(30000));
        QCOMPARE(pyyhin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(pyyhin.readAllStandardOutput().trimmed(), QByteArray("Poistettu"));
        QCOMPARE(pyyhin.exitCode(), 0);
        QTest::qWait(50);

        std::vector<std::pair<std::string, QString>> kuitatut;
        for (int k = 0; k < Kirjoittajia; ++k) {
            QProcess& p = *kirjoittajat[static_cast<std::size_t>(k)];
            p.kill();
            QVERIFY(p.waitForFinished(10000));
            QCOMPARE(p.readAllStandardError(), QByteArray());
            for (const QByteArray& rivi : p.readAllStandardOutput().split('\n')) {
                if (rivi.startsWith("ok ")) {
                    const QString n = QString::fromLatin1(rivi.mid(3));
                    kuitatut.emplace_back("k" + std::to_string(k) + "_" + n.toStdString(), n);
                }
            }
        }
        QVERIFY(kuitatut.size() >= 3);
        for (const auto& [nimi, n] : kuitatut) {
            QCOMPARE(LueTeksti("Software\\Harvokki\\Kirjoittaja", nimi), n);
        }
        QVERIFY(!AvainOn(Ohjelma));
        QVERIFY(AvainOn("Software\\Harvokki"));

        // A second cleaner finds nothing to delete.
        pyyhin.start(QStringLiteral(SORVIK_PYYHIN_VASTAAJA), QStringList{});
        QVERIFY(pyyhin.waitForFinished(30000));
        QCOMPARE(pyyhin.readAllStandardOutput().trimmed(), QByteArray("Virhe"));
        QCOMPARE(pyyhin.exitCode(), 1);
    }
};

QTEST_MAIN(TestPyyhin)
#include "tst_pyyhin.moc"
