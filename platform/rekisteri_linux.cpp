// The registry functions on a system without a registry: HKEY_CURRENT_USER is
// the file ${XDG_CONFIG_HOME:-$HOME/.config}/sorvik/user.reg in the registry
// editor's export format.
//
// Tallennuspaikka.h keeps the file, its lock and its writing; here are the key
// handles, the conversion of the "A" functions' text and the functions
// themselves.

#include "RekisteriTiedosto.h"
#include "Tallennuspaikka.h"
#include "Valimuisti.h"
#include "koodisivu.h"
#include "rekisteri.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

namespace {

using sorvik::rekisteri::Arvo;
using sorvik::rekisteri::Avain;
using sorvik::rekisteri::Cp1252Tekstiksi;
using sorvik::rekisteri::LueNykyinen;
using sorvik::rekisteri::Muokkaa;
using sorvik::rekisteri::OnTekstilaji;
using sorvik::rekisteri::Utf16Tavuiksi;

// A value may hold at most this much; the whole file at most SuurinTiedosto
// (Valimuisti.h). Anything bigger is not ours and is not read into memory.
constexpr DWORD SuurinArvo = 1024 * 1024;

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
