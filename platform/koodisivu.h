#pragma once
// Windows-1252, the code page in which the registry's "A" functions exchange
// text on a Finnish Windows, and the UTF-8 that the programs use inside.

#include <optional>
#include <string>
#include <string_view>

namespace sorvik {

// The character of one byte. The five bytes that the code page leaves
// undefined map to the control characters of the same number, as on Windows.
char32_t Cp1252Merkki(unsigned char tavu);

// The byte of one character, or nothing if the code page lacks it.
std::optional<unsigned char> Cp1252Tavu(char32_t merkki);

// UTF-8 to Windows-1252. A character the code page lacks, and every byte of an
// invalid sequence (overlong forms, surrogates and values past U+10FFFF are
// invalid), becomes '?', as Windows does.
std::string Utf8Cp1252ksi(std::string_view utf8);

// Windows-1252 to UTF-8; never fails.
std::string Cp1252Utf8ksi(std::string_view ansi);

} // namespace sorvik
