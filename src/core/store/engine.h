#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

namespace tolvane {

// The catalogue engine. Every operation throws tolvane::Error on failure.
// A field value is a QVariant: an invalid QVariant is Null (distinct from the
// empty text), otherwise it holds a qlonglong or a QString.

class Recordset {
public:
    virtual ~Recordset() = default;

    // True when there is no current row (at once when nothing matched).
    virtual bool eof() const = 0;
    // The current row's value of a column, by name, case-insensitively.
    // Throws NoCurrentRecord without a current row, UnknownField for a bad name.
    virtual QVariant field(const QString& name) const = 0;

    // Moving off either end leaves no current row; moving on in the same
    // direction then throws NoCurrentRecord, moving back returns to the end
    // row. MoveFirst and MoveLast throw NoCurrentRecord when there are no rows.
    virtual void moveFirst() = 0;
    virtual void moveNext() = 0;
    virtual void movePrevious() = 0;
    virtual void moveLast() = 0;
    // Makes the first row meeting a criterion such as "ID=5" current; without
    // a match there is no current row, and MoveNext and MovePrevious then
    // throw NoCurrentRecord. An unusable criterion throws (UnknownName,
    // SyntaxError) and leaves the position as it was.
    virtual void findFirst(const QString& criterion) = 0;

    // AddNew or Edit, then setField for each value, then update(): the
    // values are written in one transaction. A new row gets every column at
    // its default and a fresh ID; after update() it is the current row. Like
    // Database::execute, update() writes nothing to a file that has been
    // deleted or replaced since it was opened.
    virtual void addNew() = 0;
    virtual void edit() = 0;
    virtual void setField(const QString& name, const QVariant& value) = 0;
    virtual void update() = 0;

    virtual void close() = 0;
};

class Database {
public:
    virtual ~Database() = default;

    // Exactly one statement; text after it is an error.
    virtual std::unique_ptr<Recordset> openRecordset(const QString& sql) = 0;
    // A recordset over a whole table that can take new rows.
    virtual std::unique_ptr<Recordset> openTable(const QString& table) = 0;
    // Runs one statement; touching no row is no failure. A statement that
    // writes fails, naming the file, when the file has been deleted or
    // replaced since it was opened; nothing is written then.
    virtual void execute(const QString& sql) = 0;
    // Called back while a statement runs, at least every ~50 ms of its work
    // and within long pattern matches; true cancels the statement, which then
    // fails with err::Cancelled. The check may process window input but must
    // not use this database: calls made from inside it fail with err::Busy,
    // and closing the database there cancels the statement and closes the
    // database once it has stopped (a recordset that is reading must stay
    // alive until then). An empty check lets statements run to their end.
    virtual void setInterruptCheck(std::function<bool()> check) = 0;
    virtual void close() = 0;
};

class Engine {
public:
    virtual ~Engine() = default;

    // Shared, read-write, no connect string.
    virtual std::unique_ptr<Database> openDatabase(const QString& path) = 0;
    // connect is ";PWD=" followed by the password.
    virtual std::unique_ptr<Database> openDatabase(const QString& path, bool exclusive,
                                                   bool readOnly, const QString& connect) = 0;
};

class EngineFactory {
public:
    virtual ~EngineFactory() = default;
    // "DAO.DBEngine.36" or "DAO.DBEngine.35"; anything else throws 429.
    virtual std::unique_ptr<Engine> create(const QString& progId) = 0;
};

}  // namespace tolvane
