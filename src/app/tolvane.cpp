#include "core/system/version.h"
#include "gui/main_window.h"
#include "gui/qt_language.h"

#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
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
