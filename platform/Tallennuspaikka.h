#pragma once
// Where HKEY_CURRENT_USER is kept: the file
// ${XDG_CONFIG_HOME:-$HOME/.config}/sorvik/user.reg. Internal to the registry
// layer.
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
#include "rekisteri.h"

#include <functional>

namespace sorvik::rekisteri {

// Runs `muutos` on the current content under the lock and writes the result
// if it changed anything. `muutos` returns a result code and sets `muuttui`.
LONG Muokkaa(const std::function<LONG(Avain& juuri, bool& muuttui)>& muutos);

// The current content for a read; takes no lock, since every write replaces
// the file whole. A file that cannot be parsed reads as empty.
Haku LueNykyinen();

} // namespace sorvik::rekisteri
