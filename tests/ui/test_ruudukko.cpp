#include "Kuvat.h"
#include "Ruudukko.h"

#include <QSignalSpy>
#include <QtTest>

using sorvik::Kursori;
using sorvik::Kuva;
using sorvik::RuudukkoWidget;

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

} // namespace

class TestRuudukko : public QObject {
    Q_OBJECT

private slots:
    void geometria() {
        RuudukkoWidget r(QStringLiteral("Oma ruudukko"));
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

    void saavutettavatNimet() {
        RuudukkoWidget r(QStringLiteral("Vastustajan ruudukko"));
        QCOMPARE(r.accessibleName(), QStringLiteral("Vastustajan ruudukko"));
        QCOMPARE(r.ruutu(1)->accessibleName(), QStringLiteral("A1, vesi"));
        QCOMPARE(r.ruutu(15)->accessibleName(), QStringLiteral("E2, vesi"));
        QCOMPARE(r.ruutu(100)->accessibleName(), QStringLiteral("J10, vesi"));
        const std::pair<Kuva, const char*> kuvat[] = {
            {Kuva::Laiva, "laiva"}, {Kuva::Osuma, "osuma"},     {Kuva::OsumaViimeksi, "osuma"},
            {Kuva::Ohi, "ohi"},     {Kuva::OhiViimeksi, "ohi"}, {Kuva::Vesi, "vesi"}};
        for (const auto& [kuva, sana] : kuvat) {
            r.asetaKuva(91, kuva);
            QCOMPARE(r.kuva(91), kuva);
            QCOMPARE(r.ruutu(91)->accessibleName(), QStringLiteral("A10, ") + sana);
        }
        QCOMPARE(r.ruutu(1)->focusPolicy(), Qt::TabFocus);
    }

    void kursoriJaSallinta() {
        RuudukkoWidget r(QStringLiteral("Oma ruudukko"));
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
        RuudukkoWidget r(QStringLiteral("Oma ruudukko"));
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
        RuudukkoWidget r(QStringLiteral("Oma ruudukko"));
        Tapahtumat t(r);
        for (const QPoint paikka : {QPoint(22, 5), QPoint(30, 5), QPoint(-3, 5)}) {
            QTest::mousePress(r.ruutu(1), Qt::LeftButton);
            QTest::mouseRelease(r.ruutu(1), Qt::LeftButton, {}, paikka);
        }
        QCOMPARE(t.kirjattu, QStringList(3, QStringLiteral("ylos 1 1")));
    }

    void kaksiPainiketta() {
        RuudukkoWidget r(QStringLiteral("Oma ruudukko"));
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
        RuudukkoWidget r(QStringLiteral("Vastustajan ruudukko"), &ikkuna);
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
        RuudukkoWidget r(QStringLiteral("Oma ruudukko"));
        r.asetaKuva(44, Kuva::OsumaViimeksi);
        const QImage odotettu = kuvaksi(sorvik::RuudunKuva(Kuva::OsumaViimeksi, 1));
        QCOMPARE(kuvaksi(r.ruutu(44)->grab()), odotettu);
        r.salli(44, false);
        QCOMPARE(kuvaksi(r.ruutu(44)->grab()), odotettu);
    }

    // Setting what a cell already shows must not repaint it.
    void samaTilaEiPiirraUudelleen() {
        RuudukkoWidget r(QStringLiteral("Oma ruudukko"));
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
};

QTEST_MAIN(TestRuudukko)
#include "test_ruudukko.moc"
