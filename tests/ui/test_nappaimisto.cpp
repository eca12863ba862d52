// The main window without a mouse: the Tab chain, the focus frame, a whole
// placement and a shot by keys, Enter on each button, the keys that must keep
// working on a grid, and what a screen reader is told.

#include "Kuuntelija.h"
#include "test_paaikkuna_apu.h"

#include <QAccessibleActionInterface>
#include <QMenu>

using namespace testi;

namespace {

// A key as the user types it: to whatever has the focus.
void Nappain(frmSorvik& w, Qt::Key avain, Qt::KeyboardModifiers muut = Qt::NoModifier) {
    QWidget* kohde = QApplication::focusWidget();
    QTest::keyClick(kohde != nullptr ? kohde : &w, avain, muut);
}

// Moves a grid's focus square to `ruutu` with the arrow keys.
void Siirry(frmSorvik& w, RuudukkoWidget* ruudukko, int ruutu) {
    QCOMPARE(QApplication::focusWidget(), ruudukko);
    while (ruudukko->kohdistettu() != ruutu) {
        const int nyt = ruudukko->kohdistettu();
        Qt::Key avain = Qt::Key_Right;
        if (sorvik::Rivi(nyt) < sorvik::Rivi(ruutu)) {
            avain = Qt::Key_Down;
        } else if (sorvik::Rivi(nyt) > sorvik::Rivi(ruutu)) {
            avain = Qt::Key_Up;
        } else if (sorvik::Sarake(nyt) > sorvik::Sarake(ruutu)) {
            avain = Qt::Key_Left;
        }
        Nappain(w, avain);
    }
}

// Squares of either grid that show a focus frame, as "P12" or "K3".
QStringList Kehykset(const frmSorvik& w) {
    QStringList tulos;
    for (int k = 1; k <= sorvik::Ruutuja; ++k) {
        if (static_cast<RuutuWidget*>(w.imgPelaaja()->ruutu(k))->kehys()) {
            tulos << QStringLiteral("P%1").arg(k);
        }
        if (static_cast<RuutuWidget*>(w.imgKone()->ruutu(k))->kehys()) {
            tulos << QStringLiteral("K%1").arg(k);
        }
    }
    return tulos;
}

// Where the focus goes with each of `maara` presses of Tab (or Shift+Tab).
QList<QWidget*> Kierto(frmSorvik& w, int maara, Qt::KeyboardModifiers muut = Qt::NoModifier) {
    QList<QWidget*> tulos;
    for (int i = 0; i < maara; ++i) {
        Nappain(w, Qt::Key_Tab, muut);
        tulos << QApplication::focusWidget();
    }
    return tulos;
}

} // namespace

class TestNappaimisto : public QObject {
    Q_OBJECT

private slots:
    void init() { AlustaTesti(); }

    // No frame until the keyboard is used; the first Tab reaches the
    // player's grid; the hidden strip's buttons are out of the chain.
    void sarkainjarjestysJaKehys() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        QVERIFY(Kehykset(w).isEmpty());
        QCOMPARE(QApplication::focusWidget(), &w);

        QWidget* oma = w.imgPelaaja();
        QWidget* kone = w.imgKone();
        QWidget* uusi = w.cmdPainike(0);
        QWidget* lopeta = w.cmdPainike(1);
        QCOMPARE(Kierto(w, 1), QList<QWidget*>{oma});
        QCOMPARE(Kehykset(w), QStringList{QStringLiteral("P1")});
        QCOMPARE(Kierto(w, 4), (QList<QWidget*>{kone, uusi, lopeta, oma}));
        QCOMPARE(Kierto(w, 2, Qt::ShiftModifier), (QList<QWidget*>{lopeta, uusi}));

