#include "Viestilaatikko.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace sorvik {

int NaytaViesti(QWidget* omistaja, const QString& teksti, const QString& otsikko, int tyyli) {
    const int painikkeet = tyyli & 0x0F;
    const int kuvake = tyyli & 0x70;
    const bool toinenOletuksena = (tyyli & 0x300) == 256;

    QMessageBox laatikko(omistaja);
    laatikko.setWindowTitle(otsikko.isEmpty() ? QStringLiteral("Sorvik") : otsikko);
    laatikko.setTextFormat(Qt::PlainText);
    laatikko.setText(teksti);
    switch (kuvake) {
    case 32:
        laatikko.setIcon(QMessageBox::Question);
        break;
    case 48:
        laatikko.setIcon(QMessageBox::Warning);
        break;
    case 64:
        laatikko.setIcon(QMessageBox::Information);
        break;
    default:
        laatikko.setIcon(QMessageBox::NoIcon);
        break;
    }

    if (painikkeet == 4) {
        QPushButton* kylla = laatikko.addButton(QStringLiteral("Kyllä"), QMessageBox::YesRole);
        QPushButton* ei = laatikko.addButton(QStringLiteral("Ei"), QMessageBox::NoRole);
        laatikko.setDefaultButton(toinenOletuksena ? ei : kylla);
        laatikko.setEscapeButton(ei);
        laatikko.exec();
        return laatikko.clickedButton() == kylla ? 6 : 7;
    }
    QPushButton* ok = laatikko.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    laatikko.setDefaultButton(ok);
    laatikko.setEscapeButton(ok);
    laatikko.exec();
    return 1;
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
