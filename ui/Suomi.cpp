#include "Suomi.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace sorvik {

bool AsennaSuomi() {
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    auto kaannos = std::make_unique<QTranslator>();
    if (!kaannos->load(QLocale(QLocale::Finnish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    // Owned by the application object, so it lives as long as the texts it serves.
    kaannos->setParent(QCoreApplication::instance());
    return QCoreApplication::installTranslator(kaannos.release());
}

} // namespace sorvik
