#include "RuudukonSaavutettavuus.h"

#include "Ruudukko.h"

#include <QAccessibleWidget>

namespace sorvik {

namespace {

// A square takes the keyboard focus only as its grid's focus square.
class RuudunLiittyma : public QAccessibleWidget {
public:
    explicit RuudunLiittyma(RuutuWidget* ruutu) : QAccessibleWidget(ruutu, QAccessible::Button) {}

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State tila = QAccessibleWidget::state();
        const RuudukkoJaNumero r = ruudukko();
        tila.focusable = r.ruudukko != nullptr && !tila.disabled;
        tila.focused = r.ruudukko != nullptr && r.ruudukko->hasFocus() &&
                       r.ruudukko->kohdistettu() == r.numero;
        return tila;
    }

    [[nodiscard]] QStringList actionNames() const override {
        if (state().disabled) {
            return {};
        }
        return {pressAction(), setFocusAction()};
    }

    // Pressing acts as the left mouse button; focusing moves the focus square.
    void doAction(const QString& toiminto) override {
        const RuudukkoJaNumero r = ruudukko();
        if (r.ruudukko == nullptr || state().disabled) {
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

// Qt's accessibility cache owns the interfaces a factory returns.
QAccessibleInterface* Tehdas(const QString&, QObject* olio) {
    if (auto* ruutu = qobject_cast<RuutuWidget*>(olio)) {
        return new RuudunLiittyma(ruutu);
    }
    if (auto* ruudukko = qobject_cast<RuudukkoWidget*>(olio)) {
        return new RuudukonLiittyma(ruudukko);
    }
    return nullptr;
}

} // namespace

void AsennaRuudukonSaavutettavuus() {
    static const bool asennettu = [] {
        QAccessible::installFactory(&Tehdas);
        return true;
    }();
    static_cast<void>(asennettu);
}

} // namespace sorvik
