// The tree of keys and values, and the helpers of names, paths and text that
// the rest of the registry layer shares. Reading the file is in
// RekisteriLuku.cpp and RekisteriRivit.cpp, writing it in RekisteriKirjoitus.cpp.

#include "RekisteriTiedosto.h"

#include "koodisivu.h"

#include <QtEndian>

#include <algorithm>
#include <optional>

namespace sorvik::rekisteri {

namespace {

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

} // namespace sorvik::rekisteri
