#pragma once
// What a screen reader sees of the main window: each square is a button named
// after its column, row and picture, the focused one is its grid's focus
// square, and the status line is a status bar whose every new text is
// announced as a notification.

#include "Tyokalut.h"

#include <QLabel>

namespace sorvik {

// Installs the accessibility factory for the grids and the status line;
// later calls do nothing.
void AsennaSaavutettavuus();

// What the player may know of a square, e.g. "B5, oma laiva" or
// "C7, ohi, viimeisin laukaus"; `laivanSana` names a ship picture.
[[nodiscard]] QString RuudunNimi(int ruutu, Kuva kuva, const QString& laivanSana);

// The object behind the status line's notification; a child of the line.
class TilarivinIlmoitus : public QObject {
    Q_OBJECT

public:
    explicit TilarivinIlmoitus(QObject* rivi) : QObject(rivi) {}
};

// The status line: a label that a screen reader knows as the status bar.
// Screen readers leave a name change unspoken unless the object has the
// focus, so each new text is also shown as a notification inside the status
// bar, which they speak at once.
class Tilarivi : public QLabel {
    Q_OBJECT

public:
    explicit Tilarivi(QWidget* vanhempi);

    // Shows `teksti`. A text not announced yet is announced as soon as the
    // window is active and no modal window is open: the desktop names the
    // window and a message box speaks for itself first. `edelle`,
    // when given, is said before a text announced at once: the square the
    // player's own move has just changed, whose news it would cut off.
    void naytaTeksti(const QString& teksti, const QString& edelle = {});

    // What the notification says.
    [[nodiscard]] const QString& ilmoitusteksti() const { return ilmoitusteksti_; }
    // The notification's accessible object.
    [[nodiscard]] QObject* ilmoitus() { return &ilmoitus_; }

private:
    TilarivinIlmoitus ilmoitus_{this};
    QString ilmoitettu_;
    QString ilmoitusteksti_;
};

} // namespace sorvik
