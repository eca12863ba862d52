// The four dialogs: high scores, name entry, settings and About.

#include "Asetukset.h"
#include "Ikkunapalvelut.h"
#include "ParhaatTulokset.h"
#include "Saannot.h"
#include "Vastaaja.h"
#include "Viestilaatikko.h"
#include "frmAsetukset.h"
#include "frmKysyNimi.h"
#include "frmParhaatTulokset.h"
#include "frmTietoja.h"
#include "test_paaikkuna_apu.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <vector>

using namespace sorvik;
using testi::AlustaTesti;
using testi::Lue;
using testi::Vastaaja;

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

QPushButton* Painike(const QWidget& ikkuna, int i) {
    return Osa<QPushButton>(ikkuna, Indeksi("cmdPainike", i));
}

// The high-score list as shown: "rank name score" for each of the ten rows.
QStringList Rivit(const frmParhaatTulokset& dlg) {
    QStringList rivit;
    for (int i = 0; i < 10; ++i) {
        rivit << QStringList{Osa<QLabel>(dlg, Indeksi("lblSija", i))->text(),
                             Osa<QLabel>(dlg, Indeksi("lblNimi", i))->text(),
                             Osa<QLabel>(dlg, Indeksi("lblTulos", i))->text()}
                     .join(u' ');
    }
    return rivit;
}

QStringList OletusRivit() {
    QStringList rivit;
    for (int i = 1; i <= 10; ++i) {
        rivit << QStringLiteral("%1. Harvokki 0").arg(i);
    }
    return rivit;
}

// When the dialog closes, the game applies its answer to the streak.
void Kytke(frmKysyNimi& dlg, ParhaatTulokset& lista, std::int16_t& voitot) {
    QObject::connect(&dlg, &QDialog::finished, &dlg, [&dlg, &lista, &voitot] {
        ListanTulospalvelu tulokset(lista);
        voitot = PutkiNimikyselynJalkeen(dlg.Vastaus(), voitot, tulokset);
    });
}

// The name dialog, shown, over a list of default entries.
struct Nimikysely {
    explicit Nimikysely(std::int16_t voitotAlussa) : voitot(voitotAlussa) {
        Kytke(dlg, lista, voitot);
        dlg.show();
    }

    ParhaatTulokset lista;
    std::int16_t voitot;
    frmKysyNimi dlg{lista, voitot};
    QLineEdit* txt = Osa<QLineEdit>(dlg, "txtNimi");
};

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

} // namespace

class TestDialogit : public QObject {
    Q_OBJECT

private slots:
    // Each test starts from a fresh profile of its own, never the user's.
    void init() { AlustaTesti(); }

    // --- frmParhaatTulokset -------------------------------------------------

    void parhaat_listaNaytetaanSellaisenaan() {
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        {
            frmParhaatTulokset dlg(lista);
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Parhaat tulokset"));
            QCOMPARE(Osa<QGroupBox>(dlg, "frParhaat")->title(),
                     QStringLiteral("Eniten pelejä peräkkäin voittaneet"));
            QCOMPARE(Rivit(dlg), OletusRivit());
            QCOMPARE(Painike(dlg, 0)->text(), QStringLiteral("OK"));
            QVERIFY(Painike(dlg, 0)->isDefault());
            QCOMPARE(Painike(dlg, 1)->text(), QStringLiteral("&Tyhjennä"));
            QVERIFY(!Painike(dlg, 1)->isEnabled());
        }

        // Names are shown as typed, never as markup.
        lista.Lisaa("<b>x</b>", 4);
        lista.Lisaa("<img src=x.png>", 2);
        frmParhaatTulokset dlg(lista);
        QStringList odotetut = OletusRivit();
        odotetut[0] = QStringLiteral("1. <b>x</b> 4");
        odotetut[1] = QStringLiteral("2. <img src=x.png> 2");
        QCOMPARE(Rivit(dlg), odotetut);
        for (QLabel* nimio : dlg.findChildren<QLabel*>()) {
            QCOMPARE(nimio->textFormat(), Qt::PlainText);
        }
        QVERIFY(Painike(dlg, 1)->isEnabled());
    }

