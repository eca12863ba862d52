#pragma once
// Helpers shared by the dialogs' tests: a dialog's parts found by name.

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace testi {

template <typename T> T* Osa(const QWidget& ikkuna, const QString& nimi) {
    auto* osa = ikkuna.findChild<T*>(nimi);
    if (osa == nullptr) {
        qFatal("%s: no %s", qPrintable(ikkuna.objectName()), qPrintable(nimi));
    }
    return osa;
}

inline QString Indeksi(const char* nimi, int i) {
    return QStringLiteral("%1(%2)").arg(nimi).arg(i);
}

inline QPushButton* Painike(const QWidget& ikkuna, int i) {
    return Osa<QPushButton>(ikkuna, Indeksi("cmdPainike", i));
}

} // namespace testi
