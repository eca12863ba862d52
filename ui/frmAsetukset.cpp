#include "frmAsetukset.h"

#include "Asetukset.h"
#include "Saannot.h"
#include "Viestilaatikko.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <string>

namespace sorvik {

namespace {

// Positions are designed in twips; 15 twips make one logical pixel.
QRect Twipit(int vasen, int yla, int leveys, int korkeus) {
    return {vasen / 15, yla / 15, leveys / 15, korkeus / 15};
}

constexpr int KehyksenVasen = 120;
constexpr int KehyksenLeveys = 3495;
constexpr int ValinnanVasen = 240;
constexpr int ValinnanKorkeus = 255;
// Room left of a frame's right edge, in pixels.
constexpr int OikeaReunus = 120 / 15;

QRect ValinnanPaikka(std::size_t indeksi) {
    const int yla = 360 + 240 * static_cast<int>(indeksi);
    return Twipit(ValinnanVasen, yla, KehyksenLeveys - ValinnanVasen - 120, ValinnanKorkeus);
}

template <typename Valinta, std::size_t N>
void LuoValinnat(QGroupBox* kehys, const QString& nimi, const std::array<QString, N>& tekstit,
                 std::array<Valinta*, N>& valinnat) {
    for (std::size_t i = 0; i < N; ++i) {
        valinnat[i] = new Valinta(tekstit[i], kehys);
        valinnat[i]->setObjectName(QStringLiteral("%1(%2)").arg(nimi).arg(i));
        valinnat[i]->setGeometry(ValinnanPaikka(i));
    }
}

std::string Totuus(bool arvo) {
    return arvo ? "True" : "False";
}

} // namespace

frmAsetukset::frmAsetukset(Saannot& saannot, bool peliKaynnissa, std::int16_t voitotPerakkain,
                           QWidget* parent)
    : QDialog(parent), saannot_(saannot) {
    setObjectName(QStringLiteral("frmAsetukset"));
    setWindowTitle(QStringLiteral("Asetukset"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    fraAloitustapa_ = new QGroupBox(QStringLiteral("Pelin aloitustapa"), this);
    fraAloitustapa_->setObjectName(QStringLiteral("fraAloitustapa"));
    fraAloitustapa_->setGeometry(Twipit(KehyksenVasen, 120, KehyksenLeveys, 1335));
    LuoValinnat(fraAloitustapa_, QStringLiteral("optAloitustapa"),
                std::array<QString, 3>{QStringLiteral("&Vuoroaloitus"),
                                       QStringLiteral("&Aloittaja arvotaan"),
                                       QStringLiteral("&Edellisen pelin voittanut aloittaa")},
                optAloitustapa_);

    fraLaivojenSijainti_ = new QGroupBox(QStringLiteral("Laivojen sijainti"), this);
    fraLaivojenSijainti_->setObjectName(QStringLiteral("fraLaivojenSijainti"));
    fraLaivojenSijainti_->setGeometry(Twipit(KehyksenVasen, 1560, KehyksenLeveys, 1095));
    LuoValinnat(fraLaivojenSijainti_, QStringLiteral("chkSijainti"),
                std::array<QString, 2>{QStringLiteral("Laivojen &kulmat saavat koskettaa"),
                                       QStringLiteral("Laiva saa sijaita &ruudukon reunassa")},
                chkSijainti_);

    fraLaivojenUppoaminen_ = new QGroupBox(QStringLiteral("Laivojen uppoaminen"), this);
    fraLaivojenUppoaminen_->setObjectName(QStringLiteral("fraLaivojenUppoaminen"));
    fraLaivojenUppoaminen_->setGeometry(Twipit(KehyksenVasen, 2760, KehyksenLeveys, 1095));
    LuoValinnat(fraLaivojenUppoaminen_, QStringLiteral("optUppoaminen"),
                std::array<QString, 2>{QStringLiteral("&Näytetään animaationa"),
                                       QStringLiteral("&Uppoamisanimaatiota ei näytetä")},
                optUppoaminen_);

    const std::array<QString, 2> tekstit{QStringLiteral("OK"), QStringLiteral("Peruuta")};
    for (int i = 0; i < 2; ++i) {
        auto* painike = new QPushButton(tekstit[static_cast<std::size_t>(i)], this);
        painike->setObjectName(QStringLiteral("cmdPainike(%1)").arg(i));
        painike->setGeometry(Twipit(3840, 120 + 480 * i, 1215, 375));
        connect(painike, &QPushButton::clicked, this, [this, i] { cmdPainike_Click(i); });
        cmdPainike_[static_cast<std::size_t>(i)] = painike;
    }
    cmdPainike_[0]->setDefault(true);

    // The captions are designed for a small font; with a larger one the frames
    // widen and the buttons move right rather than cut the captions short.
    const std::array<QGroupBox*, 3> kehykset{fraAloitustapa_, fraLaivojenSijainti_,
                                             fraLaivojenUppoaminen_};
    int lisa = 0;
    for (QGroupBox* kehys : kehykset) {
        lisa = std::max(lisa, kehys->minimumSizeHint().width() - kehys->width());
        for (QAbstractButton* valinta : kehys->findChildren<QAbstractButton*>()) {
            lisa = std::max(lisa, valinta->x() + valinta->sizeHint().width() + OikeaReunus -
                                      kehys->width());
        }
    }
    for (QGroupBox* kehys : kehykset) {
        kehys->resize(kehys->width() + lisa, kehys->height());
        for (QAbstractButton* valinta : kehys->findChildren<QAbstractButton*>()) {
            valinta->resize(valinta->width() + lisa, valinta->height());
        }
    }
    for (QPushButton* painike : cmdPainike_) {
        painike->move(painike->x() + lisa, painike->y());
    }
    setFixedSize(Twipit(0, 0, 3840 + 1215 + 120, 2760 + 1095 + 120).size() + QSize(lisa, 0));

    // Form_Load. As designed, the first start option is selected; any text
    // other than the three known ones leaves it so.
    optAloitustapa_[0]->setChecked(true);
    for (std::size_t i = 0; i < AloitustavanTekstit.size(); ++i) {
        if (saannot_.PelinAloitustapa == AloitustavanTekstit[i]) {
            optAloitustapa_[i]->setChecked(true);
        }
    }
    chkSijainti_[0]->setChecked(saannot_.LaivojenKulmatSaavatKoskettaa);
    chkSijainti_[1]->setChecked(saannot_.LaivaSaaSijaitaReunassa);
    optUppoaminen_[saannot_.NaytetaanLaivojenUppoaminen ? 0 : 1]->setChecked(true);

    // The placement rules change only between games and only without a streak.
    const bool sijaintiLukittu = peliKaynnissa || voitotPerakkain > 0;
    fraLaivojenSijainti_->setEnabled(!sijaintiLukittu);
    for (QCheckBox* laatikko : chkSijainti_) {
        laatikko->setEnabled(!sijaintiLukittu);
    }

    cmdPainike_[0]->setFocus();
}

void frmAsetukset::showEvent(QShowEvent* tapahtuma) {
    QDialog::showEvent(tapahtuma);
    // Form_Activate: the opener showed the hourglass.
    NaytaOletusosoitin();
}

void frmAsetukset::keyPressEvent(QKeyEvent* tapahtuma) {
    // Peruuta is the cancel button: Esc presses it.
    if (tapahtuma->key() == Qt::Key_Escape && tapahtuma->modifiers() == Qt::NoModifier) {
        cmdPainike_[1]->click();
        return;
    }
    QDialog::keyPressEvent(tapahtuma);
}

void frmAsetukset::cmdPainike_Click(int indeksi) {
    NaytaTiimalasi();
    if (indeksi == 0) {
        for (std::size_t i = 0; i < optAloitustapa_.size(); ++i) {
            if (optAloitustapa_[i]->isChecked()) {
                saannot_.PelinAloitustapa = AloitustavanTekstit[i];
            }
        }
        // Locked boxes still hold the values they were loaded with.
        saannot_.LaivojenKulmatSaavatKoskettaa = chkSijainti_[0]->isChecked();
        saannot_.LaivaSaaSijaitaReunassa = chkSijainti_[1]->isChecked();
        if (optUppoaminen_[0]->isChecked()) {
            saannot_.NaytetaanLaivojenUppoaminen = true;
        } else if (optUppoaminen_[1]->isChecked()) {
            saannot_.NaytetaanLaivojenUppoaminen = false;
        }

        // Every value is passed as text: a bare literal would pick the flag
        // overload.
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, "PelinAloitustapa", 1,
                     saannot_.PelinAloitustapa);
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, "LaivojenKulmatSaavatKoskettaa", 1,
                     Totuus(saannot_.LaivojenKulmatSaavatKoskettaa));
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, "LaivaSaaSijaitaReunassa", 1,
                     Totuus(saannot_.LaivaSaaSijaitaReunassa));
        KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, "NaytetaanLaivojenUppoaminen", 1,
                     Totuus(saannot_.NaytetaanLaivojenUppoaminen));
        accept();
    } else {
        reject();
    }
    NaytaOletusosoitin();
}

} // namespace sorvik
