#include "frmTietoja.h"

#include "Kuvat.h"
#include "Viestilaatikko.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <utility>

namespace sorvik {

namespace {

constexpr int DialoginLeveys = 3000 + 1215 + 120;
constexpr int TekstinVasen = 1080;
constexpr int TekstinLeveys = DialoginLeveys - TekstinVasen - 120;

} // namespace

QUrl frmTietoja::VerkkosivunOsoite() {
    return QUrl(QStringLiteral("http://" SORVIK_WWW "/software/index.shtml?sorvik11"));
}

QUrl frmTietoja::TukiosoitteenOsoite() {
    return QUrl(QStringLiteral("mailto:" SORVIK_TUKI_EMAIL));
}

frmTietoja::frmTietoja(std::function<void(const QUrl&)> avaa, QWidget* parent)
    : Lomake(QStringLiteral("frmTietoja"), QStringLiteral("Tietoja ohjelmasta"), parent),
      avaa_(std::move(avaa)) {
    const auto uusiTeksti = [this](const char* nimi, const QString& teksti, int yla) {
        return UusiTeksti(this, QString::fromLatin1(nimi), teksti,
                          Twipit(TekstinVasen, yla, TekstinLeveys, 255));
    };

    picOhjelmanKuvake_ = new QLabel(this);
    picOhjelmanKuvake_->setObjectName(QStringLiteral("picOhjelmanKuvake"));
    picOhjelmanKuvake_->setGeometry(Twipit(240, 360, 480, 480));
    picOhjelmanKuvake_->setPixmap(OhjelmanKuvake().pixmap(picOhjelmanKuvake_->size()));

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
    // OK is also the cancel button: Esc presses it.
    AsetaPeruutus(cmdOK_);

    setFixedSize(Twipit(0, 0, DialoginLeveys, 2040 + 375 + 120).size());
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
