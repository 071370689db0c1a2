// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vectorstate.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#    include <cpuid.h>
#    include <immintrin.h>

namespace Tintora::VectorState {

namespace {

__attribute__((target("avx"))) void zeroUpper()
{
    _mm256_zeroupper();
}

// Asked of the processor itself, once, when first needed: the compiler's own feature test would
// link in a constructor that surveys every feature at every start (a tenth of a millisecond on
// a virtual machine, where each question is answered by the host).
bool hasAvx()
{
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx) || !(ecx & bit_AVX) || !(ecx & bit_OSXSAVE))
        return false;
    // The system must also save the registers' upper halves: XCR0's SSE and AVX state bits.
    unsigned low = 0, high = 0;
    __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    return (low & 0x6) == 0x6;
}

} // namespace

void clearUpper()
{
    static const bool avx = hasAvx();
    if (avx)
        zeroUpper();
}

} // namespace Tintora::VectorState

#else

namespace Tintora::VectorState {

void clearUpper() { }

} // namespace Tintora::VectorState

#endif
