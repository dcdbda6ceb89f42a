// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Drawing a course map: scenery first, then grass (or lawn) verges around the
// road so no scenery touches it, then the road itself. Every pixel that is not
// the exact background colour is road for the game, so scenery stays apart.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <vector>

namespace art {

constexpr int kSide = 300;
constexpr int kVerge = 8;  // scenery keeps this far from the road

// A rectangle from inclusive corner coordinates.
constexpr QRect Span(int x0, int y0, int x1, int y1) { return QRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1); }

class CourseCanvas {
public:
    explicit CourseCanvas(QColor background);

    QPainter& paint() { return m_painter; }
    // Clears a verge of background round every road piece, then lays the road:
    // an edge colour, the surface inside.
    void layRoad(const std::vector<QRect>& road, QColor edge, QColor surface);
    void fill(const QRect& r, QColor c) { m_painter.fillRect(r, c); }
    void polygon(const QPolygon& p, QColor c);
    void ellipse(const QRect& r, QColor c);
    void text(const QRect& box, const QString& s, QColor c, int pixelSize);

    // The finished map as a 256-colour picture; the background stays at (0, 0).
    QImage finish();

private:
    QImage m_image;
    QPainter m_painter;
    QColor m_background;
};

// Small scenery pieces in the flat cartoon style of both courses.
void Tree(CourseCanvas& c, QPoint foot, int size);
void House(CourseCanvas& c, QRect body, QColor wall, QColor roof);
void Sign(CourseCanvas& c, const QRect& board, const QString& caption, QColor face, QColor border, QColor ink);
void Checkered(CourseCanvas& c, const QRect& r);

QImage DrawStage1();
QImage DrawStage2();
// The maps of the sea-and-snow pack: 港町 and 雪山.
QImage DrawHarbourTown();
QImage DrawSnowyPass();

}  // namespace art
