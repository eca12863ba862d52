#include "RekisteriTiedosto.h"

#include "koodisivu.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <optional>
#include <string_view>

namespace sorvik::rekisteri {

namespace {

constexpr QStringView Otsikko5 = u"Windows Registry Editor Version 5.00";
constexpr QStringView Otsikko4 = u"REGEDIT4";
// A hex line that has reached this many characters goes on after "\".
constexpr qsizetype HeksarivinRaja = 77;

bool OnTekstilaji(std::uint32_t tyyppi) {
    return tyyppi == 1 || tyyppi == 2 || tyyppi == 7;
}

// ---------------------------------------------------------------- lines

struct Rivi {
    QString teksti;
    bool kelpaa = true;
};

enum class Koodaus { Utf16LE, Utf16BE, Utf8, Cp1252 };

bool OnRegedit4Alku(const QByteArray& t, qsizetype alku) {
    while (alku < t.size() && (t[alku] == ' ' || t[alku] == '\t')) {
        ++alku;
    }
    return t.mid(alku, 8).compare("REGEDIT4", Qt::CaseInsensitive) == 0;
}

bool SisaltaaNollan(const QString& s) {
    return s.contains(QChar(u'\0'));
}

Rivi PuraUtf16(QStringView rivi) {
    if (rivi.endsWith(u'\r')) {
        rivi.chop(1);
    }
    Rivi r;
    r.teksti = rivi.toString();
    r.kelpaa = rivi.isValidUtf16() && !rivi.contains(QChar(u'\0'));
    return r;
}

Rivi Pura8(std::string_view tavut, Koodaus koodaus) {
    if (!tavut.empty() && tavut.back() == '\r') {
        tavut.remove_suffix(1);
    }
    Rivi r;
    if (koodaus == Koodaus::Cp1252) {
        r.teksti.reserve(static_cast<qsizetype>(tavut.size()));
        for (const char c : tavut) {
            r.teksti.append(
                QChar(static_cast<char16_t>(Cp1252Merkki(static_cast<unsigned char>(c)))));
        }
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        r.teksti = utf8(QByteArrayView(tavut.data(), static_cast<qsizetype>(tavut.size())));
        if (utf8.hasError()) {
            r.kelpaa = false;
            return r;
        }
    }
    if (SisaltaaNollan(r.teksti)) {
        r.kelpaa = false;
    }
    return r;
}

// Every line of a whole file ends with a line break. A last line without one
// was cut off (a truncated copy, a full disk): a half line could still look
// like a shorter value or key, so it is not taken.
void HylkaaKeskenjaanyt(std::vector<Rivi>& rivit) {
    if (!rivit.empty() && !QStringView(rivit.back().teksti).trimmed().isEmpty()) {
        rivit.back().kelpaa = false;
    }
}

std::vector<Rivi> JaaRiveiksi(const QByteArray& t) {
    std::vector<Rivi> rivit;
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
    } else if (OnRegedit4Alku(t, 0)) {
        koodaus = Koodaus::Cp1252;
    }

    if (koodaus == Koodaus::Utf16LE || koodaus == Koodaus::Utf16BE) {
        const qsizetype yksikoita = (t.size() - alku) / 2;
        QString yksikot(yksikoita, Qt::Uninitialized);
        if (koodaus == Koodaus::Utf16LE) {
            qFromLittleEndian<char16_t>(t.constData() + alku, yksikoita, yksikot.data());
        } else {
            qFromBigEndian<char16_t>(t.constData() + alku, yksikoita, yksikot.data());
        }
        const QStringView kaikki(yksikot);
        qsizetype rivinAlku = 0;
        while (true) {
            const qsizetype loppu = kaikki.indexOf(u'\n', rivinAlku);
            if (loppu < 0) {
                rivit.push_back(PuraUtf16(kaikki.mid(rivinAlku)));
                break;
            }
            rivit.push_back(PuraUtf16(kaikki.mid(rivinAlku, loppu - rivinAlku)));
            rivinAlku = loppu + 1;
        }
        if ((t.size() - alku) % 2 != 0) {
            rivit.back().kelpaa = false; // an odd byte cut off at the end
        }
        HylkaaKeskenjaanyt(rivit);
        return rivit;
    }

