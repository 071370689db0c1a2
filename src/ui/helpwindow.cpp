// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/helpwindow.h"

#include "app/desktop.h"
#include "app/qtcolor.h"
#include "app/windoweventfilter.h"
#include "color/color.h"
#include "color/contrast.h"
#include "core/error.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QShortcut>
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

// The manual's headings in the program's blue where the page is light, a light blue where it is
// dark: always readable on the theme's background (at least 4.5:1). The text takes the theme's
// own color, the links the theme's too where it reads on the page.
QString headingColor(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const Color::ColorValue background = toColorValue(base);
    for (const Color::ColorValue heading :
         {Color::pack(0x00, 0x40, 0x80), Color::pack(0x9C, 0xC8, 0xFF)}) {
        if (Contrast::contrastRatio(heading, background) >= 4.5)
            return Color::buildHex(heading);
    }
    return palette.color(QPalette::Text).name();
}

// The theme's link color where it reads on the page; else the nearest color of its hue that
// does (a dark theme's blue is often too dark for its own page).
QString linkColor(const QPalette &palette)
{
    const Color::ColorValue background = toColorValue(palette.color(QPalette::Base));
    const Color::ColorValue link = toColorValue(palette.color(QPalette::Link));
    if (Contrast::contrastRatio(link, background) >= 4.5)
        return Color::buildHex(link);
    if (const std::optional<Color::ColorValue> fixed =
                Contrast::fixTextColor(link, background, 4.5))
        return Color::buildHex(*fixed);
    return palette.color(QPalette::Text).name();
}

void followPalette(QTextBrowser *browser)
{
    browser->document()->setDefaultStyleSheet(
            QStringLiteral("h1, h2 { color: %1; } a { color: %2; }")
                    .arg(headingColor(browser->palette()), linkColor(browser->palette())));
    if (!browser->source().isEmpty())
        browser->reload();
}

QTextBrowser *openWindow()
{
    if (g_window)
        return g_window;

    auto *browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("HelpWindow"));
    browser->setWindowTitle(QCoreApplication::translate("HelpService", "Tintora Help"));
    browser->setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility", "The manual; Tab moves between its links, Esc closes it"));
    browser->setWindowIcon(Desktop::icon());
    browser->setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window, whether or not help is still open.
    browser->setAttribute(Qt::WA_QuitOnClose, false);
    browser->setOpenExternalLinks(true);
    browser->resize(560, 480);
    followPalette(browser);
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), browser);
    QObject::connect(close, &QShortcut::activated, browser, &QWidget::close);
    // A new theme while the window is open.
    auto *themeWatch = new WindowEventFilter(browser, [browser](QWidget *widget, QEvent *event) {
        if (widget == browser && event->type() == QEvent::PaletteChange)
            followPalette(browser);
        return false;
    });
    QObject::connect(browser, &QObject::destroyed, [themeWatch] { delete themeWatch; });
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
        throw Error(QCoreApplication::translate(
                            "HelpService", "Cannot show help: the help file '%1' was not found")
                            .arg(helpFile));
    const QString page = topicPage(context);
    if (page.isEmpty() || !QFile::exists(folder + page))
        throw Error(QCoreApplication::translate(
                            "HelpService",
                            "Cannot show help: there is no topic %1 in the help file '%2'")
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
