#include "frmParhaatTulokset.h"

#include "ParhaatTulokset.h"
#include "Viestilaatikko.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace sorvik {

namespace {

// Positions are designed in twips; 15 twips make one logical pixel.
QRect Twipit(int vasen, int yla, int leveys, int korkeus) {
    return {vasen / 15, yla / 15, leveys / 15, korkeus / 15};
}

QLabel* UusiTeksti(QWidget* vanhempi, const QString& nimi, const QString& teksti,
                   Qt::Alignment tasaus, const QRect& paikka) {
    auto* nimio = new QLabel(vanhempi);
    nimio->setObjectName(nimi);
    // Names come from the store and are shown exactly as typed.
    nimio->setTextFormat(Qt::PlainText);
    nimio->setText(teksti);
    nimio->setAlignment(tasaus | Qt::AlignVCenter);
    nimio->setGeometry(paikka);
    return nimio;
}

} // namespace

frmParhaatTulokset::frmParhaatTulokset(ParhaatTulokset& lista, QWidget* parent)
    : QDialog(parent), lista_(lista) {
    setObjectName(QStringLiteral("frmParhaatTulokset"));
    setWindowTitle(QStringLiteral("Parhaat tulokset"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    frParhaat_ = new QGroupBox(QStringLiteral("Eniten pelejä peräkkäin voittaneet"), this);
    frParhaat_->setObjectName(QStringLiteral("frParhaat"));
    frParhaat_->setGeometry(Twipit(120, 120, 3735, 3135));

    for (int i = 0; i < 10; ++i) {
        const auto rivi = static_cast<std::size_t>(i);
        const int yla = 480 + 240 * i;
        const QString indeksi = QStringLiteral("(%1)").arg(i);
        lblSija_[rivi] = UusiTeksti(frParhaat_, QStringLiteral("lblSija") + indeksi,
                                    QStringLiteral("%1.").arg(i + 1), Qt::AlignRight,
                                    Twipit(360, yla, 255, 255));
        lblNimi_[rivi] =
            UusiTeksti(frParhaat_, QStringLiteral("lblNimi") + indeksi, QStringLiteral("Harvokki"),
                       Qt::AlignLeft, Twipit(840, yla, 1935, 255));
        lblTulos_[rivi] =
            UusiTeksti(frParhaat_, QStringLiteral("lblTulos") + indeksi, QStringLiteral("0"),
                       Qt::AlignRight, Twipit(2880, yla, 375, 255));
    }

    const std::array<QString, 2> tekstit{QStringLiteral("OK"), QStringLiteral("&Tyhjennä")};
    for (int i = 0; i < 2; ++i) {
        auto* painike = new QPushButton(tekstit[static_cast<std::size_t>(i)], this);
        painike->setObjectName(QStringLiteral("cmdPainike(%1)").arg(i));
        painike->setGeometry(Twipit(4080, 120 + 480 * i, 1215, 375));
        connect(painike, &QPushButton::clicked, this, [this, i] { cmdPainike_Click(i); });
        cmdPainike_[static_cast<std::size_t>(i)] = painike;
    }
    cmdPainike_[0]->setDefault(true);
    cmdPainike_[0]->setFocus();

    setFixedSize(Twipit(0, 0, 4080 + 1215 + 120, 120 + 3135 + 120).size());

    // Form_Load
    NaytaTiimalasi();
    NaytaLista();
    NaytaOletusosoitin();
}

void frmParhaatTulokset::NaytaLista() {
    for (std::size_t i = 0; i < lblNimi_.size(); ++i) {
        lblNimi_[i]->setText(QString::fromStdString(lista_.ParasPelaaja[i]));
        lblTulos_[i]->setText(QString::number(lista_.ParasTulos[i]));
    }
    cmdPainike_[1]->setEnabled(!lista_.OnOletus());
}

void frmParhaatTulokset::showEvent(QShowEvent* tapahtuma) {
    QDialog::showEvent(tapahtuma);
    // Form_Activate: the opener showed the hourglass.
    NaytaOletusosoitin();
}

void frmParhaatTulokset::keyPressEvent(QKeyEvent* tapahtuma) {
    // OK is also the cancel button: Esc presses it.
    if (tapahtuma->key() == Qt::Key_Escape && tapahtuma->modifiers() == Qt::NoModifier) {
        cmdPainike_[0]->click();
        return;
    }
    QDialog::keyPressEvent(tapahtuma);
}

void frmParhaatTulokset::cmdPainike_Click(int indeksi) {
    NaytaTiimalasi();
    if (indeksi == 0) {
        accept();
    } else {
        NaytaOletusosoitin();
        const int vastaus = NaytaViesti(
            this, QStringLiteral("Haluatko varmasti tyhjentää parhaiden tulosten listan?"),
            QStringLiteral("Tyhjennä"), 4 + 32 + 256);
        if (vastaus == 6) {
            NaytaTiimalasi();
            lista_.Tyhjenna();
            for (std::size_t i = 0; i < lblNimi_.size(); ++i) {
                lblNimi_[i]->setText(QStringLiteral("Harvokki"));
                lblTulos_[i]->setText(QStringLiteral("0"));
            }
            cmdPainike_[1]->setEnabled(false);
            cmdPainike_[0]->setFocus();
        }
    }
    NaytaOletusosoitin();
}

} // namespace sorvik
