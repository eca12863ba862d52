#pragma once
// What the registry and store tests share on Linux and on Windows: a private
// root for HKEY_CURRENT_USER, so that no test sees the real user's values or
// another test's, and helpers over the raw functions that keep the calls'
// results visible.

#include "rekisteri.h"

#include <gtest/gtest.h>

#include <string>

#if defined(_WIN32)

// HKEY_CURRENT_USER of this process is a fresh key of its own under
// Software\SorvikTestit, removed with everything in it afterwards.
class Eristys {
public:
    Eristys() {
        static int laskuri = 0;
        polku_ = std::string(Juuri) + '\\' + std::to_string(GetCurrentProcessId()) + '_' +
                 std::to_string(++laskuri);
        kelpaa_ = RegCreateKeyExA(HKEY_CURRENT_USER, polku_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &oma_, nullptr) == ERROR_SUCCESS &&
                  RegOverridePredefKey(HKEY_CURRENT_USER, oma_) == ERROR_SUCCESS;
    }
    ~Eristys() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        if (oma_ != nullptr) {
            RegCloseKey(oma_);
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, polku_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, Juuri); // only once it is empty
    }
    Eristys(const Eristys&) = delete;
    Eristys& operator=(const Eristys&) = delete;

    [[nodiscard]] bool Kelpaa() const { return kelpaa_; }
    // The registry lets a user write their own keys whatever the handle, so
    // a store that refuses writes cannot be made.
    [[nodiscard]] static bool EstaKirjoitus() { return false; }

private:
    static constexpr const char* Juuri = "Software\\SorvikTestit";
    std::string polku_;
    HKEY oma_ = nullptr;
    bool kelpaa_ = false;
};

#else

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

// HKEY_CURRENT_USER is the file of a fresh configuration folder, removed with
// everything in it afterwards.
class Eristys {
public:
    Eristys() {
        std::string malli = (std::filesystem::temp_directory_path() / "sorvik-XXXXXX").string();
        if (::mkdtemp(malli.data()) != nullptr) {
            koti_ = malli;
            ::setenv("XDG_CONFIG_HOME", koti_.c_str(), 1);
        }
    }
    ~Eristys() {
        std::error_code virhe;
        std::filesystem::remove_all(koti_, virhe);
    }
    Eristys(const Eristys&) = delete;
    Eristys& operator=(const Eristys&) = delete;

    [[nodiscard]] bool Kelpaa() const { return !koti_.empty(); }
    // A file where the folder should be: nothing can be written.
    [[nodiscard]] bool EstaKirjoitus() const {
        return static_cast<bool>(std::ofstream(koti_ + "/sorvik"));
    }

private:
    std::string koti_;
};

#endif

// Why a test of a store that refuses writes is skipped.
inline constexpr const char* EiEstettavissa =
    "a registry that refuses this user's writes cannot be set up here";

class Eristetty : public ::testing::Test, public Eristys {
protected:
    void SetUp() override { ASSERT_TRUE(Kelpaa()); }
};

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
