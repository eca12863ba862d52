#include "frmTietoja.h"

#include "Viestilaatikko.h"

#if __has_include("Kuvat.h")
#include "Kuvat.h"
#define SORVIK_OHJELMAN_KUVAKE 1
#endif

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <utility>

namespace sorvik {

namespace {

// Positions are designed in twips; 15 twips make one logical pixel.
QRect Twipit(int vasen, int yla, int leveys, int korkeus) {
    return {vasen / 15, yla / 15, leveys / 15, korkeus / 15};
}

constexpr int DialoginLeveys = 3000 + 1215 + 120;
constexpr int TekstinVasen = 1080;
constexpr int TekstinLeveys = DialoginLeveys - TekstinVasen - 120;

QIcon Kuvake() {
#ifdef SORVIK_OHJELMAN_KUVAKE
    return OhjelmanKuvake();
#else
    return QApplication::windowIcon();
#endif
}

} // namespace

QUrl frmTietoja::VerkkosivunOsoite() {
    return QUrl(QStringLiteral("http://" SORVIK_WWW "/software/index.shtml?sorvik11"));
}

QUrl frmTietoja::TukiosoitteenOsoite() {
    return QUrl(QStringLiteral("mailto:" SORVIK_TUKI_EMAIL));
}

frmTietoja::frmTietoja(std::function<void(const QUrl&)> avaa, QWidget* parent)
    : QDialog(parent), avaa_(std::move(avaa)) {
    setObjectName(QStringLiteral("frmTietoja"));
    setWindowTitle(QStringLiteral("Tietoja ohjelmasta"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    const auto uusiTeksti = [this](const char* nimi, const QString& teksti, int yla) {
        auto* nimio = new QLabel(this);
        nimio->setObjectName(QString::fromLatin1(nimi));
        nimio->setTextFormat(Qt::PlainText);
        nimio->setText(teksti);
        nimio->setGeometry(Twipit(TekstinVasen, yla, TekstinLeveys, 255));
        return nimio;
    };

    picOhjelmanKuvake_ = new QLabel(this);
    picOhjelmanKuvake_->setObjectName(QStringLiteral("picOhjelmanKuvake"));
    picOhjelmanKuvake_->setGeometry(Twipit(240, 360, 480, 480));
    picOhjelmanKuvake_->setPixmap(Kuvake().pixmap(picOhjelmanKuvake_->size()));

    lblOhjelmanNimi_ = uusiTeksti("lblOhjelmanNimi", QStringLiteral("Sorvik"), 360);
    QFont lihavoitu = lblOhjelmanNimi_->font();
    lihavoitu.setBold(true);
    lblOhjelmanNimi_->setFont(lihavoitu);
    lblVersio_ = uusiTeksti("lblVersio", QStringLiteral("Versio 1.1 Freeware"), 600);
    lblTekija_ = uusiTeksti("lblTekija", QStringLiteral("© Sorvikin kehittäjät"), 960);
    lblWWW_ = uusiTeksti("lblWWW", QStringLiteral(SORVIK_WWW), 1200);
    lblEmail_ = uusiTeksti("lblEmail", QStringLiteral(SORVIK_TUKI_EMAIL), 1440);

    // Form_Load: the links look like links and show the pointing hand.
    for (QLabel* linkki : {lblWWW_, lblEmail_}) {
        QFont alleviivattu = linkki->font();
        alleviivattu.setUnderline(true);
        linkki->setFont(alleviivattu);
        linkki->setCursor(Qt::PointingHandCursor);
        linkki->installEventFilter(this);
    }

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(Twipit(3000, 2040, 1215, 375));
    cmdOK_->setDefault(true);
    cmdOK_->setFocus();
    connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    setFixedSize(Twipit(0, 0, DialoginLeveys, 2040 + 375 + 120).size());
}

void frmTietoja::showEvent(QShowEvent* tapahtuma) {
    QDialog::showEvent(tapahtuma);
    // Form_Activate: the opener showed the hourglass.
    NaytaOletusosoitin();
}

void frmTietoja::keyPressEvent(QKeyEvent* tapahtuma) {
    // OK is also the cancel button: Esc presses it.
    if (tapahtuma->key() == Qt::Key_Escape && tapahtuma->modifiers() == Qt::NoModifier) {
        cmdOK_->click();
        return;
    }
    QDialog::keyPressEvent(tapahtuma);
}

bool frmTietoja::eventFilter(QObject* kohde, QEvent* tapahtuma) {
    // A click is a left-button release over the label it was pressed on.
    if (tapahtuma->type() == QEvent::MouseButtonRelease &&
        (kohde == lblWWW_ || kohde == lblEmail_)) {
        const auto* hiiri = static_cast<QMouseEvent*>(tapahtuma);
        const auto* linkki = static_cast<QLabel*>(kohde);
        if (hiiri->button() == Qt::LeftButton &&
            linkki->rect().contains(hiiri->position().toPoint())) {
            AvaaLinkki(kohde == lblWWW_ ? VerkkosivunOsoite() : TukiosoitteenOsoite());
            return true;
        }
    }
    return QDialog::eventFilter(kohde, tapahtuma);
}

void frmTietoja::AvaaLinkki(const QUrl& osoite) {
    NaytaTiimalasi();
    // A failing open is not reported.
    if (avaa_) {
        avaa_(osoite);
    }
    NaytaOletusosoitin();
}

void frmTietoja::cmdOK_Click() {
    NaytaTiimalasi();
    accept();
    NaytaOletusosoitin();
}

} // namespace sorvik
