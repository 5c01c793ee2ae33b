#include "support/fake_engine.h"

#include "platform/error.h"

#include <QFile>

namespace tolvane::test {

std::unique_ptr<Recordset> FakeDatabase::openRecordset(const QString&) { throw Error(err::EngineFailure); }
std::unique_ptr<Recordset> FakeDatabase::openTable(const QString&) { throw Error(err::EngineFailure); }
void FakeDatabase::execute(const QString&) { throw Error(err::EngineFailure); }

namespace {

class FakeEngine : public Engine {
public:
    explicit FakeEngine(std::vector<FakeEngineFactory::OpenCall>& opens) : opens_(opens) {}

    std::unique_ptr<Database> openDatabase(const QString& path) override {
        opens_.push_back({path, false, false, false, QString()});
        return open(path, QString());
    }
    std::unique_ptr<Database> openDatabase(const QString& path, bool exclusive, bool readOnly,
                                           const QString& connect) override {
        opens_.push_back({path, true, exclusive, readOnly, connect});
        return open(path, connect);
    }

private:
    static std::unique_ptr<Database> open(const QString& path, const QString& connect) {
        if (path.contains(u'*') || path.contains(u'?')) throw Error(err::NotValidFileName);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) throw Error(err::CannotFindFile);
        const QString firstLine = QString::fromUtf8(file.readLine()).trimmed();
        if (firstLine == "DAMAGED") throw Error(err::NotInDatabase);
        if (firstLine.startsWith("PASSWORD=") && connect != ";PWD=" + firstLine.mid(9))
            throw Error(err::NotValidPassword);
        return std::make_unique<FakeDatabase>(path);
    }

    std::vector<FakeEngineFactory::OpenCall>& opens_;
};

}  // namespace

std::unique_ptr<Engine> FakeEngineFactory::create(const QString& progId) {
    if ((progId != "DAO.DBEngine.36" && progId != "DAO.DBEngine.35") || uncreatable.contains(progId))
        throw Error(err::CannotCreateObject);
    return std::make_unique<FakeEngine>(opens);
}

}  // namespace tolvane::test
