#include "Ikkunapalvelut.h"

#include "Asetukset.h"
#include "ParhaatTulokset.h"
#include "frmKysyNimi.h"

#include <QTime>

namespace sorvik {

double Ikkunakello::Sekunnit() {
    return static_cast<double>(alku_.nsecsElapsed()) / 1e9;
}

double Ikkunakello::SekunnitKeskiyosta() {
    // As the classic randomize-from-timer reads them.
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::int16_t ListanTulospalvelu::ListanViimeinenTulos() {
    return lista_.ParasTulos[ParhaatTulokset::Koko - 1];
}

NimenKysely ListanTulospalvelu::KysyNimi(std::int16_t voitot) {
    frmKysyNimi ikkuna(lista_, voitot, omistaja_);
    ikkuna.exec();
    return ikkuna.Vastaus();
}

void ListanTulospalvelu::LisaaListalle(const std::string& nimi, std::int16_t voitot) {
    lista_.Lisaa(nimi, voitot);
}

void ListanTulospalvelu::Tallenna(const std::string& nimi, const std::string& arvo) {
    KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, nimi, 1, arvo);
}

} // namespace sorvik
