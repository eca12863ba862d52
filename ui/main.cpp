// Sorvik: a game of naval battle against the computer.

#include "Kuvat.h"
#include "Suomi.h"
#include "frmSorvik.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication sovellus(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvik"));
    // The desktop finds the launcher and the icon by this id (the app id on
    // Wayland); every window shows the same icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SORVIK_SOVELLUSTUNNUS));
    QApplication::setWindowIcon(sorvik::OhjelmanKuvake());
    sorvik::AsennaSuomi();

    sorvik::frmSorvik ikkuna;
    ikkuna.Form_Load();
    ikkuna.show();
    return QApplication::exec();
}
