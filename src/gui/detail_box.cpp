// A detail box's text: what it shows, the rest it keeps aside, and how
// edits, pastes and undo change both.
#include "gui/detail_box.h"

#include <algorithm>

namespace tolvane {

void DetailBox::setText(const QString& text, ReadWhole readWhole) {
    set_ = text;
    readWhole_ = std::move(readWhole);
    states_.clear();
    const qsizetype shown = shownLength(text, bounds_);
    rest_ = Rest{{}, bool(readWhole_), true};
    if (shown < text.size()) rest_.pieces.push_back({text, shown, text.size(), false});
    const QString start = shown == text.size() ? text : text.left(shown);
    changing_ = true;
    layIn(multiLine_ ? displayForm(start) : start);
    changing_ = false;
    display_ = shownText();
}

// A multi-line box stores what was typed or pasted with CR LF breaks.
void DetailBox::append(QString& out, QStringView part, bool typed) const {
    multiLine_&& typed ? appendStored(out, part) : void(out += part);
}

bool DetailBox::same(const Rest& a, const Rest& b) {
    const auto samePiece = [](const Piece& x, const Piece& y) {
        return x.text.constData() == y.text.constData() && x.from == y.from && x.to == y.to;
    };
    return a.inStore == b.inStore && a.asSet == b.asSet &&
           std::equal(a.pieces.begin(), a.pieces.end(), b.pieces.begin(), b.pieces.end(),
                      samePiece);
}

QString DetailBox::whole(const QString& display) const {
    if (rest_.asSet && display == display_) return set_;
    qsizetype size = display.size() * (multiLine_ ? 2 : 1);
    for (const Piece& piece : rest_.pieces) size += (piece.to - piece.from) * (piece.typed ? 2 : 1);
    QString out;
    out.reserve(size);
    append(out, display, true);
    for (const Piece& piece : rest_.pieces) append(out, piece.view(), piece.typed);
    return out;
}

qsizetype DetailBox::wholeLength() const {
    const QString display = shownText();
    if (rest_.asSet && display == display_) return set_.size();
    // Every LF of a multi-line text typed or pasted is stored as CR LF.
    const auto loneLineFeeds = [this](QStringView part, bool typed) {
        return multiLine_ && typed ? part.count(QLatin1Char('\n')) - part.count(u"\r\n") : 0;
    };
    qsizetype length = display.size() + loneLineFeeds(display, true);
    for (const Piece& piece : rest_.pieces)
        length += piece.to - piece.from + loneLineFeeds(piece.view(), piece.typed);
    return length;
}

bool DetailBox::readWhole() {
    if (!rest_.inStore) return true;
    const std::optional<QString> whole = readWhole_ ? readWhole_() : std::nullopt;
    if (!whole) return false;
    // The whole value begins with the start the box was given; what the
    // catalogue held after it goes after the pieces, in this state and in
    // every state undo may bring back.
    const qsizetype startLength = set_.size();
    set_ = *whole;
    const auto complete = [&whole, startLength](Rest& rest) {
        if (!rest.inStore) return;
        rest.inStore = false;
        if (startLength < whole->size())
            rest.pieces.push_back({*whole, startLength, whole->size(), false});
    };
    complete(rest_);
    for (auto& state : states_) complete(state.second);
    if (partChanged_) partChanged_();
    return true;
}

void DetailBox::remember(const QString& shown, const Rest& rest) {
    if (!states_.empty()) {
        const auto& [lastShown, last] = states_.back();
        if (lastShown == shown && same(last, rest)) return;
    }
    states_.emplace_back(shown, rest);
    if (states_.size() > 16) states_.erase(states_.begin());
}

void DetailBox::shownChanged() {
    if (changing_) return;
    if (replaced_) {
        // The edit replaced everything that showed: the rest went with it.
        remember(replaced_->first, replaced_->second);
        rest_ = Rest{{}, false, false};
        remember(shownText(), rest_);
        replaced_.reset();
        if (partChanged_) partChanged_();
        return;
    }
    if (undoing_ && !states_.empty()) {
        const QString shown = shownText();
        for (auto state = states_.rbegin(); state != states_.rend(); ++state)
            if (state->first == shown) {
                rest_ = state->second;
                if (partChanged_) partChanged_();
                return;
            }
    }
    // An edit of the start of a value whose rest is in the catalogue
    // changes its size.
    if (rest_.inStore && partChanged_) partChanged_();
}

void DetailBox::replaceAll(const QString& before, Rest rest, const QString& display,
                           qsizetype cursor) {
    remember(before, rest_);
    rest_ = std::move(rest);
    changing_ = true;
    replaceShown(display, cursor);
    changing_ = false;
    remember(shownText(), rest_);
    if (partChanged_) partChanged_();
}

// The new whole text is put together once, in stored form; what the box
// does not show stays there, uncopied.
bool DetailBox::boundedPaste(qsizetype from, qsizetype to, const QString& pasted) {
    if (pasted.size() > kPasteLimit) {
        if (pasteRefused_) pasteRefused_(pasteRefusal(pasted.size()));
        return true;
    }
    const QString display = shownText();
    // The length the pasted text takes in the box.
    const qsizetype pastedLength = pasted.size() - (multiLine_ ? pasted.count(u"\r\n") : 0);
    if (pastedLength <= kSmallPaste) {
        const QString next =
            display.left(from) + (multiLine_ ? displayForm(pasted) : pasted) + display.mid(to);
        if (shownLength(next, bounds_) == next.size()) return false;
    }
    // Pasted over all that shows, the paste replaces the hidden rest too;
    // otherwise the rest goes after it, the catalogue's part of it unread.
    const bool all = showsPart() && from == 0 && to == display.size();
    Rest next{{}, !all && rest_.inStore, false};
    const auto add = [&next](const QString& text, qsizetype start, qsizetype end, bool typed) {
        if (start < end) next.pieces.push_back({text, start, end, typed});
    };
    add(display, 0, from, true);
    add(pasted, 0, pasted.size(), true);
    add(display, to, display.size(), true);
    if (!all) next.pieces.insert(next.pieces.end(), rest_.pieces.begin(), rest_.pieces.end());
    // The box shows the start of the pieces, up to its bounds; the rest of
    // them stays as it is. Many pieces become one.
    QString head;
    for (const Piece& piece : next.pieces) {
        if (head.size() > bounds_.shown) break;
        head += piece.view().left(bounds_.shown + 1 - head.size());
    }
    qsizetype cut = shownLength(head, bounds_);
    QString start = head.left(cut);
    auto piece = next.pieces.begin();
    for (; piece != next.pieces.end() && cut >= piece->to - piece->from; ++piece)
        cut -= piece->to - piece->from;
    if (piece != next.pieces.end()) piece->from += cut;
    next.pieces.erase(next.pieces.begin(), piece);
    if (next.pieces.size() > 32) {
        QString joined;
        for (const Piece& p : next.pieces) append(joined, p.view(), p.typed);
        next.pieces = {{joined, 0, joined.size(), false}};
    }
    if (multiLine_) start = displayForm(start);
    // The cursor goes after the pasted text, or to the end of what shows.
    const qsizetype cursor = std::min(from + pastedLength, start.size());
    replaceAll(display, std::move(next), start, cursor);
    return true;
}

}  // namespace tolvane
