#include "Satunnaislahde.h"

#include <bit>

namespace sorvik {

namespace {
std::uint64_t Sekoitin(std::uint64_t x) {
    x += 0x9e37'79b9'7f4a'7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58'476d'1ce4'e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d0'49bb'1331'11ebULL;
    return x ^ (x >> 31);
}
} // namespace

void Satunnaisgeneraattori::Sekoita(double kello) {
    tila_ = Sekoitin(tila_ ^ Sekoitin(std::bit_cast<std::uint64_t>(kello)));
}

double Satunnaisgeneraattori::Seuraava() {
    tila_ += 0x9e37'79b9'7f4a'7c15ULL;
    const std::uint64_t x = Sekoitin(tila_ ^ 0x2545'f491'4f6c'dd1dULL);
    return static_cast<double>(x >> 11) * 0x1.0p-53;
}

} // namespace sorvik
