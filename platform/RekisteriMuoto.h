#pragma once
// What the reading and writing halves of the hive file share: the header
// lines, the escapes of quoted text, and the file cut into decoded lines.
// Internal to RekisteriTiedosto; nothing outside the file format uses it.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <utility>
#include <vector>

namespace sorvik::rekisteri {

inline constexpr QStringView Otsikko5 = u"Windows Registry Editor Version 5.00";
inline constexpr QStringView Otsikko4 = u"REGEDIT4";

// The escapes in quoted text: the letter after "\" and the character it stands
// for. Any other "\" stands for itself.
inline constexpr std::array<std::pair<char16_t, char16_t>, 4> Koodinvaihdot = {
    {{u'\\', u'\\'}, {u'"', u'"'}, {u'r', u'\r'}, {u'n', u'\n'}}};

// One line of the file as text, without its line break. A line that could not
// be decoded whole, or that was cut off at the end of the file, does not pass.
struct Rivi {
    QString teksti;
    bool kelpaa = true;
};

// Recognises the encoding by the byte-order mark or the first bytes and cuts
// the file into lines at LF, dropping the CR of a CRLF.
std::vector<Rivi> JaaRiveiksi(const QByteArray& t);

} // namespace sorvik::rekisteri