    void parhaat_pitkaNimiJaSuuriTulosMahtuvat() {
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        const std::string levea(16, 'W');
        lista.Lisaa(levea, 32767);
        frmParhaatTulokset dlg(lista);
        auto* nimi = Osa<QLabel>(dlg, "lblNimi(0)");
        auto* tulos = Osa<QLabel>(dlg, "lblTulos(0)");
        // The name ends in an ellipsis inside its column; the tooltip has it all.
        QVERIFY(nimi->text().endsWith(QChar(0x2026)));
        QVERIFY(nimi->fontMetrics().horizontalAdvance(nimi->text()) <= nimi->width());
        QCOMPARE(nimi->toolTip(), QString::fromStdString(levea));
        QVERIFY(nimi->geometry().right() < tulos->geometry().left());
        QCOMPARE(tulos->text(), QStringLiteral("32767"));
        QVERIFY(tulos->fontMetrics().horizontalAdvance(tulos->text()) <= tulos->width());
        // A name that fits has no tooltip.
        QVERIFY(Osa<QLabel>(dlg, "lblNimi(1)")->toolTip().isEmpty());
    }

    void parhaat_tyhjennys_data() {
        QTest::addColumn<QString>("vastaus");
        QTest::newRow("Kyllä") << QStringLiteral("Kyllä");
        QTest::newRow("Ei") << QStringLiteral("Ei");
    }

    void parhaat_tyhjennys() {
        QFETCH(QString, vastaus);
        const bool tyhjennetaan = vastaus == QStringLiteral("Kyllä");
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        lista.Lisaa("Matti", 4);
        frmParhaatTulokset dlg(lista);
        dlg.show();
        const QStringList ennen = Rivit(dlg);

        Vastaaja vastaaja({vastaus});
        Painike(dlg, 1)->click();

        QCOMPARE(vastaaja.nahdyt.size(), 1U);
        QCOMPARE(vastaaja.nahdyt[0].teksti,
                 QStringLiteral("Haluatko varmasti tyhjentää parhaiden tulosten listan?"));
        QCOMPARE(vastaaja.nahdyt[0].otsikko, QStringLiteral("Tyhjennä"));
        QCOMPARE(vastaaja.nahdyt[0].kuvake, QMessageBox::Question);
        QCOMPARE(vastaaja.nahdyt[0].oletus, QStringLiteral("Ei"));

        QVERIFY(dlg.isVisible());
        QCOMPARE(Rivit(dlg), tyhjennetaan ? OletusRivit() : ennen);
        QCOMPARE(Painike(dlg, 1)->isEnabled(), !tyhjennetaan);
        QCOMPARE(lista.OnOletus(), tyhjennetaan);
        QCOMPARE(Lue("ParasPelaaja0"), std::string(tyhjennetaan ? "Harvokki" : "Matti"));
        QCOMPARE(Lue("ParasTulos0"), std::string(tyhjennetaan ? "0" : "4"));
        ParhaatTulokset ladattu;
        ladattu.LataaParhaatTulokset();
        QCOMPARE(ladattu.OnOletus(), tyhjennetaan);
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
        Nimikysely k(static_cast<std::int16_t>(voitot));

        QCOMPARE(k.dlg.windowTitle(), QStringLiteral("Onneksi olkoon!"));
        auto* teksti = Osa<QLabel>(k.dlg, "lblTeksti");
        QCOMPARE(teksti->text(),
                 alku + QStringLiteral(" ja pääset tuloksellasi parhaiden tulosten listalle.\n\n\n"
                                       "Kirjoita nimesi:"));
        QCOMPARE(Painike(k.dlg, 0)->text(), QStringLiteral("OK"));
        QCOMPARE(Painike(k.dlg, 1)->text(), QStringLiteral("Peruuta"));

        // The prompt fits above the name field, whatever the font.
        QVERIFY(teksti->heightForWidth(teksti->width()) <= teksti->height());
        QVERIFY(teksti->geometry().bottom() < k.txt->y());
        QVERIFY(k.dlg.rect().contains(k.txt->geometry()));
    }

