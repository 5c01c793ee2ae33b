#include "support/window_fixture.h"

#include "core/locate/open_catalogue.h"
#include "support/catalogues.h"

#include <QDir>
#include <QFile>

namespace tolvane::test {

WindowTest::WindowTest() {
    QDir(programDir_.path()).mkdir(QStringLiteral("mdb"));
    const QString copy = cataloguePath();
    if (!QFile::copy(QStringLiteral(TOLVANE_STARTER_CATALOGUE), copy))
        ADD_FAILURE() << "cannot copy the starter catalogue";
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    // A machine that has run the program before: the engine is known.
    settings.write(settingsAppName(QStringLiteral("varnel")), kEngineVersionEntry,
                   kEngineVersionEntry, QStringLiteral("DAO.DBEngine.36"));
    env.programDir = programDir_.path();
}

WindowTest::~WindowTest() = default;

WindowUser& WindowTest::load(bool realDelay) {
    user.reset();
    form = std::make_unique<MainWindow>(env);
    form->start();
    form->show();
    user = std::make_unique<WindowUser>(*form, realDelay);
    return *user;
}

QString WindowTest::cataloguePath() const {
    return programDir_.path() + QStringLiteral("/mdb/winapi.mdb");
}

void WindowTest::sql(const QString& statement) { runSql(cataloguePath(), statement); }

QVariant WindowTest::value(const QString& query) {
    const QVariantList values = queryColumn(cataloguePath(), query);
    return values.isEmpty() ? QVariant() : values.front();
}

}  // namespace tolvane::test
