#pragma once
// What the game needs of the high-score side: the last rank's streak, the name
// dialog and its answer, entering a streak in the list, and storing a value.

#include <cstdint>
#include <string>

namespace sorvik {

// How the name dialog was closed: OK with a name, Peruuta (also Esc), or the
// window frame.
enum class Nimivastaus { OK, Peruuta, Suljettu };

struct NimenKysely {
    Nimivastaus vastaus = Nimivastaus::Suljettu;
    std::string nimi;
};

class Tulospalvelu {
public:
    virtual ~Tulospalvelu() = default;

    // The streak at the last rank of the high-score list.
    [[nodiscard]] virtual std::int16_t ListanViimeinenTulos() = 0;
    // Shows the name dialog for the streak modally and tells how it closed.
    [[nodiscard]] virtual NimenKysely KysyNimi(std::int16_t voitot) = 0;
    // Enters the streak under the name, saves the list and loads it again.
    virtual void LisaaListalle(const std::string& nimi, std::int16_t voitot) = 0;
    // Writes one text value into the program's settings key.
    virtual void Tallenna(const std::string& nimi, const std::string& arvo) = 0;
};

// The streak once the name dialog has answered: OK enters it in the list and
// ends it, Peruuta ends it, and closing the dialog by its frame keeps it.
[[nodiscard]] std::int16_t PutkiNimikyselynJalkeen(const NimenKysely& kysely, std::int16_t voitot,
                                                   Tulospalvelu& tulokset);

} // namespace sorvik
