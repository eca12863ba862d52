// sorvikpyyhin: removes everything the game has stored for this user.

#include "frmSorvikPoisto.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication sovellus(argc, argv);
    sorvik::AsennaSuomenkielisetTekstit();
    sorvik::frmSorvikPoisto lomake;
    lomake.Form_Load();
    return 0;
}
