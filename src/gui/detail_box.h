#pragma once

#include "gui/detail_fields.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include <array>

namespace tolvane {

class DetailBox;

using DetailBoxes = std::array<DetailBox*, kDetailBoxCount>;

// One detail text box of the record panel. Texts go in and come out with
// CR LF line breaks, as the catalogue stores them; a text that the user has
// not changed since it was set comes back exactly as it was set.
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
};

// A one-line box takes a text of any length (the catalogue sets none) and
// shows a new text from its start.
class SingleLineBox : public QLineEdit, public DetailBox {
public:
    explicit SingleLineBox(QWidget* parent);
    QWidget* widget() override { return this; }
    QString text() const override { return QLineEdit::text(); }
    void setText(const QString& text) override;
    void select(int start, int length) override { setSelection(start, length); }
    int length() const override { return QLineEdit::text().size(); }
};

class MultiLineBox : public QPlainTextEdit, public DetailBox {
public:
    explicit MultiLineBox(QWidget* parent);
    QWidget* widget() override { return this; }
    QString text() const override;
    void setText(const QString& text) override;
    void select(int start, int length) override;
    int length() const override;
    // Keeps the text out of the box's lowest `pixels` (where buttons sit).
    void setBottomRoom(int pixels) { setViewportMargins(0, 0, 0, pixels); }

private:
    QString stored_;     // the text as last set, line breaks untouched
    QString displayed_;  // what the box showed right after that
};

}  // namespace tolvane
