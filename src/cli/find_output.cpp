#include "cli/find_output.h"

#include "cli/find_options.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace tolvane {

StdioOutput::StdioOutput(std::FILE* stream, bool closed)
    : stream_(stream), terminal_(isatty(fileno(stream)) == 1), closed_(closed) {}

void StdioOutput::write(QByteArrayView bytes) {
    check(!closed_);
    const auto size = static_cast<std::size_t>(bytes.size());
    check(std::fwrite(bytes.data(), 1, size, stream_) == size);
}

void StdioOutput::flush() { check(!closed_ && std::fflush(stream_) == 0); }

void StdioOutput::check(bool ok) {
    if (ok) return;
    const int error = errno;
    if (error == EPIPE) throw OutputClosed();
    if (closed_) throw FindFailure(QStringLiteral("cannot write the output: it is closed"));
    throw FindFailure(QStringLiteral("cannot write the output: %1")
                          .arg(QString::fromLocal8Bit(std::strerror(error))));
}

void ignoreBrokenPipe() { std::signal(SIGPIPE, SIG_IGN); }

bool holdIfClosed(int descriptor) {
    if (fcntl(descriptor, F_GETFD) != -1) return false;
    const int held = open("/dev/null", O_RDWR);
    if (held != descriptor && held != -1) {
        dup2(held, descriptor);
        close(held);
    }
    return true;
}

}  // namespace tolvane
