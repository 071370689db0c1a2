// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the list commands, as tables: what a delete removes and shows, which question
// comes before loading and closing, how a typed name is stored.
#include "lists/colorlist.h"
#include "lists/listrules.h"

#include <QTest>

using namespace Tintora;
using namespace Tintora::ListRules;

Q_DECLARE_METATYPE(std::optional<ListRules::Deletion>)
Q_DECLARE_METATYPE(ListRules::SaveQuestion)

class tst_ListRules : public QObject
{
    Q_OBJECT
private slots:
    void deletion_data();
    void deletion();
    void questions_data();
    void questions();
    void questionTexts();
    void storableName_data();
    void storableName();
};

void tst_ListRules::deletion_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<Deletion>>("expected");
    const QStringList three {"Red", "Green", "Blue"};
    const auto plan = [](qsizetype row, qsizetype shown) {
        return std::optional<Deletion>(Deletion {row, shown});
    };
    QTest::newRow("only entry") << QStringList {"Sky"} << 0 << "Sky" << plan(0, -1);
    QTest::newRow("first of three shows the new first") << three << 0 << "Red" << plan(0, 0);
    QTest::newRow("middle shows the one before") << three << 1 << "Green" << plan(1, 0);
    QTest::newRow("last shows the one before") << three << 2 << "Blue" << plan(2, 1);
    QTest::newRow("empty name box") << three << 1 << "" << std::optional<Deletion>();
    QTest::newRow("typed name, nothing chosen") << three << -1 << "Blue" << plan(2, 1);
    QTest::newRow("typed name differs from the chosen item") << three << 0 << "Blue" << plan(2, 1);
    QTest::newRow("typed name of no entry") << three << -1 << "Pink" << std::optional<Deletion>();
    QTest::newRow("name matches exactly, not ignoring case")
            << three << -1 << "blue" << std::optional<Deletion>();
    QTest::newRow("duplicates: the first of that name")
            << QStringList {"A", "Dup", "B", "Dup"} << -1 << "Dup" << plan(1, 0);
    QTest::newRow("duplicates: the chosen one")
            << QStringList {"A", "Dup", "B", "Dup"} << 3 << "Dup" << plan(3, 2);
    QTest::newRow("chosen index outside the list") << three << 7 << "Red" << plan(0, 0);
    QTest::newRow("empty list") << QStringList {} << -1 << "Red" << std::optional<Deletion>();
}

void tst_ListRules::deletion()
{
    QFETCH(QStringList, names);
    QFETCH(int, selected);
    QFETCH(QString, text);
    QFETCH(std::optional<Deletion>, expected);
    ColorList list;
    for (const QString &name : names)
        list.append(name, QStringLiteral("#000000"));
    const std::optional<Deletion> got = planDeletion(list, selected, text);
    QCOMPARE(got.has_value(), expected.has_value());
    if (got) {
        QCOMPARE(got->row, expected->row);
        QCOMPARE(got->shown, expected->shown);
    }
}

void tst_ListRules::questions_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<bool>("listsEnabled");
    QTest::addColumn<SaveQuestion>("expected");
    QTest::newRow("nothing changed") << false << false << true << SaveQuestion::None;
    QTest::newRow("nothing changed in a file") << false << true << true << SaveQuestion::None;
    QTest::newRow("new list") << true << false << true << SaveQuestion::SaveToNewFile;
    QTest::newRow("new list, lists disabled") << true << false << false << SaveQuestion::None;
    QTest::newRow("changed file") << true << true << true << SaveQuestion::SaveChanges;
    QTest::newRow("changed file, lists disabled")
            << true << true << false << SaveQuestion::SaveChanges;
}

void tst_ListRules::questions()
{
    QFETCH(bool, modified);
    QFETCH(bool, hasFile);
    QFETCH(bool, listsEnabled);
    QFETCH(SaveQuestion, expected);
    const ListState state {modified, hasFile, listsEnabled};
    QCOMPARE(questionBeforeLoading(state), expected);
    QCOMPARE(questionBeforeClosing(state), expected);
}

void tst_ListRules::questionTexts()
{
    QCOMPARE(questionTextBeforeLoading(SaveQuestion::SaveToNewFile),
             QStringLiteral("Save current color list to new file?"));
    QCOMPARE(questionTextBeforeClosing(SaveQuestion::SaveToNewFile),
             QStringLiteral("Save current color list to file?"));
    QCOMPARE(questionTextBeforeLoading(SaveQuestion::SaveChanges),
             QStringLiteral("Save changes to current file?"));
    QCOMPARE(questionTextBeforeClosing(SaveQuestion::SaveChanges),
             QStringLiteral("Save changes to current file?"));
}

void tst_ListRules::storableName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << "Deep sea"
                           << "Deep sea";
    QTest::newRow("LF") << "Deep\nsea"
                        << "Deep sea";
    QTest::newRow("CR LF is one break") << "Deep\r\nsea"
                                        << "Deep sea";
    QTest::newRow("CR") << "Deep\rsea"
                        << "Deep sea";
    QTest::newRow("two breaks") << "a\n\nb"
                                << "a  b";
    QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                         << "a  b";
    QTest::newRow("trailing break") << "Sky\r\n"
                                    << "Sky ";
    QTest::newRow("NUL") << QString::fromUtf16(u"a\0b", 3) << "a b";
    QTest::newRow("tab and others stay") << "a\tb\u2028c"
                                         << "a\tb\u2028c";
}

void tst_ListRules::storableName()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(ListRules::storableName(typed), stored);
}

QTEST_GUILESS_MAIN(tst_ListRules)
#include "tst_listrules.moc"
