#pragma once
// Finnish message boxes and the screen-wide pointer.

#include <QString>

class QWidget;

namespace sorvik {

// Modal message box. `tyyli` is the sum of a button set (0 OK, 4 Kyllä/Ei), an
// icon (32 question, 48 exclamation, 64 information) and 256 to preselect the
// second button. An empty caption shows "Sorvik". Returns 1 (OK), 6 (Kyllä) or
// 7 (Ei); closing the box counts as Ei, or OK for a box without a choice.
int NaytaViesti(QWidget* omistaja, const QString& teksti, const QString& otsikko, int tyyli);

// The screen-wide pointer: hourglass, or back to the default arrow.
void NaytaTiimalasi();
void NaytaOletusosoitin();

} // namespace sorvik
