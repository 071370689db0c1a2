// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/dialogs.h"
#include "app/error.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QIcon>

namespace Tintora::Application {

namespace {
QString g_title;
QString g_helpFile;

void report(QWidget *window, const QString &message) noexcept
{
    try {
        Dialogs::instance().error(window, message + QLatin1Char('.'));
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
        report(window, QStringLiteral("Out of memory"));
    } catch (const std::exception &e) {
        report(window, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        report(window, QStringLiteral("Unexpected error"));
    }
}

int run(int &argc, char **argv)
{
    QApplication app(argc, argv); // arguments are Qt's own; the program takes none
    setTitle(QStringLiteral("Tintora - version 1.0"));
    setHelpFile(QStringLiteral("tra32r10.HLP"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tintora.png")));

    TForm1 form;
    form.show();
    return QApplication::exec();
}

} // namespace Tintora::Application