    const std::string_view kaikki(t.constData() + alku, static_cast<std::size_t>(t.size() - alku));
    std::size_t rivinAlku = 0;
    while (true) {
        const std::size_t loppu = kaikki.find('\n', rivinAlku);
        if (loppu == std::string_view::npos) {
            rivit.push_back(Pura8(kaikki.substr(rivinAlku), koodaus));
            break;
        }
        rivit.push_back(Pura8(kaikki.substr(rivinAlku, loppu - rivinAlku), koodaus));
        rivinAlku = loppu + 1;
    }
    HylkaaKeskenjaanyt(rivit);
    return rivit;
}

// ---------------------------------------------------------------- parsing

bool OnTyhjaaTaiKommentti(QStringView s) {
    s = s.trimmed();
    return s.isEmpty() || s.front() == u';';
}

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
            switch (seuraava.unicode()) {
            case u'\\':
            case u'"':
                tulos.append(seuraava);
                break;
            case u'r':
                tulos.append(u'\r');
                break;
            case u'n':
                tulos.append(u'\n');
                break;
            default:
                tulos.append(c);
                tulos.append(seuraava);
                break;
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

// What may follow a value on its line: blanks and a comment.
bool LoppuKelpaa(QStringView s) {
    return OnTyhjaaTaiKommentti(s);
}

std::optional<QByteArray> LueHeksalista(QStringView s) {
    const qsizetype kommentti = s.indexOf(u';');
    if (kommentti >= 0) {
        s = s.left(kommentti);
    }
    QByteArray tulos;
    s = s.trimmed();
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

QByteArray Utf16Tavuiksi(QStringView s) {
    QByteArray tulos(s.size() * 2, Qt::Uninitialized);
    qToLittleEndian<char16_t>(s.utf16(), s.size(), tulos.data());
    return tulos;
}

QByteArray AnsiUtf16Tavuiksi(const QByteArray& ansi) {
    QString s;
    s.reserve(ansi.size());
    for (const char c : ansi) {
        s.append(QChar(static_cast<char16_t>(Cp1252Merkki(static_cast<unsigned char>(c)))));
    }
    return Utf16Tavuiksi(s);
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
    qsizetype i = 0;
    if (rivi[0] == u'@') {
        i = 1;
    } else {
        i = 1;
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
        if (!LoppuKelpaa(data.mid(1))) {
            return std::nullopt;
        }
        tulos.poisto = true;
        return tulos;
    }
    if (data.startsWith(u'"')) {
        qsizetype j = 1;
        auto teksti = LueLainaus(data, j);
        if (!teksti || !LoppuKelpaa(data.mid(j))) {
            return std::nullopt;
        }
        tulos.tyyppi = 1;
        teksti->append(QChar(u'\0'));
        tulos.data = Utf16Tavuiksi(*teksti);
        return tulos;
    }
    if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
        QStringView luku = data.mid(6);
        const qsizetype kommentti = luku.indexOf(u';');
        if (kommentti >= 0) {
            luku = luku.left(kommentti);
        }
        const auto arvo = LueHeksaluku(luku.trimmed());
        if (!arvo) {
            return std::nullopt;
        }
        tulos.tyyppi = 4;
        for (int k = 0; k < 4; ++k) {
            tulos.data.append(static_cast<char>((*arvo >> (8 * k)) & 0xFFu));
        }
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
    tulos.data =
        regedit4 && OnTekstilaji(tulos.tyyppi) ? AnsiUtf16Tavuiksi(*tavut) : std::move(*tavut);
    return tulos;
}

// The key names of a section, after "HKEY_CURRENT_USER"; nothing if the path
// is not one of ours or is malformed.
std::optional<QStringList> JasennaOsionPolku(QStringView polku) {
    auto osat = polku.split(u'\\');
    if (osat.isEmpty() || !SamaNimi(osat.front().toString(), QString::fromLatin1(JuurenNimi))) {
        return std::nullopt;
    }
    osat.removeFirst();
    if (!osat.isEmpty() && osat.back().isEmpty()) {
        osat.removeLast();
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

// ---------------------------------------------------------------- writing

void LisaaLainattu(QString& kohde, QStringView teksti) {
    kohde.append(u'"');
    for (const QChar c : teksti) {
        switch (c.unicode()) {
        case u'\\':
            kohde.append(u"\\\\");
            break;
        case u'"':
            kohde.append(u"\\\"");
            break;
        case u'\r':
            kohde.append(u"\\r");
            break;
        case u'\n':
            kohde.append(u"\\n");
            break;
        default:
            kohde.append(c);
            break;
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

void LisaaArvo(QString& kohde, const Arvo& arvo) {
    const qsizetype rivinAlku = kohde.size();
    if (arvo.nimi.isEmpty()) {
        kohde.append(u'@');
    } else {
        LisaaLainattu(kohde, arvo.nimi);
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
        std::uint32_t luku = 0;
        for (int k = 3; k >= 0; --k) {
            luku = (luku << 8) | static_cast<unsigned char>(arvo.data[k]);
        }
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

bool EnnenNimea(const QString& a, const QString& b) {
    const int ero = a.compare(b, Qt::CaseInsensitive);
    return ero != 0 ? ero < 0 : a < b;
}

void LisaaAvain(QString& kohde, const Avain& avain, const QString& polku) {
    kohde.append(u'[');
    kohde.append(polku);
    kohde.append(u"]\r\n");
    std::vector<const Arvo*> arvot;
    arvot.reserve(avain.arvot.size());
    for (const Arvo& a : avain.arvot) {
        arvot.push_back(&a);
    }
    std::sort(arvot.begin(), arvot.end(),
              [](const Arvo* a, const Arvo* b) { return EnnenNimea(a->nimi, b->nimi); });
    for (const Arvo* a : arvot) {
        LisaaArvo(kohde, *a);
    }
    kohde.append(u"\r\n");

    std::vector<const Avain*> alat;
    alat.reserve(avain.alaavaimet.size());
    for (const Avain& a : avain.alaavaimet) {
        alat.push_back(&a);
    }
    std::sort(alat.begin(), alat.end(),
              [](const Avain* a, const Avain* b) { return EnnenNimea(a->nimi, b->nimi); });
    for (const Avain* a : alat) {
        LisaaAvain(kohde, *a, polku + u'\\' + a->nimi);
    }
}

} // namespace

// ---------------------------------------------------------------- Avain

Avain* Avain::Alaavain(const QString& nimi_) {
    for (Avain& a : alaavaimet) {
        if (SamaNimi(a.nimi, nimi_)) {
            return &a;
        }
    }
    return nullptr;
}

const Avain* Avain::Alaavain(const QString& nimi_) const {
    return const_cast<Avain*>(this)->Alaavain(nimi_);
}

Arvo* Avain::Etsi(const QString& arvonNimi) {
    for (Arvo& a : arvot) {
        if (SamaNimi(a.nimi, arvonNimi)) {
            return &a;
        }
    }
    return nullptr;
}

const Arvo* Avain::Etsi(const QString& arvonNimi) const {
    return const_cast<Avain*>(this)->Etsi(arvonNimi);
}

Avain* Avain::Polku(const QStringList& polku) {
    Avain* a = this;
    for (const QString& osa : polku) {
        a = a->Alaavain(osa);
        if (a == nullptr) {
            return nullptr;
        }
    }
    return a;
}

const Avain* Avain::Polku(const QStringList& polku) const {
    return const_cast<Avain*>(this)->Polku(polku);
}

Avain& Avain::LuoPolku(const QStringList& polku, bool& luotiin) {
    Avain* a = this;
    for (const QString& osa : polku) {
        Avain* ala = a->Alaavain(osa);
        if (ala == nullptr) {
            a->alaavaimet.push_back(Avain{osa, {}, {}});
            ala = &a->alaavaimet.back();
            luotiin = true;
        }
        a = ala;
    }
    return *a;
}

bool Avain::Aseta(const QString& arvonNimi, std::uint32_t tyyppi, const QByteArray& data) {
    if (Arvo* a = Etsi(arvonNimi)) {
        if (a->tyyppi == tyyppi && a->data == data) {
            return false;
        }
        a->tyyppi = tyyppi;
        a->data = data;
        return true;
    }
    arvot.push_back(Arvo{arvonNimi, tyyppi, data});
    return true;
}

bool Avain::Poista(const QString& arvonNimi) {
    const auto it = std::find_if(arvot.begin(), arvot.end(),
                                 [&](const Arvo& a) { return SamaNimi(a.nimi, arvonNimi); });
    if (it == arvot.end()) {
        return false;
    }
    arvot.erase(it);
    return true;
}

bool Avain::PoistaAlaavain(const QString& nimi_) {
    const auto it = std::find_if(alaavaimet.begin(), alaavaimet.end(),
                                 [&](const Avain& a) { return SamaNimi(a.nimi, nimi_); });
    if (it == alaavaimet.end()) {
        return false;
    }
    alaavaimet.erase(it);
    return true;
}

// ---------------------------------------------------------------- entry points

LuettuTiedosto Jasenna(const QByteArray& tiedosto) {
    LuettuTiedosto tulos;
    tulos.juuri.nimi = QString::fromLatin1(JuurenNimi);
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
        if (s.isEmpty() || s.front() == u';') {
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
            if (loppu < 0 || !LoppuKelpaa(s.mid(loppu + 1))) {
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
                    v->PoistaAlaavain(viimeinen);
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
                nykyinen->Poista(arvo->nimi);
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

QByteArray Sarjallista(const Avain& juuri) {
    QString teksti;
    teksti.append(Otsikko5);
    teksti.append(u"\r\n\r\n");
    LisaaAvain(teksti, juuri, QString::fromLatin1(JuurenNimi));

    QByteArray tulos;
    tulos.reserve(2 + teksti.size() * 2);
    tulos.append('\xFF');
    tulos.append('\xFE');
    tulos.append(Utf16Tavuiksi(teksti));
    return tulos;
}

} // namespace sorvik::rekisteri
