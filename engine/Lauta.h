#pragma once
// The board and fleet model: two 10 x 10 grids numbered 1..100 row by row,
// ten ships per side in a fixed order.

#include <array>
#include <cstdint>
#include <optional>

namespace sorvik {

enum class Tila : std::uint8_t { Vesi, Laiva, Varattu, Uponnut, Ohi };

// Whether the previous shot hit: none yet in this game, hit, or missed.
enum class Edellinen : std::uint8_t { Ei_ole, Osui, Ohi };

inline constexpr int RuutujaRivilla = 10;
inline constexpr int Ruutuja = 100;
inline constexpr int LaivaRuutuja = 20;
inline constexpr int LaivojaLaivastossa = 10;

// Cell states of one grid; index 0 is never a cell.
using Ruudut = std::array<Tila, Ruutuja + 1>;

struct Laiva {
    std::int16_t Pituus = 0;
    // Entries 1..Pituus: entry 1 the square the ship was laid from; -1 for none.
    std::array<std::int16_t, 5> Ruudut{};
    bool Sijoitettu = false;
};

// Carrier, cruisers 1-2, gunboats 1-3, submarines 1-4, in placement order.
using Laivasto = std::array<Laiva, LaivojaLaivastossa>;

inline constexpr std::array<std::int16_t, LaivojaLaivastossa> LaivojenPituudet{4, 3, 3, 2, 2,
                                                                               2, 1, 1, 1, 1};

[[nodiscard]] constexpr Laivasto TyhjaLaivasto() {
    Laivasto laivasto{};
    for (int i = 0; i < LaivojaLaivastossa; ++i) {
        laivasto[i].Pituus = LaivojenPituudet[i];
        for (int k = 1; k <= laivasto[i].Pituus; ++k) {
            laivasto[i].Ruudut[k] = -1;
        }
    }
    return laivasto;
}

[[nodiscard]] constexpr bool OnRuutu(int n) {
    return n >= 1 && n <= Ruutuja;
}
[[nodiscard]] constexpr int Rivi(int n) {
    return (n - 1) / RuutujaRivilla + 1;
}
[[nodiscard]] constexpr int Sarake(int n) {
    return (n - 1) % RuutujaRivilla + 1;
}

// The eight neighbours in the order every marking and reveal visits them:
// left, up-right, up, up-left, right, down-left, down, down-right. A neighbour
// to the left must not end in 0, one to the right must not end in 1, so that
// nothing wraps over the grid's side edge.
struct Naapuri {
    int siirto;
    bool kulma;
    int kielletty_loppunumero; // -1: no column test
};
inline constexpr std::array<Naapuri, 8> Naapurit{{{-1, false, 0},
                                                  {-9, true, 1},
                                                  {-10, false, -1},
                                                  {-11, true, 0},
                                                  {+1, false, 1},
                                                  {+9, true, 0},
                                                  {+10, false, -1},
                                                  {+11, true, 1}}};

// Calls f(neighbour) for every neighbour of n inside the grid, diagonal ones
// only when corners may not touch.
template <typename F> constexpr void KayNaapurit(int n, bool kulmatSaavatKoskettaa, F&& f) {
    for (const Naapuri& naapuri : Naapurit) {
        if (naapuri.kulma && kulmatSaavatKoskettaa) {
            continue;
        }
        const int m = n + naapuri.siirto;
        if (!OnRuutu(m) || m % RuutujaRivilla == naapuri.kielletty_loppunumero) {
            continue;
        }
        f(m);
    }
}

// Index of the ship whose squares hold n, if any.
[[nodiscard]] constexpr std::optional<int> LaivaRuudussa(const Laivasto& laivasto, int n) {
    for (int i = 0; i < LaivojaLaivastossa; ++i) {
        const Laiva& laiva = laivasto[i];
        for (int k = 1; k <= laiva.Pituus; ++k) {
            if (laiva.Ruudut[k] == n) {
                return i;
            }
        }
    }
    return std::nullopt;
}

} // namespace sorvik
