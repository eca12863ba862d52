#pragma once
// A toolkit that records everything the game shows, answers message boxes
// from a script, and runs a fake clock whose pauses tick the game's timer.

#include "Peli.h"
#include "Satunnaislahde.h"
#include "Tyokalut.h"

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
};

class FakeTyokalut : public Tyokalut {
public:
    struct Ruutu {
        Kuva kuva = Kuva::Vesi;
        bool sallittu = true;
        Kursori kursori = Kursori::Oletus;
    };

    // --- What the game has shown -----------------------------------------
    std::array<std::array<Ruutu, 101>, 2> ruudut{};
    std::string ohje;
    int ohjeenAsetuksia = 0;
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

    // --- Scripts -----------------------------------------------------------
    // Answers to questions (Kyllä/Ei) in order; Ei when the script runs out.
    std::deque<int> vastaukset;
    // Numbers the random source returns first; then a real generator.
    std::deque<double> satunnaiset;
    // The last rank of the high-score list, and what the name dialog does.
    std::int16_t viimeinenTulos = 0;
    std::function<void()> nimikysely;
    // Run inside a pause once the fake clock has passed the given time.
    std::vector<std::pair<double, std::function<void()>>> tapahtumat;
    // How far one wait moves the clock; each step runs one timer tick.
    double tikki = 0.010;

    Peli* peli = nullptr;
    double kello = 1000.0;
    Satunnaislahde lahde{12345};

    Ruutu& ruutu(Ruudukko r, int k) { return ruudut[static_cast<int>(r)][k]; }

    void AsetaRuudunKuva(Ruudukko r, int k, Kuva kuva) override { ruutu(r, k).kuva = kuva; }
    void SalliRuutu(Ruudukko r, int k, bool s) override { ruutu(r, k).sallittu = s; }
    void AsetaRuudunKursori(Ruudukko r, int k, Kursori c) override { ruutu(r, k).kursori = c; }
    void AsetaOhjeteksti(const std::string& teksti) override {
        if (teksti != ohje) {
            ohje = teksti;
            ++ohjeenAsetuksia;
        }
    }
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
        viestit.push_back({teksti, otsikko, tyyli});
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
    double Kello() override { return kello; }
    void Satunnaista() override { lahde.Sekoita(kello); }
    double Satunnaisluku() override {
        if (!satunnaiset.empty()) {
            const double u = satunnaiset.front();
            satunnaiset.pop_front();
            return u;
        }
        return lahde.Seuraava();
    }
    std::int16_t ListanViimeinenTulos() override { return viimeinenTulos; }
    void KysyNimi() override {
        ++nimikyselyja;
        if (nimikysely) {
            nimikysely();
        }
    }
    void Tallenna(const std::string& nimi, const std::string& arvo) override {
        tallennetut.emplace_back(nimi, arvo);
    }
};

} // namespace sorvik::testi
