#include "core/system/version.h"
#include "gui/main_window.h"
#include "gui/qt_language.h"

#include <QApplication>
#include <QFont>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before any display is needed.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tolvane %s\n", qPrintable(tolvane::programVersion()));
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    // The desktop entry's name: Wayland matches the window to the entry (and
    // its icon) by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(TOLVANE_APP_ID));
    QApplication::setApplicationVersion(tolvane::programVersion());
    tolvane::installChineseTranslations(app);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(9);
    QApplication::setFont(font);

    tolvane::MainWindow window(tolvane::systemEnv());
    window.start();
    window.show();
    return QApplication::exec();
}
