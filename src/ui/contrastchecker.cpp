// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contrastchecker.h"

#include "app/application.h"
#include "app/handler.h"
#include "app/qtcolor.h"
#include "app/windoweventfilter.h"
#include "color/contrastreport.h"
#include "ui/accessibility.h"
#include "ui/colorcommands.h"
#include "ui/contrastframe.h"
#include "ui/contrastpreview.h"
#include "ui/contraststrip.h"
#include "ui/lookandfeel.h"
#include "ui/samples.h"
#include "ui/toolfollower.h"
#include "ui/toolplacement.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Tintora {

using Contrast::ApcaUse;
using Contrast::Level;
using Contrast::Vision;
using LookAndFeel::sampleFont;

namespace {

// The hues of the verdicts; the window's palette decides how light or dark they are drawn.
constexpr Color::ColorValue kPassHue = Color::pack(0x13, 0x73, 0x33);
constexpr Color::ColorValue kFailHue = Color::pack(0xB3, 0x1B, 0x1B);
// What the checker's own texts reach against the window, by its own rule for normal text.
constexpr double kOwnTextMinimum = 4.5;

constexpr const auto &kApcaUses = Contrast::judgedApcaUses;

QString noTextFix()
{
    return Contrast::noTextFixText();
}

// Follows the title of the target that is being set.
QString selectedMark()
{
    return ContrastChecker::tr("  (selected)");
}

QString noBackgroundFix(double minimum, const QLocale &locale)
{
    return Contrast::noBackgroundFixText(minimum, locale);
}

QLabel *makeLabel(const QString &name, QWidget *parent, const QString &text = QString())
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

void setBold(QWidget *widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

// Room for the widest text a label will show, so that the window keeps its size as the numbers
// change and verdicts flip. Measured as the label measures its text: the advance rounded up,
// where horizontalAdvance() rounds to nearest and would leave a pixel too little.
void reserveWidth(QLabel *label, const QStringList &texts)
{
    const QFontMetrics metrics(label->font());
    int width = 0;
    for (const QString &text : texts)
        width = qMax(
                width,
                metrics.boundingRect(0, 0, 2000, 2000, Qt::AlignLeft | Qt::TextExpandTabs, text)
                        .width());
    label->setMinimumWidth(width);
}

// The widest hex color text in the font.
QString widestHex(const QFont &font)
{
    const QFontMetrics metrics(font);
    QChar widest = QLatin1Char('0');
    for (QChar digit : QStringLiteral("0123456789ABCDEF")) {
        if (metrics.horizontalAdvance(digit) > metrics.horizontalAdvance(widest))
            widest = digit;
    }
    return QLatin1Char('#') + QString(6, widest);
}

// The widest digit of the font.
QChar widestDigit(const QFont &font)
{
    const QFontMetrics metrics(font);
    QChar widest = QLatin1Char('0');
    for (QChar digit : QStringLiteral("0123456789")) {
        if (metrics.horizontalAdvance(digit) > metrics.horizontalAdvance(widest))
            widest = digit;
    }
    return widest;
}

// Every shape a ratio's text takes in the locale, with the widest digits of the font in it.
QStringList ratioShapes(const QFont &font, const QLocale &locale)
{
    const QChar widest = widestDigit(font);
    const QString two(2, widest);
    const QString point = locale.decimalPoint();
    QStringList shapes {two + point + two + QStringLiteral(":1")};
    for (const Contrast::LevelRule &rule : Contrast::levelRules)
        shapes << Contrast::justBelowText(widest + point + two + QStringLiteral(":1"), rule.minimum,
                                          locale);
    return shapes;
}

using Contrast::fontSizesText;

// What the row judging an APCA use calls it, for screen readers.
QString apcaUseName(ApcaUse use)
{
    switch (use) {
    case ApcaUse::BodyText:
        return QCoreApplication::translate("Tintora::Accessibility", "body text");
    case ApcaUse::ContentText:
        return QCoreApplication::translate("Tintora::Accessibility", "content text");
    case ApcaUse::LargeText:
        return QCoreApplication::translate("Tintora::Accessibility", "large text");
    default:
        return {};
    }
}

QString levelTip(Level level)
{
    switch (level) {
    case Level::AaNormal:
    case Level::AaaNormal:
        return ContrastChecker::tr("Text below large size");
    case Level::AaLarge:
    case Level::AaaLarge:
        return ContrastChecker::tr("Text of at least 18 pt, or 14 pt bold");
    case Level::NonText:
        return ContrastChecker::tr("Icons, borders and controls in this color");
    }
    return {};
}

} // namespace

ContrastChecker::ContrastChecker(const Samples &samples, ColorCommands &commands)
    : QWidget(commands.window(),
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_samples(samples),
      m_commands(commands)
{
    setObjectName(QStringLiteral("ContrastChecker"));
    setWindowTitle(tr("Contrast Checker"));
    setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility",
            "Judges both sample texts against the background by the contrast rules of WCAG "
            "2.2 and, as advice, by APCA"));
    QFont base = QApplication::font();
    base.setPixelSize(12);
    setFont(base);
    choosePalette();

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // sized by its content, like a dialog
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    // The header rows end in room for a button of the target's own.
    m_backgroundHeader = new QHBoxLayout;
    m_backgroundHeader->setObjectName(QStringLiteral("BackgroundHeader"));
    m_backgroundHeader->setSpacing(6);
    m_backgroundSwatch = new ContrastPreview(this);
    m_backgroundSwatch->setObjectName(QStringLiteral("BackgroundSwatch"));
    m_backgroundSwatch->setFixedSize(16, 16);
    m_backgroundSwatch->setAccessibleName(
            QCoreApplication::translate("Tintora::Accessibility", "Background color"));
    m_backgroundHeader->addWidget(m_backgroundSwatch);
    m_backgroundTitle = makeLabel(QStringLiteral("BackgroundTitle"), this);
    m_backgroundTitle->setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility",
            "The background color; selected when it is the active sample"));
    QFont boldFont = m_backgroundTitle->font();
    boldFont.setBold(true);
    m_backgroundTitle->setFont(boldFont);
    reserveWidth(m_backgroundTitle,
                 {tr("Background  %1%2").arg(widestHex(boldFont), selectedMark())});
    m_backgroundTitle->setFont(font());
    m_backgroundHeader->addWidget(m_backgroundTitle);
    m_backgroundNote = makeLabel(QStringLiteral("BackgroundNote"), this);
    m_backgroundNote->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility", "What Fix background found"));
    reserveWidth(m_backgroundNote, {noBackgroundFix(4.5, locale())});
    m_backgroundHeader->addWidget(m_backgroundNote, 1, Qt::AlignRight);
    m_backgroundHeader->addWidget(makePickButton(
            QStringLiteral("BackgroundPick"), Color::SampleTarget::Background,
            QCoreApplication::translate("Tintora::Accessibility", "Pick background"),
            QCoreApplication::translate("Tintora::Accessibility",
                                        "Pick the background color from anywhere on the screen")));
    layout->addLayout(m_backgroundHeader);

    m_backgroundStrip = new ContrastStrip(this);
    m_backgroundStrip->setObjectName(QStringLiteral("BackgroundStrip"));
    m_backgroundStrip->setAccessibleName(
            QCoreApplication::translate("Tintora::Accessibility", "Background lightness"));
    m_backgroundStrip->setToolTip(
            tr("The background's hue from dark to light; the bands mark where both "
               "samples pass AA (4.5:1) and AAA (7:1). Click or drag to choose."));
    m_backgroundStrip->onPick = [this](Color::ColorValue color) {
        m_commands.applyColor(Color::SampleTarget::Background, color);
    };
    layout->addWidget(m_backgroundStrip);

    layout->addWidget(buildTable());

    auto *pair = new QHBoxLayout;
    pair->setSpacing(8);
    auto *pairName = makeLabel(
            QStringLiteral("TextAgainstTextName"), this,
            tr("Text against text (a link among body text), %1:1")
                    .arg(Contrast::formatMinimum(Contrast::textAgainstTextMinimum, locale())));
    pairName->setToolTip(tr("Text Sample 1 against Text Sample 2: a link told apart "
                            "from the text around it by color alone needs 3:1"));
    pair->addWidget(pairName);
    m_textAgainstTextRatio = makeLabel(QStringLiteral("TextAgainstTextRatio"), this);
    m_textAgainstTextRatio->setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility", "Contrast ratio of Text Sample 1 against Text Sample 2"));
    setBold(m_textAgainstTextRatio, true);
    reserveWidth(m_textAgainstTextRatio, ratioShapes(m_textAgainstTextRatio->font(), locale()));
    pair->addWidget(m_textAgainstTextRatio);
    m_textAgainstText = makeLabel(QStringLiteral("TextAgainstText"), this);
    m_textAgainstText->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility",
                                        "Text against text, at least %1:1")
                    .arg(Contrast::formatMinimum(Contrast::textAgainstTextMinimum, locale())));
    setBold(m_textAgainstText, true);
    reserveWidth(m_textAgainstText, {tr("Pass"), tr("Fail")});
    pair->addWidget(m_textAgainstText);
    pair->addStretch(1);
    layout->addLayout(pair);

    m_largeText = makeLabel(QStringLiteral("LargeTextNote"), this,
                            tr("Large text: at least 18 pt, or 14 pt bold"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_largeText, 1);
    m_copyReport = new QPushButton(tr("Copy Report"), this);
    m_copyReport->setObjectName(QStringLiteral("CopyReport"));
    m_copyReport->setToolTip(
            tr("Copy everything the checker shows to the clipboard as plain text"));
    onClick(m_copyReport, [this] { copyReport(); });
    bottom->addWidget(m_copyReport);
    layout->addLayout(bottom);

    auto *visionTitle = makeLabel(QStringLiteral("VisionTitle"), this,
                                  tr("As seen with a color vision deficiency (simulated):"));
    setBold(visionTitle, true);
    layout->addWidget(visionTitle);
    auto *visions = new QHBoxLayout;
    visions->setSpacing(6);
    for (Vision vision : Contrast::allVisions)
        visions->addWidget(buildVision(vision));
    layout->addLayout(visions);

    connect(&m_samples, &Samples::changed, this,
            [this] { Application::runHandler(this, [this] { refresh(); }); });
    // A tool belongs to its window: it follows the main window's hiding and showing.
    new ToolFollower(this, m_commands.window(), [this] { placeBesideForm(); });
    // The main window's "Disable Hints" holds here too.
    m_eventFilter = std::make_unique<WindowEventFilter>(this, [this](QWidget *, QEvent *event) {
        return event->type() == QEvent::ToolTip && !m_commands.showHints();
    });
    refresh();
}

