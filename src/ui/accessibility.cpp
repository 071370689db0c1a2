// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include "app/application.h"
#include "app/label.h"
#include "app/shape.h"
#include "ui/contrastpreview.h"
#include "ui/contraststrip.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace Tintora::Accessibility {

namespace {

// The sample area: pressed, it selects the Background target, as a click does.
class ShapeAccessible : public QAccessibleWidget
{
public:
    explicit ShapeAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Button) { }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        auto *shape = static_cast<Shape *>(widget());
        if (action == pressAction() && shape->onMouseDown)
            Application::runHandler(shape->window(), shape->onMouseDown);
    }
};

// A text that does something when clicked (a sample sentence selects its target, the About
// box's maker line shows the address): read as its text, and pressed as a click presses it.
class ClickableLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickableLabelAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::StaticText)
    { }
    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (text.isEmpty() && t == QAccessible::Name)
            text = label()->text();
        return text;
    }
    QStringList actionNames() const override
    {
        return label()->onClick ? QStringList {pressAction()} : QStringList {};
    }
    void doAction(const QString &action) override
    {
        Label *l = label();
        if (action == pressAction() && l->onClick)
            Application::runHandler(l->window(), l->onClick);
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

// A strip of one hue from black to white; its value is the cell the current color stands on.
class StripAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit StripAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Slider) { }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return strip()->markedCell(); }
    void setCurrentValue(const QVariant &value) override
    {
        ContrastStrip *s = strip();
        Application::runHandler(s->window(), [s, cell = value.toInt()] { s->pickCell(cell); });
    }
    QVariant maximumValue() const override { return qMax(0, strip()->cellArea().width() - 1); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    ContrastStrip *strip() const { return static_cast<ContrastStrip *>(widget()); }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("Tintora::Shape"))
        return new ShapeAccessible(widget);
    if (className == QLatin1String("Tintora::Label")) {
        // Plain labels stay Qt's own, with their buddies; only one that acts is pressable.
        if (static_cast<Label *>(widget)->onClick)
            return new ClickableLabelAccessible(widget);
        return nullptr;
    }
    if (className == QLatin1String("Tintora::ContrastStrip"))
        return new StripAccessible(widget);
    if (className == QLatin1String("Tintora::ContrastPreview"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

void describePickerOverlay(QWidget *overlay, const QString &hexUnderCrosshair)
{
    if (overlay->accessibleName().isEmpty())
        overlay->setAccessibleName(
                QCoreApplication::translate("Tintora::Accessibility", "Pick From Screen"));
    const QString keys = QCoreApplication::translate(
            "Tintora::Accessibility",
            "Arrow keys move the crosshair, with Shift by ten pixels; + and - zoom; Enter picks "
            "the color, Esc cancels");
    const QString description = hexUnderCrosshair.isEmpty()
            ? keys
            : QCoreApplication::translate("Tintora::Accessibility", "Color %1. %2")
                      .arg(hexUnderCrosshair, keys);
    // Each new description is an event for the screen reader: only real changes make one.
    if (overlay->accessibleDescription() != description)
        overlay->setAccessibleDescription(description);
}

} // namespace Tintora::Accessibility
