// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the user's language, the application's title and help file, the real dialogs, the
// main window, and the event loop until the main window closes. The program takes no arguments;
// those given are Qt's.
#include "app/application.h"
#include "app/desktop.h"
#include "app/dialogs.h"
#include "app/translations.h"
#include "lists/recoverycopy.h"
#include "ui/qtdialogs.h"
#include "ui/recoverykeeper.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Before the first window, whose texts are translated as it is built.
    Tintora::Translations::install();
    Tintora::Application::setTitle(QCoreApplication::translate("main", "Tintora - version 1.0"));
    Tintora::Application::setHelpFile(QStringLiteral("tra32r10.HLP"));
    Tintora::Desktop::integrate();

    Tintora::QtDialogs dialogs;
    Tintora::Dialogs::install(&dialogs);

    TForm1 form;
    // Gone before the window, at a normal end, taking this program's recovery copy with it.
    Tintora::RecoveryKeeper recovery(form, Tintora::RecoveryCopy::folder());
    form.show();
    // Once the window is up, the copies an ended program left behind are offered.
    QTimer::singleShot(0, &recovery, &Tintora::RecoveryKeeper::offerRecovery);
    const int exitCode = QApplication::exec();
    Tintora::Dialogs::install(nullptr);
    Tintora::Translations::uninstall(); // while the application they belong to still exists
    return exitCode;
}
