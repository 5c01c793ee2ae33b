#pragma once

#include <QObject>

#include <atomic>
#include <chrono>

class QWidget;

namespace tolvane {

class CatalogueStore;

// Keeps the window answering while its catalogue waits for another
// program's lock or runs a long statement: after a moment the window's
// events are handled, after a second the cursor shows that it is busy, and
// Esc cancels the statement (a write is rolled back). Meanwhile the user's
// other input is dropped and the window does not close, so that nothing
// reaches the catalogue while it is in use.
class StorePatience : public QObject {
public:
    explicit StorePatience(QWidget& window);
    ~StorePatience() override;

    // The window's catalogue: its waits and long statements call back here.
    void attach(CatalogueStore& store);

    // One use of the catalogue by a handler of the window, for its scope
    // (message boxes shown within it work as ever). False when reached from
    // the events handled in the middle of a statement: the handler must
    // leave the catalogue alone.
    class Use {
    public:
        explicit Use(StorePatience* patience) : patience_(patience) {}
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;
        ~Use();
        explicit operator bool() const { return patience_ != nullptr; }

    private:
        StorePatience* patience_;
    };
    Use use();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void waiting(std::chrono::milliseconds running);

    QWidget& window_;
    std::atomic<bool> cancel_{false};
    int uses_ = 0;            // Uses in scope (a handler may call another)
    bool answering_ = false;  // events are handled in the middle of a statement
    bool busyCursor_ = false;
};

}  // namespace tolvane
