#pragma once
#include <string>

namespace sorvik {

// The rule settings. Only the corner rule changes how the game plays; the
// others are edited and stored by the settings dialog.
struct Saannot {
    std::string PelinAloitustapa;
    bool LaivojenKulmatSaavatKoskettaa = true;
    bool LaivaSaaSijaitaReunassa = true;
    bool NaytetaanLaivojenUppoaminen = false;
};

} // namespace sorvik
