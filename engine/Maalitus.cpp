#include "Maalitus.h"

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

} // namespace

bool Maalitus::SaaAmpua(Suunta suunta, int s) {
    if (!OnRuutu(s)) {
        return false;
    }
    switch (suunta) {
    case Suunta::Vasen:
        return s % RuutujaRivilla != 0;
    case Suunta::Oikea:
        return s % RuutujaRivilla != 1;
    default:
        return true;
    }
}

void Maalitus::AloitaKohde(int ruutu, double u) {
    EnsimmainenOsuma_ = static_cast<std::int16_t>(ruutu);
    Kokeiltu_ = {};
    Suuntajarjestys_ = static_cast<std::int16_t>(u * 8) + 1;
    const Suunta ensimmainen = Suuntajarjestykset[Suuntajarjestys_ - 1][0];
    SeuraavaRuutu_ = static_cast<std::int16_t>(ruutu + Askeleet[static_cast<int>(ensimmainen)]);
}

void Maalitus::PudotaKohde() {
    if (KoneUpottiLaivan_ && EnsimmainenOsuma_ != 0) {
        EnsimmainenOsuma_ = 0;
        SeuraavaRuutu_ = 0;
        Suuntajarjestys_ = 100;
    }
}

void Maalitus::Nollaa() {
    EnsimmainenOsuma_ = 0;
    SeuraavaRuutu_ = 0;
}

int Maalitus::ValitseRuutu(const Ruudut& ruudut, bool edellinenOsui, Satunnaislahde& lahde) {
    // Directions entered this turn because the one before was exhausted.
    std::array<bool, 4> suuntaVaihtui{};
    for (;;) {
        if (EnsimmainenOsuma_ != 0 && Suuntajarjestys_ >= 1 && Suuntajarjestys_ <= 8) {
            const auto& jarjestys = Suuntajarjestykset[Suuntajarjestys_ - 1];
            for (int i = 0; i < 4; ++i) {
                const Suunta d = jarjestys[i];
                const int di = static_cast<int>(d);
                if (Kokeiltu_[di]) {
                    continue;
                }
                const int s = SeuraavaRuutu_;
                const bool jatkuu =
                    (edellinenOsui || suuntaVaihtui[di]) && SaaAmpua(d, s) && !Ammuttu(ruudut[s]);
                if (jatkuu) {
                    SeuraavaRuutu_ = static_cast<std::int16_t>(s + Askeleet[di]);
                    return s;
                }
                Kokeiltu_[di] = true;
                if (i + 1 < 4) {
                    const int e = static_cast<int>(jarjestys[i + 1]);
                    SeuraavaRuutu_ = static_cast<std::int16_t>(EnsimmainenOsuma_ + Askeleet[e]);
                    suuntaVaihtui[e] = true;
                }
            }
        }
        const int t = static_cast<int>(lahde.Seuraava() * Ruutuja) + 1;
        if (OnRuutu(t) && !Ammuttu(ruudut[t])) {
            return t;
        }
    }
}

} // namespace sorvik
