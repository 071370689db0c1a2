// SPDX-License-Identifier: GPL-3.0-or-later
// Writes each of the 16,777,216 colors in every notation and reads the text back; reports
// every color that does not come back, the longest text of each notation, and the time.
//   notationsweep [first last]   (hex bounds, inclusive; the whole cube by default)
#include "color/notation.h"

#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

using namespace Tintora;

int main(int argc, char **argv)
{
    quint32 first = 0;
    quint32 last = 0xFFFFFF;
    if (argc == 3) {
        first = quint32(std::strtoul(argv[1], nullptr, 16));
        last = quint32(std::strtoul(argv[2], nullptr, 16)) & 0xFFFFFFu;
    }
    QElapsedTimer timer;
    timer.start();
    quint64 failures = 0;
    qsizetype longest[Notation::allForms.size()] = {};
    QString longestText[Notation::allForms.size()];
    for (quint64 color = first; color <= last; ++color) {
        for (size_t f = 0; f < Notation::allForms.size(); ++f) {
            const QString text = Notation::format(Color::ColorValue(color), Notation::allForms[f]);
            if (Notation::parseColor(text) != Color::ColorValue(color)) {
                if (++failures <= 50)
                    std::printf("%06llx: '%s' reads back differently\n",
                                static_cast<unsigned long long>(color), qPrintable(text));
            }
            if (text.size() > longest[f]) {
                longest[f] = text.size();
                longestText[f] = text;
            }
        }
        if ((color & 0xFFFFF) == 0xFFFFF)
            std::fprintf(stderr, "%06llx done, %.0f s\n", static_cast<unsigned long long>(color),
                         timer.elapsed() / 1000.0);
    }
    for (size_t f = 0; f < Notation::allForms.size(); ++f)
        std::printf("longest: %s\n", qPrintable(longestText[f]));
    std::printf("%llu colors x %zu notations, %llu not read back, %.0f s\n",
                static_cast<unsigned long long>(last - first + 1), Notation::allForms.size(),
                static_cast<unsigned long long>(failures), timer.elapsed() / 1000.0);
    return failures == 0 ? 0 : 1;
}
