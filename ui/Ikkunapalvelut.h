#pragma once
// The clock and the high-score side that the window hands to the game.

#include "Kello.h"
#include "Tulospalvelu.h"

#include <QElapsedTimer>

class QWidget;

namespace sorvik {

class ParhaatTulokset;

// Monotonic time since the program started, and the time of day.
class Ikkunakello final : public Kello {
public:
    Ikkunakello() { alku_.start(); }
    [[nodiscard]] double Sekunnit() override;
    [[nodiscard]] double SekunnitKeskiyosta() override;

private:
    QElapsedTimer alku_;
};

// The high-score list in the store, with the name dialog over `omistaja`.
class ListanTulospalvelu final : public Tulospalvelu {
public:
    explicit ListanTulospalvelu(ParhaatTulokset& lista, QWidget* omistaja = nullptr)
        : lista_(lista), omistaja_(omistaja) {}

    [[nodiscard]] std::int16_t ListanViimeinenTulos() override;
    [[nodiscard]] NimenKysely KysyNimi(std::int16_t voitot) override;
    void LisaaListalle(const std::string& nimi, std::int16_t voitot) override;
    void Tallenna(const std::string& nimi, const std::string& arvo) override;

private:
    ParhaatTulokset& lista_;
    QWidget* omistaja_;
};

} // namespace sorvik
