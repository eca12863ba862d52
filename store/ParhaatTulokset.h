#pragma once
// The list of the ten longest winning streaks, kept in the settings store.

#include <array>
#include <cstdint>
#include <string>

namespace sorvik {

class ParhaatTulokset {
public:
    static constexpr int Koko = 10;
    static constexpr const char* OletusNimi = "Harvokki";

    ParhaatTulokset();

    // Fills the live list from the store (missing values give the default entry).
    void LataaParhaatTulokset();
    // A streak enters the list when it is strictly greater than the last rank.
    [[nodiscard]] bool Kelpaa(std::int16_t voitot) const { return voitot > ParasTulos[Koko - 1]; }
    // Remembers the name, inserts the streak below every equal one, saves the
    // pending list (twenty writes, name before streak) and reloads the live list.
    void Lisaa(const std::string& nimi, std::int16_t voitot);
    // Stores and shows ten default entries.
    void Tyhjenna();
    // Every rank holds the default entry.
    [[nodiscard]] bool OnOletus() const;

    std::array<std::string, Koko> ParasPelaaja;
    std::array<std::int16_t, Koko> ParasTulos{};
    // The name last accepted into the list during this run.
    std::string ViimeksiListallePaassytPelaaja;

private:
    void TallennaParhaatTulokset(const std::array<std::string, Koko>& nimet,
                                 const std::array<std::int16_t, Koko>& tulokset);
};

} // namespace sorvik
