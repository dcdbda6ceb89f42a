// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "play/DrawnHero.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

DrawnHero::DrawnHero(QWidget* window) : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);  // the map below must see every move and click
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void DrawnHero::start(const QPixmap& icon, QPoint at)
{
    if (icon.cacheKey() != m_icon.cacheKey()) {
        m_icon = icon;
        resize(icon.size());
    }
    if (!m_running) {
        m_running = true;
        parentWidget()->setCursor(Qt::BlankCursor);
        // Before the game's own handlers: the icon is where the move went even if the move ends the run.
        qApp->installEventFilter(this);
    }
    raise();
    follow(at);
}

void DrawnHero::stop()
{
    if (!m_running)
        return;
    m_running = false;
    qApp->removeEventFilter(this);
    parentWidget()->unsetCursor();
    hide();
}

void DrawnHero::follow(QPoint at)
{
    if (!parentWidget()->rect().contains(at)) {
        hide();  // carried beyond the window: no icon left behind at the edge
        return;
    }
    // Moving a child repaints just its old and new rectangles.
    move(at - QPoint(width() / 2, height() / 2));
    show();
}

bool DrawnHero::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* window = parentWidget();
    if (watched == window && event->type() == QEvent::Leave) {
        hide();
    } else if (watched == window && event->type() == QEvent::Enter) {
        // Back from a box that covered the map: the icon shows before the hand moves.
        follow(static_cast<QEnterEvent*>(event)->position().toPoint());
    } else if (event->type() == QEvent::MouseMove && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == window) {
            const QPointF local = static_cast<QMouseEvent*>(event)->position();
            follow(widget->mapTo(window, local.toPoint()));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DrawnHero::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, m_icon);
}
