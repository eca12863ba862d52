#include "Ruudukko.h"

#include "Kuvat.h"

#include <QMouseEvent>
#include <QPainter>

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

bool kelvollinen(int ruutu) {
    return ruutu >= 1 && ruutu <= RuudukkoWidget::Ruutuja;
}

} // namespace

// --- RuutuWidget ---------------------------------------------------------------

RuutuWidget::RuutuWidget(int numero, QWidget* vanhempi) : QWidget(vanhempi), numero_(numero) {
    setAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
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

void RuutuWidget::paivitaNimi() {
    const QString nimi = RuudukkoWidget::ruudunTunnus(numero_) + QStringLiteral(", ") +
                         RuudukkoWidget::kuvanKuvaus(kuva_);
    if (nimi != accessibleName()) {
        setAccessibleName(nimi);
    }
}

void RuutuWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, RuudunKuva(kuva_, devicePixelRatioF()));
    if (hasFocus()) {
        // Black and white rings, so the frame shows on water and on ships alike.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRect(0, 0, width() - 1, height() - 1));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(QRect(1, 1, width() - 3, height() - 3));
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(QRect(2, 2, width() - 5, height() - 5));
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

RuudukkoWidget::RuudukkoWidget(const QString& nimi, QWidget* vanhempi) : QWidget(vanhempi) {
    setAccessibleName(nimi);
    setFixedSize(Koko, Koko);
    for (int k = 1; k <= Ruutuja; ++k) {
        auto* s = new RuutuWidget(k, this);
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
    return kelvollinen(ruutu) ? solut_[static_cast<std::size_t>(ruutu - 1)] : nullptr;
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
    const int rivi = (ruutu - 1) / Sivu;
    const int sarake = (ruutu - 1) % Sivu;
    return {Vali * sarake, Vali * rivi};
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
    if (!kelvollinen(ruutu)) {
        return {};
    }
    const auto sarake = static_cast<char16_t>(u'A' + (ruutu - 1) % Sivu);
    return QString(QChar(sarake)) + QString::number((ruutu - 1) / Sivu + 1);
}

QString RuudukkoWidget::kuvanKuvaus(Kuva kuva) {
    switch (kuva) {
    case Kuva::Vesi:
        return QStringLiteral("vesi");
    case Kuva::Laiva:
        return QStringLiteral("laiva");
    case Kuva::Ohi:
    case Kuva::OhiViimeksi:
        return QStringLiteral("ohi");
    case Kuva::Osuma:
    case Kuva::OsumaViimeksi:
        return QStringLiteral("osuma");
    }
    return {};
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

} // namespace sorvik