ContrastChecker::~ContrastChecker() = default;

// Both samples side by side in one table, the rules as its rows: the rules are named once, and
// the window stays narrow enough for a small screen beside the main window.
QWidget *ContrastChecker::buildTable()
{
    auto *frame = new ContrastFrame(this);
    frame->setObjectName(QStringLiteral("SampleTable"));
    frame->setAccessibleName(
            QCoreApplication::translate("Tintora::Accessibility", "Contrast of the samples"));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);

    // Rows 0 to 3 are the samples' own: title, preview, strip; 3 is the ratio.
    grid->addWidget(makeLabel(QString(), frame, tr("Contrast ratio")), 3, 0, 1, 2);
    int row = 4;
    for (size_t i = 0; i < Contrast::allLevels.size(); ++i, ++row) {
        const Level level = Contrast::allLevels[i];
        const QString key = QLatin1String(Contrast::levelRule(level).key);
        m_rowNames.levels[i] =
                makeLabel(key + QStringLiteral("Name"), frame, Contrast::levelName(level));
        m_rowNames.levels[i]->setToolTip(levelTip(level));
        grid->addWidget(m_rowNames.levels[i], row, 0);
        m_rowNames.minimums[i] =
                makeLabel(key + QStringLiteral("Minimum"), frame,
                          Contrast::formatMinimum(Contrast::minimumRatio(level), locale())
                                  + QStringLiteral(":1"));
        grid->addWidget(m_rowNames.minimums[i], row, 1, Qt::AlignRight);
    }
    grid->setRowMinimumHeight(row++, 4);
    m_rowNames.apca = makeLabel(QStringLiteral("ApcaName"), frame, tr("APCA, advisory"));
    m_rowNames.apca->setToolTip(
            tr("A draft method, not part of WCAG 2: advice beside the verdicts"));
    grid->addWidget(m_rowNames.apca, row, 0, 1, 2);
    row += 2; // the Lc, then its reading
    m_rowNames.fontSizes =
            makeLabel(QStringLiteral("FontSizeName"), frame, tr("Least size, weight 400, 700"));
    m_rowNames.fontSizes->setToolTip(tr("From APCA's font lookup table, in CSS pixels"));
    grid->addWidget(m_rowNames.fontSizes, row++, 0, 1, 2);
    static_assert(kApcaUses.size() == 3, "the row names its three uses in one sentence");
    const auto least = [](ApcaUse use) { return int(Contrast::apcaMinimum(use)); };
    m_rowNames.apcaUses = makeLabel(QStringLiteral("ApcaUsesName"), frame,
                                    tr("Body Lc %1, content %2, large %3")
                                            .arg(least(kApcaUses[0]))
                                            .arg(least(kApcaUses[1]))
                                            .arg(least(kApcaUses[2])));
    grid->addWidget(m_rowNames.apcaUses, row++, 0, 1, 2);

    buildColumn(grid, 1, 2);
    grid->setColumnMinimumWidth(5, 8);
    buildColumn(grid, 2, 6);
    return frame;
}

