#include "Kuvat.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmapCache>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace sorvik {

namespace {

// Shades of one bevelled tile, from the rim inwards.
struct Laatta {
    QColor reuna;
    QColor vali;
    QColor keski;
};

Laatta vesilaatta() {
    return {QColor(0x2f, 0x72, 0xb3), QColor(0x86, 0xc3, 0xee), QColor(0xe9, 0xf6, 0xff)};
}

Laatta laivalaatta() {
    return {QColor(0x26, 0x28, 0x2b), QColor(0x4f, 0x53, 0x58), QColor(0x8e, 0x93, 0x99)};
}

QColor sekoita(const QColor& a, const QColor& b, double t) {
    const auto kanava = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(kanava(a.red(), b.red()), kanava(a.green(), b.green()),
                  kanava(a.blue(), b.blue()));
}

// Fills the whole n x n physical-pixel image with the tile: square rings of one
// physical pixel each, shading from the rim to a pale centre, lit from the top
// left so that the edges read as a bevel.
void piirraLaatta(QPainter& p, int n, qreal dpr, const Laatta& savyt) {
    p.setRenderHint(QPainter::Antialiasing, false);
    const int renkaita = (n + 1) / 2;
    for (int i = 0; i < renkaita; ++i) {
        const double t = renkaita > 1 ? static_cast<double>(i) / (renkaita - 1) : 1.0;
        // Rises quickly off the rim and flattens towards the centre.
        const double u = 1.0 - (1.0 - t) * (1.0 - t);
        const QColor vari = u < 0.5 ? sekoita(savyt.reuna, savyt.vali, u / 0.5)
                                    : sekoita(savyt.vali, savyt.keski, (u - 0.5) / 0.5);
        p.fillRect(QRect(i, i, n - 2 * i, n - 2 * i), vari);
    }

    const int b = std::max(1, qRound(2 * dpr));
    const QPolygon valo({QPoint(0, 0), QPoint(n, 0), QPoint(n - b, b), QPoint(b, b),
                         QPoint(b, n - b), QPoint(0, n)});
    const QPolygon varjo({QPoint(n, n), QPoint(0, n), QPoint(b, n - b), QPoint(n - b, n - b),
                          QPoint(n - b, b), QPoint(n, 0)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPolygon(valo);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPolygon(varjo);
}

// A mark is drawn twice: a wider halo first, then the core, so that it stands
// out on both the pale water and the dark ship. The older marks have a pale
// core with a dark halo, the latest ones a red core with a light halo, so they
// differ in lightness as well as in hue.
struct Merkki {
    QColor ydin;
    QColor kehys;
    qreal leveys;
};

Merkki vanhaMerkki() {
    return {QColor(0xff, 0xf1, 0x9a), QColor(0x10, 0x24, 0x40, 190), 2.0};
}

Merkki viimeisinMerkki() {
    return {QColor(0xf0, 0x1e, 0x14), QColor(0xff, 0xff, 0xff, 215), 2.6};
}

void piirraViivat(QPainter& p, const QPainterPath& polku, const Merkki& merkki) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(merkki.kehys, merkki.leveys + 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(polku);
    p.setPen(QPen(merkki.ydin, merkki.leveys, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(polku);
}

QPainterPath rengas() {
    QPainterPath polku;
    polku.addEllipse(QPointF(10, 10), 5, 5);
    return polku;
}

QPainterPath risti() {
    QPainterPath polku;
    polku.moveTo(5.5, 5.5);
    polku.lineTo(14.5, 14.5);
    polku.moveTo(14.5, 5.5);
    polku.lineTo(5.5, 14.5);
    return polku;
}

QPixmap piirraRuutu(Kuva kuva, qreal dpr) {
    const int n = std::max(1, qRound(RuudunKoko * dpr));
    QImage kuvio(n, n, QImage::Format_ARGB32_Premultiplied);
    kuvio.fill(Qt::transparent);
    {
        QPainter p(&kuvio);
        const bool laiva =
            kuva == Kuva::Laiva || kuva == Kuva::Osuma || kuva == Kuva::OsumaViimeksi;
        piirraLaatta(p, n, dpr, laiva ? laivalaatta() : vesilaatta());

        // Marks are laid out on the 20-unit logical grid.
        p.scale(static_cast<qreal>(n) / RuudunKoko, static_cast<qreal>(n) / RuudunKoko);
        switch (kuva) {
        case Kuva::Vesi:
        case Kuva::Laiva:
            break;
        case Kuva::Ohi:
            piirraViivat(p, rengas(), vanhaMerkki());
            break;
        case Kuva::OhiViimeksi:
            piirraViivat(p, rengas(), viimeisinMerkki());
            break;
        case Kuva::Osuma:
            piirraViivat(p, risti(), vanhaMerkki());
            break;
        case Kuva::OsumaViimeksi:
            piirraViivat(p, risti(), viimeisinMerkki());
            break;
        }
    }
    QPixmap tulos = QPixmap::fromImage(kuvio);
    tulos.setDevicePixelRatio(dpr);
    return tulos;
}

// --- Program icon -------------------------------------------------------------

QPainterPath monikulmio(std::initializer_list<QPointF> kulmat) {
    QPainterPath polku;
    polku.addPolygon(QPolygonF(kulmat));
    polku.closeSubpath();
    return polku;
}

// Small sizes are drawn square by square on a 16-unit grid, so that every edge
// falls on a pixel edge; the same ship and sea as the large drawing, with the
// windows and a wave only where a unit is two pixels.
void piirraPieniKuvake(QPainter& p, int koko) {
    p.scale(koko / 16.0, koko / 16.0);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 0; y < 16; ++y) {
        const QColor vari =
            y < 9 ? sekoita(QColor(0xdd, 0xf0, 0xff), QColor(0xb5, 0xdd, 0xfa), y / 8.0)
                  : sekoita(QColor(0x3a, 0x8c, 0xd0), QColor(0x17, 0x48, 0x80), (y - 9) / 6.0);
        p.fillRect(QRectF(0, y, 16, 1), vari);
    }
    const auto ruudut = [&p](std::initializer_list<QRectF> alueet, const QColor& vari) {
        for (const QRectF& alue : alueet) {
            p.fillRect(alue, vari);
        }
    };
    ruudut({{7, 2, 1, 3}}, QColor(0x2b, 0x2e, 0x33));
    ruudut({{8, 2, 2, 1}, {8, 3, 1, 1}}, QColor(0xf2, 0xc1, 0x2e));
    ruudut({{6, 5, 3, 2}}, QColor(0xb8, 0xbe, 0xc5));
    ruudut({{9, 5, 1, 2}}, QColor(0xd0, 0x32, 0x2a));
    ruudut({{5, 7, 6, 2}}, QColor(0x9a, 0xa1, 0xa9));
    ruudut({{2, 9, 12, 1}, {3, 10, 10, 1}}, QColor(0x3a, 0x3e, 0x45));
    ruudut({{4, 11, 8, 1}}, QColor(0xc4, 0x2b, 0x24));
    if (koko >= 32) {
        ruudut({{6.5, 5.5, 0.5, 0.5}, {7.5, 5.5, 0.5, 0.5}}, QColor(0x1d, 0x3f, 0x66));
        for (int i = 0; i < 12; ++i) {
            ruudut({{2.0 + i, i % 2 == 0 ? 13.0 : 12.5, 1, 0.5}}, QColor(0xa8, 0xcc, 0xec));
        }
    }

    // The rim on pixel centres, then the corners cut round.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x12, 0x35, 0x5e), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QPainterPath muoto;
    muoto.addRoundedRect(QRectF(0, 0, 16, 16), 3.5, 3.5);
    QPainterPath kulmat;
    kulmat.addRect(QRectF(0, 0, 16, 16));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(kulmat.subtracted(muoto), Qt::black);
}

} // namespace

void PiirraOhjelmanKuvake(QPainter& p, int koko) {
    p.save();
    if (koko < 48) {
        piirraPieniKuvake(p, koko);
        p.restore();
        return;
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(koko / 100.0, koko / 100.0);

    // Sky and sea in a rounded square.
    QPainterPath pohja;
    pohja.addRoundedRect(QRectF(2, 2, 96, 96), 18, 18);
    QLinearGradient tausta(0, 2, 0, 98);
    tausta.setColorAt(0.0, QColor(0xdd, 0xf0, 0xff));
    tausta.setColorAt(0.58, QColor(0xb5, 0xdd, 0xfa));
    tausta.setColorAt(0.581, QColor(0x3a, 0x8c, 0xd0));
    tausta.setColorAt(1.0, QColor(0x17, 0x48, 0x80));
    p.fillPath(pohja, tausta);

    // Superstructure, funnel and mast behind the hull.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0xa1, 0xa9));
    p.drawRect(QRectF(30, 44, 38, 14));
    p.setBrush(QColor(0xb8, 0xbe, 0xc5));
    p.drawRect(QRectF(38, 33, 18, 12));
    p.setBrush(QColor(0xd0, 0x32, 0x2a));
    p.drawRect(QRectF(59, 35, 7, 10));
    p.setBrush(QColor(0x2b, 0x2e, 0x33));
    p.drawRect(QRectF(45.5, 16, 3, 18));
    p.fillPath(monikulmio({{48.5, 16}, {60, 20}, {48.5, 24}}), QColor(0xf2, 0xc1, 0x2e));
    p.setBrush(QColor(0x1d, 0x3f, 0x66));
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(40.5 + 5.5 * i, 36, 3.5, 3.5));
    }

    // Hull on the waterline, with a red boot stripe.
    p.fillPath(monikulmio({{10, 55}, {90, 55}, {80, 70}, {20, 70}}), QColor(0x3a, 0x3e, 0x45));
    p.fillPath(monikulmio({{17.3, 66}, {82.7, 66}, {80, 70}, {20, 70}}), QColor(0xc4, 0x2b, 0x24));

    // Waves below the ship.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 170), 3, Qt::SolidLine, Qt::RoundCap));
    for (const qreal y : {80.0, 90.0}) {
        QPainterPath aalto;
        aalto.moveTo(16, y);
        for (int i = 0; i < 4; ++i) {
            const qreal x = 16 + 17 * i;
            aalto.quadTo(x + 4.25, y - 4, x + 8.5, y);
            aalto.quadTo(x + 12.75, y + 4, x + 17, y);
        }
        p.drawPath(aalto);
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x12, 0x35, 0x5e), 100.0 / koko));
    p.drawPath(pohja);
    p.restore();
}

QImage OhjelmanKuvakkeenKuva(int koko) {
    QImage kuvio(koko, koko, QImage::Format_ARGB32_Premultiplied);
    kuvio.fill(Qt::transparent);
    QPainter p(&kuvio);
    PiirraOhjelmanKuvake(p, koko);
    return kuvio;
}

QPixmap RuudunKuva(Kuva kuva, qreal dpr) {
    if (!(dpr > 0)) {
        dpr = 1;
    }
    const QString avain = QStringLiteral("sorvik-ruutu-%1@%2")
                              .arg(static_cast<int>(kuva))
                              .arg(QString::number(dpr, 'g', 8));
    QPixmap tulos;
    if (QPixmapCache::find(avain, &tulos)) {
        return tulos;
    }
    tulos = piirraRuutu(kuva, dpr);
    QPixmapCache::insert(avain, tulos);
    return tulos;
}

QIcon OhjelmanKuvake() {
    QIcon kuvake;
    for (const int koko : std::array{16, 20, 24, 32, 40, 48, 64, 96, 128, 256}) {
        kuvake.addPixmap(QPixmap::fromImage(OhjelmanKuvakkeenKuva(koko)));
    }
    return kuvake;
}

} // namespace sorvik
