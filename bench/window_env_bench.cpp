#include "window_env_bench.h"

#include "core/locate/open_catalogue.h"

#include <QCoreApplication>

namespace tolvane::bench {

QString RememberedCatalogue::read(const QString&, const QString& section, const QString&,
                                  const QString& defaultValue) {
    if (section == kCataloguePathEntry) return path_;
    if (section == kEngineVersionEntry) return QStringLiteral("DAO.DBEngine.36");
    return defaultValue;
}

BenchEnv::BenchEnv(const std::string& path) : settings(QString::fromStdString(path)) {
    env.settings = &settings;
    env.files = &files;
    env.dialogs = &dialogs;
    env.clipboard = &clipboard;
    env.geometry = &geometry;
}

std::unique_ptr<MainWindow> startWindow(const WindowEnv& env) {
    auto window = std::make_unique<MainWindow>(env);
    window->start();
    window->show();
    QCoreApplication::processEvents();
    return window;
}

}  // namespace tolvane::bench
