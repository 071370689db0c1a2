// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace Tintora {

// Loads on a thread of its own what the main window needs before it shows and the window system
// does not. Before the first text is measured, the font library parses every configuration file
// and cache it has, and Qt then lists every installed font in its font database: together the
// largest single step before the main window shows. The first part needs nothing of Qt and runs
// while the platform plugin loads; the second needs the application object and runs while the
// translations load and the window starts to be built. Qt's font database is guarded by its
// own lock: if the window needs it before it is done, it waits for it there, and nothing is
// loaded twice. Without the font library at build time the first part is left to Qt.
class WarmUp
{
public:
    WarmUp() noexcept;
    ~WarmUp();
    WarmUp(const WarmUp &) = delete;
    WarmUp &operator=(const WarmUp &) = delete;

    // The application object exists: the thread goes on to Qt's font database.
    // finish() must be called before the application object is destroyed.
    void applicationStarted() noexcept;
    // Returns once the thread is done; a thread still waiting for the application does nothing
    // more.
    void finish() noexcept;

private:
    enum class Next { Wait, FontDatabase, Stop };
    void run() noexcept;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    Next m_next = Next::Wait;
    std::thread m_thread;
};

} // namespace Tintora
