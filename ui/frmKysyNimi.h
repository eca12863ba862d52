#pragma once
// The name dialog: congratulates a player whose streak reaches the high-score
// list and asks for the name to enter.

#include "Lomake.h"
#include "Tulospalvelu.h"

#include <QValidator>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace sorvik {

class ParhaatTulokset;

// Accepts a name of at most 16 characters, each of which the store's
// single-byte text (Windows-1252) can hold; control characters are refused.
// Anything else is rejected outright, pasted text included, so a name reaches
// the store exactly as typed.
class NimenTarkistin : public QValidator {
    Q_OBJECT

public:
    static constexpr int EnimmaisPituus = 16;

    using QValidator::QValidator;
    State validate(QString& syote, int& kohta) const override;
    [[nodiscard]] static bool KelpaaMerkiksi(QChar merkki);
};

// Controls by objectName: "lblTeksti", "txtNimi", "cmdPainike(0)" (OK) and
// "cmdPainike(1)" (Peruuta).
//
// The dialog stores nothing itself: it tells how it was closed, OK with the
// name typed, Peruuta (also Esc), or the window frame, and the game does what
// that means for the streak.
class frmKysyNimi : public Lomake {
    Q_OBJECT

public:
    frmKysyNimi(const ParhaatTulokset& lista, std::int16_t voitotPerakkain,
                QWidget* parent = nullptr);

    [[nodiscard]] const NimenKysely& Vastaus() const { return vastaus_; }

private:
    void Form_Activate() override;
    void cmdPainike_Click(int indeksi);
    void txtNimi_Change();

    NimenKysely vastaus_;
    QLabel* lblTeksti_;
    QLineEdit* txtNimi_;
    std::array<QPushButton*, 2> cmdPainike_{};
};

} // namespace sorvik
