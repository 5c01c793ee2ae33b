// A VFS over the system's default one: each file opened through it is the
// default VFS's file, followed by a table of methods that forward to it and
// tell the thread's watcher of every read, write and sync.
#include "core/store/watched_files.h"

#include <sqlite3.h>

namespace tolvane {
namespace {

thread_local void (*tlWatcher)(void*) = nullptr;
thread_local void* tlContext = nullptr;

void accessed() {
    if (tlWatcher) tlWatcher(tlContext);
}

// The file SQLite holds: our header, then the default VFS's file.
struct WatchedFile {
    sqlite3_file base;
};
sqlite3_file* real(sqlite3_file* file) {
    return reinterpret_cast<sqlite3_file*>(reinterpret_cast<WatchedFile*>(file) + 1);
}
const sqlite3_io_methods& methods(sqlite3_file* file) { return *real(file)->pMethods; }

int close(sqlite3_file* f) { return methods(f).xClose(real(f)); }
int read(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset) {
    accessed();
    return methods(f).xRead(real(f), buffer, amount, offset);
}
int write(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
    accessed();
    return methods(f).xWrite(real(f), buffer, amount, offset);
}
int truncate(sqlite3_file* f, sqlite3_int64 size) { return methods(f).xTruncate(real(f), size); }
int sync(sqlite3_file* f, int flags) {
    accessed();
    return methods(f).xSync(real(f), flags);
}
int fileSize(sqlite3_file* f, sqlite3_int64* size) { return methods(f).xFileSize(real(f), size); }
int lock(sqlite3_file* f, int level) { return methods(f).xLock(real(f), level); }
int unlock(sqlite3_file* f, int level) { return methods(f).xUnlock(real(f), level); }
int checkReservedLock(sqlite3_file* f, int* out) {
    return methods(f).xCheckReservedLock(real(f), out);
}
int fileControl(sqlite3_file* f, int op, void* arg) {
    return methods(f).xFileControl(real(f), op, arg);
}
int sectorSize(sqlite3_file* f) { return methods(f).xSectorSize(real(f)); }
int deviceCharacteristics(sqlite3_file* f) { return methods(f).xDeviceCharacteristics(real(f)); }
// Shared memory (WAL) and memory mapping exist from versions 2 and 3 of a
// file's methods on; without them SQLite is told so.
int shmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
    if (methods(f).iVersion < 2) return SQLITE_IOERR_SHMMAP;
    return methods(f).xShmMap(real(f), region, size, extend, out);
}
int shmLock(sqlite3_file* f, int offset, int n, int flags) {
    if (methods(f).iVersion < 2) return SQLITE_IOERR_SHMLOCK;
    return methods(f).xShmLock(real(f), offset, n, flags);
}
void shmBarrier(sqlite3_file* f) {
    if (methods(f).iVersion >= 2) methods(f).xShmBarrier(real(f));
}
int shmUnmap(sqlite3_file* f, int deleteFlag) {
    if (methods(f).iVersion < 2) return SQLITE_OK;
    return methods(f).xShmUnmap(real(f), deleteFlag);
}
int fetch(sqlite3_file* f, sqlite3_int64 offset, int amount, void** out) {
    *out = nullptr;
    if (methods(f).iVersion < 3) return SQLITE_OK;
    return methods(f).xFetch(real(f), offset, amount, out);
}
int unfetch(sqlite3_file* f, sqlite3_int64 offset, void* page) {
    if (methods(f).iVersion < 3) return SQLITE_OK;
    return methods(f).xUnfetch(real(f), offset, page);
}

const sqlite3_io_methods kMethods = {
    3,        close,      read,       write,   truncate,    sync,
    fileSize, lock,       unlock,     checkReservedLock,    fileControl,
    sectorSize,           deviceCharacteristics,            shmMap,
    shmLock,  shmBarrier, shmUnmap,   fetch,   unfetch};

sqlite3_vfs* base(sqlite3_vfs* vfs) { return static_cast<sqlite3_vfs*>(vfs->pAppData); }

// SQLite closes a file whose methods are set, even after a failed open.
int open(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    file->pMethods = nullptr;
    real(file)->pMethods = nullptr;
    const int rc = base(vfs)->xOpen(base(vfs), name, real(file), flags, outFlags);
    if (real(file)->pMethods) file->pMethods = &kMethods;
    return rc;
}
int remove(sqlite3_vfs* vfs, const char* name, int syncDir) {
    return base(vfs)->xDelete(base(vfs), name, syncDir);
}
int access(sqlite3_vfs* vfs, const char* name, int flags, int* out) {
    return base(vfs)->xAccess(base(vfs), name, flags, out);
}
int fullPathname(sqlite3_vfs* vfs, const char* name, int size, char* out) {
    return base(vfs)->xFullPathname(base(vfs), name, size, out);
}
void* dlOpen(sqlite3_vfs* vfs, const char* name) { return base(vfs)->xDlOpen(base(vfs), name); }
void dlError(sqlite3_vfs* vfs, int size, char* out) { base(vfs)->xDlError(base(vfs), size, out); }
void (*dlSym(sqlite3_vfs* vfs, void* library, const char* symbol))(void) {
    return base(vfs)->xDlSym(base(vfs), library, symbol);
}
void dlClose(sqlite3_vfs* vfs, void* library) { base(vfs)->xDlClose(base(vfs), library); }
int randomness(sqlite3_vfs* vfs, int size, char* out) {
    return base(vfs)->xRandomness(base(vfs), size, out);
}
int sleep(sqlite3_vfs* vfs, int microseconds) {
    return base(vfs)->xSleep(base(vfs), microseconds);
}
int currentTime(sqlite3_vfs* vfs, double* out) {
    return base(vfs)->xCurrentTime(base(vfs), out);
}
int lastError(sqlite3_vfs* vfs, int size, char* out) {
    return base(vfs)->xGetLastError(base(vfs), size, out);
}
int currentTimeInt64(sqlite3_vfs* vfs, sqlite3_int64* out) {
    return base(vfs)->xCurrentTimeInt64(base(vfs), out);
}

sqlite3_vfs* registered() {
    sqlite3_vfs* system = sqlite3_vfs_find(nullptr);
    static sqlite3_vfs vfs = {
        2,           int(sizeof(WatchedFile)) + system->szOsFile,
        system->mxPathname,   nullptr, "tolvane-watched", system, open, remove, access,
        fullPathname,         dlOpen,  dlError,           dlSym,  dlClose, randomness, sleep,
        currentTime,          lastError,                  currentTimeInt64,
        nullptr,     nullptr, nullptr};
    sqlite3_vfs_register(&vfs, 0);
    return &vfs;
}

}  // namespace

const char* watchedFilesVfs() {
    static sqlite3_vfs* vfs = registered();
    return vfs->zName;
}

FileWatch::FileWatch(void (*watcher)(void*), void* context)
    : previousWatcher_(tlWatcher), previousContext_(tlContext) {
    tlWatcher = watcher;
    tlContext = context;
}

FileWatch::~FileWatch() {
    tlWatcher = previousWatcher_;
    tlContext = previousContext_;
}

}  // namespace tolvane
