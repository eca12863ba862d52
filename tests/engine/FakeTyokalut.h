#pragma once
// A desktop for the game: a screen that records everything the game shows and
// answers message boxes from a script, a fake clock that the screen's pauses
// move on (each step ticking the game's timer), a scripted random source, and
// a high-score side whose name dialog answers as the test says.

#include "Peli.h"
#include "Satunnaislahde.h"
#include "Tyokalut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace sorvik::testi {

struct Viestilaatikko {
    std::string teksti;
    std::string otsikko;
    int tyyli;
    // How many pictures had been logged when the box was shown.
    std::size_t kuviaEnnen = 0;
};
// Boxes compare by what they say, not by when they were shown.
inline bool operator==(const Viestilaatikko& a, const Viestilaatikko& b) {
    return a.teksti == b.teksti && a.otsikko == b.otsikko && a.tyyli == b.tyyli;
}
inline void PrintTo(const Viestilaatikko& v, std::ostream* os) {
    *os << '"' << v.otsikko << "\": \"" << v.teksti << "\" style " << v.tyyli;
}

inline const Viestilaatikko HavioViesti{"Vastustajasi upotti kaikki laivasi!", "Hävisit",
                                        viesti::OK + viesti::Huomautus};

struct Kuvamerkinta {
    Ruudukko ruudukko;
    int ruutu;
    Kuva kuva;
};

class FakeTyokalut : public Tyokalut, public Kello, public Satunnaislahde, public Tulospalvelu {
public:
    struct Ruutu {
        Kuva kuva = Kuva::Vesi;
        bool sallittu = true;
        Kursori kursori = Kursori::Oletus;
    };

    // --- What the game has shown -----------------------------------------
    std::array<std::array<Ruutu, 101>, 2> ruudut{};
    std::string ohje;
    Osoitin osoitin = Osoitin::Oletus;
    std::array<bool, 2> painikkeet{true, true};
    std::map<Valikko, bool> valinnat{{Valikko::NaytaPainikkeet, true},
                                     {Valikko::NaytaMahdottomatLaivaruudut, true}};
    bool uusiPeliSallittu = true;
    bool paaikkunaSallittu = true;
    std::vector<Viestilaatikko> viestit;
    std::vector<std::pair<std::string, std::string>> tallennetut;
    int nimikyselyja = 0;
    int suljettu = 0;
    int pumppauksia = 0;
    // Calls that named a cell outside 1..100 (not stored).
    int vieraitaRuutuja = 0;
    // Every picture set, in order, while kirjaaKuvat is on.
    bool kirjaaKuvat = false;
    std::vector<Kuvamerkinta> kuvaloki;

    // --- Scripts -----------------------------------------------------------
    // Answers to questions (Kyllä/Ei) in order; Ei when the script runs out.
    std::deque<int> vastaukset;
    // Numbers the random source returns first; then a real generator.
    std::deque<double> satunnaiset;
    // The last rank of the high-score list, and how the name dialog closes
    // (by its frame when the test says nothing).
    std::int16_t viimeinenTulos = 0;
    std::function<NimenKysely()> nimikysely;
    // Streaks entered in the list.
    std::vector<std::pair<std::string, std::int16_t>> listalle;
    // Run inside a pause once the fake clock has passed the given time.
    std::vector<std::pair<double, std::function<void()>>> tapahtumat;
    // How far one wait moves the clock; each step runs one timer tick.
    double tikki = 0.010;

    Peli* peli = nullptr;
    double kello = 1000.0;
    Satunnaisgeneraattori lahde{12345};

    Ruutu& ruutu(Ruudukko r, int k) { return ruudut[static_cast<int>(r)][k]; }
    [[nodiscard]] const Ruutu& ruutu(Ruudukko r, int k) const {
        return ruudut[static_cast<int>(r)][k];
    }

