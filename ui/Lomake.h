#pragma once
// What the program's dialogs share: positions designed in twips, plain-text
// labels, a fixed-size modal window with its pair of command buttons, Esc
// pressing the cancel button and the pointer's return when the window shows.

#include <QDialog>
#include <QRect>

#include <array>
#include <functional>

class QAbstractButton;
class QLabel;
class QPushButton;

namespace sorvik {

// Positions are designed in twips; 15 twips make one logical pixel.
[[nodiscard]] QRect Twipit(int vasen, int yla, int leveys, int korkeus);

// A label that shows its text exactly as given, never as markup.
QLabel* UusiTeksti(QWidget* vanhempi, const QString& nimi, const QString& teksti,
                   const QRect& paikka, Qt::Alignment tasaus = Qt::AlignLeft);

class Lomake : public QDialog {
    Q_OBJECT

protected:
    Lomake(const QString& nimi, const QString& otsikko, QWidget* vanhempi);

    // "cmdPainike(0)" above "cmdPainike(1)" at `vasen` twips from the left, the
    // first one the default; a click calls `napsautus` with the index.
    std::array<QPushButton*, 2> LuoPainikkeet(const QString& ensimmainen, const QString& toinen,
                                              int vasen, const std::function<void(int)>& napsautus);

    // The button that Esc presses.
    void AsetaPeruutus(QAbstractButton* painike) { peruutus_ = painike; }

    // Runs each time the window is shown. The opener showed the hourglass, so
    // by default the pointer returns to the arrow.
    virtual void Form_Activate();

    void showEvent(QShowEvent* tapahtuma) override;
    void keyPressEvent(QKeyEvent* tapahtuma) override;

private:
    QAbstractButton* peruutus_ = nullptr;
};

} // namespace sorvik
