// SPDX-License-Identifier: GPL-3.0-or-later
// Colors as text: Edit > Copy As in every notation, Edit > Paste Color from any color text,
// and colors dragged out of the hex field and the sample area or dropped on the samples. A
// color comes in only as the design brings colors in: through the hex field and Update.
#include "ui/tform1.h"

#include "app/application.h"
#include "app/edit.h"
#include "app/handler.h"
#include "app/label.h"
#include "app/qtcolor.h"
#include "app/shape.h"
#include "core/error.h"
#include "core/text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include <algorithm>

using namespace Tintora;
using Tintora::Notation::Form;

namespace {

// The longest piece of a rejected text that the error box quotes.
constexpr qsizetype kQuotedTextLength = 60;

// An item of Edit > Copy As: the notation's name, with the item's letter, then the text that the
// item copies (after a tab, so that the texts line up in a column of their own).
struct CopyAsItem
{
    const char *name;
    Form form;
    const char *caption;
};

constexpr CopyAsItem kCopyAsItems[] = {
        {"CopyAsHex1", Form::Hex, QT_TRANSLATE_NOOP("TForm1", "&Hex")},
        {"CopyAsHexLowercase1", Form::HexLowercase, QT_TRANSLATE_NOOP("TForm1", "Hex, &lowercase")},
        {"CopyAsHexBare1", Form::HexBare, QT_TRANSLATE_NOOP("TForm1", "Hex, &no #")},
        {"CopyAsRgb1", Form::Rgb, QT_TRANSLATE_NOOP("TForm1", "&RGB")},
        {"CopyAsRgbCommas1", Form::RgbCommas, QT_TRANSLATE_NOOP("TForm1", "RGB, co&mmas")},
        {"CopyAsHsl1", Form::Hsl, QT_TRANSLATE_NOOP("TForm1", "H&SL")},
        {"CopyAsHwb1", Form::Hwb, QT_TRANSLATE_NOOP("TForm1", "H&WB")},
        {"CopyAsLab1", Form::Lab, QT_TRANSLATE_NOOP("TForm1", "L&ab")},
        {"CopyAsLch1", Form::Lch, QT_TRANSLATE_NOOP("TForm1", "L&CH")},
        {"CopyAsOklab1", Form::Oklab, QT_TRANSLATE_NOOP("TForm1", "&Oklab")},
        {"CopyAsOklch1", Form::Oklch, QT_TRANSLATE_NOOP("TForm1", "O&klch")},
        {"CopyAsColorSrgb1", Form::ColorSrgb, QT_TRANSLATE_NOOP("TForm1", "color(sr&gb)")},
        {"CopyAsHexNumber1", Form::HexNumber, QT_TRANSLATE_NOOP("TForm1", "Hex number, 0&x")},
        {"CopyAsBytes1", Form::Bytes, QT_TRANSLATE_NOOP("TForm1", "&Bytes")},
        {"CopyAsFractions1", Form::Fractions, QT_TRANSLATE_NOOP("TForm1", "&Fractions")},
};
// Edit > Copy As offers every notation, each once.
static_assert(
        [] {
            if (std::size(kCopyAsItems) != Notation::allForms.size())
                return false;
            for (const Form form : Notation::allForms) {
                int items = 0;
                for (const CopyAsItem &item : kCopyAsItems)
                    items += item.form == form ? 1 : 0;
                if (items != 1)
                    return false;
            }
            return true;
        }(),
        "Copy As needs one item for every notation");

// A color as other programs take it: #RRGGBB as text and as a Qt color.
QMimeData *colorMimeData(Color::ColorValue color)
{
    auto *data = new QMimeData;
    data->setText(Color::buildHex(color));
    data->setColorData(toQColor(color));
    return data;
}

bool carriesColor(const QMimeData *data)
{
    return data && (data->hasColor() || data->hasText());
}

// Drags colors out of the hex field and the sample area, and takes drops on the three samples.
// A press goes on to the widget as before (a press on the sample area selects Background at
// once); a drag starts only when the pointer has moved the drag distance with the button held.
class ColorDragAndDrop : public QObject
{
public:
    ColorDragAndDrop(TForm1 *form, std::function<Color::ColorValue(QWidget *)> dragColor,
                     std::function<bool(QWidget *, const QMimeData *)> drop)
        : QObject(form), m_form(form), m_dragColor(std::move(dragColor)), m_drop(std::move(drop))
    { }

