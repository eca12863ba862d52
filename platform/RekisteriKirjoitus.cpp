// Writing the hive file as the registry editor exports it.

#include "RekisteriMuoto.h"
#include "RekisteriTiedosto.h"

#include <QtEndian>

#include <algorithm>
#include <optional>
#include <string_view>

namespace sorvik::rekisteri {

namespace {

// A hex line that has reached this many characters goes on after "\".
constexpr qsizetype HeksarivinRaja = 77;

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

} // namespace

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
