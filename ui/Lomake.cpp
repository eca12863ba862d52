#include "Lomake.h"

#include "Viestilaatikko.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace sorvik {

QRect Twipit(int vasen, int yla, int leveys, int korkeus) {
    return {vasen / 15, yla / 15, leveys / 15, korkeus / 15};
}

QLabel* UusiTeksti(QWidget* vanhempi, const QString& nimi, const QString& teksti,
                   const QRect& paikka, Qt::Alignment tasaus) {
    auto* nimio = new QLabel(vanhempi);
    nimio->setObjectName(nimi);
    nimio->setTextFormat(Qt::PlainText);
    nimio->setText(teksti);
    nimio->setAlignment(tasaus | Qt::AlignVCenter);
    nimio->setGeometry(paikka);
    return nimio;
}

Lomake::Lomake(const QString& nimi, const QString& otsikko, QWidget* vanhempi) : QDialog(vanhempi) {
    setObjectName(nimi);
    setWindowTitle(otsikko);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
}

std::array<QPushButton*, 2> Lomake::LuoPainikkeet(const QString& ensimmainen, const QString& toinen,
                                                  int vasen,
                                                  const std::function<void(int)>& napsautus) {
    std::array<QPushButton*, 2> painikkeet{new QPushButton(ensimmainen, this),
                                           new QPushButton(toinen, this)};
    for (int i = 0; i < 2; ++i) {
        QPushButton* painike = painikkeet[static_cast<std::size_t>(i)];
        painike->setObjectName(QStringLiteral("cmdPainike(%1)").arg(i));
        painike->setGeometry(Twipit(vasen, 120 + 480 * i, 1215, 375));
        connect(painike, &QPushButton::clicked, this, [napsautus, i] { napsautus(i); });
    }
    painikkeet[0]->setDefault(true);
    return painikkeet;
}

void Lomake::Form_Activate() {
    NaytaOletusosoitin();
}

void Lomake::showEvent(QShowEvent* tapahtuma) {
    QDialog::showEvent(tapahtuma);
    Form_Activate();
}

void Lomake::keyPressEvent(QKeyEvent* tapahtuma) {
    if (peruutus_ != nullptr && tapahtuma->key() == Qt::Key_Escape &&
        tapahtuma->modifiers() == Qt::NoModifier) {
        peruutus_->click();
        return;
    }
    QDialog::keyPressEvent(tapahtuma);
}

} // namespace sorvik
