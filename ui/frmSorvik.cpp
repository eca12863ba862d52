#include "frmSorvik.h"

#include "Asetukset.h"
#include "Kuvat.h"
#include "Lomake.h"
#include "Ruudukko.h"
#include "Saavutettavuus.h"
#include "Viestilaatikko.h"
#include "frmAsetukset.h"
#include "frmParhaatTulokset.h"
#include "frmTietoja.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <cmath>
#include <initializer_list>
#include <random>
#include <utility>

namespace sorvik {

namespace {

constexpr int TaulukonVali = 10; // ms between timer ticks

bool LuettuValinta(const std::string& arvo, bool alkuarvo) {
    if (arvo == "True") {
        return true;
    }
    if (arvo == "False") {
        return false;
    }
    if (arvo == EiLoytynyt) {
        return true;
    }
    return alkuarvo;
}

std::uint64_t Alkusiemen() {
    std::random_device laite;
    return (static_cast<std::uint64_t>(laite()) << 32) ^ laite();
}

// The readme beside the program (the build tree); otherwise the installed one,
// found from the program's folder, so that any prefix and an unpacked package
// both work. With neither on disk, the one beside the program.
QString ReadmenPolku(const QString& ohjelmanKansio) {
    const QDir kansio(ohjelmanKansio);
    const QString vieressa = kansio.filePath(QStringLiteral("readme.txt"));
    const QString asennettu =
        QDir::cleanPath(kansio.filePath(QStringLiteral(SORVIK_OHJEKANSIO "/readme.txt")));
    return !QFileInfo::exists(vieressa) && QFileInfo::exists(asennettu) ? asennettu : vieressa;
}

// Shows a dialog and waits until it closes; the hourglass shows while it is
// being built.
template <typename Dialogi, typename... Arvot> void NaytaDialogi(Arvot&&... arvot) {
    NaytaTiimalasi();
    Dialogi ikkuna(std::forward<Arvot>(arvot)...);
    ikkuna.exec();
    NaytaOletusosoitin();
}

} // namespace

frmSorvik::frmSorvik(Ymparisto ymparisto, QWidget* vanhempi)
    : QMainWindow(vanhempi), ymparisto_(std::move(ymparisto)), tulokset_(lista_, this),
      lahde_(Alkusiemen()), peli_(*this, kello_, lahde_, tulokset_) {
    if (!ymparisto_.avaa) {
        ymparisto_.avaa = [](const QUrl& kohde) { QDesktopServices::openUrl(kohde); };
    }
    if (!ymparisto_.twipsiaPikselilla) {
        ymparisto_.twipsiaPikselilla = [this] {
            const QScreen* naytto = screen();
            const double dpi = naytto != nullptr ? naytto->logicalDotsPerInchY() : 96.0;
            return dpi > 0.0 ? 1440.0 / dpi : 15.0;
        };
    }
    if (ymparisto_.ohjelmanKansio.isEmpty()) {
        ymparisto_.ohjelmanKansio = QCoreApplication::applicationDirPath();
    }

    setObjectName(QStringLiteral("frmSorvik"));
    setWindowTitle(QStringLiteral("Sorvik"));
    rakennaValikot();
    rakennaIkkuna();
    asetaKorkeus(true);

    tmrAjastin_.setObjectName(QStringLiteral("tmrAjastin"));
    tmrAjastin_.setInterval(TaulukonVali);
    connect(&tmrAjastin_, &QTimer::timeout, this, [this] { peli_.tmrAjastin_Timer(); });
}

frmSorvik::~frmSorvik() {
    tmrAjastin_.stop();
    lopetaSilmukat();
}

void frmSorvik::rakennaValikot() {
    QMenuBar* palkki = menuBar();
    const auto lisaa = [this](QMenu* valikko, const char* nimi, const QString& teksti,
                              auto kasittelija) {
        QAction* toiminto = valikko->addAction(teksti);
        toiminto->setObjectName(QString::fromLatin1(nimi));
        connect(toiminto, &QAction::triggered, this, kasittelija);
        return toiminto;
    };
    // A toggle's handler sets the check mark itself, so the one Qt has already
    // set when the click arrives is undone first.
    const auto lisaaValinta = [this](QMenu* valikko, const char* nimi, const QString& teksti,
                                     auto kasittelija) {
        QAction* toiminto = valikko->addAction(teksti);
        toiminto->setObjectName(QString::fromLatin1(nimi));
        toiminto->setCheckable(true);
        connect(toiminto, &QAction::triggered, this, [toiminto, kasittelija] {
            toiminto->setChecked(!toiminto->isChecked());
            kasittelija();
        });
        return toiminto;
    };

    QMenu* tiedosto = palkki->addMenu(QStringLiteral("&Tiedosto"));
    tiedosto->setObjectName(QStringLiteral("mnuTiedosto"));
    mUusiPeli_ = lisaa(tiedosto, "mUusiPeli", QStringLiteral("&Uusi peli    "),
                       [this] { peli_.mUusiPeli_Click(); });
    mUusiPeli_->setShortcut(QKeySequence(Qt::Key_F2));
    tiedosto->addSeparator()->setObjectName(QStringLiteral("vTiedosto"));
    mLopeta_ =
        lisaa(tiedosto, "mLopeta", QStringLiteral("&Lopeta"), [this] { peli_.mLopeta_Click(); });

    QMenu* nayta = palkki->addMenu(QStringLiteral("&Näytä"));
    nayta->setObjectName(QStringLiteral("mnuNayta"));
    mNaytaPainikkeet_ =
        lisaaValinta(nayta, "mNaytaPainikkeet", QStringLiteral("&Ikkunan alalaidan painikkeet    "),
                     [this] { mNaytaPainikkeet_Click(); });
    mNaytaMahdottomatLaivaruudut_ =
        lisaaValinta(nayta, "mNaytaMahdottomatLaivaruudut",
                     QStringLiteral("&Epäkelvot ruudut laivoja sijoiteltaessa"),
                     [this] { peli_.mNaytaMahdottomatLaivaruudut_Click(); });
    nayta->addSeparator()->setObjectName(QStringLiteral("vNayta"));
    mNaytaParhaatTulokset_ =
        lisaa(nayta, "mNaytaParhaatTulokset", QStringLiteral("&Parhaat tulokset..."),
              &frmSorvik::mNaytaParhaatTulokset_Click);
    mNaytaAsetukset_ = lisaa(nayta, "mNaytaAsetukset", QStringLiteral("&Asetukset..."),
                             &frmSorvik::mNaytaAsetukset_Click);
    mNaytaAsetukset_->setVisible(false);

    QMenu* ohje = palkki->addMenu(QStringLiteral("&Ohje"));
    ohje->setObjectName(QStringLiteral("mnuOhje"));
    mReadmeOhje_ =
        lisaa(ohje, "mReadmeOhje", QStringLiteral("&Readme-ohje"), &frmSorvik::mReadmeOhje_Click);
    mReadmeOhje_->setShortcut(QKeySequence(Qt::Key_F1));
    ohje->addSeparator()->setObjectName(QStringLiteral("vOhje"));
    mOhjelmapaivitykset_ =
        lisaa(ohje, "mOhjelmapaivitykset", QStringLiteral("Ohjelma&päivitykset..."),
              &frmSorvik::mOhjelmapaivitykset_Click);
    mPalautettaOhjelmasta_ =
        lisaa(ohje, "mPalautettaOhjelmasta", QStringLiteral("P&alautetta ohjelmasta...    "),
              &frmSorvik::mPalautettaOhjelmasta_Click);
    mVirheilmoitukset_ = lisaa(ohje, "mVirheilmoitukset", QStringLiteral("&Virheilmoitukset..."),
                               &frmSorvik::mVirheilmoitukset_Click);
    ohje->addSeparator()->setObjectName(QStringLiteral("vOhje2"));
    mTietojaOhjelmasta_ =
        lisaa(ohje, "mTietojaOhjelmasta", QStringLiteral("&Tietoja ohjelmasta..."),
              &frmSorvik::mTietojaOhjelmasta_Click);
}

void frmSorvik::rakennaIkkuna() {
    auto* alue = new QWidget(this);
    alue->setObjectName(QStringLiteral("asiakasalue"));
    setCentralWidget(alue);

    auto* viiva = new QFrame(alue);
    viiva->setObjectName(QStringLiteral("fraKehysviiva"));
    viiva->setFrameShape(QFrame::HLine);
    viiva->setFrameShadow(QFrame::Sunken);
    viiva->setGeometry(Twipit(-240, 0, 8775, 35));

    imgPelaaja_ = new RuudukkoWidget(Ruudukko::Pelaaja, alue);
    imgPelaaja_->setObjectName(QStringLiteral("imgPelaaja"));
    imgPelaaja_->move(Twipit(120, 240, 0, 0).topLeft());
    imgKone_ = new RuudukkoWidget(Ruudukko::Kone, alue);
    imgKone_->setObjectName(QStringLiteral("imgKone"));
    imgKone_->move(Twipit(3960, 240, 0, 0).topLeft());
    connect(imgPelaaja_, &RuudukkoWidget::hiiriYlos, this,
            [this](int ruutu, int painike) { peli_.imgPelaaja_MouseUp(ruutu, painike); });
    connect(imgKone_, &RuudukkoWidget::napsautus, this,
            [this](int ruutu) { peli_.imgKone_Click(ruutu); });

    fraOhje_ = new QGroupBox(QStringLiteral("Toimintaohje"), alue);
    fraOhje_->setObjectName(QStringLiteral("fraOhje"));
    fraOhje_->setGeometry(Twipit(120, 4080, 6015, 855));
    lblOhje_ = new Tilarivi(fraOhje_);
    lblOhje_->setObjectName(QStringLiteral("lblOhje"));
    lblOhje_->setTextFormat(Qt::PlainText);
    lblOhje_->setWordWrap(true);
    lblOhje_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblOhje_->setGeometry(8, 16, 385, 38);
    lblOhje_->setText(QStringLiteral(
        "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon."));

    const std::array<QString, 2> tekstit{QStringLiteral("&Uusi peli"), QStringLiteral("&Lopeta")};
    for (int i = 0; i < 2; ++i) {
        auto* painike = new QPushButton(tekstit[i], alue);
        painike->setObjectName(QStringLiteral("cmdPainike(%1)").arg(i));
        painike->setGeometry(Twipit(6360, 4080 + 480 * i, 1215, 375));
        painike->setAutoDefault(false);
        connect(painike, &QPushButton::clicked, this, [this, i] { peli_.cmdPainike_Click(i); });
        cmdPainike_[i] = painike;
    }
    cmdPainike_[0]->setDefault(true);
    QWidget::setTabOrder(imgPelaaja_, imgKone_);
    QWidget::setTabOrder(imgKone_, cmdPainike_[0]);
    QWidget::setTabOrder(cmdPainike_[0], cmdPainike_[1]);
    // A focused button takes Enter; elsewhere Enter presses the default button
    // (a grid keeps it for its focus square).
    for (const auto avain : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(avain), this);
        connect(enter, &QShortcut::activated, this,
                [this] { peli_.cmdPainike_Click(focusWidget() == cmdPainike_[1] ? 1 : 0); });
    }
}

