// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pickcommand.h"

#include "app/application.h"
#include "app/background.h"
#include "cli/commandline.h"
#include "ui/screenpicker.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>

namespace Tintora {

namespace {

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

PickCommand::PickCommand(Notation::Form form, bool copy) : m_form(form), m_copy(copy)
{
    m_dialogs.onError = [this](const QString &text) { fail(text); };
    m_previousDialogs = Dialogs::install(&m_dialogs);
    // The overlays come and go; the program ends when the command says so.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_picker = new ScreenPicker(nullptr);
    m_picker->setParent(this);
    m_picker->onPicked = [this](Color::ColorValue color) { picked(color); };
    m_picker->onCancelled = [this] { finish(CommandLine::kCancelled); };
}

PickCommand::~PickCommand()
{
    delete m_picker;
    m_picker = nullptr;
    Dialogs::install(m_previousDialogs);
}

void PickCommand::start()
{
    // From inside the event loop, so that a failure at once can end it.
    QTimer::singleShot(0, this,
                       [this] { Application::runHandler(nullptr, [this] { m_picker->start(); }); });
}

void PickCommand::picked(Color::ColorValue color)
{
    if (m_finished)
        return;
    const QString text = Notation::format(color, m_form);
    print(stdout, text + QLatin1Char('\n'));
    if (!m_copy) {
        finish(CommandLine::kSuccess);
        return;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    if (!clipboard->ownsClipboard()) {
        fail(tr("The color could not be put on the clipboard."));
        return;
    }
    // The caller has its answer now; the clipboard stays with this process until another
    // program takes it over.
    m_finished = true;
    Background::release(CommandLine::kSuccess);
    connect(clipboard, &QClipboard::dataChanged, this, [this] { clipboardChanged(); });
}

void PickCommand::clipboardChanged()
{
    if (!QGuiApplication::clipboard()->ownsClipboard())
        QCoreApplication::exit(CommandLine::kSuccess);
}

void PickCommand::fail(const QString &reason)
{
    if (m_finished)
        return;
    print(stderr, QStringLiteral("tintora: ") + reason + QLatin1Char('\n'));
    finish(CommandLine::kFailure);
}

void PickCommand::finish(int exitCode)
{
    if (m_finished)
        return;
    m_finished = true;
    Background::release(exitCode);
    QCoreApplication::exit(exitCode);
}

} // namespace Tintora
