#include "support/fake_engine.h"

#include "platform/error.h"

#include <QFile>

namespace tolvane::test {

namespace {

class FakeEngine : public Engine {
public:
    explicit FakeEngine(std::vector<FakeEngineFactory::OpenCall>& opens) : opens_(opens) {}

    std::unique_ptr<Database> openDatabase(const QString& path) override {
        return open(path, false, false, QString(), false);
    }
    std::unique_ptr<Database> openDatabase(const QString& path, bool exclusive, bool readOnly,
                                           const QString& connect) override {
        return open(path, exclusive, readOnly, connect, true);
    }

private:
    std::unique_ptr<Database> open(const QString& path, bool exclusive, bool readOnly,
                                   const QString& connect, bool fourArguments) {
        opens_.push_back({path, fourArguments, exclusive, readOnly, connect});
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
