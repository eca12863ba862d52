// The main window as the game's screen: cell pictures, cursors, the status
// line, buttons, menu marks, message boxes and the event loop.

#include "frmSorvik.h"

#include "Ruudukko.h"
#include "Viestilaatikko.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace sorvik {

RuudukkoWidget* frmSorvik::ruudukko(Ruudukko ruudukko) const {
    return ruudukko == Ruudukko::Pelaaja ? imgPelaaja_ : imgKone_;
}

QAction* frmSorvik::valikko(Valikko valikko) const {
    switch (valikko) {
    case Valikko::UusiPeli:
        return mUusiPeli_;
    case Valikko::NaytaPainikkeet:
        return mNaytaPainikkeet_;
    case Valikko::NaytaMahdottomatLaivaruudut:
        return mNaytaMahdottomatLaivaruudut_;
    }
    return mUusiPeli_;
}

void frmSorvik::AsetaRuudunKuva(Ruudukko r, int ruutu, Kuva kuva) {
    ruudukko(r)->asetaKuva(ruutu, kuva);
}

void frmSorvik::SalliRuutu(Ruudukko r, int ruutu, bool sallittu) {
    ruudukko(r)->salli(ruutu, sallittu);
}

void frmSorvik::AsetaRuudunKursori(Ruudukko r, int ruutu, Kursori kursori) {
    ruudukko(r)->asetaKursori(ruutu, kursori);
}

void frmSorvik::AsetaOhjeteksti(const std::string& teksti) {
    // Called on every tick, so news of a key press is at most one tick old.
    QString uutinen = imgPelaaja_->otaUutinen();
    if (const QString kone = imgKone_->otaUutinen(); !kone.isEmpty()) {
        uutinen = kone;
    }
    lblOhje_->naytaTeksti(QString::fromStdString(teksti), uutinen);
}

void frmSorvik::AsetaOsoitin(Osoitin osoitin) {
    if (osoitin == Osoitin::Tiimalasi) {
        NaytaTiimalasi();
    } else {
        NaytaOletusosoitin();
    }
}

void frmSorvik::SalliPainike(int indeksi, bool sallittu) {
    QPushButton* painike = cmdPainike_.at(indeksi);
    if (painike->isEnabled() != sallittu) {
        painike->setEnabled(sallittu);
    }
}

bool frmSorvik::ValikonValinta(Valikko v) const {
    return valikko(v)->isChecked();
}

void frmSorvik::AsetaValikonValinta(Valikko v, bool valittu) {
    valikko(v)->setChecked(valittu);
}

void frmSorvik::SalliValikko(Valikko v, bool sallittu) {
    QAction* toiminto = valikko(v);
    if (toiminto->isEnabled() != sallittu) {
        toiminto->setEnabled(sallittu);
    }
}

void frmSorvik::SalliPaaikkuna(bool sallittu) {
    setEnabled(sallittu);
    // A new game starts with the focus on the window itself: no square shows
    // a focus frame, Enter presses the default button and the first Tab
    // reaches the player's grid.
    if (sallittu) {
        setFocus(Qt::OtherFocusReason);
    }
}

int frmSorvik::Viesti(const std::string& teksti, const std::string& otsikko, int tyyli) {
    // The style is the sum of a button set, an icon and the preselected button.
    const auto painikkeet =
        (tyyli & 0x0F) == viesti::KyllaEi ? Viestipainikkeet::KyllaEi : Viestipainikkeet::OK;
    Viestikuvake kuvake = Viestikuvake::Ei;
    switch (tyyli & 0x70) {
    case viesti::Kysymys:
        kuvake = Viestikuvake::Kysymys;
        break;
    case viesti::Huomautus:
        kuvake = Viestikuvake::Huomautus;
        break;
    case viesti::Tiedoksi:
        kuvake = Viestikuvake::Tiedoksi;
        break;
    default:
        break;
    }
    const bool toinen = (tyyli & 0x300) == viesti::ToinenOletuksena;
    switch (NaytaViesti(this, QString::fromStdString(teksti), QString::fromStdString(otsikko),
                        painikkeet, kuvake, toinen)) {
    case Viestivastaus::Kylla:
        return viesti::VastausKylla;
    case Viestivastaus::Ei:
        return viesti::VastausEi;
    case Viestivastaus::OK:
        break;
    }
    return viesti::VastausOK;
}

void frmSorvik::KasitteleTapahtumat() {
    QCoreApplication::processEvents();
}

void frmSorvik::OdotaTapahtumia(double sekuntia) {
    // Sleep in an event loop until the deadline: the timer and the user's
    // events are handled as they come, without spinning the processor.
    const int ms = std::max(1, static_cast<int>(std::ceil(sekuntia * 1000.0)));
    QEventLoop silmukka;
    odotus_ = &silmukka;
    QTimer::singleShot(ms, &silmukka, &QEventLoop::quit);
    silmukka.exec();
    odotus_ = nullptr;
}

} // namespace sorvik
