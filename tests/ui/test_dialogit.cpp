// The four dialogs: high scores, name entry, settings and About.

#include "Asetukset.h"
#include "ParhaatTulokset.h"
#include "Saannot.h"
#include "Viestilaatikko.h"
#include "frmAsetukset.h"
#include "frmKysyNimi.h"
#include "frmParhaatTulokset.h"
#include "frmTietoja.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <vector>

using namespace sorvik;

namespace {

template <typename T> T* Osa(const QWidget& ikkuna, const QString& nimi) {
    auto* osa = ikkuna.findChild<T*>(nimi);
    if (osa == nullptr) {
        qFatal("%s: no %s", qPrintable(ikkuna.objectName()), qPrintable(nimi));
    }
    return osa;
}

QString Indeksi(const char* nimi, int i) {
    return QStringLiteral("%1(%2)").arg(nimi).arg(i);
}

// Types text that may hold characters beyond Latin-1, one key press per
// character (a surrogate pair is one character).
void Kirjoita(QWidget* kohde, const QString& teksti) {
    for (qsizetype i = 0; i < teksti.size(); ++i) {
        const qsizetype pituus = teksti.at(i).isHighSurrogate() ? 2 : 1;
        const QString merkki = teksti.mid(i, pituus);
        QKeyEvent painallus(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, merkki);
        QApplication::sendEvent(kohde, &painallus);
        QKeyEvent vapautus(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, merkki);
        QApplication::sendEvent(kohde, &vapautus);
        i += pituus - 1;
    }
}

std::string Lue(const char* nimi) {
    return LueArvo(HKEY_CURRENT_USER, OhjelmanAvain, nimi);
}

// Removes the program's key, as on a fresh user profile.
void TyhjennaVarasto() {
    RegDeleteKeyA(HKEY_CURRENT_USER, OhjelmanAvain);
}

// Waits for the next modal message box, notes what it shows and presses the
// button with the given text.
class Vastaaja : public QObject {
public:
    explicit Vastaaja(QString painike) : painike_(std::move(painike)) {
        connect(&ajastin_, &QTimer::timeout, this, [this] { Katso(); });
        ajastin_.start(10);
    }

    bool nahty = false;
    QString teksti;
    QString otsikko;
    QString oletus;
    QMessageBox::Icon kuvake = QMessageBox::NoIcon;

private:
    void Katso() {
        auto* laatikko = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (laatikko == nullptr) {
            return;
        }
        ajastin_.stop();
        nahty = true;
        teksti = laatikko->text();
        otsikko = laatikko->windowTitle();
        kuvake = laatikko->icon();
        if (laatikko->defaultButton() != nullptr) {
            oletus = laatikko->defaultButton()->text();
        }
        for (QAbstractButton* painike : laatikko->buttons()) {
            if (painike->text() == painike_) {
                painike->click();
                return;
            }
        }
        laatikko->reject();
    }

    QString painike_;
    QTimer ajastin_;
};

} // namespace

class TestDialogit : public QObject {
    Q_OBJECT

private slots:
    void init() {
        TyhjennaVarasto();
        NaytaOletusosoitin();
    }

    // --- frmParhaatTulokset -------------------------------------------------

