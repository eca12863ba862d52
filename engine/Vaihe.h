#pragma once

#include <cstdint>

namespace sorvik {

// The phases of a game. The game keeps flags, not a phase; this is what the
// flags mean together.
enum class Vaihe {
    KoneSijoittaa,     // the computer laying its fleet (inside a new game)
    OdottaaSijoitusta, // waiting for the player's first placement click
    PelaajaSijoittaa,  // the player placing ships
    PelaajanVuoro,     // the player's turn to shoot
    KoneenVuoro,       // the computer's turn
    Voitettu,
    Havitty,
};

// A game is in progress: from the player's first placement click to its end.
[[nodiscard]] constexpr bool PeliKesken(Vaihe vaihe) {
    return vaihe == Vaihe::PelaajaSijoittaa || vaihe == Vaihe::PelaajanVuoro ||
           vaihe == Vaihe::KoneenVuoro;
}

// Where ships may lie changes only between games and only without a streak.
[[nodiscard]] constexpr bool SijaintisaannotLukitut(Vaihe vaihe, std::int16_t voitotPerakkain) {
    return PeliKesken(vaihe) || voitotPerakkain > 0;
}

} // namespace sorvik
