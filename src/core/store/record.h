#pragma once

#include <QString>
#include <QVariant>

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

namespace tolvane {

// The columns of winfun the program knows, in the catalogue's order.
enum class Column : int {
    Id,
    Name,
    Category,  // class
    Dll,       // libsclass
    Win95,
    WinNT,
    Explain,
    Declare,
    CSharp,
    Parameter,
    Recode,
    Returned,
    OtherName,
    Other,
    Vba64,
};
constexpr int kColumnCount = static_cast<int>(Column::Vba64) + 1;

// The column's name in the catalogue ("ID", "name", "class", ...).
const char* columnName(Column column);

// A set of columns, such as those a catalogue has or a save writes.
class ColumnSet {
public:
    ColumnSet() = default;
    ColumnSet(std::initializer_list<Column> columns) {
        for (const Column c : columns) add(c);
    }
    static ColumnSet all() { return ColumnSet(~std::bitset<kColumnCount>()); }

    void add(Column c) { bits_.set(static_cast<std::size_t>(c)); }
    void remove(Column c) { bits_.reset(static_cast<std::size_t>(c)); }
    bool empty() const { return bits_.none(); }
    bool has(Column c) const { return bits_.test(static_cast<std::size_t>(c)); }
    bool contains(const ColumnSet& other) const { return (other.bits_ & ~bits_).none(); }
    bool operator==(const ColumnSet&) const = default;

private:
    explicit ColumnSet(std::bitset<kColumnCount> bits) : bits_(bits) {}
    std::bitset<kColumnCount> bits_;
};

// One catalogue record as a value: each known column's value as stored (an
// integer as qlonglong, a real as double, text as QString, a blob as
// QByteArray; Null, or a column the catalogue lacks, as an invalid
// QVariant), and the identity of its row in the file. A default record is
// no record: it has no ID.
//
// A big text or blob may be read in part: the record then holds its start
// and the size of the whole value, and such a value is never written back.
// An edit of such a start keeps the stored rest: the record then holds the
// edited start, which a save writes followed by the stored bytes after the
// start that was read.
class Record {
public:
    const QVariant& value(Column c) const { return values_[index(c)]; }
    void set(Column c, QVariant value) {
        values_[index(c)] = std::move(value);
        parts_[index(c)] = {};
    }
    // A value read in part: its start, which is the first `startBytes` of
    // the value as stored, and the size in bytes of the whole value as
    // stored (UTF-8 text or a blob).
    void setPart(Column c, QVariant start, qint64 startBytes, qint64 wholeBytes) {
        values_[index(c)] = std::move(start);
        parts_[index(c)] = {startBytes, wholeBytes, false};
    }
    // For a value read in part: `start` replaces the start that was read,
    // and the stored rest goes on after it.
    void setEditedStart(Column c, QString start) {
        values_[index(c)] = std::move(start);
        parts_[index(c)].edited = true;
    }
    // The size of the whole value as stored when only its start was read;
    // 0 for a value read whole.
    qint64 partBytes(Column c) const { return parts_[index(c)].wholeBytes; }
    // The size in bytes of the start that was read; 0 for a value read whole.
    qint64 startBytes(Column c) const { return parts_[index(c)].startBytes; }
    // Whether the value is an edited start before the stored rest.
    bool editedStart(Column c) const { return parts_[index(c)].edited; }
    // The columns read in part whose start is as read.
    ColumnSet partColumns() const;
    // The value as text; Null as "".
    QString text(Column c) const;

    // The ID when it is a whole number (stored as an integer, an exact real
    // or a text in canonical decimal spelling); nothing otherwise.
    std::optional<qint64> id() const;
    // The row's own identity in the file (its rowid), 0 when it has none.
    qint64 rowid() const { return rowid_; }
    void setRowid(qint64 rowid) { rowid_ = rowid; }

private:
    friend ColumnSet differingColumns(const Record& a, const Record& b, const ColumnSet& among);
    static std::size_t index(Column c) { return static_cast<std::size_t>(c); }
    struct Part {
        qint64 startBytes = 0, wholeBytes = 0;
        bool edited = false;
        bool operator==(const Part&) const = default;
    };
    std::array<QVariant, kColumnCount> values_;
    std::array<Part, kColumnCount> parts_{};
    qint64 rowid_ = 0;
};

// The columns among `among` whose values differ between two records: a
// different type is a different value (5 is not "5"), Null equals Null; a
// value read in part equals only one read in part with the same start and
// size, an edited start only one with the same edit of the same value.
ColumnSet differingColumns(const Record& a, const Record& b, const ColumnSet& among);

// An ID as the result list carries it; see Record::id().
std::optional<qint64> wholeNumber(const QVariant& id);

}  // namespace tolvane
