// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions every step of the update cycle runs several times.
#include "benchsupport.h"

#include "color/color.h"
#include "core/convert.h"

using namespace Tintora;

namespace {

void BM_StrToIntDecimal(benchmark::State &state)
{
    Bench::resetPeak();
    const QStringList texts = {QStringLiteral("0"), QStringLiteral("128"), QStringLiteral("255"),
                               QStringLiteral("37")};
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Convert::strToInt(texts[i++ & 3]));
    Bench::reportMemory(state);
}
BENCHMARK(BM_StrToIntDecimal);

void BM_StrToIntHex(benchmark::State &state)
{
    Bench::resetPeak();
    const QStringList texts = {QStringLiteral("$FF"), QStringLiteral("$0a"), QStringLiteral("$80"),
                               QStringLiteral("$C3")};
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Convert::strToInt(texts[i++ & 3]));
    Bench::reportMemory(state);
}
BENCHMARK(BM_StrToIntHex);

void BM_BuildHex(benchmark::State &state)
{
    Bench::resetPeak();
    Color::ColorValue color = 0x123456;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Color::buildHex(color));
        color = (color * 1103515245u + 12345u) & 0xFFFFFF;
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_BuildHex);

void BM_ParseHex(benchmark::State &state)
{
    Bench::resetPeak();
    const QStringList texts = {QStringLiteral("#FFFFFF"), QStringLiteral("#87ceeb"),
                               QStringLiteral("#000000"), QStringLiteral("#FF8000")};
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Color::parseHex(texts[i++ & 3]));
    Bench::reportMemory(state);
}
BENCHMARK(BM_ParseHex);

} // namespace
