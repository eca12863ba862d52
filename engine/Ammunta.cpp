// Shots: the player's shot, the computer's turn and targeting, and the reveal
// of the water around a sunk ship.

#include "Peli.h"

#include <limits>
#include <optional>
#include <string>

namespace sorvik {

namespace {

std::string Tulkintavirhe(int ruutu) {
    return "Ruutu " + std::to_string(ruutu) + ": Virhe osuman tulkinnassa!";
}

} // namespace

void Peli::UpotaRuutu(int ruutu) {
    // The player has just fired at the computer's grid, or the computer at the
    // player's.
    UpotaRuutu(PelaajanVuoro_ ? Ruudukko::Kone : Ruudukko::Pelaaja, ruutu);
}

void Peli::UpotaRuutu(Ruudukko ruudukko, int ruutu) {
    const bool koneen = ruudukko == Ruudukko::Kone;
    Ruudut& ruudut = koneen ? KoneenRuudut_ : PelaajanRuudut_;
    if (!OnRuutu(ruutu) || ruudut[ruutu] != Tila::Uponnut) {
        return;
    }
    KayNaapurit(ruutu, saannot_.LaivojenKulmatSaavatKoskettaa, [&](int n) {
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

void Peli::PalautaEdellinen(Ruudukko ruudukko, int ruutu, Edellinen osui) {
    // Only the newest shot shows a latest-shot picture.
    if (osui != Edellinen::Ei_ole) {
        tk_.AsetaRuudunKuva(ruudukko, ruutu, osui == Edellinen::Osui ? Kuva::Osuma : Kuva::Ohi);
    }
}

void Peli::imgKone_Click(int ruutu) {
    if (!PelaajanVuoro_ || !AmmuntaKaynnissa_ || !OnRuutu(ruutu) || lopetetaan_) {
        return;
    }
    PalautaEdellinen(Ruudukko::Kone, PelaajanEdellinenRuutu_, PelaajanEdellinenOsui_);

    PelaajanEdellinenRuutu_ = static_cast<std::int16_t>(ruutu);
    if (KoneenRuudut_[ruutu] != Tila::Laiva) {
        tk_.AsetaRuudunKuva(Ruudukko::Kone, ruutu, Kuva::OhiViimeksi);
        PelaajanEdellinenOsui_ = Edellinen::Ohi;
    } else {
        tk_.AsetaRuudunKuva(Ruudukko::Kone, ruutu, Kuva::OsumaViimeksi);
        KoneenRuudut_[ruutu] = Tila::Uponnut;
        PelaajanEdellinenOsui_ = Edellinen::Osui;
        ++PelaajanOsumat_;
        MihinLaivaanPelaajaOsui(ruutu);
    }
    tk_.AsetaRuudunKursori(Ruudukko::Kone, ruutu, Kursori::Oletus);
    tk_.SalliRuutu(Ruudukko::Kone, ruutu, false);
    PelaajanVuoro_ = false;

    if (PeliKaynnissa_ && !lopetetaan_) {
        AmmuTietokoneenPuolesta();
    }
}

std::optional<bool> Peli::UpotaJosUponnut(Ruudukko ammuttu, int ruutu) {
    const bool koneen = ammuttu == Ruudukko::Kone;
    const Laivasto& laivasto = koneen ? KoneenLaivat_ : PelaajanLaivat_;
    const Ruudut& ruudut = koneen ? KoneenRuudut_ : PelaajanRuudut_;
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
    // Square by square in the order of the ship's record.
    for (int k = 1; k <= osuttu.Pituus; ++k) {
        UpotaRuutu(ammuttu, osuttu.Ruudut[k]);
    }
    return true;
}

void Peli::MihinLaivaanPelaajaOsui(int ruutu) {
    if (KoneenRuudut_[ruutu] == Tila::Uponnut && !UpotaJosUponnut(Ruudukko::Kone, ruutu)) {
        return;
    }
    if (PelaajanOsumat_ == LaivaRuutuja) {
        PeliKaynnissa_ = false;
        AmmuntaKaynnissa_ = false;
        if (VoitotPerakkain_ < std::numeric_limits<std::int16_t>::max()) {
            ++VoitotPerakkain_;
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
        vapaita = !Maalitus::Ammuttu(PelaajanRuudut_[n]);
    }
    if (!vapaita) {
        PelaajanVuoro_ = true;
        return;
    }

    const int t =
        maalitus_.ValitseRuutu(PelaajanRuudut_, KoneenEdellinenOsui_ == Edellinen::Osui, lahde_);

    PalautaEdellinen(Ruudukko::Pelaaja, KoneenEdellinenRuutu_, KoneenEdellinenOsui_);

    KoneenEdellinenRuutu_ = static_cast<std::int16_t>(t);
    if (PelaajanRuudut_[t] != Tila::Laiva) {
        tk_.AsetaRuudunKuva(Ruudukko::Pelaaja, t, Kuva::OhiViimeksi);
        PelaajanRuudut_[t] = Tila::Ohi;
        KoneenEdellinenOsui_ = Edellinen::Ohi;
    } else {
        tk_.AsetaRuudunKuva(Ruudukko::Pelaaja, t, Kuva::OsumaViimeksi);
        PelaajanRuudut_[t] = Tila::Uponnut;
        KoneenEdellinenOsui_ = Edellinen::Osui;
        ++KoneenOsumat_;
        MihinLaivaanTietokoneOsui(t);
        if (lopetetaan_) {
            return;
        }
        if (!maalitus_.OnKohde()) {
            Satunnaista();
            maalitus_.AloitaKohde(t, lahde_.Seuraava());
        }
    }
    PelaajanVuoro_ = true;
}

void Peli::MihinLaivaanTietokoneOsui(int ruutu) {
    maalitus_.MerkitseUpotus(false);
    if (PelaajanRuudut_[ruutu] == Tila::Uponnut) {
        const auto upposi = UpotaJosUponnut(Ruudukko::Pelaaja, ruutu);
        if (!upposi) {
            return;
        }
        maalitus_.MerkitseUpotus(*upposi);
    }
    if (KoneenOsumat_ == LaivaRuutuja) {
        Havio();
    }
}

} // namespace sorvik
