#include "Kuuntelija.h"
#include "Kuvat.h"
#include "Ruudukko.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

using sorvik::Kursori;
using sorvik::Kuva;
using sorvik::Ruudukko;
using sorvik::RuudukkoWidget;
using testi::Kuuntelija;

namespace {

// Records both signals in the order they come.
struct Tapahtumat : QObject {
    QStringList kirjattu;
    explicit Tapahtumat(RuudukkoWidget& r) {
        connect(&r, &RuudukkoWidget::hiiriYlos, this, [this](int ruutu, int painike) {
            kirjattu << QStringLiteral("ylos %1 %2").arg(ruutu).arg(painike);
        });
        connect(&r, &RuudukkoWidget::napsautus, this,
                [this](int ruutu) { kirjattu << QStringLiteral("napsautus %1").arg(ruutu); });
    }
};

struct Laskuri : QObject {
    QEvent::Type tyyppi;
    int maara = 0;
    explicit Laskuri(QEvent::Type t) : tyyppi(t) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == tyyppi) {
            ++maara;
        }
        return false;
    }
};

QImage kuvaksi(const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_ARGB32);
}

QAccessibleInterface* liittyma(QObject* olio) {
    return QAccessible::queryAccessibleInterface(olio);
}

// The squares that show a focus frame.
QList<int> kehykset(const RuudukkoWidget& r) {
    QList<int> tulos;
    for (int k = 1; k <= RuudukkoWidget::Ruutuja; ++k) {
        if (static_cast<sorvik::RuutuWidget*>(r.ruutu(k))->kehys()) {
            tulos << k;
        }
    }
    return tulos;
}

} // namespace

class TestRuudukko : public QObject {
    Q_OBJECT

private slots:
    void geometria() {
        RuudukkoWidget r(Ruudukko::Pelaaja);
        QCOMPARE(r.size(), QSize(236, 236));
        QCOMPARE(r.ruutu(1)->geometry(), QRect(0, 0, 20, 20));
        QCOMPARE(r.ruutu(10)->geometry(), QRect(216, 0, 20, 20));
        QCOMPARE(r.ruutu(11)->geometry(), QRect(0, 24, 20, 20));
        QCOMPARE(r.ruutu(100)->geometry(), QRect(216, 216, 20, 20));
        QCOMPARE(r.ruutu(0), nullptr);
        QCOMPARE(r.ruutu(101), nullptr);
        r.asetaKuva(101, Kuva::Laiva); // ignored
        QCOMPARE(RuudukkoWidget::ruutuKohdassa(QPoint(19, 19)), 1);
        QCOMPARE(RuudukkoWidget::ruutuKohdassa(QPoint(20, 5)), 0);
        QCOMPARE(RuudukkoWidget::ruutuKohdassa(QPoint(24, 235)), 92);
        QCOMPARE(RuudukkoWidget::ruutuKohdassa(QPoint(236, 0)), 0);
    }

