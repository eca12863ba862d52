#pragma once
// Helpers shared by the main window's tests: a private settings folder, the
// window with a recording shell, and the clicks that lay the player's fleet.

#include "Asetukset.h"
#include "Peli.h"
#include "PelinValmistelu.h"
#include "Ruudukko.h"
#include "Vastaaja.h"
#include "Viestilaatikko.h"
#include "frmSorvik.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testi {

using namespace sorvik;

// Call from init(): every test starts with a fresh, empty configuration folder
// of its own (no registry file at all) and the default pointer.
inline void AlustaTesti() {
    static std::optional<QTemporaryDir> kansio;
    kansio.emplace();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(kansio->path()));
    NaytaOletusosoitin();
}

inline std::string Lue(const char* nimi) {
    return LueArvo(HKEY_CURRENT_USER, OhjelmanAvain, nimi);
}

// A window with a recording shell and the given display, loaded and shown.
struct Ikkuna {
    explicit Ikkuna(double twipsia = 15.0, bool naytetaan = true) {
        Ymparisto y;
        y.avaa = [this](const QUrl& kohde) { avatut.push_back(kohde); };
        y.twipsiaPikselilla = [twipsia] { return twipsia; };
        w = std::make_unique<frmSorvik>(std::move(y));
        w->Form_Load();
        if (naytetaan) {
            w->show();
            Aktivoi();
        }
    }

