// SPDX-License-Identifier: GPL-3.0-or-later
// The program on light and dark desktops: every text color it chooses for what it draws itself
// (the contrast checker's verdicts and notes, the find bar's message, the help pages' text,
// headings and links) reaches 4.5:1 against the background it is drawn on. The windows are
// drawn in each palette, and each text's color and background are read from what was drawn
// with: the widgets' palettes and the help document's formats.
#include "app/application.h"

#include "color/contrast.h"
#include "formfixture.h"
#include "ui/contrastchecker.h"
#include "ui/findbar.h"
#include "ui/helpwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace Tintora;

namespace {

constexpr double kMinimum = 4.5;

Color::ColorValue value(const QColor &color)
{
    return Color::pack(color.red(), color.green(), color.blue());
}

double ratio(const QColor &text, const QColor &background)
{
    return Contrast::contrastRatio(value(text), value(background));
}

// What a dark desktop gives a Qt program that draws with Fusion.
QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x1E, 0x1E, 0x1E);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, Qt::white);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, QColor(0x2D, 0x2D, 0x2D));
        dark.setColor(group, QPalette::ToolTipBase, QColor(0x2D, 0x2D, 0x2D));
        dark.setColor(group, QPalette::ToolTipText, Qt::white);
        dark.setColor(group, QPalette::Text, Qt::white);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::ButtonText, Qt::white);
        dark.setColor(group, QPalette::BrightText, Qt::red);
        dark.setColor(group, QPalette::Link, QColor(0x2A, 0x82, 0xDA));
        dark.setColor(group, QPalette::LinkVisited, QColor(0x82, 0x5A, 0xC8));
        dark.setColor(group, QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
        dark.setColor(group, QPalette::HighlightedText, Qt::black);
        dark.setColor(group, QPalette::Light, QColor(0x50, 0x50, 0x50));
        dark.setColor(group, QPalette::Midlight, QColor(0x42, 0x42, 0x42));
        dark.setColor(group, QPalette::Mid, QColor(0x60, 0x60, 0x60));
        dark.setColor(group, QPalette::Dark, QColor(0x23, 0x23, 0x23));
        dark.setColor(group, QPalette::Shadow, Qt::black);
        dark.setColor(group, QPalette::PlaceholderText, QColor(0xA0, 0xA0, 0xA0));
    }
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return dark;
}

// The color a widget's background is drawn in: its own if it fills it, else its parent's.
QColor backgroundOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return widget->palette().color(QPalette::Window);
}

QString checkText(const QString &what, const QColor &text, const QColor &background)
{
    const double r = ratio(text, background);
    if (r >= kMinimum)
        return {};
    return QStringLiteral("%1: %2 on %3 is %4:1")
            .arg(what, text.name(), background.name())
            .arg(r, 0, 'f', 2);
}

// Every shown label, button and strip of a window, by what it is drawn in.
QStringList unreadableTexts(QWidget *window)
{
    QStringList problems;
    const auto add = [&problems](const QString &problem) {
        if (!problem.isEmpty())
            problems << problem;
    };
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        add(checkText(label->objectName(), label->palette().color(label->foregroundRole()),
                      backgroundOf(label)));
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(window) || !button->isEnabled())
            continue;
        add(checkText(button->objectName(), button->palette().color(QPalette::ButtonText),
                      button->palette().color(QPalette::Button)));
    }
    for (QWidget *strip : window->findChildren<QWidget *>()) {
        if (QByteArray(strip->metaObject()->className()) != "Tintora::ContrastStrip")
            continue;
        // Its band names ("AA", "AAA") are written in the window's ink.
        add(checkText(strip->objectName(), strip->palette().color(QPalette::WindowText),
                      backgroundOf(strip)));
    }
    return problems;
}

