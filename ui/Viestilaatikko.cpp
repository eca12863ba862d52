#include "Viestilaatikko.h"

#include "Tyokalut.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace sorvik {

int NaytaViesti(QWidget* omistaja, const QString& teksti, const QString& otsikko, int tyyli) {
    const int painikkeet = tyyli & 0x0F;
    const int kuvake = tyyli & 0x70;
    const bool toinenOletuksena = (tyyli & 0x300) == viesti::ToinenOletuksena;

    QMessageBox laatikko(omistaja);
    laatikko.setWindowTitle(otsikko.isEmpty() ? QStringLiteral("Sorvik") : otsikko);
    laatikko.setTextFormat(Qt::PlainText);
    laatikko.setText(teksti);
    switch (kuvake) {
    case viesti::Kysymys:
        laatikko.setIcon(QMessageBox::Question);
        break;
    case viesti::Huomautus:
        laatikko.setIcon(QMessageBox::Warning);
        break;
    case viesti::Tiedoksi:
        laatikko.setIcon(QMessageBox::Information);
        break;
    default:
        laatikko.setIcon(QMessageBox::NoIcon);
        break;
    }

    if (painikkeet == viesti::KyllaEi) {
        QPushButton* kylla = laatikko.addButton(QStringLiteral("Kyllä"), QMessageBox::YesRole);
        QPushButton* ei = laatikko.addButton(QStringLiteral("Ei"), QMessageBox::NoRole);
        laatikko.setDefaultButton(toinenOletuksena ? ei : kylla);
        laatikko.setEscapeButton(ei);
        laatikko.exec();
        return laatikko.clickedButton() == kylla ? viesti::VastausKylla : viesti::VastausEi;
    }
    QPushButton* ok = laatikko.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    laatikko.setDefaultButton(ok);
    laatikko.setEscapeButton(ok);
    laatikko.exec();
    return viesti::VastausOK;
}

void NaytaTiimalasi() {
    if (QApplication::overrideCursor() == nullptr) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void NaytaOletusosoitin() {
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace sorvik