    // After a modal window the offscreen platform may leave no window active;
    // keyboard shortcuts need the main window active.
    void Aktivoi() const {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

    frmSorvik* operator->() const { return w.get(); }
    frmSorvik& operator*() const { return *w; }

    std::vector<QUrl> avatut;
    std::unique_ptr<frmSorvik> w;
};

inline QAction* Toiminto(const frmSorvik& w, const char* nimi) {
    auto* toiminto = w.findChild<QAction*>(QString::fromLatin1(nimi));
    if (toiminto == nullptr) {
        qFatal("no action %s", nimi);
    }
    return toiminto;
}

// One run of the engine's timer.
inline void Tikitys(frmSorvik& w) {
    w.peli().tmrAjastin_Timer();
}

inline QString Ohje(frmSorvik& w) {
    Tikitys(w);
    return w.lblOhje()->text();
}

// A real press and release of the mouse button on one square.
inline void Napsauta(RuudukkoWidget* ruudukko, int ruutu,
                     Qt::MouseButton painike = Qt::LeftButton) {
    QTest::mouseClick(ruudukko->ruutu(ruutu), painike);
}

struct Laukaus {
    int ruutu;
    Qt::MouseButton painike;
    std::vector<int> laivaRuudut; // what it lays
};

// The player's fleet, corners touching allowed. Left clicks lay rightwards
// (leftwards at the right edge), right and middle clicks downwards (upwards at
// the bottom edge).
inline const std::vector<Laukaus>& PelaajanSijoitukset() {
    static const std::vector<Laukaus> laivat{
        {61, Qt::RightButton, {61, 71, 81, 91}}, // carrier, down
        {8, Qt::LeftButton, {8, 9, 10}},         // cruiser 1, right
        {45, Qt::RightButton, {45, 55, 65}},     // cruiser 2, down
        {30, Qt::LeftButton, {30, 29}},          // gunboat 1, left at the edge
        {95, Qt::MiddleButton, {95, 85}},        // gunboat 2, up at the bottom
        {1, Qt::LeftButton, {1, 2}},             // gunboat 3
        {100, Qt::LeftButton, {100}},            // submarines
        {98, Qt::RightButton, {98}},
        {33, Qt::LeftButton, {33}},
        {68, Qt::LeftButton, {68}},
    };
    return laivat;
}

inline const QStringList& Kehotteet() {
    static const QStringList kehotteet{
        QStringLiteral(
            "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon."),
        QStringLiteral("Sijoita 1. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon."),
        QStringLiteral("Sijoita 2. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon."),
        QStringLiteral("Sijoita 1. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon."),
        QStringLiteral("Sijoita 2. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon."),
        QStringLiteral("Sijoita 3. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon."),
        QStringLiteral(
            "Sijoita 1. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon."),
        QStringLiteral(
            "Sijoita 2. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon."),
        QStringLiteral(
            "Sijoita 3. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon."),
        QStringLiteral(
            "Sijoita 4. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon."),
    };
    return kehotteet;
}

inline const QString& SinunVuorosi() {
    static const QString teksti =
        QStringLiteral("Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.");
    return teksti;
}

// Lays the whole fleet with real clicks on the player's grid.
inline void SijoitaLaivasto(frmSorvik& w) {
    for (const Laukaus& l : PelaajanSijoitukset()) {
        Napsauta(w.imgPelaaja(), l.ruutu, l.painike);
    }
    QVERIFY(w.peli().AmmuntaKaynnissa());
    QVERIFY(!w.peli().SijoitusKaynnissa());
}

// Squares of a grid that hold the given state.
inline std::vector<int> RuudutTilassa(const sorvik::Ruudut& ruudut, Tila tila) {
    std::vector<int> tulos;
    for (int n = 1; n <= sorvik::Ruutuja; ++n) {
        if (ruudut[n] == tila) {
            tulos.push_back(n);
        }
    }
    return tulos;
}

// Leaves the computer one submarine afloat, as if the player had hit the other
// nineteen ship squares; returns the submarine's square.
inline int JataKoneelleYksiSukellusvene(Peli& peli) {
    const int viimeinen = peli.KoneenLaivat()[sorvik::LaivojaLaivastossa - 1].Ruudut[1];
    for (const int n : RuudutTilassa(peli.KoneenRuudut(), Tila::Laiva)) {
        if (n != viimeinen) {
            PelinValmistelu::AsetaTila(peli, Ruudukko::Kone, {n}, Tila::Uponnut);
        }
    }
    PelinValmistelu::AsetaOsumat(peli, Ruudukko::Kone, sorvik::LaivaRuutuja - 1);
    return viimeinen;
}

// The player's grid as it stands: states and pictures.
struct Lauta {
    sorvik::Ruudut tilat;
    std::vector<Kuva> kuvat;
    bool operator==(const Lauta&) const = default;
};

inline Lauta PelaajanLauta(frmSorvik& w) {
    Lauta l{w.peli().PelaajanRuudut(), {}};
    for (int n = 1; n <= sorvik::Ruutuja; ++n) {
        l.kuvat.push_back(w.imgPelaaja()->kuva(n));
    }
    return l;
}

inline bool PelaajanLautaTyhja(frmSorvik& w) {
    for (int n = 1; n <= sorvik::Ruutuja; ++n) {
        if (w.peli().PelaajanRuudut()[n] != Tila::Vesi || w.imgPelaaja()->kuva(n) != Kuva::Vesi) {
            return false;
        }
    }
    return true;
}

// Leaves the player one submarine afloat, every other square already shot,
// so the computer's next shot must sink it; returns the submarine's square.
inline int JataPelaajalleYksiSukellusvene(Peli& peli) {
    const int viimeinen = peli.PelaajanLaivat()[sorvik::LaivojaLaivastossa - 1].Ruudut[1];
    for (int n = 1; n <= sorvik::Ruutuja; ++n) {
        if (n != viimeinen) {
            PelinValmistelu::AsetaTila(peli, Ruudukko::Pelaaja, {n},
                                       peli.PelaajanRuudut()[n] == Tila::Laiva ? Tila::Uponnut
                                                                               : Tila::Ohi);
        }
    }
    PelinValmistelu::AsetaOsumat(peli, Ruudukko::Pelaaja, sorvik::LaivaRuutuja - 1);
    return viimeinen;
}

// The first square of the computer's grid that is no ship.
inline int KoneenVesiruutu(const Peli& peli) {
    for (int n = 1; n <= sorvik::Ruutuja; ++n) {
        if (peli.KoneenRuudut()[n] == Tila::Vesi) {
            return n;
        }
    }
    return 0;
}

// Wins the running game at once: one submarine left, and the real click on it.
inline void VoitaPeli(frmSorvik& w) {
    const int viimeinen = JataKoneelleYksiSukellusvene(w.peli());
    Vastaaja vastaaja;
    Napsauta(w.imgKone(), viimeinen);
    QCOMPARE(vastaaja.otsikot(), QStringList{QStringLiteral("Voitit")});
}

// The player's three ways to ask the program to quit.
enum class Lopetus { Painike, Valikko, Sulkemisruutu };

inline void PyydaLopetusta(frmSorvik& w, Lopetus tapa) {
    switch (tapa) {
    case Lopetus::Painike:
        w.cmdPainike(1)->click();
        break;
    case Lopetus::Valikko:
        Toiminto(w, "mLopeta")->trigger();
        break;
    case Lopetus::Sulkemisruutu:
        w.close();
        break;
    }
}

} // namespace testi

Q_DECLARE_METATYPE(testi::Lopetus)

// Runs a helper that may fail a check and leaves the test at once if it did.
#define APU(lauseke)                                                                               \
    do {                                                                                           \
        lauseke;                                                                                   \
        if (QTest::currentTestFailed()) {                                                          \
            return;                                                                                \
        }                                                                                          \
    } while (false)
