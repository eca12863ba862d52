#pragma once
// The game's random source: uniform numbers in [0, 1), re-seeded from a clock
// reading.

#include <cstdint>

namespace sorvik {

class Satunnaislahde {
public:
    virtual ~Satunnaislahde() = default;

    // Mixes a clock reading into the state.
    virtual void Sekoita(double kello) = 0;
    // Uniform number in [0, 1).
    [[nodiscard]] virtual double Seuraava() = 0;
};

// The generator the program plays with. A re-seed mixes the clock into the
// current state, so two re-seeds at the same clock reading never restart the
// same sequence.
class Satunnaisgeneraattori final : public Satunnaislahde {
public:
    explicit Satunnaisgeneraattori(std::uint64_t siemen = 0x5eed'50f1'1c0d'e123ULL)
        : tila_(siemen) {}

    void Sekoita(double kello) override;
    [[nodiscard]] double Seuraava() override;

private:
    std::uint64_t tila_;
};

} // namespace sorvik
