// The main window's menus and what they control: the bottom strip, the
// options kept across runs, and the help and web targets.

#include "test_paaikkuna_apu.h"

#include "frmTietoja.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>

using namespace testi;

namespace {

void Kirjoita(const char* nimi, const std::string& arvo) {
    KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, nimi, 1, arvo);
}

// How many of the bottom strip's frame and two buttons are visible.
int AlalaidassaNakyvia(const frmSorvik& w) {
    return static_cast<int>(w.findChild<QGroupBox*>(QStringLiteral("fraOhje"))->isVisible()) +
           static_cast<int>(w.cmdPainike(0)->isVisible()) +
           static_cast<int>(w.cmdPainike(1)->isVisible());
}

// How many of the two buttons take clicks.
int PainikkeitaKaytossa(const frmSorvik& w) {
    return static_cast<int>(w.cmdPainike(0)->isEnabled()) +
           static_cast<int>(w.cmdPainike(1)->isEnabled());
}

} // namespace

class TestPaaikkunaValikot : public QObject {
    Q_OBJECT

private slots:
    void init() { AlustaTesti(); }

    // --- Menus --------------------------------------------------------------

    void ikkuna_otsikotValikotJaPikanappaimet() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        QCOMPARE(w.windowTitle(), QStringLiteral("Sorvik"));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.findChild<QGroupBox*>(QStringLiteral("fraOhje"))->title(),
                 QStringLiteral("Toimintaohje"));
        QCOMPARE(w.cmdPainike(0)->text(), QStringLiteral("&Uusi peli"));
        QCOMPARE(w.cmdPainike(1)->text(), QStringLiteral("&Lopeta"));
        QVERIFY(w.cmdPainike(0)->isDefault());
        QCOMPARE(w.tmrAjastin().interval(), 10);
        QVERIFY(w.tmrAjastin().isActive());

        // The menu bar menu by menu: name and caption, then the entries ("-" for
        // a separator).
        QStringList valikot;
        for (const QAction* otsikko : w.menuBar()->actions()) {
            const QMenu* valikko = otsikko->menu();
            QVERIFY(valikko != nullptr);
            valikot << valikko->objectName() + ": " + valikko->title();
            for (const QAction* rivi : valikko->actions()) {
                valikot << "  " + rivi->objectName() + ": " +
                               (rivi->isSeparator() ? QStringLiteral("-") : rivi->text());
            }
        }
        QCOMPARE(valikot,
                 (QStringList{
                     "mnuTiedosto: &Tiedosto",
                     "  mUusiPeli: &Uusi peli    ",
                     "  vTiedosto: -",
                     "  mLopeta: &Lopeta",
                     "mnuNayta: &Näytä",
                     "  mNaytaPainikkeet: &Ikkunan alalaidan painikkeet    ",
                     "  mNaytaMahdottomatLaivaruudut: &Epäkelvot ruudut laivoja sijoiteltaessa",
                     "  vNayta: -",
                     "  mNaytaParhaatTulokset: &Parhaat tulokset...",
                     "  mNaytaAsetukset: &Asetukset...",
                     "mnuOhje: &Ohje",
                     "  mReadmeOhje: &Readme-ohje",
                     "  vOhje: -",
                     "  mOhjelmapaivitykset: Ohjelma&päivitykset...",
                     "  mPalautettaOhjelmasta: P&alautetta ohjelmasta...    ",
                     "  mVirheilmoitukset: &Virheilmoitukset...",
                     "  vOhje2: -",
                     "  mTietojaOhjelmasta: &Tietoja ohjelmasta...",
                 }));

        QCOMPARE(Toiminto(w, "mUusiPeli")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(Toiminto(w, "mReadmeOhje")->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(!Toiminto(w, "mNaytaAsetukset")->isVisible());
        for (const char* nimi : {"mNaytaPainikkeet", "mNaytaMahdottomatLaivaruudut"}) {
            QVERIFY2(Toiminto(w, nimi)->isCheckable(), nimi);
            QVERIFY2(Toiminto(w, nimi)->isChecked(), nimi); // a fresh profile
        }
    }

    // --- The bottom strip ---------------------------------------------------

    void alalaita_piilotetaanJaPalautetaan() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        QAction* painikkeet = Toiminto(w, "mNaytaPainikkeet");
        const int korkeus = w.height();
        QCOMPARE(AlalaidassaNakyvia(w), 3);

        // Shown, Enter presses the default button: a new game.
        Napsauta(w.imgPelaaja(), 61, Qt::RightButton);
        QTest::keyClick(&w, Qt::Key_Return);
        QVERIFY(PelaajanLautaTyhja(w));

        painikkeet->trigger();
        QVERIFY(!painikkeet->isChecked());
        QCOMPARE(Lue("NaytaPainikkeet"), std::string("False"));
        QTRY_COMPARE(w.height(), korkeus - frmSorvik::AlalaidanKorkeus);
        QCOMPARE(AlalaidassaNakyvia(w), 0);
        QCOMPARE(PainikkeitaKaytossa(w), 0);
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // The timer enables them again, out of sight; still nothing reaches
        // the game through them.
        Tikitys(w);
        QCOMPARE(PainikkeitaKaytossa(w), 2);
        QCOMPARE(AlalaidassaNakyvia(w), 0);
        Napsauta(w.imgPelaaja(), 61, Qt::RightButton);
        const Lauta ennen = PelaajanLauta(w);
        Vastaaja vastaaja;
        QTest::keyClick(&w, Qt::Key_Return);
        QTest::keyClick(&w, Qt::Key_Enter);
        QTest::keyClick(&w, Qt::Key_U, Qt::AltModifier);
        QTest::keyClick(&w, Qt::Key_L, Qt::AltModifier);
        w.cmdPainike(0)->click();
        w.cmdPainike(1)->click();
        QTest::qWait(30);
        QVERIFY(vastaaja.nahdyt.empty());
        QVERIFY(PelaajanLauta(w) == ennen);
        QVERIFY(w.isVisible());

        painikkeet->trigger();
        QVERIFY(painikkeet->isChecked());
        QCOMPARE(Lue("NaytaPainikkeet"), std::string("True"));
        QTRY_COMPARE(w.height(), korkeus);
        QCOMPARE(AlalaidassaNakyvia(w), 3);
        QCOMPARE(PainikkeitaKaytossa(w), 2);
    }

    // --- Options across a restart -------------------------------------------

    void asetukset_valinnatSailyvatSeuraavaanKaynnistykseen() {
        int korkeus = 0;
        {
            Ikkuna ik;
            korkeus = ik->height();
            Toiminto(*ik, "mNaytaPainikkeet")->trigger();
            Toiminto(*ik, "mNaytaMahdottomatLaivaruudut")->trigger();
        }
        {
            Ikkuna ik;
            QVERIFY(!Toiminto(*ik, "mNaytaPainikkeet")->isChecked());
            QVERIFY(!Toiminto(*ik, "mNaytaMahdottomatLaivaruudut")->isChecked());
            QCOMPARE(ik->height(), korkeus - frmSorvik::AlalaidanKorkeus);
            QCOMPARE(AlalaidassaNakyvia(*ik), 0);
            QCOMPARE(PainikkeitaKaytossa(*ik), 2);
            Toiminto(*ik, "mNaytaMahdottomatLaivaruudut")->trigger();
        }
        Ikkuna ik;
        QVERIFY(!Toiminto(*ik, "mNaytaPainikkeet")->isChecked());
        QVERIFY(Toiminto(*ik, "mNaytaMahdottomatLaivaruudut")->isChecked());
    }

    void asetukset_tallennettuArvoKaynnistettaessa_data() {
        QTest::addColumn<QString>("arvo"); // "-": no value at all
        QTest::addColumn<bool>("valittu");
        QTest::newRow("False") << QStringLiteral("False") << false;
        QTest::newRow("True") << QStringLiteral("True") << true;
        QTest::newRow("puuttuu") << QStringLiteral("-") << true;
        QTest::newRow("true") << QStringLiteral("true") << false;
        QTest::newRow("TRUE") << QStringLiteral("TRUE") << false;
        QTest::newRow("tyhja") << QString() << false;
    }

    void asetukset_tallennettuArvoKaynnistettaessa() {
        QFETCH(QString, arvo);
        QFETCH(bool, valittu);
        const int tavallinen = Ikkuna()->height(); // nothing stored yet
        if (arvo != QStringLiteral("-")) {
            Kirjoita("NaytaPainikkeet", arvo.toStdString());
            Kirjoita("NaytaMahdottomatLaivaruudut", arvo.toStdString());
        }
        Ikkuna ik;
        QCOMPARE(Toiminto(*ik, "mNaytaPainikkeet")->isChecked(), valittu);
        QCOMPARE(Toiminto(*ik, "mNaytaMahdottomatLaivaruudut")->isChecked(), valittu);
        QCOMPARE(ik->height(), tavallinen - (valittu ? 0 : frmSorvik::AlalaidanKorkeus));
        QCOMPARE(AlalaidassaNakyvia(*ik), valittu ? 3 : 0);
    }

    // --- Help, web targets and dialogs --------------------------------------

    void ohje_kohteetAvataanKuoresta() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        QTest::keyClick(&w, Qt::Key_F1);
        for (const char* nimi :
             {"mOhjelmapaivitykset", "mPalautettaOhjelmasta", "mVirheilmoitukset", "mReadmeOhje"}) {
            Toiminto(w, nimi)->trigger();
        }
        const QUrl readme =
            QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/readme.txt");
        QCOMPARE(
            ik.avatut,
            (std::vector<QUrl>{
                readme,
                QUrl(QStringLiteral("http://" SORVIK_WWW "/software/index.shtml?sorvik11")),
                QUrl(QStringLiteral("http://" SORVIK_WWW
                                    "/software/forum.cgi?toiminto=uusi_aihe&kategoria=sorvik")),
                QUrl(QStringLiteral("mailto:" SORVIK_VIRHE_EMAIL)),
                readme,
            }));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // F1 opens the readme beside the program (a build tree), else the one
    // installed with the documents, found from the program's folder.
    void ohje_readmeVierestaTaiAsennetuista_data() {
        QTest::addColumn<bool>("vieressa");
        QTest::addColumn<bool>("asennettu");
        QTest::addColumn<bool>("avataanAsennettu");
        QTest::newRow("vain vieressä") << true << false << false;
        QTest::newRow("vain asennettu") << false << true << true;
        QTest::newRow("molemmat") << true << true << false;
        QTest::newRow("ei kumpaakaan") << false << false << false;
    }
    void ohje_readmeVierestaTaiAsennetuista() {
        QFETCH(bool, vieressa);
        QFETCH(bool, asennettu);
        QFETCH(bool, avataanAsennettu);
        const QTemporaryDir juuri;
        const QString pelit = juuri.filePath(QStringLiteral("usr/games"));
        const QString ohjeet = QDir::cleanPath(pelit + QStringLiteral("/" SORVIK_OHJEKANSIO));
        QVERIFY(QDir().mkpath(pelit) && QDir().mkpath(ohjeet));
        for (const auto& [luodaan, kansio] : {std::pair{vieressa, pelit}, {asennettu, ohjeet}}) {
            QFile tiedosto(kansio + QStringLiteral("/readme.txt"));
            QVERIFY(!luodaan || tiedosto.open(QIODevice::WriteOnly));
        }
        std::vector<QUrl> avatut;
        Ymparisto y;
        y.avaa = [&avatut](const QUrl& kohde) { avatut.push_back(kohde); };
        y.twipsiaPikselilla = [] { return 15.0; };
        y.ohjelmanKansio = pelit;
        frmSorvik w(std::move(y));
        w.mReadmeOhje_Click();
        const QString odotettu =
            (avataanAsennettu ? ohjeet : pelit) + QStringLiteral("/readme.txt");
        QCOMPARE(avatut, std::vector<QUrl>{QUrl::fromLocalFile(odotettu)});
    }

    void ohje_dialogitAvautuvatModaalisina() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        QStringList modaalit;
        Vastaaja vastaaja({QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("Peruuta")});
        vastaaja.kunNahdaan = [&](QWidget* ikkuna) {
            if (ikkuna->isModal() && ikkuna->parentWidget() == &w) {
                modaalit << QString::fromLatin1(ikkuna->metaObject()->className());
            }
            // The About dialog's links go through the window's opener too.
            if (auto* linkki = ikkuna->findChild<QLabel*>(QStringLiteral("lblWWW"))) {
                QTest::mouseClick(linkki, Qt::LeftButton);
            }
        };
        Toiminto(w, "mTietojaOhjelmasta")->trigger();
        QCOMPARE(ik.avatut, std::vector<QUrl>{frmTietoja::VerkkosivunOsoite()});
        Toiminto(w, "mNaytaParhaatTulokset")->trigger();
        // The settings dialog has no visible entry; its handler still works.
        w.mNaytaAsetukset_Click();
        QCOMPARE(vastaaja.otsikot(),
                 (QStringList{QStringLiteral("Tietoja ohjelmasta"),
                              QStringLiteral("Parhaat tulokset"), QStringLiteral("Asetukset")}));
        QCOMPARE(modaalit, (QStringList{QStringLiteral("sorvik::frmTietoja"),
                                        QStringLiteral("sorvik::frmParhaatTulokset"),
                                        QStringLiteral("sorvik::frmAsetukset")}));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(TestPaaikkunaValikot)
#include "test_paaikkuna_valikot.moc"
