#pragma once

#include "gui/detail_fields.h"
#include "gui/text_bounds.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tolvane {

class DetailBox;

using DetailBoxes = std::array<DetailBox*, kDetailBoxCount>;

// One detail text box of the record panel. Texts go in and come out with
// CR LF line breaks, as the catalogue stores them; a text that the user has
// not changed since it was set comes back exactly as it was set.
//
// A box lays out no more than its bounds allow: of a longer text it shows
// the start and keeps the rest aside, unchanged, after what the user edits.
// A selection of everything the box shows stands for the whole text: what
// replaces or deletes it replaces the hidden rest too. A paste that would
// take the box beyond its bounds goes in the same way, and one longer than
// kPasteLimit is refused. Undo and redo bring back the rest that went with
// what they show.
//
// A box may hold only the start of a value whose rest is still in the
// catalogue (restInCatalogue()): edits that keep that rest leave it unread,
// and text() is then what goes before it; a copy reads the whole value
// (readWhole()).
class DetailBox {
public:
    // Reads the whole value whose start the box holds; nothing when it
    // cannot (the reader has told the user why).
    using ReadWhole = std::function<std::optional<QString>()>;

    virtual ~DetailBox() = default;

    virtual QWidget* widget() = 0;
    // The whole text; for a box whose rest is in the catalogue, what goes
    // before that rest.
    QString text() const { return whole(shownText()); }
    // Shows a text; with `readWhole`, the text is only the start of a value.
    void setText(const QString& text, ReadWhole readWhole = {});
    // Selects characters [start, start + length).
    virtual void select(int start, int length) = 0;
    // Number of characters the user sees (line breaks count one).
    int length() const { return int(shownText().size()); }

    // Whether the text is as it was set.
    bool unchanged() const { return rest_.asSet && shownText() == display_; }
    // Whether the box shows only the start of its text.
    bool showsPart() const { return rest_.inStore || !rest_.pieces.empty(); }
    // Whether the rest of the value is still in the catalogue only.
    bool restInCatalogue() const { return rest_.inStore; }
    // Makes text() whole by reading the rest from the catalogue if need be;
    // false when that failed.
    bool readWhole();
    // The length of the whole text (text().size(), without building it);
    // for a rest in the catalogue, of what the box holds.
    qsizetype wholeLength() const;
    // Told the message when a paste is refused.
    void onPasteRefused(std::function<void(const QString&)> tell) {
        pasteRefused_ = std::move(tell);
    }
    // Told when an edit changed how much of the text the box shows, and
    // after every edit of a box whose rest is in the catalogue.
    void onPartChanged(std::function<void()> tell) { partChanged_ = std::move(tell); }

protected:
    explicit DetailBox(bool multiLine)
        : bounds_(multiLine ? kMultiLineBounds : kOneLineBounds), multiLine_(multiLine) {}

    // What the editor shows, and showing a text anew (no undo).
    virtual QString shownText() const = 0;
    virtual void layIn(const QString& display) = 0;
    // Replaces what the editor shows as one step the user can undo, and
    // puts the cursor at `cursor`.
    virtual void replaceShown(const QString& display, qsizetype cursor) = 0;
    // Whether the selection covers everything the editor shows.
    virtual bool selectionCoversShown() const = 0;

    // Runs an edit of the user's: when the selection covers all that shows,
    // the edit replaces the hidden rest too; an undo or redo brings back
    // the rest that went with what it shows.
    template <typename Edit>
    void edit(Edit&& run, bool undoing = false) {
        const bool replacing = showsPart() && selectionCoversShown();
        if (replacing) replaced_ = {shownText(), rest_};
        undoing_ = undoing;
        std::forward<Edit>(run)();
        replaced_.reset();
        undoing_ = false;
    }
    // After every change of what the editor shows.
    void shownChanged();

    // A paste of `pasted` over characters [from, to) of what shows: false
    // when the editor may insert it itself; otherwise done (or refused and
    // told).
    bool boundedPaste(qsizetype from, qsizetype to, const QString& pasted);

private:
    // A stretch of the text after what the box shows: text[from, to), in
    // stored form, or as typed or pasted (line breaks LF or CR LF).
    struct Piece {
        QString text;
        qsizetype from, to;
        bool typed;
        QStringView view() const { return QStringView(text).mid(from, to - from); }
    };
    // What follows what the box shows: the pieces, end to end, uncopied.
    struct Rest {
        std::vector<Piece> pieces;
        bool inStore = false;  // the value goes on after them, in the catalogue
        bool asSet = true;     // the rest of the text as it was set
    };
    static bool same(const Rest& a, const Rest& b);
    void append(QString& out, QStringView part, bool typed) const;
    QString whole(const QString& display) const;
    // Shows `display` with `rest` after it, keeping both for undo.
    void replaceAll(const QString& before, Rest rest, const QString& display, qsizetype cursor);
    void remember(const QString& shown, const Rest& rest);

    TextBounds bounds_;
    bool multiLine_;
    QString set_;      // the text as last set
    QString display_;  // what the box showed right after that
    Rest rest_;
    ReadWhole readWhole_;
    // What showed with which rest around the edits that changed the rest.
    std::vector<std::pair<QString, Rest>> states_;
    std::optional<std::pair<QString, Rest>> replaced_;  // during an edit replacing all
    bool undoing_ = false;
    bool changing_ = false;  // the box itself changes what the editor shows
    std::function<void(const QString&)> pasteRefused_;
    std::function<void()> partChanged_;
};

// A one-line box shows a new text from its start.
class SingleLineBox : public QLineEdit, public DetailBox {
public:
    explicit SingleLineBox(QWidget* parent);
    using DetailBox::setText;
    using DetailBox::text;
    QWidget* widget() override { return this; }
    void select(int start, int length) override { setSelection(start, length); }

protected:
    QString shownText() const override { return QLineEdit::text(); }
    void layIn(const QString& display) override;
    void replaceShown(const QString& display, qsizetype cursor) override;
    bool selectionCoversShown() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void pasteClipboard(QClipboard::Mode mode);
};

class MultiLineBox : public QPlainTextEdit, public DetailBox {
public:
    explicit MultiLineBox(QWidget* parent);
    QWidget* widget() override { return this; }
    void select(int start, int length) override;
    // Keeps the text out of the box's lowest `pixels` (where buttons sit).
    void setBottomRoom(int pixels) { setViewportMargins(0, 0, 0, pixels); }

protected:
    QString shownText() const override { return toPlainText(); }
    void layIn(const QString& display) override { setPlainText(display); }
    void replaceShown(const QString& display, qsizetype cursor) override;
    bool selectionCoversShown() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace tolvane