    void nimi_okSallitaanVainNimenKanssa() {
        Nimikysely k(1);
        auto* ok = Painike(k.dlg, 0);
        QVERIFY(ok->isEnabled());
        QTest::keyClick(k.txt, Qt::Key_Delete);
        QCOMPARE(k.txt->text(), QString());
        QVERIFY(!ok->isEnabled());
        // Enter with no name presses nothing.
        QTest::keyClick(k.txt, Qt::Key_Return);
        QVERIFY(k.dlg.isVisible());
        QTest::keyClick(k.txt, Qt::Key_Space);
        QVERIFY(ok->isEnabled());
        QTest::keyClick(k.txt, Qt::Key_Backspace);
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(k.txt, QStringLiteral("A"));
        QVERIFY(ok->isEnabled());
    }

    void nimi_esitaytto() {
        Nimikysely k(2);
        QCOMPARE(k.txt->text(), QStringLiteral("Nimetön"));
        QCOMPARE(k.txt->selectedText(), QStringLiteral("Nimetön"));
        QVERIFY(k.txt->hasFocus() || k.dlg.focusWidget() == k.txt);
        // Typing replaces the offered name.
        QTest::keyClicks(k.txt, QStringLiteral("Liisa"));
        QCOMPARE(k.txt->text(), QStringLiteral("Liisa"));
        QTest::keyClick(k.txt, Qt::Key_Return);
        QCOMPARE(k.dlg.result(), int(QDialog::Accepted));

        // The next time the last name entered is offered.
        std::int16_t voitot = 1;
        frmKysyNimi dlg(k.lista, voitot);
        auto* txt = Osa<QLineEdit>(dlg, "txtNimi");
        QCOMPARE(txt->text(), QStringLiteral("Liisa"));
        QCOMPARE(txt->selectedText(), QStringLiteral("Liisa"));
    }

    // OK enters the name and ends the streak, Peruuta and Esc end the streak
    // only, and the window frame changes nothing.
    void nimi_sulkeminen_data() {
        QTest::addColumn<int>("tapa"); // 0 OK, 1 Peruuta, 2 Esc, 3 the window frame
        QTest::addColumn<int>("voitotJalkeen");
        QTest::newRow("OK") << 0 << 0;
        QTest::newRow("Peruuta") << 1 << 0;
        QTest::newRow("Esc") << 2 << 0;
        QTest::newRow("ikkuna") << 3 << 3;
    }

    void nimi_sulkeminen() {
        QFETCH(int, tapa);
        QFETCH(int, voitotJalkeen);
        const std::string nimi = "Äijä € Œ";
        Nimikysely k(3);
        ParhaatTulokset& lista = k.lista;
        lista.ViimeksiListallePaassytPelaaja = "Matti";
        k.txt->setText(QString::fromStdString(nimi));
        if (tapa == 2) {
            QTest::keyClick(&k.dlg, Qt::Key_Escape);
        } else if (tapa == 3) {
            QVERIFY(k.dlg.close());
        } else {
            Painike(k.dlg, tapa)->click();
        }

        QVERIFY(!k.dlg.isVisible());
        QCOMPARE(k.voitot, static_cast<std::int16_t>(voitotJalkeen));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        if (tapa == 0) {
            QCOMPARE(lista.ParasPelaaja[0], nimi);
            QCOMPARE(lista.ParasTulos[0], std::int16_t{3});
            QCOMPARE(lista.ViimeksiListallePaassytPelaaja, nimi);
            // What the store returns is exactly what was typed.
            ParhaatTulokset ladattu;
            ladattu.LataaParhaatTulokset();
            QCOMPARE(ladattu.ParasPelaaja[0], nimi);
            QCOMPARE(ladattu.ParasTulos[0], std::int16_t{3});
        } else {
            QVERIFY(lista.OnOletus());
            QCOMPARE(lista.ViimeksiListallePaassytPelaaja, std::string("Matti"));
            QCOMPARE(Lue("ParasPelaaja0"), std::string(EiLoytynyt));
        }
    }

