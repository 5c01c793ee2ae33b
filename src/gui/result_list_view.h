#pragma once

#include <QListView>

namespace tolvane {

// The result list. It tells when the user chooses an entry: a click on an
// entry (also on the one already current) or a keyboard move of the current
// entry. Programmatic changes of the current entry, and the focus arriving,
// choose nothing; arriving focus does not make an entry current either.
// Every entry is as wide as the list: a name too long for it is shortened
// with "…" (its tip holds it whole), never scrolled sideways.
class ResultListView : public QListView {
    Q_OBJECT
public:
    explicit ResultListView(QWidget* parent = nullptr);

signals:
    void entryChosen();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool pressedOnEntry_ = false;
};

}  // namespace tolvane
