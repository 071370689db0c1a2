// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/warmup.h"

#include <QFontDatabase>

#ifdef TINTORA_HAVE_FONTCONFIG
#    include <fontconfig/fontconfig.h>
#endif

#include <system_error>

namespace Tintora {

WarmUp::WarmUp() noexcept
{
    try {
        m_thread = std::thread([this] { run(); });
    } catch (const std::system_error &) {
        // No thread to be had: Qt loads it all itself when the first text is measured.
    }
}

WarmUp::~WarmUp()
{
    finish();
}

void WarmUp::applicationStarted() noexcept
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_next == Next::Wait)
            m_next = Next::FontDatabase;
    }
    m_changed.notify_one();
}

void WarmUp::finish() noexcept
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_next == Next::Wait)
            m_next = Next::Stop;
    }
    m_changed.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void WarmUp::run() noexcept
{
    try {
#ifdef TINTORA_HAVE_FONTCONFIG
        // The library keeps one configuration per process and sets it once: when Qt asks for
        // it, it is there, or Qt loads its own copy and one of the two is dropped.
        FcInit();
#endif
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_next != Next::Wait; });
        if (m_next == Next::FontDatabase) {
            lock.unlock();
            QFontDatabase::families(); // fills the whole database, under Qt's own lock
        }
    } catch (...) {
        // Whatever failed here, Qt does again on the main thread when it needs it.
    }
}

} // namespace Tintora
