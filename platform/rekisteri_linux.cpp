// The registry functions on a system without a registry: HKEY_CURRENT_USER is
// the file ${XDG_CONFIG_HOME:-$HOME/.config}/sorvik/user.reg in the registry
// editor's export format.
//
// Every change is a read-modify-write of the whole file under a lock file, so
// that concurrent programs never lose each other's values. The new content is
// written beside the old file, synced and renamed over it, and the folder is
// synced, so a write is on disk when the call returns and a crash at any moment
// leaves either the old or the new file. Readers take no lock; the parsed file
// is kept and read again only when another file has taken its place
// (Valimuisti.h).

#include "RekisteriTiedosto.h"
#include "Valimuisti.h"
#include "koodisivu.h"
#include "rekisteri.h"

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
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

using sorvik::rekisteri::Arvo;
using sorvik::rekisteri::Avain;
using sorvik::rekisteri::Cp1252Tekstiksi;
using sorvik::rekisteri::OnTekstilaji;
using sorvik::rekisteri::SuurinTiedosto;
using sorvik::rekisteri::Utf16Tavuiksi;

// A value may hold at most this much; the whole file at most SuurinTiedosto.
// Anything bigger is not ours and is not read into memory.
constexpr DWORD SuurinArvo = 1024 * 1024;
constexpr int LukonOdotusMs = 10000;
// A lock file with nobody's name in it is left over once it is this old.
constexpr qint64 TyhjanLukonIka = 2000;

// ---------------------------------------------------------------- handles

// The open key handles of this process. Handle values are never reused, so a
// closed or made-up handle is refused instead of reaching another key.
struct Kahvat {
    std::mutex lukko;
    std::map<std::uintptr_t, QStringList> avoimet;
    std::uintptr_t seuraava = 0x1000;
};

Kahvat& KaikkiKahvat() {
    static Kahvat kahvat;
    return kahvat;
}

std::uintptr_t Luku(HKEY h) {
    return reinterpret_cast<std::uintptr_t>(h);
}

// The key path of a handle; nothing for an unknown handle.
std::optional<QStringList> KahvanPolku(HKEY h) {
    if (h == HKEY_CURRENT_USER) {
        return QStringList{};
    }
    Kahvat& k = KaikkiKahvat();
    const std::lock_guard<std::mutex> lukittu(k.lukko);
    const auto it = k.avoimet.find(Luku(h));
    if (it == k.avoimet.end()) {
        return std::nullopt;
    }
    return it->second;
}

HKEY UusiKahva(QStringList polku) {
    Kahvat& k = KaikkiKahvat();
    const std::lock_guard<std::mutex> lukittu(k.lukko);
    const std::uintptr_t arvo = k.seuraava;
    k.seuraava += 4;
    k.avoimet.emplace(arvo, std::move(polku));
    return reinterpret_cast<HKEY>(arvo);
}

bool SuljeKahva(HKEY h) {
    Kahvat& k = KaikkiKahvat();
    const std::lock_guard<std::mutex> lukittu(k.lukko);
    return k.avoimet.erase(Luku(h)) == 1;
}

// ---------------------------------------------------------------- text

// A name given to the "A" functions; null is the empty name.
QString AnsiTekstiksi(const char* ansi) {
    return ansi == nullptr ? QString() : Cp1252Tekstiksi(ansi);
}

QByteArray Utf16Ansiksi(const QByteArray& utf16) {
    QByteArray tulos;
    tulos.reserve(utf16.size() / 2);
    for (qsizetype k = 0; k + 1 < utf16.size(); k += 2) {
        char32_t c = static_cast<unsigned char>(utf16[k]) |
                     (static_cast<char32_t>(static_cast<unsigned char>(utf16[k + 1])) << 8);
        if (c >= 0xD800 && c <= 0xDBFF && k + 3 < utf16.size()) {
            const char32_t matala =
                static_cast<unsigned char>(utf16[k + 2]) |
                (static_cast<char32_t>(static_cast<unsigned char>(utf16[k + 3])) << 8);
            if (matala >= 0xDC00 && matala <= 0xDFFF) {
                k += 2; // one character outside the code page: one '?'
            }
        }
        const auto tavu = sorvik::Cp1252Tavu(c);
        tulos.append(tavu ? static_cast<char>(*tavu) : '?');
    }
    return tulos;
}

