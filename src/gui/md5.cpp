#include "gui/md5.h"

#include "core/store/error.h"
#include "core/system/dialogs.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <cstring>

namespace tolvane {

namespace {

// The longest message the digest accepts, in bytes.
constexpr qsizetype MaxMessageBytes = 32767;

constexpr std::array<std::uint32_t, 64> Constants = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

// Left-rotation amounts, four per group of sixteen steps.
constexpr std::array<int, 16> Shifts = {7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21};

// The module's one working record: chaining values, bytes fed so far and the
// block being filled. Reset at the start of every digest.
struct WorkingRecord {
    std::uint32_t a, b, c, d;
    std::int32_t count;
    std::array<unsigned char, 64> block;
};
WorkingRecord state;

std::uint32_t rotateLeft(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

void reset() {
    state.a = 0x67452301;
    state.b = 0xefcdab89;
    state.c = 0x98badcfe;
    state.d = 0x10325476;
    state.count = 0;
    state.block.fill(0);
}

void transformBlock() {
    std::array<std::uint32_t, 16> x;
    for (int i = 0; i < 16; ++i) {
        const unsigned char* p = &state.block[4 * i];
        x[i] = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
               std::uint32_t(p[3]) << 24;
    }
    std::uint32_t a = state.a, b = state.b, c = state.c, d = state.d;
    for (int i = 0; i < 64; ++i) {
        std::uint32_t f;
        int word;
        switch (i / 16) {
        case 0:
            f = (b & c) | (~b & d);
            word = i;
            break;
        case 1:
            f = (b & d) | (c & ~d);
            word = (5 * i + 1) % 16;
            break;
        case 2:
            f = b ^ c ^ d;
            word = (3 * i + 5) % 16;
            break;
        default:
            f = c ^ (b | ~d);
            word = (7 * i) % 16;
            break;
        }
        const std::uint32_t rotated =
            rotateLeft(a + f + x[word] + Constants[i], Shifts[(i / 16) * 4 + i % 4]);
        a = d;
        d = c;
        c = b;
        b = b + rotated;
    }
    state.a += a;
    state.b += b;
    state.c += c;
    state.d += d;
}

// Buffers `size` bytes and transforms every block that fills up.
void feed(const unsigned char* bytes, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i) {
        state.block[state.count % 64] = bytes[i];
        ++state.count;
        if (state.count % 64 == 0) transformBlock();
    }
}

void feedMessage(const QByteArray& message) {
    if (message.size() > MaxMessageBytes) throw Error(err::Overflow);
    feed(reinterpret_cast<const unsigned char*>(message.constData()), message.size());
}

// 0x80, zeros up to 56 mod 64, then the length in bits (64-bit little-endian).
void finish() {
    const std::uint64_t bits = std::uint64_t(state.count) * 8;
    std::array<unsigned char, 72> tail{};
    tail[0] = 0x80;
    const int padding = (state.count % 64 < 56 ? 56 : 120) - state.count % 64;
    for (int i = 0; i < 8; ++i) tail[padding + i] = static_cast<unsigned char>(bits >> (8 * i));
    feed(tail.data(), padding + 8);
}

QString encode() {
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(32);
    for (std::uint32_t word : {state.a, state.b, state.c, state.d}) {
        for (int i = 0; i < 4; ++i) {
            const unsigned byte = (word >> (8 * i)) & 0xff;
            out += QLatin1Char(digits[byte >> 4]);
            out += QLatin1Char(digits[byte & 0xf]);
        }
    }
    return out;
}

}  // namespace

QString md5Hex(const QString& text, Dialogs& dialogs) {
    try {
        reset();
        feedMessage(text.toLocal8Bit());
        finish();
        return encode();
    } catch (const Error& e) {
        dialogs.messageBox(e.description(), Buttons::Ok, Icon::Critical);
        return {};
    }
}

}  // namespace tolvane
