// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/dialogs.h"
#include "core/error.h"
#include "core/text.h"

#include <QCoreApplication>

Q_LOGGING_CATEGORY(lcErrors, "tintora.errors")

namespace Tintora::Application {

namespace {
QString g_title;
QString g_helpFile;

void report(QWidget *window, const QString &message) noexcept
{
    try {
        const QString text = Text::elideMiddle(message, kMaxMessageLength) + QLatin1Char('.');
        qCWarning(lcErrors).noquote() << text;
        Dialogs::instance().error(window, text);
    } catch (...) {
        // The error box itself failed; there is nothing left to show it with.
    }
}
} // namespace

QString title()
{
    return g_title;
}

void setTitle(const QString &title)
{
    g_title = title;
}

QString helpFile()
{
    return g_helpFile;
}

void setHelpFile(const QString &fileName)
{
    g_helpFile = fileName;
}

void runHandler(QWidget *window, const std::function<void()> &handler) noexcept
{
    try {
        handler();
    } catch (const Error &e) {
        report(window, e.message());
    } catch (const std::bad_alloc &) {
        report(window, QCoreApplication::translate("Application", "Out of memory"));
    } catch (const std::exception &e) {
        report(window, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        report(window, QCoreApplication::translate("Application", "Unexpected error"));
    }
}

} // namespace Tintora::Application
