// Test helper: another copy of the game writing one value of the program's key
// over and over, the way its menu toggle does: `vaihtaja NAME COUNT TEXT...`
// writes the texts in turn, COUNT writes in all.

#include "Asetukset.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "käyttö: %s <nimi> <määrä> <teksti>...\n", argv[0]);
        return 2;
    }
    const long maara = std::strtol(argv[2], nullptr, 10);
    const std::vector<std::string> tekstit(argv + 3, argv + argc);
    for (long n = 0; n < maara; ++n) {
        sorvik::KirjoitaArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvainKirjoitus, argv[1], 1,
                             tekstit[static_cast<std::size_t>(n) % tekstit.size()]);
    }
    return 0;
}
