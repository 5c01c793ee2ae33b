// tolvane-find as a user or a script meets it: options, exit codes, error
// lines, JSON, where it finds the catalogue, and that it only reads.
#include "core/lookup/declaration_forms.h"
#include "core/store/record.h"
#include "gui/detail_fields.h"
#include "support/catalogues.h"
#include "support/find_run.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <map>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QStringList lines(const QByteArray& out) {
    QStringList result = QString::fromUtf8(out).split(u'\n');
    result.removeLast();
    return result;
}

class FindCommandTest : public ::testing::Test {
protected:
    FindCommandTest()
        : starter(dir.make("starter.mdb", dataFile("starter.sql"))),
          secret(dir.make("secret.mdb", dataFile("starter.sql"), "s3cret")) {}

    CatalogueDir dir;
    const QString starter;
    const QString secret;
};

}  // namespace

TEST_F(FindCommandTest, ErrorsExitTwoWithOneEnglishLineAndNothingOnStandardOutput) {
    const QString damaged = dir.writeFile("damaged.mdb", QByteArray(1000, 'x'));
    const QString wrongPassword = dir.writeFile("wrong.txt", "guess\n");
    const QString old = dir.makeFrom("old.mdb", schemaWithoutVba64() + dataFile("starter.sql"));
    const QByteArray starterBytes = bytesOf(starter), secretBytes = bytesOf(secret),
                     damagedBytes = bytesOf(damaged);
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{"[a"}, "malformed pattern '[a'"},
        {{"Get[z-a]"}, "malformed pattern"},
        {{"--full-text", "x[!"}, "malformed pattern"},
        {{"--colour", "x"}, "Unknown option 'colour'"},
        {{"--limit"}, "Missing value after '--limit'"},
        {{"--limit", "-1", "x"}, "--limit takes a whole number"},
        {{"--category", "18", "x"}, "unknown category '18'"},
        {{"--dll", "kernel32.dll", "x"}, "unknown DLL 'kernel32.dll'"},
        {{"--form", "vb6", "x"}, "unknown form 'vb6'"},
        {{"--json", "--names", "x"}, "cannot be combined"},
        {{"--full-text", "--dll", "user32", "x"}, "takes no --category or --dll"},
        {{}, "no PATTERN given"},
        {{"Get", "Set"}, "exactly one PATTERN"},
        {{""}, "the PATTERN is empty"},
        {{"--catalogue", old, "--form", "vba64", "Get"}, "has no vba64 column"},
        {{"--catalogue", dir.path("missing.mdb"), "x"}, "catalogue not found"},
        {{"--catalogue", dir.path("*.mdb"), "x"}, "not a usable catalogue file name"},
        {{"--catalogue", damaged, "x"}, "is no Tolvane catalogue"},
        {{"--catalogue", secret, "x"}, "is encrypted: give its password with --password-file"},
        {{"--catalogue", secret, "--password-file", wrongPassword, "x"}, "wrong password"},
        {{"--catalogue", secret, "--password-file", dir.path("none.txt"), "x"},
         "cannot read the password file"},
    };
    for (const auto& c : cases) {
        QStringList arguments = c.arguments;
        if (!arguments.contains("--catalogue"))
            arguments.prepend(starter), arguments.prepend("--catalogue");
        const FindRun run = runFind(arguments);
        const QString err = QString::fromUtf8(run.err);
        EXPECT_EQ(run.status, 2) << c.says;
        EXPECT_EQ(run.out, QByteArray()) << c.says;
        EXPECT_TRUE(err.startsWith("tolvane-find: ") && err.endsWith(u'\n') &&
                    err.count(u'\n') == 1)
            << err.toStdString();
        EXPECT_TRUE(err.contains(c.says)) << err.toStdString();
    }
    EXPECT_EQ(bytesOf(starter), starterBytes);
    EXPECT_EQ(bytesOf(secret), secretBytes);
    EXPECT_EQ(bytesOf(damaged), damagedBytes);
}

