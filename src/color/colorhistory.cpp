// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/colorhistory.h"

#include "core/settingsfile.h"

#include <QRegularExpression>
#include <QSettings>

namespace Tintora {

ColorHistory::ColorHistory(const QString &fileName, QObject *parent)
    : QObject(parent), m_fileName(fileName.isEmpty() ? Settings::fileName() : fileName)
{ }

ColorHistory::~ColorHistory() = default;

QString ColorHistory::key()
{
    return QStringLiteral("History/colors");
}

QList<Color::ColorValue> ColorHistory::colors() const
{
    load();
    return *m_colors;
}

void ColorHistory::settle(Color::ColorValue color)
{
    load();
    color &= 0xFFFFFF;
    if (!m_colors->isEmpty() && m_colors->front() == color)
        return;
    m_colors->removeAll(color);
    m_colors->prepend(color);
    if (m_colors->size() > kCapacity)
        m_colors->resize(kCapacity);
    save();
    emit changed();
}

void ColorHistory::clear()
{
    load();
    if (m_colors->isEmpty())
        return;
    m_colors->clear();
    save();
    emit changed();
}

void ColorHistory::load() const
{
    if (m_colors)
        return;
    m_colors.emplace();
    const QSettings settings(m_fileName, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return;
    const QVariant value = settings.value(key());
    if (!value.isValid())
        return;
    // A single entry reads back as a string, several as a list.
    const QStringList texts = value.typeId() == QMetaType::QString ? QStringList {value.toString()}
                                                                   : value.toStringList();
    if (texts.isEmpty() && !value.canConvert<QStringList>())
        return;
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    QList<Color::ColorValue> colors;
    for (const QString &text : texts) {
        if (!hex.match(text).hasMatch())
            return; // broken: no history rather than half of one
        const Color::Components c = Color::parseHex(text);
        const Color::ColorValue color = Color::pack(c.red, c.green, c.blue);
        if (!colors.contains(color))
            colors.append(color);
    }
    if (colors.size() > kCapacity)
        colors.resize(kCapacity);
    *m_colors = colors;
}

void ColorHistory::save()
{
    QStringList texts;
    texts.reserve(m_colors->size());
    for (Color::ColorValue color : *m_colors)
        texts.append(Color::buildHex(color));
    QSettings settings(m_fileName, QSettings::IniFormat);
    if (texts.isEmpty())
        settings.remove(key());
    else
        settings.setValue(key(), texts);
    // A file that cannot be written loses the history of this run only; nothing to tell.
    settings.sync();
}

} // namespace Tintora
