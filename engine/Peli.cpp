// Game flow: start-up, new games, the timer, the streak and quitting.

#include "Peli.h"

namespace sorvik {

namespace {

constexpr std::array<const char*, LaivojaLaivastossa> Sijoituskehotteet{
    "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 1. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 2. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 1. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 2. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 3. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 1. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 2. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 3. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 4. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
};

} // namespace

void Peli::Kaynnista() {
    saannot_.LaivojenKulmatSaavatKoskettaa = true;
    saannot_.LaivaSaaSijaitaReunassa = true;
    VoitotPerakkain_ = 0;
    mUusiPeli_Click();
    tk_.AsetaOsoitin(Osoitin::Oletus);
}

void Peli::cmdPainike_Click(int indeksi) {
    // Hidden buttons do nothing, whatever reaches them (Enter, access keys).
    if (!tk_.ValikonValinta(Valikko::NaytaPainikkeet)) {
        return;
    }
    if (indeksi == 0) {
        mUusiPeli_Click();
    } else if (indeksi == 1) {
        mLopeta_Click();
    }
}

void Peli::mUusiPeli_Click() {
    // During the computer's turn the entry is greyed; a request that slips in
    // before the timer greys it must not pull the board from under the shot.
    if (lopetetaan_ || KoneenVuoro()) {
        return;
    }
    if (VoitotPerakkain_ >= 1 && PeliKaynnissa_) {
        const int vastaus =
            tk_.Viesti("Haluatko varmasti keskeyttää nykyisen pelin ja\naloittaa uuden?",
                       "Uusi peli", viesti::KyllaEi + viesti::Kysymys);
        if (vastaus != viesti::VastausKylla) {
            return;
        }
        if (!PutkenLoppu()) {
            VoitotPerakkain_ = 0;
        }
    }
    UusiPeli();
}

std::int16_t PutkiNimikyselynJalkeen(const NimenKysely& kysely, std::int16_t voitot,
                                     Tulospalvelu& tulokset) {
    switch (kysely.vastaus) {
    case Nimivastaus::OK:
        tulokset.LisaaListalle(kysely.nimi, voitot);
        return 0;
    case Nimivastaus::Peruuta:
        return 0;
    case Nimivastaus::Suljettu:
        break;
    }
    return voitot;
}

bool Peli::PutkenLoppu() {
    // A streak that beats the last rank is offered to the list.
    if (VoitotPerakkain_ > tulokset_.ListanViimeinenTulos()) {
        tk_.AsetaOsoitin(Osoitin::Oletus);
        const NimenKysely kysely = tulokset_.KysyNimi(VoitotPerakkain_);
        VoitotPerakkain_ = PutkiNimikyselynJalkeen(kysely, VoitotPerakkain_, tulokset_);
        return true;
    }
    return false;
}

void Peli::UusiPeli() {
    tk_.AsetaOsoitin(Osoitin::Tiimalasi);
    tk_.SalliPaaikkuna(false);
    ++pelinumero_;

    PelaajanOsumat_ = 0;
    KoneenOsumat_ = 0;
    maalitus_.Nollaa();
    PelaajanVuoro_ = false;

    int laivaruutuja = 0;
    do {
        PoistaLaivat();
        // The longer ships in fleet order, then each submarine while some
        // water is left.
        for (const std::int16_t pituus : LaivojenPituudet) {
            if (pituus > 1) {
                SijoitaKoneenLaiva(pituus);
                continue;
            }
            for (int n = 1; n <= Ruutuja; ++n) {
                if (KoneenRuudut_[n] == Tila::Vesi) {
                    SijoitaKoneenLaiva(1);
                    break;
                }
            }
        }
        laivaruutuja = 0;
        for (int n = 1; n <= Ruutuja; ++n) {
            laivaruutuja += KoneenRuudut_[n] == Tila::Laiva ? 1 : 0;
        }
    } while (laivaruutuja < LaivaRuutuja);

    tk_.KasitteleTapahtumat();

    PelaajanVuoro_ = true;
    SijoitusKaynnissa_ = KoneenLaivat_[LaivojaLaivastossa - 1].Sijoitettu;
    AmmuntaKaynnissa_ = false;
    PeliKaynnissa_ = false;

    tk_.SalliPaaikkuna(true);
    tk_.AsetaOsoitin(Osoitin::Oletus);
}

void Peli::PoistaLaivat() {
    PelaajanLaivat_ = TyhjaLaivasto();
    KoneenLaivat_ = TyhjaLaivasto();
    for (int n = 1; n <= Ruutuja; ++n) {
        PelaajanRuudut_[n] = Tila::Vesi;
        tk_.AsetaRuudunKuva(Ruudukko::Pelaaja, n, Kuva::Vesi);
        tk_.AsetaRuudunKursori(Ruudukko::Pelaaja, n, Kursori::Sormi);
        KoneenRuudut_[n] = Tila::Vesi;
        tk_.AsetaRuudunKuva(Ruudukko::Kone, n, Kuva::Vesi);
        tk_.AsetaRuudunKursori(Ruudukko::Kone, n, Kursori::Oletus);
    }
}

void Peli::TeePelinAlkuvalmistelut() {
    PelaajanEdellinenRuutu_ = 0;
    PelaajanEdellinenOsui_ = Edellinen::Ei_ole;
    KoneenEdellinenRuutu_ = 0;
    KoneenEdellinenOsui_ = Edellinen::Ei_ole;
    for (int n = 1; n <= Ruutuja; ++n) {
        tk_.AsetaRuudunKursori(Ruudukko::Pelaaja, n, Kursori::Oletus);
        tk_.AsetaRuudunKursori(Ruudukko::Kone, n, Kursori::Sormi);
        tk_.SalliRuutu(Ruudukko::Kone, n, true);
    }
}

void Peli::PaivitaPainikkeet() {
    const bool sallittu = !KoneenVuoro();
    tk_.SalliPainike(0, sallittu);
    tk_.SalliPainike(1, sallittu);
    tk_.SalliValikko(Valikko::UusiPeli, sallittu);
}

void Peli::tmrAjastin_Timer() {
    if (lopetetaan_) {
        return;
    }
    maalitus_.PudotaKohde();
    PaivitaPainikkeet();
    tk_.AsetaOhjeteksti(Ohjeteksti());
}

Vaihe Peli::Pelivaihe() const {
    const bool pelaajan = PelaajanVuoro_;
    if (PeliKaynnissa_) {
        if (AmmuntaKaynnissa_) {
            return pelaajan ? Vaihe::PelaajanVuoro : Vaihe::KoneenVuoro;
        }
        if (pelaajan && SijoitusKaynnissa_) {
            return Vaihe::PelaajaSijoittaa;
        }
    } else if (!AmmuntaKaynnissa_) {
        if (pelaajan && SijoitusKaynnissa_) {
            return Vaihe::OdottaaSijoitusta;
        }
        if (!pelaajan && !SijoitusKaynnissa_ && PelaajanOsumat_ == LaivaRuutuja) {
            return Vaihe::Voitettu;
        }
        if (pelaajan && !SijoitusKaynnissa_ && KoneenOsumat_ == LaivaRuutuja) {
            return Vaihe::Havitty;
        }
    }
    // A new game is being set up: the flags are the old game's but the turn.
    return Vaihe::KoneSijoittaa;
}

int Peli::SeuraavaPelaajanLaiva() const {
    for (int i = 0; i < LaivojaLaivastossa; ++i) {
        if (!PelaajanLaivat_[i].Sijoitettu) {
            return i;
        }
    }
    return LaivojaLaivastossa;
}

std::string Peli::Ohjeteksti() const {
    if (!PeliKaynnissa_ && PelaajanOsumat_ == LaivaRuutuja) {
        if (VoitotPerakkain_ == 1) {
            return "Olet voittanut yhden pelin. Jatka pelaamista Uusi peli -painikkeella.";
        }
        return "Olet voittanut " + std::to_string(VoitotPerakkain_) +
               " peliä peräkkäin. Jatka pelaamista Uusi peli -painikkeella.";
    }
    if (!PeliKaynnissa_ && KoneenOsumat_ == LaivaRuutuja) {
        return "Aloita uusi peli painamalla Uusi peli -painiketta.";
    }
    if (PeliKaynnissa_ && PelaajanVuoro_ && AmmuntaKaynnissa_) {
        return "Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.";
    }
    if (PelaajanVuoro_ && !AmmuntaKaynnissa_) {
        // Once submarines 1 to 3 lie, the fourth one's prompt stays.
        const int laiva = SeuraavaPelaajanLaiva();
        return Sijoituskehotteet[laiva < LaivojaLaivastossa ? laiva : LaivojaLaivastossa - 1];
    }
    if (!KoneenLaivat_[LaivojaLaivastossa - 1].Sijoitettu && PeliKaynnissa_) {
        return "Odota hetki, sijoitetaan vastustajasi laivat ruudukkoon...";
    }
    return "Odota hetki, vastustajasi ampuu jotakin ruuduistasi...";
}

bool Peli::Lopeta() {
    if (lopetetaan_) {
        return true;
    }
    const int vastaus = tk_.Viesti("Haluatko varmasti lopettaa Sorvik-ohjelman käytön?", "Lopeta",
                                   viesti::KyllaEi + viesti::Kysymys + viesti::ToinenOletuksena);
    if (vastaus != viesti::VastausKylla) {
        return false;
    }
    PutkenLoppu();
    tk_.AsetaOsoitin(Osoitin::Tiimalasi);
    lopetetaan_ = true;
    return true;
}

bool Peli::mLopeta_Click() {
    if (!Lopeta()) {
        return false;
    }
    tk_.SuljeOhjelma();
    return true;
}

bool Peli::Form_QueryUnload(Sulkemissyy syy) {
    if (syy == Sulkemissyy::Ohjelma || lopetetaan_) {
        return false;
    }
    return !Lopeta();
}

void Peli::Havio() {
    PeliKaynnissa_ = false;
    AmmuntaKaynnissa_ = false;
    tk_.Viesti("Vastustajasi upotti kaikki laivasi!", "Hävisit", viesti::OK + viesti::Huomautus);
    for (int n = 1; n <= Ruutuja; ++n) {
        tk_.AsetaRuudunKursori(Ruudukko::Kone, n, Kursori::Oletus);
        if (KoneenRuudut_[n] == Tila::Laiva) {
            tk_.AsetaRuudunKuva(Ruudukko::Kone, n, Kuva::Laiva);
        }
    }
    if (!PutkenLoppu()) {
        VoitotPerakkain_ = 0;
    }
}

} // namespace sorvik
