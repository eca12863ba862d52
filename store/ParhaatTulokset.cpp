#include "ParhaatTulokset.h"

#include "Asetukset.h"
#include "Tilannekuva.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace sorvik {

namespace {

std::string Nimi(const char* perusosa, std::size_t sija) {
    return std::string(perusosa) + static_cast<char>('0' + sija);
}

// A stored streak: a whole number from -32768 to 32767, blanks around it and a
// plus sign allowed.
std::optional<std::int16_t> Tulos(const std::string& teksti) {
    const auto luku = Kokonaisluku(teksti);
    if (!luku || *luku < std::numeric_limits<std::int16_t>::min() ||
        *luku > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*luku);
}

} // namespace

ParhaatTulokset::ParhaatTulokset() {
    ParasPelaaja.fill(OletusNimi);
}

void ParhaatTulokset::LataaParhaatTulokset() {
    // The whole list from one version of the store, whatever other programs
    // write meanwhile. The list is saved value by value, so a load during
    // another copy's save may still see that save half done.
    [[maybe_unused]] const rekisteri::Tilannekuva kuva;
    for (std::size_t k = 0; k < Koko; ++k) {
        const std::string nimi = LueArvo(HKEY_CURRENT_USER, OhjelmanAvain, Nimi("ParasPelaaja", k));
        ParasPelaaja[k] = nimi.empty() || nimi == EiLoytynyt ? std::string(OletusNimi) : nimi;

        const std::string tulos = LueArvo(HKEY_CURRENT_USER, OhjelmanAvain, Nimi("ParasTulos", k));
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
    const auto ohitettu = std::find_if(ParasTulos.begin(), ParasTulos.end(),
                                       [voitot](std::int16_t t) { return voitot > t; });
    if (ohitettu == ParasTulos.end()) {
        return; // not good enough for the list: nothing to insert
    }
    const auto sija = ohitettu - ParasTulos.begin();
    ViimeksiListallePaassytPelaaja = nimi;

    auto nimet = ParasPelaaja;
    auto tulokset = ParasTulos;
    std::shift_right(nimet.begin() + sija, nimet.end(), 1);
    std::shift_right(tulokset.begin() + sija, tulokset.end(), 1);
    nimet[static_cast<std::size_t>(sija)] = nimi;
    tulokset[static_cast<std::size_t>(sija)] = voitot;
    TallennaParhaatTulokset(nimet, tulokset);
    LataaParhaatTulokset();
}

void ParhaatTulokset::Tyhjenna() {
    ParasPelaaja.fill(OletusNimi);
    ParasTulos.fill(0);
    TallennaParhaatTulokset(ParasPelaaja, ParasTulos);
}

bool ParhaatTulokset::OnOletus() const {
    return std::all_of(ParasPelaaja.begin(), ParasPelaaja.end(),
                       [](const std::string& n) { return n == OletusNimi; }) &&
           std::all_of(ParasTulos.begin(), ParasTulos.end(), [](std::int16_t t) { return t == 0; });
}

void ParhaatTulokset::TallennaParhaatTulokset(const std::array<std::string, Koko>& nimet,
                                              const std::array<std::int16_t, Koko>& tulokset) {
    for (std::size_t k = 0; k < Koko; ++k) {
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, Nimi("ParasPelaaja", k), REG_SZ,
                     nimet[k]);
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, Nimi("ParasTulos", k), REG_SZ,
                     std::to_string(tulokset[k]));
    }
}

} // namespace sorvik
