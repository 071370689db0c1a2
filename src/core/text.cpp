// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text.h"

namespace Tintora::Text {

QString elideMiddle(const QString &text, qsizetype maxLength)
{
    if (text.size() <= maxLength)
        return text;
    const QChar ellipsis(0x2026);
    const qsizetype keep = qMax(qsizetype(0), maxLength - 1);
    qsizetype head = (keep + 1) / 2;
    qsizetype tail = keep - head;
    // Keep surrogate pairs whole on both sides of the cut.
    if (head > 0 && text.at(head - 1).isHighSurrogate())
        --head;
    if (tail > 0 && text.at(text.size() - tail).isLowSurrogate())
        --tail;
    return text.left(head) + ellipsis + text.right(tail);
}

QString elideEnd(const QString &text, qsizetype maxLength)
{
    if (text.size() <= maxLength)
        return text;
    qsizetype keep = qMax(qsizetype(0), maxLength - 1);
    if (keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep) + QChar(0x2026);
}

} // namespace Tintora::Text
