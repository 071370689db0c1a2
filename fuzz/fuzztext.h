// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Text from a fuzzer's bytes. The first byte picks how the rest is read: as Latin-1, as UTF-16,
// or byte by byte from a small alphabet of what conversions care about, so that the fuzzer
// reaches the interesting texts quickly and also sees everything else.
inline QString fuzzText(const uint8_t *data, size_t size)
{
    if (size == 0)
        return {};
    const uint8_t mode = data[0] % 3;
    ++data;
    --size;
    switch (mode) {
    case 0:
        return QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    case 1: {
        QString text;
        for (size_t i = 0; i + 1 < size; i += 2)
            text.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
        return text;
    }
    default: {
        static const char16_t alphabet[] = u" +-$#0123456789abcdefABCDEFg\t\u00a0\u0660x";
        QString text;
        for (size_t i = 0; i < size; ++i)
            text.append(QChar(alphabet[data[i] % (std::size(alphabet) - 1)]));
        return text;
    }
    }
}

// A broken property: say what and where, then abort so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition, ...) \
    do { \
        if (!(condition)) { \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::fprintf(stderr, __VA_ARGS__); \
            std::fprintf(stderr, "\n"); \
            std::abort(); \
        } \
    } while (false)
