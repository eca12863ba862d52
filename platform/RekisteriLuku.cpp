// Reading the hive file: its lines parsed into the tree of keys and values.

#include "RekisteriMuoto.h"
#include "RekisteriTiedosto.h"

#include <QtEndian>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace sorvik::rekisteri {

namespace {

// Blanks and a comment: what may stand on a line of its own, or after a value.
bool TyhjaTaiKommentti(QStringView s) {
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

} // namespace

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

} // namespace sorvik::rekisteri
