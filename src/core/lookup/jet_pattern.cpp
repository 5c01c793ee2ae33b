#include "core/lookup/jet_pattern.h"

#include <QByteArray>

namespace tolvane {

char32_t decodeUtf8(std::string_view text, std::size_t& pos) {
    constexpr char32_t replacement = 0xFFFD;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
    }
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return replacement;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return replacement;
        }
        c = (c << 6) | (next & 0x3F);
    }
    pos += length;
    return c;
}

std::optional<JetPattern> JetPattern::compile(QStringView pattern) {
    const QByteArray utf8 = pattern.toUtf8();
    return compile(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::optional<JetPattern> JetPattern::compile(std::string_view utf8) {
    JetPattern result;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t c = decodeUtf8(utf8, i);
        switch (c) {
        case '*':
            // A run of stars means the same as one star.
            if (result.tokens_.empty() || result.tokens_.back().kind != Kind::Star)
                result.tokens_.push_back({Kind::Star, 0});
            break;
        case '?': result.tokens_.push_back({Kind::AnyOne, 0}); break;
        case '#': result.tokens_.push_back({Kind::Digit, 0}); break;
        case '[': {
            bool negated = false;
            if (i < utf8.size() && utf8[i] == '!') {
                negated = true;
                ++i;
            }
            std::vector<CharSet::Range> ranges;  // a single character is a range of one
            bool closed = false;
            while (i < utf8.size()) {
                const char32_t low = decodeUtf8(utf8, i);
                if (low == ']') {
                    closed = true;
                    break;
                }
                char32_t high = low;
                if (i + 1 < utf8.size() && utf8[i] == '-' && utf8[i + 1] != ']') {
                    ++i;
                    high = decodeUtf8(utf8, i);
                    if (high < low) return std::nullopt;
                }
                ranges.push_back({low, high});
            }
            if (!closed) return std::nullopt;
            if (!ranges.empty()) {
                result.sets_.emplace_back(std::move(ranges), negated);
                result.tokens_.push_back({Kind::Set, char32_t(result.sets_.size() - 1)});
            } else if (negated) {
                result.tokens_.push_back({Kind::AnyOne, 0});
            }  // "[]" stands for no character at all
            break;
        }
        default: result.tokens_.push_back({Kind::Char, foldCase(c)});
        }
    }
    const auto& tokens = result.tokens_;
    if (tokens.size() >= 3 && tokens.front().kind == Kind::Star &&
        tokens.back().kind == Kind::Star) {
        std::string literal;
        for (std::size_t k = 1; k + 1 < tokens.size(); ++k) {
            if (tokens[k].kind != Kind::Char || tokens[k].ch >= 0x80) return result;
            literal.push_back(static_cast<char>(tokens[k].ch));
        }
        result.literalExactOnUtf8_ = literal.find_first_of("ks") == std::string::npos;
        result.literal_ = std::move(literal);
    }
    return result;
}

// Counts the steps of one match and asks the interrupt, if any, every few
// thousand of them. Each matching loop keeps its own, so that the count
// stays in a register.
class JetPattern::Budget {
public:
    explicit Budget(MatchInterrupt* interrupt) : interrupt_(interrupt) {}

    // False when the match is to stop.
    bool spend(std::size_t steps) {
        if (left_ > steps) {
            left_ -= steps;
            return true;
        }
        left_ = kStepsPerAsk;
        return !interrupt_ || !interrupt_->interrupted();
    }

private:
    static constexpr std::size_t kStepsPerAsk = 4096;
    MatchInterrupt* interrupt_;
    std::size_t left_ = kStepsPerAsk;
};

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Whether ASCII text contains a folded ASCII literal, letters compared
// without case; nothing when the budget ran out. The budget is spent once
// per block of positions, keeping the search loop tight.
template <class Budget>
std::optional<bool> containsFolded(std::string_view text, std::string_view literal, Budget budget) {
    constexpr std::size_t kBlock = 1024;
    const auto fold = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
    };
    const std::size_t n = literal.size();
    if (n > text.size()) return false;
    const char first = literal[0];
    const char firstUpper =
        first >= 'a' && first <= 'z' ? static_cast<char>(first - ('a' - 'A')) : first;
    const std::size_t starts = text.size() - n + 1;
    for (std::size_t block = 0; block < starts; block += kBlock) {
        std::size_t steps = 0;
        for (std::size_t i = block; i < std::min(starts, block + kBlock); ++i) {
            if (text[i] != first && text[i] != firstUpper) continue;
            std::size_t k = 1;
            while (k < n && fold(text[i + k]) == literal[k]) ++k;
            if (k == n) return true;
            steps += k;
        }
        if (!budget.spend(kBlock + steps)) return std::nullopt;
    }
    return false;
}

}  // namespace

inline bool JetPattern::tokenMatches(const Token& token, char32_t c, char32_t folded) const {
    switch (token.kind) {
    case Kind::Char: return folded == token.ch;
    case Kind::AnyOne: return true;
    case Kind::Digit: return c >= '0' && c <= '9';
    case Kind::Set: return sets_[token.ch].contains(folded);
    case Kind::Star: break;
    }
    return false;
}

template <class Decode>
std::optional<bool> JetPattern::run(std::string_view text, Decode decode,
                                    MatchInterrupt* interrupt) const {
    Budget budget(interrupt);
    const std::size_t count = tokens_.size();
    std::size_t t = 0, p = 0;
    // Where the last star was met, and the text position it covers up to.
    std::size_t starToken = kNone, starText = 0;
    while (t < text.size()) {
        if (!budget.spend(1)) return std::nullopt;
        if (p < count && tokens_[p].kind == Kind::Star) {
            starToken = p++;
            starText = t;
            continue;
        }
        if (p < count) {
            std::size_t next = t;
            const char32_t c = decode(text, next);
            if (tokenMatches(tokens_[p], c, foldCase(c))) {
                t = next;
                ++p;
                continue;
            }
        }
        if (starToken == kNone) return false;
        // Let the last star swallow one more character and retry after it,
        // skipping at once to where the character after the star can match.
        p = starToken + 1;
        decode(text, starText);
        if (p < count && tokens_[p].kind == Kind::Char) {
            for (std::size_t next = starText; starText < text.size(); starText = next) {
                if (foldCase(decode(text, next)) == tokens_[p].ch) break;
                if (!budget.spend(1)) return std::nullopt;
            }
        }
        t = starText;
    }
    while (p < count && tokens_[p].kind == Kind::Star) ++p;
    return p == count;
}

std::optional<bool> JetPattern::match(std::string_view utf8, MatchInterrupt* interrupt) const {
    if (literalExactOnUtf8_) return containsFolded(utf8, literal_, Budget(interrupt));
    // Most names are plain ASCII: then every byte is a character.
    bool ascii = true;
    for (const char byte : utf8) ascii &= static_cast<unsigned char>(byte) < 0x80;
    if (ascii && !literal_.empty()) return containsFolded(utf8, literal_, Budget(interrupt));
    if (ascii)
        return run(
            utf8,
            [](std::string_view text, std::size_t& pos) -> char32_t {
                return static_cast<unsigned char>(text[pos++]);
            },
            interrupt);
    return run(utf8, decodeUtf8, interrupt);
}

bool JetPattern::matches(std::string_view utf8) const { return *match(utf8, nullptr); }

std::optional<bool> JetPattern::matches(std::string_view utf8, MatchInterrupt& interrupt) const {
    return match(utf8, &interrupt);
}

}  // namespace tolvane