QPushButton *ContrastChecker::makePickButton(const QString &name, Color::SampleTarget target,
                                             const QString &spokenName,
                                             const QString &spokenDescription)
{
    auto *button = new QPushButton(tr("Pick"), this);
    button->setObjectName(name);
    button->setAccessibleName(spokenName);
    button->setAccessibleDescription(spokenDescription);
    button->setToolTip(tr("Pick this color from anywhere on the screen"));
    onClick(button, [this, target] { m_commands.pickColorFor(target); });
    return button;
}

void ContrastChecker::buildColumn(QGridLayout *grid, int sample, int firstColumn)
{
    const QString prefix = QStringLiteral("Sample%1").arg(sample);
    const QString sampleName =
            QCoreApplication::translate("Tintora::Accessibility", "Text Sample %1").arg(sample);
    Column &column = m_columns[size_t(sample - 1)];
    QWidget *frame = grid->parentWidget();
    constexpr int span = 3; // verdict, Fix text, Fix background

    column.header = new QHBoxLayout;
    column.header->setObjectName(prefix + QStringLiteral("Header"));
    column.title = makeLabel(prefix + QStringLiteral("Title"), frame);
    column.title->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility",
                                        "%1 and its color; selected when it is the active sample")
                    .arg(sampleName));
    QFont boldFont = column.title->font();
    boldFont.setBold(true);
    column.title->setFont(boldFont);
    reserveWidth(column.title, {tr("Text Sample %1%2").arg(sample).arg(selectedMark())});
    column.title->setFont(font());
    column.header->addWidget(column.title, 1);
    column.header->addWidget(makePickButton(
            prefix + QStringLiteral("Pick"),
            sample == 1 ? Color::SampleTarget::TextSample1 : Color::SampleTarget::TextSample2,
            QCoreApplication::translate("Tintora::Accessibility", "Pick %1").arg(sampleName),
            QCoreApplication::translate("Tintora::Accessibility",
                                        "Pick the color of %1 from anywhere on the screen")
                    .arg(sampleName)));
    grid->addLayout(column.header, 0, firstColumn, 1, span);

    column.preview = new ContrastPreview(frame);
    column.preview->setObjectName(prefix + QStringLiteral("Preview"));
    column.preview->setAccessibleName(
            QCoreApplication::translate("Tintora::Accessibility", "%1 preview").arg(sampleName));
    column.preview->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility", "%1 written on the background")
                    .arg(sampleName));
    column.preview->setFont(sampleFont(sample == 1 ? 15 : 19));
    column.preview->setLines({tr("Sample %1").arg(sample)});
    column.preview->setMinimumHeight(34);
    grid->addWidget(column.preview, 1, firstColumn, 1, span);

    column.strip = new ContrastStrip(frame);
    column.strip->setObjectName(prefix + QStringLiteral("Strip"));
    column.strip->setAccessibleName(
            QCoreApplication::translate("Tintora::Accessibility", "%1 lightness").arg(sampleName));
    column.strip->setToolTip(tr("Text Sample %1's hue from dark to light; the bands mark where it "
                                "passes AA (4.5:1) and AAA (7:1). Click or drag to choose.")
                                     .arg(sample));
    const auto target =
            sample == 1 ? Color::SampleTarget::TextSample1 : Color::SampleTarget::TextSample2;
    column.strip->onPick = [this, target](Color::ColorValue color) {
        m_commands.applyColor(target, color);
    };
    grid->addWidget(column.strip, 2, firstColumn, 1, span);

    column.ratio = makeLabel(prefix + QStringLiteral("Ratio"), frame);
    column.ratio->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility",
                                        "Contrast ratio of %1 against the background")
                    .arg(sampleName));
    QFont big = column.ratio->font();
    big.setPixelSize(13);
    big.setBold(true);
    column.ratio->setFont(big);
    reserveWidth(column.ratio, ratioShapes(big, locale()));
    grid->addWidget(column.ratio, 3, firstColumn, 1, span);

    int row = 4;
    for (size_t i = 0; i < Contrast::allLevels.size(); ++i, ++row) {
        const Level level = Contrast::allLevels[i];
        const QString key = prefix + QLatin1String(Contrast::levelRule(level).key);
        LevelRow &levelRow = column.levels[i];
        const QString levelName = Contrast::levelName(level);
        levelRow.verdict = makeLabel(key, frame);
        levelRow.verdict->setAccessibleDescription(
                QCoreApplication::translate("Tintora::Accessibility", "%1, %2, at least %3:1")
                        .arg(sampleName, levelName,
                             Contrast::formatMinimum(Contrast::minimumRatio(level), locale())));
        setBold(levelRow.verdict, true);
        reserveWidth(levelRow.verdict, {tr("Pass"), tr("Fail")});
        grid->addWidget(levelRow.verdict, row, firstColumn);
        levelRow.fixText = new QPushButton(tr("Fix text"), frame);
        levelRow.fixText->setObjectName(key + QStringLiteral("FixText"));
        levelRow.fixText->setAccessibleName(
                QCoreApplication::translate("Tintora::Accessibility", "Fix text, %1, %2")
                        .arg(sampleName, levelName));
        levelRow.fixText->setAccessibleDescription(
                QCoreApplication::translate(
                        "Tintora::Accessibility",
                        "Change %1 to the nearest color of its hue that passes %2")
                        .arg(sampleName, levelName));
        levelRow.fixBackground = new QPushButton(tr("Fix background"), frame);
        levelRow.fixBackground->setObjectName(key + QStringLiteral("FixBackground"));
        levelRow.fixBackground->setAccessibleName(
                QCoreApplication::translate("Tintora::Accessibility", "Fix background, %1")
                        .arg(levelName));
        levelRow.fixBackground->setAccessibleDescription(
                QCoreApplication::translate("Tintora::Accessibility",
                                            "Change the background to the nearest color of its hue "
                                            "with which both samples pass %1")
                        .arg(levelName));
        for (QPushButton *button : {levelRow.fixText, levelRow.fixBackground}) {
            button->setFocusPolicy(Qt::TabFocus);
            button->setFixedSize(button->fontMetrics().horizontalAdvance(button->text()) + 14,
                                 button->fontMetrics().height() + 6);
        }
        onClick(levelRow.fixText, [this, sample, level] { fixSample(sample, level); });
        onClick(levelRow.fixBackground, [this, level] { fixBackground(level); });
        grid->addWidget(levelRow.fixText, row, firstColumn + 1);
        grid->addWidget(levelRow.fixBackground, row, firstColumn + 2);
    }

    ++row; // the gap before APCA
    column.lc = makeLabel(prefix + QStringLiteral("Lc"), frame);
    column.lc->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility",
                                        "APCA lightness contrast of %1, advisory")
                    .arg(sampleName));
    setBold(column.lc, true);
    const QChar widest = widestDigit(column.lc->font());
    reserveWidth(column.lc,
                 {QStringLiteral("Lc %1%2%3%4")
                          .arg(locale().negativeSign(), QString(3, widest), locale().decimalPoint(),
                               QString(widest))});
    grid->addWidget(column.lc, row++, firstColumn, 1, span);
    column.reading = makeLabel(prefix + QStringLiteral("Reading"), frame);
    column.reading->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility",
                                        "What the APCA contrast of %1 is good for")
                    .arg(sampleName));
    QFont italic = column.reading->font();
    italic.setItalic(true);
    column.reading->setFont(italic);
    QStringList readings;
    for (const Contrast::ApcaUseRule &rule : Contrast::apcaUseRules)
        readings << QCoreApplication::translate("Contrast", rule.reading);
    reserveWidth(column.reading, readings);
    grid->addWidget(column.reading, row++, firstColumn, 1, span);
    column.fontSizes = makeLabel(prefix + QStringLiteral("FontSizes"), frame);
    column.fontSizes->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility",
                                        "Least font size for %1 by APCA, at weights 400 and 700")
                    .arg(sampleName));
    QStringList sizes {fontSizesText(0, locale()), fontSizesText(20, locale())};
    for (const Contrast::ApcaFontRow &fontRow : Contrast::apcaFontTable)
        sizes << fontSizesText(fontRow.lc, locale());
    reserveWidth(column.fontSizes, sizes);
    grid->addWidget(column.fontSizes, row++, firstColumn, 1, span);
    auto *uses = new QHBoxLayout;
    uses->setSpacing(6);
    for (size_t i = 0; i < kApcaUses.size(); ++i) {
        const Contrast::ApcaUseRule &rule = Contrast::apcaUseRule(kApcaUses[i]);
        column.apca[i] = makeLabel(prefix + QLatin1String(rule.key), frame);
        column.apca[i]->setAccessibleDescription(
                QCoreApplication::translate("Tintora::Accessibility",
                                            "%1, APCA %2, at least Lc %3, advisory")
                        .arg(sampleName, apcaUseName(rule.use))
                        .arg(int(rule.minimum)));
        setBold(column.apca[i], true);
        reserveWidth(column.apca[i], {tr("Pass"), tr("Fail")});
        uses->addWidget(column.apca[i]);
    }
    uses->addStretch(1);
    grid->addLayout(uses, row++, firstColumn, 1, span);

    column.note = makeLabel(prefix + QStringLiteral("Note"), frame);
    column.note->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility", "What Fix text found for %1")
                    .arg(sampleName));
    reserveWidth(column.note, {noTextFix()});
    // Keeps its line when empty, so the window does not jump as the message comes and goes.
    column.note->setMinimumHeight(column.note->fontMetrics().lineSpacing());
    grid->addWidget(column.note, row++, firstColumn, 1, span);
}