    void AsetaRuudunKuva(Ruudukko r, int k, Kuva kuva) override {
        if (Tarkista(k)) {
            ruutu(r, k).kuva = kuva;
            if (kirjaaKuvat) {
                kuvaloki.push_back({r, k, kuva});
            }
        }
    }
    void SalliRuutu(Ruudukko r, int k, bool s) override {
        if (Tarkista(k)) {
            ruutu(r, k).sallittu = s;
        }
    }
    void AsetaRuudunKursori(Ruudukko r, int k, Kursori c) override {
        if (Tarkista(k)) {
            ruutu(r, k).kursori = c;
        }
    }
    void AsetaOhjeteksti(const std::string& teksti) override { ohje = teksti; }
    void AsetaOsoitin(Osoitin o) override { osoitin = o; }
    void SalliPainike(int i, bool s) override { painikkeet.at(i) = s; }
    bool ValikonValinta(Valikko v) const override { return valinnat.at(v); }
    void AsetaValikonValinta(Valikko v, bool s) override { valinnat[v] = s; }
    void SalliValikko(Valikko v, bool s) override {
        if (v == Valikko::UusiPeli) {
            uusiPeliSallittu = s;
        }
    }
    void SalliPaaikkuna(bool s) override { paaikkunaSallittu = s; }
    int Viesti(const std::string& teksti, const std::string& otsikko, int tyyli) override {
        viestit.push_back({teksti, otsikko, tyyli, kuvaloki.size()});
        if ((tyyli & 0x0F) != viesti::KyllaEi) {
            return viesti::VastausOK;
        }
        if (vastaukset.empty()) {
            return viesti::VastausEi;
        }
        const int vastaus = vastaukset.front();
        vastaukset.pop_front();
        return vastaus;
    }
    void SuljeOhjelma() override { ++suljettu; }
    void KasitteleTapahtumat() override { ++pumppauksia; }
    void OdotaTapahtumia(double sekuntia) override {
        ++pumppauksia;
        kello += sekuntia < tikki ? sekuntia : tikki;
        // Events due by now, in the order they were scripted.
        for (std::size_t i = 0; i < tapahtumat.size();) {
            if (tapahtumat[i].first <= kello) {
                auto toimi = std::move(tapahtumat[i].second);
                tapahtumat.erase(tapahtumat.begin() + static_cast<std::ptrdiff_t>(i));
                toimi();
            } else {
                ++i;
            }
        }
        if (peli != nullptr) {
            peli->tmrAjastin_Timer();
        }
    }
    double Sekunnit() override { return kello; }
    double SekunnitKeskiyosta() override { return kello; }
    void Sekoita(double lukema) override { lahde.Sekoita(lukema); }
    double Seuraava() override {
        if (!satunnaiset.empty()) {
            const double u = satunnaiset.front();
            satunnaiset.pop_front();
            return u;
        }
        return lahde.Seuraava();
    }
    std::int16_t ListanViimeinenTulos() override { return viimeinenTulos; }
    NimenKysely KysyNimi(std::int16_t /*voitot*/) override {
        ++nimikyselyja;
        return nimikysely ? nimikysely() : NimenKysely{};
    }
    void LisaaListalle(const std::string& nimi, std::int16_t voitot) override {
        listalle.emplace_back(nimi, voitot);
    }
    void Tallenna(const std::string& nimi, const std::string& arvo) override {
        tallennetut.emplace_back(nimi, arvo);
    }

private:
    bool Tarkista(int k) {
        if (k < 1 || k > Ruutuja) {
            ++vieraitaRuutuja;
            return false;
        }
        return true;
    }
};

// A game wired to the fake toolkit, its timer ticking inside every pause.
struct Poyta {
    FakeTyokalut tk;
    Peli peli{tk, tk, tk, tk};
    Poyta() { tk.peli = &peli; }
    Poyta(const Poyta&) = delete;
    Poyta& operator=(const Poyta&) = delete;
};

// Ships by their squares, in fleet order: carrier, cruisers, gunboats, submarines.
using Laivat = std::vector<std::vector<int>>;

// Squares as "a,b,c" for failure messages.
inline std::string Luettelo(const std::vector<int>& ruudut) {
    std::string s;
    for (const int n : ruudut) {
        s += s.empty() ? "" : ",";
        s += std::to_string(n);
    }
    return s;
}

using V = std::vector<int>;

// The squares 1..100 for which ehto holds, in order.
template <typename F> V Missa(F&& ehto) {
    V ruudut;
    for (int n = 1; n <= Ruutuja; ++n) {
        if (ehto(n)) {
            ruudut.push_back(n);
        }
    }
    return ruudut;
}
inline V Tilassa(const Ruudut& ruudut, Tila tila) {
    return Missa([&](int n) { return ruudut[n] == tila; });
}
inline V Kuvassa(const FakeTyokalut& tk, Ruudukko r, Kuva kuva) {
    return Missa([&](int n) { return tk.ruutu(r, n).kuva == kuva; });
}
inline V Kursorissa(const FakeTyokalut& tk, Ruudukko r, Kursori kursori) {
    return Missa([&](int n) { return tk.ruutu(r, n).kursori == kursori; });
}
inline V LaivanRuudut(const Laiva& laiva) {
    return V(laiva.Ruudut.begin() + 1, laiva.Ruudut.begin() + 1 + laiva.Pituus);
}

