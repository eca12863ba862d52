#include "Asetukset.h"

#include "koodisivu.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <string_view>

namespace sorvik {

namespace {

// The read buffer: a value whose data, with its terminating zero, needs more
// counts as missing.
constexpr DWORD Puskuri = 2048;

// An empty path gives back the root itself, which stays the caller's.
void SuljeOma(HKEY avain, HKEY juuri) {
    if (avain != nullptr && avain != juuri) {
        RegCloseKey(avain);
    }
}

void Kirjoita(HKEY juuri, const std::string& polku, const std::string& nimi, DWORD laji,
              const std::string& data) {
    HKEY avain = nullptr;
    if (RegCreateKeyA(juuri, Utf8Cp1252ksi(polku).c_str(), &avain) != ERROR_SUCCESS) {
        avain = nullptr;
    }
    // A failed step is skipped; the calls after it fail on the missing handle.
    RegSetValueExA(avain, Utf8Cp1252ksi(nimi).c_str(), 0, laji,
                   reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    RegFlushKey(avain);
    SuljeOma(avain, juuri);
}

void KirjoitaLuku(HKEY juuri, const std::string& polku, const std::string& nimi,
                  std::int32_t luku) {
    const auto u = static_cast<std::uint32_t>(luku);
    const std::string data{static_cast<char>(u & 0xFFu), static_cast<char>((u >> 8) & 0xFFu),
                           static_cast<char>((u >> 16) & 0xFFu),
                           static_cast<char>((u >> 24) & 0xFFu)};
    Kirjoita(juuri, polku, nimi, REG_DWORD, data);
}

// A read value as LueArvo gives it.
std::string Tekstina(DWORD laji, const BYTE* data, DWORD koko) {
    if (laji == REG_DWORD) {
        if (koko < 4) {
            return EiLoytynyt;
        }
        const std::uint32_t luku = data[0] | (std::uint32_t{data[1]} << 8) |
                                   (std::uint32_t{data[2]} << 16) | (std::uint32_t{data[3]} << 24);
        std::array<char, 16> teksti{};
        std::snprintf(teksti.data(), teksti.size(), "%03u", luku);
        return teksti.data();
    }
    if (laji == REG_BINARY) {
        static constexpr char Numerot[] = "0123456789ABCDEF";
        std::string heksat;
        for (DWORD k = 0; k < koko; ++k) {
            heksat.push_back(Numerot[data[k] >> 4]);
            heksat.push_back(Numerot[data[k] & 0x0F]);
        }
        return heksat;
    }
    // The stored text without its terminating zero.
    return Cp1252Utf8ksi(
        std::string_view(reinterpret_cast<const char*>(data), koko > 0 ? koko - 1 : 0));
}

} // namespace

std::optional<std::int32_t> Kokonaisluku(const std::string& teksti) {
    const auto alku = teksti.find_first_not_of(" \t");
    if (alku == std::string::npos) {
        return std::nullopt;
    }
    const auto loppu = teksti.find_last_not_of(" \t") + 1;
    const char* p = teksti.data() + alku;
    const char* const e = teksti.data() + loppu;
    if (*p == '+') {
        ++p;
    }
    std::int32_t luku = 0;
    const auto [kohta, virhe] = std::from_chars(p, e, luku);
    if (virhe != std::errc() || kohta != e || p == e) {
        return std::nullopt;
    }
    return luku;
}

void KirjoitaArvo(HKEY juuri, const std::string& polku, const std::string& nimi,
                  std::uint32_t tyyppi, const std::string& arvo) {
    if (tyyppi == REG_DWORD) {
        if (const auto luku = Kokonaisluku(arvo)) {
            KirjoitaLuku(juuri, polku, nimi, *luku);
        }
        return;
    }
    std::string data = Utf8Cp1252ksi(arvo);
    if (tyyppi == REG_SZ) {
        data.push_back('\0');
    }
    Kirjoita(juuri, polku, nimi, REG_SZ, data);
}

void KirjoitaArvo(HKEY juuri, const std::string& polku, const std::string& nimi,
                  std::uint32_t tyyppi, bool arvo) {
    if (tyyppi == REG_DWORD) {
        KirjoitaLuku(juuri, polku, nimi, arvo ? 1 : 0);
        return;
    }
    KirjoitaArvo(juuri, polku, nimi, tyyppi, std::string(arvo ? "True" : "False"));
}

void KirjoitaArvo(HKEY juuri, const std::string& polku, const std::string& nimi,
                  std::uint32_t tyyppi, std::int32_t arvo) {
    if (tyyppi == REG_DWORD) {
        KirjoitaLuku(juuri, polku, nimi, arvo);
        return;
    }
    KirjoitaArvo(juuri, polku, nimi, tyyppi, std::to_string(arvo));
}

std::string LueArvo(HKEY juuri, const std::string& polku, const std::string& nimi) {
    HKEY avain = nullptr;
    if (RegOpenKeyA(juuri, Utf8Cp1252ksi(polku).c_str(), &avain) != ERROR_SUCCESS) {
        avain = nullptr;
    }
    std::array<BYTE, Puskuri> puskuri{};
    DWORD koko = Puskuri;
    DWORD laji = REG_NONE;
    const LONG tulos =
        RegQueryValueExA(avain, Utf8Cp1252ksi(nimi).c_str(), nullptr, &laji, puskuri.data(), &koko);
    SuljeOma(avain, juuri);
    return tulos == ERROR_SUCCESS ? Tekstina(laji, puskuri.data(), koko) : EiLoytynyt;
}

} // namespace sorvik
