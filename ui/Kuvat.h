#pragma once
// The six cell pictures and the program's icon, drawn with QPainter at the
// resolution of the screen they are shown on.

#include "Tyokalut.h"

#include <QIcon>
#include <QPixmap>

namespace sorvik {

// Edge of a cell picture in logical pixels.
inline constexpr int RuudunKoko = 20;

// A RuudunKoko x RuudunKoko logical-pixel picture drawn for device pixel ratio
// `dpr` (physical edge round(RuudunKoko * dpr)). Pictures are cached per kind
// and ratio, so asking again is cheap and yields the same pixmap.
[[nodiscard]] QPixmap RuudunKuva(Kuva kuva, qreal dpr);

// The program's icon: a small ship on water, drawn at 16 to 256 pixels.
[[nodiscard]] QIcon OhjelmanKuvake();

} // namespace sorvik