// The player's fleet of the battle tests: rows 1, 3 and 5, empty rows between.
inline const Laivat PelaajanLaivasto{{1, 2, 3, 4}, {6, 7, 8}, {21, 22, 23}, {25, 26}, {28, 29},
                                     {41, 42},     {44},      {46},         {48},     {50}};
// The computer's fleet of the battle tests; no two ships touch even at a corner.
inline const Laivat KoneenLaivasto{{32, 33, 34, 35}, {61, 71, 81}, {10, 20, 30}, {57, 58}, {88, 98},
                                   {1, 11},          {5},          {38},         {75},     {100}};

// The click (square, button) that lays a ship on exactly these squares: the
// left button for a row, the right one for a column, from the end it may run from.
inline std::pair<int, int> Klikkaus(std::vector<int> ruudut) {
    std::sort(ruudut.begin(), ruudut.end());
    const int pituus = static_cast<int>(ruudut.size());
    if (pituus == 1) {
        return {ruudut[0], 1};
    }
    if (ruudut[1] - ruudut[0] == 1) {
        return {Sarake(ruudut[0]) <= 11 - pituus ? ruudut[0] : ruudut.back(), 1};
    }
    return {Rivi(ruudut[0]) <= 11 - pituus ? ruudut[0] : ruudut.back(), 2};
}

// Places the player's ships with clicks; false at the first one refused.
inline bool SijoitaLaivasto(Peli& peli, const Laivat& laivat) {
    for (const auto& laiva : laivat) {
        const int seuraava = peli.SeuraavaPelaajanLaiva();
        const auto [ruutu, painike] = Klikkaus(laiva);
        peli.imgPelaaja_MouseUp(ruutu, painike);
        if (peli.SeuraavaPelaajanLaiva() != seuraava + 1) {
            return false;
        }
    }
    return true;
}

// Lays the computer's fleet on the given squares instead of at random, with the
// reserved water around it as its own placement would leave it.
inline void AsetaKoneenLaivasto(Peli& peli, const Laivat& laivat) {
    peli.KoneenLaivat = TyhjaLaivasto();
    std::fill(peli.KoneenRuudut.begin() + 1, peli.KoneenRuudut.end(), Tila::Vesi);
    for (std::size_t i = 0; i < laivat.size(); ++i) {
        for (std::size_t k = 0; k < laivat[i].size(); ++k) {
            peli.KoneenRuudut[laivat[i][k]] = Tila::Laiva;
            peli.KoneenLaivat[i].Ruudut[k + 1] = static_cast<std::int16_t>(laivat[i][k]);
        }
        peli.KoneenLaivat[i].Sijoitettu = true;
    }
    const bool vuoro = peli.PelaajanVuoro;
    peli.PelaajanVuoro = false;
    peli.VaraaLaittomatRuudut();
    peli.PelaajanVuoro = vuoro;
}

// The computer's fleet as given and the player's fleet placed on a new board:
// the player's first shot is due.
inline bool Valmistele(Poyta& p, const Laivat& pelaajan = PelaajanLaivasto,
                       const Laivat& koneen = KoneenLaivasto) {
    AsetaKoneenLaivasto(p.peli, koneen);
    return SijoitaLaivasto(p.peli, pelaajan);
}

inline bool AloitaAmmunta(Poyta& p, const Laivat& pelaajan = PelaajanLaivasto,
                          const Laivat& koneen = KoneenLaivasto) {
    p.peli.Kaynnista();
    return Valmistele(p, pelaajan, koneen);
}

// The player fires at every square of the standard computer fleet in turn but
// `ohita`; the twentieth hit wins unless the computer has won first.
inline void AmmuKoneenLaivat(Poyta& p, int ohita = 0) {
    for (const auto& laiva : KoneenLaivasto) {
        for (const int n : laiva) {
            if (n != ohita) {
                p.peli.imgKone_Click(n);
            }
        }
    }
}

// From start-up and the given streak the player wins `kertaa` games in a row
// with the standard fleets; the last won game stays on the board.
inline bool Voita(Poyta& p, int kertaa, std::int16_t putki = 0) {
    p.peli.Kaynnista();
    p.peli.VoitotPerakkain = putki;
    for (int i = 0; i < kertaa; ++i) {
        if (i > 0) {
            p.peli.mUusiPeli_Click();
        }
        if (!Valmistele(p)) {
            return false;
        }
        AmmuKoneenLaivat(p);
        if (p.peli.PelaajanOsumat != LaivaRuutuja) {
            return false;
        }
    }
    return true;
}

