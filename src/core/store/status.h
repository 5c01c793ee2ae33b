#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace tolvane {

// What stopped an operation, in the terms its callers act on. Each code has
// a standard Chinese message; a status may carry a more precise one.
enum class StatusCode {
    Ok,
    Cancelled,        // the caller asked the work to stop
    BadPath,          // a path the file probe cannot take (malformed)
    NotAFileName,     // a path that names no usable catalogue file
    FileMissing,      // no file at the path
    FileInUse,        // the file cannot be read, or another user holds it
    NotACatalogue,    // damaged, or another kind of file
    WrongPassword,    // encrypted, and no or a wrong password given
    FileGone,         // deleted or replaced since it was opened
    Denied,           // the catalogue guard refused what a statement would do
    NoCurrentRecord,  // a move left the rows
    RecordGone,       // no row has the record's ID any more
    RecordChanged,    // the stored row no longer holds what was shown
    DuplicateId,      // the record's ID is not unique, so a change could hit another row
    UnknownColumn,    // the catalogue lacks a column a record operation needs
    UnknownName,      // a statement names a column the catalogue lacks
    NoSuchTable,
    InvalidPattern,  // an unclosed "[" or a descending range
    SyntaxError,     // a statement the engine cannot compile
    Locked,          // another connection holds the file
    ReadOnly,        // the catalogue or the file cannot be written
    DiskFull,
    DiskError,
    OutOfMemory,
    TooBig,  // a value larger than the engine takes
    TypeMismatch,
    Duplicate,   // a unique key would be duplicated
    Constraint,  // a value breaks a rule of the table
    SettingsUnwritable,
    ClipboardFailure,
    EngineFailure,  // anything else the engine reports
};

// The outcome of an operation: Ok, or a code and the message shown to the
// user as it stands.
class Status {
public:
    Status() = default;
    explicit Status(StatusCode code, QString message = {});

    bool ok() const { return code_ == StatusCode::Ok; }
    StatusCode code() const { return code_; }
    const QString& message() const { return message_; }
    // The failure's particulars in English, for the command line, when its
    // code alone does not tell them ("" otherwise).
    const QString& english() const { return english_; }
    Status& withEnglish(QString text) {
        english_ = std::move(text);
        return *this;
    }

private:
    StatusCode code_ = StatusCode::Ok;
    QString message_;
    QString english_;
};

// The standard message of a code.
QString standardMessage(StatusCode code);

// A value, or the status that kept it from being made.
template <class T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}          // NOLINT: implicit by design
    Result(Status status) : status_(std::move(status)) {}  // NOLINT: implicit by design

    bool ok() const { return value_.has_value(); }
    const Status& status() const { return status_; }
    T& value() { return *value_; }
    const T& value() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }

private:
    std::optional<T> value_;
    Status status_;
};

}  // namespace tolvane
