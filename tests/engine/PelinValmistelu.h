#pragma once
// Lays boards and states for tests and benchmarks that start somewhere in the
// middle of a game, where clicks alone would take long to get.

#include "Peli.h"

#include <cstdint>
#include <vector>

namespace sorvik {

struct PelinValmistelu {
    // Ships by their squares, in fleet order: carrier, cruisers, gunboats,
    // submarines.
    using Laivat = std::vector<std::vector<int>>;

    // Lays the side's fleet on the given squares instead of by its own
    // placement, with the reserved water around it as that would leave it.
    // The grid's pictures are left alone.
    static void LaskeLaivasto(Peli& peli, Ruudukko puoli, const Laivat& laivat) {
        Laivasto& laivasto = Laivasto_(peli, puoli);
        Ruudut& ruudut = Ruudut_(peli, puoli);
        laivasto = TyhjaLaivasto();
        std::fill(ruudut.begin() + 1, ruudut.end(), Tila::Vesi);
        for (std::size_t i = 0; i < laivat.size(); ++i) {
            for (std::size_t k = 0; k < laivat[i].size(); ++k) {
                ruudut[laivat[i][k]] = Tila::Laiva;
                laivasto[i].Ruudut[k + 1] = static_cast<std::int16_t>(laivat[i][k]);
            }
            laivasto[i].Sijoitettu = true;
        }
        peli.VaraaLaittomatRuudut(puoli);
    }

    // Puts the given squares of a grid in the state, as if play had.
    static void AsetaTila(Peli& peli, Ruudukko puoli, const std::vector<int>& ruudut, Tila tila) {
        for (const int n : ruudut) {
            Ruudut_(peli, puoli)[n] = tila;
        }
    }

    // Makes the side's record of ship `laiva` say `ruutu` where it said its
    // k-th square: a fleet that disagrees with its grid.
    static void SiirraLaivanRuutu(Peli& peli, Ruudukko puoli, int laiva, int k, int ruutu) {
        Laivasto_(peli, puoli)[laiva].Ruudut[k] = static_cast<std::int16_t>(ruutu);
    }

    // The hits scored on the side's grid.
    static void AsetaOsumat(Peli& peli, Ruudukko ammuttu, int osumat) {
        (ammuttu == Ruudukko::Kone ? peli.PelaajanOsumat_ : peli.KoneenOsumat_) =
            static_cast<std::int16_t>(osumat);
    }

    static void AsetaVuoro(Peli& peli, bool pelaajanVuoro) { peli.PelaajanVuoro_ = pelaajanVuoro; }
    static void AsetaPeliKaynnissa(Peli& peli, bool kaynnissa) { peli.PeliKaynnissa_ = kaynnissa; }
    static void AsetaAmmunta(Peli& peli, bool kaynnissa) { peli.AmmuntaKaynnissa_ = kaynnissa; }
    static void AsetaPutki(Peli& peli, std::int16_t voitot) { peli.VoitotPerakkain_ = voitot; }
    static void AsetaKulmat(Peli& peli, bool saavatKoskettaa) {
        peli.saannot_.LaivojenKulmatSaavatKoskettaa = saavatKoskettaa;
    }

private:
    static Ruudut& Ruudut_(Peli& peli, Ruudukko puoli) {
        return puoli == Ruudukko::Pelaaja ? peli.PelaajanRuudut_ : peli.KoneenRuudut_;
    }
    static Laivasto& Laivasto_(Peli& peli, Ruudukko puoli) {
        return puoli == Ruudukko::Pelaaja ? peli.PelaajanLaivat_ : peli.KoneenLaivat_;
    }
};

} // namespace sorvik
