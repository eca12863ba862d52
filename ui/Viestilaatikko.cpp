#include "Viestilaatikko.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace sorvik {

Viestivastaus NaytaViesti(QWidget* omistaja, const QString& teksti, const QString& otsikko,
                          Viestipainikkeet painikkeet, Viestikuvake kuvake, bool toinenOletuksena) {
    QMessageBox laatikko(omistaja);
    laatikko.setWindowTitle(otsikko.isEmpty() ? QStringLiteral("Sorvik") : otsikko);
    laatikko.setTextFormat(Qt::PlainText);
    laatikko.setText(teksti);
    switch (kuvake) {
    case Viestikuvake::Kysymys:
        laatikko.setIcon(QMessageBox::Question);
        break;
    case Viestikuvake::Huomautus:
        laatikko.setIcon(QMessageBox::Warning);
        break;
    case Viestikuvake::Tiedoksi:
        laatikko.setIcon(QMessageBox::Information);
        break;
    case Viestikuvake::Ei:
        laatikko.setIcon(QMessageBox::NoIcon);
        break;
    }

    if (painikkeet == Viestipainikkeet::KyllaEi) {
        QPushButton* kylla = laatikko.addButton(QStringLiteral("Kyllä"), QMessageBox::YesRole);
        QPushButton* ei = laatikko.addButton(QStringLiteral("Ei"), QMessageBox::NoRole);
        laatikko.setDefaultButton(toinenOletuksena ? ei : kylla);
        laatikko.setEscapeButton(ei);
        laatikko.exec();
        return laatikko.clickedButton() == kylla ? Viestivastaus::Kylla : Viestivastaus::Ei;
    }
    QPushButton* ok = laatikko.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    laatikko.setDefaultButton(ok);
    laatikko.setEscapeButton(ok);
    laatikko.exec();
    return Viestivastaus::OK;
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
