// sorvikpyyhin: removes everything the game has stored for this user.

#include "Suomi.h"
#include "frmSorvikPoisto.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication sovellus(argc, argv);
    sorvik::AsennaSuomi();
    sorvik::frmSorvikPoisto lomake;
    lomake.Form_Load();
    return 0;
}
