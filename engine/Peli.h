#pragma once
// The game: both boards and fleets, the phases and turns, placement, shots,
// the computer's targeting and the sinking of ships. It reaches the screen
// through Tyokalut, the high-score side through Tulospalvelu, and has a clock
// and a random source of its own.

#include "Kello.h"
#include "Lauta.h"
#include "Saannot.h"
#include "Satunnaislahde.h"
#include "Tulospalvelu.h"
#include "Tyokalut.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace sorvik {

// Why the main window is about to close.
enum class Sulkemissyy { Kayttaja = 0, Ohjelma = 1, Jarjestelma = 2, Tehtavienhallinta = 3 };

enum class Suunta : std::uint8_t { Vasen, Oikea, Ylos, Alas };

class Peli {
public:
    Peli(Tyokalut& tyokalut, Kello& kello, Satunnaislahde& lahde, Tulospalvelu& tulokset)
        : tk_(tyokalut), kello_(kello), lahde_(lahde), tulokset_(tulokset) {}
    Peli(const Peli&) = delete;
    Peli& operator=(const Peli&) = delete;

    // --- Events of the main window ---------------------------------------
    // The game's half of start-up: rules, streak, the first new game.
    void Kaynnista();
    void cmdPainike_Click(int indeksi);
    void mUusiPeli_Click();
    // Asks the quit question; on Kyllä the program is closed, and true returned.
    bool mLopeta_Click();
    // True when the close is refused (the Cancel flag).
    bool Form_QueryUnload(Sulkemissyy syy);
    void tmrAjastin_Timer();
    void imgPelaaja_MouseUp(int ruutu, int painike);
    void imgKone_Click(int ruutu);
    void mNaytaMahdottomatLaivaruudut_Click();

    // --- Procedures ------------------------------------------------------
    void UusiPeli();
    void TeePelinAlkuvalmistelut();
    void PoistaLaivat();
    void VaraaLaittomatRuudut();
    // Lays the computer's next ship of the given length; false when it gave up
    // (no room found within a generous number of attempts) or had nothing to do.
    bool SijoitaKoneenLaiva(int pituus);
    void UpotaRuutu(int ruutu);
    void AmmuTietokoneenPuolesta();
    void MihinLaivaanPelaajaOsui(int ruutu);
    void MihinLaivaanTietokoneOsui(int ruutu);

    // The status line the timer shows for the current phase.
    [[nodiscard]] std::string Ohjeteksti() const;
    // The first ship of the player's fleet that is not yet placed (10 = none).
    [[nodiscard]] int SeuraavaPelaajanLaiva() const;
    // The computer is taking its turn.
    [[nodiscard]] bool KoneenVuoro() const { return !PelaajanVuoro && PeliKaynnissa; }
    // The quit question was answered Kyllä: nothing may act any more.
    [[nodiscard]] bool Lopetetaan() const { return lopetetaan_; }

    static constexpr int KoneenSijoitusyrityksia = 10'000;

    // --- State -----------------------------------------------------------
    Ruudut PelaajanRuudut{};
    Ruudut KoneenRuudut{};
    Laivasto PelaajanLaivat = TyhjaLaivasto();
    Laivasto KoneenLaivat = TyhjaLaivasto();

    std::int16_t PelaajanOsumat = 0;
    std::int16_t KoneenOsumat = 0;
    bool PelaajanVuoro = false;
    bool SijoitusKaynnissa = false;
    bool AmmuntaKaynnissa = false;
    bool PeliKaynnissa = false;
    std::int16_t VoitotPerakkain = 0;

    std::int16_t PelaajanEdellinenRuutu = 0;
    Edellinen PelaajanEdellinenOsui = Edellinen::Ei_ole;

    // The computer's previous shot and targeting memory.
    std::int16_t KoneenEdellinenRuutu = 0;
    Edellinen KoneenEdellinenOsui = Edellinen::Ei_ole;
    std::int16_t EnsimmainenOsuma = 0; // 0: no target
    std::int16_t SeuraavaRuutu = 0;
    std::int16_t Suuntajarjestys = 0; // 1..8, 100 after a target is dropped
    std::array<bool, 4> Kokeiltu{};   // left, right, up, down exhausted
    bool KoneUpottiLaivan = false;

    Saannot saannot;

private:
    // Re-seeds the random source from the clock.
    void Satunnaista() { lahde_.Sekoita(kello_.SekunnitKeskiyosta()); }
    void PutoaKohde();
    void PaivitaPainikkeet();
    bool PutkenLoppu();
    void Havio();
    bool Lopeta();
    int ValitseKoneenRuutu(std::array<bool, 4>& suuntaVaihtui);
    void Upota(Laivasto& laivasto, int laiva);
    void PalautaEdellinen(Ruudukko ruudukko, int ruutu, Edellinen osui);
    // Shows every reserved square of the player's grid with the given picture.
    void NaytaVaratutRuudut(Kuva kuva);
    // Finds the ship that owns a hit square and sinks it when all its squares
    // are hit; nothing when no ship owns the square (an inconsistent fleet).
    std::optional<bool> UpotaJosUponnut(Laivasto& laivasto, const Ruudut& ruudut, int ruutu);

    Tyokalut& tk_;
    Kello& kello_;
    Satunnaislahde& lahde_;
    Tulospalvelu& tulokset_;
    bool lopetetaan_ = false;
    // Counts new games, so a turn that pumped events can tell the game changed.
    std::uint32_t pelinumero_ = 0;
};

} // namespace sorvik
