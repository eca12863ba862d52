// The high-score dialogs: the list itself and the name entry that adds to it.

#include "Asetukset.h"
#include "Ikkunapalvelut.h"
#include "ParhaatTulokset.h"
#include "Vastaaja.h"
#include "frmKysyNimi.h"
#include "frmParhaatTulokset.h"
#include "test_dialogit_apu.h"
#include "test_paaikkuna_apu.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace sorvik;
using testi::AlustaTesti;
using testi::Indeksi;
using testi::Lue;
using testi::Osa;
using testi::Painike;
using testi::Vastaaja;

namespace {

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

class TestTulokset : public QObject {
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
};

QTEST_MAIN(TestTulokset)
#include "test_tulokset.moc"
