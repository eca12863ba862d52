#include "Saavutettavuus.h"

#include "Ruudukko.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>

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

// The status line's text is its name; its last child is the notification.
class TilarivinLiittyma : public QAccessibleWidget {
public:
    explicit TilarivinLiittyma(Tilarivi* rivi) : QAccessibleWidget(rivi, QAccessible::StatusBar) {}

    [[nodiscard]] QString text(QAccessible::Text laji) const override {
        if (laji == QAccessible::Name) {
            return rivi()->text();
        }
        return QAccessibleWidget::text(laji);
    }

    [[nodiscard]] int childCount() const override { return QAccessibleWidget::childCount() + 1; }

    [[nodiscard]] QAccessibleInterface* child(int indeksi) const override {
        if (indeksi == QAccessibleWidget::childCount()) {
            return QAccessible::queryAccessibleInterface(rivi()->ilmoitus());
        }
        return QAccessibleWidget::child(indeksi);
    }

    [[nodiscard]] int indexOfChild(const QAccessibleInterface* lapsi) const override {
        if (lapsi != nullptr && lapsi->object() == rivi()->ilmoitus()) {
            return QAccessibleWidget::childCount();
        }
        return QAccessibleWidget::indexOfChild(lapsi);
    }

private:
    [[nodiscard]] Tilarivi* rivi() const { return static_cast<Tilarivi*>(widget()); }
};

// The notification says the latest announcement and covers the status line.
class IlmoituksenLiittyma : public QAccessibleObject {
public:
    explicit IlmoituksenLiittyma(TilarivinIlmoitus* ilmoitus) : QAccessibleObject(ilmoitus) {}

    [[nodiscard]] QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(rivi());
    }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    [[nodiscard]] QString text(QAccessible::Text laji) const override {
        return laji == QAccessible::Name ? rivi()->ilmoitusteksti() : QString();
    }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Notification; }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State tila;
        tila.invisible = !rivi()->isVisible();
        return tila;
    }
    [[nodiscard]] QRect rect() const override {
        const Tilarivi* r = rivi();
        return {r->mapToGlobal(QPoint(0, 0)), r->size()};
    }

private:
    [[nodiscard]] Tilarivi* rivi() const { return static_cast<Tilarivi*>(object()->parent()); }
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
    if (auto* ilmoitus = qobject_cast<TilarivinIlmoitus*>(olio)) {
        return new IlmoituksenLiittyma(ilmoitus);
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

void Tilarivi::naytaTeksti(const QString& teksti, const QString& edelle) {
    const bool uusi = text() != teksti;
    if (uusi) {
        setText(teksti);
    }
    if (teksti == ilmoitettu_ || !isActiveWindow() ||
        QApplication::activeModalWidget() != nullptr) {
        return;
    }
    ilmoitettu_ = teksti;
    ilmoitusteksti_ = uusi && !edelle.isEmpty() ? edelle + QStringLiteral(". ") + teksti : teksti;
    if (QAccessible::isActive()) {
        QAccessibleEvent nakyviin(&ilmoitus_, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&nakyviin);
    }
}

} // namespace sorvik
