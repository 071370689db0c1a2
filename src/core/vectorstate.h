// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Tintora::VectorState {

// Clears the upper halves of the processor's AVX registers, where it has them. The program is
// built for plain x86-64, whose floating-point code uses the older SSE instructions; while a
// library has left those upper halves in use (the toolkit's start does), each such instruction
// waits on a half it never reads, and the color arithmetic runs at half its speed or less
// (writing oklch() took 1.6 us instead of 0.9). Costs a cycle: called where that arithmetic
// starts.
void clearUpper();

} // namespace Tintora::VectorState
