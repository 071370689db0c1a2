// SPDX-License-Identifier: GPL-3.0-or-later
// The color adjuster as the main window offers it: Options > Adjust Color (Ctrl+J), the colors
// that became current kept in the history file, and "Add to List" filling the color list.
#include "color/colorhistory.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "ui/coloradjuster.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>

using namespace Tintora;

class tst_AdjustColor : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensFromTheOptionsMenu();
    void keepsTheColorsThatBecameCurrent_data();
    void keepsTheColorsThatBecameCurrent();
    void addsARowOfVariationsToTheList();

private:
    ColorAdjuster *openAdjuster();
    static QString firstInHistory();

    FormFixture f;
    std::unique_ptr<QTemporaryDir> m_home;
};

void tst_AdjustColor::init()
{
    // The history lives in the user's configuration folder: a fresh one for each test.
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(m_home->path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home->filePath(QStringLiteral(".config"))));
    f.create();
}

void tst_AdjustColor::cleanup()
{
    f.destroy();
    m_home.reset();
}

ColorAdjuster *tst_AdjustColor::openAdjuster()
{
    f.action("AdjustColor1")->trigger();
    // A tool window of its own, beside the main window.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *adjuster = qobject_cast<ColorAdjuster *>(window))
            return adjuster;
    }
    return nullptr;
}

QString tst_AdjustColor::firstInHistory()
{
    // Read back from the file as the next run of the program would.
    const QList<Color::ColorValue> colors = ColorHistory().colors();
    return colors.isEmpty() ? QString() : Color::buildHex(colors.first());
}

void tst_AdjustColor::opensFromTheOptionsMenu()
{
    QAction *item = f.action("AdjustColor1");
    QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
    QCOMPARE(item->text(), QStringLiteral("&Adjust Color"));
    ColorAdjuster *adjuster = openAdjuster();
    QVERIFY(adjuster);
    QVERIFY(adjuster->isVisible());
    // Asked again, the same window comes forward.
    QCOMPARE(openAdjuster(), adjuster);
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_AdjustColor::keepsTheColorsThatBecameCurrent_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pasted") << "paste"
                            << "#336699";
    QTest::newRow("the color dialog") << "dialog"
                                      << "#123456";
    QTest::newRow("a list choice") << "list"
                                   << "#ABCDEF";
    // Typing into the fields is no settling of a color: nothing enters the history.
    QTest::newRow("typed in the fields") << "typed"
                                         << "";
}

void tst_AdjustColor::keepsTheColorsThatBecameCurrent()
{
    QFETCH(QString, how);
    QFETCH(QString, expected);
    if (how == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(QStringLiteral("rgb(51 102 153)"));
        f.action("PasteColor1")->trigger();
    } else if (how == QLatin1String("dialog")) {
        f.dialogs.colors.enqueue(Color::pack(0x12, 0x34, 0x56));
        f.click("SetClrBtn");
    } else if (how == QLatin1String("list")) {
        f.enableLists();
        f.addEntry(QStringLiteral("Pale"), QStringLiteral("#ABCDEF"));
        f.setColor(QStringLiteral("#000000"));
        auto *box = f.child<QComboBox>("ComboBox1");
        box->setCurrentIndex(0);
        f.form->ComboBox1Click();
    } else {
        f.setColor(QStringLiteral("#445566"));
    }
    QCOMPARE(firstInHistory(), expected);
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_AdjustColor::addsARowOfVariationsToTheList()
{
    f.setColor(QStringLiteral("#3366CC"));
    ColorAdjuster *adjuster = openAdjuster();
    QVERIFY(adjuster);
    auto *add = adjuster->findChild<QPushButton *>(QStringLiteral("TintsAddToList"));
    QVERIFY(add);
    QVERIFY(!add->isEnabled()); // lists are off
    f.enableLists();
    QVERIFY(add->isEnabled());
    QVERIFY(!f.form->listModified());
    add->click();
    const ColorList &list = f.form->colorList()->list();
    QVERIFY(list.count() > 1);
    QVERIFY2(list.name(0).startsWith(QLatin1String("#3366CC tint")), qPrintable(list.name(0)));
    QVERIFY(f.form->listModified());
    VERIFY_NO_SURPRISES(f.dialogs);
}

QTEST_MAIN(tst_AdjustColor)
#include "tst_adjustcolor.moc"
