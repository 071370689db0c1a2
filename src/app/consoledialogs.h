// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs.h"

#include <functional>

namespace Tintora {

// The dialogs of a command that runs without the main window (tintora --pick): it asks nothing,
// and its errors go to whoever started it instead of into an error box.
class ConsoleDialogs : public Dialogs
{
public:
    // Runs with the text the error box would have shown.
    std::function<void(const QString &)> onError;

    Answer message(QWidget *parent, const QString &text, Type type, Buttons buttons) override;
    void error(QWidget *parent, const QString &text) override;
    std::optional<Color::ColorValue> chooseColor(QWidget *parent,
                                                 const ColorRequest &request) override;
    std::optional<FileChoice> chooseFile(QWidget *parent, const FileRequest &request) override;
    std::optional<int> chooseNumber(QWidget *parent, const NumberRequest &request) override;
    void about(QWidget *parent) override;
};

} // namespace Tintora
