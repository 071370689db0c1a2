// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up. The arguments decide first what is asked: --convert, --contrast, --help and
// --version print their text on a QCoreApplication and need no window system at all; --pick
// picks one color without the main window; anything else opens the main window with the files
// named. The fonts' set-up starts on a thread of its own before the window system is reached.
// Then the user's language, the application's title and help file, the real dialogs, and the
// event loop until the main window closes.
#include "app/application.h"
#include "app/background.h"
#include "app/desktop.h"
#include "app/dialogs.h"
#include "app/textrun.h"
#include "app/translations.h"
#include "app/warmup.h"
#include "cli/commandline.h"
#include "lists/recoverycopy.h"
#include "ui/pickcommand.h"
#include "ui/qtdialogs.h"
#include "ui/recoverykeeper.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QScopeGuard>
#include <QTimer>

using namespace Tintora;

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    const CommandLine::Request request =
            TextRun::checked(CommandLine::parse(argumentsOf(argc, argv)));
    if (!CommandLine::needsWindowSystem(request.mode))
        return TextRun::run(argc, argv, request);
    // Split before the window system is reached: the process that stays needs a connection of
    // its own.
    if (request.mode == CommandLine::Mode::Pick && request.copy)
        Background::split();

    WarmUp warmUp; // beside the window system's start and what follows
    QApplication app(argc, argv);
    warmUp.applicationStarted();
    const auto warmedUp =
            qScopeGuard([&warmUp] { warmUp.finish(); }); // before the application goes
    // Before the first window, whose texts are translated as it is built.
    Translations::install();
    Application::setTitle(QCoreApplication::translate("main", "Tintora - version 1.0"));
    Application::setHelpFile(QStringLiteral("tra32r10.HLP"));

    int exitCode = 0;
    if (request.mode == CommandLine::Mode::Pick) {
        Desktop::integrate();
        PickCommand pick(request.form, request.copy);
        pick.start();
        exitCode = QApplication::exec();
    } else {
        QtDialogs dialogs;
        Dialogs::install(&dialogs);
        TForm1 form;
        // Gone before the window, at a normal end, taking this program's recovery copy with it.
        RecoveryKeeper recovery(form.recoverableList(), RecoveryCopy::folder());
        Desktop::integrate();
        form.show();
        // Once the window is up, the copies an ended program left behind are offered, then the
        // files named are opened.
        QTimer::singleShot(0, &recovery, &RecoveryKeeper::offerRecovery);
        if (!request.files.isEmpty())
            QTimer::singleShot(0, &form, [&form, &request] { form.openFiles(request.files); });
        exitCode = QApplication::exec();
        Dialogs::install(nullptr);
    }
    Translations::uninstall(); // while the application they belong to still exists
    return exitCode;
}
