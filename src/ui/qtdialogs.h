// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs.h"

#include <QHash>
#include <QPointer>

class QColorDialog;
class QFileDialog;

namespace Tintora {

// The real dialogs: Qt's message box, color chooser and file dialogs, and the About box. Each
// file dialog and the color chooser are made on first use and kept, under the request's design
// name, so that a dialog opens where the user last left it.
class QtDialogs : public Dialogs
{
public:
    QtDialogs();
    ~QtDialogs() override;

    Answer message(QWidget *parent, const QString &text, Type type, Buttons buttons) override;
    void error(QWidget *parent, const QString &text) override;
    std::optional<Color::ColorValue> chooseColor(QWidget *parent,
                                                 const ColorRequest &request) override;
    std::optional<FileChoice> chooseFile(QWidget *parent, const FileRequest &request) override;
    std::optional<int> chooseNumber(QWidget *parent, const NumberRequest &request) override;
    void about(QWidget *parent) override;

private:
    QPointer<QColorDialog> m_colorDialog;
    QHash<QString, QPointer<QFileDialog>> m_fileDialogs;
};

} // namespace Tintora
