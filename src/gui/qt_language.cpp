#include "gui/qt_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tolvane {

bool installChineseTranslations(QCoreApplication& app) {
    // The translator belongs to the application, which consults it for as
    // long as it lives. "qt" is the catalogue that pulls in Qt's modules.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qt_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace tolvane
