// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the user's language, the application's title and help file, the real dialogs, the
// main window, and the event loop until the main window closes. The program takes no arguments;
// those given are Qt's.
#include "app/application.h"
#include "app/desktop.h"
#include "app/dialogs.h"
#include "app/translations.h"
#include "ui/qtdialogs.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QCoreApplication>

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
    form.show();
    const int exitCode = QApplication::exec();
    Tintora::Dialogs::install(nullptr);
    Tintora::Translations::uninstall(); // while the application they belong to still exists
    return exitCode;
}
