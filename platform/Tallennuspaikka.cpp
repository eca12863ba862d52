// The hive file on disk: its place, the lock, the copy kept of a damaged file
// and the synced replacement of the whole file (Tallennuspaikka.h).

#include "Tallennuspaikka.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace sorvik::rekisteri {

namespace {

constexpr int LukonOdotusMs = 10000;
// A lock file with nobody's name in it is left over once it is this old.
constexpr qint64 TyhjanLukonIka = 2000;

QString Kansio() {
    QString juuri = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (juuri.isEmpty() || QDir::isRelativePath(juuri)) {
        juuri = qEnvironmentVariable("HOME");
        if (juuri.isEmpty()) {
            juuri = QDir::homePath();
        }
        juuri += QStringLiteral("/.config");
    }
    return juuri + QStringLiteral("/sorvik");
}

QString TiedostonNimi(const QString& kansio) {
    return kansio + QStringLiteral("/user.reg");
}

void Varoita(const QString& teksti) {
    std::fprintf(stderr, "sorvik: %s\n", teksti.toLocal8Bit().constData());
}

// Puts a file's content on disk.
bool Synkronoi(const QString& nimi) {
    const int fd = ::open(QFile::encodeName(nimi).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// Keeps a copy of a file that the next write would not carry over whole. The
// copy is on disk before the file is replaced.
bool TallennaVanha(const QString& nimi, bool kelvoton) {
    const QString aika =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz"));
    QString kopio = nimi + QStringLiteral(".bad-") + aika;
    for (int n = 1; QFileInfo::exists(kopio); ++n) {
        kopio = nimi + QStringLiteral(".bad-") + aika + u'-' + QString::number(n);
    }
    if (!QFile::copy(nimi, kopio) || !Synkronoi(kopio)) {
        Varoita(QStringLiteral("rekisteritiedostoa %1 ei voi korvata, koska siitä ei saatu "
                               "varmuuskopiota %2; muutosta ei tallennettu")
                    .arg(nimi, kopio));
        return false;
    }
    Varoita(kelvoton ? QStringLiteral("rekisteritiedosto %1 on lukukelvoton; se siirrettiin "
                                      "nimelle %2 ja tilalle kirjoitetaan uusi")
                           .arg(nimi, kopio)
                     : QStringLiteral("rekisteritiedostossa %1 oli lukukelvottomia rivejä; "
                                      "alkuperäinen säilytettiin nimellä %2")
                           .arg(nimi, kopio));
    return true;
}

void SynkronoiKansio(const QString& kansio) {
    const int fd =
        ::open(QFile::encodeName(kansio).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

LONG KirjoitusVirhe(int virhe) {
    switch (virhe) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ERROR_DISK_FULL;
    case EACCES:
    case EPERM:
    case EROFS:
        return ERROR_ACCESS_DENIED;
    default:
        return ERROR_CANTWRITE;
    }
}

LONG Kirjoita(const QString& kansio, const QString& nimi, const Avain& juuri) {
    const auto sarjallistettu = Sarjallista(juuri, SuurinTiedosto);
    if (!sarjallistettu) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    const QByteArray& sisalto = *sarjallistettu;
    QSaveFile tiedosto(nimi);
    errno = 0;
    if (!tiedosto.open(QIODevice::WriteOnly)) {
        return KirjoitusVirhe(errno);
    }
    tiedosto.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    errno = 0;
    if (tiedosto.write(sisalto) != sisalto.size() || !tiedosto.flush() ||
        ::fsync(tiedosto.handle()) != 0) {
        const int virhe = errno;
        tiedosto.cancelWriting();
        return KirjoitusVirhe(virhe);
    }
    errno = 0;
    if (!tiedosto.commit()) {
        return KirjoitusVirhe(errno);
    }
    SynkronoiKansio(kansio);
    return ERROR_SUCCESS;
}

// Takes the lock, retrying at short random intervals. (QLockFile's own wait
// doubles its pause up to seconds, so a writer among busy ones could starve.)
bool Lukitse(QLockFile& lukko, const QString& lukonNimi) {
    QElapsedTimer kello;
    kello.start();
    std::minstd_rand satunnainen(
        static_cast<std::minstd_rand::result_type>(::getpid()) ^
        static_cast<std::minstd_rand::result_type>(QDateTime::currentMSecsSinceEpoch()));
    std::uniform_int_distribution<int> tauko(500, 3000);
    while (!lukko.tryLock(0)) {
        if (lukko.error() != QLockFile::LockFailedError || kello.elapsed() > LukonOdotusMs) {
            return false;
        }
        // QLockFile clears the lock of a process that has died, but only if it
        // can read whose lock it was. A process killed between creating the
        // file and writing into it leaves it empty; such a file is cleared once
        // it is plainly old. Removal still fails while anyone holds the lock.
        qint64 pid = 0;
        QString kone;
        QString ohjelma;
        if (!lukko.getLockInfo(&pid, &kone, &ohjelma)) {
            const QFileInfo tiedosto(lukonNimi);
            if (tiedosto.exists() &&
                tiedosto.lastModified().msecsTo(QDateTime::currentDateTime()) > TyhjanLukonIka) {
                lukko.removeStaleLockFile();
                continue;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(tauko(satunnainen)));
    }
    return true;
}

} // namespace

// Runs `muutos` on the current content under the lock and writes the result
// if it changed anything. `muutos` returns a result code and sets `muuttui`.
LONG Muokkaa(const std::function<LONG(Avain& juuri, bool& muuttui)>& muutos) {
    const QString kansio = Kansio();
    const QString nimi = TiedostonNimi(kansio);
    if (!QFileInfo::exists(kansio)) {
        if (!QDir().mkpath(kansio)) {
            return ERROR_ACCESS_DENIED;
        }
        QFile::setPermissions(kansio, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }
    const QString lukonNimi = nimi + QStringLiteral(".lock");
    QLockFile lukko(lukonNimi);
    if (!Lukitse(lukko, lukonNimi)) {
        return lukko.error() == QLockFile::PermissionError ? ERROR_ACCESS_DENIED
                                                           : ERROR_LOCK_FAILED;
    }
    const Haku luettu = NykyinenVersio(nimi, false);
    if (luettu.virhe != ERROR_SUCCESS) {
        return luettu.virhe; // never replace what could not be read
    }
    auto uusi = std::make_shared<Versio>(*luettu.versio);
    bool muuttui = false;
    const LONG tulos = muutos(uusi->sisalto.juuri, muuttui);
    if (tulos != ERROR_SUCCESS || !muuttui) {
        return tulos;
    }
    const auto& vanha = luettu.versio->sisalto;
    const bool vajaa = vanha.kelvoton || vanha.hylatytRivit > 0;
    if (vajaa && luettu.versio->tiedostoOn && !TallennaVanha(nimi, vanha.kelvoton)) {
        return ERROR_CANTWRITE;
    }
    const LONG kirjoitus = Kirjoita(kansio, nimi, uusi->sisalto.juuri);
    if (kirjoitus == ERROR_SUCCESS) {
        uusi->sisalto.kelvoton = false;
        uusi->sisalto.hylatytRivit = 0;
        uusi->tiedostoOn = true;
        Kirjoitettu(nimi, std::move(uusi));
    }
    return kirjoitus;
}

Haku LueNykyinen() {
    return NykyinenVersio(TiedostonNimi(Kansio()), true);
}

} // namespace sorvik::rekisteri