    // What a screen reader reads, through Qt's accessibility interface, and
    // the events that tell it a name changed.
    void saavutettavatNimet() {
        RuudukkoWidget oma(Ruudukko::Pelaaja);
        RuudukkoWidget kone(Ruudukko::Kone);
        QCOMPARE(liittyma(&oma)->text(QAccessible::Name), QStringLiteral("Oma ruudukko"));
        QCOMPARE(liittyma(&kone)->text(QAccessible::Name), QStringLiteral("Vastustajan ruudukko"));
        QCOMPARE(liittyma(&kone)->childCount(), RuudukkoWidget::Ruutuja);
        QAccessibleInterface* a1 = liittyma(&kone)->child(0);
        QCOMPARE(a1->text(QAccessible::Name), QStringLiteral("A1, vesi"));
        QCOMPARE(a1->role(), QAccessible::Button);
        QCOMPARE(liittyma(kone.ruutu(15))->text(QAccessible::Name), QStringLiteral("E2, vesi"));
        QCOMPARE(liittyma(kone.ruutu(100))->text(QAccessible::Name), QStringLiteral("J10, vesi"));

        const std::tuple<Kuva, const char*, const char*> kuvat[] = {
            {Kuva::Laiva, "A10, oma laiva", "A10, laiva"},
            {Kuva::Osuma, "A10, osuma", "A10, osuma"},
            {Kuva::OsumaViimeksi, "A10, osuma, viimeisin laukaus", "A10, osuma, viimeisin laukaus"},
            {Kuva::Ohi, "A10, ohi", "A10, ohi"},
            {Kuva::OhiViimeksi, "A10, ohi, viimeisin laukaus", "A10, ohi, viimeisin laukaus"},
            {Kuva::Vesi, "A10, vesi", "A10, vesi"}};
        Kuuntelija kuuntelija;
        QStringList odotetut;
        for (const auto& [kuva, omaNimi, koneenNimi] : kuvat) {
            oma.asetaKuva(91, kuva);
            kone.asetaKuva(91, kuva);
            kone.asetaKuva(91, kuva); // the same again: no event
            QCOMPARE(liittyma(oma.ruutu(91))->text(QAccessible::Name), QString::fromUtf8(omaNimi));
            QCOMPARE(liittyma(kone.ruutu(91))->text(QAccessible::Name),
                     QString::fromUtf8(koneenNimi));
            odotetut << QStringLiteral("nimi: ") + QString::fromUtf8(omaNimi)
                     << QStringLiteral("nimi: ") + QString::fromUtf8(koneenNimi);
        }
        QCOMPARE(Kuuntelija::kuullut, odotetut);

        // A shot square is unavailable and can no longer be pressed.
        kone.salli(91, false);
        QVERIFY(liittyma(kone.ruutu(91))->state().disabled);
        QCOMPARE(liittyma(kone.ruutu(91))->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::setFocusAction()});
    }

    void kursoriJaSallinta() {
        RuudukkoWidget r(Ruudukko::Pelaaja);
        QCOMPARE(r.kursori(7), Kursori::Oletus);
        r.asetaKursori(7, Kursori::Sormi);
        QCOMPARE(r.kursori(7), Kursori::Sormi);
        QCOMPARE(r.ruutu(7)->cursor().shape(), Qt::PointingHandCursor);
        r.asetaKursori(7, Kursori::Oletus);
        QCOMPARE(r.ruutu(7)->cursor().shape(), Qt::ArrowCursor);

        // A cell's own flag counts, not whether the whole grid is enabled.
        r.setEnabled(false);
        r.salli(4, false);
        r.setEnabled(true);
        QVERIFY(!r.sallittu(4));
        QVERIFY(!r.ruutu(4)->isEnabled());
        r.salli(4, true);
        QVERIFY(r.sallittu(4));
        QVERIFY(r.ruutu(4)->isEnabled());
    }

    void painallusJaVapautusEriRuuduissa_data() {
        QTest::addColumn<Qt::MouseButton>("painike");
        QTest::addColumn<int>("koodi");
        QTest::newRow("vasen") << Qt::LeftButton << 1;
        QTest::newRow("oikea") << Qt::RightButton << 2;
        QTest::newRow("keski") << Qt::MiddleButton << 4;
    }
    void painallusJaVapautusEriRuuduissa() {
        QFETCH(Qt::MouseButton, painike);
        QFETCH(int, koodi);
        RuudukkoWidget r(Ruudukko::Pelaaja);
        Tapahtumat t(r);
        QTest::mousePress(r.ruutu(12), painike);
        QTest::mouseRelease(r.ruutu(57), painike);
        QCOMPARE(t.kirjattu, QStringList{QStringLiteral("ylos 12 %1").arg(koodi)});

        t.kirjattu.clear();
        QTest::mouseClick(r.ruutu(33), painike);
        QStringList odotettu{QStringLiteral("ylos 33 %1").arg(koodi)};
        if (painike == Qt::LeftButton) {
            odotettu << QStringLiteral("napsautus 33");
        }
        QCOMPARE(t.kirjattu, odotettu);
    }

    // Under the implicit grab the pressed cell gets the release wherever the
    // pointer is; only a release inside it is a click.
    void vapautusRuudunUlkopuolella() {
        RuudukkoWidget r(Ruudukko::Pelaaja);
        Tapahtumat t(r);
        for (const QPoint paikka : {QPoint(22, 5), QPoint(30, 5), QPoint(-3, 5)}) {
            QTest::mousePress(r.ruutu(1), Qt::LeftButton);
            QTest::mouseRelease(r.ruutu(1), Qt::LeftButton, {}, paikka);
        }
        QCOMPARE(t.kirjattu, QStringList(3, QStringLiteral("ylos 1 1")));
    }

    void kaksiPainiketta() {
        RuudukkoWidget r(Ruudukko::Pelaaja);
        Tapahtumat t(r);
        QTest::mousePress(r.ruutu(3), Qt::LeftButton);
        QTest::mousePress(r.ruutu(3), Qt::RightButton);
        QTest::mouseRelease(r.ruutu(3), Qt::RightButton);
        QTest::mouseRelease(r.ruutu(3), Qt::LeftButton);
        QCOMPARE(t.kirjattu, (QStringList{QStringLiteral("ylos 3 2"), QStringLiteral("ylos 3 1"),
                                          QStringLiteral("napsautus 3")}));
    }

    void kiellettyRuutuOnHiljaa() {
        QWidget ikkuna;
        RuudukkoWidget r(Ruudukko::Kone, &ikkuna);
        Tapahtumat t(r);
        Laskuri vanhemmalle(QEvent::MouseButtonPress);
        r.installEventFilter(&vanhemmalle);
        ikkuna.installEventFilter(&vanhemmalle);

        r.salli(5, false);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not accepted"));
        QTest::mousePress(r.ruutu(5), Qt::LeftButton);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not accepted"));
        QTest::mouseRelease(r.ruutu(5), Qt::LeftButton);
        QVERIFY(t.kirjattu.isEmpty());
        QCOMPARE(vanhemmalle.maara, 0);

        // Disabled while the button is down: the release is lost.
        QTest::mousePress(r.ruutu(6), Qt::LeftButton);
        r.salli(6, false);
        QTest::mouseRelease(r.ruutu(7), Qt::LeftButton);
        QVERIFY(t.kirjattu.isEmpty());

        r.salli(5, true);
        QTest::mouseClick(r.ruutu(5), Qt::LeftButton);
        QCOMPARE(t.kirjattu,
                 (QStringList{QStringLiteral("ylos 5 1"), QStringLiteral("napsautus 5")}));
    }

    // A cell shows exactly its picture, enabled or not.
    void piirtaaKuvansa() {
        RuudukkoWidget r(Ruudukko::Pelaaja);
        r.asetaKuva(44, Kuva::OsumaViimeksi);
        const QImage odotettu = kuvaksi(sorvik::RuudunKuva(Kuva::OsumaViimeksi, 1));
        QCOMPARE(kuvaksi(r.ruutu(44)->grab()), odotettu);
        r.salli(44, false);
        QCOMPARE(kuvaksi(r.ruutu(44)->grab()), odotettu);
    }

    // Setting what a cell already shows must not repaint it.
    void samaTilaEiPiirraUudelleen() {
        RuudukkoWidget r(Ruudukko::Pelaaja);
        r.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r));
        QCoreApplication::processEvents();
        Laskuri piirrot(QEvent::Paint);
        r.ruutu(8)->installEventFilter(&piirrot);
        const QString nimi = r.ruutu(8)->accessibleName();

        for (int i = 0; i < 3; ++i) {
            r.asetaKuva(8, Kuva::Vesi);
            r.asetaKursori(8, Kursori::Oletus);
            r.salli(8, true);
        }
        QTest::qWait(30);
        QCOMPARE(piirrot.maara, 0);

        r.asetaKuva(8, Kuva::Ohi);
        QTRY_VERIFY(piirrot.maara > 0);
        QVERIFY(r.ruutu(8)->accessibleName() != nimi);
    }

    // Arrows move the focus square without wrapping; Home and End go to the
    // ends of the row.
    void nuolinappaimet_data() {
        QTest::addColumn<int>("alku");
        QTest::addColumn<int>("avain");
        QTest::addColumn<int>("loppu");
        const std::tuple<const char*, int, int, int> rivit[] = {
            {"oikealle", 44, Qt::Key_Right, 45},
            {"vasemmalle", 44, Qt::Key_Left, 43},
            {"ylos", 44, Qt::Key_Up, 34},
            {"alas", 44, Qt::Key_Down, 54},
            {"Home", 44, Qt::Key_Home, 41},
            {"End", 44, Qt::Key_End, 50},
            {"vasen reuna", 41, Qt::Key_Left, 41},
            {"oikea reuna", 50, Qt::Key_Right, 50},
            {"ylareuna", 5, Qt::Key_Up, 5},
            {"alareuna", 95, Qt::Key_Down, 95},
            {"End rivin lopussa", 10, Qt::Key_End, 10},
            {"Home rivin alussa", 91, Qt::Key_Home, 91},
        };
        for (const auto& [nimi, alku, avain, loppu] : rivit) {
            QTest::newRow(nimi) << alku << avain << loppu;
        }
    }
    void nuolinappaimet() {
        QFETCH(int, alku);
        QFETCH(int, avain);
        QFETCH(int, loppu);
        RuudukkoWidget r(Ruudukko::Pelaaja);
        Tapahtumat t(r);
        r.kohdista(alku);
        QTest::keyClick(&r, static_cast<Qt::Key>(avain));
        QCOMPARE(r.kohdistettu(), loppu);
        QVERIFY(t.kirjattu.isEmpty());
    }

    // Space and Enter are the left button, with Shift the right one; on a
    // disabled square they do nothing, as a click would not.
    void painallusNappaimilla() {
        RuudukkoWidget r(Ruudukko::Kone);
        Tapahtumat t(r);
        r.kohdista(23);
        QTest::keyClick(&r, Qt::Key_Space);
        QTest::keyClick(&r, Qt::Key_Return);
        QTest::keyClick(&r, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(&r, Qt::Key_Space, Qt::ShiftModifier);
        QTest::keyClick(&r, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClick(&r, Qt::Key_Space, Qt::ControlModifier);
        QTest::keyPress(&r, Qt::Key_Space);
        QKeyEvent toisto(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                         true);
        QApplication::sendEvent(&r, &toisto); // a held key repeats: ignored
        QTest::keyRelease(&r, Qt::Key_Space);
        const QString vasen = QStringLiteral("ylos 23 1");
        const QString napsautus = QStringLiteral("napsautus 23");
        const QString oikea = QStringLiteral("ylos 23 2");
        QCOMPARE(t.kirjattu, (QStringList{vasen, napsautus, vasen, napsautus, vasen, napsautus,
                                          oikea, oikea, vasen, napsautus}));

        t.kirjattu.clear();
        r.salli(23, false);
        QTest::keyClick(&r, Qt::Key_Space);
        QTest::keyClick(&r, Qt::Key_Return, Qt::ShiftModifier);
        liittyma(r.ruutu(23))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(t.kirjattu.isEmpty());
        liittyma(r.ruutu(24))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(t.kirjattu,
                 (QStringList{QStringLiteral("ylos 24 1"), QStringLiteral("napsautus 24")}));
    }

    // The frame shows on the focus square only while the grid has the focus
    // and the keyboard gave the latest input; it is drawn over every picture.
    void kehysVainNappaimistolla() {
        QWidget ikkuna;
        RuudukkoWidget r(Ruudukko::Pelaaja, &ikkuna);
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowActive(&ikkuna));
        r.setFocus(Qt::OtherFocusReason);
        QVERIFY(r.hasFocus());
        QVERIFY(kehykset(r).isEmpty());

        QTest::keyClick(&r, Qt::Key_Right);
        QCOMPARE(kehykset(r), QList<int>{2});
        QTest::mouseClick(r.ruutu(50), Qt::LeftButton);
        QVERIFY(kehykset(r).isEmpty());
        QCOMPARE(r.kohdistettu(), 2);
        QTest::keyClick(&r, Qt::Key_Down);
        QCOMPARE(kehykset(r), QList<int>{12});
        r.clearFocus();
        QVERIFY(kehykset(r).isEmpty());
        r.setFocus(Qt::TabFocusReason);
        QCOMPARE(kehykset(r), QList<int>{12});

        for (const Kuva kuva : {Kuva::Vesi, Kuva::Laiva, Kuva::Ohi, Kuva::Osuma,
                                Kuva::OsumaViimeksi, Kuva::OhiViimeksi}) {
            r.asetaKuva(12, kuva);
            const QImage kuvana = kuvaksi(r.ruutu(12)->grab());
            QVERIFY(kuvana != kuvaksi(sorvik::RuudunKuva(kuva, 1)));
            // Black outside, white inside it: one of them stands out on any picture.
            QCOMPARE(QColor(kuvana.pixel(0, 10)), QColor(Qt::black));
            QCOMPARE(QColor(kuvana.pixel(1, 10)), QColor(Qt::white));
        }
    }

    // The screen reader is told which square has the focus: when the grid
    // takes it, and on every move.
    void kohdistusRuudunLukijalle() {
        QWidget ikkuna;
        RuudukkoWidget r(Ruudukko::Kone, &ikkuna);
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowActive(&ikkuna));
        Kuuntelija kuuntelija;
        r.kohdista(34);
        r.setFocus(Qt::TabFocusReason);
        // Qt's event for the grid, then the square's own.
        QTRY_COMPARE(Kuuntelija::lajia(QStringLiteral("kohdistus")).size(), 2);
        QCOMPARE(Kuuntelija::kuullut.last(), QStringLiteral("kohdistus: D4, vesi"));
        QVERIFY(liittyma(r.ruutu(34))->state().focused);
        QVERIFY(!liittyma(r.ruutu(35))->state().focused);
        QCOMPARE(liittyma(&r)->focusChild(), liittyma(r.ruutu(34)));

        QTest::keyClick(&r, Qt::Key_Left);
        QCOMPARE(Kuuntelija::kuullut.last(), QStringLiteral("kohdistus: C4, vesi"));
        QVERIFY(liittyma(r.ruutu(33))->state().focused);
        liittyma(r.ruutu(80))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::setFocusAction());
        QCOMPARE(r.kohdistettu(), 80);
        QCOMPARE(Kuuntelija::kuullut.last(), QStringLiteral("kohdistus: J8, vesi"));
    }
};

QTEST_MAIN(TestRuudukko)
#include "test_ruudukko.moc"
