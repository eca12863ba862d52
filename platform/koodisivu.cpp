#include "koodisivu.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace sorvik {

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> Ylaosa = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Decodes one sequence at `i`; gives the character and moves `i`, or nothing
// (then `i` is unchanged).
std::optional<char32_t> SeuraavaUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    std::size_t pituus = 0;
    char32_t merkki = 0;
    char32_t pienin = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        pituus = 2;
        merkki = b0 & 0x1Fu;
        pienin = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        pituus = 3;
        merkki = b0 & 0x0Fu;
        pienin = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        pituus = 4;
        merkki = b0 & 0x07u;
        pienin = 0x10000;
    } else {
        return std::nullopt;
    }
    if (s.size() - i < pituus) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < pituus; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0u) != 0x80u) {
            return std::nullopt;
        }
        merkki = (merkki << 6) | (b & 0x3Fu);
    }
    if (merkki < pienin || merkki > 0x10FFFF || (merkki >= 0xD800 && merkki <= 0xDFFF)) {
        return std::nullopt;
    }
    i += pituus;
    return merkki;
}

// One character as UTF-8.
void LisaaUtf8(std::string& kohde, char32_t merkki) {
    const auto lisaa = [&kohde](std::uint32_t b) { kohde.push_back(static_cast<char>(b)); };
    const auto m = static_cast<std::uint32_t>(merkki);
    if (m < 0x80) {
        lisaa(m);
    } else if (m < 0x800) {
        lisaa(0xC0 | (m >> 6));
        lisaa(0x80 | (m & 0x3F));
    } else if (m < 0x10000) {
        lisaa(0xE0 | (m >> 12));
        lisaa(0x80 | ((m >> 6) & 0x3F));
        lisaa(0x80 | (m & 0x3F));
    } else {
        lisaa(0xF0 | (m >> 18));
        lisaa(0x80 | ((m >> 12) & 0x3F));
        lisaa(0x80 | ((m >> 6) & 0x3F));
        lisaa(0x80 | (m & 0x3F));
    }
}

} // namespace

char32_t Cp1252Merkki(unsigned char tavu) {
    if (tavu >= 0x80 && tavu <= 0x9F) {
        return Ylaosa[tavu - 0x80u];
    }
    return tavu;
}

std::optional<unsigned char> Cp1252Tavu(char32_t merkki) {
    if (merkki < 0x80 || (merkki >= 0xA0 && merkki <= 0xFF)) {
        return static_cast<unsigned char>(merkki);
    }
    for (std::size_t k = 0; k < Ylaosa.size(); ++k) {
        if (Ylaosa[k] == merkki) {
            return static_cast<unsigned char>(0x80 + k);
        }
    }
    return std::nullopt;
}

std::string Utf8Cp1252ksi(std::string_view utf8) {
    std::string tulos;
    tulos.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto merkki = SeuraavaUtf8(utf8, i);
        if (!merkki) {
            tulos.push_back('?');
            ++i;
            continue;
        }
        const auto tavu = Cp1252Tavu(*merkki);
        tulos.push_back(tavu ? static_cast<char>(*tavu) : '?');
    }
    return tulos;
}

std::string Cp1252Utf8ksi(std::string_view ansi) {
    std::string tulos;
    tulos.reserve(ansi.size() + ansi.size() / 2);
    for (const char c : ansi) {
        LisaaUtf8(tulos, Cp1252Merkki(static_cast<unsigned char>(c)));
    }
    return tulos;
}

} // namespace sorvik
