#pragma once
// What the tests of the emulated registry's file, the store and the cleaner
// share: a private configuration folder, so that no test ever sees the real
// user's registry file or another test's.

#include "Eristys.h"
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
