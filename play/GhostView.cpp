// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "play/GhostView.h"

#include <QPainter>

namespace {
constexpr double kOpacity = 0.45;
}

GhostView::GhostView(const QPixmap& icon, QWidget* mapSurface) : QWidget(mapSurface), m_icon(icon)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    resize(icon.size());
    hide();
}

void GhostView::showAt(std::optional<QPoint> mapPoint)
{
    if (!mapPoint) {
        hide();
        return;
    }
    move(*mapPoint - QPoint(width() / 2, height() / 2));
    if (isHidden()) {
        raise();  // above the marks and hazards, below the hand's own ピポ
        show();
    }
}

void GhostView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setOpacity(kOpacity);
    painter.drawPixmap(0, 0, m_icon);
}
