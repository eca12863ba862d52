#pragma once
// What a screen reader sees of the grids: each square is a button named after
// its column, row and picture, and the focused one is the grid's focus square.

namespace sorvik {

// Installs the accessibility factory for the grids; later calls do nothing.
void AsennaRuudukonSaavutettavuus();

} // namespace sorvik
