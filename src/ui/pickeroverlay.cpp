// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pickeroverlay.h"

#include "app/application.h"
#include "app/qtcolor.h"
#include "ui/accessibility.h"
#include "ui/sharedmemorygrab.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace Tintora {

namespace {

// In logical pixels: how far the loupe keeps from the pointer, and its label.
constexpr int kPointerGap = 20;
constexpr int kLabelGap = 6;
constexpr int kLabelHeight = 22;
constexpr int kLabelFontSize = 13;

// The cells beyond the screen's edge.
constexpr quint32 kOutside = 0xFF303030u;

int toDevice(int logical, qreal ratio)
{
    return qMax(1, int(std::lround(logical * ratio)));
}

bool readsAsArgb(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
            || format == QImage::Format_ARGB32_Premultiplied;
}

// Large cells are told apart by a faint line along their top and left edges.
constexpr int kGridFromCell = 8;

void shadeGrid(QImage &loupe, const Loupe::Layout &layout)
{
    if (layout.cell < kGridFromCell)
        return;
    const auto shade = [](quint32 &pixel) {
        const quint32 rb = ((pixel & 0xFF00FFu) * 13 / 16) & 0xFF00FFu;
        const quint32 g = ((pixel & 0x00FF00u) * 13 / 16) & 0x00FF00u;
        pixel = 0xFF000000u | rb | g;
    };
    const int side = layout.side;
    for (int edge = layout.offset; edge < side; edge += layout.cell) {
        if (edge < 0)
            continue;
        auto *line = reinterpret_cast<quint32 *>(loupe.scanLine(edge));
        for (int x = 0; x < side; ++x)
            shade(line[x]);
        for (int y = 0; y < side; ++y) {
            if (y != edge)
                shade(reinterpret_cast<quint32 *>(loupe.scanLine(y))[edge]);
        }
    }
}

// A frame of the given thickness just outside rect.
void frame(QPainter &painter, const QRect &rect, int thickness, const QColor &color)
{
    const QRect outer = rect.adjusted(-thickness, -thickness, thickness, thickness);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), thickness), color);
    painter.fillRect(QRect(outer.left(), rect.bottom() + 1, outer.width(), thickness), color);
    painter.fillRect(QRect(outer.left(), rect.top(), thickness, rect.height()), color);
    painter.fillRect(QRect(rect.right() + 1, rect.top(), thickness, rect.height()), color);
}

} // namespace

// The loupe's window: the overlay's device pixels under it, the picture and the loupe over it,
// exactly as the overlay would show them there.
class LoupeWindow : public QWidget
{
public:
    explicit LoupeWindow(PickerOverlay *overlay)
        : QWidget(overlay,
                  Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                          | Qt::X11BypassWindowManagerHint | Qt::WindowTransparentForInput
                          | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint),
          m_overlay(overlay)
    {
        setObjectName(QStringLiteral("PickerLoupe"));
        setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }

    // Puts the window over at least the overlay's device pixels in wanted.
    void cover(const QRect &wanted)
    {
        const qreal r = m_overlay->ratio();
        const QRect logical =
                QRectF(wanted.x() / r, wanted.y() / r, wanted.width() / r, wanted.height() / r)
                        .toAlignedRect();
        // Qt puts a window's logical corner, counted from its screen's, at that times the ratio,
        // rounded; the overlay's device pixels are counted from the same corner.
        m_device = QRect(QPoint(qRound(logical.x() * r), qRound(logical.y() * r)),
                         QPoint(qRound((logical.right() + 1) * r) - 1,
                                qRound((logical.bottom() + 1) * r) - 1));
        setGeometry(logical.translated(m_overlay->geometry().topLeft()));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const qreal r = m_overlay->ratio();
        painter.scale(1 / r, 1 / r); // device pixels, those of the overlay from here on
        painter.translate(-m_device.topLeft());
        m_overlay->drawPicture(painter, m_device);
        m_overlay->drawLoupe(painter);
    }

private:
    PickerOverlay *m_overlay;
    QRect m_device; // the overlay's device pixels that the window shows
};

