// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/memory.h"

#if defined(__GLIBC__)
#    include <malloc.h>
#endif

namespace Tintora::Memory {

namespace {
// Below this the freed memory is a few megabytes at most, which the allocator reuses anyway.
constexpr qsizetype kLargeList = 50'000;
} // namespace

void releaseAfterList(qsizetype entries)
{
    if (entries < kLargeList)
        return;
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void releaseAfterPicture()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace Tintora::Memory
