// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vectorstate.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#    include <immintrin.h>

namespace Tintora::VectorState {

namespace {

__attribute__((target("avx"))) void zeroUpper()
{
    _mm256_zeroupper();
}

} // namespace

void clearUpper()
{
    static const bool hasAvx = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    if (hasAvx)
        zeroUpper();
}

} // namespace Tintora::VectorState

#else

namespace Tintora::VectorState {

void clearUpper() { }

} // namespace Tintora::VectorState

#endif
