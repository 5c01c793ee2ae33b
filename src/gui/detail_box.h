#pragma once

#include "gui/detail_fields.h"
#include "gui/text_bounds.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace tolvane {

class DetailBox;

using DetailBoxes = std::array<DetailBox*, kDetailBoxCount>;

// One detail text box of the record panel. Texts go in and come out with
// CR LF line breaks, as the catalogue stores them; a text that the user has
// not changed since it was set comes back exactly as it was set.
//
// A box lays out no more than its bounds allow: of a longer text it shows
// the start and keeps the rest aside, unchanged, after what the user edits.
// A paste that would take the box beyond its bounds goes in the same way;
// one longer than kPasteLimit is refused.
class DetailBox {
public:
    virtual ~DetailBox() = default;

    virtual QWidget* widget() = 0;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // Selects characters [start, start + length).
    virtual void select(int start, int length) = 0;
    // Number of characters the user sees (line breaks count one).
    virtual int length() const = 0;

    // Whether the box shows only the start of its text.
    bool showsPart() const { return asideFrom_ < aside_.size(); }
    // The length of the whole text (text().size(), without building it).
    virtual qsizetype wholeLength() const = 0;
    // Told the message when a paste is refused.
    void onPasteRefused(std::function<void(const QString&)> tell) {
        pasteRefused_ = std::move(tell);
    }
    // Told when a paste changed how much of the text the box shows.
    void onPartChanged(std::function<void()> tell) { partChanged_ = std::move(tell); }

protected:
    explicit DetailBox(bool multiLine)
        : bounds_(multiLine ? kMultiLineBounds : kOneLineBounds), multiLine_(multiLine) {}

    // What the box is to show of a text set anew.
    QString bound(const QString& stored);
    // What the box showed right after bound() or a paste.
    void laidIn(const QString& display) { display_ = display; }
    // The whole text, with the box showing `display` now, and its length.
    QString whole(const QString& display) const;
    qsizetype wholeLength(const QString& display) const;

    struct Paste {
        bool refused = false;  // too long: the box stays as it is
        QString display;       // the box's new contents
        qsizetype cursor;      // where the cursor goes
    };
    // A paste of `pasted` over characters [from, to) of `display`. Nothing
    // when the editor may insert it itself; otherwise the box's new
    // contents, or a refusal (already told).
    std::optional<Paste> boundedPaste(const QString& display, qsizetype from, qsizetype to,
                                      const QString& pasted);

    // Tells that a paste changed the part shown, once the box shows it.
    void partChanged() const {
        if (partChanged_) partChanged_();
    }

private:
    TextBounds bounds_;
    bool multiLine_;
    QString set_;      // the text as last set
    QString display_;  // what the box showed right after that
    // The text after what the box shows (stored form) is aside_ from
    // asideFrom_ on: the text as set or as a big paste left it, not copied.
    QString aside_;
    qsizetype asideFrom_ = 0;
    bool pasted_ = false;  // a paste changed the part shown since the text was set
    std::function<void(const QString&)> pasteRefused_;
    std::function<void()> partChanged_;
};

// A one-line box shows a new text from its start.
class SingleLineBox : public QLineEdit, public DetailBox {
public:
    explicit SingleLineBox(QWidget* parent);
    QWidget* widget() override { return this; }
    QString text() const override { return whole(QLineEdit::text()); }
    qsizetype wholeLength() const override { return DetailBox::wholeLength(QLineEdit::text()); }
    void setText(const QString& text) override;
    void select(int start, int length) override { setSelection(start, length); }
    int length() const override { return QLineEdit::text().size(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void pasteClipboard();
};

class MultiLineBox : public QPlainTextEdit, public DetailBox {
public:
    explicit MultiLineBox(QWidget* parent);
    QWidget* widget() override { return this; }
    QString text() const override { return whole(toPlainText()); }
    qsizetype wholeLength() const override { return DetailBox::wholeLength(toPlainText()); }
    void setText(const QString& text) override;
    void select(int start, int length) override;
    int length() const override;
    // Keeps the text out of the box's lowest `pixels` (where buttons sit).
    void setBottomRoom(int pixels) { setViewportMargins(0, 0, 0, pixels); }

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace tolvane
