// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

namespace Tintora {

// The colors that became current, newest first: at most kCapacity, each once (a color met
// again moves to the front). Kept in the user's settings file and read from it only when first
// needed, so that start-up never waits for it. A value there that is not a list of #RRGGBB
// texts is taken as no history at all: a history is not worth an error box.
class ColorHistory : public QObject
{
    Q_OBJECT
public:
    static constexpr int kCapacity = 24;

    // fileName is the settings file; by default the user's (Settings::fileName()).
    explicit ColorHistory(const QString &fileName = QString(), QObject *parent = nullptr);
    ~ColorHistory() override;

    QList<Color::ColorValue> colors() const;
    // A color settled as the current one (picked, pasted, chosen, a drag come to rest): it
    // goes to the front. Saved at once.
    void settle(Color::ColorValue color);
    void clear();

    // The settings key the colors are kept under, as a list of "#RRGGBB".
    static QString key();

signals:
    void changed();

private:
    void load() const;
    void save();

    QString m_fileName;
    mutable std::optional<QList<Color::ColorValue>> m_colors;
};

} // namespace Tintora
