#pragma once
// The game: both boards and fleets, the phases and turns, placement, shots,
// the computer's targeting and the sinking of ships. It reaches the screen
// through Tyokalut, the high-score side through Tulospalvelu, and has a clock
// and a random source of its own.

#include "Kello.h"
#include "Lauta.h"
#include "Maalitus.h"
#include "Saannot.h"
#include "Satunnaislahde.h"
#include "Tulospalvelu.h"
#include "Tyokalut.h"
#include "Vaihe.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace sorvik {

// Why the main window is about to close.
enum class Sulkemissyy { Kayttaja = 0, Ohjelma = 1, Jarjestelma = 2, Tehtavienhallinta = 3 };

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
    // Reserves the water around every ship of the grid the turn picks: the
    // player's while the player acts, else the computer's.
    void VaraaLaittomatRuudut();
    void VaraaLaittomatRuudut(Ruudukko ruudukko);
    // Lays the computer's next ship of the given length; false when it gave up
    // (no room found within a generous number of attempts) or had nothing to do.
    bool SijoitaKoneenLaiva(int pituus);
    // Reveals the reserved water around a sunk square of the grid just fired
    // at: the computer's on the player's turn, else the player's.
    void UpotaRuutu(int ruutu);
    void UpotaRuutu(Ruudukko ruudukko, int ruutu);
    void AmmuTietokoneenPuolesta();
    void MihinLaivaanPelaajaOsui(int ruutu);
    void MihinLaivaanTietokoneOsui(int ruutu);

    // The status line the timer shows for the current phase.
    [[nodiscard]] std::string Ohjeteksti() const;
    // The first ship of the player's fleet that is not yet placed (10 = none).
    [[nodiscard]] int SeuraavaPelaajanLaiva() const;
    // The computer is taking its turn.
    [[nodiscard]] bool KoneenVuoro() const { return !PelaajanVuoro_ && PeliKaynnissa_; }
    // The phase of the game, from its flags.
    [[nodiscard]] Vaihe Pelivaihe() const;
    // The quit question was answered Kyllä: nothing may act any more.
    [[nodiscard]] bool Lopetetaan() const { return lopetetaan_; }

    static constexpr int KoneenSijoitusyrityksia = 10'000;

    // --- State, read only ------------------------------------------------
    [[nodiscard]] const Ruudut& PelaajanRuudut() const { return PelaajanRuudut_; }
    [[nodiscard]] const Ruudut& KoneenRuudut() const { return KoneenRuudut_; }
    [[nodiscard]] const Laivasto& PelaajanLaivat() const { return PelaajanLaivat_; }
    [[nodiscard]] const Laivasto& KoneenLaivat() const { return KoneenLaivat_; }
    [[nodiscard]] std::int16_t PelaajanOsumat() const { return PelaajanOsumat_; }
    [[nodiscard]] std::int16_t KoneenOsumat() const { return KoneenOsumat_; }
    [[nodiscard]] bool PelaajanVuoro() const { return PelaajanVuoro_; }
    [[nodiscard]] bool SijoitusKaynnissa() const { return SijoitusKaynnissa_; }
    [[nodiscard]] bool AmmuntaKaynnissa() const { return AmmuntaKaynnissa_; }
    [[nodiscard]] bool PeliKaynnissa() const { return PeliKaynnissa_; }
    [[nodiscard]] std::int16_t VoitotPerakkain() const { return VoitotPerakkain_; }
    [[nodiscard]] std::int16_t PelaajanEdellinenRuutu() const { return PelaajanEdellinenRuutu_; }
    [[nodiscard]] Edellinen PelaajanEdellinenOsui() const { return PelaajanEdellinenOsui_; }
    [[nodiscard]] std::int16_t KoneenEdellinenRuutu() const { return KoneenEdellinenRuutu_; }
    [[nodiscard]] Edellinen KoneenEdellinenOsui() const { return KoneenEdellinenOsui_; }
    // The computer's targeting memory.
    [[nodiscard]] const Maalitus& maalitus() const { return maalitus_; }

    // The rule settings; the settings dialog edits a copy and hands it back.
    [[nodiscard]] const Saannot& saannot() const { return saannot_; }
    void AsetaSaannot(const Saannot& saannot) { saannot_ = saannot; }

private:
    // Lays boards and states for the tests.
    friend struct PelinValmistelu;

    // Re-seeds the random source from the clock.
    void Satunnaista() { lahde_.Sekoita(kello_.SekunnitKeskiyosta()); }
    void PaivitaPainikkeet();
    bool PutkenLoppu();
    void Havio();
    bool Lopeta();
    void PalautaEdellinen(Ruudukko ruudukko, int ruutu, Edellinen osui);
    // Shows every reserved square of the player's grid with the given picture.
    void NaytaVaratutRuudut(Kuva kuva);
    // Finds the ship that owns a hit square and sinks it when all its squares
    // are hit; nothing when no ship owns the square (an inconsistent fleet).
    std::optional<bool> UpotaJosUponnut(Ruudukko ammuttu, int ruutu);

    Ruudut PelaajanRuudut_{};
    Ruudut KoneenRuudut_{};
    Laivasto PelaajanLaivat_ = TyhjaLaivasto();
    Laivasto KoneenLaivat_ = TyhjaLaivasto();

    std::int16_t PelaajanOsumat_ = 0;
    std::int16_t KoneenOsumat_ = 0;
    bool PelaajanVuoro_ = false;
    bool SijoitusKaynnissa_ = false;
    bool AmmuntaKaynnissa_ = false;
    bool PeliKaynnissa_ = false;
    std::int16_t VoitotPerakkain_ = 0;

    std::int16_t PelaajanEdellinenRuutu_ = 0;
    Edellinen PelaajanEdellinenOsui_ = Edellinen::Ei_ole;

    // The computer's previous shot and targeting memory.
    std::int16_t KoneenEdellinenRuutu_ = 0;
    Edellinen KoneenEdellinenOsui_ = Edellinen::Ei_ole;
    Maalitus maalitus_;

    Saannot saannot_;

    Tyokalut& tk_;
    Kello& kello_;
    Satunnaislahde& lahde_;
    Tulospalvelu& tulokset_;
    bool lopetetaan_ = false;
    // Counts new games, so a turn that pumped events can tell the game changed.
    std::uint32_t pelinumero_ = 0;
};

} // namespace sorvik