void frmSorvik::asetaKorkeus(bool painikkeet) {
    const int korkeus = KorkeusPainikkein - (painikkeet ? 0 : AlalaidanKorkeus);
    centralWidget()->setFixedSize(Leveys, korkeus);
    for (QWidget* alalaita :
         std::initializer_list<QWidget*>{fraOhje_, cmdPainike_[0], cmdPainike_[1]}) {
        alalaita->setVisible(painikkeet);
    }
    setFixedSize(Leveys, menuBar()->sizeHint().height() + korkeus);
}

void frmSorvik::Form_Load() {
    mNaytaPainikkeet_->setChecked(
        LuettuValinta(LueArvo(HKEY_CURRENT_USER, OhjelmanAvain, "NaytaPainikkeet"), false));
    mNaytaMahdottomatLaivaruudut_->setChecked(LuettuValinta(
        LueArvo(HKEY_CURRENT_USER, OhjelmanAvain, "NaytaMahdottomatLaivaruudut"), false));
    asetaKorkeus(mNaytaPainikkeet_->isChecked());

    const long twipsia = std::lround(ymparisto_.twipsiaPikselilla());
    if (twipsia != 12 && twipsia != 15) {
        NaytaViesti(this,
                    QStringLiteral("Ohjelman ulkoasussa saattaa esiintyä puutteita\n"
                                   "käyttämilläsi näytön asetuksilla."),
                    QStringLiteral("Tiedoksi"), Viestipainikkeet::OK, Viestikuvake::Tiedoksi);
    }

    lista_.LataaParhaatTulokset();
    peli_.Kaynnista();
    tmrAjastin_.start();
}

