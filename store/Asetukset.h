#pragma once
// The settings store: named text values in the program's registry key.

#include "rekisteri.h"

#include <cstdint>
#include <optional>
#include <string>

namespace sorvik {

// The program's key. Readers name it exactly so; writers with one trailing
// backslash, which denotes the same key.
inline constexpr const char* OhjelmanAvain = "Software\\Harvokki\\Sorvik 1.1 Freeware";
inline constexpr const char* OhjelmanAvainKirjoitus = "Software\\Harvokki\\Sorvik 1.1 Freeware\\";
// What LueArvo yields on every failure.
inline constexpr const char* EiLoytynyt = "Not Found";

// Writes one value; failures are silently skipped. Text is UTF-8 here and
// Windows-1252 in the registry. tyyppi 1 stores text with its terminating zero,
// 4 a 32-bit number, any other kind text without the zero.
void KirjoitaArvo(HKEY juuri, const std::string& polku, const std::string& nimi,
                  std::uint32_t tyyppi, const std::string& arvo);
// A text literal is text, not a flag.
inline void KirjoitaArvo(HKEY juuri, const std::string& polku, const std::string& nimi,
                         std::uint32_t tyyppi, const char* arvo) {
    KirjoitaArvo(juuri, polku, nimi, tyyppi, std::string(arvo));
}
void KirjoitaArvo(HKEY juuri, const std::string& polku, const std::string& nimi,
                  std::uint32_t tyyppi, bool arvo);
void KirjoitaArvo(HKEY juuri, const std::string& polku, const std::string& nimi,
                  std::uint32_t tyyppi, std::int32_t arvo);

// Reads one value as UTF-8 text, or "Not Found". Never creates the key.
std::string LueArvo(HKEY juuri, const std::string& polku, const std::string& nimi);

// A whole signed 32-bit number in stored text, blanks around it and a plus sign
// allowed; nothing for any other text.
std::optional<std::int32_t> Kokonaisluku(const std::string& teksti);

} // namespace sorvik
