// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"

namespace Tintora {

const char *Error::what() const noexcept
{
    if (m_what.isEmpty())
        m_what = m_message.toUtf8();
    return m_what.constData();
}

} // namespace Tintora