// The player fires at the first square of the computer's grid that is still
// enabled and holds no ship; returns it (0 if none).
inline int AmmuOhi(Poyta& p) {
    for (int n = 1; n <= Ruutuja; ++n) {
        if (p.tk.ruutu(Ruudukko::Kone, n).sallittu && p.peli.KoneenRuudut[n] != Tila::Laiva) {
            p.peli.imgKone_Click(n);
            return n;
        }
    }
    return 0;
}

// The player misses, or hits short of winning, until the computer has won.
inline bool Havia(Poyta& p) {
    while (p.peli.PeliKaynnissa) {
        if (AmmuOhi(p) == 0) {
            if (p.peli.PelaajanOsumat >= LaivaRuutuja - 1) {
                return false;
            }
            int n = 1;
            while (!p.tk.ruutu(Ruudukko::Kone, n).sallittu) {
                ++n;
            }
            p.peli.imgKone_Click(n);
        }
    }
    return p.peli.KoneenOsumat == LaivaRuutuja;
}

// A new game's board before the first click: the player's grid is water and
// the fleet unplaced, the computer's fleet is laid and nothing is shot, both
// grids show water, and the finger shows only over the player's grid.
inline void TarkistaUusiLauta(const Poyta& p) {
    EXPECT_EQ(Tilassa(p.peli.PelaajanRuudut, Tila::Vesi).size(), 100U);
    for (const Laiva& laiva : p.peli.PelaajanLaivat) {
        EXPECT_FALSE(laiva.Sijoitettu);
        EXPECT_EQ(LaivanRuudut(laiva), V(static_cast<std::size_t>(laiva.Pituus), -1));
    }
    EXPECT_EQ(Tilassa(p.peli.KoneenRuudut, Tila::Laiva).size(), std::size_t{LaivaRuutuja});
    EXPECT_EQ(Tilassa(p.peli.KoneenRuudut, Tila::Uponnut), V{});
    EXPECT_EQ(Tilassa(p.peli.KoneenRuudut, Tila::Ohi), V{});
    for (const Ruudukko r : {Ruudukko::Pelaaja, Ruudukko::Kone}) {
        EXPECT_EQ(Kuvassa(p.tk, r, Kuva::Vesi).size(), 100U);
        const Kursori kursori = r == Ruudukko::Pelaaja ? Kursori::Sormi : Kursori::Oletus;
        EXPECT_EQ(Kursorissa(p.tk, r, kursori).size(), 100U);
    }
}

// The player's first shot is due, with the standard fleets.
class Ammuntavaihe : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(AloitaAmmunta(p)); }
    Poyta p;
};

// Everything the game holds and shows, as text, for comparing two moments.
inline std::string Tilannekuva(const Poyta& p) {
    const Peli& g = p.peli;
    std::string s;
    const auto luvut = [&s](auto... x) { ((s += std::to_string(static_cast<int>(x)) + ' '), ...); };
    for (int n = 1; n <= Ruutuja; ++n) {
        luvut(g.PelaajanRuudut[n], g.KoneenRuudut[n]);
        for (const Ruudukko r : {Ruudukko::Pelaaja, Ruudukko::Kone}) {
            const auto& ruutu = p.tk.ruutu(r, n);
            luvut(ruutu.kuva, ruutu.kursori, ruutu.sallittu);
        }
    }
    for (const Laivasto* laivasto : {&g.PelaajanLaivat, &g.KoneenLaivat}) {
        for (const Laiva& laiva : *laivasto) {
            for (int k = 1; k <= laiva.Pituus; ++k) {
                luvut(laiva.Ruudut[k]);
            }
            luvut(laiva.Sijoitettu);
        }
    }
    luvut(g.PelaajanOsumat, g.KoneenOsumat, g.PelaajanVuoro, g.SijoitusKaynnissa,
          g.AmmuntaKaynnissa, g.PeliKaynnissa, g.VoitotPerakkain, g.PelaajanEdellinenRuutu,
          g.PelaajanEdellinenOsui, g.KoneenEdellinenRuutu, g.KoneenEdellinenOsui,
          g.EnsimmainenOsuma, g.SeuraavaRuutu);
    return s + p.tk.ohje;
}

} // namespace sorvik::testi