    void parhaat_tuoreProfiiliNayttaaOletuslistan() {
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        frmParhaatTulokset dlg(lista);

        QCOMPARE(dlg.windowTitle(), QStringLiteral("Parhaat tulokset"));
        QCOMPARE(Osa<QGroupBox>(dlg, "frParhaat")->title(),
                 QStringLiteral("Eniten pelejä peräkkäin voittaneet"));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(Osa<QLabel>(dlg, Indeksi("lblSija", i))->text(),
                     QStringLiteral("%1.").arg(i + 1));
            QCOMPARE(Osa<QLabel>(dlg, Indeksi("lblNimi", i))->text(), QStringLiteral("Harvokki"));
            QCOMPARE(Osa<QLabel>(dlg, Indeksi("lblTulos", i))->text(), QStringLiteral("0"));
        }
        auto* ok = Osa<QPushButton>(dlg, "cmdPainike(0)");
        auto* tyhjenna = Osa<QPushButton>(dlg, "cmdPainike(1)");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(tyhjenna->text(), QStringLiteral("&Tyhjennä"));
        QVERIFY(!tyhjenna->isEnabled());
    }

    void parhaat_lisayksenJalkeenListaNakyyJaTyhjennysSallitaan() {
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        lista.Lisaa("Matti", 4);
        lista.Lisaa("Liisa", 2);
        frmParhaatTulokset dlg(lista);

        QCOMPARE(Osa<QLabel>(dlg, "lblNimi(0)")->text(), QStringLiteral("Matti"));
        QCOMPARE(Osa<QLabel>(dlg, "lblTulos(0)")->text(), QStringLiteral("4"));
        QCOMPARE(Osa<QLabel>(dlg, "lblNimi(1)")->text(), QStringLiteral("Liisa"));
        QCOMPARE(Osa<QLabel>(dlg, "lblTulos(1)")->text(), QStringLiteral("2"));
        QCOMPARE(Osa<QLabel>(dlg, "lblNimi(2)")->text(), QStringLiteral("Harvokki"));
        QVERIFY(Osa<QPushButton>(dlg, "cmdPainike(1)")->isEnabled());
    }

    void parhaat_tyhjennysKyllaPalauttaaOletuksetMyosVarastoon() {
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        lista.Lisaa("Matti", 4);
        frmParhaatTulokset dlg(lista);
        dlg.show();

        Vastaaja vastaaja(QStringLiteral("Kyllä"));
        Osa<QPushButton>(dlg, "cmdPainike(1)")->click();

        QVERIFY(vastaaja.nahty);
        QCOMPARE(vastaaja.teksti,
                 QStringLiteral("Haluatko varmasti tyhjentää parhaiden tulosten listan?"));
        QCOMPARE(vastaaja.otsikko, QStringLiteral("Tyhjennä"));
        QCOMPARE(vastaaja.kuvake, QMessageBox::Question);
        QCOMPARE(vastaaja.oletus, QStringLiteral("Ei"));

        QVERIFY(dlg.isVisible());
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(Osa<QLabel>(dlg, Indeksi("lblNimi", i))->text(), QStringLiteral("Harvokki"));
            QCOMPARE(Osa<QLabel>(dlg, Indeksi("lblTulos", i))->text(), QStringLiteral("0"));
        }
        QVERIFY(!Osa<QPushButton>(dlg, "cmdPainike(1)")->isEnabled());
        QVERIFY(lista.OnOletus());
        QCOMPARE(Lue("ParasPelaaja0"), std::string("Harvokki"));
        QCOMPARE(Lue("ParasTulos0"), std::string("0"));
        ParhaatTulokset ladattu;
        ladattu.LataaParhaatTulokset();
        QVERIFY(ladattu.OnOletus());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void parhaat_tyhjennysEiMuutaMitaan() {
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        lista.Lisaa("Matti", 4);
        frmParhaatTulokset dlg(lista);
        dlg.show();

        Vastaaja vastaaja(QStringLiteral("Ei"));
        Osa<QPushButton>(dlg, "cmdPainike(1)")->click();

        QVERIFY(vastaaja.nahty);
        QCOMPARE(Osa<QLabel>(dlg, "lblNimi(0)")->text(), QStringLiteral("Matti"));
        QVERIFY(Osa<QPushButton>(dlg, "cmdPainike(1)")->isEnabled());
        QCOMPARE(lista.ParasPelaaja[0], std::string("Matti"));
        QCOMPARE(Lue("ParasPelaaja0"), std::string("Matti"));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void parhaat_nimetNaytetaanPelkkanaTekstina() {
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        lista.Lisaa("<img src=x.png>", 2);
        lista.Lisaa("<b>x</b>", 3);
        frmParhaatTulokset dlg(lista);

        auto* eka = Osa<QLabel>(dlg, "lblNimi(0)");
        auto* toka = Osa<QLabel>(dlg, "lblNimi(1)");
        QCOMPARE(eka->text(), QStringLiteral("<b>x</b>"));
        QCOMPARE(toka->text(), QStringLiteral("<img src=x.png>"));
        for (QLabel* nimio : dlg.findChildren<QLabel*>()) {
            QCOMPARE(nimio->textFormat(), Qt::PlainText);
        }
    }

    void parhaat_osoitinPalautuuJaEscSulkee() {
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        NaytaTiimalasi();
        frmParhaatTulokset dlg(lista);
        dlg.show();
        QVERIFY(QApplication::overrideCursor() == nullptr);

        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // --- frmKysyNimi --------------------------------------------------------

    void nimi_teksti_data() {
        QTest::addColumn<int>("voitot");
        QTest::addColumn<QString>("alku");
        QTest::newRow("yksi") << 1 << QStringLiteral("Voitit 1 pelin peräkkäin");
        QTest::newRow("kaksi") << 2 << QStringLiteral("Voitit 2 peliä peräkkäin");
        QTest::newRow("kaksitoista") << 12 << QStringLiteral("Voitit 12 peliä peräkkäin");
    }

    void nimi_teksti() {
        QFETCH(int, voitot);
        QFETCH(QString, alku);
        ParhaatTulokset lista;
        auto voitotPerakkain = static_cast<std::int16_t>(voitot);
        frmKysyNimi dlg(lista, voitotPerakkain);

        QCOMPARE(dlg.windowTitle(), QStringLiteral("Onneksi olkoon!"));
        QCOMPARE(Osa<QLabel>(dlg, "lblTeksti")->text(),
                 alku + QStringLiteral(" ja pääset tuloksellasi parhaiden tulosten listalle.\n\n\n"
                                       "Kirjoita nimesi:"));
        QCOMPARE(Osa<QPushButton>(dlg, "cmdPainike(0)")->text(), QStringLiteral("OK"));
        QCOMPARE(Osa<QPushButton>(dlg, "cmdPainike(1)")->text(), QStringLiteral("Peruuta"));

        // The prompt fits above the name field, whatever the font.
        auto* teksti = Osa<QLabel>(dlg, "lblTeksti");
        QVERIFY(teksti->heightForWidth(teksti->width()) <= teksti->height());
        QVERIFY(teksti->geometry().bottom() < Osa<QLineEdit>(dlg, "txtNimi")->y());
        QVERIFY(dlg.rect().contains(Osa<QLineEdit>(dlg, "txtNimi")->geometry()));
    }

    void nimi_okSallitaanVainNimenKanssa() {
        ParhaatTulokset lista;
        std::int16_t voitot = 1;
        frmKysyNimi dlg(lista, voitot);
        dlg.show();
        auto* txt = Osa<QLineEdit>(dlg, "txtNimi");
        auto* ok = Osa<QPushButton>(dlg, "cmdPainike(0)");

        QVERIFY(ok->isEnabled());
        QTest::keyClick(txt, Qt::Key_Delete);
        QCOMPARE(txt->text(), QString());
        QVERIFY(!ok->isEnabled());
        // Enter with no name presses nothing.
        QTest::keyClick(txt, Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        QTest::keyClick(txt, Qt::Key_Space);
        QVERIFY(ok->isEnabled());
        QTest::keyClick(txt, Qt::Key_Backspace);
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(txt, QStringLiteral("A"));
        QVERIFY(ok->isEnabled());
    }

    void nimi_esitaytto() {
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        {
            std::int16_t voitot = 2;
            frmKysyNimi dlg(lista, voitot);
            dlg.show();
            auto* txt = Osa<QLineEdit>(dlg, "txtNimi");
            QCOMPARE(txt->text(), QStringLiteral("Nimetön"));
            QCOMPARE(txt->selectedText(), QStringLiteral("Nimetön"));
            QVERIFY(txt->hasFocus() || dlg.focusWidget() == txt);
            // Typing replaces the offered name.
            QTest::keyClicks(txt, QStringLiteral("Liisa"));
            QCOMPARE(txt->text(), QStringLiteral("Liisa"));
            QTest::keyClick(txt, Qt::Key_Return);
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
        }
        std::int16_t voitot = 1;
        frmKysyNimi dlg(lista, voitot);
        auto* txt = Osa<QLineEdit>(dlg, "txtNimi");
        QCOMPARE(txt->text(), QStringLiteral("Liisa"));
        QCOMPARE(txt->selectedText(), QStringLiteral("Liisa"));
    }

    void nimi_okLisaaJaNollaaPutken() {
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        lista.Lisaa("Matti", 5);
        std::int16_t voitot = 3;
        frmKysyNimi dlg(lista, voitot);
        dlg.show();
        Osa<QLineEdit>(dlg, "txtNimi")->setText(QStringLiteral("Äijä € Œ"));
        Osa<QPushButton>(dlg, "cmdPainike(0)")->click();

        QVERIFY(!dlg.isVisible());
        QCOMPARE(voitot, std::int16_t{0});
        QCOMPARE(lista.ParasPelaaja[1], std::string("Äijä € Œ"));
        QCOMPARE(lista.ParasTulos[1], std::int16_t{3});
        QCOMPARE(lista.ViimeksiListallePaassytPelaaja, std::string("Äijä € Œ"));
        // What the store returns is exactly what was typed.
        ParhaatTulokset ladattu;
        ladattu.LataaParhaatTulokset();
        QCOMPARE(ladattu.ParasPelaaja[1], std::string("Äijä € Œ"));
        QCOMPARE(ladattu.ParasTulos[1], std::int16_t{3});
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void nimi_peruutaJaEscNollaavatPutkenEivatkaTallenna_data() {
        QTest::addColumn<bool>("esc");
        QTest::newRow("Peruuta") << false;
        QTest::newRow("Esc") << true;
    }

    void nimi_peruutaJaEscNollaavatPutkenEivatkaTallenna() {
        QFETCH(bool, esc);
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        lista.ViimeksiListallePaassytPelaaja = "Matti";
        std::int16_t voitot = 3;
        frmKysyNimi dlg(lista, voitot);
        dlg.show();
        QTest::keyClicks(Osa<QLineEdit>(dlg, "txtNimi"), QStringLiteral("Pekka"));
        if (esc) {
            QTest::keyClick(&dlg, Qt::Key_Escape);
        } else {
            Osa<QPushButton>(dlg, "cmdPainike(1)")->click();
        }

        QVERIFY(!dlg.isVisible());
        QCOMPARE(voitot, std::int16_t{0});
        QVERIFY(lista.OnOletus());
        QCOMPARE(lista.ViimeksiListallePaassytPelaaja, std::string("Matti"));
        QCOMPARE(Lue("ParasPelaaja0"), std::string(EiLoytynyt));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void nimi_ikkunanSulkeminenEiMuutaMitaan() {
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        std::int16_t voitot = 3;
        frmKysyNimi dlg(lista, voitot);
        dlg.show();
        QTest::keyClicks(Osa<QLineEdit>(dlg, "txtNimi"), QStringLiteral("Pekka"));
        QVERIFY(dlg.close());

        QVERIFY(!dlg.isVisible());
        QCOMPARE(voitot, std::int16_t{3});
        QVERIFY(lista.OnOletus());
        QCOMPARE(lista.ViimeksiListallePaassytPelaaja, std::string());
        QCOMPARE(Lue("ParasPelaaja0"), std::string(EiLoytynyt));
    }

    void nimi_kayttokelpoinenVaikkaPaaikkunaOnPoissaKaytosta() {
        QWidget paaikkuna;
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        std::int16_t voitot = 1;
        frmKysyNimi dlg(lista, voitot, &paaikkuna);
        // The game can end during the computer's turn, with the main window
        // disabled.
        paaikkuna.setEnabled(false);
        dlg.show();
        auto* peruuta = Osa<QPushButton>(dlg, "cmdPainike(1)");
        QVERIFY(peruuta->isEnabled());
        peruuta->click();
        QCOMPARE(voitot, std::int16_t{0});
        QVERIFY(paaikkuna.isEnabled());
    }

    void nimi_pituusJaMerkistoRajoitettu() {
        ParhaatTulokset lista;
        std::int16_t voitot = 1;
        frmKysyNimi dlg(lista, voitot);
        dlg.show();
        auto* txt = Osa<QLineEdit>(dlg, "txtNimi");

        QTest::keyClicks(txt, QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        QCOMPARE(txt->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));

        txt->clear();
        Kirjoita(txt, QStringLiteral("a€Ωb😀ä"));
        QCOMPARE(txt->text(), QStringLiteral("a€bä"));

        // Pasted text is refused whole when it holds a character the store
        // cannot keep; acceptable text is pasted as it is.
        txt->clear();
        QApplication::clipboard()->setText(QStringLiteral("Anna😀"));
        txt->paste();
        QCOMPARE(txt->text(), QString());
        QApplication::clipboard()->setText(QStringLiteral("Åke\tÖ"));
        txt->paste();
        QCOMPARE(txt->text(), QString());
        QApplication::clipboard()->setText(QStringLiteral("Œuvre™ Šárka"));
        txt->paste();
        QCOMPARE(txt->text(), QStringLiteral("Œuvre™ Šárka"));
    }

    void nimi_tarkistin_data() {
        QTest::addColumn<QString>("nimi");
        QTest::addColumn<bool>("kelpaa");
        QTest::newRow("tyhja") << QString() << true;
        QTest::newRow("ascii") << QStringLiteral("Matti Meikäläinen") << false; // 17 merkkiä
        QTest::newRow("16") << QStringLiteral("Matti Meikäläine") << true;
        QTest::newRow("latin1") << QStringLiteral("Åsa ÿ ¡¿ ×÷") << true;
        QTest::newRow("cp1252") << QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ") << true;
        QTest::newRow("cp1252b") << QStringLiteral("‘’“”•–—˜™š›œžŸ") << true;
        QTest::newRow("omega") << QStringLiteral("Ω") << false;
        QTest::newRow("emoji") << QStringLiteral("😀") << false;
        QTest::newRow("c1") << QString(QChar(0x81)) << false;
        QTest::newRow("nolla") << QString(QChar(0)) << false;
        QTest::newRow("rivinvaihto") << QStringLiteral("a\nb") << false;
        QTest::newRow("del") << QString(QChar(0x7F)) << false;
    }

    void nimi_tarkistin() {
        QFETCH(QString, nimi);
        QFETCH(bool, kelpaa);
        NimenTarkistin tarkistin;
        int kohta = 0;
        QCOMPARE(tarkistin.validate(nimi, kohta) == QValidator::Acceptable, kelpaa);
    }

    // --- frmAsetukset -------------------------------------------------------

    void asetukset_ohjelmanAlussa() {
        Saannot saannot;
        frmAsetukset dlg(saannot, false, 0);

        QCOMPARE(dlg.windowTitle(), QStringLiteral("Asetukset"));
        QVERIFY(Osa<QRadioButton>(dlg, "optAloitustapa(0)")->isChecked());
        QVERIFY(Osa<QCheckBox>(dlg, "chkSijainti(0)")->isChecked());
        QVERIFY(Osa<QCheckBox>(dlg, "chkSijainti(1)")->isChecked());
        auto* eiAnimaatiota = Osa<QRadioButton>(dlg, "optUppoaminen(1)");
        QCOMPARE(eiAnimaatiota->text(), QStringLiteral("&Uppoamisanimaatiota ei näytetä"));
        QVERIFY(eiAnimaatiota->isChecked());
        QVERIFY(!Osa<QRadioButton>(dlg, "optUppoaminen(0)")->isChecked());
        QVERIFY(Osa<QGroupBox>(dlg, "fraLaivojenSijainti")->isEnabled());
        QVERIFY(Osa<QPushButton>(dlg, "cmdPainike(0)")->isDefault());

        // No caption is cut short, whatever the font.
        for (auto* kehys : dlg.findChildren<QGroupBox*>()) {
            QVERIFY(kehys->minimumSizeHint().width() <= kehys->width());
            QVERIFY(dlg.rect().contains(kehys->geometry()));
            for (auto* valinta : kehys->findChildren<QAbstractButton*>()) {
                QVERIFY2(valinta->sizeHint().width() <= valinta->width(),
                         qPrintable(valinta->objectName()));
                QVERIFY(kehys->rect().contains(valinta->geometry()));
            }
        }
        for (auto* painike : dlg.findChildren<QPushButton*>()) {
            QVERIFY(dlg.rect().contains(painike->geometry()));
        }
    }

    void asetukset_sijaintiLukittu_data() {
        QTest::addColumn<bool>("peliKaynnissa");
        QTest::addColumn<int>("voitot");
        QTest::addColumn<bool>("lukittu");
        QTest::newRow("pelien valissa") << false << 0 << false;
        QTest::newRow("peli kaynnissa") << true << 0 << true;
        QTest::newRow("voittoputki") << false << 1 << true;
    }

    void asetukset_sijaintiLukittu() {
        QFETCH(bool, peliKaynnissa);
        QFETCH(int, voitot);
        QFETCH(bool, lukittu);
        Saannot saannot;
        saannot.LaivojenKulmatSaavatKoskettaa = false;
        frmAsetukset dlg(saannot, peliKaynnissa, static_cast<std::int16_t>(voitot));
        dlg.show();
        auto* kulmat = Osa<QCheckBox>(dlg, "chkSijainti(0)");
        QCOMPARE(Osa<QGroupBox>(dlg, "fraLaivojenSijainti")->isEnabled(), !lukittu);
        QCOMPARE(kulmat->isEnabled(), !lukittu);
        QCOMPARE(Osa<QCheckBox>(dlg, "chkSijainti(1)")->isEnabled(), !lukittu);
        // The other settings stay editable either way.
        QVERIFY(Osa<QGroupBox>(dlg, "fraAloitustapa")->isEnabled());
        QVERIFY(Osa<QGroupBox>(dlg, "fraLaivojenUppoaminen")->isEnabled());

        QTest::mouseClick(kulmat, Qt::LeftButton);
        Osa<QPushButton>(dlg, "cmdPainike(0)")->click();
        QCOMPARE(saannot.LaivojenKulmatSaavatKoskettaa, !lukittu);
        QCOMPARE(Lue("LaivojenKulmatSaavatKoskettaa"), std::string(lukittu ? "False" : "True"));
    }

    void asetukset_okTallentaa() {
        Saannot saannot;
        {
            frmAsetukset dlg(saannot, false, 0);
            dlg.show();
            QTest::mouseClick(Osa<QRadioButton>(dlg, "optAloitustapa(2)"), Qt::LeftButton);
            QTest::mouseClick(Osa<QCheckBox>(dlg, "chkSijainti(0)"), Qt::LeftButton);
            QTest::mouseClick(Osa<QRadioButton>(dlg, "optUppoaminen(0)"), Qt::LeftButton);
            Osa<QPushButton>(dlg, "cmdPainike(0)")->click();
            QVERIFY(!dlg.isVisible());
        }
        QCOMPARE(saannot.PelinAloitustapa, std::string("Edellisen pelin voittanut"));
        QCOMPARE(saannot.LaivojenKulmatSaavatKoskettaa, false);
        QCOMPARE(saannot.LaivaSaaSijaitaReunassa, true);
        QCOMPARE(saannot.NaytetaanLaivojenUppoaminen, true);
        QCOMPARE(Lue("PelinAloitustapa"), std::string("Edellisen pelin voittanut"));
        QCOMPARE(Lue("LaivojenKulmatSaavatKoskettaa"), std::string("False"));
        QCOMPARE(Lue("LaivaSaaSijaitaReunassa"), std::string("True"));
        QCOMPARE(Lue("NaytetaanLaivojenUppoaminen"), std::string("True"));
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // Reopening shows what was chosen.
        frmAsetukset dlg(saannot, false, 0);
        QVERIFY(Osa<QRadioButton>(dlg, "optAloitustapa(2)")->isChecked());
        QVERIFY(!Osa<QCheckBox>(dlg, "chkSijainti(0)")->isChecked());
        QVERIFY(Osa<QRadioButton>(dlg, "optUppoaminen(0)")->isChecked());
    }

    void asetukset_okTallentaaAloitustavanTekstin_data() {
        QTest::addColumn<int>("valinta");
        QTest::addColumn<QString>("teksti");
        QTest::newRow("0") << 0 << QStringLiteral("Vuoroaloitus");
        QTest::newRow("1") << 1 << QStringLiteral("Aloittaja arvotaan");
    }

    void asetukset_okTallentaaAloitustavanTekstin() {
        QFETCH(int, valinta);
        QFETCH(QString, teksti);
        Saannot saannot;
        frmAsetukset dlg(saannot, true, 0);
        dlg.show();
        QTest::mouseClick(Osa<QRadioButton>(dlg, Indeksi("optAloitustapa", valinta)),
                          Qt::LeftButton);
        Osa<QPushButton>(dlg, "cmdPainike(0)")->click();
        QCOMPARE(QString::fromStdString(saannot.PelinAloitustapa), teksti);
        QCOMPARE(QString::fromStdString(Lue("PelinAloitustapa")), teksti);
        QCOMPARE(Lue("NaytetaanLaivojenUppoaminen"), std::string("False"));
    }

    void asetukset_peruutaEscJaIkkunaEivatMuuta_data() {
        QTest::addColumn<int>("tapa");
        QTest::newRow("Peruuta") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("ikkuna") << 2;
    }

    void asetukset_peruutaEscJaIkkunaEivatMuuta() {
        QFETCH(int, tapa);
        Saannot saannot;
        frmAsetukset dlg(saannot, false, 0);
        dlg.show();
        QTest::mouseClick(Osa<QRadioButton>(dlg, "optAloitustapa(1)"), Qt::LeftButton);
        QTest::mouseClick(Osa<QCheckBox>(dlg, "chkSijainti(0)"), Qt::LeftButton);
        QTest::mouseClick(Osa<QCheckBox>(dlg, "chkSijainti(1)"), Qt::LeftButton);
        QTest::mouseClick(Osa<QRadioButton>(dlg, "optUppoaminen(0)"), Qt::LeftButton);
        if (tapa == 0) {
            Osa<QPushButton>(dlg, "cmdPainike(1)")->click();
        } else if (tapa == 1) {
            QTest::keyClick(&dlg, Qt::Key_Escape);
        } else {
            dlg.close();
        }

        QVERIFY(!dlg.isVisible());
        QCOMPARE(saannot.PelinAloitustapa, std::string());
        QVERIFY(saannot.LaivojenKulmatSaavatKoskettaa);
        QVERIFY(saannot.LaivaSaaSijaitaReunassa);
        QVERIFY(!saannot.NaytetaanLaivojenUppoaminen);
        for (const char* nimi : {"PelinAloitustapa", "LaivojenKulmatSaavatKoskettaa",
                                 "LaivaSaaSijaitaReunassa", "NaytetaanLaivojenUppoaminen"}) {
            QCOMPARE(Lue(nimi), std::string(EiLoytynyt));
        }
    }

    // --- frmTietoja ---------------------------------------------------------

    void tietoja_tekstit() {
        frmTietoja dlg([](const QUrl&) {});
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Tietoja ohjelmasta"));
        auto* nimi = Osa<QLabel>(dlg, "lblOhjelmanNimi");
        QCOMPARE(nimi->text(), QStringLiteral("Sorvik"));
        QVERIFY(nimi->font().bold());
        QCOMPARE(Osa<QLabel>(dlg, "lblVersio")->text(), QStringLiteral("Versio 1.1 Freeware"));
        QVERIFY(!Osa<QLabel>(dlg, "lblTekija")->text().isEmpty());
        QCOMPARE(Osa<QLabel>(dlg, "lblWWW")->text(), QStringLiteral(SORVIK_WWW));
        QCOMPARE(Osa<QLabel>(dlg, "lblEmail")->text(), QStringLiteral(SORVIK_TUKI_EMAIL));
        QVERIFY(!Osa<QLabel>(dlg, "picOhjelmanKuvake")->pixmap().isNull());
        auto* ok = Osa<QPushButton>(dlg, "cmdOK");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
    }

    void tietoja_linkit() {
        std::vector<QString> avatut;
        std::vector<bool> tiimalasi;
        frmTietoja dlg([&](const QUrl& osoite) {
            avatut.push_back(osoite.toString());
            tiimalasi.push_back(QApplication::overrideCursor() != nullptr &&
                                QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        });
        dlg.show();
        auto* www = Osa<QLabel>(dlg, "lblWWW");
        auto* email = Osa<QLabel>(dlg, "lblEmail");

        for (QLabel* linkki : {www, email}) {
            QCOMPARE(linkki->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(linkki->font().underline());
        }
        for (const char* muu : {"lblOhjelmanNimi", "lblVersio", "lblTekija"}) {
            QCOMPARE(Osa<QLabel>(dlg, muu)->cursor().shape(), Qt::ArrowCursor);
        }

        QTest::mouseClick(www, Qt::LeftButton);
        QTest::mouseClick(email, Qt::LeftButton);
        QTest::mouseClick(www, Qt::RightButton);
        QTest::mouseClick(Osa<QLabel>(dlg, "lblVersio"), Qt::LeftButton);

        const std::vector<QString> odotetut{
            QStringLiteral("http://" SORVIK_WWW "/software/index.shtml?sorvik11"),
            QStringLiteral("mailto:" SORVIK_TUKI_EMAIL)};
        QCOMPARE(avatut, odotetut);
        QCOMPARE(tiimalasi, (std::vector<bool>{true, true}));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(dlg.isVisible());
    }

    void tietoja_escJaEnterSulkevat_data() {
        QTest::addColumn<int>("nappain");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void tietoja_escJaEnterSulkevat() {
        QFETCH(int, nappain);
        frmTietoja dlg([](const QUrl&) {});
        NaytaTiimalasi();
        dlg.show();
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QTest::keyClick(&dlg, static_cast<Qt::Key>(nappain));
        QVERIFY(!dlg.isVisible());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(TestDialogit)
#include "test_dialogit.moc"
