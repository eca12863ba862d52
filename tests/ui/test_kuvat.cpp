#include "Kuvat.h"

#include <QImage>
#include <QSet>
#include <QtTest>

#include <array>

using sorvik::Kuva;

namespace {

constexpr std::array kaikki{Kuva::Vesi,  Kuva::Laiva,         Kuva::Ohi,
                            Kuva::Osuma, Kuva::OsumaViimeksi, Kuva::OhiViimeksi};

QImage kuvio(Kuva kuva, qreal dpr = 1) {
    return sorvik::RuudunKuva(kuva, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool punainen(QColor c) {
    return c.red() > 190 && c.green() < 90 && c.blue() < 90;
}
bool vaaleanKeltainen(QColor c) {
    return c.red() > 230 && c.green() > 215 && c.blue() < 200;
}
bool merkinVari(QColor c) {
    return punainen(c) || vaaleanKeltainen(c);
}

} // namespace

class TestKuvat : public QObject {
    Q_OBJECT

private slots:
    void kokoJaTarkkuus_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<int>("fyysinen");
        QTest::newRow("1") << 1.0 << 20;
        QTest::newRow("1.25") << 1.25 << 25;
        QTest::newRow("1.5") << 1.5 << 30;
        QTest::newRow("2") << 2.0 << 40;
        QTest::newRow("3") << 3.0 << 60;
    }
    void kokoJaTarkkuus() {
        QFETCH(qreal, dpr);
        QFETCH(int, fyysinen);
        for (const Kuva kuva : kaikki) {
            const QPixmap p = sorvik::RuudunKuva(kuva, dpr);
            QCOMPARE(p.size(), QSize(fyysinen, fyysinen));
            QCOMPARE(p.devicePixelRatio(), dpr);
            QCOMPARE(p.deviceIndependentSize(), QSizeF(20, 20));
        }
    }

    void kuvatErottuvat() {
        for (std::size_t i = 0; i < kaikki.size(); ++i) {
            for (std::size_t j = i + 1; j < kaikki.size(); ++j) {
                QVERIFY2(kuvio(kaikki[i]) != kuvio(kaikki[j]),
                         qPrintable(QStringLiteral("kuvat %1 ja %2").arg(i).arg(j)));
            }
        }
    }

    // Misses are drawn on the water tile and hits on the ship tile: the corners
    // stay those of the base; water is blue, ships grey.
    void pohjaJaVarit() {
        const QImage vesi = kuvio(Kuva::Vesi);
        const QImage laiva = kuvio(Kuva::Laiva);
        const QColor vesiKeski = vesi.pixelColor(10, 10);
        const QColor vesiReuna = vesi.pixelColor(10, 0);
        QVERIFY(vesiKeski.blue() > vesiKeski.red() + 10);
        QVERIFY(vesiKeski.lightness() > vesiReuna.lightness() + 40);
        const QColor laivaKeski = laiva.pixelColor(10, 10);
        QVERIFY(qAbs(laivaKeski.red() - laivaKeski.blue()) < 20);
        QVERIFY(laivaKeski.lightness() < vesiKeski.lightness() - 60);

        for (const QPoint kulma : {QPoint(1, 1), QPoint(18, 1), QPoint(1, 18), QPoint(18, 18)}) {
            QCOMPARE(kuvio(Kuva::Ohi).pixel(kulma), vesi.pixel(kulma));
            QCOMPARE(kuvio(Kuva::OhiViimeksi).pixel(kulma), vesi.pixel(kulma));
            QCOMPARE(kuvio(Kuva::Osuma).pixel(kulma), laiva.pixel(kulma));
            QCOMPARE(kuvio(Kuva::OsumaViimeksi).pixel(kulma), laiva.pixel(kulma));
        }
    }

    // A ring leaves the centre free and crosses the point 5 px right of it; a
    // cross runs through the centre. The latest shot is red, older ones pale.
    void merkit() {
        const QPoint keski(10, 10);
        const QPoint kehalla(15, 10);
        QVERIFY(!merkinVari(kuvio(Kuva::Ohi).pixelColor(keski)));
        QVERIFY(vaaleanKeltainen(kuvio(Kuva::Ohi).pixelColor(kehalla)));
        QVERIFY(!merkinVari(kuvio(Kuva::OhiViimeksi).pixelColor(keski)));
        QVERIFY(punainen(kuvio(Kuva::OhiViimeksi).pixelColor(kehalla)));
        QVERIFY(vaaleanKeltainen(kuvio(Kuva::Osuma).pixelColor(keski)));
        QVERIFY(!merkinVari(kuvio(Kuva::Osuma).pixelColor(kehalla)));
        QVERIFY(punainen(kuvio(Kuva::OsumaViimeksi).pixelColor(keski)));
        QVERIFY(!merkinVari(kuvio(Kuva::OsumaViimeksi).pixelColor(kehalla)));
    }

    // At ratio 2 the picture is drawn anew, not the small one blown up.
    void tarkkaSuurennettuna() {
        for (const Kuva kuva : kaikki) {
            const QImage pieni = kuvio(kuva, 1);
            const QImage suuri = kuvio(kuva, 2);
            const QImage venytetty =
                pieni.scaled(40, 40, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            QVERIFY(suuri != venytetty);
        }
    }

    void valimuisti() {
        const QPixmap a = sorvik::RuudunKuva(Kuva::Osuma, 2);
        QCOMPARE(sorvik::RuudunKuva(Kuva::Osuma, 2).cacheKey(), a.cacheKey());
        QVERIFY(sorvik::RuudunKuva(Kuva::Osuma, 1).cacheKey() != a.cacheKey());
        QVERIFY(sorvik::RuudunKuva(Kuva::OsumaViimeksi, 2).cacheKey() != a.cacheKey());
    }

    void kuvake() {
        const QIcon kuvake = sorvik::OhjelmanKuvake();
        const QList<QSize> koot = kuvake.availableSizes();
        QVERIFY(koot.contains(QSize(16, 16)));
        QVERIFY(koot.contains(QSize(256, 256)));
        for (const int koko : {16, 48, 256}) {
            const QImage kuva = kuvake.pixmap(QSize(koko, koko)).toImage();
            QCOMPARE(kuva.size(), QSize(koko, koko));
            QVERIFY(qAlpha(kuva.pixel(koko / 2, koko / 2)) == 255);
            QVERIFY(qAlpha(kuva.pixel(0, 0)) < 255); // rounded corner
        }
        // The small sizes lie on whole pixels: inside the rim there are only
        // the drawing's own colours, no blended edges.
        for (const int koko : {16, 32}) {
            const QImage kuva = sorvik::OhjelmanKuvakkeenKuva(koko);
            QSet<QRgb> varit;
            for (int y = koko / 8; y < koko - koko / 8; ++y) {
                for (int x = koko / 8; x < koko - koko / 8; ++x) {
                    varit.insert(kuva.pixel(x, y));
                }
            }
            QVERIFY2(varit.size() <= 24, qPrintable(QString::number(varit.size())));
        }
    }
};

QTEST_MAIN(TestKuvat)
#include "test_kuvat.moc"
