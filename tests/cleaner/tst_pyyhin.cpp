// sorvikpyyhin: what it deletes, what it keeps and what it tells the user.

#include "../platform/RekisteriApu.h"
#include "Vastaaja.h"
#include "frmSorvikPoisto.h"

#include <QTest>

namespace {

constexpr const char* Ohjelma = "Software\\Harvokki\\Sorvik 1.1 Freeware";

QString Teksti(const char* polku, const std::string& nimi) {
    return QString::fromStdString(LueTeksti(polku, nimi.c_str()));
}

} // namespace

class TestPyyhin : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OmaKoti> koti;

    // Runs the cleaner's start-up and checks the one box it shows.
    static bool Aja(bool poistuu) {
        Vastaaja vastaaja;
        sorvik::frmSorvikPoisto lomake;
        const bool poistettu = lomake.Form_Load();
        const NahtyLaatikko& n = vastaaja.nahty;
        [&] {
            QVERIFY(n.nahty);
            QCOMPARE(n.otsikko, poistuu ? QStringLiteral("Poistettu") : QStringLiteral("Virhe"));
            QCOMPARE(
                n.teksti,
                poistuu ? QStringLiteral("Sorvik-ohjelman järjestelmätiedot poistettu!")
                        : QStringLiteral("Sorvik-ohjelman järjestelmätietojen poisto ei onnistu."));
            QCOMPARE(n.kuvake, QMessageBox::Warning);
            QCOMPARE(n.painikkeet, QStringList{QStringLiteral("OK")});
        }();
        return poistettu;
    }

private slots:
    void init() {
        koti = std::make_unique<OmaKoti>();
        QVERIFY(koti->Kelpaa());
    }

    void poistaaAvaimenSailyttaaVanhemmanJaToisellaKertaaKertooVirheen() {
        QCOMPARE(AsetaTeksti(Ohjelma, "ParasPelaaja0", "Maija"), ERROR_SUCCESS);
        QCOMPARE(AsetaTeksti(Ohjelma, "NaytaPainikkeet", "True"), ERROR_SUCCESS);
        QCOMPARE(AsetaTeksti("Software\\Harvokki\\Muu", "v", "1"), ERROR_SUCCESS);
        QCOMPARE(AsetaTeksti("Software\\Harvokki", "oma", "2"), ERROR_SUCCESS);

        QVERIFY(Aja(true));
        QVERIFY(!AvainOn(Ohjelma));
        QVERIFY(AvainOn("Software\\Harvokki"));
        QCOMPARE(Teksti("Software\\Harvokki", "oma"), QStringLiteral("2"));
        QCOMPARE(Teksti("Software\\Harvokki\\Muu", "v"), QStringLiteral("1"));

        QVERIFY(!Aja(false));
        QVERIFY(AvainOn("Software\\Harvokki"));
    }

    void alaavaimellinenAvainJaaJaKertooVirheen() {
        QCOMPARE(AsetaTeksti("Software\\Harvokki\\Sorvik 1.1 Freeware\\Ala", "x", "1"),
                 ERROR_SUCCESS);
        QVERIFY(!Aja(false));
        QVERIFY(AvainOn("Software\\Harvokki\\Sorvik 1.1 Freeware\\Ala"));
    }

    void kirjoittamatonKansioKertooVirheen() {
        QVERIFY(koti->EstaKansio());
        QVERIFY(!Aja(false));
    }

    // Writers under the same parent key keep every value while the cleaner
    // deletes the program's key among them.
    void kirjoittajienKeskellaEiHukuMitaan() {
        QCOMPARE(AsetaTeksti(Ohjelma, "ParasPelaaja0", "Maija"), ERROR_SUCCESS);
        constexpr int Kirjoittajia = 3;
        std::vector<std::unique_ptr<QProcess>> kirjoittajat;
        for (int k = 0; k < Kirjoittajia; ++k) {
            kirjoittajat.push_back(
                KaynnistaKirjoittaja(QStringLiteral("Software\\Harvokki\\Kirjoittaja"),
                                     QStringLiteral("k%1_").arg(k), -1));
        }
        // The cleaner starts once the writers are under way, and they go on
        // writing until it has finished.
        for (auto& p : kirjoittajat) {
            QVERIFY(p->waitForReadyRead(20000));
        }
        const auto ajaPyyhin = [](const char* otsikko, int koodi) {
            QProcess pyyhin;
            pyyhin.start(QStringLiteral(SORVIK_PYYHIN_VASTAAJA), QStringList{});
            QVERIFY(pyyhin.waitForFinished(30000));
            QCOMPARE(pyyhin.exitStatus(), QProcess::NormalExit);
            QCOMPARE(pyyhin.readAllStandardOutput().trimmed(), QByteArray(otsikko));
            QCOMPARE(pyyhin.exitCode(), koodi);
        };
        ajaPyyhin("Poistettu", 0);
        QTest::qWait(50);

        std::vector<std::pair<std::string, std::string>> kuitatut;
        for (int k = 0; k < Kirjoittajia; ++k) {
            QProcess& p = *kirjoittajat[static_cast<std::size_t>(k)];
            p.kill();
            QVERIFY(p.waitForFinished(10000));
            QCOMPARE(p.readAllStandardError(), QByteArray());
            const auto omat = Kuitatut(p, QStringLiteral("k%1_").arg(k).toStdString());
            kuitatut.insert(kuitatut.end(), omat.begin(), omat.end());
        }
        QVERIFY(kuitatut.size() >= 3);
        for (const auto& [nimi, n] : kuitatut) {
            QCOMPARE(Teksti("Software\\Harvokki\\Kirjoittaja", nimi), QString::fromStdString(n));
        }
        QVERIFY(!AvainOn(Ohjelma));
        QVERIFY(AvainOn("Software\\Harvokki"));

        // A second cleaner finds nothing to delete.
        ajaPyyhin("Virhe", 1);
    }
};

QTEST_MAIN(TestPyyhin)
#include "tst_pyyhin.moc"
