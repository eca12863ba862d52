#pragma once
// One 10 x 10 grid of cell pictures: 100 cells of 20 x 20 pixels on a 24-pixel
// pitch. Cells are numbered 1..100 row by row from the top left.

#include "Lauta.h"
#include "Tyokalut.h"

#include <QString>
#include <QWidget>

#include <array>

class QKeyEvent;
class QMouseEvent;

namespace sorvik {

// One square of a grid. It paints its picture and, while the keyboard works
// the grid, the focus frame; it carries an accessible name such as "E2, vesi".
// Mouse presses and releases are handed to the grid, which turns them into
// the grid's signals.
class RuutuWidget : public QWidget {
    Q_OBJECT

public:
    RuutuWidget(int numero, QString laivanSana, QWidget* vanhempi);

    [[nodiscard]] int numero() const { return numero_; }
    [[nodiscard]] Kuva kuva() const { return kuva_; }
    [[nodiscard]] Kursori kursori() const { return kursori_; }
    [[nodiscard]] bool kehys() const { return kehys_; }

    // All three do nothing when the value does not change.
    void asetaKuva(Kuva kuva);
    void asetaKursori(Kursori kursori);
    void asetaKehys(bool kehys);

    [[nodiscard]] QSize sizeHint() const override;

signals:
    void painettu(int ruutu, Qt::MouseButton painike, Qt::MouseButtons napit);
    // `paikka` is where the button went up, in the grid's coordinates.
    void vapautettu(int ruutu, Qt::MouseButton painike, Qt::MouseButtons napit, QPoint paikka);

protected:
    void paintEvent(QPaintEvent* tapahtuma) override;
    void mousePressEvent(QMouseEvent* tapahtuma) override;
    void mouseReleaseEvent(QMouseEvent* tapahtuma) override;

private:
    void paivitaNimi();

    int numero_;
    QString laivanSana_;
    Kuva kuva_ = Kuva::Vesi;
    Kursori kursori_ = Kursori::Oletus;
    bool kehys_ = false;
};

// The grid is one stop of the Tab chain. Inside it the arrow keys, Home and
// End move the focus square; Space and Enter on it act as the left mouse
// button, with Shift as the right one.
class RuudukkoWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int Sivu = RuutujaRivilla;
    static constexpr int Ruutuja = sorvik::Ruutuja;
    static constexpr int Vali = 24;
    static constexpr int Koko = Vali * (Sivu - 1) + 20;

    // The player's grid is "Oma ruudukko" and names its ships "oma laiva";
    // the computer's grid is "Vastustajan ruudukko".
    explicit RuudukkoWidget(Ruudukko puoli, QWidget* vanhempi = nullptr);

    // Cell numbers outside 1..100 are ignored (getters give defaults).
    void asetaKuva(int ruutu, Kuva kuva);
    void salli(int ruutu, bool sallittu);
    void asetaKursori(int ruutu, Kursori kursori);

    [[nodiscard]] Kuva kuva(int ruutu) const;
    [[nodiscard]] bool sallittu(int ruutu) const;
    [[nodiscard]] Kursori kursori(int ruutu) const;
    [[nodiscard]] QWidget* ruutu(int ruutu) const;

    // The focus square, where the keyboard acts (1 at first).
    [[nodiscard]] int kohdistettu() const { return kohdistettu_; }
    // Moves the focus square; numbers outside 1..100 are ignored.
    void kohdista(int ruutu);
    // What a press of the left (1) or right (2) button on the square would do.
    void painaRuutua(int ruutu, int painike);
    // The square's new name when such a press changed it, once; then empty.
    [[nodiscard]] QString otaUutinen();

    // The cell's top-left corner in the grid's coordinates.
    [[nodiscard]] static QPoint ruudunPaikka(int ruutu);
    // The cell under `paikka` (grid coordinates), 0 for the gaps and outside.
    [[nodiscard]] static int ruutuKohdassa(QPoint paikka);
    // "A1" .. "J10".
    [[nodiscard]] static QString ruudunTunnus(int ruutu);

    [[nodiscard]] QSize sizeHint() const override;

signals:
    // A mouse button went up. `ruutu` is the square on which the press began;
    // `painike` is 1 for the left, 2 for the right and 4 for the middle button.
    void hiiriYlos(int ruutu, int painike);
    // The left button was pressed and released on the same enabled square.
    void napsautus(int ruutu);

protected:
    bool event(QEvent* tapahtuma) override;
    bool eventFilter(QObject* kohde, QEvent* tapahtuma) override;
    void keyPressEvent(QKeyEvent* tapahtuma) override;
    void focusInEvent(QFocusEvent* tapahtuma) override;
    void focusOutEvent(QFocusEvent* tapahtuma) override;

private:
    [[nodiscard]] RuutuWidget* solu(int ruutu) const;
    void painettiin(int ruutu, Qt::MouseButton painike, Qt::MouseButtons napit);
    void vapautettiin(Qt::MouseButton painike, Qt::MouseButtons napit, QPoint paikka);
    void paivitaKehys();
    void kerroKohdistus() const;

    std::array<RuutuWidget*, Ruutuja> solut_{};
    // The square on which the current press began, 0 when no button is down.
    int painettuRuutu_ = 0;
    bool vasenPainettu_ = false;
    int kohdistettu_ = 1;
    // The keyboard, not the mouse, gave the latest input: the frame may show.
    bool nappaimisto_ = false;
    QString uutinen_;
};

} // namespace sorvik