// --- Menu handlers -----------------------------------------------------------

void frmSorvik::mNaytaPainikkeet_Click() {
    NaytaTiimalasi();
    const bool nayta = !mNaytaPainikkeet_->isChecked();
    mNaytaPainikkeet_->setChecked(nayta);
    cmdPainike_[0]->setEnabled(nayta);
    cmdPainike_[1]->setEnabled(nayta);
    asetaKorkeus(nayta);
    tulokset_.Tallenna("NaytaPainikkeet", nayta ? "True" : "False");
    NaytaOletusosoitin();
}

void frmSorvik::mNaytaParhaatTulokset_Click() {
    NaytaDialogi<frmParhaatTulokset>(lista_, this);
}

void frmSorvik::mNaytaAsetukset_Click() {
    Saannot saannot = peli_.saannot();
    NaytaDialogi<frmAsetukset>(saannot, peli_.Pelivaihe(), peli_.VoitotPerakkain(), this);
    peli_.AsetaSaannot(saannot);
}

void frmSorvik::mTietojaOhjelmasta_Click() {
    NaytaDialogi<frmTietoja>(ymparisto_.avaa, this);
}

void frmSorvik::avaaKohde(const QUrl& kohde) {
    NaytaTiimalasi();
    ymparisto_.avaa(kohde);
    NaytaOletusosoitin();
}

