// Long runs through the fake toolkit: whole games between a scripted player and
// the computer, and random event sequences, with the board model's invariants
// checked after every step.

#include "Pelipoyta.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <limits>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifndef SORVIK_KESTO_PELEJA
#define SORVIK_KESTO_PELEJA 100000
#endif

namespace sorvik::testi {
namespace {

template <typename... T> std::string Teksti(const T&... osat) {
    std::ostringstream o;
    (o << ... << osat);
    return o.str();
}

bool Ammuttu(Tila t) {
    return t == Tila::Ohi || t == Tila::Uponnut;
}

// One side's grid against its fleet: every ship square in exactly one list
// position, no partial ship, hits counted right. Empty when all holds.
std::string TarkistaPuoli(const char* puoli, const Ruudut& ruudut, const Laivasto& laivasto,
                          int osumat) {
    std::array<int, Ruutuja + 1> kerrat{};
    bool valmis = true;
    for (const Laiva& laiva : laivasto) {
        valmis = valmis && laiva.Sijoitettu;
        for (int k = 1; k <= laiva.Pituus; ++k) {
            const int n = laiva.Ruudut[k];
            if (!laiva.Sijoitettu) {
                if (n != -1) {
                    return Teksti(puoli, ": unplaced ship keeps square ", n);
                }
                continue;
            }
            if (!OnRuutu(n)) {
                return Teksti(puoli, ": placed ship without square ", k);
            }
            ++kerrat[n];
        }
    }
    int laivaruutuja = 0;
    int uponneita = 0;
    for (int n = 1; n <= Ruutuja; ++n) {
        const Tila t = ruudut[n];
        if (static_cast<int>(t) > static_cast<int>(Tila::Ohi)) {
            return Teksti(puoli, ": no such state at ", n);
        }
        const bool laiva = t == Tila::Laiva || t == Tila::Uponnut;
        laivaruutuja += laiva ? 1 : 0;
        uponneita += t == Tila::Uponnut ? 1 : 0;
        if (kerrat[n] != (laiva ? 1 : 0)) {
            return Teksti(puoli, ": square ", n, " in ", kerrat[n], " list positions");
        }
    }
    if (valmis && laivaruutuja != LaivaRuutuja) {
        return Teksti(puoli, ": ", laivaruutuja, " ship squares");
    }
    if (osumat != uponneita || osumat > LaivaRuutuja) {
        return Teksti(puoli, ": hit counter ", osumat, ", hit squares ", uponneita);
    }
    return {};
}

std::string Tarkista(const Poyta& p) {
    const Peli& g = p.peli;
    std::string virhe =
        TarkistaPuoli("player", g.PelaajanRuudut(), g.PelaajanLaivat(), g.KoneenOsumat());
    if (virhe.empty()) {
        virhe = TarkistaPuoli("computer", g.KoneenRuudut(), g.KoneenLaivat(), g.PelaajanOsumat());
    }
    if (!virhe.empty()) {
        return virhe;
    }
    // Waiting, placing, player's turn, computer's turn, won, lost.
    const int liput = (g.PeliKaynnissa() ? 8 : 0) + (g.PelaajanVuoro() ? 4 : 0) +
                      (g.SijoitusKaynnissa() ? 2 : 0) + (g.AmmuntaKaynnissa() ? 1 : 0);
    const bool vaihe = liput == 0b0110 || liput == 0b1110 || liput == 0b1101 || liput == 0b1001 ||
                       (liput == 0b0000 && g.PelaajanOsumat() == LaivaRuutuja) ||
                       (liput == 0b0100 && g.KoneenOsumat() == LaivaRuutuja);
    if (!vaihe) {
        return "phase flags " + std::to_string(liput);
    }
    const Vaihe odotettu = liput == 0b0110   ? Vaihe::OdottaaSijoitusta
                           : liput == 0b1110 ? Vaihe::PelaajaSijoittaa
                           : liput == 0b1101 ? Vaihe::PelaajanVuoro
                           : liput == 0b1001 ? Vaihe::KoneenVuoro
                           : liput == 0b0000 ? Vaihe::Voitettu
                                             : Vaihe::Havitty;
    if (g.Pelivaihe() != odotettu) {
        return "phase " + std::to_string(static_cast<int>(g.Pelivaihe())) + " for flags " +
               std::to_string(liput);
    }
    if (p.tk.vieraitaRuutuja != 0) {
        return "a cell outside the grid was drawn";
    }
    return {};
}

// During play a square only moves forward: a ship square to hit, water to a
// known miss.
bool Eteenpain(const Ruudut& ennen, const Ruudut& nyt) {
    for (int n = 1; n <= Ruutuja; ++n) {
        const Tila a = ennen[n];
        const Tila b = nyt[n];
        if (a != b && !(a == Tila::Laiva && b == Tila::Uponnut) &&
            !((a == Tila::Vesi || a == Tila::Varattu) && b == Tila::Ohi)) {
            return false;
        }
    }
    return true;
}

int Arvo(std::mt19937& arpa, int n) {
    return static_cast<int>(arpa() % static_cast<unsigned>(n));
}

// The scripted player lays its fleet with random clicks until every ship lies;
// false when a ship found no room and the game was started again.
bool SijoitaSatunnaisesti(Poyta& p, std::mt19937& arpa) {
    static constexpr std::array<int, 3> Painikkeet{1, 2, 4};
    while (p.peli.SijoitusKaynnissa()) {
        const int laiva = p.peli.SeuraavaPelaajanLaiva();
        int yrityksia = 0;
        while (p.peli.SeuraavaPelaajanLaiva() == laiva && ++yrityksia < 2000) {
            p.peli.imgPelaaja_MouseUp(Arvo(arpa, Ruutuja) + 1, Painikkeet[Arvo(arpa, 3)]);
        }
        if (yrityksia >= 2000) {
            p.tk.vastaukset = {viesti::VastausKylla};
            p.peli.mUusiPeli_Click();
            p.tk.vastaukset.clear();
            return false;
        }
    }
    return true;
}

TEST(Kesto, KokonaisiaPelejaKoneVastaanSkriptattuaPelaajaa) {
    const int pelit = SORVIK_KESTO_PELEJA;
    Poyta p;
    p.tk.tikki = 1.0;
    p.tk.viimeinenTulos = std::numeric_limits<std::int16_t>::max();
    std::mt19937 arpa(0x50f1u);
    p.peli.Kaynnista();

    std::vector<int> koneenLaukaukset; // per game won by the computer against a holding player
    int pelaajanVoitot = 0;
    int koneenVoitot = 0;
    int uusinnat = 0;
    int keskeytetyt = 0; // holding games the player was forced to win
    const auto alku = std::chrono::steady_clock::now();
    V vapaat;

    for (int peli = 0; peli < pelit; ++peli) {
        if (peli > 0) {
            p.peli.mUusiPeli_Click();
        }
        while (!SijoitaSatunnaisesti(p, arpa)) {
            ++uusinnat;
        }
        if (const std::string virhe = Tarkista(p); !virhe.empty()) {
            FAIL() << "game " << peli << " after placement: " << virhe;
        }
        // Every other game the player never fires its winning shot, so the
        // computer's count is never cut short.
        const bool pidattaa = peli % 2 == 1;
        int laukauksia = 0;
        int kierroksia = 0;
        while (p.peli.PeliKaynnissa()) {
            if (++kierroksia > 200) {
                FAIL() << "game " << peli << " does not end";
            }
            // A holding player fires at water while there is any, then at the
            // ships; the other player at anything still open.
            const auto auki = [&](int n) { return p.tk.ruutu(Ruudukko::Kone, n).sallittu; };
            vapaat = Missa([&](int n) {
                return auki(n) && !(pidattaa && p.peli.KoneenRuudut()[n] == Tila::Laiva);
            });
            if (vapaat.empty()) {
                vapaat = Missa(auki);
            }
            ASSERT_FALSE(vapaat.empty()) << "game " << peli;
            const int ruutu =
                vapaat[static_cast<std::size_t>(Arvo(arpa, static_cast<int>(vapaat.size())))];
            const Ruudut pelaajan = p.peli.PelaajanRuudut();
            const Ruudut koneen = p.peli.KoneenRuudut();
            const int pumppauksia = p.tk.pumppauksia;

            ASSERT_TRUE(p.tk.ruutu(Ruudukko::Kone, ruutu).sallittu);
            p.peli.imgKone_Click(ruutu);
            ASSERT_FALSE(p.tk.ruutu(Ruudukko::Kone, ruutu).sallittu);
            if (p.tk.pumppauksia != pumppauksia) {
                ++laukauksia;
                const int t = p.peli.KoneenEdellinenRuutu();
                ASSERT_TRUE(OnRuutu(t));
                ASSERT_FALSE(Ammuttu(pelaajan[t])) << "game " << peli << ": " << t << " shot twice";
                ASSERT_TRUE(Ammuttu(p.peli.PelaajanRuudut()[t]));
            }
            if (const std::string virhe = Tarkista(p); !virhe.empty()) {
                FAIL() << "game " << peli << ", shot " << kierroksia << ": " << virhe;
            }
            ASSERT_TRUE(Eteenpain(pelaajan, p.peli.PelaajanRuudut())) << "game " << peli;
            ASSERT_TRUE(Eteenpain(koneen, p.peli.KoneenRuudut())) << "game " << peli;
        }
        if (p.peli.KoneenOsumat() == LaivaRuutuja) {
            ++koneenVoitot;
            if (pidattaa) {
                koneenLaukaukset.push_back(laukauksia);
            }
        } else {
            ASSERT_EQ(p.peli.PelaajanOsumat(), LaivaRuutuja);
            ++pelaajanVoitot;
            keskeytetyt += pidattaa ? 1 : 0;
        }
    }
    const double sekunteja =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - alku).count();

