#pragma once
// Records the accessibility events a screen reader would be sent. The
// offscreen platform keeps Qt's accessibility switched off, so it is switched
// on for the listener's lifetime.

#include <QAccessible>
#include <QStringList>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace testi {

// Each event as "kind: name of its object"; kinds are "nimi" (name changed),
// "kohdistus" (focus), "hälytys" (alert) and "ilmoitus" (an object shown:
// the status line's notification).
class Kuuntelija {
public:
    Kuuntelija() {
        kuullut.clear();
        alusta(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
            QString laji;
            switch (e->type()) {
            case QAccessible::NameChanged:
                laji = QStringLiteral("nimi");
                break;
            case QAccessible::Focus:
                laji = QStringLiteral("kohdistus");
                break;
            case QAccessible::Alert:
                laji = QStringLiteral("hälytys");
                break;
            case QAccessible::ObjectShow:
                laji = QStringLiteral("ilmoitus");
                break;
            default:
                return;
            }
            QAccessibleInterface* liittyma = e->accessibleInterface();
            kuullut << laji + QStringLiteral(": ") +
                           (liittyma != nullptr ? liittyma->text(QAccessible::Name) : QString());
        });
    }
    ~Kuuntelija() {
        QAccessible::installUpdateHandler(nullptr);
        alusta(false);
    }
    Kuuntelija(const Kuuntelija&) = delete;
    Kuuntelija& operator=(const Kuuntelija&) = delete;

    // The events of one kind, names only.
    [[nodiscard]] static QStringList lajia(const QString& laji) {
        QStringList tulos;
        const QString alku = laji + QStringLiteral(": ");
        for (const QString& k : kuullut) {
            if (k.startsWith(alku)) {
                tulos << k.mid(alku.size());
            }
        }
        return tulos;
    }

    static inline QStringList kuullut;

private:
    static void alusta(bool paalla) {
        if (QPlatformAccessibility* a =
                QGuiApplicationPrivate::platformIntegration()->accessibility()) {
            a->setActive(paalla);
        }
    }
};

inline QAccessibleInterface* Liittyma(QObject* olio) {
    return QAccessible::queryAccessibleInterface(olio);
}

} // namespace testi