    void dragFrom(QWidget *widget)
    {
        widget->installEventFilter(this);
        m_sources.append(widget);
    }
    void dropOn(QWidget *widget)
    {
        widget->setAcceptDrops(true);
        widget->installEventFilter(this);
        m_targets.append(widget);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (m_sources.contains(widget)) {
                const auto *mouse = static_cast<QMouseEvent *>(event);
                m_pressed = mouse->button() == Qt::LeftButton ? widget : nullptr;
                m_pressPosition = mouse->position().toPoint();
            }
            return false;
        case QEvent::MouseButtonRelease:
            m_pressed = nullptr;
            return false;
        case QEvent::MouseMove:
            return m_pressed == widget && maybeStartDrag(widget, static_cast<QMouseEvent *>(event));
        case QEvent::DragEnter:
        case QEvent::DragMove:
            if (m_targets.contains(widget)) {
                auto *drag = static_cast<QDropEvent *>(event);
                if (carriesColor(drag->mimeData()))
                    drag->acceptProposedAction();
                else
                    drag->ignore();
                return true;
            }
            return false;
        case QEvent::Drop:
            if (m_targets.contains(widget)) {
                auto *drop = static_cast<QDropEvent *>(event);
                if (m_drop(widget, drop->mimeData()))
                    drop->acceptProposedAction();
                else
                    drop->ignore();
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    bool maybeStartDrag(QWidget *widget, QMouseEvent *event)
    {
        if (!(event->buttons() & Qt::LeftButton)) {
            m_pressed = nullptr;
            return false;
        }
        if ((event->position().toPoint() - m_pressPosition).manhattanLength()
            < QApplication::startDragDistance())
            return false;
        m_pressed = nullptr;
        Application::runHandler(m_form, [&] {
            const Color::ColorValue color = m_dragColor(widget);
            auto *drag = new QDrag(widget);
            drag->setMimeData(colorMimeData(color));
            QPixmap swatch(24, 24);
            swatch.fill(toQColor(color));
            QPainter(&swatch).drawRect(swatch.rect().adjusted(0, 0, -1, -1));
            drag->setPixmap(swatch);
            drag->exec(Qt::CopyAction);
        });
        return true;
    }

    TForm1 *m_form;
    std::function<Color::ColorValue(QWidget *)> m_dragColor;
    std::function<bool(QWidget *, const QMimeData *)> m_drop;
    QList<QWidget *> m_sources;
    QList<QWidget *> m_targets;
    QWidget *m_pressed = nullptr;
    QPoint m_pressPosition;
};

} // namespace

void TForm1::buildNotationMenu(QMenu *edit)
{
    CopyAs1 = edit->addMenu(tr("Copy &As"));
    CopyAs1->setObjectName(QStringLiteral("CopyAs1"));
    CopyAs1->menuAction()->setObjectName(QStringLiteral("CopyAs1"));
    for (const CopyAsItem &item : kCopyAsItems) {
        auto *action = new QAction(this);
        action->setObjectName(QLatin1String(item.name));
        CopyAs1->addAction(action);
        m_copyAsItems.emplace_back(action, item.form);
    }
    PasteColor1 = new QAction(tr("&Paste Color"), this);
    PasteColor1->setObjectName(QStringLiteral("PasteColor1"));
    PasteColor1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    edit->addAction(PasteColor1);
}

void TForm1::wireNotations()
{
    // The captions show the current color; laying them out on every scroll-bar step would cost
    // fifteen conversions each time, so they are written when the menu opens.
    connect(CopyAs1, &QMenu::aboutToShow, this,
            [this] { Application::runHandler(this, [this] { CopyAs1Popup(); }); });
    for (const auto &[action, form] : m_copyAsItems)
        onTrigger(action, [this, form = form] { CopyAsClick(form); });
    onTrigger(PasteColor1, [this] { PasteColor1Click(); });

    auto *dragAndDrop = new ColorDragAndDrop(
            this,
            [this](QWidget *source) {
                return source == Shape1 ? m_samples.background() : m_currentColor;
            },
            [this](QWidget *target, const QMimeData *data) {
                const SampleTarget sample = target == Label2 ? SampleTarget::TextSample1
                        : target == Label3                   ? SampleTarget::TextSample2
                                                             : SampleTarget::Background;
                return dropColor(sample, data);
            });
    dragAndDrop->dragFrom(Edit1);
    dragAndDrop->dragFrom(Shape1);
    for (QWidget *target : {static_cast<QWidget *>(Shape1), static_cast<QWidget *>(Label2),
                            static_cast<QWidget *>(Label3)})
        dragAndDrop->dropOn(target);
}

void TForm1::CopyAs1Popup()
{
    for (const auto &[action, form] : m_copyAsItems) {
        const auto item =
                std::find_if(std::begin(kCopyAsItems), std::end(kCopyAsItems),
                             [form = form](const CopyAsItem &i) { return i.form == form; });
        QString text = Notation::format(m_currentColor, form);
        action->setText(tr(item->caption) + QLatin1Char('\t')
                        + text.replace(QLatin1Char('&'), QLatin1String("&&")));
    }
}

void TForm1::CopyAsClick(Form form)
{
    QGuiApplication::clipboard()->setText(Notation::format(m_currentColor, form));
}

TForm1::ColorValue TForm1::colorFromMimeData(const QMimeData *data)
{
    if (data && data->hasColor()) {
        const QColor color = qvariant_cast<QColor>(data->colorData()).toRgb();
        if (color.isValid())
            return toColorValue(color);
    }
    const QString text = data ? data->text() : QString();
    if (const auto color = Notation::parseColor(text))
        return *color;
    throw Error(
            tr("'%1' is not a color").arg(Text::elideMiddle(text.trimmed(), kQuotedTextLength)));
}

void TForm1::PasteColor1Click()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || (!data->hasColor() && data->text().trimmed().isEmpty()))
        throw Error(tr("There is no color on the clipboard to paste"));
    const ColorValue color = colorFromMimeData(data);
    applyColor(m_samples.activeTarget(), color);
    settleColor(color);
}

bool TForm1::dropColor(SampleTarget target, const QMimeData *data)
{
    bool applied = false;
    Application::runHandler(this, [&] {
        ColorValue color = 0;
        try {
            color = colorFromMimeData(data);
        } catch (const Error &e) {
            // Not from inside the drop: a modal box there would run while the drag still holds
            // the pointer. The box comes as soon as the drop is over.
            QTimer::singleShot(0, this, [this, message = e.message()] {
                Application::runHandler(this, [&message] { throw Error(message); });
            });
            return;
        }
        applyColor(target, color);
        settleColor(color);
        applied = true;
    });
    return applied;
}
