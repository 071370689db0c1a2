// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace Tintora {

class ColorList;
class ColorListModel;
class RecoveryKeeper;

// What the recovery keeper needs of the window that holds the color list: the list, its
// unsaved-changes flag and file, a way to put a recovered list back, and the window's two
// events (the flag changed, the list was saved), which it hands to the keeper.
class RecoverableList
{
public:
    virtual ~RecoverableList() = default;

    // The window: questions are asked over it, and the keeper's work runs as its handlers.
    virtual QWidget *window() = 0;
    virtual ColorListModel *colorList() = 0;
    virtual bool listModified() const = 0;
    // The list file the list belongs to; empty when it has none.
    virtual QString listFile() const = 0;
    // Puts a recovered list into the window as it was before the program ended.
    virtual void restoreList(ColorList &&list, const QString &listFile) = 0;
    // Tells the keeper from now on when the flag changes and when the list is saved.
    virtual void watch(RecoveryKeeper &keeper) = 0;
};

} // namespace Tintora
