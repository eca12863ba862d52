#pragma once
// One 10 x 10 grid of cell pictures: 100 cells of 20 x 20 pixels on a 24-pixel
// pitch. Cells are numbered 1..100 row by row from the top left.

#include "Lauta.h"
#include "Tyokalut.h"

#include <QString>
#include <QWidget>

#include <array>

class QMouseEvent;

namespace sorvik {

// One square of a grid. It paints its picture, takes focus from the keyboard
// and carries an accessible name such as "E2, vesi"; mouse presses and releases
// are handed to the grid, which turns them into the grid's signals.
class RuutuWidget : public QWidget {
    Q_OBJECT

public:
    RuutuWidget(int numero, QWidget* vanhempi);

    [[nodiscard]] int numero() const { return numero_; }
    [[nodiscard]] Kuva kuva() const { return kuva_; }
    [[nodiscard]] Kursori kursori() const { return kursori_; }

    // Both do nothing when the value does not change.
    void asetaKuva(Kuva kuva);
    void asetaKursori(Kursori kursori);

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
    Kuva kuva_ = Kuva::Vesi;
    Kursori kursori_ = Kursori::Oletus;
};

class RuudukkoWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int Sivu = RuutujaRivilla;
    static constexpr int Ruutuja = sorvik::Ruutuja;
    static constexpr int Vali = 24;
    static constexpr int Koko = Vali * (Sivu - 1) + 20;

    explicit RuudukkoWidget(const QString& nimi, QWidget* vanhempi = nullptr);

    // Cell numbers outside 1..100 are ignored (getters give defaults).
    void asetaKuva(int ruutu, Kuva kuva);
    void salli(int ruutu, bool sallittu);
    void asetaKursori(int ruutu, Kursori kursori);

    [[nodiscard]] Kuva kuva(int ruutu) const;
    [[nodiscard]] bool sallittu(int ruutu) const;
    [[nodiscard]] Kursori kursori(int ruutu) const;
    [[nodiscard]] QWidget* ruutu(int ruutu) const;

    // The cell's top-left corner in the grid's coordinates.
    [[nodiscard]] static QPoint ruudunPaikka(int ruutu);
    // The cell under `paikka` (grid coordinates), 0 for the gaps and outside.
    [[nodiscard]] static int ruutuKohdassa(QPoint paikka);
    // "A1" .. "J10".
    [[nodiscard]] static QString ruudunTunnus(int ruutu);
    // What a picture shows, in words: "vesi", "laiva", "ohi", "osuma".
    [[nodiscard]] static QString kuvanKuvaus(Kuva kuva);

    [[nodiscard]] QSize sizeHint() const override;

signals:
    // A mouse button went up. `ruutu` is the square on which the press began;
    // `painike` is 1 for the left, 2 for the right and 4 for the middle button.
    void hiiriYlos(int ruutu, int painike);
    // The left button was pressed and released on the same enabled square.
    void napsautus(int ruutu);

private:
    [[nodiscard]] RuutuWidget* solu(int ruutu) const;
    void painettiin(int ruutu, Qt::MouseButton painike, Qt::MouseButtons napit);
    void vapautettiin(Qt::MouseButton painike, Qt::MouseButtons napit, QPoint paikka);

    std::array<RuutuWidget*, Ruutuja> solut_{};
    // The square on which the current press began, 0 when no button is down.
    int painettuRuutu_ = 0;
    bool vasenPainettu_ = false;
};

} // namespace sorvik
