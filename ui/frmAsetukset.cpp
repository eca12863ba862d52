#include "frmAsetukset.h"

#include "Asetukset.h"
#include "Saannot.h"
#include "Viestilaatikko.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace sorvik {

namespace {

constexpr int KehyksenVasen = 120;
constexpr int KehyksenLeveys = 3495;
constexpr int ValinnanVasen = 240;
constexpr int ValinnanKorkeus = 255;
// Room left of a frame's right edge, in pixels.
constexpr int OikeaReunus = 120 / 15;

// A frame `yla` twips from the top holding the options `nimi(0)`, `nimi(1)`,
// ... one under another.
template <typename Valinta, std::size_t N>
QGroupBox* LuoKehys(QWidget* vanhempi, const QString& kehyksenNimi, const QString& otsikko, int yla,
                    int korkeus, const QString& nimi, const QString (&tekstit)[N],
                    std::array<Valinta*, N>& valinnat) {
    auto* kehys = new QGroupBox(otsikko, vanhempi);
    kehys->setObjectName(kehyksenNimi);
    kehys->setGeometry(Twipit(KehyksenVasen, yla, KehyksenLeveys, korkeus));
    for (std::size_t i = 0; i < N; ++i) {
        valinnat[i] = new Valinta(tekstit[i], kehys);
        valinnat[i]->setObjectName(QStringLiteral("%1(%2)").arg(nimi).arg(i));
        valinnat[i]->setGeometry(Twipit(ValinnanVasen, 360 + 240 * static_cast<int>(i),
                                        KehyksenLeveys - ValinnanVasen - 120, ValinnanKorkeus));
    }
    return kehys;
}

} // namespace

frmAsetukset::frmAsetukset(Saannot& saannot, Vaihe vaihe, std::int16_t voitotPerakkain,
                           QWidget* parent)
    : Lomake(QStringLiteral("frmAsetukset"), QStringLiteral("Asetukset"), parent),
      saannot_(saannot) {
    fraAloitustapa_ =
        LuoKehys(this, QStringLiteral("fraAloitustapa"), QStringLiteral("Pelin aloitustapa"), 120,
                 1335, QStringLiteral("optAloitustapa"),
                 {QStringLiteral("&Vuoroaloitus"), QStringLiteral("&Aloittaja arvotaan"),
                  QStringLiteral("&Edellisen pelin voittanut aloittaa")},
                 optAloitustapa_);
    fraLaivojenSijainti_ =
        LuoKehys(this, QStringLiteral("fraLaivojenSijainti"), QStringLiteral("Laivojen sijainti"),
                 1560, 1095, QStringLiteral("chkSijainti"),
                 {QStringLiteral("Laivojen &kulmat saavat koskettaa"),
                  QStringLiteral("Laiva saa sijaita &ruudukon reunassa")},
                 chkSijainti_);
    fraLaivojenUppoaminen_ =
        LuoKehys(this, QStringLiteral("fraLaivojenUppoaminen"),
                 QStringLiteral("Laivojen uppoaminen"), 2760, 1095, QStringLiteral("optUppoaminen"),
                 {QStringLiteral("&Näytetään animaationa"),
                  QStringLiteral("&Uppoamisanimaatiota ei näytetä")},
                 optUppoaminen_);

    cmdPainike_ = LuoPainikkeet(QStringLiteral("OK"), QStringLiteral("Peruuta"), 3840,
                                [this](int i) { cmdPainike_Click(i); });
    // Peruuta is the cancel button: Esc presses it.
    AsetaPeruutus(cmdPainike_[1]);

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

    const bool sijaintiLukittu = SijaintisaannotLukitut(vaihe, voitotPerakkain);
    fraLaivojenSijainti_->setEnabled(!sijaintiLukittu);
    for (QCheckBox* laatikko : chkSijainti_) {
        laatikko->setEnabled(!sijaintiLukittu);
    }

    cmdPainike_[0]->setFocus();
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

        // Every value is stored as text; a flag as "True" or "False".
        const auto tallenna = [](const char* nimi, const auto& arvo) {
            KirjoitaArvo(HKEY_CURRENT_USER, OhjelmanAvainKirjoitus, nimi, 1, arvo);
        };
        tallenna("PelinAloitustapa", saannot_.PelinAloitustapa);
        tallenna("LaivojenKulmatSaavatKoskettaa", saannot_.LaivojenKulmatSaavatKoskettaa);
        tallenna("LaivaSaaSijaitaReunassa", saannot_.LaivaSaaSijaitaReunassa);
        tallenna("NaytetaanLaivojenUppoaminen", saannot_.NaytetaanLaivojenUppoaminen);
        accept();
    } else {
        reject();
    }
    NaytaOletusosoitin();
}

} // namespace sorvik
