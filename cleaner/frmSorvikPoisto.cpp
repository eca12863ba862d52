#include "frmSorvikPoisto.h"

#include "rekisteri.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace sorvik {

namespace {

constexpr const char* PoistettavaAvain = "Software\\Harvokki\\Sorvik 1.1 Freeware";

void NaytaHuomautus(const QString& otsikko, const QString& teksti) {
    QMessageBox laatikko(QMessageBox::Warning, otsikko, teksti, QMessageBox::NoButton);
    laatikko.setTextFormat(Qt::PlainText);
    QPushButton* ok = laatikko.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    laatikko.setDefaultButton(ok);
    laatikko.setEscapeButton(ok);
    laatikko.exec();
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

void AsennaSuomenkielisetTekstit() {
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    // Owned by the application, which outlives every dialog.
    auto* kaannos = new QTranslator(qApp);
    if (kaannos->load(QStringLiteral("qtbase_fi"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(kaannos);
    }
}

} // namespace sorvik
