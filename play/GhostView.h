// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The ghost: a translucent ピポ on the course map where the record run was.
// It takes no pointer event, so it can neither miss nor reach a mark, and
// moving it repaints only its old and new rectangles.

#include <QPixmap>
#include <QWidget>
#include <optional>

class GhostView : public QWidget {
    Q_OBJECT
public:
    // A child of the map's surface, above the marks already on it; hidden.
    GhostView(const QPixmap& icon, QWidget* mapSurface);

    // The icon's centre on `mapPoint`; hidden when there is none.
    void showAt(std::optional<QPoint> mapPoint);
    // The map point the icon's centre is on.
    QPoint hotSpot() const { return pos() + QPoint(width() / 2, height() / 2); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_icon;
};
