// Shots: the player's shot, the computer's turn and targeting, and the reveal
// of the water around a sunk ship.

#include "Peli.h"

#include <limits>
#include <optional>
#include <string>

namespace sorvik {

namespace {

constexpr std::array<int, 4> Askeleet{-1, +1, -10, +10};

// The eight direction orders, each trying the opposite of its first direction
// second and the other axis after that.
constexpr std::array<std::array<Suunta, 4>, 8> Suuntajarjestykset{{
    {Suunta::Vasen, Suunta::Oikea, Suunta::Ylos, Suunta::Alas},
    {Suunta::Vasen, Suunta::Oikea, Suunta::Alas, Suunta::Ylos},
    {Suunta::Oikea, Suunta::Vasen, Suunta::Ylos, Suunta::Alas},
    {Suunta::Oikea, Suunta::Vasen, Suunta::Alas, Suunta::Ylos},
    {Suunta::Ylos, Suunta::Alas, Suunta::Vasen, Suunta::Oikea},
    {Suunta::Ylos, Suunta::Alas, Suunta::Oikea, Suunta::Vasen},
    {Suunta::Alas, Suunta::Ylos, Suunta::Vasen, Suunta::Oikea},
    {Suunta::Alas, Suunta::Ylos, Suunta::Oikea, Suunta::Vasen},
}};

// A square along a direction stays on the grid and never wraps over a side.
constexpr bool SaaAmpua(Suunta suunta, int s) {
    if (!OnRuutu(s)) {
        return false;
    }
    switch (suunta) {
    case Suunta::Vasen:
        return s % 10 != 0;
    case Suunta::Oikea:
        return s % 10 != 1;
    default:
        return true;
    }
}

constexpr bool Ammuttu(Tila tila) {
    return tila == Tila::Ohi || tila == Tila::Uponnut;
}

std::string Tulkintavirhe(int ruutu) {
    return "Ruutu " + std::to_string(ruutu) + ": Virhe osuman tulkinnassa!";
}

} // namespace

void Peli::UpotaRuutu(int ruutu) {
    // The player has just fired at the computer's grid, or the computer at the
    // player's.
    const bool koneen = PelaajanVuoro;
    Ruudut& ruudut = koneen ? KoneenRuudut : PelaajanRuudut;
    if (!OnRuutu(ruutu) || ruudut[ruutu] != Tila::Uponnut) {
        return;
    }
    KayNaapurit(ruutu, saannot.LaivojenKulmatSaavatKoskettaa, [&](int n) {
        if (ruudut[n] != Tila::Varattu) {
            return;
        }
        ruudut[n] = Tila::Ohi;
        if (koneen) {
            tk_.SalliRuutu(Ruudukko::Kone, n, false);
            tk_.AsetaRuudunKursori(Ruudukko::Kone, n, Kursori::Oletus);
            tk_.AsetaRuudunKuva(Ruudukko::Kone, n, Kuva::Ohi);
        } else {
            tk_.AsetaRuudunKuva(Ruudukko::Pelaaja, n, Kuva::Ohi);
        }
    });
}

void Peli::Upota(Laivasto& laivasto, int indeksi) {
    const Laiva& laiva = laivasto[indeksi];
    for (int k = 1; k <= laiva.Pituus; ++k) {
        UpotaRuutu(laiva.Ruudut[k]);
    }
}

void Peli::PalautaEdellinen(Ruudukko ruudukko, int ruutu, Edellinen osui) {
    // Only the newest shot shows a latest-shot picture.
    if (osui != Edellinen::Ei_ole) {
        tk_.AsetaRuudunKuva(ruudukko, ruutu, osui == Edellinen::Osui ? Kuva::Osuma : Kuva::Ohi);
    }
}

void Peli::imgKone_Click(int ruutu) {
    if (!PelaajanVuoro || !AmmuntaKaynnissa || !OnRuutu(ruutu) || lopetetaan_) {
        return;
    }
    PalautaEdellinen(Ruudukko::Kone, PelaajanEdellinenRuutu, PelaajanEdellinenOsui);

    PelaajanEdellinenRuutu = static_cast<std::int16_t>(ruutu);
    if (KoneenRuudut[ruutu] != Tila::Laiva) {
        tk_.AsetaRuudunKuva(Ruudukko::Kone, ruutu, Kuva::OhiViimeksi);
        PelaajanEdellinenOsui = Edellinen::Ohi;
    } else {
        tk_.AsetaRuudunKuva(Ruudukko::Kone, ruutu, Kuva::OsumaViimeksi);
        KoneenRuudut[ruutu] = Tila::Uponnut;
        PelaajanEdellinenOsui = Edellinen::Osui;
        ++PelaajanOsumat;
        MihinLaivaanPelaajaOsui(ruutu);
    }
    tk_.AsetaRuudunKursori(Ruudukko::Kone, ruutu, Kursori::Oletus);
    tk_.SalliRuutu(Ruudukko::Kone, ruutu, false);
    PelaajanVuoro = false;

    if (PeliKaynnissa && !lopetetaan_) {
        AmmuTietokoneenPuolesta();
    }
}

std::optional<bool> Peli::UpotaJosUponnut(Laivasto& laivasto, const Ruudut& ruudut, int ruutu) {
    const auto laiva = LaivaRuudussa(laivasto, ruutu);
    if (!laiva) {
        tk_.Viesti(Tulkintavirhe(ruutu), "", viesti::OK);
        return std::nullopt;
    }
    const Laiva& osuttu = laivasto[*laiva];
    for (int k = 1; k <= osuttu.Pituus; ++k) {
        const int n = osuttu.Ruudut[k];
        if (!OnRuutu(n) || ruudut[n] != Tila::Uponnut) {
            return false;
        }
    }
    Upota(laivasto, *laiva);
    return true;
}

void Peli::MihinLaivaanPelaajaOsui(int ruutu) {
    if (KoneenRuudut[ruutu] == Tila::Uponnut &&
        !UpotaJosUponnut(KoneenLaivat, KoneenRuudut, ruutu)) {
        return;
    }
    if (PelaajanOsumat == LaivaRuutuja) {
        PeliKaynnissa = false;
        AmmuntaKaynnissa = false;
        if (VoitotPerakkain < std::numeric_limits<std::int16_t>::max()) {
            ++VoitotPerakkain;
        }
        for (int n = 1; n <= Ruutuja; ++n) {
            tk_.AsetaRuudunKursori(Ruudukko::Kone, n, Kursori::Oletus);
        }
        tk_.Viesti("Onneksi olkoon, upotit kaikki vastustajasi laivat!", "Voitit",
                   viesti::OK + viesti::Tiedoksi);
    }
}

void Peli::AmmuTietokoneenPuolesta() {
    const std::uint32_t peli = pelinumero_;
    tk_.AsetaOsoitin(Osoitin::Tiimalasi);
    const double alku = kello_.Sekunnit();
    for (;;) {
        const double jaljella = alku + 1.0 - kello_.Sekunnit();
        if (jaljella <= 0.0 || lopetetaan_) {
            break;
        }
        tk_.OdotaTapahtumia(jaljella);
    }
    // Quitting during the pause ends the turn without a shot; so does a board
    // that is no longer this game's.
    if (lopetetaan_ || peli != pelinumero_ || !KoneenVuoro()) {
        return;
    }
    tk_.AsetaOsoitin(Osoitin::Oletus);

    bool vapaita = false;
    for (int n = 1; n <= Ruutuja && !vapaita; ++n) {
        vapaita = !Ammuttu(PelaajanRuudut[n]);
    }
    if (!vapaita) {
        PelaajanVuoro = true;
        return;
    }

    std::array<bool, 4> suuntaVaihtui{};
    const int t = ValitseKoneenRuutu(suuntaVaihtui);

    PalautaEdellinen(Ruudukko::Pelaaja, KoneenEdellinenRuutu, KoneenEdellinenOsui);

    KoneenEdellinenRuutu = static_cast<std::int16_t>(t);
    if (PelaajanRuudut[t] != Tila::Laiva) {
        tk_.AsetaRuudunKuva(Ruudukko::Pelaaja, t, Kuva::OhiViimeksi);
        PelaajanRuudut[t] = Tila::Ohi;
        KoneenEdellinenOsui = Edellinen::Ohi;
    } else {
        tk_.AsetaRuudunKuva(Ruudukko::Pelaaja, t, Kuva::OsumaViimeksi);
        PelaajanRuudut[t] = Tila::Uponnut;
        KoneenEdellinenOsui = Edellinen::Osui;
        ++KoneenOsumat;
        MihinLaivaanTietokoneOsui(t);
        if (lopetetaan_) {
            return;
        }
        if (EnsimmainenOsuma == 0) {
            EnsimmainenOsuma = static_cast<std::int16_t>(t);
            Kokeiltu = {};
            Satunnaista();
            Suuntajarjestys = static_cast<std::int16_t>(lahde_.Seuraava() * 8) + 1;
            const Suunta ensimmainen = Suuntajarjestykset[Suuntajarjestys - 1][0];
            SeuraavaRuutu = static_cast<std::int16_t>(t + Askeleet[static_cast<int>(ensimmainen)]);
        }
    }
    PelaajanVuoro = true;
}

int Peli::ValitseKoneenRuutu(std::array<bool, 4>& suuntaVaihtui) {
    for (;;) {
        if (EnsimmainenOsuma != 0 && Suuntajarjestys >= 1 && Suuntajarjestys <= 8) {
            const auto& jarjestys = Suuntajarjestykset[Suuntajarjestys - 1];
            for (int i = 0; i < 4; ++i) {
                const Suunta d = jarjestys[i];
                const int di = static_cast<int>(d);
                if (Kokeiltu[di]) {
                    continue;
                }
                const int s = SeuraavaRuutu;
                const bool jatkuu = (KoneenEdellinenOsui == Edellinen::Osui || suuntaVaihtui[di]) &&
                                    SaaAmpua(d, s) && !Ammuttu(PelaajanRuudut[s]);
                if (jatkuu) {
                    SeuraavaRuutu = static_cast<std::int16_t>(s + Askeleet[di]);
                    return s;
                }
                Kokeiltu[di] = true;
                if (i + 1 < 4) {
                    const int e = static_cast<int>(jarjestys[i + 1]);
                    SeuraavaRuutu = static_cast<std::int16_t>(EnsimmainenOsuma + Askeleet[e]);
                    suuntaVaihtui[e] = true;
                }
            }
        }
        const int t = static_cast<int>(lahde_.Seuraava() * Ruutuja) + 1;
        if (OnRuutu(t) && !Ammuttu(PelaajanRuudut[t])) {
            return t;
        }
    }
}

void Peli::MihinLaivaanTietokoneOsui(int ruutu) {
    KoneUpottiLaivan = false;
    if (PelaajanRuudut[ruutu] == Tila::Uponnut) {
        const auto upposi = UpotaJosUponnut(PelaajanLaivat, PelaajanRuudut, ruutu);
        if (!upposi) {
            return;
        }
        KoneUpottiLaivan = *upposi;
    }
    if (KoneenOsumat == LaivaRuutuja) {
        Havio();
    }
}

} // namespace sorvik
