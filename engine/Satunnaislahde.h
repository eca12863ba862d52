#pragma once
// The game's random source: uniform numbers in [0, 1). A re-seed mixes the
// clock into the current state, so two re-seeds at the same clock reading
// never restart the same sequence.

#include <cstdint>

namespace sorvik {

class Satunnaislahde {
public:
    explicit Satunnaislahde(std::uint64_t siemen = 0x5eed'50f1'1c0d'e123ULL) : tila_(siemen) {}

    void Sekoita(double kello);
    [[nodiscard]] double Seuraava();

private:
    std::uint64_t tila_;
};

} // namespace sorvik
