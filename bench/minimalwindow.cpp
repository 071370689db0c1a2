// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a Qt Widgets main window with a menu bar and a label, nothing else.
// bench/startup.sh times it next to the program.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.menuBar()
            ->addMenu(QStringLiteral("&File"))
            ->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.setCentralWidget(new QLabel(QStringLiteral("A label"), &window));
    window.resize(295, 383);
    window.show();
    return QApplication::exec();
}
