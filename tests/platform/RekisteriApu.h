#pragma once
// What the tests of the registry layer, the store and the cleaner share: a
// private configuration folder, so that no test ever sees the real user's
// registry file or another test's, and helpers over the raw functions that
// keep the calls' results visible.

#include "rekisteri.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class OmaKoti {
public:
    OmaKoti() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(koti.path())); }

    [[nodiscard]] bool Kelpaa() const { return koti.isValid(); }
    [[nodiscard]] QString Kansio() const { return koti.path() + QStringLiteral("/sorvik"); }
    [[nodiscard]] QString Pesa() const { return Kansio() + QStringLiteral("/user.reg"); }

    [[nodiscard]] QByteArray LuePesa() const {
        QFile f(Pesa());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    [[nodiscard]] bool KirjoitaPesa(const QByteArray& sisalto) const {
        QDir().mkpath(Kansio());
        QFile f(Pesa());
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               f.write(sisalto) == sisalto.size();
    }

    // A file where the folder should be: nothing can be written.
    [[nodiscard]] bool EstaKansio() const {
        QFile f(Kansio());
        return f.open(QIODevice::WriteOnly);
    }

    // The copies kept of damaged files.
    [[nodiscard]] QStringList Varmuuskopiot() const {
        return QDir(Kansio()).entryList({QStringLiteral("user.reg.bad-*")}, QDir::Files);
    }

private:
    QTemporaryDir koti;
};

// UTF-16LE with a byte-order mark, as the registry editor writes.
inline QByteArray Utf16Tiedosto(const QString& teksti) {
    QByteArray tulos("\xFF\xFE", 2);
    for (const QChar c : teksti) {
        tulos.append(static_cast<char>(c.unicode() & 0xFF));
        tulos.append(static_cast<char>(c.unicode() >> 8));
    }
    return tulos;
}

inline LONG Aseta(const char* polku, const char* nimi, DWORD laji, const std::string& data) {
    HKEY h = nullptr;
    LONG r = RegCreateKeyA(HKEY_CURRENT_USER, polku, &h);
    if (r != ERROR_SUCCESS) {
        return r;
    }
    r = RegSetValueExA(h, nimi, 0, laji, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));
    RegCloseKey(h);
    return r;
}

inline LONG AsetaTeksti(const char* polku, const char* nimi, const std::string& teksti) {
    return Aseta(polku, nimi, REG_SZ, teksti + '\0');
}

struct Luku {
    LONG tulos = ERROR_FILE_NOT_FOUND;
    DWORD laji = REG_NONE;
    std::string data;
};

inline Luku Lue(const char* polku, const char* nimi) {
    Luku l;
    HKEY h = nullptr;
    l.tulos = RegOpenKeyA(HKEY_CURRENT_USER, polku, &h);
    if (l.tulos != ERROR_SUCCESS) {
        return l;
    }
    DWORD koko = 0;
    l.tulos = RegQueryValueExA(h, nimi, nullptr, &l.laji, nullptr, &koko);
    if (l.tulos == ERROR_SUCCESS) {
        l.data.assign(koko, '\0');
        l.tulos = RegQueryValueExA(h, nimi, nullptr, &l.laji,
                                   reinterpret_cast<BYTE*>(l.data.data()), &koko);
        l.data.resize(koko);
    }
    RegCloseKey(h);
    return l;
}

// The text of a kind 1 value without its terminating zero; "<puuttuu>" if absent.
inline std::string LueTeksti(const char* polku, const char* nimi) {
    const Luku l = Lue(polku, nimi);
    if (l.tulos != ERROR_SUCCESS) {
        return "<puuttuu>";
    }
    return l.data.empty() || l.data.back() != '\0' ? l.data + "<ei nollaa>"
                                                   : l.data.substr(0, l.data.size() - 1);
}

inline bool AvainOn(const char* polku) {
    HKEY h = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, polku, &h) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(h);
    return true;
}

#ifdef SORVIK_KIRJOITTAJA
// Starts the helper program that writes <etuliite>0, <etuliite>1, ... into
// `avain`, each holding its number as text; a count of -1 runs until killed.
inline std::unique_ptr<QProcess> KaynnistaKirjoittaja(const QString& avain, const QString& etuliite,
                                                      int maara) {
    auto p = std::make_unique<QProcess>();
    p->start(QStringLiteral(SORVIK_KIRJOITTAJA), {avain, etuliite, QString::number(maara)});
    return p;
}
#endif

// The values a finished writer reported written: each name with its text.
inline std::vector<std::pair<std::string, std::string>> Kuitatut(QProcess& p,
                                                                 const std::string& etuliite) {
    std::vector<std::pair<std::string, std::string>> tulos;
    for (const QByteArray& rivi : p.readAllStandardOutput().split('\n')) {
        if (rivi.startsWith("ok ")) {
            const std::string n = rivi.mid(3).toStdString();
            tulos.emplace_back(etuliite + n, n);
        }
    }
    return tulos;
}