void frmSorvik::mReadmeOhje_Click() {
    avaaKohde(QUrl::fromLocalFile(ReadmenPolku(ymparisto_.ohjelmanKansio)));
}

void frmSorvik::mOhjelmapaivitykset_Click() {
    avaaKohde(frmTietoja::VerkkosivunOsoite());
}

void frmSorvik::mPalautettaOhjelmasta_Click() {
    avaaKohde(QUrl(QStringLiteral("http://" SORVIK_WWW
                                  "/software/forum.cgi?toiminto=uusi_aihe&kategoria=sorvik")));
}

void frmSorvik::mVirheilmoitukset_Click() {
    avaaKohde(QUrl(QStringLiteral("mailto:" SORVIK_VIRHE_EMAIL)));
}

// --- Closing -------------------------------------------------------------------

void frmSorvik::closeEvent(QCloseEvent* tapahtuma) {
    // Once quitting is confirmed, the program's own unloading closes at once.
    if (peli_.Lopetetaan()) {
        tapahtuma->accept();
        return;
    }
    if (peli_.Form_QueryUnload(Sulkemissyy::Kayttaja)) {
        tapahtuma->ignore();
        return;
    }
    tapahtuma->accept();
    SuljeOhjelma();
}

void frmSorvik::lopetaSilmukat() {
    if (odotus_) {
        odotus_->quit();
    }
}

void frmSorvik::SuljeOhjelma() {
    NaytaTiimalasi();
    tmrAjastin_.stop();
    // Any dialog still open goes first, then the main window.
    for (QWidget* ikkuna : QApplication::topLevelWidgets()) {
        if (ikkuna != this && ikkuna->isVisible()) {
            ikkuna->close();
        }
    }
    close();
    lopetaSilmukat();
    QCoreApplication::quit();
}

} // namespace sorvik
