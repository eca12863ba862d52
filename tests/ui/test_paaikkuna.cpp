// The main window offscreen: placement by mouse, new games, quitting, the
// menus, the bottom strip, the options kept across runs, the display check and
// the help and web targets.

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

class TestPaaikkuna : public QObject {
    Q_OBJECT

private slots:
    void init() { AlustaTesti(); }

    // --- Placement ----------------------------------------------------------

    void sijoitus_napsautuksetLaskevatLaivastonKehotteidenMukaan() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        Peli& peli = w.peli();
        QVERIFY(Toiminto(w, "mNaytaMahdottomatLaivaruudut")->isChecked());
        QCOMPARE(w.lblOhje()->text(), Kehotteet()[0]);
        QCOMPARE(Ohje(w), Kehotteet()[0]);

        for (int i = 0; i < sorvik::LaivojaLaivastossa; ++i) {
            if (i == 2) {
                // Down from 42 the cruiser meets the reserved 62: what was laid
                // of it turns back to water, and the same ship is asked again.
                Napsauta(w.imgPelaaja(), 42, Qt::RightButton);
                for (const int n : {42, 52}) {
                    QCOMPARE(peli.PelaajanRuudut()[n], Tila::Vesi);
                    QCOMPARE(w.imgPelaaja()->kuva(n), Kuva::Vesi);
                }
                QVERIFY(!peli.PelaajanLaivat()[2].Sijoitettu);
                QCOMPARE(Ohje(w), Kehotteet()[2]);
            }
            const Laukaus& l = PelaajanSijoitukset()[static_cast<std::size_t>(i)];
            Napsauta(w.imgPelaaja(), l.ruutu, l.painike);
            QVERIFY2(peli.PelaajanLaivat()[static_cast<std::size_t>(i)].Sijoitettu,
                     qPrintable(Kehotteet()[i]));
            for (const int n : l.laivaRuudut) {
                QCOMPARE(peli.PelaajanRuudut()[n], Tila::Laiva);
                QCOMPARE(w.imgPelaaja()->kuva(n), Kuva::Laiva);
            }
            if (i + 1 < sorvik::LaivojaLaivastossa) {
                QCOMPARE(Ohje(w), Kehotteet()[i + 1]);
                for (const int n : RuudutTilassa(peli.PelaajanRuudut(), Tila::Varattu)) {
                    QCOMPARE(w.imgPelaaja()->kuva(n), Kuva::Ohi);
                }
            }
        }

        // After the tenth ship the reserved squares look like water again.
        const std::vector<int> varatut = RuudutTilassa(peli.PelaajanRuudut(), Tila::Varattu);
        QVERIFY(varatut.size() > 20);
        for (const int n : varatut) {
            QCOMPARE(w.imgPelaaja()->kuva(n), Kuva::Vesi);
        }
        QCOMPARE(Ohje(w), SinunVuorosi());
        for (int n = 1; n <= sorvik::Ruutuja; ++n) {
            QVERIFY(w.imgKone()->sallittu(n));
            QCOMPARE(w.imgKone()->kursori(n), Kursori::Sormi);
            QCOMPARE(w.imgPelaaja()->kursori(n), Kursori::Oletus);
        }

