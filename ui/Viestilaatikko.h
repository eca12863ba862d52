#pragma once
// Finnish message boxes and the screen-wide pointer, shared by the game and
// the registry cleaner.

#include <QString>

class QWidget;

namespace sorvik {

enum class Viestipainikkeet { OK, KyllaEi };
enum class Viestikuvake { Ei, Kysymys, Huomautus, Tiedoksi };
enum class Viestivastaus { OK, Kylla, Ei };

// Modal message box with OK or Kyllä/Ei, the first button preselected unless
// `toinenOletuksena`. An empty caption shows "Sorvik". Closing the box counts
// as Ei, or OK for a box without a choice.
Viestivastaus NaytaViesti(QWidget* omistaja, const QString& teksti, const QString& otsikko,
                          Viestipainikkeet painikkeet, Viestikuvake kuvake,
                          bool toinenOletuksena = false);

// The screen-wide pointer: hourglass, or back to the default arrow.
void NaytaTiimalasi();
void NaytaOletusosoitin();

} // namespace sorvik
