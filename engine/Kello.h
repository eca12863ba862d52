#pragma once

namespace sorvik {

// The game's clock.
class Kello {
public:
    virtual ~Kello() = default;

    // Monotonic reading in seconds with fractions, fit to measure a pause.
    [[nodiscard]] virtual double Sekunnit() = 0;
    // Seconds since midnight, which the random source is re-seeded from.
    [[nodiscard]] virtual double SekunnitKeskiyosta() = 0;
};

} // namespace sorvik
