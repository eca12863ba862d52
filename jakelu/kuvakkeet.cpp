// Writes the program's icon for the desktop's icon theme: PNG files at the
// theme's fixed sizes and one scalable SVG, all drawn by the same code that
// draws the window icon.
//
//   kuvakkeet <kansio> <nimi>
//
// writes <kansio>/<koko>/<nimi>.png for every size and <kansio>/<nimi>.svg.

#include "Kuvat.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QSvgGenerator>

#include <array>
#include <cstdio>

namespace {

// Edge of the SVG's drawing, in its own units: the size with every detail.
constexpr int SvgKoko = 256;

} // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication sovellus(argc, argv);
    const QStringList arvot = QCoreApplication::arguments();
    if (arvot.size() != 3) {
        std::fputs("käyttö: kuvakkeet <kansio> <nimi>\n", stderr);
        return 2;
    }
    const QDir kansio(arvot[1]);
    const QString& nimi = arvot[2];

    for (const int koko : std::array{16, 32, 48, 64, 128, 256}) {
        const QString alakansio = QString::number(koko);
        const QString polku = kansio.filePath(alakansio + QLatin1Char('/') + nimi + ".png");
        if (!kansio.mkpath(alakansio) || !sorvik::OhjelmanKuvakkeenKuva(koko).save(polku, "PNG")) {
            std::fprintf(stderr, "kuvakkeet: %s ei tallentunut\n", qPrintable(polku));
            return 1;
        }
    }

    QSvgGenerator svg;
    svg.setFileName(kansio.filePath(nimi + ".svg"));
    svg.setSize(QSize(SvgKoko, SvgKoko));
    svg.setViewBox(QRect(0, 0, SvgKoko, SvgKoko));
    svg.setTitle(QStringLiteral("Sorvik"));
    svg.setDescription(QStringLiteral("Sorvikin kuvake"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fputs("kuvakkeet: SVG-tiedostoa ei voi kirjoittaa\n", stderr);
        return 1;
    }
    sorvik::PiirraOhjelmanKuvake(p, SvgKoko);
    return p.end() ? 0 : 1;
}