QWidget *ContrastChecker::buildVision(Vision vision)
{
    const QString name = Contrast::visionName(vision);
    VisionView &view = m_visions[size_t(vision)];

    auto *box = new QWidget(this);
    box->setObjectName(QLatin1String(Contrast::visionKey(vision)));
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(makeLabel(box->objectName() + QStringLiteral("Name"), box, name));
    view.preview = new ContrastPreview(box);
    view.preview->setObjectName(box->objectName() + QStringLiteral("Preview"));
    view.preview->setAccessibleName(
            QCoreApplication::translate("Tintora::Accessibility", "%1 preview").arg(name));
    view.preview->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility",
                                        "Both samples on the background as seen with %1, simulated")
                    .arg(name));
    view.preview->setFont(sampleFont(13));
    view.preview->setLines({tr("Sample %1").arg(1), tr("Sample %1").arg(2)});
    view.preview->setMinimumWidth(96);
    layout->addWidget(view.preview);
    view.ratios = makeLabel(box->objectName() + QStringLiteral("Ratios"), box);
    view.ratios->setAccessibleDescription(
            QCoreApplication::translate(
                    "Tintora::Accessibility",
                    "Contrast ratios of Text Sample 1 and Text Sample 2 as seen with %1")
                    .arg(name));
    const QString ratio = ratioShapes(view.ratios->font(), locale()).constFirst();
    reserveWidth(view.ratios, {QStringLiteral("1: %1  2: %1").arg(ratio)});
    layout->addWidget(view.ratios);
    return box;
}

