// Test helper: writes the values <etuliite>0, <etuliite>1, ... (each holding its
// number as text) into one key, the way the game's store does, and prints
// "ok <n>" once the write of value n has returned. A count of -1 runs until
// the process is killed. Exits with 1 if any write failed.

#include "rekisteri.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "käyttö: %s <avain> <etuliite> <määrä>\n", argv[0]);
        return 2;
    }
    const std::string avain = argv[1];
    const std::string etuliite = argv[2];
    const long maara = std::strtol(argv[3], nullptr, 10);
    int virheet = 0;
    for (long n = 0; maara < 0 || n < maara; ++n) {
        const std::string nimi = etuliite + std::to_string(n);
        const std::string teksti = std::to_string(n);
        HKEY h = nullptr;
        LONG tulos = RegCreateKeyA(HKEY_CURRENT_USER, avain.c_str(), &h);
        if (tulos == ERROR_SUCCESS) {
            tulos = RegSetValueExA(h, nimi.c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(teksti.c_str()),
                                   static_cast<DWORD>(teksti.size() + 1));
            RegFlushKey(h);
            RegCloseKey(h);
        }
        if (tulos == ERROR_SUCCESS) {
            std::printf("ok %ld\n", n);
            std::fflush(stdout);
        } else {
            std::fprintf(stderr, "%s: virhe %d\n", nimi.c_str(), static_cast<int>(tulos));
            ++virheet;
        }
    }
    return virheet == 0 ? 0 : 1;
}
