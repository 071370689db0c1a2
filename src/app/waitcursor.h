// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shows the wait cursor over the program's windows while it lives. The handlers of the commands
// that may take longer than a tenth of a second with a long list (loading, saving, searching)
// hold one around their work, after any dialog of theirs has closed.
namespace Tintora {

class WaitCursor
{
public:
    // A cursor that is not shown changes nothing: for work that is quick this time.
    explicit WaitCursor(bool shown = true);
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    bool m_shown;
};

} // namespace Tintora
