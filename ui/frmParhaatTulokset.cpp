#include "frmParhaatTulokset.h"

#include "ParhaatTulokset.h"
#include "Viestilaatikko.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace sorvik {

frmParhaatTulokset::frmParhaatTulokset(ParhaatTulokset& lista, QWidget* parent)
    : Lomake(QStringLiteral("frmParhaatTulokset"), QStringLiteral("Parhaat tulokset"), parent),
      lista_(lista) {
    frParhaat_ = new QGroupBox(QStringLiteral("Eniten pelejä peräkkäin voittaneet"), this);
    frParhaat_->setObjectName(QStringLiteral("frParhaat"));
    frParhaat_->setGeometry(Twipit(120, 120, 3735, 3135));

    // Names come from the store and are shown exactly as typed.
    for (int i = 0; i < 10; ++i) {
        const auto rivi = static_cast<std::size_t>(i);
        const int yla = 480 + 240 * i;
        const QString indeksi = QStringLiteral("(%1)").arg(i);
        lblSija_[rivi] = UusiTeksti(frParhaat_, QStringLiteral("lblSija") + indeksi,
                                    QStringLiteral("%1.").arg(i + 1), Twipit(360, yla, 255, 255),
                                    Qt::AlignRight);
        lblNimi_[rivi] = UusiTeksti(frParhaat_, QStringLiteral("lblNimi") + indeksi,
                                    QStringLiteral("Harvokki"), Twipit(840, yla, 1935, 255));
        // Right-aligned and wide enough for a five-digit streak.
        lblTulos_[rivi] =
            UusiTeksti(frParhaat_, QStringLiteral("lblTulos") + indeksi, QStringLiteral("0"),
                       Twipit(2805, yla, 690, 255), Qt::AlignRight);
    }

    cmdPainike_ = LuoPainikkeet(QStringLiteral("OK"), QStringLiteral("&Tyhjennä"), 4080,
                                [this](int i) { cmdPainike_Click(i); });
    cmdPainike_[0]->setFocus();
    // OK is also the cancel button: Esc presses it.
    AsetaPeruutus(cmdPainike_[0]);

    setFixedSize(Twipit(0, 0, 4080 + 1215 + 120, 120 + 3135 + 120).size());

    // Form_Load
    NaytaTiimalasi();
    NaytaLista();
    NaytaOletusosoitin();
}

void frmParhaatTulokset::NaytaLista() {
    for (std::size_t i = 0; i < lblNimi_.size(); ++i) {
        // A name too wide for its column ends in an ellipsis; the whole name
        // shows as the label's tooltip.
        QLabel* nimi = lblNimi_[i];
        const QString koko = QString::fromStdString(lista_.ParasPelaaja[i]);
        const QString mahtuu = nimi->fontMetrics().elidedText(koko, Qt::ElideRight, nimi->width());
        nimi->setText(mahtuu);
        nimi->setToolTip(mahtuu == koko ? QString() : koko);
        lblTulos_[i]->setText(QString::number(lista_.ParasTulos[i]));
    }
    cmdPainike_[1]->setEnabled(!lista_.OnOletus());
}

void frmParhaatTulokset::cmdPainike_Click(int indeksi) {
    NaytaTiimalasi();
    if (indeksi == 0) {
        accept();
    } else {
        NaytaOletusosoitin();
        const Viestivastaus vastaus = NaytaViesti(
            this, QStringLiteral("Haluatko varmasti tyhjentää parhaiden tulosten listan?"),
            QStringLiteral("Tyhjennä"), Viestipainikkeet::KyllaEi, Viestikuvake::Kysymys, true);
        if (vastaus == Viestivastaus::Kylla) {
            NaytaTiimalasi();
            lista_.Tyhjenna();
            NaytaLista();
            cmdPainike_[0]->setFocus();
        }
    }
    NaytaOletusosoitin();
}

} // namespace sorvik
