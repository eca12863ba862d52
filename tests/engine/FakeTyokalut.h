#pragma once
// A desktop for the game: a screen that records everything the game shows and
// answers message boxes from a script, a fake clock that the screen's pauses
// move on (each step ticking the game's timer), a scripted random source, and
// a high-score side whose name dialog answers as the test says.

#include "Kello.h"
#include "Peli.h"
#include "Satunnaislahde.h"
#include "Tulospalvelu.h"
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
    std::array<std::array<Ruutu, Ruutuja + 1>, 2> ruudut{};
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

} // namespace sorvik::testi
