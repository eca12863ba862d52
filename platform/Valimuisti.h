#pragma once
// The hive file as last read, kept parsed: a call reads and parses the file
// again only when the file on the path is no longer the one it saw (another
// inode, size, modification or change time). Internal to the registry layer.

#include "RekisteriTiedosto.h"
#include "rekisteri.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace sorvik::rekisteri {

// One version of the file: what it held, and whether there was a file at all.
struct Versio {
    LuettuTiedosto sisalto;
    bool tiedostoOn = false;
};

struct Haku {
    LONG virhe = ERROR_SUCCESS;
    std::shared_ptr<const Versio> versio; // set when virhe is ERROR_SUCCESS
};

// A file bigger than this is not read into memory; it counts as unparseable.
inline constexpr qint64 SuurinTiedosto = 64 * 1024 * 1024;

// The current version of the file `nimi`. Only a missing file reads as empty;
// any other failure to open or read it is an error. With `kuvasta` a read
// inside a Tilannekuva gets the version the Tilannekuva holds.
Haku NykyinenVersio(const QString& nimi, bool kuvasta);

// Tells that the file `nimi` now holds `versio`, just written under the lock.
void Kirjoitettu(const QString& nimi, std::shared_ptr<const Versio> versio);

// How many times this process has parsed a hive file.
std::uint64_t Jasennyksia();

} // namespace sorvik::rekisteri
