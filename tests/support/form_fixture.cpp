#include "support/form_fixture.h"

#include "catalogue/open_mdb.h"
#include "platform/engine.h"

#include <QDir>
#include <QFile>

namespace tolvane::test {

FormTest::FormTest() {
    QDir(programDir_.path()).mkdir(QStringLiteral("mdb"));
    const QString copy = cataloguePath();
    if (!QFile::copy(QStringLiteral(TOLVANE_STARTER_CATALOGUE), copy))
        ADD_FAILURE() << "cannot copy the starter catalogue";
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    // A machine that has run the program before: the engine is known.
    settings.write(settingsAppName(QStringLiteral("varnel")), kEngineVersionEntry,
                   kEngineVersionEntry, QStringLiteral("DAO.DBEngine.36"));
    env.engines = &engines;
    env.settings = &settings;
    env.files = &files;
    env.processes = &processes;
    env.dialogs = &dialogs;
    env.clipboard = &clipboard;
    env.machine = &machine;
    env.programDir = programDir_.path();
    env.programName = QStringLiteral("tolvane");
}

FormTest::~FormTest() = default;

Form1& FormTest::load() {
    form = std::make_unique<Form1>(env);
    form->Form_Load();
    return *form;
}

QString FormTest::cataloguePath() const { return programDir_.path() + QStringLiteral("/mdb/winapi.mdb"); }

void FormTest::sql(const QString& statement) {
    engines.create(QStringLiteral("DAO.DBEngine.36"))->openDatabase(cataloguePath())->execute(statement);
}

QVariant FormTest::value(const QString& query) {
    auto db = engines.create(QStringLiteral("DAO.DBEngine.36"))->openDatabase(cataloguePath());
    auto rs = db->openRecordset(query);
    if (rs->eof()) return {};
    return rs->field(QStringLiteral("v"));
}

}  // namespace tolvane::test