    void nimi_kayttokelpoinenVaikkaPaaikkunaOnPoissaKaytosta() {
        QWidget paaikkuna;
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        std::int16_t voitot = 1;
        frmKysyNimi dlg(lista, voitot, &paaikkuna);
        Kytke(dlg, lista, voitot);
        // The game can end during the computer's turn, with the main window
        // disabled.
        paaikkuna.setEnabled(false);
        dlg.show();
        auto* peruuta = Painike(dlg, 1);
        QVERIFY(peruuta->isEnabled());
        peruuta->click();
        QCOMPARE(voitot, std::int16_t{0});
        QVERIFY(paaikkuna.isEnabled());
    }

    void nimi_pituusJaMerkistoRajoitettu() {
        Nimikysely k(1);
        QLineEdit* txt = k.txt;

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
        QTest::newRow("cp1252") << QStringLiteral("€ƒ„…ŠŒŽ‘”•™šœžŸ") << true;
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
        frmAsetukset dlg(saannot, Vaihe::OdottaaSijoitusta, 0);

        QCOMPARE(dlg.windowTitle(), QStringLiteral("Asetukset"));
        QVERIFY(Osa<QRadioButton>(dlg, "optAloitustapa(0)")->isChecked());
        QVERIFY(Osa<QCheckBox>(dlg, "chkSijainti(0)")->isChecked());
        QVERIFY(Osa<QCheckBox>(dlg, "chkSijainti(1)")->isChecked());
        auto* eiAnimaatiota = Osa<QRadioButton>(dlg, "optUppoaminen(1)");
        QCOMPARE(eiAnimaatiota->text(), QStringLiteral("&Uppoamisanimaatiota ei näytetä"));
        QVERIFY(eiAnimaatiota->isChecked());
        QVERIFY(!Osa<QRadioButton>(dlg, "optUppoaminen(0)")->isChecked());
        QVERIFY(Osa<QGroupBox>(dlg, "fraLaivojenSijainti")->isEnabled());
        QVERIFY(Painike(dlg, 0)->isDefault());

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
        const Vaihe vaihe = peliKaynnissa ? Vaihe::PelaajaSijoittaa : Vaihe::OdottaaSijoitusta;
        frmAsetukset dlg(saannot, vaihe, static_cast<std::int16_t>(voitot));
        dlg.show();
        auto* kulmat = Osa<QCheckBox>(dlg, "chkSijainti(0)");
        QCOMPARE(Osa<QGroupBox>(dlg, "fraLaivojenSijainti")->isEnabled(), !lukittu);
        QCOMPARE(kulmat->isEnabled(), !lukittu);
        QCOMPARE(Osa<QCheckBox>(dlg, "chkSijainti(1)")->isEnabled(), !lukittu);
        // The other settings stay editable either way.
        QVERIFY(Osa<QGroupBox>(dlg, "fraAloitustapa")->isEnabled());
        QVERIFY(Osa<QGroupBox>(dlg, "fraLaivojenUppoaminen")->isEnabled());

        QTest::mouseClick(kulmat, Qt::LeftButton);
        QTest::mouseClick(Osa<QRadioButton>(dlg, "optAloitustapa(1)"), Qt::LeftButton);
        Painike(dlg, 0)->click();
        QCOMPARE(saannot.LaivojenKulmatSaavatKoskettaa, !lukittu);
        QCOMPARE(Lue("LaivojenKulmatSaavatKoskettaa"), std::string(lukittu ? "False" : "True"));
        QCOMPARE(Lue("PelinAloitustapa"), std::string("Aloittaja arvotaan"));
        QCOMPARE(Lue("NaytetaanLaivojenUppoaminen"), std::string("False"));
    }

    void asetukset_okTallentaa_data() {
        QTest::addColumn<int>("aloitustapa");
        QTest::addColumn<QString>("teksti");
        QTest::newRow("0") << 0 << QStringLiteral("Vuoroaloitus");
        QTest::newRow("1") << 1 << QStringLiteral("Aloittaja arvotaan");
        QTest::newRow("2") << 2 << QStringLiteral("Edellisen pelin voittanut");
    }

