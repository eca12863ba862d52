// Sorvik: a game of naval battle against the computer.

#include "Suomi.h"
#include "frmSorvik.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication sovellus(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvik"));
    sorvik::AsennaSuomi();

    sorvik::frmSorvik ikkuna;
    ikkuna.Form_Load();
    ikkuna.show();
    return QApplication::exec();
}
