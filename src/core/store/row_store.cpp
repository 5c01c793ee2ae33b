#include "core/store/row_store.h"

#include <sqlite3.h>

#include <QByteArray>
#include <QString>

#include <cstring>

namespace tolvane {

namespace {
enum Tag : char { Null, Integer, Real, Text, Blob };
}

void RowStore::putVarint(unsigned long long value) {
    while (value >= 0x80) {
        bytes_.push_back(char((value & 0x7F) | 0x80));
        value >>= 7;
    }
    bytes_.push_back(char(value));
}

unsigned long long RowStore::takeVarint(std::size_t& at) const {
    unsigned long long value = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes_[at++]);
        value |= (unsigned long long)(byte & 0x7F) << shift;
        if (byte < 0x80) return value;
    }
}

std::size_t RowStore::encode(sqlite3_stmt* statement) {
    const std::size_t start = bytes_.size();
    for (int c = 0; c < columns_; ++c) {
        switch (sqlite3_column_type(statement, c)) {
        case SQLITE_INTEGER: {
            const auto v = static_cast<unsigned long long>(sqlite3_column_int64(statement, c));
            bytes_.push_back(Integer);
            putVarint((v << 1) ^ (0 - (v >> 63)));  // zigzag: small negatives stay short
            break;
        }
        case SQLITE_FLOAT: {
            const double v = sqlite3_column_double(statement, c);
            bytes_.push_back(Real);
            const char* raw = reinterpret_cast<const char*>(&v);
            bytes_.insert(bytes_.end(), raw, raw + sizeof v);
            break;
        }
        case SQLITE_TEXT:
        case SQLITE_BLOB: {
            const bool text = sqlite3_column_type(statement, c) == SQLITE_TEXT;
            const char* raw = text
                                  ? reinterpret_cast<const char*>(sqlite3_column_text(statement, c))
                                  : static_cast<const char*>(sqlite3_column_blob(statement, c));
            const auto length = static_cast<std::size_t>(sqlite3_column_bytes(statement, c));
            bytes_.push_back(text ? Text : Blob);
            putVarint(length);
            if (length) bytes_.insert(bytes_.end(), raw, raw + length);
            break;
        }
        default: bytes_.push_back(Null);
        }
    }
    return start;
}

void RowStore::append(sqlite3_stmt* statement) { starts_.push_back(encode(statement)); }

void RowStore::replace(std::size_t row, sqlite3_stmt* statement) {
    starts_[row] = encode(statement);
}

QVariant RowStore::value(std::size_t row, int column) const {
    std::size_t at = starts_[row];
    for (int c = 0;; ++c) {
        const char tag = bytes_[at++];
        std::size_t length = 0;
        switch (tag) {
        case Integer: {
            const unsigned long long z = takeVarint(at);
            if (c == column) return QVariant(qlonglong((z >> 1) ^ (0 - (z & 1))));
            continue;
        }
        case Real: {
            if (c == column) {
                double v;
                std::memcpy(&v, &bytes_[at], sizeof v);
                return QVariant(v);
            }
            at += sizeof(double);
            continue;
        }
        case Text:
        case Blob:
            length = takeVarint(at);
            if (c == column) {
                const char* data = bytes_.data() + at;
                if (tag == Text) return QString::fromUtf8(data, qsizetype(length));
                return QByteArray(data, qsizetype(length));
            }
            at += length;
            continue;
        default:
            if (c == column) return {};
        }
    }
}

void RowStore::clear() {
    bytes_.clear();
    bytes_.shrink_to_fit();
    starts_.clear();
    starts_.shrink_to_fit();
}

}  // namespace tolvane
