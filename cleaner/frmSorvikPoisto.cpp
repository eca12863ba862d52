#include "frmSorvikPoisto.h"

#include "Viestilaatikko.h"
#include "rekisteri.h"

namespace sorvik {

namespace {

constexpr const char* PoistettavaAvain = "Software\\Harvokki\\Sorvik 1.1 Freeware";

void NaytaHuomautus(const QString& otsikko, const QString& teksti) {
    NaytaViesti(nullptr, teksti, otsikko, Viestipainikkeet::OK, Viestikuvake::Huomautus);
}

} // namespace

frmSorvikPoisto::frmSorvikPoisto(QWidget* omistaja) : QWidget(omistaja) {
    setObjectName(QStringLiteral("frmSorvikPoisto"));
    setWindowTitle(QStringLiteral("SorvikPoisto"));
}

bool frmSorvikPoisto::Form_Load() {
    const bool poistettu = PoistaOhjelmanAvain();
    if (poistettu) {
        NaytaHuomautus(QStringLiteral("Poistettu"),
                       QStringLiteral("Sorvik-ohjelman järjestelmätiedot poistettu!"));
    } else {
        NaytaHuomautus(QStringLiteral("Virhe"),
                       QStringLiteral("Sorvik-ohjelman järjestelmätietojen poisto ei onnistu."));
    }
    return poistettu;
}

bool PoistaOhjelmanAvain() {
    return RegDeleteKeyA(HKEY_CURRENT_USER, PoistettavaAvain) == ERROR_SUCCESS;
}

} // namespace sorvik
