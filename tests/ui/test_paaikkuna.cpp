// The main window offscreen: placement by mouse, new games, quitting and the
// display check at start-up.

#include "test_paaikkuna_apu.h"

using namespace testi;

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
};

QTEST_MAIN(TestPaaikkuna)
#include "test_paaikkuna.moc"
