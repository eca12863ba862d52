#pragma once
// The cleaner's start-up form: its loading deletes the game's registry key,
// tells the user how it went, and that is the whole program. It is never shown.

#include <QWidget>

namespace sorvik {

class frmSorvikPoisto : public QWidget {
public:
    explicit frmSorvikPoisto(QWidget* omistaja = nullptr);

    // Deletes the key and shows the result in a modal message box; returns
    // when the user has closed it. Tells whether the key was deleted.
    bool Form_Load();
};

// Deletes "Software\Harvokki\Sorvik 1.1 Freeware" under HKEY_CURRENT_USER with
// all its values; its parent stays.
bool PoistaOhjelmanAvain();

} // namespace sorvik
