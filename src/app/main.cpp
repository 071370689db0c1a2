// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up. The arguments decide first what is asked: --convert, --contrast, --help and
// --version print their text on a QCoreApplication and need no window system at all; --pick
// picks one color without the main window; anything else opens the main window with the files
// named. Then the user's language, the application's title and help file, the real dialogs,
// and the event loop until the main window closes.
#include "app/application.h"
#include "app/background.h"
#include "app/desktop.h"
#include "app/dialogs.h"
#include "app/translations.h"
#include "cli/commandline.h"
#include "cli/textcommands.h"
#include "ui/pickcommand.h"
#include "ui/qtdialogs.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

using namespace Tintora;

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

int runText(int argc, char **argv, const CommandLine::Request &request)
{
    QCoreApplication app(argc, argv);
    Translations::install();
    const TextCommands::Outcome outcome = TextCommands::run(request);
    print(stdout, outcome.out);
    print(stderr, outcome.err);
    Translations::uninstall();
    return std::fflush(stdout) == 0 ? outcome.exitCode : CommandLine::kFailure;
}

} // namespace

int main(int argc, char **argv)
{
    const CommandLine::Request request = CommandLine::parse(argumentsOf(argc, argv));
    if (!CommandLine::needsWindowSystem(request.mode))
        return runText(argc, argv, request);
    if (request.mode == CommandLine::Mode::Pick) {
        const QString missing = CommandLine::missingWindowSystem(
                qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("DISPLAY"),
                qEnvironmentVariable("WAYLAND_DISPLAY"));
        if (!missing.isEmpty()) {
            CommandLine::Request failure;
            failure.mode = CommandLine::Mode::UsageError;
            failure.error = missing;
            return runText(argc, argv, failure);
        }
        // Split before the window system is reached: the process that stays must have a
        // connection of its own.
        if (request.copy)
            Background::split();
    }

    QApplication app(argc, argv);
    // Before the first window, whose texts are translated as it is built.
    Translations::install();
    Application::setTitle(QCoreApplication::translate("main", "Tintora - version 1.0"));
    Application::setHelpFile(QStringLiteral("tra32r10.HLP"));
    Desktop::integrate();

    int exitCode = 0;
    if (request.mode == CommandLine::Mode::Pick) {
        PickCommand pick(request.form, request.copy);
        pick.start();
        exitCode = QApplication::exec();
    } else {
        QtDialogs dialogs;
        Dialogs::install(&dialogs);
        TForm1 form;
        form.show();
        if (!request.files.isEmpty())
            QTimer::singleShot(0, &form, [&form, &request] { form.openFiles(request.files); });
        exitCode = QApplication::exec();
        Dialogs::install(nullptr);
    }
    Translations::uninstall(); // while the application they belong to still exists
    return exitCode;
}