PickerOverlay::PickerOverlay(QScreen *screen, const QImage &picture, QWidget *reportTo)
    : QWidget(nullptr,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                      | Qt::X11BypassWindowManagerHint | Qt::NoDropShadowWindowHint),
      m_picture(readsAsArgb(picture.format()) ? picture
                                              : picture.convertToFormat(QImage::Format_RGB32)),
      m_reportTo(reportTo),
      m_loupeWindow(new LoupeWindow(this))
{
    setObjectName(QStringLiteral("PickerOverlay"));
    setWindowTitle(tr("Pick From Screen"));
    // Every pixel is painted from the picture; nothing needs clearing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setScreen(screen);
    setGeometry(screen->geometry());

    m_labelFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_labelFont.setPixelSize(toDevice(kLabelFontSize, ratio())); // drawn in device pixels
    m_labelFont.setBold(true);
    Accessibility::describePickerOverlay(this, QString());
    // At 4K the picture is 32 MB: copied into the window's backing store and put to the server,
    // it was most of the time a pick took to show.
    m_serverPainted = SharedMemoryGrab::showAsBackground(winId(), m_picture);
    if (m_serverPainted)
        setAttribute(Qt::WA_PaintOnScreen); // no backing store: Qt paints nothing of it
}

PickerOverlay::~PickerOverlay() = default;

Loupe::Picture PickerOverlay::pixels() const
{
    return Loupe::Picture {m_picture.constBits(), m_picture.size(), m_picture.bytesPerLine()};
}

QWidget *PickerOverlay::loupeWindow() const
{
    return m_loupeWindow;
}

void PickerOverlay::setCrosshair(std::optional<QPoint> pixel, int zoom)
{
    m_crosshair = pixel;
    m_zoom = zoom;
    if (pixel) {
        const Loupe::Layout layout = Loupe::layout(zoom, ratio());
        if (layout != m_layout || m_loupe.isNull()) {
            m_layout = layout;
            m_loupe = QImage(layout.side, layout.side, QImage::Format_RGB32);
        }
        Loupe::magnify(pixels(), *pixel, m_layout, m_loupe.bits(), m_loupe.bytesPerLine(),
                       kOutside);
        shadeGrid(m_loupe, m_layout);
        const Color::ColorValue color = Loupe::colorAt(pixels(), *pixel);
        m_color = toQColor(color);
        m_hexText = Color::buildHex(color);
        Accessibility::describePickerOverlay(this, m_hexText);
    }
    placeLoupe();
}

void PickerOverlay::placeLoupe()
{
    if (!m_crosshair || !isVisible()) {
        m_loupeWindow->hide();
        return;
    }
    const int rim = toDevice(2, ratio()); // the lens's antialiased edge
    m_loupeWindow->cover(deviceBox().adjusted(-rim, -rim, rim, rim));
    if (!m_loupeWindow->isVisible()) {
        m_loupeWindow->show();
        m_loupeWindow->raise();
    }
}

QRect PickerOverlay::deviceBox() const
{
    if (!m_crosshair)
        return {};
    const qreal r = ratio();
    const QSize box(m_layout.side,
                    m_layout.side + toDevice(kLabelGap, r) + toDevice(kLabelHeight, r));
    return Loupe::place(*m_crosshair, box, m_picture.rect(), toDevice(kPointerGap, r));
}

QRect PickerOverlay::labelBox() const
{
    const QRect box = deviceBox();
    const qreal r = ratio();
    return {box.left(), box.top() + m_layout.side + toDevice(kLabelGap, r), box.width(),
            toDevice(kLabelHeight, r)};
}

QRect PickerOverlay::loupeBox() const
{
    const QRect box = deviceBox();
    const qreal r = ratio();
    return QRectF(box.x() / r, box.y() / r, box.width() / r, box.height() / r).toAlignedRect();
}

QRegion PickerOverlay::loupeShape() const
{
    if (!m_crosshair)
        return {};
    const int rim = 2 * toDevice(1, ratio()) + 1;
    const QRect lens(deviceBox().topLeft(), QSize(m_layout.side, m_layout.side));
    return QRegion(lens.adjusted(-rim, -rim, rim, rim), QRegion::Ellipse)
            + QRegion(labelBox().adjusted(-1, -1, 1, 1));
}

