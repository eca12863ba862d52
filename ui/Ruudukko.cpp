#include "Ruudukko.h"

#include "Kuvat.h"
#include "Saavutettavuus.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace sorvik {

namespace {

int painikkeenKoodi(Qt::MouseButton painike) {
    switch (painike) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

// The square an arrow, Home or End key leads to from `ruutu`; the same square
// at the grid's edge, 0 for any other key.
int siirronKohde(int ruutu, int avain) {
    constexpr int sivu = RuudukkoWidget::Sivu;
    const int sarake = Sarake(ruutu) - 1;
    const int rivi = Rivi(ruutu) - 1;
    switch (avain) {
    case Qt::Key_Left:
        return sarake > 0 ? ruutu - 1 : ruutu;
    case Qt::Key_Right:
        return sarake < sivu - 1 ? ruutu + 1 : ruutu;
    case Qt::Key_Up:
        return rivi > 0 ? ruutu - sivu : ruutu;
    case Qt::Key_Down:
        return rivi < sivu - 1 ? ruutu + sivu : ruutu;
    case Qt::Key_Home:
        return rivi * sivu + 1;
    case Qt::Key_End:
        return rivi * sivu + sivu;
    default:
        return 0;
    }
}

// The mouse button that Space or Enter stands for: 1 alone, 2 with Shift;
// 0 for any other key or modifier.
int painikeNappaimelle(const QKeyEvent& tapahtuma) {
    const int avain = tapahtuma.key();
    if (avain != Qt::Key_Space && avain != Qt::Key_Return && avain != Qt::Key_Enter) {
        return 0;
    }
    const Qt::KeyboardModifiers muut = tapahtuma.modifiers() & ~Qt::KeypadModifier;
    if (muut == Qt::NoModifier) {
        return 1;
    }
    return muut == Qt::ShiftModifier ? 2 : 0;
}

bool pelkkaNuoli(const QKeyEvent& tapahtuma) {
    return (tapahtuma.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
           siirronKohde(1, tapahtuma.key()) != 0;
}

} // namespace

// --- RuutuWidget ---------------------------------------------------------------

RuutuWidget::RuutuWidget(int numero, QString laivanSana, QWidget* vanhempi)
    : QWidget(vanhempi), numero_(numero), laivanSana_(std::move(laivanSana)) {
    setAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    paivitaNimi();
}

QSize RuutuWidget::sizeHint() const {
    return {RuudunKoko, RuudunKoko};
}

void RuutuWidget::asetaKuva(Kuva kuva) {
    if (kuva == kuva_) {
        return;
    }
    kuva_ = kuva;
    paivitaNimi();
    update();
}

void RuutuWidget::asetaKursori(Kursori kursori) {
    if (kursori == kursori_) {
        return;
    }
    kursori_ = kursori;
    setCursor(kursori == Kursori::Sormi ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void RuutuWidget::asetaKehys(bool kehys) {
    if (kehys != kehys_) {
        kehys_ = kehys;
        update();
    }
}

void RuutuWidget::paivitaNimi() {
    const QString nimi = RuudunNimi(numero_, kuva_, laivanSana_);
    if (nimi != accessibleName()) {
        setAccessibleName(nimi);
    }
}

void RuutuWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, RuudunKuva(kuva_, devicePixelRatioF()));
    if (kehys_) {
        // Black, white and black rings one logical pixel wide, filled rather
        // than stroked so they cover whole device pixels at every scale: one
        // of the colours stands out on every picture.
        const QColor varit[] = {Qt::black, Qt::white, Qt::black};
        QRect rengas = rect();
        for (const QColor& vari : varit) {
            p.fillRect(rengas.x(), rengas.y(), rengas.width(), 1, vari);
            p.fillRect(rengas.x(), rengas.bottom(), rengas.width(), 1, vari);
            p.fillRect(rengas.x(), rengas.y(), 1, rengas.height(), vari);
            p.fillRect(rengas.right(), rengas.y(), 1, rengas.height(), vari);
            rengas.adjust(1, 1, -1, -1);
        }
    }
}

void RuutuWidget::mousePressEvent(QMouseEvent* tapahtuma) {
    tapahtuma->accept();
    emit painettu(numero_, tapahtuma->button(), tapahtuma->buttons());
}

void RuutuWidget::mouseReleaseEvent(QMouseEvent* tapahtuma) {
    tapahtuma->accept();
    const QPoint paikka = mapToParent(tapahtuma->position().toPoint());
    emit vapautettu(numero_, tapahtuma->button(), tapahtuma->buttons(), paikka);
}

// --- RuudukkoWidget ------------------------------------------------------------

RuudukkoWidget::RuudukkoWidget(Ruudukko puoli, QWidget* vanhempi) : QWidget(vanhempi) {
    AsennaSaavutettavuus();
    const bool oma = puoli == Ruudukko::Pelaaja;
    setAccessibleName(oma ? QStringLiteral("Oma ruudukko")
                          : QStringLiteral("Vastustajan ruudukko"));
    const QString laivanSana = oma ? QStringLiteral("oma laiva") : QStringLiteral("laiva");
    setFixedSize(Koko, Koko);
    setFocusPolicy(Qt::TabFocus);
    // Whether the keyboard or the mouse gave the latest input decides the frame.
    qApp->installEventFilter(this);
    for (int k = 1; k <= Ruutuja; ++k) {
        auto* s = new RuutuWidget(k, laivanSana, this);
        s->setGeometry(QRect(ruudunPaikka(k), QSize(RuudunKoko, RuudunKoko)));
        connect(s, &RuutuWidget::painettu, this, &RuudukkoWidget::painettiin);
        connect(s, &RuutuWidget::vapautettu, this,
                [this](int, Qt::MouseButton painike, Qt::MouseButtons napit, QPoint paikka) {
                    vapautettiin(painike, napit, paikka);
                });
        solut_[static_cast<std::size_t>(k - 1)] = s;
    }
}

QSize RuudukkoWidget::sizeHint() const {
    return {Koko, Koko};
}

RuutuWidget* RuudukkoWidget::solu(int ruutu) const {
    return OnRuutu(ruutu) ? solut_[static_cast<std::size_t>(ruutu - 1)] : nullptr;
}

void RuudukkoWidget::asetaKuva(int ruutu, Kuva kuva) {
    if (RuutuWidget* s = solu(ruutu)) {
        s->asetaKuva(kuva);
    }
}

void RuudukkoWidget::salli(int ruutu, bool sallittu) {
    RuutuWidget* s = solu(ruutu);
    // Compare with the cell's own flag: the whole window may be disabled too.
    if (s != nullptr && s->isEnabledTo(this) != sallittu) {
        s->setEnabled(sallittu);
    }
}

void RuudukkoWidget::asetaKursori(int ruutu, Kursori kursori) {
    if (RuutuWidget* s = solu(ruutu)) {
        s->asetaKursori(kursori);
    }
}

Kuva RuudukkoWidget::kuva(int ruutu) const {
    const RuutuWidget* s = solu(ruutu);
    return s != nullptr ? s->kuva() : Kuva::Vesi;
}

bool RuudukkoWidget::sallittu(int ruutu) const {
    const RuutuWidget* s = solu(ruutu);
    return s != nullptr && s->isEnabledTo(this);
}

Kursori RuudukkoWidget::kursori(int ruutu) const {
    const RuutuWidget* s = solu(ruutu);
    return s != nullptr ? s->kursori() : Kursori::Oletus;
}

QWidget* RuudukkoWidget::ruutu(int ruutu) const {
    return solu(ruutu);
}

QPoint RuudukkoWidget::ruudunPaikka(int ruutu) {
    return {Vali * (Sarake(ruutu) - 1), Vali * (Rivi(ruutu) - 1)};
}

int RuudukkoWidget::ruutuKohdassa(QPoint paikka) {
    if (paikka.x() < 0 || paikka.y() < 0 || paikka.x() >= Koko || paikka.y() >= Koko) {
        return 0;
    }
    if (paikka.x() % Vali >= RuudunKoko || paikka.y() % Vali >= RuudunKoko) {
        return 0;
    }
    return (paikka.y() / Vali) * Sivu + paikka.x() / Vali + 1;
}

QString RuudukkoWidget::ruudunTunnus(int ruutu) {
    if (!OnRuutu(ruutu)) {
        return {};
    }
    const auto sarake = static_cast<char16_t>(u'A' + Sarake(ruutu) - 1);
    return QString(QChar(sarake)) + QString::number(Rivi(ruutu));
}

// A press starts a gesture on its square unless another button is already
// down; the release ends it. Under Qt's implicit grab the release arrives at
// the pressed square even when the pointer has left it, so the square under
// the pointer is worked out from the position, not from the receiver.
void RuudukkoWidget::painettiin(int ruutu, Qt::MouseButton painike, Qt::MouseButtons napit) {
    if (napit == painike || painettuRuutu_ == 0) {
        painettuRuutu_ = ruutu;
        vasenPainettu_ = false;
    }
    if (painike == Qt::LeftButton && ruutu == painettuRuutu_) {
        vasenPainettu_ = true;
    }
}

void RuudukkoWidget::vapautettiin(Qt::MouseButton painike, Qt::MouseButtons napit, QPoint paikka) {
    const int ruutu = painettuRuutu_;
    const bool vasen = vasenPainettu_ && painike == Qt::LeftButton;
    if (painike == Qt::LeftButton) {
        vasenPainettu_ = false;
    }
    if (napit == Qt::NoButton) {
        painettuRuutu_ = 0;
    }
    // A square that was disabled while the button was down gets no release.
    if (!sallittu(ruutu)) {
        return;
    }
    const int koodi = painikkeenKoodi(painike);
    if (koodi == 0) {
        return;
    }
    emit hiiriYlos(ruutu, koodi);
    if (vasen && ruutuKohdassa(paikka) == ruutu && sallittu(ruutu)) {
        emit napsautus(ruutu);
    }
}

// --- Keyboard -------------------------------------------------------------------

void RuudukkoWidget::kohdista(int ruutu) {
    if (!OnRuutu(ruutu) || ruutu == kohdistettu_) {
        return;
    }
    kohdistettu_ = ruutu;
    paivitaKehys();
    if (hasFocus()) {
        kerroKohdistus();
    }
}

// The same signals, in the same order and under the same conditions, as a
// press and release of the button on an enabled square.
void RuudukkoWidget::painaRuutua(int ruutu, int painike) {
    if (!sallittu(ruutu)) {
        return;
    }
    const QString ennen = solu(ruutu)->accessibleName();
    emit hiiriYlos(ruutu, painike);
    if (painike == 1 && sallittu(ruutu)) {
        emit napsautus(ruutu);
    }
    if (const QString nyt = solu(ruutu)->accessibleName(); nyt != ennen) {
        uutinen_ = nyt;
    }
}

QString RuudukkoWidget::otaUutinen() {
    return std::exchange(uutinen_, QString());
}

bool RuudukkoWidget::event(QEvent* tapahtuma) {
    // Space and Enter belong to the focus square, not to the window's
    // default button.
    if (tapahtuma->type() == QEvent::ShortcutOverride &&
        painikeNappaimelle(*static_cast<QKeyEvent*>(tapahtuma)) != 0) {
        tapahtuma->accept();
        return true;
    }
    return QWidget::event(tapahtuma);
}

void RuudukkoWidget::keyPressEvent(QKeyEvent* tapahtuma) {
    if (pelkkaNuoli(*tapahtuma)) {
        kohdista(siirronKohde(kohdistettu_, tapahtuma->key()));
        tapahtuma->accept();
        return;
    }
    if (const int painike = painikeNappaimelle(*tapahtuma); painike != 0) {
        // A held key repeats; a held mouse button does not.
        if (!tapahtuma->isAutoRepeat()) {
            painaRuutua(kohdistettu_, painike);
        }
        tapahtuma->accept();
        return;
    }
    QWidget::keyPressEvent(tapahtuma);
}

bool RuudukkoWidget::eventFilter(QObject* kohde, QEvent* tapahtuma) {
    switch (tapahtuma->type()) {
    case QEvent::KeyPress:
        if (!nappaimisto_) {
            nappaimisto_ = true;
            paivitaKehys();
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (nappaimisto_) {
            nappaimisto_ = false;
            paivitaKehys();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(kohde, tapahtuma);
}

void RuudukkoWidget::focusInEvent(QFocusEvent* tapahtuma) {
    QWidget::focusInEvent(tapahtuma);
    paivitaKehys();
    // Qt tells the screen reader that the grid took the focus once this
    // handler has returned; the focus square follows.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus()) {
                kerroKohdistus();
            }
        },
        Qt::QueuedConnection);
}

void RuudukkoWidget::focusOutEvent(QFocusEvent* tapahtuma) {
    QWidget::focusOutEvent(tapahtuma);
    paivitaKehys();
}

void RuudukkoWidget::paivitaKehys() {
    const int kehyksessa = hasFocus() && nappaimisto_ ? kohdistettu_ : 0;
    for (RuutuWidget* s : solut_) {
        s->asetaKehys(s->numero() == kehyksessa);
    }
}

void RuudukkoWidget::kerroKohdistus() const {
    QAccessibleEvent tapahtuma(solu(kohdistettu_), QAccessible::Focus);
    QAccessible::updateAccessibility(&tapahtuma);
}

} // namespace sorvik
