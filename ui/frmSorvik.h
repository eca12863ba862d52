#pragma once
// The main window: both grids, the instruction line, the two buttons, the menu
// bar and the 10 ms timer. It is the game's screen and owns the one game.

#include "Ikkunapalvelut.h"
#include "ParhaatTulokset.h"
#include "Peli.h"
#include "Saavutettavuus.h"
#include "Satunnaislahde.h"
#include "Tyokalut.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <array>
#include <functional>

class QAction;
class QEventLoop;
class QGroupBox;
class QMenu;
class QPushButton;

namespace sorvik {

class RuudukkoWidget;

// What the window needs of the desktop beyond Qt's widgets; tests replace it.
struct Ymparisto {
    // Opens a file, web page or mail message with the user's default program.
    std::function<void(const QUrl&)> avaa;
    // The display's vertical twips per pixel (1440 / logical dots per inch).
    std::function<double()> twipsiaPikselilla;
    // Folder of the program; readme.txt lies beside it or, installed, with the
    // documents.
    QString ohjelmanKansio;
};

class frmSorvik : public QMainWindow, private Tyokalut {
    Q_OBJECT

public:
    // Client height under the menu bar with the bottom strip, and the strip.
    static constexpr int Leveys = 514;
    static constexpr int KorkeusPainikkein = 339;
    static constexpr int AlalaidanKorkeus = 72;

    explicit frmSorvik(Ymparisto ymparisto = {}, QWidget* vanhempi = nullptr);
    ~frmSorvik() override;

    // Start-up: restores the options, checks the display, loads the list and
    // sets up the first game. Call once, before showing the window.
    void Form_Load();

    [[nodiscard]] Peli& peli() { return peli_; }
    [[nodiscard]] ParhaatTulokset& lista() { return lista_; }
    [[nodiscard]] RuudukkoWidget* imgPelaaja() const { return imgPelaaja_; }
    [[nodiscard]] RuudukkoWidget* imgKone() const { return imgKone_; }
    [[nodiscard]] Tilarivi* lblOhje() const { return lblOhje_; }
    [[nodiscard]] QPushButton* cmdPainike(int i) const { return cmdPainike_.at(i); }
    [[nodiscard]] QTimer& tmrAjastin() { return tmrAjastin_; }

    // Menu handlers of the window itself.
    void mNaytaPainikkeet_Click();
    void mNaytaParhaatTulokset_Click();
    void mNaytaAsetukset_Click();
    void mTietojaOhjelmasta_Click();
    void mReadmeOhje_Click();
    void mOhjelmapaivitykset_Click();
    void mPalautettaOhjelmasta_Click();
    void mVirheilmoitukset_Click();

protected:
    void closeEvent(QCloseEvent* tapahtuma) override;

private:
    // --- Tyokalut --------------------------------------------------------
    void AsetaRuudunKuva(Ruudukko ruudukko, int ruutu, Kuva kuva) override;
    void SalliRuutu(Ruudukko ruudukko, int ruutu, bool sallittu) override;
    void AsetaRuudunKursori(Ruudukko ruudukko, int ruutu, Kursori kursori) override;
    void AsetaOhjeteksti(const std::string& teksti) override;
    void AsetaOsoitin(Osoitin osoitin) override;
    void SalliPainike(int indeksi, bool sallittu) override;
    [[nodiscard]] bool ValikonValinta(Valikko valikko) const override;
    void AsetaValikonValinta(Valikko valikko, bool valittu) override;
    void SalliValikko(Valikko valikko, bool sallittu) override;
    void SalliPaaikkuna(bool sallittu) override;
    int Viesti(const std::string& teksti, const std::string& otsikko, int tyyli) override;
    void SuljeOhjelma() override;
    void KasitteleTapahtumat() override;
    void OdotaTapahtumia(double sekuntia) override;

    void rakennaValikot();
    void rakennaIkkuna();
    void asetaKorkeus(bool painikkeet);
    void avaaKohde(const QUrl& kohde);
    void lopetaSilmukat();
    [[nodiscard]] RuudukkoWidget* ruudukko(Ruudukko ruudukko) const;
    [[nodiscard]] QAction* valikko(Valikko valikko) const;

    Ymparisto ymparisto_;
    ParhaatTulokset lista_;
    ListanTulospalvelu tulokset_;
    Satunnaisgeneraattori lahde_;
    Ikkunakello kello_;
    Peli peli_;

    RuudukkoWidget* imgPelaaja_ = nullptr;
    RuudukkoWidget* imgKone_ = nullptr;
    QGroupBox* fraOhje_ = nullptr;
    Tilarivi* lblOhje_ = nullptr;

    std::array<QPushButton*, 2> cmdPainike_{};
    QTimer tmrAjastin_;

    QAction* mUusiPeli_ = nullptr;
    QAction* mLopeta_ = nullptr;
    QAction* mNaytaPainikkeet_ = nullptr;
    QAction* mNaytaMahdottomatLaivaruudut_ = nullptr;
    QAction* mNaytaParhaatTulokset_ = nullptr;
    QAction* mNaytaAsetukset_ = nullptr;
    QAction* mReadmeOhje_ = nullptr;
    QAction* mOhjelmapaivitykset_ = nullptr;
    QAction* mPalautettaOhjelmasta_ = nullptr;
    QAction* mVirheilmoitukset_ = nullptr;
    QAction* mTietojaOhjelmasta_ = nullptr;

    // The computer's pause waits in this loop; quitting ends it at once.
    QPointer<QEventLoop> odotus_;
};

} // namespace sorvik
