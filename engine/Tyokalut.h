#pragma once
// What the game needs of the screen: cell pictures, enabling and cursors, the
// status line, the pointer, buttons, menu marks, message boxes, closing, event
// pumping and the timed wait. The Qt window implements it; the tests use a
// recording fake.

#include <string>

namespace sorvik {

enum class Ruudukko { Pelaaja, Kone };

// The six cell pictures (templates imgVesi ... imgOhiViimeksi).
enum class Kuva { Vesi, Laiva, Ohi, Osuma, OsumaViimeksi, OhiViimeksi };

enum class Kursori { Oletus, Sormi };
enum class Osoitin { Oletus, Tiimalasi };

// Menu entries the game reads or changes.
enum class Valikko { UusiPeli, NaytaPainikkeet, NaytaMahdottomatLaivaruudut };

// Message box styles and answers, as the classic toolkit numbers them.
namespace viesti {
inline constexpr int OK = 0;
inline constexpr int KyllaEi = 4;
inline constexpr int Kysymys = 32;
inline constexpr int Huomautus = 48;
inline constexpr int Tiedoksi = 64;
inline constexpr int ToinenOletuksena = 256;
inline constexpr int VastausOK = 1;
inline constexpr int VastausKylla = 6;
inline constexpr int VastausEi = 7;
} // namespace viesti

class Tyokalut {
public:
    virtual ~Tyokalut() = default;

    virtual void AsetaRuudunKuva(Ruudukko ruudukko, int ruutu, Kuva kuva) = 0;
    virtual void SalliRuutu(Ruudukko ruudukko, int ruutu, bool sallittu) = 0;
    virtual void AsetaRuudunKursori(Ruudukko ruudukko, int ruutu, Kursori kursori) = 0;
    virtual void AsetaOhjeteksti(const std::string& teksti) = 0;
    virtual void AsetaOsoitin(Osoitin osoitin) = 0;
    virtual void SalliPainike(int indeksi, bool sallittu) = 0;
    [[nodiscard]] virtual bool ValikonValinta(Valikko valikko) const = 0;
    virtual void AsetaValikonValinta(Valikko valikko, bool valittu) = 0;
    virtual void SalliValikko(Valikko valikko, bool sallittu) = 0;
    virtual void SalliPaaikkuna(bool sallittu) = 0;
    // Modal message box; an empty caption shows the program's title. Returns
    // viesti::VastausOK, VastausKylla or VastausEi.
    virtual int Viesti(const std::string& teksti, const std::string& otsikko, int tyyli) = 0;

    // Unloads the dialogs and the main window and ends the program. Returns to
    // the caller, which must then unwind without touching the board.
    virtual void SuljeOhjelma() = 0;

    // Handles every pending event once.
    virtual void KasitteleTapahtumat() = 0;
    // Handles events as they come, sleeping in between, for at most `sekuntia`.
    virtual void OdotaTapahtumia(double sekuntia) = 0;
};

} // namespace sorvik