void ContrastChecker::choosePalette()
{
    // The verdicts keep their hue and reach the checker's own minimum on the window's
    // background, in a light palette and a dark one alike.
    const Color::ColorValue window = toColorValue(palette().color(QPalette::Window));
    m_passColor = toQColor(Contrast::fixTextColor(kPassHue, window, kOwnTextMinimum)
                                   .value_or(toColorValue(palette().color(QPalette::WindowText))));
    m_failColor = toQColor(Contrast::fixTextColor(kFailHue, window, kOwnTextMinimum)
                                   .value_or(toColorValue(palette().color(QPalette::WindowText))));
}

void ContrastChecker::setVerdict(QLabel *label, bool pass) const
{
    label->setText(Contrast::verdictText(pass));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, pass ? m_passColor : m_failColor);
    label->setPalette(palette);
}

Color::ColorValue ContrastChecker::sampleColor(int sample) const
{
    return sample == 1 ? m_samples.sample1() : m_samples.sample2();
}

void ContrastChecker::refresh()
{
    const Color::ColorValue background = m_samples.background();
    m_assessment = Contrast::assess(background, sampleColor(1), sampleColor(2), locale());
    const bool backgroundActive = m_samples.activeTarget() == Color::SampleTarget::Background;
    m_backgroundTitle->setText(tr("Background  %1%2")
                                       .arg(Color::buildHex(background),
                                            backgroundActive ? selectedMark() : QString()));
    setBold(m_backgroundTitle, backgroundActive);
    m_backgroundSwatch->setColors(toQColor(background), {});
    m_backgroundStrip->setColors(background, {sampleColor(1), sampleColor(2)});

    // Whether a background of the hue lets both samples pass is only known after searching
    // its whole line, too slow for every step of a drag: the bands of the strip show it, and
    // Fix background says so when asked.
    m_backgroundNote->clear();
    QPalette notePalette = m_backgroundNote->palette();
    notePalette.setColor(QPalette::WindowText, m_failColor);
    m_backgroundNote->setPalette(notePalette);

    refreshColumn(1);
    refreshColumn(2);

    const Contrast::PairAssessment &pair = m_assessment.textAgainstText;
    m_textAgainstTextRatio->setText(pair.ratioText);
    setVerdict(m_textAgainstText, pair.pass);

    for (const Contrast::VisionAssessment &seen : m_assessment.visions) {
        const VisionView &view = m_visions[size_t(seen.vision)];
        view.preview->setColors(toQColor(seen.background),
                                {toQColor(seen.texts[0]), toQColor(seen.texts[1])});
        view.ratios->setText(seen.ratiosText);
    }
}