// The key a call names: the path of its handle and the subkey path under it.
struct Kohde {
    QStringList pohja;
    QStringList ala;
};

// Fills `kohde`, or gives the result code of a bad handle or subkey path.
LONG JasennaKohde(HKEY hKey, LPCSTR lpSubKey, Kohde& kohde) {
    auto pohja = KahvanPolku(hKey);
    if (!pohja) {
        return ERROR_INVALID_HANDLE;
    }
    auto ala = sorvik::rekisteri::JasennaAvainpolku(AnsiTekstiksi(lpSubKey));
    if (!ala || pohja->size() + ala->size() > sorvik::rekisteri::SuurinSyvyys) {
        return ERROR_BAD_PATHNAME;
    }
    kohde = {std::move(*pohja), std::move(*ala)};
    return ERROR_SUCCESS;
}

// ---------------------------------------------------------------- the file

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
    const auto sarjallistettu = sorvik::rekisteri::Sarjallista(juuri, SuurinTiedosto);
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
    const sorvik::rekisteri::Haku luettu = sorvik::rekisteri::NykyinenVersio(nimi, false);
    if (luettu.virhe != ERROR_SUCCESS) {
        return luettu.virhe; // never replace what could not be read
    }
    auto uusi = std::make_shared<sorvik::rekisteri::Versio>(*luettu.versio);
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
        sorvik::rekisteri::Kirjoitettu(nimi, std::move(uusi));
    }
    return kirjoitus;
}

// The current content for a read; takes no lock, since every write replaces
// the file whole. A file that cannot be parsed reads as empty.
sorvik::rekisteri::Haku LueNykyinen() {
    return sorvik::rekisteri::NykyinenVersio(TiedostonNimi(Kansio()), true);
}

// RegOpenKeyA, and with `luo` RegCreateKeyA.
LONG AvaaTaiLuo(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult, bool luo) {
    if (phkResult == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *phkResult = nullptr;
    Kohde kohde;
    if (const LONG virhe = JasennaKohde(hKey, lpSubKey, kohde); virhe != ERROR_SUCCESS) {
        return virhe;
    }
    if (kohde.ala.isEmpty()) {
        *phkResult = hKey;
        return ERROR_SUCCESS;
    }
    const auto etsi = [&kohde](const Avain& juuri) {
        const Avain* vanhempi = juuri.Polku(kohde.pohja);
        if (vanhempi == nullptr) {
            return ERROR_KEY_DELETED;
        }
        return vanhempi->Polku(kohde.ala) != nullptr ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    };
    const auto luettu = LueNykyinen();
    LONG tulos = luettu.virhe != ERROR_SUCCESS ? luettu.virhe : etsi(luettu.versio->sisalto.juuri);
    // Nothing to write if the key is already there.
    if (luo && tulos != ERROR_SUCCESS) {
        tulos = Muokkaa([&kohde](Avain& juuri, bool& muuttui) {
            Avain* vanhempi = juuri.Polku(kohde.pohja);
            if (vanhempi == nullptr) {
                return ERROR_KEY_DELETED;
            }
            vanhempi->LuoPolku(kohde.ala, muuttui);
            return ERROR_SUCCESS;
        });
    }
    if (tulos == ERROR_SUCCESS) {
        *phkResult = UusiKahva(kohde.pohja + kohde.ala);
    }
    return tulos;
}

} // namespace

// ---------------------------------------------------------------- functions

extern "C" {

LSTATUS RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
    return AvaaTaiLuo(hKey, lpSubKey, phkResult, false);
}

LSTATUS RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
    return AvaaTaiLuo(hKey, lpSubKey, phkResult, true);
}

LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                         LPBYTE lpData, LPDWORD lpcbData) {
    if (lpReserved != nullptr || (lpData != nullptr && lpcbData == nullptr)) {
        return ERROR_INVALID_PARAMETER;
    }
    const auto polku = KahvanPolku(hKey);
    if (!polku) {
        return ERROR_INVALID_HANDLE;
    }
    const auto luettu = LueNykyinen();
    if (luettu.virhe != ERROR_SUCCESS) {
        return luettu.virhe;
    }
    const Avain* avain = luettu.versio->sisalto.juuri.Polku(*polku);
    if (avain == nullptr) {
        return polku->isEmpty() ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
    }
    const Arvo* arvo = avain->Etsi(AnsiTekstiksi(lpValueName));
    if (arvo == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    QByteArray data = OnTekstilaji(arvo->tyyppi) ? Utf16Ansiksi(arvo->data) : arvo->data;
    if ((arvo->tyyppi == REG_SZ || arvo->tyyppi == REG_EXPAND_SZ) &&
        (data.isEmpty() || data.back() != '\0')) {
        data.append('\0');
    }
    if (lpType != nullptr) {
        *lpType = arvo->tyyppi;
    }
    const auto koko = static_cast<DWORD>(data.size());
    if (lpData == nullptr) {
        if (lpcbData != nullptr) {
            *lpcbData = koko;
        }
        return ERROR_SUCCESS;
    }
    if (*lpcbData < koko) {
        *lpcbData = koko;
        return ERROR_MORE_DATA;
    }
    if (koko > 0) {
        std::memcpy(lpData, data.constData(), koko);
    }
    *lpcbData = koko;
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD /*Reserved*/, DWORD dwType,
                       const BYTE* lpData, DWORD cbData) {
    if (lpData == nullptr && cbData > 0) {
        return ERROR_NOACCESS;
    }
    if (cbData > SuurinArvo) {
        return ERROR_INVALID_PARAMETER;
    }
    const auto polku = KahvanPolku(hKey);
    if (!polku) {
        return ERROR_INVALID_HANDLE;
    }
    const QString nimi = AnsiTekstiksi(lpValueName);
    if (nimi.size() > 16383) {
        return ERROR_INVALID_PARAMETER;
    }
    QByteArray data;
    if (OnTekstilaji(dwType)) {
        data = Utf16Tavuiksi(Cp1252Tekstiksi(QByteArrayView(lpData, cbData)));
        // Text always ends with its zero, whether or not the caller counted it.
        if (dwType != REG_MULTI_SZ && (cbData == 0 || lpData[cbData - 1] != 0)) {
            data.append(2, '\0');
        }
    } else if (cbData > 0) {
        data = QByteArray(reinterpret_cast<const char*>(lpData), static_cast<qsizetype>(cbData));
    }
    return Muokkaa([&](Avain& juuri, bool& muuttui) {
        Avain* avain = juuri.Polku(*polku);
        if (avain == nullptr) {
            return ERROR_KEY_DELETED;
        }
        muuttui = avain->Aseta(nimi, dwType, data);
        return ERROR_SUCCESS;
    });
}

LSTATUS RegFlushKey(HKEY hKey) {
    // Every change is on disk before its call returns; nothing is pending.
    return KahvanPolku(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LSTATUS RegCloseKey(HKEY hKey) {
    if (hKey == HKEY_CURRENT_USER) {
        return ERROR_SUCCESS;
    }
    return SuljeKahva(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LSTATUS RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
    if (lpSubKey == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    Kohde kohde;
    if (const LONG virhe = JasennaKohde(hKey, lpSubKey, kohde); virhe != ERROR_SUCCESS) {
        return virhe;
    }
    QStringList polku = kohde.pohja + kohde.ala;
    if (polku.isEmpty()) {
        return ERROR_ACCESS_DENIED; // the root itself
    }
    const QString viimeinen = polku.takeLast();
    return Muokkaa([&](Avain& juuri, bool& muuttui) {
        Avain* vanhempi = juuri.Polku(polku);
        if (vanhempi == nullptr) {
            return ERROR_FILE_NOT_FOUND;
        }
        const Avain* kohdeAvain = vanhempi->Alaavain(viimeinen);
        if (kohdeAvain == nullptr) {
            return ERROR_FILE_NOT_FOUND;
        }
        if (!kohdeAvain->alaavaimet.empty()) {
            return ERROR_ACCESS_DENIED;
        }
        muuttui = vanhempi->alaavaimet.erase(viimeinen) == 1;
        return ERROR_SUCCESS;
    });
}

} // extern "C"
