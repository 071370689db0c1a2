// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helpservice.h"

#include "app/desktop.h"
#include "core/error.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace Tintora::Help {

namespace {

QPointer<QTextBrowser> g_window;

// The page of each context number; the manual's pages link to each other by themselves.
QString topicPage(int context)
{
    switch (context) {
    case 0:
        return QStringLiteral("index.html");
    default:
        return {};
    }
}

QTextBrowser *openWindow()
{
    if (g_window)
        return g_window;

    auto *browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("HelpWindow"));
    browser->setWindowTitle(QStringLiteral("Tintora Help"));
    browser->setWindowIcon(Desktop::icon());
    browser->setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window, whether or not help is still open.
    browser->setAttribute(Qt::WA_QuitOnClose, false);
    browser->setOpenExternalLinks(true);
    browser->resize(560, 480);
    // Not owned by any window, so nothing else deletes it when the program ends.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, browser, [browser] { delete browser; });
    g_window = browser;
    return browser;
}

} // namespace

void showContext(const QString &helpFile, int context)
{
    const QString manual = QFileInfo(helpFile).completeBaseName().toLower();
    const QString folder = QStringLiteral(":/help/%1/").arg(manual);
    if (manual.isEmpty() || !QFile::exists(folder + QStringLiteral("index.html")))
        throw Error(
                QStringLiteral("Cannot show help: the help file '%1' was not found").arg(helpFile));
    const QString page = topicPage(context);
    if (page.isEmpty() || !QFile::exists(folder + page))
        throw Error(QStringLiteral("Cannot show help: there is no topic %1 in the help file '%2'")
                            .arg(context)
                            .arg(helpFile));

    QTextBrowser *browser = openWindow();
    browser->setSource(QUrl(QStringLiteral("qrc") + folder + page));
    browser->show();
    browser->raise();
    browser->activateWindow();
}

QTextBrowser *window()
{
    return g_window;
}

} // namespace Tintora::Help
