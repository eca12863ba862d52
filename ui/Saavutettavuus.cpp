#include "Saavutettavuus.h"

#include "Ruudukko.h"

#include <QAccessibleWidget>

namespace sorvik {

namespace {

// What the player may know of a square from its picture.
QString kuvanKuvaus(Kuva kuva, const QString& laivanSana) {
    switch (kuva) {
    case Kuva::Vesi:
        return QStringLiteral("vesi");
    case Kuva::Laiva:
        return laivanSana;
    case Kuva::Ohi:
        return QStringLiteral("ohi");
    case Kuva::Osuma:
        return QStringLiteral("osuma");
    case Kuva::OhiViimeksi:
        return QStringLiteral("ohi, viimeisin laukaus");
    case Kuva::OsumaViimeksi:
        return QStringLiteral("osuma, viimeisin laukaus");
    }
    return {};
}

// A square takes the keyboard focus only as its grid's focus square.
class RuudunLiittyma : public QAccessibleWidget {
public:
    explicit RuudunLiittyma(RuutuWidget* ruutu) : QAccessibleWidget(ruutu, QAccessible::Button) {}

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State tila = QAccessibleWidget::state();
        const RuudukkoJaNumero r = ruudukko();
        // The focus square may rest on a square already shot, too.
        tila.focusable = r.ruudukko != nullptr;
        tila.focused = r.ruudukko != nullptr && r.ruudukko->hasFocus() &&
                       r.ruudukko->kohdistettu() == r.numero;
        return tila;
    }

    [[nodiscard]] QStringList actionNames() const override {
        if (state().disabled) {
            return {setFocusAction()};
        }
        return {pressAction(), setFocusAction()};
    }

    // Pressing acts as the left mouse button; focusing moves the focus square.
    void doAction(const QString& toiminto) override {
        const RuudukkoJaNumero r = ruudukko();
        if (r.ruudukko == nullptr) {
            return;
        }
        if (toiminto == pressAction()) {
            r.ruudukko->painaRuutua(r.numero, 1);
        } else if (toiminto == setFocusAction()) {
            r.ruudukko->kohdista(r.numero);
            r.ruudukko->setFocus(Qt::OtherFocusReason);
        }
    }

private:
    struct RuudukkoJaNumero {
        RuudukkoWidget* ruudukko;
        int numero;
    };

    [[nodiscard]] RuudukkoJaNumero ruudukko() const {
        auto* ruutu = static_cast<RuutuWidget*>(widget());
        return {qobject_cast<RuudukkoWidget*>(ruutu->parentWidget()), ruutu->numero()};
    }
};

// While the grid has the focus, its focus square is the focused child.
class RuudukonLiittyma : public QAccessibleWidget {
public:
    explicit RuudukonLiittyma(RuudukkoWidget* ruudukko)
        : QAccessibleWidget(ruudukko, QAccessible::Grouping) {}

    [[nodiscard]] QAccessibleInterface* focusChild() const override {
        auto* ruudukko = static_cast<RuudukkoWidget*>(widget());
        if (!ruudukko->hasFocus()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(ruudukko->ruutu(ruudukko->kohdistettu()));
    }
};

// The status line's text is its name; changing it tells the screen reader.
class TilarivinLiittyma : public QAccessibleWidget {
public:
    explicit TilarivinLiittyma(Tilarivi* rivi) : QAccessibleWidget(rivi, QAccessible::StatusBar) {}

    [[nodiscard]] QString text(QAccessible::Text laji) const override {
        if (laji == QAccessible::Name) {
            return static_cast<QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(laji);
    }
};

// Qt's accessibility cache owns the interfaces a factory returns.
QAccessibleInterface* Tehdas(const QString&, QObject* olio) {
    if (auto* ruutu = qobject_cast<RuutuWidget*>(olio)) {
        return new RuudunLiittyma(ruutu);
    }
    if (auto* ruudukko = qobject_cast<RuudukkoWidget*>(olio)) {
        return new RuudukonLiittyma(ruudukko);
    }
    if (auto* rivi = qobject_cast<Tilarivi*>(olio)) {
        return new TilarivinLiittyma(rivi);
    }
    return nullptr;
}

} // namespace

void AsennaSaavutettavuus() {
    static const bool asennettu = [] {
        QAccessible::installFactory(&Tehdas);
        return true;
    }();
    static_cast<void>(asennettu);
}

QString RuudunNimi(int ruutu, Kuva kuva, const QString& laivanSana) {
    return RuudukkoWidget::ruudunTunnus(ruutu) + QStringLiteral(", ") +
           kuvanKuvaus(kuva, laivanSana);
}

Tilarivi::Tilarivi(QWidget* vanhempi) : QLabel(vanhempi) {
    AsennaSaavutettavuus();
}

} // namespace sorvik
