#pragma once
// What a screen reader sees of the main window: each square is a button named
// after its column, row and picture, the focused one is its grid's focus
// square, and the status line is a status bar.

#include "Tyokalut.h"

#include <QLabel>

namespace sorvik {

// Installs the accessibility factory for the grids and the status line;
// later calls do nothing.
void AsennaSaavutettavuus();

// What the player may know of a square, e.g. "B5, oma laiva" or
// "C7, ohi, viimeisin laukaus"; `laivanSana` names a ship picture.
[[nodiscard]] QString RuudunNimi(int ruutu, Kuva kuva, const QString& laivanSana);

// The status line: a label that a screen reader knows as the status bar.
class Tilarivi : public QLabel {
    Q_OBJECT

public:
    explicit Tilarivi(QWidget* vanhempi);
};

} // namespace sorvik
