// The settings and About dialogs, and what all the dialogs share.

#include "Asetukset.h"
#include "ParhaatTulokset.h"
#include "Saannot.h"
#include "Viestilaatikko.h"
#include "frmAsetukset.h"
#include "frmParhaatTulokset.h"
#include "frmTietoja.h"
#include "test_dialogit_apu.h"
#include "test_paaikkuna_apu.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <vector>

using namespace sorvik;
using testi::AlustaTesti;
using testi::Indeksi;
using testi::Lue;
using testi::Osa;
using testi::Painike;

class TestDialogit : public QObject {
    Q_OBJECT

private slots:
    // Each test starts from a fresh profile of its own, never the user's.
    void init() { AlustaTesti(); }

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