// Every run of text in a help page, in the color it is drawn in, against its background.
QStringList unreadableTexts(QTextBrowser *browser)
{
    QStringList problems;
    const QTextDocument *document = browser->document();
    const QColor defaultText = browser->palette().color(QPalette::Text);
    const QColor page = browser->viewport()->palette().color(browser->viewport()->backgroundRole());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QBrush blockBackground = block.blockFormat().background();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.text().trimmed().isEmpty()
                || fragment.charFormat().isImageFormat())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QColor text = format.foreground().style() != Qt::NoBrush
                    ? format.foreground().color()
                    : defaultText;
            QColor background = page;
            if (format.background().style() != Qt::NoBrush)
                background = format.background().color();
            else if (blockBackground.style() != Qt::NoBrush)
                background = blockBackground.color();
            const QString problem = checkText(QStringLiteral("'%1'").arg(fragment.text().left(30)),
                                              text, background);
            if (!problem.isEmpty())
                problems << problem;
        }
    }
    return problems;
}

QStringList helpPages()
{
    return QDir(QStringLiteral(":/help/tra32r10")).entryList({QStringLiteral("*.html")});
}

} // namespace

class tst_Themes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void contrastCheckerTextsReadable_data();
    void contrastCheckerTextsReadable();
    void findBarMessageReadable_data();
    void findBarMessageReadable();
    void helpPagesReadable_data();
    void helpPagesReadable();
    void designColorsStayAsTheyAre_data();
    void designColorsStayAsTheyAre();

private:
    void addPalettes();
    // Draws the program in the row's palette; skips the row when its style is not installed.
    void applyPalette();
    void setColors(const QString &background, const QString &sample1, const QString &sample2);

    FormFixture f;
};

void tst_Themes::initTestCase()
{
    Application::setHelpFile(QStringLiteral("tra32r10.HLP"));
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(QStyleFactory::keys().contains(QStringLiteral("Fusion")));
    QVERIFY(helpPages().size() >= 8);
}

void tst_Themes::init()
{
    applyPalette();
    f.create();
}

void tst_Themes::cleanup()
{
    if (QTextBrowser *help = Help::window())
        help->close();
    f.destroy();
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_Themes::addPalettes()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("dark");
}

void tst_Themes::applyPalette()
{
    const QByteArray tag = QTest::currentDataTag() ? QTest::currentDataTag() : "";
    QString style = QStringLiteral("Fusion");
    bool dark = false;
    if (tag.startsWith("Fusion dark")) {
        dark = true;
    } else if (tag.startsWith("Adwaita-Dark")) {
        style = QStringLiteral("Adwaita-Dark");
        if (!QStyleFactory::keys().contains(style, Qt::CaseInsensitive))
            QSKIP("The Adwaita-Dark style is not installed");
    }
    QApplication::setStyle(QStyleFactory::create(style));
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
}

void tst_Themes::setColors(const QString &background, const QString &sample1,
                           const QString &sample2)
{
    QTest::mouseClick(f.child("RadioButton2"), Qt::LeftButton);
    f.setColor(sample1);
    QTest::mouseClick(f.child("RadioButton3"), Qt::LeftButton);
    f.setColor(sample2);
    QTest::mouseClick(f.child("RadioButton1"), Qt::LeftButton);
    f.setColor(background);
}

void tst_Themes::contrastCheckerTextsReadable_data()
{
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("sample1");
    QTest::addColumn<QString>("sample2");
    QTest::addColumn<bool>("askForFix"); // a Fix background that finds nothing says so
    for (const char *palette : {"Fusion light", "Fusion dark", "Adwaita-Dark"}) {
        const QByteArray name(palette);
        QTest::newRow(name + ", all pass") << "#FFFFFF"
                                           << "#000000"
                                           << "#1A1A1A" << false;
        QTest::newRow(name + ", all fail") << "#777777"
                                           << "#777777"
                                           << "#808080" << true;
        // 4.54:1 passes AA, while APCA advises against body text.
        QTest::newRow(name + ", APCA advisory") << "#FFFFFF"
                                                << "#767676"
                                                << "#949494" << false;
        QTest::newRow(name + ", dark samples") << "#101010"
                                               << "#2060C0"
                                               << "#FFFF00" << false;
    }
}

