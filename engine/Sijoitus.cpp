// Laying ships: the reserved squares around them, the player's placement
// clicks and the computer's random fleet.

#include "Peli.h"

namespace sorvik {

namespace {

// Takes back what was laid of a ship that did not fit.
template <typename F> void PeruLaiva(Laiva& laiva, Ruudut& ruudut, F&& naytaVesi) {
    for (int m = 1; m <= laiva.Pituus; ++m) {
        const int n = laiva.Ruudut[m];
        if (n != -1) {
            ruudut[n] = Tila::Vesi;
            naytaVesi(n);
            laiva.Ruudut[m] = -1;
        }
    }
}

} // namespace

void Peli::VaraaLaittomatRuudut() {
    // The player places on the left grid, the computer on the right one.
    VaraaLaittomatRuudut(PelaajanVuoro_ ? Ruudukko::Pelaaja : Ruudukko::Kone);
}

void Peli::VaraaLaittomatRuudut(Ruudukko ruudukko) {
    const bool pelaajan = ruudukko == Ruudukko::Pelaaja;
    Ruudut& ruudut = pelaajan ? PelaajanRuudut_ : KoneenRuudut_;
    const bool naytetaan = pelaajan && tk_.ValikonValinta(Valikko::NaytaMahdottomatLaivaruudut);
    for (int s = 1; s <= Ruutuja; ++s) {
        if (ruudut[s] != Tila::Laiva) {
            continue;
        }
        KayNaapurit(s, saannot_.LaivojenKulmatSaavatKoskettaa, [&](int n) {
            if (ruudut[n] == Tila::Vesi) {
                ruudut[n] = Tila::Varattu;
                if (naytetaan) {
                    tk_.AsetaRuudunKuva(Ruudukko::Pelaaja, n, Kuva::Ohi);
                }
            }
        });
    }
}

void Peli::NaytaVaratutRuudut(Kuva kuva) {
    for (int n = 1; n <= Ruutuja; ++n) {
        if (PelaajanRuudut_[n] == Tila::Varattu) {
            tk_.AsetaRuudunKuva(Ruudukko::Pelaaja, n, kuva);
        }
    }
}

void Peli::mNaytaMahdottomatLaivaruudut_Click() {
    tk_.AsetaOsoitin(Osoitin::Tiimalasi);
    const bool naytetaan = !tk_.ValikonValinta(Valikko::NaytaMahdottomatLaivaruudut);
    tk_.AsetaValikonValinta(Valikko::NaytaMahdottomatLaivaruudut, naytetaan);
    tulokset_.Tallenna("NaytaMahdottomatLaivaruudut", naytetaan ? "True" : "False");
    // Only a board still being laid shows its reserved squares: a finished
    // board must not get misses painted over them.
    if (SijoitusKaynnissa_) {
        NaytaVaratutRuudut(naytetaan ? Kuva::Ohi : Kuva::Vesi);
    }
    tk_.AsetaOsoitin(Osoitin::Oletus);
}

void Peli::imgPelaaja_MouseUp(int c, int painike) {
    if (!PelaajanVuoro_ || AmmuntaKaynnissa_ || !SijoitusKaynnissa_ || !OnRuutu(c) || lopetetaan_) {
        return;
    }
    PeliKaynnissa_ = true;

    const int indeksi = SeuraavaPelaajanLaiva();
    if (indeksi >= LaivojaLaivastossa) {
        return;
    }
    Laiva& laiva = PelaajanLaivat_[indeksi];
    const int pituus = laiva.Pituus;

    // The clicked square is always one end; the ship turns only at the edge.
    int askel = 0;
    if (pituus > 1) {
        if (painike == 1) {
            askel = Sarake(c) > RuutujaRivilla + 1 - pituus ? -1 : +1;
        } else {
            askel = Rivi(c) > RuutujaRivilla + 1 - pituus ? -RuutujaRivilla : +RuutujaRivilla;
        }
    }

    for (int k = 0; k < pituus; ++k) {
        const int n = c + k * askel;
        if (PelaajanRuudut_[n] != Tila::Vesi) {
            PeruLaiva(laiva, PelaajanRuudut_,
                      [&](int m) { tk_.AsetaRuudunKuva(Ruudukko::Pelaaja, m, Kuva::Vesi); });
            return;
        }
        PelaajanRuudut_[n] = Tila::Laiva;
        tk_.AsetaRuudunKuva(Ruudukko::Pelaaja, n, Kuva::Laiva);
        laiva.Ruudut[k + 1] = static_cast<std::int16_t>(n);
    }
    VaraaLaittomatRuudut(Ruudukko::Pelaaja);
    laiva.Sijoitettu = true;

    if (indeksi == LaivojaLaivastossa - 1) {
        if (tk_.ValikonValinta(Valikko::NaytaMahdottomatLaivaruudut)) {
            NaytaVaratutRuudut(Kuva::Vesi);
        }
        AmmuntaKaynnissa_ = true;
        SijoitusKaynnissa_ = false;
        TeePelinAlkuvalmistelut();
    }
}

bool Peli::SijoitaKoneenLaiva(int pituus) {
    if (pituus < 1 || pituus > 4) {
        return false;
    }
    Laiva* vapaa = nullptr;
    for (Laiva& laiva : KoneenLaivat_) {
        if (laiva.Pituus == pituus && !laiva.Sijoitettu) {
            vapaa = &laiva;
            break;
        }
    }
    if (vapaa == nullptr) {
        return false;
    }
    Laiva& laiva = *vapaa;
    const auto arvo = [&](int n) { return static_cast<int>(lahde_.Seuraava() * n); };
    const auto peru = [&] { PeruLaiva(laiva, KoneenRuudut_, [](int) {}); };

    // Each attempt draws a start square and a direction; the draw order is
    // fixed so that a scripted random source can steer it.
    for (int yritys = 0; yritys < KoneenSijoitusyrityksia; ++yritys) {
        Satunnaista();
        const int r = arvo(RuutujaRivilla);
        const int c = arvo(RuutujaRivilla) + 1;
        const int s = RuutujaRivilla * r + c;
        Satunnaista();
        const int suunta = arvo(2); // 0 vertical, 1 horizontal
        const int vaaka = c < pituus ? 1 : c > RuutujaRivilla - pituus ? 0 : arvo(2);
        const int pysty = r < pituus ? 1 : r > RuutujaRivilla - pituus ? 0 : arvo(2);

        if (KoneenRuudut_[s] != Tila::Vesi) {
            peru();
            continue;
        }
        const int askel =
            suunta == 0 ? (pysty == 0 ? -RuutujaRivilla : +RuutujaRivilla) : (vaaka == 0 ? -1 : +1);
        bool mahtui = true;
        for (int k = 0; k < pituus; ++k) {
            const int q = s + k * askel;
            if (KoneenRuudut_[q] != Tila::Vesi) {
                peru();
                mahtui = false;
                break;
            }
            KoneenRuudut_[q] = Tila::Laiva;
            laiva.Ruudut[k + 1] = static_cast<std::int16_t>(q);
        }
        if (mahtui) {
            VaraaLaittomatRuudut(Ruudukko::Kone);
            laiva.Sijoitettu = true;
            return true;
        }
    }
    return false;
}

} // namespace sorvik
