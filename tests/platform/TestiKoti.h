#pragma once
// A private configuration folder for every test, so that no test ever sees the
// real user's registry file or another test's.

#include "rekisteri.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

class TestiKoti : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(koti.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(koti.path()));
    }

    [[nodiscard]] QString Kansio() const { return koti.path() + QStringLiteral("/sorvik"); }
    [[nodiscard]] QString Pesa() const { return Kansio() + QStringLiteral("/user.reg"); }

    [[nodiscard]] QByteArray LuePesa() const {
        QFile f(Pesa());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void KirjoitaPesa(const QByteArray& sisalto) const {
        QDir().mkpath(Kansio());
        QFile f(Pesa());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(sisalto), sisalto.size());
    }

    // The copies kept of damaged files.
    [[nodiscard]] QStringList Varmuuskopiot() const {
        return QDir(Kansio()).entryList({QStringLiteral("user.reg.bad-*")}, QDir::Files);
    }

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

// Helpers over the raw functions; they keep the calls' results visible.
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
