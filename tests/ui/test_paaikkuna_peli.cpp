// Whole games in the offscreen main window: the fleet is laid and every shot
// fired by real clicks; only the boards are thinned out beforehand so that a
// game ends within a shot or two instead of a minute of computer pauses.

#include "test_paaikkuna_apu.h"

#include "ParhaatTulokset.h"

#include <QElapsedTimer>

using namespace testi;

namespace {

const QString Odota = QStringLiteral("Odota hetki, vastustajasi ampuu jotakin ruuduistasi...");

// The window as the player sees it in the middle of the computer's pause.
struct Tauolla {
    bool nahty = false;
    QString ohje;
    bool uusiPeli = true;
    bool lopeta = true;
    bool valikko = true;
};

void KatsoTauolla(frmSorvik& w, Tauolla& t, int ms) {
    QTimer::singleShot(ms, &w, [&w, &t] {
        t.nahty = true;
        t.ohje = w.lblOhje()->text();
        t.uusiPeli = w.cmdPainike(0)->isEnabled();
        t.lopeta = w.cmdPainike(1)->isEnabled();
        t.valikko = Toiminto(w, "mUusiPeli")->isEnabled();
    });
}

// The square of the computer's latest shot as the player's grid shows it: 0
// before its first shot, -1 if more than one square claims to be the latest.
int KoneenViimeisin(const frmSorvik& w) {
    int viimeisin = 0;
    for (int n = 1; n <= sorvik::Ruutuja; ++n) {
        const Kuva kuva = w.imgPelaaja()->kuva(n);
        if (kuva == Kuva::OhiViimeksi || kuva == Kuva::OsumaViimeksi) {
            viimeisin = viimeisin == 0 ? n : -1;
        }
    }
    return viimeisin;
}

bool PainikkeetKaytossa(const frmSorvik& w) {
    return w.cmdPainike(0)->isEnabled() && w.cmdPainike(1)->isEnabled() &&
           Toiminto(w, "mUusiPeli")->isEnabled();
}

} // namespace

class TestPaaikkunaPeli : public QObject {
    Q_OBJECT

private slots:
    void init() { AlustaTesti(); }

    void voitto() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        Peli& peli = w.peli();
        APU(SijoitaLaivasto(w));
        QCOMPARE(Ohje(w), SinunVuorosi());
        const int viimeinen = JataKoneelleYksiSukellusvene(peli);
        const int ohi = KoneenVesiruutu(peli);

        // A miss: the computer answers after its pause, inside the click.
        Tauolla tauolla;
        KatsoTauolla(w, tauolla, 500);
        QElapsedTimer kello;
        kello.start();
        Napsauta(w.imgKone(), ohi);
        QVERIFY(kello.elapsed() >= 950);
        QVERIFY(tauolla.nahty);
        QCOMPARE(tauolla.ohje, Odota);
        QVERIFY(!tauolla.uusiPeli);
        QVERIFY(!tauolla.lopeta);
        QVERIFY(!tauolla.valikko);

        QCOMPARE(w.imgKone()->kuva(ohi), Kuva::OhiViimeksi);
        QVERIFY(!w.imgKone()->sallittu(ohi));
        const int koneen = KoneenViimeisin(w);
        QVERIFY(koneen > 0);
        QCOMPARE(peli.KoneenEdellinenRuutu(), koneen);
        QCOMPARE(Ohje(w), SinunVuorosi());
        QVERIFY(PainikkeetKaytossa(w));

        // The shot square is spent: clicking it again starts no turn.
        kello.restart();
        QTest::ignoreMessage(QtWarningMsg,
                             "Mouse event \"MousePress\" not accepted by receiving widget");
        QTest::ignoreMessage(QtWarningMsg,
                             "Mouse event \"MouseRelease\" not accepted by receiving widget");
        Napsauta(w.imgKone(), ohi);
        QVERIFY(kello.elapsed() < 500);
        QCOMPARE(KoneenViimeisin(w), koneen);

        // The last submarine: the game is won and the computer fires no more.
        Vastaaja vastaaja;
        Napsauta(w.imgKone(), viimeinen);
        QCOMPARE(vastaaja.nahdyt.size(), 1U);
        QCOMPARE(vastaaja.nahdyt[0].otsikko, QStringLiteral("Voitit"));
        QCOMPARE(vastaaja.nahdyt[0].teksti,
                 QStringLiteral("Onneksi olkoon, upotit kaikki vastustajasi laivat!"));
        QCOMPARE(vastaaja.nahdyt[0].kuvake, QMessageBox::Information);
        QCOMPARE(w.imgKone()->kuva(viimeinen), Kuva::OsumaViimeksi);
        QCOMPARE(w.imgKone()->kuva(ohi), Kuva::Ohi);
        QCOMPARE(KoneenViimeisin(w), koneen);
        QCOMPARE(peli.KoneenEdellinenRuutu(), koneen);
        QCOMPARE(peli.VoitotPerakkain(), std::int16_t{1});
        QCOMPARE(Ohje(w), QStringLiteral("Olet voittanut yhden pelin. Jatka pelaamista Uusi "
                                         "peli -painikkeella."));
        QVERIFY(PainikkeetKaytossa(w));
        for (int n = 1; n <= sorvik::Ruutuja; ++n) {
            QCOMPARE(w.imgKone()->kursori(n), Kursori::Oletus);
        }

