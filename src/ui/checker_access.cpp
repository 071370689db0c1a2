// SPDX-License-Identifier: GPL-3.0-or-later
// The contrast checker for screen readers. Its ratios and verdicts are read as the text they
// show ("4.52:1", "Pass"); their descriptions say which sample and which rule each belongs to,
// so that a verdict means something without the table around it.
#include "ui/accessibility.h"

#include "color/contrast.h"

#include <QCoreApplication>
#include <QWidget>

namespace Tintora::Accessibility {

namespace {

void describe(QWidget *window, const QString &objectName, const QString &name,
              const QString &description)
{
    auto *widget = window->findChild<QWidget *>(objectName);
    if (!widget)
        return; // a checker built without it: nothing to tell
    if (!name.isEmpty())
        widget->setAccessibleName(name);
    if (!description.isEmpty())
        widget->setAccessibleDescription(description);
}

// What the row judging an APCA use calls it.
QString apcaUseName(Contrast::ApcaUse use)
{
    switch (use) {
    case Contrast::ApcaUse::BodyText:
        return QCoreApplication::translate("Tintora::Accessibility", "body text");
    case Contrast::ApcaUse::ContentText:
        return QCoreApplication::translate("Tintora::Accessibility", "content text");
    case Contrast::ApcaUse::LargeText:
        return QCoreApplication::translate("Tintora::Accessibility", "large text");
    default:
        return {};
    }
}

} // namespace

void describeContrastChecker(QWidget *checker)
{
    checker->setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility",
            "Judges both sample texts against the background by the contrast rules of WCAG "
            "2.2 and, as advice, by APCA"));
    describe(checker, QStringLiteral("BackgroundSwatch"),
             QCoreApplication::translate("Tintora::Accessibility", "Background color"), QString());
    describe(checker, QStringLiteral("BackgroundTitle"), QString(),
             QCoreApplication::translate(
                     "Tintora::Accessibility",
                     "The background color; selected when it is the active sample"));
    describe(checker, QStringLiteral("BackgroundNote"), QString(),
             QCoreApplication::translate("Tintora::Accessibility", "What Fix background found"));
    describe(checker, QStringLiteral("BackgroundPick"),
             QCoreApplication::translate("Tintora::Accessibility", "Pick background"),
             QCoreApplication::translate("Tintora::Accessibility",
                                         "Pick the background color from anywhere on the screen"));
    describe(checker, QStringLiteral("BackgroundStrip"),
             QCoreApplication::translate("Tintora::Accessibility", "Background lightness"),
             QString());
    describe(checker, QStringLiteral("SampleTable"),
             QCoreApplication::translate("Tintora::Accessibility", "Contrast of the samples"),
             QString());

    for (int sample = 1; sample <= 2; ++sample) {
        const QString prefix = QStringLiteral("Sample%1").arg(sample);
        const QString sampleName =
                QCoreApplication::translate("Tintora::Accessibility", "Text Sample %1").arg(sample);
        describe(checker, prefix + QStringLiteral("Title"), QString(),
                 QCoreApplication::translate(
                         "Tintora::Accessibility",
                         "%1 and its color; selected when it is the active sample")
                         .arg(sampleName));
        describe(checker, prefix + QStringLiteral("Pick"),
                 QCoreApplication::translate("Tintora::Accessibility", "Pick %1").arg(sampleName),
                 QCoreApplication::translate("Tintora::Accessibility",
                                             "Pick the color of %1 from anywhere on the screen")
                         .arg(sampleName));
        describe(
                checker, prefix + QStringLiteral("Preview"),
                QCoreApplication::translate("Tintora::Accessibility", "%1 preview").arg(sampleName),
                QCoreApplication::translate("Tintora::Accessibility",
                                            "%1 written on the background")
                        .arg(sampleName));
        describe(checker, prefix + QStringLiteral("Strip"),
                 QCoreApplication::translate("Tintora::Accessibility", "%1 lightness")
                         .arg(sampleName),
                 QString());
        describe(checker, prefix + QStringLiteral("Ratio"), QString(),
                 QCoreApplication::translate("Tintora::Accessibility",
                                             "Contrast ratio of %1 against the background")
                         .arg(sampleName));
        for (const Contrast::LevelRule &rule : Contrast::levelRules) {
            const QString key = prefix + QLatin1String(rule.key);
            const QString level = Contrast::levelName(rule.level);
            const QString minimum = Contrast::formatMinimum(rule.minimum);
            describe(checker, key, QString(),
                     QCoreApplication::translate("Tintora::Accessibility", "%1, %2, at least %3:1")
                             .arg(sampleName, level, minimum));
            describe(checker, key + QStringLiteral("FixText"),
                     QCoreApplication::translate("Tintora::Accessibility", "Fix text, %1, %2")
                             .arg(sampleName, level),
                     QCoreApplication::translate(
                             "Tintora::Accessibility",
                             "Change %1 to the nearest color of its hue that passes %2")
                             .arg(sampleName, level));
            describe(
                    checker, key + QStringLiteral("FixBackground"),
                    QCoreApplication::translate("Tintora::Accessibility", "Fix background, %1")
                            .arg(level),
                    QCoreApplication::translate(
                            "Tintora::Accessibility",
                            "Change the background to the nearest color of its hue with which both "
                            "samples pass %1")
                            .arg(level));
        }
        describe(checker, prefix + QStringLiteral("Lc"), QString(),
                 QCoreApplication::translate("Tintora::Accessibility",
                                             "APCA lightness contrast of %1, advisory")
                         .arg(sampleName));
        describe(checker, prefix + QStringLiteral("Reading"), QString(),
                 QCoreApplication::translate("Tintora::Accessibility",
                                             "What the APCA contrast of %1 is good for")
                         .arg(sampleName));
        describe(checker, prefix + QStringLiteral("FontSizes"), QString(),
                 QCoreApplication::translate(
                         "Tintora::Accessibility",
                         "Least font size for %1 by APCA, at weights 400 and 700")
                         .arg(sampleName));
        for (const Contrast::ApcaUseRule &rule : Contrast::apcaUseRules) {
            if (*rule.key == '\0')
                continue;
            describe(checker, prefix + QLatin1String(rule.key), QString(),
                     QCoreApplication::translate("Tintora::Accessibility",
                                                 "%1, APCA %2, at least Lc %3, advisory")
                             .arg(sampleName, apcaUseName(rule.use))
                             .arg(int(rule.minimum)));
        }
        describe(checker, prefix + QStringLiteral("Note"), QString(),
                 QCoreApplication::translate("Tintora::Accessibility", "What Fix text found for %1")
                         .arg(sampleName));
    }

    describe(checker, QStringLiteral("TextAgainstTextRatio"), QString(),
             QCoreApplication::translate("Tintora::Accessibility",
                                         "Contrast ratio of Text Sample 1 against Text Sample 2"));
    describe(checker, QStringLiteral("TextAgainstText"), QString(),
             QCoreApplication::translate("Tintora::Accessibility",
                                         "Text against text, at least %1:1")
                     .arg(Contrast::formatMinimum(Contrast::textAgainstTextMinimum)));
    for (Contrast::Vision vision : Contrast::allVisions) {
        const QString name = Contrast::visionName(vision);
        describe(checker, name + QStringLiteral("Preview"),
                 QCoreApplication::translate("Tintora::Accessibility", "%1 preview").arg(name),
                 QCoreApplication::translate(
                         "Tintora::Accessibility",
                         "Both samples on the background as seen with %1, simulated")
                         .arg(name));
        describe(checker, name + QStringLiteral("Ratios"), QString(),
                 QCoreApplication::translate(
                         "Tintora::Accessibility",
                         "Contrast ratios of Text Sample 1 and Text Sample 2 as seen with %1")
                         .arg(name));
    }
}

} // namespace Tintora::Accessibility
