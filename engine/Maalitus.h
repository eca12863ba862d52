#pragma once
// The computer's targeting: random squares while no ship is under fire; after
// a hit, the hit square becomes the anchor and the computer walks away from it
// in one direction after another, in one of eight orders drawn at random,
// until the ship has sunk.

#include "Lauta.h"
#include "Satunnaislahde.h"

#include <array>
#include <cstdint>

namespace sorvik {

enum class Suunta : std::uint8_t { Vasen, Oikea, Ylos, Alas };

class Maalitus {
public:
    // The square of the computer's next shot on the player's grid, none shot
    // before. `edellinenOsui`: the computer's previous shot hit. The grid must
    // still hold a square not shot.
    [[nodiscard]] int ValitseRuutu(const Ruudut& ruudut, bool edellinenOsui, Satunnaislahde& lahde);

    // A hit while no target is held starts one at the hit square, in the
    // direction order that the uniform number `u` picks.
    [[nodiscard]] bool OnKohde() const { return EnsimmainenOsuma_ != 0; }
    void AloitaKohde(int ruutu, double u);

    // Whether the computer's latest hit sank a ship.
    void MerkitseUpotus(bool upotti) { KoneUpottiLaivan_ = upotti; }
    // Once the computer has sunk a ship, its target is dropped: the next shot
    // starts a new search. Run by every tick of the timer.
    void PudotaKohde();
    // A new game holds no target.
    void Nollaa();

    // A square along a direction stays on the grid and never wraps over a side.
    [[nodiscard]] static bool SaaAmpua(Suunta suunta, int ruutu);
    [[nodiscard]] static constexpr bool Ammuttu(Tila tila) {
        return tila == Tila::Ohi || tila == Tila::Uponnut;
    }

    [[nodiscard]] std::int16_t EnsimmainenOsuma() const { return EnsimmainenOsuma_; }
    [[nodiscard]] std::int16_t SeuraavaRuutu() const { return SeuraavaRuutu_; }
    [[nodiscard]] std::int16_t Suuntajarjestys() const { return Suuntajarjestys_; }
    [[nodiscard]] bool Kokeiltu(Suunta suunta) const {
        return Kokeiltu_[static_cast<std::size_t>(suunta)];
    }
    [[nodiscard]] bool KoneUpottiLaivan() const { return KoneUpottiLaivan_; }

private:
    std::int16_t EnsimmainenOsuma_ = 0; // the anchor; 0: no target
    std::int16_t SeuraavaRuutu_ = 0;    // the next square in the current direction
    std::int16_t Suuntajarjestys_ = 0;  // 1..8, 100 after a target is dropped
    std::array<bool, 4> Kokeiltu_{};    // left, right, up, down exhausted
    bool KoneUpottiLaivan_ = false;
};

} // namespace sorvik
