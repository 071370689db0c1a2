// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contrastchecker.h"

#include "app/application.h"
#include "app/controls.h"
#include "app/desktop.h"
#include "ui/lookandfeel.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Tintora;
using Contrast::ApcaUse;
using Contrast::Level;
using Contrast::Vision;
using LookAndFeel::sampleFont;

namespace {

const QColor kPassColor(0x13, 0x73, 0x33);
const QColor kFailColor(0xB3, 0x1B, 0x1B);

QColor toQColor(Color::ColorValue color)
{
    return QColor(Color::red(color), Color::green(color), Color::blue(color));
}

QString levelKey(Level level)
{
    switch (level) {
    case Level::AaNormal:
        return QStringLiteral("AaNormal");
    case Level::AaLarge:
        return QStringLiteral("AaLarge");
    case Level::AaaNormal:
        return QStringLiteral("AaaNormal");
    case Level::AaaLarge:
        return QStringLiteral("AaaLarge");
    }
    Q_UNREACHABLE();
}

constexpr std::array<ApcaUse, 3> kApcaUses {ApcaUse::BodyText, ApcaUse::ContentText,
                                            ApcaUse::LargeText};

QString apcaKey(ApcaUse use)
{
    switch (use) {
    case ApcaUse::BodyText:
        return QStringLiteral("ApcaBody");
    case ApcaUse::ContentText:
        return QStringLiteral("ApcaContent");
    case ApcaUse::LargeText:
        return QStringLiteral("ApcaLarge");
    default:
        break;
    }
    Q_UNREACHABLE();
}

QString apcaRowName(ApcaUse use)
{
    const int lc = int(Contrast::apcaMinimum(use));
    switch (use) {
    case ApcaUse::BodyText:
        return QStringLiteral("Body text, Lc %1").arg(lc);
    case ApcaUse::ContentText:
        return QStringLiteral("Content text, Lc %1").arg(lc);
    case ApcaUse::LargeText:
        return QStringLiteral("Large text, Lc %1").arg(lc);
    default:
        break;
    }
    Q_UNREACHABLE();
}

// "4.5", "3", "7": the minimum as people quote it.
QString minimumText(double minimum)
{
    return QString::number(minimum, 'g', 3);
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

void setVerdict(QLabel *label, bool pass)
{
    label->setText(pass ? QStringLiteral("Pass") : QStringLiteral("Fail"));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, pass ? kPassColor : kFailColor);
    label->setPalette(palette);
}

// The widest hex color text in the font, for labels that must not change size with the color.
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

} // namespace

// ---- ContrastPreview ----

ContrastPreview::ContrastPreview(QWidget *parent) : QWidget(parent) { }

void ContrastPreview::setColors(const QColor &background, const QList<QColor> &texts)
{
    if (background == m_background && texts == m_texts)
        return;
    m_background = background;
    m_texts = texts;
    update();
}

void ContrastPreview::setLines(const QStringList &lines)
{
    if (lines == m_lines)
        return;
    const bool newHeight = lines.size() != m_lines.size();
    m_lines = lines;
    if (newHeight)
        updateGeometry();
    update();
}

QSize ContrastPreview::sizeHint() const
{
    // The width follows the layout: a new text must never resize the window.
    return {96, int(m_lines.size()) * QFontMetrics(font()).lineSpacing() + 10};
}

void ContrastPreview::paintEvent(QPaintEvent *)
{
    Application::runHandler(window(), [this] {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.setBrush(m_background);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        const QFontMetrics metrics(font());
        const int top = (height() - int(m_lines.size()) * metrics.lineSpacing()) / 2;
        for (qsizetype i = 0; i < m_lines.size() && i < m_texts.size(); ++i) {
            painter.setPen(m_texts.at(i));
            painter.drawText(8, top + int(i) * metrics.lineSpacing() + metrics.ascent(),
                             m_lines.at(i));
        }
    });
}

// ---- ContrastChecker ----

