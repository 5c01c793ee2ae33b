#pragma once

#include <QByteArrayView>

#include <cstdio>

namespace tolvane {

// Where tolvane-find's standard output goes. write() and flush() throw
// FindFailure when the output cannot be written (a full disk, a closed
// descriptor) and OutputClosed when its reader has gone (a closed pipe).
class FindOutputStream {
public:
    virtual ~FindOutputStream() = default;
    virtual void write(QByteArrayView bytes) = 0;
    virtual void flush() = 0;
    // Whether a person reads it on a terminal.
    virtual bool terminal() const = 0;
};

// The reader of the output has gone; the run ends quietly.
struct OutputClosed {};

// A stdio stream. A closed pipe sends no signal: the program ignores
// SIGPIPE (ignoreBrokenPipe) and sees the write fail instead.
class StdioOutput final : public FindOutputStream {
public:
    // `closed`: the stream's descriptor was closed when the program started
    // (see holdIfClosed); every write fails.
    StdioOutput(std::FILE* stream, bool closed);
    void write(QByteArrayView bytes) override;
    void flush() override;
    bool terminal() const override { return terminal_; }

private:
    void check(bool ok);
    std::FILE* stream_;
    bool terminal_;
    bool closed_;  // no open descriptor behind the stream
};

// When `descriptor` is closed, opens /dev/null on it, so that no file the
// program opens later (a catalogue, a socket of the library) takes its
// place and receives what was meant for standard output; true when it was
// closed. Called first thing in main.
bool holdIfClosed(int descriptor);

// Lets a write to a closed pipe fail with EPIPE instead of ending the
// process by signal.
void ignoreBrokenPipe();

}  // namespace tolvane
