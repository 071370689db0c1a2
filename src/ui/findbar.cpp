// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/findbar.h"

#include "app/application.h"
#include "app/edit.h"
#include "app/handler.h"
#include "ui/lookandfeel.h"
#include "ui/toolfollower.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace Tintora {

using LookAndFeel::named;

FindBar::FindBar(QWidget *window)
    : QWidget(window,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_window(window)
{
    setObjectName(QStringLiteral("FindBar"));
    setWindowTitle(tr("Find in List"));
    setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility",
            "Finds a color of the list by its name or hex value; Esc closes it"));
    setFont(LookAndFeel::systemFont(13));

    auto *layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    m_text = named(new Edit(QString(), this), "FindText");
    m_text->setMinimumWidth(170);
    m_text->setToolTip(tr("Part of a name, or a hex value such as #87CEEB or #87C."));
    m_text->setClearButtonEnabled(true);
    m_text->setAccessibleName(
            QCoreApplication::translate("Tintora::Accessibility", "Find in list"));
    m_text->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility",
                                        "Part of a name, or a hex value such as #87CEEB or "
                                        "#87C; Enter finds the next match"));
    m_next = named(new QPushButton(tr("Find &Next"), this), "FindNextBtn");
    m_next->setAutoDefault(false);
    m_next->setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility", "Show the next entry that matches"));
    m_status = named(new QLabel(this), "FindStatus");
    m_status->setAccessibleDescription(
            QCoreApplication::translate("Tintora::Accessibility", "Says when no entry matches"));
    // Room for the longest word it says, so that the bar does not change size as you type.
    m_status->setMinimumWidth(m_status->fontMetrics().horizontalAdvance(tr("Not found")));
    layout->addWidget(m_text);
    layout->addWidget(m_next);
    layout->addWidget(m_status);

    m_text->onChange = [this] {
        if (onTextChange)
            onTextChange();
    };
    connect(m_text, &QLineEdit::returnPressed, this, [this] {
        if (onFindNext)
            Application::runHandler(this, onFindNext);
    });
    onClick(m_next, [this] {
        if (onFindNext)
            onFindNext();
    });
    new ToolFollower(this, window);
}

QString FindBar::text() const
{
    return m_text->text();
}

void FindBar::setFound(bool found)
{
    m_status->setText(found || m_text->text().isEmpty() ? QString() : tr("Not found"));
}

void FindBar::open()
{
    if (!isVisible()) {
        placeBelowWindow();
        show();
    }
    raise();
    activateWindow();
    m_text->setFocus();
    m_text->selectAll();
}

void FindBar::placeBelowWindow()
{
    adjustSize();
    const QRect form = m_window->frameGeometry();
    // Before the first show the frame is not known yet; the client size is close enough.
    const QSize outer = frameGeometry().size().expandedTo(size());
    constexpr int gap = 4;
    QPoint at(form.left(), form.bottom() + 1 + gap);
    if (const QScreen *screen = m_window->screen()) {
        const QRect available = screen->availableGeometry();
        // Above the main window when there is no room below it.
        if (at.y() + outer.height() > available.bottom() + 1)
            at.setY(qMax(available.top(), form.top() - gap - outer.height()));
        at.setX(qBound(available.left(), at.x(),
                       qMax(available.left(), available.right() + 1 - outer.width())));
    }
    move(at);
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        m_window->activateWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace Tintora
