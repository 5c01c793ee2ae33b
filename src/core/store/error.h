#pragma once

#include <QString>

#include <exception>
#include <string>

namespace tolvane {

// Error numbers that callers dispatch on. They keep the numbering of the
// classic desktop database engine so that recovery code reads the same.
namespace err {
constexpr int Overflow = 6;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int PathFileAccess = 75;
constexpr int CannotCreateObject = 429;
constexpr int NoCurrentRecord = 3021;
constexpr int CannotFindFile = 3024;
constexpr int NotValidPassword = 3031;
constexpr int FileInUse = 3051;
constexpr int NotValidFileName = 3055;
constexpr int TooFewParameters = 3061;
constexpr int UnknownName = 3070;
constexpr int SyntaxError = 3075;
constexpr int NoSuchTable = 3078;
constexpr int UnknownField = 3265;
constexpr int UpdateWithoutEdit = 3020;
constexpr int CannotUpdate = 3027;
constexpr int DiskFull = 3035;
constexpr int NotInDatabase = 3343;
constexpr int SqlSyntax = 3142;
constexpr int InvalidPattern = 3400;
constexpr int ClipboardFailure = 521;
constexpr int EngineFailure = 3146;
constexpr int OutOfMemory = 7;
constexpr int DuplicateKey = 3022;
constexpr int DiskError = 3043;
constexpr int CannotExecuteSelect = 3065;
constexpr int InvalidSql = 3129;
constexpr int FieldTooSmall = 3163;
constexpr int FieldNotUpdatable = 3164;
constexpr int RecordDeleted = 3167;
constexpr int Locked = 3218;
constexpr int InvalidOperation = 3219;
constexpr int ValidationFailed = 3317;
constexpr int ObjectClosed = 3420;
constexpr int TypeMismatch = 3464;
constexpr int NotPermitted = 3033;
constexpr int Cancelled = 3059;
constexpr int Busy = 3211;
}  // namespace err

// Every failure of the engine and of the other platform services: a number
// and a description (Simplified Chinese, shown to the user as it stands).
class Error : public std::exception {
public:
    Error(int number, QString description);
    // The standard description for a known number.
    explicit Error(int number);

    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    std::string what_;
};

// The standard Chinese description of an error number ("" when unknown).
QString describeError(int number);

}  // namespace tolvane