    void asetukset_okTallentaa() {
        QFETCH(int, aloitustapa);
        QFETCH(QString, teksti);
        const QString valinta = Indeksi("optAloitustapa", aloitustapa);
        Saannot saannot;
        {
            frmAsetukset dlg(saannot, Vaihe::OdottaaSijoitusta, 0);
            dlg.show();
            QTest::mouseClick(Osa<QRadioButton>(dlg, valinta), Qt::LeftButton);
            QTest::mouseClick(Osa<QCheckBox>(dlg, "chkSijainti(0)"), Qt::LeftButton);
            QTest::mouseClick(Osa<QRadioButton>(dlg, "optUppoaminen(0)"), Qt::LeftButton);
            Painike(dlg, 0)->click();
            QVERIFY(!dlg.isVisible());
        }
        QCOMPARE(QString::fromStdString(saannot.PelinAloitustapa), teksti);
        QCOMPARE(saannot.LaivojenKulmatSaavatKoskettaa, false);
        QCOMPARE(saannot.LaivaSaaSijaitaReunassa, true);
        QCOMPARE(saannot.NaytetaanLaivojenUppoaminen, true);
        QCOMPARE(QString::fromStdString(Lue("PelinAloitustapa")), teksti);
        QCOMPARE(Lue("LaivojenKulmatSaavatKoskettaa"), std::string("False"));
        QCOMPARE(Lue("LaivaSaaSijaitaReunassa"), std::string("True"));
        QCOMPARE(Lue("NaytetaanLaivojenUppoaminen"), std::string("True"));
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // Reopening shows what was chosen.
        frmAsetukset dlg(saannot, Vaihe::OdottaaSijoitusta, 0);
        QVERIFY(Osa<QRadioButton>(dlg, valinta)->isChecked());
        QVERIFY(!Osa<QCheckBox>(dlg, "chkSijainti(0)")->isChecked());
        QVERIFY(Osa<QRadioButton>(dlg, "optUppoaminen(0)")->isChecked());
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
        frmAsetukset dlg(saannot, Vaihe::OdottaaSijoitusta, 0);
        dlg.show();
        QTest::mouseClick(Osa<QRadioButton>(dlg, "optAloitustapa(1)"), Qt::LeftButton);
        QTest::mouseClick(Osa<QCheckBox>(dlg, "chkSijainti(0)"), Qt::LeftButton);
        QTest::mouseClick(Osa<QCheckBox>(dlg, "chkSijainti(1)"), Qt::LeftButton);
        QTest::mouseClick(Osa<QRadioButton>(dlg, "optUppoaminen(0)"), Qt::LeftButton);
        if (tapa == 0) {
            Painike(dlg, 1)->click();
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

    // --- Shared by the dialogs ----------------------------------------------

    // Showing a dialog takes away the hourglass its opener put up; Esc, and
    // Enter on the default button, close it.
    void dialogi_osoitinJaNappaimet_data() {
        QTest::addColumn<QString>("dialogi");
        QTest::addColumn<int>("nappain");
        for (const char* dialogi : {"frmParhaatTulokset", "frmAsetukset", "frmTietoja"}) {
            QTest::addRow("%s, Esc", dialogi)
                << QString::fromLatin1(dialogi) << int(Qt::Key_Escape);
            QTest::addRow("%s, Enter", dialogi)
                << QString::fromLatin1(dialogi) << int(Qt::Key_Return);
        }
    }

    void dialogi_osoitinJaNappaimet() {
        QFETCH(QString, dialogi);
        QFETCH(int, nappain);
        ParhaatTulokset lista;
        lista.LataaParhaatTulokset();
        Saannot saannot;
        std::unique_ptr<QDialog> dlg;
        if (dialogi == QStringLiteral("frmParhaatTulokset")) {
            dlg = std::make_unique<frmParhaatTulokset>(lista);
        } else if (dialogi == QStringLiteral("frmAsetukset")) {
            dlg = std::make_unique<frmAsetukset>(saannot, Vaihe::OdottaaSijoitusta, 0);
        } else {
            dlg = std::make_unique<frmTietoja>([](const QUrl&) {});
        }
        NaytaTiimalasi();
        dlg->show();
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QTest::keyClick(dlg.get(), static_cast<Qt::Key>(nappain));
        QVERIFY(!dlg->isVisible());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(TestDialogit)
#include "test_dialogit.moc"
