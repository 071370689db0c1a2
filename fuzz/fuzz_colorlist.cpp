// SPDX-License-Identifier: GPL-3.0-or-later
// The color list's index against a plain list and a plain scan: appends, removals, edits of
// names and values (canonical, lower case, or anything) and whole-list loads in any order, with
// "which is the last entry with this value, in any letter case?" asked after each.
#include "choices.h"
#include "fuzztext.h"
#include "lists/colorlist.h"

#include <utility>
#include <vector>

using namespace Tintora;

namespace {

QString asciiUpper(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    }
    return upper;
}

// Values that collide often: a handful of colors in both cases, near misses and odd text.
QString value(Choices &choices)
{
    static const char *const pool[] = {"#87CEEB", "#87ceeb",  "#87CeEb",  "#000000",
                                       "#FFFFFF", "#ffffff",  "#87CEE",   "",
                                       "#GGGGGG", " #87CEEB", "#87CEEB ", "87CEEB"};
    if (choices.oneIn(4))
        return choices.hexText();
    return QString::fromLatin1(pool[choices.below(std::size(pool))]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ByteChoices choices(data, size);
    ColorList list;
    std::vector<std::pair<QString, QString>> plain;
    for (int step = 0; step < 200 && !choices.exhausted(); ++step) {
        const qsizetype count = qsizetype(plain.size());
        switch (choices.below(6)) {
        case 0:
        case 1: {
            const QString name = choices.text(4), hex = value(choices);
            list.append(name, hex);
            plain.emplace_back(name, hex);
            break;
        }
        case 2:
            if (count > 0) {
                const qsizetype row = choices.below(quint32(count));
                list.remove(row);
                plain.erase(plain.begin() + row);
            }
            break;
        case 3:
            if (count > 0) {
                const qsizetype row = choices.below(quint32(count));
                const QString hex = value(choices);
                list.setHex(row, hex);
                plain[size_t(row)].second = hex;
            }
            break;
        case 4:
            if (count > 0) {
                const qsizetype row = choices.below(quint32(count));
                const QString name = choices.text(4);
                list.setName(row, name);
                plain[size_t(row)].first = name;
            }
            break;
        default: {
            QStringList names, hexes;
            plain.clear();
            const int n = choices.between(0, 8);
            for (int i = 0; i < n; ++i) {
                names.append(choices.text(3));
                if (!choices.oneIn(5)) // the hex file may be short
                    hexes.append(value(choices));
            }
            list.assign(names, hexes);
            for (int i = 0; i < n; ++i)
                plain.emplace_back(names[i], hexes.value(i));
            break;
        }
        }

        FUZZ_CHECK(list.count() == qsizetype(plain.size()), "count %lld, expected %zu",
                   qlonglong(list.count()), plain.size());
        for (size_t i = 0; i < plain.size(); ++i) {
            FUZZ_CHECK(list.name(qsizetype(i)) == plain[i].first, "name of row %zu", i);
            FUZZ_CHECK(list.hex(qsizetype(i)) == plain[i].second,
                       "value of row %zu: '%s', not '%s'", i, qPrintable(list.hex(qsizetype(i))),
                       qPrintable(plain[i].second));
        }
        QStringList questions = {value(choices), value(choices)};
        for (const auto &[name, hex] : plain)
            questions.append(hex);
        for (const QString &question : std::as_const(questions)) {
            qsizetype expected = -1;
            for (size_t i = 0; i < plain.size(); ++i) {
                if (asciiUpper(plain[i].second) == asciiUpper(question))
                    expected = qsizetype(i);
            }
            FUZZ_CHECK(list.lastRowWithHex(question) == expected,
                       "last row with '%s': %lld, expected %lld", qPrintable(question),
                       qlonglong(list.lastRowWithHex(question)), qlonglong(expected));
        }
    }
    return 0;
}