        // Squares never shot take no shot now.
        const std::vector<int> vesi = RuudutTilassa(peli.KoneenRuudut(), Tila::Vesi);
        const int toinen = vesi.back();
        QVERIFY(toinen != ohi && w.imgKone()->sallittu(toinen));
        Napsauta(w.imgKone(), toinen);
        QCOMPARE(w.imgKone()->kuva(toinen), Kuva::Vesi);
        QCOMPARE(vastaaja.nahdyt.size(), 1U);

        // A finished game is left without a question; the streak carries on.
        APU(ik.Aktivoi());
        QTest::keyClick(&w, Qt::Key_F2);
        QCOMPARE(vastaaja.nahdyt.size(), 1U);
        QCOMPARE(peli.VoitotPerakkain(), std::int16_t{1});
        QCOMPARE(Ohje(w), Kehotteet()[0]);
    }

    void havioPaattaaVoittoputken() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        Peli& peli = w.peli();
        APU(SijoitaLaivasto(w));
        APU(VoitaPeli(w));
        APU(ik.Aktivoi());
        QTest::keyClick(&w, Qt::Key_F2);
        QCOMPARE(peli.VoitotPerakkain(), std::int16_t{1});
        APU(SijoitaLaivasto(w));

        const int viimeinen = JataPelaajalleYksiSukellusvene(peli);
        const std::vector<int> koneenLaivat = RuudutTilassa(peli.KoneenRuudut(), Tila::Laiva);
        const int ohi = KoneenVesiruutu(peli);
        Vastaaja vastaaja({QStringLiteral("OK"), QStringLiteral("OK")});
        QString onnittelu;
        vastaaja.kunNahdaan = [&onnittelu](QWidget* ikkuna) {
            if (auto* teksti = ikkuna->findChild<QLabel*>(QStringLiteral("lblTeksti"))) {
                onnittelu = teksti->text();
            }
        };
        Tauolla tauolla;
        KatsoTauolla(w, tauolla, 500);
        Napsauta(w.imgKone(), ohi);

        QCOMPARE(tauolla.ohje, Odota);
        QCOMPARE(vastaaja.otsikot(),
                 (QStringList{QStringLiteral("Hävisit"), QStringLiteral("Onneksi olkoon!")}));
        QCOMPARE(vastaaja.nahdyt[0].teksti, QStringLiteral("Vastustajasi upotti kaikki laivasi!"));
        QCOMPARE(vastaaja.nahdyt[0].kuvake, QMessageBox::Warning);
        QCOMPARE(onnittelu, QStringLiteral("Voitit 1 pelin peräkkäin ja pääset tuloksellasi "
                                           "parhaiden tulosten listalle.\n\n\nKirjoita nimesi:"));
        QCOMPARE(w.imgPelaaja()->kuva(viimeinen), Kuva::OsumaViimeksi);

        // The computer's fleet is shown, and its grid is dead.
        QCOMPARE(koneenLaivat.size(), 20U);
        for (const int n : koneenLaivat) {
            QCOMPARE(w.imgKone()->kuva(n), Kuva::Laiva);
        }
        for (int n = 1; n <= sorvik::Ruutuja; ++n) {
            QCOMPARE(w.imgKone()->kursori(n), Kursori::Oletus);
        }
        QCOMPARE(Ohje(w), QStringLiteral("Aloita uusi peli painamalla Uusi peli -painiketta."));
        QVERIFY(PainikkeetKaytossa(w));

        // The name went onto the list and the streak is over.
        QCOMPARE(peli.VoitotPerakkain(), std::int16_t{0});
        QCOMPARE(w.lista().ParasPelaaja[0], std::string("Nimetön"));
        QCOMPARE(w.lista().ParasTulos[0], std::int16_t{1});
        QCOMPARE(Lue("ParasTulos0"), std::string("1"));

        QElapsedTimer kello;
        kello.start();
        Napsauta(w.imgKone(), koneenLaivat.front());
        QVERIFY(kello.elapsed() < 500);
        QCOMPARE(w.imgKone()->kuva(koneenLaivat.front()), Kuva::Laiva);
        QCOMPARE(vastaaja.nahdyt.size(), 2U);
    }

    // Quitting while the computer waits: the menu entry stays usable, and
    // the window's close box is there too.
    void lopetusKoneenTauolla_data() {
        QTest::addColumn<Lopetus>("tapa");
        QTest::addColumn<QString>("vastaus");
        QTest::newRow("valikko, Kyllä") << Lopetus::Valikko << QStringLiteral("Kyllä");
        QTest::newRow("sulkemisruutu, Kyllä") << Lopetus::Sulkemisruutu << QStringLiteral("Kyllä");
        QTest::newRow("valikko, Ei") << Lopetus::Valikko << QStringLiteral("Ei");
        QTest::newRow("sulkemisruutu, Ei") << Lopetus::Sulkemisruutu << QStringLiteral("Ei");
    }

    void lopetusKoneenTauolla() {
        QFETCH(Lopetus, tapa);
        QFETCH(QString, vastaus);
        const bool lopetetaan = vastaus == QStringLiteral("Kyllä");
        Ikkuna ik;
        frmSorvik& w = *ik;
        Peli& peli = w.peli();
        APU(SijoitaLaivasto(w));
        const int ohi = KoneenVesiruutu(peli);

        Vastaaja vastaaja({}, vastaus);
        QTimer::singleShot(200, &w, [&w, tapa] { PyydaLopetusta(w, tapa); });
        QElapsedTimer kello;
        kello.start();
        Napsauta(w.imgKone(), ohi);
        const qint64 kesto = kello.elapsed();

        QCOMPARE(vastaaja.otsikot(), QStringList{QStringLiteral("Lopeta")});
        QCOMPARE(w.imgKone()->kuva(ohi), Kuva::OhiViimeksi);
        if (lopetetaan) {
            QVERIFY(kesto < 900);
            QVERIFY(!w.isVisible());
            QVERIFY(!w.tmrAjastin().isActive());
            QTest::qWait(1000);
            QCOMPARE(KoneenViimeisin(w), 0);
            QCOMPARE(peli.KoneenEdellinenRuutu(), std::int16_t{0});
            for (int n = 1; n <= sorvik::Ruutuja; ++n) {
                QVERIFY(w.imgPelaaja()->kuva(n) == Kuva::Vesi ||
                        w.imgPelaaja()->kuva(n) == Kuva::Laiva);
            }
        } else {
            QVERIFY(kesto >= 950);
            QVERIFY(w.isVisible());
            QVERIFY(KoneenViimeisin(w) > 0);
            QCOMPARE(Ohje(w), SinunVuorosi());
        }
    }

    // In the running program a confirmed quit ends the application's event
    // loop, also from inside the computer's pause, and nothing is shot.
    void lopetusPaattaaOhjelman_data() {
        QTest::addColumn<bool>("tauolla");
        QTest::addColumn<Lopetus>("tapa");
        QTest::newRow("valikko vuorojen välissä") << false << Lopetus::Valikko;
        QTest::newRow("valikko koneen tauolla") << true << Lopetus::Valikko;
        QTest::newRow("sulkemisruutu koneen tauolla") << true << Lopetus::Sulkemisruutu;
    }

    void lopetusPaattaaOhjelman() {
        QFETCH(bool, tauolla);
        QFETCH(Lopetus, tapa);
        Ikkuna ik;
        frmSorvik& w = *ik;
        APU(SijoitaLaivasto(w));
        const int ohi = KoneenVesiruutu(w.peli());

        Vastaaja vastaaja({}, QStringLiteral("Kyllä"));
        bool vartijaLaukesi = false;
        QTimer vartija;
        vartija.setSingleShot(true);
        connect(&vartija, &QTimer::timeout, &w, [&vartijaLaukesi] {
            vartijaLaukesi = true;
            QCoreApplication::exit(1);
        });
        vartija.start(5000);
        const auto lopeta = [&w, tapa] { PyydaLopetusta(w, tapa); };
        QTimer::singleShot(0, &w, [&w, tauolla, ohi, lopeta] {
            if (tauolla) {
                QTimer::singleShot(200, &w, lopeta);
                Napsauta(w.imgKone(), ohi);
            } else {
                lopeta();
            }
        });
        QElapsedTimer kello;
        kello.start();
        const int tulos = QApplication::exec();

        QVERIFY(!vartijaLaukesi);
        QCOMPARE(tulos, 0);
        QVERIFY(kello.elapsed() < 900);
        QCOMPARE(vastaaja.otsikot(), QStringList{QStringLiteral("Lopeta")});
        QVERIFY(!w.isVisible());
        QCOMPARE(KoneenViimeisin(w), 0);
    }
};

QTEST_MAIN(TestPaaikkunaPeli)
#include "test_paaikkuna_peli.moc"
