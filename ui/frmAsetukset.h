#pragma once
// The settings dialog: how a game's opening turn is decided, where ships may
// lie, and whether sinking is animated.

#include "Lomake.h"
#include "Vaihe.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace sorvik {

struct Saannot;

// Controls by objectName: "fraAloitustapa" with "optAloitustapa(0..2)",
// "fraLaivojenSijainti" with "chkSijainti(0..1)", "fraLaivojenUppoaminen" with
// "optUppoaminen(0..1)", "cmdPainike(0)" (OK) and "cmdPainike(1)" (Peruuta).
//
// OK writes the settings back to `saannot` and stores them; Peruuta, Esc and
// the window frame change nothing. The ship-position rules are locked while a
// game is in progress or the player has a winning streak.
class frmAsetukset : public Lomake {
    Q_OBJECT

public:
    frmAsetukset(Saannot& saannot, Vaihe vaihe, std::int16_t voitotPerakkain,
                 QWidget* parent = nullptr);

    // The text stored for each start option, by option index.
    static constexpr std::array<const char*, 3> AloitustavanTekstit{
        "Vuoroaloitus", "Aloittaja arvotaan", "Edellisen pelin voittanut"};

private:
    void cmdPainike_Click(int indeksi);

    Saannot& saannot_;
    QGroupBox* fraAloitustapa_;
    QGroupBox* fraLaivojenSijainti_;
    QGroupBox* fraLaivojenUppoaminen_;
    std::array<QRadioButton*, 3> optAloitustapa_{};
    std::array<QCheckBox*, 2> chkSijainti_{};
    std::array<QRadioButton*, 2> optUppoaminen_{};
    std::array<QPushButton*, 2> cmdPainike_{};
};

} // namespace sorvik