QRect PickerOverlay::crosshairCell() const
{
    return m_crosshair ? Loupe::centreCell(m_layout).translated(deviceBox().topLeft()) : QRect();
}

void PickerOverlay::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    placeLoupe();
}

void PickerOverlay::hideEvent(QHideEvent *event)
{
    m_loupeWindow->hide();
    QWidget::hideEvent(event);
}

QPaintEngine *PickerOverlay::paintEngine() const
{
    return nullptr; // painted by the server or, through the backing store, by paintEvent
}

void PickerOverlay::paintEvent(QPaintEvent *event)
{
    if (m_serverPainted)
        return;
    QPainter painter(this);
    const qreal r = ratio();
    painter.scale(1 / r, 1 / r);
    for (const QRect &area : event->region()) {
        // The picture is drawn pixel for pixel: each logical area is its device pixels.
        drawPicture(painter,
                    QRectF(area.x() * r, area.y() * r, area.width() * r, area.height() * r)
                            .toAlignedRect());
    }
}

void PickerOverlay::drawPicture(QPainter &painter, const QRect &area) const
{
    // A copy, not a blend: the picture is opaque.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect inside = area & m_picture.rect();
    if (inside != area)
        painter.fillRect(area, Qt::black); // past the picture's last pixel
    // Into a rectangle, pixel for pixel: drawn at a point, the picture would be shrunk by its
    // device pixel ratio.
    if (!inside.isEmpty())
        painter.drawImage(QRectF(inside), m_picture, QRectF(inside));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void PickerOverlay::drawLoupe(QPainter &painter) const
{
    if (!m_crosshair)
        return;
    const qreal r = ratio();
    const int line = toDevice(1, r);
    const QRect box = deviceBox();
    const QRect lens(box.topLeft(), QSize(m_layout.side, m_layout.side));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(Qt::NoPen);
    painter.setBrushOrigin(lens.topLeft());
    painter.setBrush(QBrush(m_loupe));
    painter.drawEllipse(lens);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 200), 2 * line));
    painter.drawEllipse(lens);
    painter.setPen(QPen(QColor(255, 255, 255, 220), line));
    painter.drawEllipse(lens.adjusted(line, line, -line, -line));

    // The pixel under the crosshair, outlined in white and black so that it shows on any color.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect cell = crosshairCell();
    frame(painter, cell, line, Qt::white);
    frame(painter, cell.adjusted(-line, -line, line, line), line, Qt::black);

    // The hex value under the loupe, beside a swatch of the color.
    const QRect label = labelBox();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20, 230));
    painter.drawRoundedRect(label, 4 * r, 4 * r);
    const int pad = toDevice(4, r);
    const QRect swatch(label.left() + pad, label.top() + pad, label.height() - 2 * pad,
                       label.height() - 2 * pad);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(swatch, m_color);
    frame(painter, swatch, line, Qt::white);

    painter.setFont(m_labelFont);
    painter.setPen(Qt::white);
    painter.drawText(label.adjusted(swatch.width() + 2 * pad, 0, 0, 0), Qt::AlignCenter, m_hexText);
    painter.restore();
}

void PickerOverlay::report(const std::function<void()> &handler)
{
    Application::runHandler(m_reportTo ? m_reportTo.data() : this, handler);
}

void PickerOverlay::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF position = event->position();
    report([&] { emit pointerMoved(position); });
}

void PickerOverlay::mousePressEvent(QMouseEvent *event)
{
    const QPointF position = event->position();
    const Qt::MouseButton button = event->button();
    report([&] { emit pressed(button, position); });
}

void PickerOverlay::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF position = event->position();
    const Qt::MouseButton button = event->button();
    report([&] { emit released(button, position); });
}

void PickerOverlay::wheelEvent(QWheelEvent *event)
{
    // Fine-grained wheels and touchpads send parts of a notch; a zoom step is a whole notch.
    m_wheelRemainder += event->angleDelta().y();
    const int steps = m_wheelRemainder / QWheelEvent::DefaultDeltasPerStep;
    m_wheelRemainder %= QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0)
        report([&] { emit wheelTurned(steps); });
}

void PickerOverlay::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    report([&] { emit keyPressed(key, modifiers); });
}

} // namespace Tintora
