#include "frmKysyNimi.h"

#include "ParhaatTulokset.h"
#include "Viestilaatikko.h"
#include "koodisivu.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace sorvik {

namespace {

QString Onnittelu(std::int16_t voitot) {
    const QString alku = voitot == 1 ? QStringLiteral("Voitit 1 pelin peräkkäin")
                                     : QStringLiteral("Voitit %1 peliä peräkkäin").arg(voitot);
    return alku + QStringLiteral(" ja pääset tuloksellasi parhaiden tulosten listalle.\n\n\n"
                                 "Kirjoita nimesi:");
}

} // namespace

bool NimenTarkistin::KelpaaMerkiksi(QChar merkki) {
    // Control characters (C0, DEL and C1) have no place in a name; a zero would
    // even cut the stored text short.
    const char32_t koodi = merkki.unicode();
    if (koodi < 0x20 || (koodi >= 0x7F && koodi <= 0x9F)) {
        return false;
    }
    return Cp1252Tavu(koodi).has_value();
}

QValidator::State NimenTarkistin::validate(QString& syote, int& /*kohta*/) const {
    if (syote.size() > EnimmaisPituus) {
        return Invalid;
    }
    return std::all_of(syote.cbegin(), syote.cend(), KelpaaMerkiksi) ? Acceptable : Invalid;
}

frmKysyNimi::frmKysyNimi(const ParhaatTulokset& lista, std::int16_t voitotPerakkain,
                         QWidget* parent)
    : Lomake(QStringLiteral("frmKysyNimi"), QStringLiteral("Onneksi olkoon!"), parent) {
    lblTeksti_ = new QLabel(this);
    lblTeksti_->setObjectName(QStringLiteral("lblTeksti"));
    lblTeksti_->setTextFormat(Qt::PlainText);
    lblTeksti_->setWordWrap(true);
    lblTeksti_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    txtNimi_ = new QLineEdit(this);
    txtNimi_->setObjectName(QStringLiteral("txtNimi"));
    txtNimi_->setMaxLength(NimenTarkistin::EnimmaisPituus);
    txtNimi_->setValidator(new NimenTarkistin(txtNimi_));

    cmdPainike_ = LuoPainikkeet(QStringLiteral("OK"), QStringLiteral("Peruuta"), 3840,
                                [this](int i) { cmdPainike_Click(i); });
    // Peruuta is the cancel button: Esc presses it. Closing by the window frame
    // goes through reject() and leaves the answer Suljettu.
    AsetaPeruutus(cmdPainike_[1]);
    connect(txtNimi_, &QLineEdit::textChanged, this, [this] { txtNimi_Change(); });

    // Form_Load
    const QString edellinen = QString::fromStdString(lista.ViimeksiListallePaassytPelaaja);
    txtNimi_->setText(edellinen.isEmpty() ? QStringLiteral("Nimetön") : edellinen);
    txtNimi_->setSelection(0, static_cast<int>(txtNimi_->text().size()));
    lblTeksti_->setText(Onnittelu(voitotPerakkain));
    txtNimi_Change();

    // The text is designed for five lines of a small font; with a larger font
    // the label grows and the name field moves down rather than clipping the
    // prompt.
    QRect tekstinPaikka = Twipit(120, 120, 3495, 975);
    const int lisa =
        std::max(0, lblTeksti_->heightForWidth(tekstinPaikka.width()) - tekstinPaikka.height());
    tekstinPaikka.setHeight(tekstinPaikka.height() + lisa);
    lblTeksti_->setGeometry(tekstinPaikka);
    txtNimi_->setGeometry(Twipit(120, 1200, 3495, 315).translated(0, lisa));
    setFixedSize(Twipit(0, 0, 3840 + 1215 + 120, 1200 + 315 + 120).size() + QSize(0, lisa));

    txtNimi_->setFocus();
}

void frmKysyNimi::txtNimi_Change() {
    cmdPainike_[0]->setEnabled(!txtNimi_->text().isEmpty());
}

void frmKysyNimi::Form_Activate() {
    // Should the main window be disabled when a streak ends, this window would
    // be disabled with it and take no input; its buttons are what enable the
    // main window again.
    setEnabled(true);
}

void frmKysyNimi::cmdPainike_Click(int indeksi) {
    NaytaTiimalasi();
    if (QWidget* omistaja = parentWidget()) {
        omistaja->window()->setEnabled(true);
    }
    if (indeksi == 0) {
        vastaus_ = {Nimivastaus::OK, txtNimi_->text().toStdString()};
        accept();
        NaytaOletusosoitin();
    } else {
        vastaus_ = {Nimivastaus::Peruuta, {}};
        reject();
        NaytaOletusosoitin();
        QCoreApplication::processEvents();
    }
}

} // namespace sorvik
