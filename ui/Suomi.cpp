#include "Suomi.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace sorvik {

bool AsennaSuomi() {
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    // Owned by the application object, so it lives as long as the texts it serves.
    auto* kaannos = new QTranslator(QCoreApplication::instance());
    if (!kaannos->load(QLocale(QLocale::Finnish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete kaannos;
        return false;
    }
    return QCoreApplication::installTranslator(kaannos);
}

} // namespace sorvik
