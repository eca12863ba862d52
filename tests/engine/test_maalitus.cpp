// The computer's targeting: the walk from the anchor through a whole game,
// the drop of the target, and the targeting memory on its own.

#include "Pelipoyta.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace sorvik::testi {
namespace {

// --- The computer's targeting -----------------------------------------------

// A fleet for the targeting cases: gunboats at 31-32, 5/15 and 27/37, a
// cruiser at 44-46 and a submarine at 60.
const Laivat Maalilaivasto{{91, 92, 93, 94}, {44, 45, 46}, {78, 79, 80}, {31, 32}, {5, 15},
                           {27, 37},         {60},         {8},          {11},     {64}};

class Maali : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(AloitaAmmunta(p, Maalilaivasto)); }
    Poyta p;
};

struct Laukaukset {
    std::vector<double> luvut;
    V laukaukset; // the computer's shots, one per turn
};
void PrintTo(const Laukaukset& m, std::ostream* os) {
    *os << "shots " << Luettelo(m.laukaukset);
}

class Maaliesimerkki : public Maali, public ::testing::WithParamInterface<Laukaukset> {};

TEST_P(Maaliesimerkki, SuuntaKerrallaanKunnesLaivaUppoaa) {
    const Laukaukset& m = GetParam();
    p.tk.satunnaiset.assign(m.luvut.begin(), m.luvut.end());
    V laukaukset;
    for (std::size_t vuoro = 0; vuoro < m.laukaukset.size(); ++vuoro) {
        if (vuoro + 1 == m.laukaukset.size()) {
            // Only the last, random shot may use the last number.
            EXPECT_EQ(p.tk.satunnaiset.size(), 1U);
        }
        const Tila ennen = p.peli.PelaajanRuudut()[m.laukaukset[vuoro]];
        ASSERT_NE(AmmuOhi(p), 0);
        laukaukset.push_back(p.peli.KoneenEdellinenRuutu());
        EXPECT_EQ(p.peli.PelaajanRuudut()[laukaukset.back()],
                  ennen == Tila::Laiva ? Tila::Uponnut : Tila::Ohi);
    }
    EXPECT_EQ(laukaukset, m.laukaukset);
    EXPECT_TRUE(p.tk.satunnaiset.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Esimerkit, Maaliesimerkki,
    ::testing::Values(
        // Anchor in column 1: left is off the grid, so right is shot at once.
        Laukaukset{{Ruutu(31), Jarjestys(1), Ruutu(100)}, {31, 32, 100}},
        // Anchor in the top row with "up" first: down is shot at once.
        Laukaukset{{Ruutu(5), Jarjestys(5), Ruutu(100)}, {5, 15, 100}},
        // Right while hitting, the miss at 47, then left from the anchor sinks
        // the cruiser; the target is dropped, so no up or down follows.
        Laukaukset{{Ruutu(45), Jarjestys(3), Ruutu(100)}, {45, 46, 47, 44, 100}},
        // Left, right and up each miss once, down sinks.
        Laukaukset{{Ruutu(27), Jarjestys(1), Ruutu(100)}, {27, 26, 28, 17, 37, 100}},
        // A submarine sinks at its first hit; its new target is dropped at once.
        Laukaukset{{Ruutu(60), Jarjestys(1), Ruutu(100)}, {60, 100}},
        // Order 8 on the cruiser: down, up, right (46 hit, 47 miss), left.
        Laukaukset{{Ruutu(45), Jarjestys(8), Ruutu(100)}, {45, 55, 35, 46, 47, 44, 100}}));

TEST_F(Maali, UpotuksenJalkeenKohdeUnohdetaanSeuraavallaTikilla) {
    p.tk.satunnaiset = {Ruutu(60), Jarjestys(2)};
    AmmuOhi(p);
    EXPECT_TRUE(p.peli.maalitus().KoneUpottiLaivan());
    EXPECT_EQ(p.peli.maalitus().EnsimmainenOsuma(), 60);
    EXPECT_EQ(p.peli.maalitus().Suuntajarjestys(), 2);
    EXPECT_EQ(Tilassa(p.peli.PelaajanRuudut(), Tila::Ohi), (V{50, 59, 70}));
    p.peli.tmrAjastin_Timer();
    EXPECT_EQ(p.peli.maalitus().EnsimmainenOsuma(), 0);
    EXPECT_EQ(p.peli.maalitus().SeuraavaRuutu(), 0);
    EXPECT_EQ(p.peli.maalitus().Suuntajarjestys(), 100);
}

TEST_F(Maali, ArvontaOhittaaAmmututJaPaljastetutRuudut) {
    p.tk.satunnaiset = {Ruutu(31), Jarjestys(1)};
    AmmuOhi(p);
    AmmuOhi(p);
    ASSERT_EQ(Tilassa(p.peli.PelaajanRuudut(), Tila::Ohi), (V{21, 22, 33, 41, 42}));
    p.tk.satunnaiset = {Ruutu(21), Ruutu(31), Ruutu(42), Ruutu(32), Ruutu(99)};
    AmmuOhi(p);
    EXPECT_EQ(p.peli.KoneenEdellinenRuutu(), 99);
    EXPECT_TRUE(p.tk.satunnaiset.empty());
}

// --- The targeting memory on its own ---------------------------------------

// Numbers from a script, then a fixed one.
class Luvut final : public Satunnaislahde {
public:
    explicit Luvut(std::deque<double> luvut) : luvut_(std::move(luvut)) {}
    void Sekoita(double /*kello*/) override {}
    double Seuraava() override {
        if (luvut_.empty()) {
            return 0.999;
        }
        const double u = luvut_.front();
        luvut_.pop_front();
        return u;
    }

private:
    std::deque<double> luvut_;
};

// With every direction exhausted the anchor stays but the squares are random;
// only a sinking lets the tick drop the target.
TEST(Maalitus, LoppuunKokeiltuKohdeArpooJaPutoaaVastaUpotuksesta) {
    Ruudut ruudut{};
    ruudut[45] = Tila::Ohi;
    ruudut[46] = Tila::Uponnut;
    Maalitus m;
    m.AloitaKohde(46, Jarjestys(3)); // right, left, up, down
    Luvut luvut({Ruutu(46), Ruutu(45), Ruutu(7)});
    // 47 is open and the previous shot hit: right goes on.
    EXPECT_EQ(m.ValitseRuutu(ruudut, true, luvut), 47);
    ruudut[47] = Tila::Ohi;
    // Left meets the miss at 45, up and down are open once each.
    EXPECT_EQ(m.ValitseRuutu(ruudut, false, luvut), 36);
    ruudut[36] = Tila::Ohi;
    EXPECT_EQ(m.ValitseRuutu(ruudut, false, luvut), 56);
    ruudut[56] = Tila::Ohi;
    // Down has missed too: random squares, skipping those shot.
    EXPECT_EQ(m.ValitseRuutu(ruudut, false, luvut), 7);
    for (const Suunta d : {Suunta::Vasen, Suunta::Oikea, Suunta::Ylos, Suunta::Alas}) {
        EXPECT_TRUE(m.Kokeiltu(d));
    }
    EXPECT_EQ(m.EnsimmainenOsuma(), 46);
    m.PudotaKohde();
    EXPECT_EQ(m.EnsimmainenOsuma(), 46);
    m.MerkitseUpotus(true);
    m.PudotaKohde();
    EXPECT_FALSE(m.OnKohde());
    EXPECT_EQ(m.SeuraavaRuutu(), 0);
    EXPECT_EQ(m.Suuntajarjestys(), 100);
}

TEST(Maalitus, SuuntaEiKierraRuudukonReunanYli) {
    const struct {
        Suunta suunta;
        int ruutu;
        bool saa;
    } tapaukset[] = {{Suunta::Vasen, 30, false}, {Suunta::Vasen, 29, true},
                     {Suunta::Oikea, 31, false}, {Suunta::Oikea, 32, true},
                     {Suunta::Ylos, -5, false},  {Suunta::Ylos, 5, true},
                     {Suunta::Alas, 101, false}, {Suunta::Alas, 100, true},
                     {Suunta::Vasen, 0, false},  {Suunta::Oikea, 101, false}};
    for (const auto& t : tapaukset) {
        EXPECT_EQ(Maalitus::SaaAmpua(t.suunta, t.ruutu), t.saa) << t.ruutu;
    }
}

} // namespace
} // namespace sorvik::testi