void ContrastChecker::refreshColumn(int sample)
{
    Column &column = m_columns[size_t(sample - 1)];
    const Contrast::SampleAssessment &judged = m_assessment.sample(sample);
    const Color::ColorValue background = m_assessment.background;
    const bool isActive = m_samples.activeTarget()
            == (sample == 1 ? Color::SampleTarget::TextSample1 : Color::SampleTarget::TextSample2);
    column.title->setText(
            tr("Text Sample %1%2").arg(sample).arg(isActive ? selectedMark() : QString()));
    setBold(column.title, isActive);
    column.preview->setColors(toQColor(background), {toQColor(judged.text)});
    column.preview->setLines({tr("Sample %1  %2").arg(sample).arg(Color::buildHex(judged.text))});
    column.strip->setColors(judged.text, {background});

    column.ratio->setText(judged.ratioText);
    for (size_t i = 0; i < judged.rules.size(); ++i) {
        const Contrast::RuleAssessment &rule = judged.rules[i];
        const LevelRow &row = column.levels[i];
        setVerdict(row.verdict, rule.pass);

        row.fixText->setEnabled(rule.fixText == Contrast::FixOutlook::Available);
        switch (rule.fixText) {
        case Contrast::FixOutlook::NotNeeded:
            row.fixText->setToolTip(tr("Passes already"));
            break;
        case Contrast::FixOutlook::Available:
            row.fixText->setToolTip(tr("Change Text Sample %1 to the nearest color "
                                       "of its hue that passes %2")
                                            .arg(sample)
                                            .arg(Contrast::levelName(rule.level)));
            break;
        case Contrast::FixOutlook::OutOfReach:
            row.fixText->setToolTip(noTextFix());
            break;
        }

        const bool bothPass = rule.fixBackground == Contrast::FixOutlook::NotNeeded;
        row.fixBackground->setEnabled(!bothPass);
        row.fixBackground->setToolTip(
                bothPass ? tr("Both samples pass already")
                         : tr("Change the background to the nearest color of its "
                              "hue with which both samples pass %1")
                                   .arg(Contrast::levelName(rule.level)));
    }

    column.lc->setText(judged.lcText);
    column.reading->setText(judged.apcaReading);
    column.fontSizes->setText(judged.fontSizes);
    for (size_t i = 0; i < kApcaUses.size(); ++i)
        setVerdict(column.apca[i], judged.apcaPasses[i]);

    column.note->setText(judged.textFixOutOfReach ? noTextFix() : QString());
    QPalette notePalette = column.note->palette();
    notePalette.setColor(QPalette::WindowText, m_failColor);
    column.note->setPalette(notePalette);
}

