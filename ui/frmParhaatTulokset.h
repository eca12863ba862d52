#pragma once
// The high-score dialog: shows the ten longest winning streaks and lets the
// player clear the list.

#include "Lomake.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace sorvik {

class ParhaatTulokset;

// Controls by objectName: "frParhaat", "lblSija(i)", "lblNimi(i)", "lblTulos(i)"
// for i = 0..9, "cmdPainike(0)" (OK) and "cmdPainike(1)" (Tyhjennä).
class frmParhaatTulokset : public Lomake {
    Q_OBJECT

public:
    frmParhaatTulokset(ParhaatTulokset& lista, QWidget* parent = nullptr);

private:
    void cmdPainike_Click(int indeksi);
    void NaytaLista();

    ParhaatTulokset& lista_;
    QGroupBox* frParhaat_;
    std::array<QLabel*, 10> lblSija_{};
    std::array<QLabel*, 10> lblNimi_{};
    std::array<QLabel*, 10> lblTulos_{};
    std::array<QPushButton*, 2> cmdPainike_{};
};

} // namespace sorvik