void tst_Themes::contrastCheckerTextsReadable()
{
    QFETCH(QString, background);
    QFETCH(QString, sample1);
    QFETCH(QString, sample2);
    QFETCH(bool, askForFix);
    setColors(background, sample1, sample2);
    f.action("ContrastChecker1")->trigger();
    auto *checker = f.form->findChild<ContrastChecker *>();
    QVERIFY(checker && checker->isVisible());
    if (askForFix) {
        QTest::mouseClick(
                checker->findChild<QPushButton *>(QStringLiteral("Sample1AaaNormalFixBackground")),
                Qt::LeftButton);
        QVERIFY(!checker->findChild<QLabel *>(QStringLiteral("BackgroundNote"))->text().isEmpty()
                || f.form->backgroundColor() != value(QColor(background)));
    }
    QVERIFY(!checker->grab().isNull()); // drawn in the palette
    QCOMPARE(checker->palette().color(QPalette::Window),
             QApplication::palette().color(QPalette::Window));
    const QStringList problems = unreadableTexts(checker);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    // The verdicts keep their hues.
    QVERIFY(checker->passColor().green() > checker->passColor().red());
    QVERIFY(checker->failColor().red() > checker->failColor().green());
    checker->close();
}

void tst_Themes::findBarMessageReadable_data()
{
    addPalettes();
    for (const char *palette : {"Fusion light", "Fusion dark", "Adwaita-Dark"})
        QTest::newRow(palette) << QString() << false;
}

void tst_Themes::findBarMessageReadable()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.action("Find1")->trigger();
    auto *bar = f.form->findChild<FindBar *>();
    QVERIFY(bar);
    QTest::keyClicks(bar->findChild<QWidget *>(QStringLiteral("FindText")), QStringLiteral("zzz"));
    QCOMPARE(bar->findChild<QLabel *>(QStringLiteral("FindStatus"))->text(),
             QStringLiteral("Not found"));
    QVERIFY(!bar->grab().isNull());
    QStringList problems = unreadableTexts(bar);
    auto *field = bar->findChild<QWidget *>(QStringLiteral("FindText"));
    const QString fieldProblem =
            checkText(QStringLiteral("FindText"), field->palette().color(QPalette::Text),
                      field->palette().color(QPalette::Base));
    if (!fieldProblem.isEmpty())
        problems << fieldProblem;
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    bar->close();
}

void tst_Themes::helpPagesReadable_data()
{
    QTest::addColumn<QString>("page");
    for (const char *palette : {"Fusion light", "Fusion dark", "Adwaita-Dark"}) {
        for (const QString &page : helpPages())
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(palette), page)))
                    << page;
    }
}

void tst_Themes::helpPagesReadable()
{
    QFETCH(QString, page);
    f.action("Contents1")->trigger();
    QTextBrowser *help = Help::window();
    QVERIFY(help);
    help->setSource(QUrl(QStringLiteral("qrc:/help/tra32r10/") + page));
    QVERIFY(!help->grab().isNull());
    QVERIFY(help->document()->characterCount() > 100);
    const QStringList problems = unreadableTexts(help);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    // The headings and links have colors of their own, and keep them readable.
    bool sawHeading = false;
    for (QTextBlock block = help->document()->begin(); block.isValid(); block = block.next())
        sawHeading = sawHeading || block.blockFormat().headingLevel() > 0;
    QVERIFY(sawHeading);
}

void tst_Themes::designColorsStayAsTheyAre_data()
{
    addPalettes();
    for (const char *palette : {"Fusion light", "Fusion dark", "Adwaita-Dark"})
        QTest::newRow(palette) << QString() << false;
}

void tst_Themes::designColorsStayAsTheyAre()
{
    // The window's gray, the table's dark blue and the samples' own colors whatever the theme.
    QCOMPARE(f.child("ClientArea")->palette().color(QPalette::Window), QColor(128, 128, 128));
    QCOMPARE(f.child("ClientArea")->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(f.child("StringGrid1")->palette().color(QPalette::Base), QColor(0, 64, 128));
    QCOMPARE(f.child("StringGrid1")->palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(f.child("Label2")->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(f.form->backgroundColor(), Color::pack(255, 255, 255));
    // And the window's own labels read on its gray.
    QStringList problems;
    for (const char *name : {"Label1", "Label6", "Label8", "Label9", "Label10"}) {
        auto *label = f.child<QLabel>(name);
        const QString problem =
                checkText(QLatin1String(name), label->palette().color(QPalette::WindowText),
                          backgroundOf(label));
        if (!problem.isEmpty())
            problems << problem;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
}

QTEST_MAIN(tst_Themes)
#include "tst_themes.moc"
