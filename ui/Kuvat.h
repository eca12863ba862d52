#pragma once
// The six cell pictures and the program's icon, drawn with QPainter at the
// resolution of the screen they are shown on.

#include "Tyokalut.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

class QPainter;

namespace sorvik {

// Edge of a cell picture in logical pixels.
inline constexpr int RuudunKoko = 20;

// A RuudunKoko x RuudunKoko logical-pixel picture drawn for device pixel ratio
// `dpr` (physical edge round(RuudunKoko * dpr)). Pictures are cached per kind
// and ratio, so asking again is cheap and yields the same pixmap.
[[nodiscard]] QPixmap RuudunKuva(Kuva kuva, qreal dpr);

// The program's icon: a small ship on water, drawn at 16 to 256 pixels. The
// window, the About dialog and the icon files installed for the desktop all
// come from this one drawing.
[[nodiscard]] QIcon OhjelmanKuvake();

// Paints the icon on a koko x koko square of `p`'s device. Below 48 pixels it
// is drawn on whole pixels, with fewer details, so that it stays crisp.
void PiirraOhjelmanKuvake(QPainter& p, int koko);

// The icon as a koko x koko image.
[[nodiscard]] QImage OhjelmanKuvakkeenKuva(int koko);

} // namespace sorvik
