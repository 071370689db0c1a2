// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the application's title and help file, the real dialogs, the main window, and the
// event loop until the main window closes. The program takes no arguments; those given are Qt's.
#include "app/application.h"
#include "app/desktop.h"
#include "app/dialogs.h"
#include "ui/qtdialogs.h"
#include "ui/tform1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Tintora::Application::setTitle(QStringLiteral("Tintora - version 1.0"));
    Tintora::Application::setHelpFile(QStringLiteral("tra32r10.HLP"));
    Tintora::Desktop::integrate();

    Tintora::QtDialogs dialogs;
    Tintora::Dialogs::install(&dialogs);

    TForm1 form;
    form.show();
    const int exitCode = QApplication::exec();
    Tintora::Dialogs::install(nullptr);
    return exitCode;
}