        // A mouse click hides the frame; the grid keeps its focus square.
        QCOMPARE(Kierto(w, 1), QList<QWidget*>{lopeta});
        QCOMPARE(Kierto(w, 2), (QList<QWidget*>{oma, kone}));
        Nappain(w, Qt::Key_End);
        QCOMPARE(Kehykset(w), QStringList{QStringLiteral("K10")});
        Napsauta(w.imgPelaaja(), 61, Qt::RightButton);
        QVERIFY(Kehykset(w).isEmpty());
        QCOMPARE(Kierto(w, 3), (QList<QWidget*>{uusi, lopeta, oma}));
        QCOMPARE(Kehykset(w), QStringList{QStringLiteral("P1")});
        QCOMPARE(Kierto(w, 1), QList<QWidget*>{kone});
        QCOMPARE(Kehykset(w), QStringList{QStringLiteral("K10")});

        // A new game: no frame, and the first Tab again reaches the player's grid.
        QTest::keyClick(&w, Qt::Key_F2);
        QVERIFY(PelaajanLautaTyhja(w));
        QVERIFY(Kehykset(w).isEmpty());
        QCOMPARE(Kierto(w, 1), QList<QWidget*>{oma});

        Toiminto(w, "mNaytaPainikkeet")->trigger();
        QCOMPARE(Kierto(w, 3), (QList<QWidget*>{kone, oma, kone}));
        QCOMPARE(Kierto(w, 1, Qt::ShiftModifier), QList<QWidget*>{oma});
    }

    // The whole fleet and a shot by keys alone, each key going through the
    // same phase checks as a click.
    void peliNappaimistolla() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        Peli& peli = w.peli();
        Nappain(w, Qt::Key_Tab);
        Nappain(w, Qt::Key_Tab);
        // The computer's grid takes no shot while ships are being placed.
        Nappain(w, Qt::Key_Return);
        Nappain(w, Qt::Key_Space);
        QCOMPARE(w.imgKone()->kuva(1), Kuva::Vesi);
        QVERIFY(w.imgKone()->sallittu(1));
        Nappain(w, Qt::Key_Tab, Qt::ShiftModifier);

        int i = 0;
        for (const Laukaus& l : PelaajanSijoitukset()) {
            QCOMPARE(Ohje(w), Kehotteet()[i++]);
            APU(Siirry(w, w.imgPelaaja(), l.ruutu));
            if (l.painike == Qt::LeftButton) {
                Nappain(w, i % 2 == 0 ? Qt::Key_Space : Qt::Key_Return);
            } else {
                Nappain(w, i % 2 == 0 ? Qt::Key_Space : Qt::Key_Return, Qt::ShiftModifier);
            }
            for (const int n : l.laivaRuudut) {
                QCOMPARE(w.imgPelaaja()->kuva(n), Kuva::Laiva);
            }
        }
        QVERIFY(peli.AmmuntaKaynnissa());
        QCOMPARE(Ohje(w), SinunVuorosi());

        // The player's grid takes no more ships.
        const Lauta ennen = PelaajanLauta(w);
        APU(Siirry(w, w.imgPelaaja(), 50));
        Nappain(w, Qt::Key_Space);
        QVERIFY(PelaajanLauta(w) == ennen);

        // A shot; a key pressed during the computer's pause is ignored.
        Nappain(w, Qt::Key_Tab);
        const int ohi = KoneenVesiruutu(peli);
        const int toinen = RuudutTilassa(peli.KoneenRuudut(), Tila::Vesi).back();
        APU(Siirry(w, w.imgKone(), ohi));
        QTimer::singleShot(500, &w, [&w, toinen] {
            w.imgKone()->kohdista(toinen);
            Nappain(w, Qt::Key_Return);
        });
        Nappain(w, Qt::Key_Return);
        QCOMPARE(w.imgKone()->kuva(ohi), Kuva::OhiViimeksi);
        QVERIFY(!w.imgKone()->sallittu(ohi));
        QCOMPARE(w.imgKone()->kuva(toinen), Kuva::Vesi);
        QVERIFY(w.imgKone()->sallittu(toinen));
        QCOMPARE(Ohje(w), SinunVuorosi());

        // After the win no square takes a shot.
        Vastaaja vastaaja;
        const int viimeinen = JataKoneelleYksiSukellusvene(peli);
        w.imgKone()->kohdista(viimeinen);
        Nappain(w, Qt::Key_Return);
        QCOMPARE(vastaaja.otsikot(), QStringList{QStringLiteral("Voitit")});
        APU(ik.Aktivoi());
        w.imgKone()->setFocus();
        w.imgKone()->kohdista(toinen);
        Nappain(w, Qt::Key_Return);
        QCOMPARE(w.imgKone()->kuva(toinen), Kuva::Vesi);
        QCOMPARE(vastaaja.nahdyt.size(), 1U);
    }

    // A focused button takes Enter; elsewhere Enter presses "Uusi peli"
    // (on a grid it is the focus square's).
    void enter_data() {
        QTest::addColumn<QString>("kohde");
        QTest::addColumn<bool>("uusiPeli");
        QTest::addColumn<bool>("kysytaan");
        QTest::newRow("ikkuna") << QString() << true << false;
        QTest::newRow("Uusi peli") << QStringLiteral("cmdPainike(0)") << true << false;
        QTest::newRow("Lopeta") << QStringLiteral("cmdPainike(1)") << false << true;
        QTest::newRow("Lopeta, saavutettavuus")
            << QStringLiteral("a11y cmdPainike(1)") << false << true;
        QTest::newRow("vastustajan ruudukko") << QStringLiteral("imgKone") << false << false;
    }
    void enter() {
        QFETCH(QString, kohde);
        QFETCH(bool, uusiPeli);
        QFETCH(bool, kysytaan);
        Ikkuna ik;
        frmSorvik& w = *ik;
        Napsauta(w.imgPelaaja(), 61, Qt::RightButton);
        if (kohde.startsWith(QStringLiteral("a11y "))) {
            auto* painike = w.findChild<QWidget*>(kohde.mid(5));
            Liittyma(painike)->actionInterface()->doAction(
                QAccessibleActionInterface::setFocusAction());
        } else if (!kohde.isEmpty()) {
            w.findChild<QWidget*>(kohde)->setFocus(Qt::TabFocusReason);
        }
        Vastaaja vastaaja({}, QStringLiteral("Ei"));
        Nappain(w, Qt::Key_Return);
        QTest::qWait(30);
        QCOMPARE(PelaajanLautaTyhja(w), uusiPeli);
        QCOMPARE(vastaaja.otsikot(),
                 kysytaan ? QStringList{QStringLiteral("Lopeta")} : QStringList{});
        QVERIFY(w.isVisible());
    }

    // F2, F1, the access keys and Esc work as before with a grid focused.
    void muutNappaimetRuudukossa() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        Napsauta(w.imgPelaaja(), 61, Qt::RightButton);
        Nappain(w, Qt::Key_Tab);
        Nappain(w, Qt::Key_Escape);
        QVERIFY(!PelaajanLautaTyhja(w));
        Nappain(w, Qt::Key_F1);
        QCOMPARE(ik.avatut.size(), 1U);
        Nappain(w, Qt::Key_F2);
        QVERIFY(PelaajanLautaTyhja(w));

        Nappain(w, Qt::Key_Tab);
        Napsauta(w.imgPelaaja(), 61, Qt::RightButton);
        Nappain(w, Qt::Key_U, Qt::AltModifier);
        QTRY_VERIFY(PelaajanLautaTyhja(w)); // an access key clicks after a moment
        Nappain(w, Qt::Key_Tab);
        Vastaaja vastaaja({}, QStringLiteral("Ei"));
        Nappain(w, Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(vastaaja.otsikot(), QStringList{QStringLiteral("Lopeta")});

        // A menu's access key opens it; Esc closes it.
        APU(ik.Aktivoi());
        w.imgKone()->setFocus(Qt::TabFocusReason);
        auto* nayta = w.findChild<QMenu*>(QStringLiteral("mnuNayta"));
        Nappain(w, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(nayta->isVisible());
        QTest::keyClick(nayta, Qt::Key_Escape);
        QTRY_VERIFY(!nayta->isVisible());
    }

    // After a win or a loss the toggle changes its check mark and the
    // stored value only; the finished board gets no misses painted.
    void epakelvotRuudutPelinJalkeen_data() {
        QTest::addColumn<bool>("voitto");
        QTest::newRow("voitto") << true;
        QTest::newRow("häviö") << false;
    }
    void epakelvotRuudutPelinJalkeen() {
        QFETCH(bool, voitto);
        Ikkuna ik;
        frmSorvik& w = *ik;
        APU(SijoitaLaivasto(w));
        if (voitto) {
            APU(VoitaPeli(w));
        } else {
            // The computer's last shot must sink the last ship; the reserved
            // squares it did not need are reserved again afterwards.
            const std::vector<int> varatut =
                RuudutTilassa(w.peli().PelaajanRuudut(), Tila::Varattu);
            const int viimeinen = JataPelaajalleYksiSukellusvene(w.peli());
            Vastaaja vastaaja;
            Napsauta(w.imgKone(), KoneenVesiruutu(w.peli()));
            QCOMPARE(vastaaja.otsikot(), QStringList{QStringLiteral("Hävisit")});
            QCOMPARE(w.imgPelaaja()->kuva(viimeinen), Kuva::OsumaViimeksi);
            PelinValmistelu::AsetaTila(w.peli(), Ruudukko::Pelaaja, varatut, Tila::Varattu);
        }
        QVERIFY(!w.peli().PeliKaynnissa());
        std::vector<Kuva> kuvat;
        for (int n = 1; n <= sorvik::Ruutuja; ++n) {
            kuvat.push_back(w.imgPelaaja()->kuva(n));
        }
        QAction* epakelvot = Toiminto(w, "mNaytaMahdottomatLaivaruudut");
        for (const bool odotettu : {false, true}) {
            epakelvot->trigger();
            QCOMPARE(epakelvot->isChecked(), odotettu);
            QCOMPARE(Lue("NaytaMahdottomatLaivaruudut"), std::string(odotettu ? "True" : "False"));
            for (int n = 1; n <= sorvik::Ruutuja; ++n) {
                QCOMPARE(w.imgPelaaja()->kuva(n), kuvat[static_cast<std::size_t>(n - 1)]);
            }
        }
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // The status line says when it changes, and each new text is announced
    // once as a notification inside it; a message box is an alert; the
    // computer's ships have no names until the loss shows them.
    void ruudunlukijalle() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        Kuuntelija kuuntelija;
        Tikitys(w);
        Napsauta(w.imgPelaaja(), 61, Qt::RightButton);
        Tikitys(w);
        Tikitys(w);
        QCOMPARE(Kuuntelija::lajia(QStringLiteral("nimi")).filter(QStringLiteral("Sijoita")),
                 QStringList{Kehotteet()[1]});
        QCOMPARE(Liittyma(w.lblOhje())->text(QAccessible::Name), Kehotteet()[1]);
        QCOMPARE(Liittyma(w.lblOhje())->role(), QAccessible::StatusBar);
        // With no focus square the announcement is the status text alone.
        QCOMPARE(Kuuntelija::lajia(QStringLiteral("ilmoitus")),
                 (QStringList{Kehotteet()[0], Kehotteet()[1]}));
        QAccessibleInterface* rivi = Liittyma(w.lblOhje());
        QAccessibleInterface* ilmoitus = rivi->child(rivi->childCount() - 1);
        QVERIFY(ilmoitus != nullptr);
        QCOMPARE(ilmoitus->role(), QAccessible::Notification);
        QCOMPARE(ilmoitus->parent(), rivi);
        QCOMPARE(rivi->indexOfChild(ilmoitus), rivi->childCount() - 1);
        QCOMPARE(ilmoitus->text(QAccessible::Name), Kehotteet()[1]);

        for (std::size_t i = 1; i < PelaajanSijoitukset().size(); ++i) {
            Napsauta(w.imgPelaaja(), PelaajanSijoitukset()[i].ruutu,
                     PelaajanSijoitukset()[i].painike);
        }
        const auto koneenNimet = [&w] {
            QStringList nimet;
            for (int n = 1; n <= sorvik::Ruutuja; ++n) {
                nimet << Liittyma(w.imgKone()->ruutu(n))->text(QAccessible::Name);
            }
            return nimet.filter(QStringLiteral("laiva")).size();
        };
        QCOMPARE(koneenNimet(), 0);
        JataPelaajalleYksiSukellusvene(w.peli());
        const int laivoja =
            static_cast<int>(RuudutTilassa(w.peli().KoneenRuudut(), Tila::Laiva).size());
        QAccessible::Role rooli = QAccessible::NoRole;
        Vastaaja vastaaja;
        vastaaja.kunNahdaan = [&rooli](QWidget* ikkuna) { rooli = Liittyma(ikkuna)->role(); };
        Napsauta(w.imgKone(), KoneenVesiruutu(w.peli()));
        QCOMPARE(vastaaja.otsikot(), QStringList{QStringLiteral("Hävisit")});
        QCOMPARE(rooli, QAccessible::AlertMessage);
        QVERIFY(Kuuntelija::lajia(QStringLiteral("hälytys")).contains(QStringLiteral("Hävisit")));
        QCOMPARE(koneenNimet(), laivoja);
    }

    // The news of the player's own move on the focus square is said first;
    // a text is announced once, and not over an open message box.
    void ilmoitukset() {
        Ikkuna ik;
        frmSorvik& w = *ik;
        Kuuntelija kuuntelija;
        Tikitys(w);
        Nappain(w, Qt::Key_Tab);
        Siirry(w, w.imgPelaaja(), 61);
        Tikitys(w);
        Nappain(w, Qt::Key_Space, Qt::ShiftModifier);
        Tikitys(w);
        Tikitys(w);
        const auto ilmoitukset = [] { return Kuuntelija::lajia(QStringLiteral("ilmoitus")); };
        QCOMPARE(ilmoitukset(),
                 (QStringList{Kehotteet()[0], QStringLiteral("A7, oma laiva. ") + Kehotteet()[1]}));
        // Moving the focus square is no news, and a text said is not repeated.
        Siirry(w, w.imgPelaaja(), 8);
        Tikitys(w);
        QCOMPARE(ilmoitukset().size(), 2);
        Nappain(w, Qt::Key_Space);
        Tikitys(w);
        QCOMPARE(ilmoitukset().size(), 3);
        QCOMPARE(ilmoitukset().back(), QStringLiteral("H1, oma laiva. ") + Kehotteet()[2]);

        for (std::size_t i = 2; i < PelaajanSijoitukset().size(); ++i) {
            Napsauta(w.imgPelaaja(), PelaajanSijoitukset()[i].ruutu,
                     PelaajanSijoitukset()[i].painike);
        }
        Tikitys(w);
        JataPelaajalleYksiSukellusvene(w.peli());
        QStringList laatikonAikana;
        Vastaaja vastaaja;
        vastaaja.kunNahdaan = [&](QWidget*) {
            Tikitys(w);
            laatikonAikana = ilmoitukset();
        };
        Napsauta(w.imgKone(), KoneenVesiruutu(w.peli()));
        QCOMPARE(vastaaja.otsikot(), QStringList{QStringLiteral("Hävisit")});
        const QString loppu = QString::fromStdString(w.peli().Ohjeteksti());
        QCOMPARE(w.lblOhje()->text(), loppu);
        QVERIFY(laatikonAikana.filter(loppu).isEmpty());
        ik.Aktivoi();
        Tikitys(w);
        QCOMPARE(ilmoitukset().filter(loppu), QStringList{loppu});
    }
};

QTEST_MAIN(TestNappaimisto)
#include "test_nappaimisto.moc"
