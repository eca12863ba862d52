#pragma once

namespace sorvik {

// Qt's own texts (context menus, standard dialogs) in Finnish, and Finnish
// number formats. Call once the application object exists. Returns whether
// the translation was found.
bool AsennaSuomi();

} // namespace sorvik
