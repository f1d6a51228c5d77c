// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/streams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace ravelin::common {

namespace {

bool isClosed(int fd) {
    return ::fcntl(fd, F_GETFD) == -1 && errno == EBADF;
}

// Opens /dev/null on the lowest free number, which is `fd` when the numbers below it are open.
void openOnDevNull(int fd) {
    const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    if (opened >= 0 && opened != fd) {
        ::dup2(opened, fd);
        ::close(opened);
    }
}

} // namespace

ClosedStreams openClosedStandardStreams() {
    ClosedStreams closed;
    bool* const flags[] = {&closed.input, &closed.output, &closed.errors};
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (isClosed(fd)) {
            *flags[fd] = true;
            openOnDevNull(fd);
        }
    }
    return closed;
}

} // namespace ravelin::common
