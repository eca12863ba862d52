// The list and the settings while another copy of the game writes the store.

#include "../platform/TestiKoti.h"
#include "Asetukset.h"
#include "ParhaatTulokset.h"

#include <QProcess>

namespace {

using Rinnakkain = TestiKoti;

void Vaihtaja(QProcess& p, const QStringList& argumentit) {
    p.start(QStringLiteral(SORVIK_VAIHTAJA), argumentit);
}

// Another copy only toggles its strip, rewriting the whole store 400 times;
// no load may meanwhile see a rank as missing (a missing rank lets a streak
// of 1 qualify, and the insertion would then write over the real entries).
TEST_F(Rinnakkain, ListaLatautuuEhjanaKunToinenKopioKirjoittaa) {
    std::string odotettu;
    for (int k = 0; k < sorvik::ParhaatTulokset::Koko; ++k) {
        const std::string nimi = "Pelaaja" + std::to_string(k);
        const std::string tulos = std::to_string(100 - k);
        sorvik::KirjoitaArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvainKirjoitus,
                             "ParasPelaaja" + std::to_string(k), 1, nimi);
        sorvik::KirjoitaArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvainKirjoitus,
                             "ParasTulos" + std::to_string(k), 1, tulos);
        odotettu += nimi + ' ' + tulos + ',';
    }
    for (int k = 0; k < sorvik::ParhaatTulokset::Koko; ++k) {
        odotettu += std::to_string(100 - k) + ',';
    }
    QProcess toinen;
    Vaihtaja(toinen, {QStringLiteral("NaytaPainikkeet"), QStringLiteral("400"),
                      QStringLiteral("True"), QStringLiteral("False")});
    ASSERT_TRUE(toinen.waitForStarted(10000));
    int latauksia = 0;
    int vaarin = 0;
    while (!toinen.waitForFinished(0) || latauksia == 0) {
        sorvik::ParhaatTulokset l;
        l.LataaParhaatTulokset();
        std::string nahty;
        for (int k = 0; k < sorvik::ParhaatTulokset::Koko; ++k) {
            nahty += l.ParasPelaaja[static_cast<std::size_t>(k)] + ' ' +
                     std::to_string(l.ParasTulos[static_cast<std::size_t>(k)]) + ',';
        }
        // Single reads, each on its own, as the start-up's other reads are.
        for (int k = 0; k < sorvik::ParhaatTulokset::Koko; ++k) {
            nahty += sorvik::LueArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvain,
                                     "ParasTulos" + std::to_string(k)) +
                     ',';
        }
        ++latauksia;
        if (nahty != odotettu && ++vaarin <= 3) {
            ADD_FAILURE() << "load " << latauksia << ": " << nahty;
        }
    }
    EXPECT_EQ(vaarin, 0) << "of " << latauksia << " loads";
    EXPECT_EQ(toinen.exitCode(), 0);
    EXPECT_EQ(sorvik::LueArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvain, "NaytaPainikkeet"),
              "False");
}

// The reader keeps the parsed store between calls; a rewrite by another
// program, of the same size and within the same clock tick, is still seen.
TEST_F(Rinnakkain, ToisenOhjelmanKirjoitusNakyySeuraavallaLuvulla) {
    for (int kierros = 0; kierros < 10; ++kierros) {
        const QString teksti = kierros % 2 == 0 ? QStringLiteral("A") : QStringLiteral("B");
        QProcess toinen;
        Vaihtaja(toinen, {QStringLiteral("X"), QStringLiteral("1"), teksti});
        ASSERT_TRUE(toinen.waitForFinished(10000));
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(sorvik::LueArvo(HKEY_CURRENT_USER, sorvik::OhjelmanAvain, "X"),
                      teksti.toStdString())
                << kierros;
        }
    }
}

} // namespace