TEST_F(FindCommandTest, NothingMatchedExitsOneSilently) {
    for (const QStringList& options : {QStringList{}, {"--json"}, {"--names"}, {"--full-text"}}) {
        const FindRun run = runFind(options + QStringList{"--catalogue", starter, "NoSuchThing"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out + run.err, QByteArray());
    }
}

TEST_F(FindCommandTest, EncryptedCatalogueReadsWithItsPasswordAndStaysUnchanged) {
    const QString password = dir.writeFile("password.txt", "s3cret\r\n");
    const QByteArray before = bytesOf(secret);
    const FindRun plain = runFind({"--catalogue", starter, "--form", "cs", "File"});
    const FindRun encrypted =
        runFind({"--catalogue", secret, "--password-file", password, "--form", "cs", "File"});
    EXPECT_EQ(encrypted.status, 0) << encrypted.err.constData();
    EXPECT_EQ(encrypted.out, plain.out);
    EXPECT_EQ(bytesOf(secret), before);
}

// Reading changes nothing beside the file, even in WAL mode; another
// program's lock is waited for, then told in one line.
TEST_F(FindCommandTest, ReadsWithoutWritingAndWaitsForAWriter) {
    runSql(starter, "PRAGMA journal_mode = WAL");
    const QByteArray before = bytesOf(starter);
    const FindRun wal = runFind({"--catalogue", starter, "--names", "Sleep"});
    EXPECT_EQ(wal.status, 0) << wal.err.constData();
    EXPECT_EQ(bytesOf(starter), before);
    EXPECT_EQ(QDir(dir.path("")).entryList({"starter.mdb-*"}, QDir::Files), QStringList());

    runSql(starter, "PRAGMA journal_mode = DELETE");
    sqlite3* holder = nullptr;
    sqlite3_open(QFile::encodeName(starter).constData(), &holder);
    sqlite3_exec(holder, "BEGIN EXCLUSIVE; UPDATE winfun SET other = 'x'", nullptr, nullptr,
                 nullptr);
    const FindRun locked = runFind({"--catalogue", starter, "--wait", "0.3", "Sleep"});
    EXPECT_EQ(locked.status, 2);
    EXPECT_EQ(locked.out, QByteArray());
    EXPECT_EQ(locked.err.count('\n'), 1);
    EXPECT_TRUE(locked.err.contains("is being written by another program")) << locked.err.data();
    EXPECT_EQ(runFind({"--catalogue", starter, "--wait", "soon", "Sleep"}).status, 2);
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
}

// Rows sharing an ID, and an ID stored as text, print themselves.
TEST_F(FindCommandTest, EachListedRowPrintsItself) {
    const QString odd =
        dir.makeFrom("odd.mdb",
                     "CREATE TABLE winfun (ID, name TEXT, declare TEXT);"
                     "INSERT INTO winfun VALUES (7, 'First', 'a'), (7, 'Second', 'b'), ('12', "
                     "'Text', 'c'), ('x', 'Skipped', 'd');");
    const FindRun json = runFind({"--catalogue", odd, "--json", "*"});
    EXPECT_EQ(json.status, 0);
    QStringList names;
    for (const QString& line : lines(json.out))
        names << QJsonDocument::fromJson(line.toUtf8()).object().value("name").toString();
    EXPECT_EQ(names, QStringList({"First", "Second", "Text"}));
    EXPECT_TRUE(json.err.contains("1 matching records have an ID that is no whole number"));
}

// Every column of every record comes back with its value and type, Null as
// null; the declaration is the private form without the record's line end.
TEST_F(FindCommandTest, JsonRoundTripsEveryColumn) {
    QStringList columns;
    for (int c = 0; c < kColumnCount; ++c) columns << columnName(Column(c));
    std::map<qint64, std::map<QString, QVariant>> stored;
    const QVariantList ids = queryColumn(starter, "SELECT ID FROM winfun ORDER BY ID");
    for (const QString& column : columns) {
        const QVariantList values =
            queryColumn(starter, "SELECT " + column + " FROM winfun ORDER BY ID");
        for (qsizetype row = 0; row < ids.size(); ++row)
            stored[ids[row].toLongLong()][column] = values[row];
    }

    const FindRun run = runFind({"--catalogue", starter, "--json", "--limit", "0", "--crlf", "*"});
    ASSERT_EQ(run.status, 0);
    const QList<QByteArray> records = run.out.split('\n');
    ASSERT_EQ(records.size(), qsizetype(stored.size()) + 1);  // every line ends in CR LF
    for (qsizetype i = 0; i + 1 < records.size(); ++i) {
        ASSERT_TRUE(records[i].endsWith('\r'));
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(records[i].chopped(1), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << records[i].constData();
        EXPECT_EQ(object.size(), columns.size() + 2);
        const auto& row = stored.at(object["ID"].toInteger());
        for (const QString& column : columns) {
            const QVariant value = row.at(column);
            const QJsonValue json = object[column];
            if (value.isNull())
                EXPECT_TRUE(json.isNull()) << column.toStdString();
            else if (value.typeId() == QMetaType::LongLong)
                EXPECT_EQ(json.toInteger(-999), value.toLongLong());
            else
                EXPECT_EQ(json.toString("(no text)"), value.toString()) << column.toStdString();
        }
        EXPECT_EQ(object["form"].toString(), "vb");
        EXPECT_EQ(object["declaration"].toString() + "\r\n",
                  copiedText(row.at("declare").toString(), true, OutputForm::VB));
    }
    // The stored form of a Null column is null as well.
    const FindRun lzOpen =
        runFind({"--catalogue", starter, "--json", "--public", "--form", "cs", "LZOpenFile"});
    EXPECT_TRUE(QJsonDocument::fromJson(lzOpen.out).object()["declaration"].isNull())
        << lzOpen.out.constData();
}

TEST_F(FindCommandTest, OptionsShapeTheOutput) {
    // --limit: at most N records, and a note when more match.
    const FindRun three = runFind({"--catalogue", starter, "--names", "--limit", "3", "*"});
    EXPECT_EQ(lines(three.out).size(), 3);
    EXPECT_TRUE(three.err.contains("more records match; showing the first 3"))
        << three.err.constData();
    const FindRun all = runFind({"--catalogue", starter, "--names", "--limit", "0", "*"});
    EXPECT_EQ(lines(all.out).size(), 49);
    EXPECT_EQ(all.err, QByteArray());
    EXPECT_EQ(lines(runFind({"--catalogue", starter, "--names", "*"}).out).size(),
              49);  // 50 by default

    // --public: the stored text, line breaks as LF.
    const QString sleepCs =
        queryTexts(starter, "SELECT CSharp FROM winfun WHERE name = 'Sleep'").front();
    EXPECT_EQ(runFind({"--catalogue", starter, "--public", "--form", "cs", "sleep"}).out,
              (QString(sleepCs).replace("\r\n", "\n") + "\n").toUtf8());

    // --dll takes a DLL after the fixed entries too, as the window lists them from the catalogue.
    const QString extra =
        dir.make("extra.mdb",
                 "INSERT INTO winfun (name, libsclass) VALUES ('InternetOpen', 'wininet.dll');");
    EXPECT_EQ(runFind({"--catalogue", extra, "--names", "--dll", "WinInet.dll", "Open"}).out,
              "InternetOpen\n");
    EXPECT_EQ(runFind({"--catalogue", extra, "--names", "--dll", "other.dll", "Open"}).status, 2);

    // --form vba64 reads its own column and is made private as VB is.
    const QString vba64 = "Declare PtrSafe Function GetTickCount Lib \"kernel32\" () As Long";
    const QString withVba64 = dir.make("vba64.mdb",
                                       "INSERT INTO winfun (name, declare, vba64) VALUES"
                                       " ('GetTickCount', 'x', '" +
                                           QString(vba64).replace("'", "''") + "');");
    const FindRun vba =
        runFind({"--catalogue", withVba64, "--form", "vba64", "--crlf", "GetTickCount"});
    EXPECT_EQ(vba.out, copiedText(vba64, true, OutputForm::Vba64).toUtf8());
    EXPECT_TRUE(
        QJsonDocument::fromJson(runFind({"--catalogue", withVba64, "--json", "GetTickCount"}).out)
            .object()
            .contains("vba64"));

    // --help: every option and three examples.
    const FindRun help = runFind({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--full-text", "--category", "--dll", "--form vb|cs|vba64", "--public", "--json",
          "--names", "--limit", "--catalogue", "--password-file", "--crlf", "--help"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    EXPECT_EQ(help.out.count("\n  tolvane-find "), 3);
}

// Without --catalogue: the remembered path, ./winapi.mdb, then mdb/winapi.mdb
// beside the program; the settings are read, never written.
TEST_F(FindCommandTest, FindsTheCatalogueWhereTheWindowDoes) {
    const QString remembered =
        dir.make("remembered.mdb", "INSERT INTO winfun (name) VALUES ('OnlyRemembered');");
    QDir(dir.path("")).mkpath("config/Tolvane");
    QDir(dir.path("")).mkpath("work");
    const QString config = dir.path("config");
    const QString work = dir.path("work");
    dir.make("work/winapi.mdb", "INSERT INTO winfun (name) VALUES ('OnlyHere');");
    const QString ini = dir.writeFile("config/Tolvane/QMWX_varnel.ini",
                                      "[MDB_Path]\nMDB_Path=" + remembered.toUtf8() + "\n");
    const QByteArray iniBytes = bytesOf(ini);
    const QByteArray rememberedBytes = bytesOf(remembered);

    EXPECT_EQ(runFind({"--names", "Only"}, config, work).out, "OnlyRemembered\n");
    EXPECT_EQ(runFind({"--names", "Only"}, {}, work).out, "OnlyHere\n");
    // A remembered file that has gone: its name in mdb/ beside the program,
    // the default catalogue.
    dir.writeFile("config/Tolvane/QMWX_varnel.ini", "[MDB_Path]\nMDB_Path=/gone/winapi.mdb\n");
    const FindRun builtIn = runFind({"CreateFile"}, config, dir.path(""));
    EXPECT_EQ(builtIn.status, 0) << builtIn.err.constData();
    EXPECT_TRUE(
        ("\n" + builtIn.out).contains("\nPrivate Declare Function CreateFile Lib \"kernel32\""))
        << builtIn.out.constData();
    EXPECT_EQ(bytesOf(remembered), rememberedBytes);
    // A malformed remembered path counts as none remembered.
    dir.writeFile("config/Tolvane/QMWX_varnel.ini", "[MDB_Path]\nMDB_Path=/no*where/winapi.mdb\n");
    EXPECT_EQ(runFind({"--names", "Only"}, config, work).out, "OnlyHere\n");
    dir.writeFile("config/Tolvane/QMWX_varnel.ini", iniBytes);
    runFind({"Only"}, config, work);
    EXPECT_EQ(bytesOf(ini), iniBytes);
}

TEST(FindBinaryTest, NeedsNoWidgetOrGuiLibrary) {
    QProcess readelf;
    readelf.start("readelf", {"-d", TOLVANE_FIND});
    ASSERT_TRUE(readelf.waitForFinished());
    const QByteArray needed = readelf.readAllStandardOutput();
    EXPECT_TRUE(needed.contains("libQt6Core")) << needed.constData();
    EXPECT_FALSE(needed.contains("libQt6Gui") || needed.contains("libQt6Widgets") ||
                 needed.contains("libQt6Network"))
        << needed.constData();
}
