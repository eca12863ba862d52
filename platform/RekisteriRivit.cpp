// The hive file as lines: its encoding recognised, each line decoded on its own.

#include "RekisteriMuoto.h"
#include "RekisteriTiedosto.h"

#include <QStringDecoder>
#include <QtEndian>

#include <utility>
#include <vector>

namespace sorvik::rekisteri {

namespace {

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

} // namespace

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

} // namespace sorvik::rekisteri
