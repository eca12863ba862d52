// sorvikpyyhin: removes everything the game has stored for this user.

#include "Suomi.h"
#include "frmSorvikPoisto.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication sovellus(argc, argv);
    // It is the second action of the game's launcher: the desktop shows the
    // game's icon for its message.
    QGuiApplication::setDesktopFileName(QStringLiteral(SORVIK_SOVELLUSTUNNUS));
    sorvik::AsennaSuomi();
    sorvik::frmSorvikPoisto lomake;
    lomake.Form_Load();
    return 0;
}