    ASSERT_FALSE(koneenLaukaukset.empty());
    std::sort(koneenLaukaukset.begin(), koneenLaukaukset.end());
    const std::size_t maara = koneenLaukaukset.size();
    const double keskiarvo =
        std::accumulate(koneenLaukaukset.begin(), koneenLaukaukset.end(), 0.0) /
        static_cast<double>(maara);
    const int mediaani = koneenLaukaukset[maara / 2];
    const int p95 = koneenLaukaukset[(maara * 95) / 100];
    std::cout << pelit << " games in " << sekunteja << " s: computer won " << koneenVoitot
              << ", player won " << pelaajanVoitot << " (" << keskeytetyt
              << " while holding back), placements restarted " << uusinnat
              << "\ncomputer's shots to win (" << maara << " games): mean " << keskiarvo
              << ", median " << mediaani << ", 95th percentile " << p95 << ", range "
              << koneenLaukaukset.front() << ".." << koneenLaukaukset.back() << '\n';
    RecordProperty("games", pelit);
    RecordProperty("computer_shots_mean", std::to_string(keskiarvo));
    RecordProperty("computer_shots_median", mediaani);
    RecordProperty("computer_shots_p95", p95);
    EXPECT_EQ(keskeytetyt, 0);
    EXPECT_GE(koneenLaukaukset.front(), LaivaRuutuja);
    EXPECT_LE(koneenLaukaukset.back(), Ruutuja);
}

// Random events of every kind the window can deliver, in any phase; shots
// also plant events inside the computer's pause.
class Tapahtumat {
public:
    Tapahtumat(Poyta& p, std::uint32_t siemen) : p_(p), arpa_(siemen) {}