void ContrastChecker::fixSample(int sample, Level level)
{
    const Color::ColorValue background = m_samples.background();
    const std::optional<Color::ColorValue> fixed =
            Contrast::fixTextColor(sampleColor(sample), background, level);
    if (!fixed) {
        m_assessment.samples[size_t(sample - 1)].textFixOutOfReach = true;
        m_columns[size_t(sample - 1)].note->setText(noTextFix());
        return;
    }
    m_commands.applyColor(sample == 1 ? Color::SampleTarget::TextSample1
                                      : Color::SampleTarget::TextSample2,
                          *fixed);
    m_commands.colorSettled(*fixed);
}

void ContrastChecker::fixBackground(Level level)
{
    const std::array<Color::ColorValue, 2> samples {sampleColor(1), sampleColor(2)};
    const std::optional<Color::ColorValue> fixed =
            Contrast::fixBackgroundColor(m_samples.background(), samples, level);
    if (!fixed) {
        m_assessment.backgroundOutOfReach = Contrast::minimumRatio(level);
        m_backgroundNote->setText(
                noBackgroundFix(*m_assessment.backgroundOutOfReach, m_assessment.locale));
        return;
    }
    m_commands.applyColor(Color::SampleTarget::Background, *fixed);
    m_commands.colorSettled(*fixed);
}

QString ContrastChecker::report() const
{
    return Contrast::formatReport(m_assessment);
}

void ContrastChecker::copyReport()
{
    QGuiApplication::clipboard()->setText(report());
}

void ContrastChecker::open()
{
    if (!isVisible()) {
        placeBesideForm();
        show();
    }
    // Opening it is how the keyboard reaches it, also when it is open behind the main window.
    raise();
    activateWindow();
}

void ContrastChecker::placeBesideForm()
{
    placeBeside(this, m_commands.window());
}

void ContrastChecker::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        // The keys go back to where they came from.
        m_commands.window()->activateWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ContrastChecker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && m_copyReport) { // built, not being built
        Application::runHandler(this, [this] {
            choosePalette();
            refresh();
        });
    }
    QWidget::changeEvent(event);
}

} // namespace Tintora
