// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Staying on in the background after the caller has its answer, as clipboard tools do: the
// process is split in two before it connects to the window system. The caller's process only
// waits, and exits with the status the other one hands it; the other one does the work, prints
// its answer, hands over the status, lets go of the caller's terminal and standard streams,
// and goes on (keeping the clipboard) for as long as it needs. A shell running
// c=$(tintora --pick --copy) has its answer and status at once.
namespace Tintora::Background {

// Returns in the process that does the work; the caller's process never returns from here.
// Where the process cannot be split, it returns without splitting and everything runs in the
// foreground.
void split();

// Hands exitCode to the caller's process (which exits with it) after flushing standard output
// and error, then detaches from them and from the terminal. Does nothing when not split, or a
// second time.
void release(int exitCode);

} // namespace Tintora::Background
