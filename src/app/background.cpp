// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/background.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <sys/wait.h>
#include <unistd.h>

namespace Tintora::Background {

namespace {

int g_statusPipe = -1; // the write end, in the process that does the work

[[noreturn]] void waitForStatus(int readEnd, pid_t worker)
{
    unsigned char status = 0;
    ssize_t n = 0;
    do {
        n = ::read(readEnd, &status, 1);
    } while (n < 0 && errno == EINTR);
    if (n == 1)
        ::_exit(status);
    // The worker ended without a word: it crashed, or exited before handing anything over.
    int waitStatus = 0;
    while (::waitpid(worker, &waitStatus, 0) < 0 && errno == EINTR) { }
    if (WIFEXITED(waitStatus))
        ::_exit(WEXITSTATUS(waitStatus));
    static const char message[] = "tintora: the picker stopped unexpectedly\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, message, sizeof message - 1);
    ::_exit(2);
}

} // namespace

void split()
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return;
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return;
    }
    if (pid > 0) {
        ::close(fds[1]);
        waitForStatus(fds[0], pid);
    }
    ::close(fds[0]);
    g_statusPipe = fds[1];
}

void release(int exitCode)
{
    if (g_statusPipe < 0)
        return;
    std::fflush(stdout);
    std::fflush(stderr);
    // A session of its own: closing the terminal no longer ends it.
    ::setsid();
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null >= 0) {
        for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
            ::dup2(null, stream);
        ::close(null);
    }
    const auto status = static_cast<unsigned char>(exitCode);
    ssize_t n = 0;
    do {
        n = ::write(g_statusPipe, &status, 1);
    } while (n < 0 && errno == EINTR);
    ::close(g_statusPipe);
    g_statusPipe = -1;
}

} // namespace Tintora::Background
