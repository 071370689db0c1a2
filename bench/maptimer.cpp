// SPDX-License-Identifier: GPL-3.0-or-later
// maptimer [--settle MS] TITLE PROGRAM [ARGUMENTS...]
//
// Starts PROGRAM on the X display and waits for the X server to report that a top-level window
// with the caption TITLE is mapped. Prints one line: the milliseconds from just before the
// start to the map, the program's resident memory (kB) at the map, and again after MS
// milliseconds more (default 1000) when its first paint is long done. Then ends the program.
//
// The map is observed as a MapNotify on the root window, so the time is the server's view,
// without polling; with no window manager running a top-level window's parent is the root.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include <poll.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const char *message)
{
    std::fprintf(stderr, "maptimer: %s\n", message);
    std::exit(2);
}

std::string windowName(Display *display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    for (const Atom property : {netWmName, Atom(XA_WM_NAME)}) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char *data = nullptr;
        if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type,
                               &format, &items, &after, &data)
                    == Success
            && data) {
            std::string name(reinterpret_cast<char *>(data), items);
            XFree(data);
            if (format == 8)
                return name;
        }
    }
    return {};
}

long residentKb(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE *status = std::fopen(path.c_str(), "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            kb = std::strtol(line + 6, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return kb;
}

void endProgram(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char **argv)
{
    int settleMs = 1000;
    int arg = 1;
    if (arg + 1 < argc && std::strcmp(argv[arg], "--settle") == 0) {
        settleMs = std::atoi(argv[arg + 1]);
        arg += 2;
    }
    if (argc - arg < 2)
        fail("usage: maptimer [--settle MS] TITLE PROGRAM [ARGUMENTS...]");
    const std::string title = argv[arg];
    char **program = argv + arg + 1;

    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the X display");
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        fail("cannot fork");
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(program[0], program);
        std::perror("maptimer: exec");
        _exit(127);
    }

    const Clock::time_point deadline = start + std::chrono::seconds(30);
    pollfd connection {ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect)
                continue;
            const Clock::time_point mapped = Clock::now();
            if (windowName(display, event.xmap.window) != title)
                continue;
            const long atMap = residentKb(pid);
            std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
            const long settled = residentKb(pid);
            std::printf("%.2f %ld %ld\n",
                        std::chrono::duration<double, std::milli>(mapped - start).count(), atMap,
                        settled);
            endProgram(pid);
            XCloseDisplay(display);
            return 0;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            fail("the program ended before its window was mapped");
        if (Clock::now() > deadline) {
            endProgram(pid);
            fail("no window with that caption was mapped within 30 s");
        }
        if (poll(&connection, 1, 100) < 0 && errno != EINTR)
            fail("lost the X connection");
    }
}