        // The player's grid takes no more ships.
        const Lauta ennen = PelaajanLauta(w);
        Napsauta(w.imgPelaaja(), 50);
        Napsauta(w.imgPelaaja(), 50, Qt::RightButton);
        QVERIFY(PelaajanLauta(w) == ennen);
    }

    void sijoitus_epakelvotRuudutSeuraavatValikonValintaa() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        QAction* epakelvot = Toiminto(w, "mNaytaMahdottomatLaivaruudut");

        epakelvot->trigger();
        QVERIFY(!epakelvot->isChecked());
        QCOMPARE(Lue("NaytaMahdottomatLaivaruudut"), std::string("False"));
        Napsauta(w.imgPelaaja(), 61, Qt::RightButton);
        const std::vector<int> varatut = RuudutTilassa(w.peli().PelaajanRuudut(), Tila::Varattu);
        QCOMPARE(varatut, (std::vector<int>{51, 62, 72, 82, 92}));
        for (const int n : varatut) {
            QCOMPARE(w.imgPelaaja()->kuva(n), Kuva::Vesi);
        }

        epakelvot->trigger();
        QVERIFY(epakelvot->isChecked());
        QCOMPARE(Lue("NaytaMahdottomatLaivaruudut"), std::string("True"));
        for (const int n : varatut) {
            QCOMPARE(w.imgPelaaja()->kuva(n), Kuva::Ohi);
        }
    }

    // --- New game -----------------------------------------------------------

    void uusiPeli_F2AloittaaAlustaIlmanKysymystaKunPutkeaEiOle() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        Napsauta(w.imgPelaaja(), 61, Qt::RightButton);
        Napsauta(w.imgPelaaja(), 8);
        QCOMPARE(Ohje(w), Kehotteet()[2]);
        QVERIFY(w.peli().PeliKaynnissa());

        Vastaaja vastaaja;
        QTest::keyClick(&w, Qt::Key_F2);
        QVERIFY(vastaaja.nahdyt.empty());
        QVERIFY(PelaajanLautaTyhja(w));
        QVERIFY(!w.peli().PeliKaynnissa());
        QCOMPARE(Ohje(w), Kehotteet()[0]);
        QCOMPARE(RuudutTilassa(w.peli().KoneenRuudut(), Tila::Laiva).size(), 20U);
    }

    void uusiPeli_kysyyVainPutkenAikanaKeskenOlevasta() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        Peli& peli = w.peli();
        Vastaaja vastaaja(
            {QStringLiteral("Ei"), QStringLiteral("Kyllä"), QStringLiteral("Peruuta")});

        // A streak but no game under way yet: no question, the streak stays.
        PelinValmistelu::AsetaPutki(peli, 1);
        QTest::keyClick(&w, Qt::Key_F2);
        QVERIFY(vastaaja.nahdyt.empty());
        QCOMPARE(peli.VoitotPerakkain(), std::int16_t{1});

        // One ship laid: F2 asks, and Ei leaves everything as it was.
        Napsauta(w.imgPelaaja(), 61, Qt::RightButton);
        QCOMPARE(Ohje(w), Kehotteet()[1]);
        const Lauta ennen = PelaajanLauta(w);
        QTest::keyClick(&w, Qt::Key_F2);
        QCOMPARE(vastaaja.nahdyt.size(), 1U);
        const Nahty& kysymys = vastaaja.nahdyt[0];
        QCOMPARE(kysymys.otsikko, QStringLiteral("Uusi peli"));
        QCOMPARE(kysymys.teksti,
                 QStringLiteral("Haluatko varmasti keskeyttää nykyisen pelin ja\naloittaa uuden?"));
        QCOMPARE(kysymys.kuvake, QMessageBox::Question);
        QCOMPARE(kysymys.oletus, QStringLiteral("Kyllä"));
        QVERIFY(PelaajanLauta(w) == ennen);
        QVERIFY(peli.PeliKaynnissa());
        QCOMPARE(peli.VoitotPerakkain(), std::int16_t{1});
        QCOMPARE(Ohje(w), Kehotteet()[1]);

        // The button asks the same; Kyllä ends the streak, which beats the
        // empty list, and a new game begins.
        w.cmdPainike(0)->click();
        QCOMPARE(vastaaja.otsikot(),
                 (QStringList{QStringLiteral("Uusi peli"), QStringLiteral("Uusi peli"),
                              QStringLiteral("Onneksi olkoon!")}));
        QCOMPARE(peli.VoitotPerakkain(), std::int16_t{0});
        QVERIFY(PelaajanLautaTyhja(w));
        QCOMPARE(Ohje(w), Kehotteet()[0]);
    }

    // --- Quitting -----------------------------------------------------------

    void lopeta_kysyyEnnenKuinLopettaa_data() {
        QTest::addColumn<Lopetus>("tapa");
        QTest::newRow("painike") << Lopetus::Painike;
        QTest::newRow("valikko") << Lopetus::Valikko;
        QTest::newRow("sulkemisruutu") << Lopetus::Sulkemisruutu;
    }

    void lopeta_kysyyEnnenKuinLopettaa() {
        QFETCH(Lopetus, tapa);
        Ikkuna ik;
        frmSorvik& w = *ik;
        Napsauta(w.imgPelaaja(), 61, Qt::RightButton);
        const Lauta ennen = PelaajanLauta(w);

        Vastaaja vastaaja({QStringLiteral("Ei"), QStringLiteral("Kyllä")});
        PyydaLopetusta(w, tapa);
        QCOMPARE(vastaaja.nahdyt.size(), 1U);
        QCOMPARE(vastaaja.nahdyt[0].otsikko, QStringLiteral("Lopeta"));
        QCOMPARE(vastaaja.nahdyt[0].teksti,
                 QStringLiteral("Haluatko varmasti lopettaa Sorvik-ohjelman käytön?"));
        QCOMPARE(vastaaja.nahdyt[0].kuvake, QMessageBox::Question);
        QCOMPARE(vastaaja.nahdyt[0].oletus, QStringLiteral("Ei"));
        QVERIFY(w.isVisible());
        QVERIFY(w.tmrAjastin().isActive());
        QVERIFY(PelaajanLauta(w) == ennen);

        PyydaLopetusta(w, tapa);
        QCOMPARE(vastaaja.otsikot(), QStringList(2, QStringLiteral("Lopeta")));
        QVERIFY(!w.isVisible());
        QVERIFY(!w.tmrAjastin().isActive());

        // Once the quit is under way nothing acts or asks any more.
        w.cmdPainike(0)->click();
        w.cmdPainike(1)->click();
        Toiminto(w, "mUusiPeli")->trigger();
        Toiminto(w, "mLopeta")->trigger();
        Napsauta(w.imgPelaaja(), 8);
        QTest::qWait(30);
        QCOMPARE(vastaaja.nahdyt.size(), 2U);
        QVERIFY(PelaajanLauta(w) == ennen);
        QVERIFY(!w.isVisible());
    }

    void lopeta_kaynnissaOlevaPutkiTarjotaanListalle() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        PelinValmistelu::AsetaPutki(w.peli(), 2);
        Vastaaja vastaaja({QStringLiteral("Kyllä"), QStringLiteral("OK")});
        w.cmdPainike(1)->click();
        QCOMPARE(vastaaja.otsikot(),
                 (QStringList{QStringLiteral("Lopeta"), QStringLiteral("Onneksi olkoon!")}));
        QVERIFY(!w.isVisible());
        QCOMPARE(Lue("ParasPelaaja0"), std::string("Nimetön"));
        QCOMPARE(Lue("ParasTulos0"), std::string("2"));
    }

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

    // --- Display check ------------------------------------------------------

    void naytto_tarkistus_data() {
        QTest::addColumn<double>("twipsia");
        QTest::addColumn<bool>("huomautus");
        QTest::newRow("96 dpi") << 15.0 << false;
        QTest::newRow("120 dpi") << 12.0 << false;
        QTest::newRow("144 dpi") << 10.0 << true;
        QTest::newRow("72 dpi") << 20.0 << true;
    }

    void naytto_tarkistus() {
        QFETCH(double, twipsia);
        QFETCH(bool, huomautus);
        Vastaaja vastaaja;
        Ikkuna ik(twipsia, false);
        if (!huomautus) {
            QVERIFY(vastaaja.nahdyt.empty());
        } else {
            QCOMPARE(vastaaja.nahdyt.size(), 1U);
            QCOMPARE(vastaaja.nahdyt[0].otsikko, QStringLiteral("Tiedoksi"));
            QCOMPARE(vastaaja.nahdyt[0].teksti,
                     QStringLiteral("Ohjelman ulkoasussa saattaa esiintyä puutteita\n"
                                    "käyttämilläsi näytön asetuksilla."));
            QCOMPARE(vastaaja.nahdyt[0].kuvake, QMessageBox::Information);
        }
        // Start-up carried on to the first game.
        QCOMPARE(Ohje(*ik), Kehotteet()[0]);
        QVERIFY(QApplication::overrideCursor() == nullptr);
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

QTEST_MAIN(TestPaaikkuna)
#include "test_paaikkuna.moc"