    [[nodiscard]] bool Loppu() const { return loppu_; }
    int pelejaPaattyi = 0;

    // One event; false once the program has been told to quit.
    void Aja(bool tauolla) {
        if (loppu_) {
            return;
        }
        Peli& peli = p_.peli;
        FakeTyokalut& tk = p_.tk;
        const bool kaynnissa = peli.PeliKaynnissa();
        const int valinta = Arvo(arpa_, 1000);
        if (valinta < 300) {
            static constexpr std::array<int, 3> Painikkeet{1, 2, 4};
            peli.imgPelaaja_MouseUp(Arvo(arpa_, Ruutuja) + 1, Painikkeet[Arvo(arpa_, 3)]);
        } else if (valinta < 800) {
            const int ruutu = Arvo(arpa_, Ruutuja) + 1;
            if (tk.ruutu(Ruudukko::Kone, ruutu).sallittu) { // a disabled cell sends nothing
                for (int i = tauolla ? 0 : Arvo(arpa_, 4); i > 0; --i) {
                    tk.tapahtumat.emplace_back(tk.kello + Arvo(arpa_, 1000) / 1000.0,
                                               [this] { Sisakkainen(); });
                }
                peli.imgKone_Click(ruutu);
            }
        } else if (valinta < 950) {
            peli.tmrAjastin_Timer();
        } else if (valinta < 952) {
            Vastaa(viesti::VastausKylla, 500);
            peli.mUusiPeli_Click();
        } else if (valinta < 972) {
            peli.mNaytaMahdottomatLaivaruudut_Click();
        } else if (valinta < 977) {
            tk.valinnat[Valikko::NaytaPainikkeet] = !tk.valinnat[Valikko::NaytaPainikkeet];
        } else if (valinta < 982) {
            Vastaa(viesti::VastausKylla, 10);
            peli.cmdPainike_Click(Arvo(arpa_, 2));
        } else if (valinta < 992) {
            static constexpr std::array<Sulkemissyy, 4> Syyt{
                Sulkemissyy::Kayttaja, Sulkemissyy::Ohjelma, Sulkemissyy::Jarjestelma,
                Sulkemissyy::Tehtavienhallinta};
            Vastaa(viesti::VastausKylla, 10);
            const Sulkemissyy syy = Syyt[Arvo(arpa_, 4)];
            const bool peruttu = peli.Form_QueryUnload(syy);
            if (syy == Sulkemissyy::Ohjelma && (peruttu || peli.Lopetetaan())) {
                virhe = "the program's own unloading asked or refused";
            }
        } else if (valinta < 995) {
            Vastaa(viesti::VastausKylla, 10);
            peli.mLopeta_Click();
        } else if (valinta < 998) {
            // The settings dialog may change the corner rule only between games
            // and without a streak.
            if (!peli.PeliKaynnissa() && peli.VoitotPerakkain() == 0) {
                PelinValmistelu::AsetaKulmat(peli, Arvo(arpa_, 2) == 0);
            }
        } else {
            tk.viimeinenTulos = static_cast<std::int16_t>(Arvo(arpa_, 4));
        }
        tk.vastaukset.clear();
        if (kaynnissa && !peli.PeliKaynnissa() && peli.AmmuntaKaynnissa() == false &&
            (peli.PelaajanOsumat() == LaivaRuutuja || peli.KoneenOsumat() == LaivaRuutuja)) {
            ++pelejaPaattyi;
        }
        loppu_ = peli.Lopetetaan();
        if (loppu_) {
            tk.tapahtumat.clear();
        }
        if (virhe.empty()) {
            virhe = Tarkista(p_);
        }
    }

