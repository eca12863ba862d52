// Several programs at once, and programs killed in the middle of a write.

#include "RekisteriTiedosto.h"
#include "TestiKoti.h"

#include <QThread>

#include <csignal>
#include <random>

namespace {

using Prosessit = TestiKoti;

TEST_F(Prosessit, RinnakkaisetKirjoittajatEivatHukkaaToistenArvoja) {
    constexpr int Kirjoittajia = 4;
    constexpr int Arvoja = 40;
    std::vector<std::unique_ptr<QProcess>> kirjoittajat;
    for (int k = 0; k < Kirjoittajia; ++k) {
        kirjoittajat.push_back(KaynnistaKirjoittaja(QStringLiteral("Software\\Yhteinen"),
                                                    QStringLiteral("k%1_").arg(k), Arvoja));
    }
    for (auto& p : kirjoittajat) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    for (int k = 0; k < Kirjoittajia; ++k) {
        for (int n = 0; n < Arvoja; ++n) {
            const std::string nimi = QStringLiteral("k%1_%2").arg(k).arg(n).toStdString();
            EXPECT_EQ(LueTeksti("Software\\Yhteinen", nimi.c_str()), std::to_string(n)) << nimi;
        }
    }
    EXPECT_TRUE(Varmuuskopiot().isEmpty());
}

TEST_F(Prosessit, TapettuKirjoittajaEiRikoTiedostoaEikaHukkaaPalautunutta) {
    std::mt19937 satunnainen(7);
    std::uniform_int_distribution<int> viive(5, 60);
    std::vector<std::pair<std::string, std::string>> kuitatut;
    for (int kierros = 0; kierros < 12; ++kierros) {
        const std::string etuliite = QStringLiteral("r%1_").arg(kierros).toStdString();
        auto p = KaynnistaKirjoittaja(QStringLiteral("Software\\Kaatuva"),
                                      QString::fromStdString(etuliite), -1);
        ASSERT_TRUE(p->waitForStarted(10000));
        // Every other round, wait until a write has returned, so that a slow
        // start (a sanitizer build) still leaves some writes to check.
        if (kierros % 2 == 0) {
            ASSERT_TRUE(p->waitForReadyRead(10000));
        }
        // Let it write for a moment, then kill it wherever it is.
        QThread::msleep(static_cast<unsigned long>(viive(satunnainen)));
        ::kill(static_cast<pid_t>(p->processId()), SIGKILL);
        ASSERT_TRUE(p->waitForFinished(10000));
        const auto uudet = Kuitatut(*p, etuliite);
        kuitatut.insert(kuitatut.end(), uudet.begin(), uudet.end());

        // The file parses whole after every kill.
        const auto luettu = sorvik::rekisteri::Jasenna(LuePesa());
        EXPECT_FALSE(luettu.kelvoton);
        EXPECT_EQ(luettu.hylatytRivit, 0);
        for (const auto& [nimi, n] : kuitatut) {
            EXPECT_EQ(LueTeksti("Software\\Kaatuva", nimi.c_str()), n) << nimi;
        }
    }
    EXPECT_GT(kuitatut.size(), 0u);
    EXPECT_TRUE(Varmuuskopiot().isEmpty());
}

} // namespace
