// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs.h"

#include "app/application.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace Tintora {

namespace {
Dialogs *g_dialogs = nullptr;

QColor toQColor(Color::ColorValue c)
{
    return QColor(Color::red(c), Color::green(c), Color::blue(c));
}
} // namespace

Dialogs &Dialogs::instance()
{
    static QtDialogs real;
    return g_dialogs ? *g_dialogs : real;
}

Dialogs *Dialogs::install(Dialogs *dialogs)
{
    Dialogs *previous = g_dialogs;
    g_dialogs = dialogs;
    return previous;
}

Dialogs::Answer QtDialogs::message(QWidget *parent, const QString &text, Type type, Buttons buttons)
{
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MessageDialog"));
    box.setText(text);
    if (type == Type::Warning) {
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(QStringLiteral("Warning"));
    } else {
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle(QStringLiteral("Confirm"));
    }
    if (buttons == Buttons::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return Answer::Ok;
    }
    QPushButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

void QtDialogs::error(QWidget *parent, const QString &text)
{
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(Application::title());
    box.setText(text);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

std::optional<Color::ColorValue> QtDialogs::chooseColor(QColorDialog *dialog,
                                                        Color::ColorValue initial)
{
    dialog->setCurrentColor(toQColor(initial));
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor c = dialog->selectedColor();
    return Color::pack(c.red(), c.green(), c.blue());
}

std::optional<QString> QtDialogs::chooseFile(QFileDialog *dialog)
{
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

} // namespace Tintora
