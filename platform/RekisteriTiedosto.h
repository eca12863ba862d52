#pragma once
// The hive file: HKEY_CURRENT_USER as a tree of keys and values, and its text
// form, which is the registry editor's own export format. Internal to the
// registry layer; the programs see only rekisteri.h.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <optional>

namespace sorvik::rekisteri {

// Orders names as the registry compares them: without regard to case.
struct NimiJarjestys {
    bool operator()(const QString& a, const QString& b) const {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    }
};

// One value. Text kinds (1, 2, 7) hold UTF-16LE like the registry itself; the
// "A" functions convert at their boundary.
struct Arvo {
    std::uint32_t tyyppi = 0;
    QByteArray data;
};

// Values and subkeys by name, spelled as first given. Maps keep a file of many
// entries quick to read and give the order in which they are written.
struct Avain {
    std::map<QString, Arvo, NimiJarjestys> arvot;
    std::map<QString, Avain, NimiJarjestys> alaavaimet;

    [[nodiscard]] Avain* Alaavain(const QString& nimi);
    [[nodiscard]] const Avain* Alaavain(const QString& nimi) const;
    [[nodiscard]] const Arvo* Etsi(const QString& arvonNimi) const;
    // Follows a path of key names; null when any is missing.
    [[nodiscard]] Avain* Polku(const QStringList& polku);
    [[nodiscard]] const Avain* Polku(const QStringList& polku) const;
    // Follows a path, creating what is missing. Tells whether anything was created.
    Avain& LuoPolku(const QStringList& polku, bool& luotiin);
    // Sets a value, keeping the spelling of an existing name. Tells whether
    // anything changed.
    bool Aseta(const QString& arvonNimi, std::uint32_t tyyppi, const QByteArray& data);
};

// Kinds 1, 2 and 7 hold text.
inline bool OnTekstilaji(std::uint32_t tyyppi) {
    return tyyppi == 1 || tyyppi == 2 || tyyppi == 7;
}

// How deep the tree may go, as in the registry. It also bounds the recursion
// over a tree read from a file.
inline constexpr qsizetype SuurinSyvyys = 512;

// Key names joined by single backslashes, one trailing backslash allowed; the
// empty text is the empty path. Nothing if a name is empty, longer than 255 or
// holds a control character, or if there are more than SuurinSyvyys names.
std::optional<QStringList> JasennaAvainpolku(QStringView polku);

// Windows-1252 bytes as text, and text as UTF-16LE bytes.
QString Cp1252Tekstiksi(QByteArrayView ansi);
QByteArray Utf16Tavuiksi(QStringView teksti);

struct LuettuTiedosto {
    Avain juuri;
    // Nothing in the file could be understood (neither a header nor a key).
    bool kelvoton = false;
    // Lines that had to be skipped; what they held is lost on the next write.
    std::int64_t hylatytRivit = 0;
};

// Reads a hive leniently: UTF-16 with a byte-order mark, UTF-8 with or without
// one, "REGEDIT4" in Windows-1252; LF or CRLF; comments, blank lines, folded hex
// lines, deletions. A line that cannot be understood is skipped on its own.
LuettuTiedosto Jasenna(const QByteArray& tiedosto);

// Writes the hive exactly as the registry editor exports it; nothing if that
// would take more than `raja` bytes (every section repeats its whole path, so a
// small file of deep keys could otherwise grow without bound).
std::optional<QByteArray> Sarjallista(const Avain& juuri, qsizetype raja);

inline constexpr const char* JuurenNimi = "HKEY_CURRENT_USER";

} // namespace sorvik::rekisteri
