// Test helper: runs the cleaner's start-up exactly as sorvikpyyhin does, with
// its message box answered at once. Prints the box's caption; exits with 0
// when the key was deleted, 1 when not.

#include "Suomi.h"
#include "Vastaaja.h"
#include "frmSorvikPoisto.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication sovellus(argc, argv);
    sorvik::AsennaSuomi();
    Vastaaja vastaaja;
    sorvik::frmSorvikPoisto lomake;
    const bool poistettu = lomake.Form_Load();
    std::printf("%s\n", vastaaja.nahty.otsikko.toUtf8().constData());
    return poistettu ? 0 : 1;
}
