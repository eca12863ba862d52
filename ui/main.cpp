// Sorvik: a game of naval battle against the computer.

#include "frmSorvik.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication sovellus(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Sorvik"));

    // Qt's own texts (context menus, standard dialogs) in Finnish.
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    QTranslator kaannos;
    if (kaannos.load(QLocale(QLocale::Finnish), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&kaannos);
    }

    sorvik::frmSorvik ikkuna;
    ikkuna.Form_Load();
    ikkuna.show();
    return QApplication::exec();
}