ContrastChecker::ContrastChecker(TForm1 *form)
    : QWidget(form,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_form(form)
{
    setObjectName(QStringLiteral("ContrastChecker"));
    setWindowTitle(QStringLiteral("Contrast Checker"));
    QFont base = QApplication::font();
    base.setPixelSize(12);
    setFont(base);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // sized by its content, like a dialog
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    auto *header = new QHBoxLayout;
    header->setSpacing(6);
    m_backgroundSwatch = new ContrastPreview(this);
    m_backgroundSwatch->setObjectName(QStringLiteral("BackgroundSwatch"));
    m_backgroundSwatch->setFixedSize(16, 16);
    header->addWidget(m_backgroundSwatch);
    m_backgroundTitle = makeLabel(QStringLiteral("BackgroundTitle"), this);
    QFont boldFont = m_backgroundTitle->font();
    boldFont.setBold(true);
    m_backgroundTitle->setMinimumWidth(QFontMetrics(boldFont).horizontalAdvance(
            QStringLiteral("Background  %1  (selected)").arg(widestHex(boldFont))));
    header->addWidget(m_backgroundTitle, 1);
    layout->addLayout(header);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addWidget(buildColumn(1));
    columns->addWidget(buildColumn(2));
    layout->addLayout(columns);

    auto *visionTitle =
            makeLabel(QStringLiteral("VisionTitle"), this,
                      QStringLiteral("As seen with a color vision deficiency (simulated):"));
    setBold(visionTitle, true);
    layout->addWidget(visionTitle);
    auto *visions = new QHBoxLayout;
    visions->setSpacing(6);
    for (Vision vision : Contrast::allVisions)
        visions->addWidget(buildVision(vision));
    layout->addLayout(visions);

    connect(form, &TForm1::colorsChanged, this,
            [this] { Application::runHandler(this, [this] { refresh(); }); });
    qApp->installEventFilter(this);
    refresh();
}

ContrastChecker::~ContrastChecker()
{
    qApp->removeEventFilter(this);
}

QWidget *ContrastChecker::buildColumn(int sample)
{
    const QString prefix = QStringLiteral("Sample%1").arg(sample);
    Column &column = m_columns[size_t(sample - 1)];

    auto *frame = new QFrame(this);
    frame->setObjectName(prefix + QStringLiteral("Column"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    int row = 0;

    column.title = makeLabel(prefix + QStringLiteral("Title"), frame);
    // Room for the widest title, so that the window keeps its size as colors change.
    QFont boldFont = column.title->font();
    boldFont.setBold(true);
    column.title->setMinimumWidth(QFontMetrics(boldFont).horizontalAdvance(
            QStringLiteral("Text Sample %1  (selected)").arg(sample)));
    grid->addWidget(column.title, row++, 0, 1, 3);

    column.preview = new ContrastPreview(frame);
    column.preview->setObjectName(prefix + QStringLiteral("Preview"));
    column.preview->setFont(sampleFont(sample == 1 ? 15 : 19));
    column.preview->setLines({QStringLiteral("Sample %1").arg(sample)});
    column.preview->setMinimumHeight(40);
    grid->addWidget(column.preview, row++, 0, 1, 3);

    grid->addWidget(makeLabel(QString(), frame, QStringLiteral("Contrast ratio")), row, 0);
    column.ratio = makeLabel(prefix + QStringLiteral("Ratio"), frame);
    QFont big = column.ratio->font();
    big.setPixelSize(16);
    big.setBold(true);
    column.ratio->setFont(big);
    grid->addWidget(column.ratio, row++, 1, 1, 2);

    for (size_t i = 0; i < Contrast::allLevels.size(); ++i) {
        const Level level = Contrast::allLevels[i];
        const QString key = prefix + levelKey(level);
        grid->addWidget(makeLabel(QString(), frame,
                                  QStringLiteral("%1 %2:1").arg(
                                          Contrast::levelName(level),
                                          minimumText(Contrast::minimumRatio(level)))),
                        row, 0);
        LevelRow &levelRow = column.levels[i];
        levelRow.verdict = makeLabel(key, frame);
        setBold(levelRow.verdict, true);
        grid->addWidget(levelRow.verdict, row, 1);
        levelRow.fix = new QPushButton(QStringLiteral("Fix"), frame);
        levelRow.fix->setObjectName(key + QStringLiteral("Fix"));
        levelRow.fix->setFocusPolicy(Qt::TabFocus);
        levelRow.fix->setFixedWidth(
                levelRow.fix->fontMetrics().horizontalAdvance(QStringLiteral("Fix")) + 24);
        onClick(levelRow.fix, [this, sample, level] { fixSample(sample, level); });
        grid->addWidget(levelRow.fix, row++, 2);
    }

    grid->setRowMinimumHeight(row++, 4);
    grid->addWidget(makeLabel(QString(), frame, QStringLiteral("APCA lightness")), row, 0);
    column.lc = makeLabel(prefix + QStringLiteral("Lc"), frame);
    column.lc->setFont(big);
    grid->addWidget(column.lc, row++, 1, 1, 2);
    column.reading = makeLabel(prefix + QStringLiteral("Reading"), frame);
    QFont italic = column.reading->font();
    italic.setItalic(true);
    column.reading->setFont(italic);
    int readingWidth = 0;
    for (double lc : {0.0, 15.0, 30.0, 45.0, 60.0, 75.0})
        readingWidth = qMax(readingWidth,
                            QFontMetrics(italic).horizontalAdvance(Contrast::apcaReading(lc)));
    column.reading->setMinimumWidth(readingWidth);
    grid->addWidget(column.reading, row++, 0, 1, 3);
    for (size_t i = 0; i < kApcaUses.size(); ++i) {
        const ApcaUse use = kApcaUses[i];
        grid->addWidget(makeLabel(QString(), frame, apcaRowName(use)), row, 0);
        column.apca[i].use = use;
        column.apca[i].verdict = makeLabel(prefix + apcaKey(use), frame);
        setBold(column.apca[i].verdict, true);
        grid->addWidget(column.apca[i].verdict, row++, 1);
    }

    column.note = makeLabel(prefix + QStringLiteral("Note"), frame);
    QPalette notePalette = column.note->palette();
    notePalette.setColor(QPalette::WindowText, kFailColor);
    column.note->setPalette(notePalette);
    // Keeps its line when empty, so the window does not jump as the message comes and goes.
    column.note->setMinimumHeight(column.note->fontMetrics().lineSpacing());
    grid->addWidget(column.note, row++, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    return frame;
}

QWidget *ContrastChecker::buildVision(Vision vision)
{
    const QString name = Contrast::visionName(vision);
    VisionView &view = m_visions[size_t(vision)];

    auto *box = new QWidget(this);
    box->setObjectName(name);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(makeLabel(QString(), box, name));
    view.preview = new ContrastPreview(box);
    view.preview->setObjectName(name + QStringLiteral("Preview"));
    view.preview->setFont(sampleFont(13));
    view.preview->setLines({QStringLiteral("Sample 1"), QStringLiteral("Sample 2")});
    view.preview->setMinimumWidth(96);
    layout->addWidget(view.preview);
    view.ratios = makeLabel(name + QStringLiteral("Ratios"), box);
    layout->addWidget(view.ratios);
    return box;
}

Color::ColorValue ContrastChecker::sampleColor(int sample) const
{
    return sample == 1 ? m_form->sample1Color() : m_form->sample2Color();
}

void ContrastChecker::refresh()
{
    const Color::ColorValue background = m_form->backgroundColor();
    const Color::SampleTarget active = m_form->activeTarget();
    const QString selected = QStringLiteral("  (selected)");

    const bool backgroundActive = active == Color::SampleTarget::Background;
    m_backgroundTitle->setText(
            QStringLiteral("Background  %1%2")
                    .arg(Color::buildHex(background), backgroundActive ? selected : QString()));
    setBold(m_backgroundTitle, backgroundActive);
    m_backgroundSwatch->setColors(toQColor(background), {});

    for (int sample = 1; sample <= 2; ++sample) {
        Column &column = m_columns[size_t(sample - 1)];
        const Color::ColorValue text = sampleColor(sample);
        const bool isActive = active
                == (sample == 1 ? Color::SampleTarget::TextSample1
                                : Color::SampleTarget::TextSample2);
        column.title->setText(QStringLiteral("Text Sample %1%2")
                                      .arg(sample)
                                      .arg(isActive ? selected : QString()));
        setBold(column.title, isActive);
        column.preview->setColors(toQColor(background), {toQColor(text)});
        column.preview->setLines(
                {QStringLiteral("Sample %1  %2").arg(sample).arg(Color::buildHex(text))});

        const double ratio = Contrast::contrastRatio(text, background);
        column.ratio->setText(Contrast::formatRatio(ratio));
        bool someLevelOutOfReach = false;
        for (size_t i = 0; i < Contrast::allLevels.size(); ++i) {
            const Level level = Contrast::allLevels[i];
            const LevelRow &row = column.levels[i];
            const bool pass = Contrast::passes(ratio, level);
            setVerdict(row.verdict, pass);
            const bool reachable = Contrast::fixExists(background, Contrast::minimumRatio(level));
            row.fix->setEnabled(!pass && reachable);
            if (pass) {
                row.fix->setToolTip(QStringLiteral("Passes already"));
            } else if (reachable) {
                row.fix->setToolTip(
                        QStringLiteral("Change Text Sample %1 to the nearest color of its hue "
                                       "that passes %2")
                                .arg(sample)
                                .arg(Contrast::levelName(level)));
            } else {
                row.fix->setToolTip(QStringLiteral("No color of this hue passes"));
                someLevelOutOfReach = true;
            }
        }

        const double lc = Contrast::apcaContrast(text, background);
        column.lc->setText(Contrast::formatLc(lc));
        column.reading->setText(Contrast::apcaReading(lc));
        for (const ApcaRow &row : column.apca)
            setVerdict(row.verdict, Contrast::apcaUse(lc) >= row.use);

        column.note->setText(someLevelOutOfReach ? QStringLiteral("No color of this hue passes")
                                                 : QString());
    }

    for (Vision vision : Contrast::allVisions) {
        const VisionView &view = m_visions[size_t(vision)];
        const Color::ColorValue seenBackground = Contrast::simulate(background, vision);
        const Color::ColorValue seen1 = Contrast::simulate(sampleColor(1), vision);
        const Color::ColorValue seen2 = Contrast::simulate(sampleColor(2), vision);
        view.preview->setColors(toQColor(seenBackground), {toQColor(seen1), toQColor(seen2)});
        view.ratios->setText(
                QStringLiteral("1: %1\n2: %2")
                        .arg(Contrast::formatRatio(Contrast::contrastRatio(seen1, seenBackground)),
                             Contrast::formatRatio(
                                     Contrast::contrastRatio(seen2, seenBackground))));
    }
}

void ContrastChecker::fixSample(int sample, Level level)
{
    const Color::ColorValue background = m_form->backgroundColor();
    const std::optional<Color::ColorValue> fixed =
            Contrast::fixTextColor(sampleColor(sample), background, level);
    if (!fixed) {
        m_columns[size_t(sample - 1)].note->setText(QStringLiteral("No color of this hue passes"));
        return;
    }
    m_form->applyColor(sample == 1 ? Color::SampleTarget::TextSample1
                                   : Color::SampleTarget::TextSample2,
                       *fixed);
}

void ContrastChecker::open()
{
    if (isVisible()) {
        raise();
        return;
    }
    placeBesideForm();
    show();
}

void ContrastChecker::placeBesideForm()
{
    adjustSize();
    if (!Tintora::Desktop::canPlaceWindows())
        return; // the compositor puts the window where it sees fit
    const QRect form = m_form->frameGeometry();
    // Before the first show the frame is not known yet; the client size is close enough.
    const QSize outer = frameGeometry().size().expandedTo(size());
    constexpr int gap = 6;
    QPoint at(form.right() + 1 + gap, form.top());
    if (const QScreen *screen = m_form->screen()) {
        const QRect available = screen->availableGeometry();
        const int rightmost = available.right() + 1 - outer.width();
        if (at.x() > rightmost) {
            const int leftOfForm = form.left() - gap - outer.width();
            // Left of the main window if it fits there, else against the screen's right edge,
            // where it covers the least of the main window.
            at.setX(leftOfForm >= available.left() ? leftOfForm
                                                   : qMax(available.left(), rightmost));
        }
        at.setY(qBound(available.top(), at.y(),
                       qMax(available.top(), available.bottom() + 1 - outer.height())));
    }
    move(at);
}

bool ContrastChecker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form) {
        // A tool belongs to its window: it goes when the main window closes or is hidden (the
        // window commands hide and show it to change its flags) and comes back with it.
        if (event->type() == QEvent::Hide && isVisible()) {
            m_hiddenWithForm = true;
            hide();
        } else if (event->type() == QEvent::Show && m_hiddenWithForm) {
            m_hiddenWithForm = false;
            placeBesideForm();
            show();
        }
    } else if (event->type() == QEvent::ToolTip && !m_form->showHints()) {
        // The main window's "Disable Hints" holds here too.
        if (auto *widget = qobject_cast<QWidget *>(watched); widget && widget->window() == this)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