    std::string virhe;

private:
    // Kyllä with the given chance in a thousand, else Ei.
    void Vastaa(int kylla, int promillea) {
        p_.tk.vastaukset = {Arvo(arpa_, 1000) < promillea ? kylla : viesti::VastausEi};
    }

    void Sisakkainen() {
        if (!loppu_ && virhe.empty() && !p_.peli.KoneenVuoro()) {
            virhe = "the computer's pause outside its turn";
        }
        Aja(true);
    }

    Poyta& p_;
    std::mt19937 arpa_;
    bool loppu_ = false;
};

TEST(Kesto, SatunnaisetTapahtumasarjatMissaTahansaVaiheessa) {
    int tapahtumia = 0;
    int lopetettu = 0;
    int pelejaPaattyi = 0;
    for (std::uint32_t sarja = 0; sarja < 200; ++sarja) {
        Poyta p;
        p.tk.lahde = Satunnaisgeneraattori(0x1000u + sarja);
        p.tk.tikki = 0.01 + 0.05 * (sarja % 5);
        p.tk.nimikysely = [sarja] {
            // Peruuta, OK, or closed from its frame.
            static constexpr std::array<Nimivastaus, 3> Vastaukset{
                Nimivastaus::Suljettu, Nimivastaus::Peruuta, Nimivastaus::OK};
            return NimenKysely{Vastaukset[sarja % 3], "Kesto"};
        };
        Tapahtumat tapahtumat(p, sarja);
        p.peli.Kaynnista();
        ASSERT_EQ(Tarkista(p), "") << "sequence " << sarja;
        for (int i = 0; i < 2000 && !tapahtumat.Loppu(); ++i, ++tapahtumia) {
            tapahtumat.Aja(false);
            ASSERT_EQ(tapahtumat.virhe, "") << "sequence " << sarja << ", event " << i;
        }
        lopetettu += tapahtumat.Loppu() ? 1 : 0;
        pelejaPaattyi += tapahtumat.pelejaPaattyi;
    }
    std::cout << tapahtumia << " events, " << pelejaPaattyi << " games finished, " << lopetettu
              << " of 200 sequences quit\n";
    EXPECT_GT(pelejaPaattyi, 0);
    EXPECT_GT(lopetettu, 0);
}

} // namespace
} // namespace sorvik::testi
