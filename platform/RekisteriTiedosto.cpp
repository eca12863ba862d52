#include "RekisteriTiedosto.h"

#include "koodisivu.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvik::rekisteri {

namespace {

constexpr QStringView Otsikko5 = u"Windows Registry Editor Version 5.00";
constexpr QStringView Otsikko4 = u"REGEDIT4";
// A hex line that has reached this many characters goes on after "\".
constexpr qsizetype HeksarivinRaja = 77;

// ---------------------------------------------------------------- lines

struct Rivi {
    QString teksti;
    bool kelpaa = true;
};

enum class Koodaus { Utf16LE, Utf16BE, Utf8, Cp1252 };

bool OnRegedit4Alku(const QByteArray& t) {
    qsizetype alku = 0;
    while (alku < t.size() && (t[alku] == ' ' || t[alku] == '\t')) {
        ++alku;
    }
    return t.mid(alku, 8).compare("REGEDIT4", Qt::CaseInsensitive) == 0;
}

Rivi PuraUtf16(QStringView rivi) {
    if (rivi.endsWith(u'\r')) {
        rivi.chop(1);
    }
    return {rivi.toString(), rivi.isValidUtf16() && !rivi.contains(QChar(u'\0'))};
}

Rivi Pura8(QByteArrayView tavut, Koodaus koodaus) {
    if (tavut.endsWith('\r')) {
        tavut.chop(1);
    }
    bool kelpaa = true;
    QString teksti;
    if (koodaus == Koodaus::Cp1252) {
        teksti = Cp1252Tekstiksi(tavut);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        teksti = utf8(tavut);
        kelpaa = !utf8.hasError();
    }
    kelpaa = kelpaa && !teksti.contains(QChar(u'\0'));
    return {std::move(teksti), kelpaa};
}

// Makes a line of every piece of `kaikki` between line breaks. Every line of a
// whole file ends with a line break. A last line without one was cut off (a
// truncated copy, a full disk): a half line could still look like a shorter
// value or key, so it is not taken.
template <typename Nakyma, typename Merkki, typename Pura>
std::vector<Rivi> Jaa(Nakyma kaikki, Merkki rivinvaihto, Pura pura) {
    std::vector<Rivi> rivit;
    for (qsizetype loppu = kaikki.indexOf(rivinvaihto); loppu >= 0;
         loppu = kaikki.indexOf(rivinvaihto)) {
        rivit.push_back(pura(kaikki.first(loppu)));
        kaikki = kaikki.sliced(loppu + 1);
    }
    rivit.push_back(pura(kaikki));
    if (!QStringView(rivit.back().teksti).trimmed().isEmpty()) {
        rivit.back().kelpaa = false;
    }
    return rivit;
}

std::vector<Rivi> JaaRiveiksi(const QByteArray& t) {
    qsizetype alku = 0;
    Koodaus koodaus = Koodaus::Utf8;
    const auto tavu = [&t](qsizetype i) { return static_cast<unsigned char>(t[i]); };
    if (t.size() >= 2 && tavu(0) == 0xFF && tavu(1) == 0xFE) {
        koodaus = Koodaus::Utf16LE;
        alku = 2;
    } else if (t.size() >= 2 && tavu(0) == 0xFE && tavu(1) == 0xFF) {
        koodaus = Koodaus::Utf16BE;
        alku = 2;
    } else if (t.size() >= 3 && tavu(0) == 0xEF && tavu(1) == 0xBB && tavu(2) == 0xBF) {
        alku = 3;
    } else if (t.size() >= 2 && tavu(0) != 0 && tavu(1) == 0) {
        koodaus = Koodaus::Utf16LE; // no mark, but plainly UTF-16
    } else if (OnRegedit4Alku(t)) {
        koodaus = Koodaus::Cp1252;
    }

    if (koodaus == Koodaus::Utf8 || koodaus == Koodaus::Cp1252) {
        return Jaa(QByteArrayView(t).sliced(alku), '\n',
                   [koodaus](QByteArrayView rivi) { return Pura8(rivi, koodaus); });
    }
    const qsizetype yksikoita = (t.size() - alku) / 2;
    QString yksikot(yksikoita, Qt::Uninitialized);
    if (koodaus == Koodaus::Utf16LE) {
        qFromLittleEndian<char16_t>(t.constData() + alku, yksikoita, yksikot.data());
    } else {
        qFromBigEndian<char16_t>(t.constData() + alku, yksikoita, yksikot.data());
    }
    std::vector<Rivi> rivit = Jaa(QStringView(yksikot), u'\n', PuraUtf16);
    if ((t.size() - alku) % 2 != 0) {
        rivit.back().kelpaa = false; // an odd byte cut off at the end
    }
    return rivit;
}

// ---------------------------------------------------------------- parsing

// Blanks and a comment: what may stand on a line of its own, or after a value.
bool TyhjaTaiKommentti(QStringView s) {
    s = s.trimmed();
    return s.isEmpty() || s.front() == u';';
}

// The escapes in quoted text: the letter after "\" and the character it stands
// for. Any other "\" stands for itself.
constexpr std::array<std::pair<char16_t, char16_t>, 4> Koodinvaihdot = {
    {{u'\\', u'\\'}, {u'"', u'"'}, {u'r', u'\r'}, {u'n', u'\n'}}};

// Reads a quoted text starting after the opening quote; gives the text and the
// index after the closing quote.
std::optional<QString> LueLainaus(QStringView s, qsizetype& i) {
    QString tulos;
    // The next quote and backslash, searched again only once passed.
    qsizetype lainaus = s.indexOf(u'"', i);
    qsizetype kenoviiva = s.indexOf(u'\\', i);
    while (i < s.size()) {
        // Copy the plain run up to the next quote or backslash at once.
        if (lainaus >= 0 && lainaus < i) {
            lainaus = s.indexOf(u'"', i);
        }
        if (kenoviiva >= 0 && kenoviiva < i) {
            kenoviiva = s.indexOf(u'\\', i);
        }
        qsizetype j = s.size();
        if (lainaus >= 0) {
            j = lainaus;
        }
        if (kenoviiva >= 0 && kenoviiva < j) {
            j = kenoviiva;
        }
        tulos.append(s.mid(i, j - i));
        i = j;
        if (i >= s.size()) {
            break;
        }
        const QChar c = s[i];
        if (c == u'"') {
            ++i;
            return tulos;
        }
        if (c == u'\\' && i + 1 < s.size()) {
            const QChar seuraava = s[i + 1];
            const auto koodi =
                std::find_if(Koodinvaihdot.begin(), Koodinvaihdot.end(),
                             [seuraava](const auto& k) { return k.first == seuraava; });
            if (koodi != Koodinvaihdot.end()) {
                tulos.append(QChar(koodi->second));
            } else {
                tulos.append(c);
                tulos.append(seuraava);
            }
            i += 2;
            continue;
        }
        tulos.append(c);
        ++i;
    }
    return std::nullopt;
}

int HeksaArvo(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}

// 1 to 8 hex digits.
std::optional<std::uint32_t> LueHeksaluku(QStringView s) {
    if (s.isEmpty() || s.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t arvo = 0;
    for (const QChar c : s) {
        const int d = HeksaArvo(c);
        if (d < 0) {
            return std::nullopt;
        }
        arvo = (arvo << 4) | static_cast<std::uint32_t>(d);
    }
    return arvo;
}

// A line up to its comment.
QStringView EnnenKommenttia(QStringView s) {
    const qsizetype kommentti = s.indexOf(u';');
    return kommentti >= 0 ? s.left(kommentti) : s;
}

std::optional<QByteArray> LueHeksalista(QStringView s) {
    s = EnnenKommenttia(s).trimmed();
    QByteArray tulos;
    if (s.isEmpty()) {
        return tulos;
    }
    const auto osat = s.split(u',');
    tulos.reserve(osat.size());
    for (qsizetype k = 0; k < osat.size(); ++k) {
        const QStringView osa = osat[k].trimmed();
        if (osa.isEmpty() && k == osat.size() - 1 && k > 0) {
            break; // a trailing comma
        }
        if (osa.isEmpty() || osa.size() > 2) {
            return std::nullopt;
        }
        const auto arvo = LueHeksaluku(osa);
        if (!arvo) {
            return std::nullopt;
        }
        tulos.append(static_cast<char>(*arvo));
    }
    return tulos;
}

struct ArvoRivi {
    QString nimi;
    bool poisto = false;
    std::uint32_t tyyppi = 0;
    QByteArray data;
};

// Parses a value line; `seuraava` gives the following line for folded hex
// data (or nothing at the end of the file).
template <typename Seuraava>
std::optional<ArvoRivi> JasennaArvo(QStringView rivi, bool regedit4, Seuraava&& seuraava) {
    ArvoRivi tulos;
    qsizetype i = 1;
    if (rivi[0] != u'@') {
        auto nimi = LueLainaus(rivi, i);
        if (!nimi) {
            return std::nullopt;
        }
        tulos.nimi = std::move(*nimi);
    }
    while (i < rivi.size() && rivi[i].isSpace()) {
        ++i;
    }
    if (i >= rivi.size() || rivi[i] != u'=') {
        return std::nullopt;
    }
    ++i;
    while (i < rivi.size() && rivi[i].isSpace()) {
        ++i;
    }
    QStringView data = rivi.mid(i);
    if (data.startsWith(u'-')) {
        if (!TyhjaTaiKommentti(data.mid(1))) {
            return std::nullopt;
        }
        tulos.poisto = true;
        return tulos;
    }
    if (data.startsWith(u'"')) {
        qsizetype j = 1;
        auto teksti = LueLainaus(data, j);
        if (!teksti || !TyhjaTaiKommentti(data.mid(j))) {
            return std::nullopt;
        }
        tulos.tyyppi = 1;
        teksti->append(QChar(u'\0'));
        tulos.data = Utf16Tavuiksi(*teksti);
        return tulos;
    }
    if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
        const auto arvo = LueHeksaluku(EnnenKommenttia(data.mid(6)).trimmed());
        if (!arvo) {
            return std::nullopt;
        }
        tulos.tyyppi = 4;
        tulos.data.resize(4);
        qToLittleEndian(*arvo, tulos.data.data());
        return tulos;
    }
    if (!data.startsWith(u"hex", Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    qsizetype j = 3;
    tulos.tyyppi = 3;
    if (j < data.size() && data[j] == u'(') {
        const qsizetype loppu = data.indexOf(u')', j);
        if (loppu < 0) {
            return std::nullopt;
        }
        const auto laji = LueHeksaluku(data.mid(j + 1, loppu - j - 1));
        if (!laji) {
            return std::nullopt;
        }
        tulos.tyyppi = *laji;
        j = loppu + 1;
    }
    if (j >= data.size() || data[j] != u':') {
        return std::nullopt;
    }
    // Gather the folded lines: each ends with "\" while more follow.
    QString heksat = data.mid(j + 1).trimmed().toString();
    while (heksat.endsWith(u'\\')) {
        heksat.chop(1);
        const Rivi* jatko = seuraava();
        if (jatko == nullptr || !jatko->kelpaa) {
            return std::nullopt; // cut off in the middle: keep nothing half-read
        }
        heksat.append(QStringView(jatko->teksti).trimmed());
    }
    auto tavut = LueHeksalista(heksat);
    if (!tavut) {
        return std::nullopt;
    }
    // The old format keeps text kinds in the ANSI code page.
    tulos.data = regedit4 && OnTekstilaji(tulos.tyyppi) ? Utf16Tavuiksi(Cp1252Tekstiksi(*tavut))
                                                        : std::move(*tavut);
    return tulos;
}

// The key names of a section, after "HKEY_CURRENT_USER"; nothing if the path
// is not one of ours or is malformed.
std::optional<QStringList> JasennaOsionPolku(QStringView polku) {
    const QLatin1String juuri(JuurenNimi);
    if (!polku.startsWith(juuri, Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    polku = polku.sliced(juuri.size());
    if (polku.isEmpty()) {
        return QStringList{};
    }
    if (polku.front() != u'\\') {
        return std::nullopt;
    }
    return JasennaAvainpolku(polku.sliced(1));
}

// ---------------------------------------------------------------- writing

void LisaaLainattu(QString& kohde, QStringView teksti) {
    kohde.append(u'"');
    for (const QChar c : teksti) {
        const auto koodi = std::find_if(Koodinvaihdot.begin(), Koodinvaihdot.end(),
                                        [c](const auto& k) { return k.second == c; });
        if (koodi != Koodinvaihdot.end()) {
            kohde.append(u'\\');
            kohde.append(QChar(koodi->first));
        } else {
            kohde.append(c);
        }
    }
    kohde.append(u'"');
}

// The text of a kind 1 value that can be written as "text": one terminating
// zero, no other, and whole UTF-16.
std::optional<QString> SiistiTeksti(const QByteArray& data) {
    if (data.size() < 2 || data.size() % 2 != 0) {
        return std::nullopt;
    }
    const qsizetype n = data.size() / 2 - 1;
    QString s;
    s.reserve(n);
    const auto yksikko = [&data](qsizetype k) {
        return static_cast<char16_t>(static_cast<unsigned char>(data[2 * k]) |
                                     (static_cast<unsigned char>(data[2 * k + 1]) << 8));
    };
    if (yksikko(n) != 0) {
        return std::nullopt;
    }
    for (qsizetype k = 0; k < n; ++k) {
        const char16_t u = yksikko(k);
        if (u == 0) {
            return std::nullopt;
        }
        s.append(QChar(u));
    }
    if (!QStringView(s).isValidUtf16()) {
        return std::nullopt;
    }
    return s;
}

constexpr std::string_view Heksanumerot = "0123456789abcdef";

void LisaaHeksat(QString& kohde, qsizetype rivinAlku, const QByteArray& data) {
    for (qsizetype k = 0; k < data.size(); ++k) {
        const auto b = static_cast<unsigned char>(data[k]);
        kohde.append(QChar(Heksanumerot[b >> 4]));
        kohde.append(QChar(Heksanumerot[b & 0x0F]));
        if (k + 1 < data.size()) {
            kohde.append(u',');
            if (kohde.size() - rivinAlku >= HeksarivinRaja) {
                kohde.append(u"\\\r\n  ");
                rivinAlku = kohde.size() - 2;
            }
        }
    }
}

void LisaaArvo(QString& kohde, const QString& nimi, const Arvo& arvo) {
    const qsizetype rivinAlku = kohde.size();
    if (nimi.isEmpty()) {
        kohde.append(u'@');
    } else {
        LisaaLainattu(kohde, nimi);
    }
    kohde.append(u'=');
    if (arvo.tyyppi == 1) {
        if (const auto teksti = SiistiTeksti(arvo.data)) {
            LisaaLainattu(kohde, *teksti);
            kohde.append(u"\r\n");
            return;
        }
    }
    if (arvo.tyyppi == 4 && arvo.data.size() == 4) {
        const auto luku = qFromLittleEndian<std::uint32_t>(arvo.data.constData());
        kohde.append(u"dword:");
        kohde.append(QString::number(luku, 16).rightJustified(8, u'0'));
        kohde.append(u"\r\n");
        return;
    }
    if (arvo.tyyppi == 3) {
        kohde.append(u"hex:");
    } else {
        kohde.append(u"hex(");
        kohde.append(QString::number(arvo.tyyppi, 16));
        kohde.append(u"):");
    }
    LisaaHeksat(kohde, rivinAlku, arvo.data);
    kohde.append(u"\r\n");
}

// Gives false, leaving the text unfinished, once it is longer than `raja`
// characters.
bool LisaaAvain(QString& kohde, const Avain& avain, const QString& polku, qsizetype raja) {
    kohde.append(u'[');
    kohde.append(polku);
    kohde.append(u"]\r\n");
    for (const auto& [nimi, arvo] : avain.arvot) {
        LisaaArvo(kohde, nimi, arvo);
    }
    kohde.append(u"\r\n");
    if (kohde.size() > raja) {
        return false;
    }
    for (const auto& [nimi, ala] : avain.alaavaimet) {
        if (!LisaaAvain(kohde, ala, polku + u'\\' + nimi, raja)) {
            return false;
        }
    }
    return true;
}

// The entry of `kartta` named `nimi`, or null.
template <typename Kartta> auto* Osoite(Kartta& kartta, const QString& nimi) {
    const auto it = kartta.find(nimi);
    return it == kartta.end() ? nullptr : &it->second;
}

template <typename A> A* Seuraa(A* a, const QStringList& polku) {
    for (const QString& osa : polku) {
        a = a->Alaavain(osa);
        if (a == nullptr) {
            return nullptr;
        }
    }
    return a;
}

} // namespace

// ---------------------------------------------------------------- Avain

Avain* Avain::Alaavain(const QString& nimi) {
    return Osoite(alaavaimet, nimi);
}

const Avain* Avain::Alaavain(const QString& nimi) const {
    return Osoite(alaavaimet, nimi);
}

const Arvo* Avain::Etsi(const QString& arvonNimi) const {
    return Osoite(arvot, arvonNimi);
}

Avain* Avain::Polku(const QStringList& polku) {
    return Seuraa(this, polku);
}

const Avain* Avain::Polku(const QStringList& polku) const {
    return Seuraa(this, polku);
}

Avain& Avain::LuoPolku(const QStringList& polku, bool& luotiin) {
    Avain* a = this;
    for (const QString& osa : polku) {
        const auto [it, uusi] = a->alaavaimet.try_emplace(osa);
        luotiin = luotiin || uusi;
        a = &it->second;
    }
    return *a;
}

bool Avain::Aseta(const QString& arvonNimi, std::uint32_t tyyppi, const QByteArray& data) {
    const auto [it, uusi] = arvot.try_emplace(arvonNimi, Arvo{tyyppi, data});
    if (uusi) {
        return true;
    }
    Arvo& a = it->second;
    if (a.tyyppi == tyyppi && a.data == data) {
        return false;
    }
    a = Arvo{tyyppi, data};
    return true;
}

QString Cp1252Tekstiksi(QByteArrayView ansi) {
    QString s;
    s.reserve(ansi.size());
    for (const char c : ansi) {
        s.append(QChar(static_cast<char16_t>(Cp1252Merkki(static_cast<unsigned char>(c)))));
    }
    return s;
}

QByteArray Utf16Tavuiksi(QStringView teksti) {
    QByteArray tulos(teksti.size() * 2, Qt::Uninitialized);
    qToLittleEndian<char16_t>(teksti.utf16(), teksti.size(), tulos.data());
    return tulos;
}

std::optional<QStringList> JasennaAvainpolku(QStringView polku) {
    auto osat = polku.split(u'\\');
    if (osat.back().isEmpty()) {
        osat.removeLast();
    }
    if (osat.size() > SuurinSyvyys) {
        return std::nullopt;
    }
    QStringList tulos;
    for (const QStringView osa : osat) {
        if (osa.isEmpty() || osa.size() > 255 ||
            std::any_of(osa.begin(), osa.end(), [](QChar c) { return c.unicode() < 0x20; })) {
            return std::nullopt;
        }
        tulos.append(osa.toString());
    }
    return tulos;
}

// ---------------------------------------------------------------- entry points

LuettuTiedosto Jasenna(const QByteArray& tiedosto) {
    LuettuTiedosto tulos;
    const std::vector<Rivi> rivit = JaaRiveiksi(tiedosto);

    bool otsikkoNahty = false;
    bool ensimmainen = true;
    bool regedit4 = false;
    bool jotainLoytyi = false;
    bool poistettuOsio = false;
    Avain* nykyinen = nullptr; // valid until the next section line

    std::size_t i = 0;
    const auto seuraava = [&]() -> const Rivi* {
        ++i;
        return i < rivit.size() ? &rivit[i] : nullptr;
    };
    for (; i < rivit.size(); ++i) {
        const Rivi& rivi = rivit[i];
        if (!rivi.kelpaa) {
            ++tulos.hylatytRivit;
            continue;
        }
        const QStringView s = QStringView(rivi.teksti).trimmed();
        if (TyhjaTaiKommentti(s)) {
            continue;
        }
        if (s.compare(Otsikko5, Qt::CaseInsensitive) == 0 ||
            s.compare(Otsikko4, Qt::CaseInsensitive) == 0) {
            if (ensimmainen) {
                otsikkoNahty = true;
                regedit4 = s.compare(Otsikko4, Qt::CaseInsensitive) == 0;
            }
            ensimmainen = false;
            continue;
        }
        if (ensimmainen) {
            ++tulos.hylatytRivit; // no header: read on, but keep the original on the next write
            ensimmainen = false;
        }

        if (s.front() == u'[') {
            nykyinen = nullptr;
            poistettuOsio = false;
            const qsizetype loppu = s.lastIndexOf(u']');
            if (loppu < 0 || !TyhjaTaiKommentti(s.mid(loppu + 1))) {
                ++tulos.hylatytRivit;
                continue;
            }
            QStringView sisus = s.mid(1, loppu - 1);
            const bool poisto = sisus.startsWith(u'-');
            if (poisto) {
                sisus = sisus.mid(1);
            }
            const auto polku = JasennaOsionPolku(sisus);
            if (!polku || (poisto && polku->isEmpty())) {
                ++tulos.hylatytRivit;
                continue;
            }
            jotainLoytyi = true;
            if (poisto) {
                poistettuOsio = true;
                QStringList vanhempi = *polku;
                const QString viimeinen = vanhempi.takeLast();
                if (Avain* v = tulos.juuri.Polku(vanhempi)) {
                    v->alaavaimet.erase(viimeinen);
                }
            } else {
                bool luotiin = false;
                nykyinen = &tulos.juuri.LuoPolku(*polku, luotiin);
            }
            continue;
        }

        if (s.front() == u'"' || s.front() == u'@') {
            const auto arvo = JasennaArvo(s, regedit4, seuraava);
            if (poistettuOsio) {
                continue;
            }
            if (!arvo || nykyinen == nullptr) {
                ++tulos.hylatytRivit;
                continue;
            }
            jotainLoytyi = true;
            if (arvo->poisto) {
                nykyinen->arvot.erase(arvo->nimi);
            } else {
                nykyinen->Aseta(arvo->nimi, arvo->tyyppi, arvo->data);
            }
            continue;
        }
        ++tulos.hylatytRivit;
    }
    tulos.kelvoton = !otsikkoNahty && !jotainLoytyi && tulos.hylatytRivit > 0;
    return tulos;
}

std::optional<QByteArray> Sarjallista(const Avain& juuri, qsizetype raja) {
    QString teksti;
    teksti.append(Otsikko5);
    teksti.append(u"\r\n\r\n");
    // Two bytes a character, two for the byte-order mark.
    if (!LisaaAvain(teksti, juuri, QString::fromLatin1(JuurenNimi), (raja - 2) / 2)) {
        return std::nullopt;
    }

    QByteArray tulos;
    tulos.reserve(2 + teksti.size() * 2);
    tulos.append('\xFF');
    tulos.append('\xFE');
    tulos.append(Utf16Tavuiksi(teksti));
    return tulos;
}

} // namespace sorvik::rekisteri
