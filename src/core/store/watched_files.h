#pragma once

namespace tolvane {

// The name of an SQLite VFS that is the system's default one with one
// addition: every read, write and sync of a file first tells the watcher
// of the calling thread, if it has one. A statement can spend seconds in a
// few steps of file work (reading or writing a huge value) where SQLite's
// progress handler is never called; the watcher answers the window there.
const char* watchedFilesVfs();

// Watches this thread's file work: `watcher(context)` runs before each
// access until the returned value's end, when the watcher before it is back.
class FileWatch {
public:
    FileWatch(void (*watcher)(void*), void* context);
    ~FileWatch();
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

private:
    void (*previousWatcher_)(void*);
    void* previousContext_;
};

}  // namespace tolvane
