#include "ParhaatTulokset.h"

#include "Asetukset.h"

#include <charconv>
#include <optional>

namespace sorvik {

namespace {

std::string Nimi(const char* perusosa, int sija) {
    return std::string(perusosa) + static_cast<char>('0' + sija);
}

// A stored streak: a whole number from -32768 to 32767, blanks around it and a
// plus sign allowed.
std::optional<std::int16_t> Tulos(const std::string& teksti) {
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
    std::int16_t luku = 0;
    const auto [kohta, virhe] = std::from_chars(p, e, luku);
    if (virhe != std::errc() || kohta != e || p == e) {
        return std::nullopt;
    }
    return luku;
}

} // namespace

ParhaatTulokset::ParhaatTulokset() {
    ParasPelaaja.fill(OletusNimi);
}

void ParhaatTulokset::LataaParhaatTulokset() {
    for (int i = 0; i < Koko; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::string nimi = LueArvo(HKEY_CURRENT_USER, OhjelmanAvain, Nimi("ParasPelaaja", i));
        ParasPelaaja[k] = nimi.empty() || nimi == EiLoytynyt ? std::string(OletusNimi) : nimi;

        const std::string tulos = LueArvo(HKEY_CURRENT_USER, OhjelmanAvain, Nimi("ParasTulos", i));
        if (tulos.empty() || tulos == EiLoytynyt) {
            ParasTulos[k] = 0;
        } else if (const auto luku = Tulos(tulos)) {
            ParasTulos[k] = *luku;
        }
        // A text that is no streak leaves the rank's streak as it was.
    }
}

void ParhaatTulokset::Lisaa(const std::string& nimi, std::int16_t voitot) {
    // The first rank whose streak the new one beats; equal streaks stay above it.
    int sija = 0;
    while (sija < Koko && voitot <= ParasTulos[static_cast<std::size_t>(sija)]) {
        ++sija;
    }
    if (sija == Koko) {
        return; // not good enough for the list: nothing to insert
    }
    ViimeksiListallePaassytPelaaja = nimi;

    std::array<std::string, Koko> nimet;
    std::array<std::int16_t, Koko> tulokset{};
    for (int i = 0; i < Koko; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i < sija) {
            nimet[k] = ParasPelaaja[k];
            tulokset[k] = ParasTulos[k];
        } else if (i == sija) {
            nimet[k] = nimi;
            tulokset[k] = voitot;
        } else {
            nimet[k] = ParasPelaaja[k - 1];
            tulokset[k] = ParasTulos[k - 1];
        }
    }
    TallennaParhaatTulokset(nimet, tulokset);
    LataaParhaatTulokset();
}

void ParhaatTulokset::Tyhjenna() {
    for (int i = 0; i < Koko; ++i) {
        const auto k = static_cast<std::size_t>(i);
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, Nimi("ParasPelaaja", i), REG_SZ,
                     std::string(OletusNimi));
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, Nimi("ParasTulos", i), REG_SZ,
                     std::string("0"));
        ParasPelaaja[k] = OletusNimi;
        ParasTulos[k] = 0;
    }
}

bool ParhaatTulokset::OnOletus() const {
    for (int i = 0; i < Koko; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (ParasPelaaja[k] != OletusNimi || ParasTulos[k] != 0) {
            return false;
        }
    }
    return true;
}

void ParhaatTulokset::TallennaParhaatTulokset(const std::array<std::string, Koko>& nimet,
                                              const std::array<std::int16_t, Koko>& tulokset) {
    for (int i = 0; i < Koko; ++i) {
        const auto k = static_cast<std::size_t>(i);
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, Nimi("ParasPelaaja", i), REG_SZ,
                     nimet[k]);
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, Nimi("ParasTulos", i), REG_SZ,
                     std::to_string(tulokset[k]));
    }
}

} // namespace sorvik
