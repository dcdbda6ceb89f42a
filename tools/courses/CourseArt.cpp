// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "CourseArt.h"

#include <QFont>
#include <QHash>

namespace art {

CourseCanvas::CourseCanvas(QColor background)
    : m_image(kSide, kSide, QImage::Format_RGB32), m_background(background)
{
    m_image.fill(background);
    m_painter.begin(&m_image);
    // Hard pixel edges: a blended edge pixel would be neither road nor background by design.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setPen(Qt::NoPen);
}

void CourseCanvas::layRoad(const std::vector<QRect>& road, QColor edge, QColor surface)
{
    for (const QRect& r : road)
        fill(r.adjusted(-kVerge, -kVerge, kVerge, kVerge), m_background);
    for (const QRect& r : road)
        fill(r, edge);
    for (const QRect& r : road)
        fill(r.adjusted(1, 1, -1, -1), surface);
}

void CourseCanvas::polygon(const QPolygon& p, QColor c)
{
    m_painter.setBrush(c);
    m_painter.drawPolygon(p);
    m_painter.setBrush(Qt::NoBrush);
}

void CourseCanvas::ellipse(const QRect& r, QColor c)
{
    m_painter.setBrush(c);
    m_painter.drawEllipse(r);
    m_painter.setBrush(Qt::NoBrush);
}

void CourseCanvas::text(const QRect& box, const QString& s, QColor c, int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    m_painter.setFont(font);
    m_painter.setPen(c);
    m_painter.drawText(box, Qt::AlignCenter, s);
    m_painter.setPen(Qt::NoPen);
}

QImage CourseCanvas::finish()
{
    m_painter.end();
    m_image.setPixel(0, 0, m_background.rgb());
    // A palette of exactly the colours drawn, background first, each pixel mapped exactly.
    QVector<QRgb> table{m_background.rgb()};
    QHash<QRgb, int> index{{m_background.rgb(), 0}};
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const QRgb rgb = m_image.pixel(x, y);
            if (!index.contains(rgb)) {
                index.insert(rgb, static_cast<int>(table.size()));
                table.push_back(rgb);
            }
        }
    Q_ASSERT(table.size() <= 256);
    while (table.size() < 256)  // a full 256-colour palette; the spare entries stay unused
        table.push_back(qRgb(0, 0, 0));
    QImage out(kSide, kSide, QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < kSide; ++y) {
        uchar* row = out.scanLine(y);
        for (int x = 0; x < kSide; ++x)
            row[x] = static_cast<uchar>(index.value(m_image.pixel(x, y)));
    }
    return out;
}

void Tree(CourseCanvas& c, QPoint foot, int size)
{
    const int trunk = std::max(2, size / 5);
    c.fill(QRect(foot.x() - trunk / 2, foot.y() - size / 2, trunk, size / 2), QColor(120, 80, 40));
    c.ellipse(QRect(foot.x() - size / 2, foot.y() - size - size / 3, size, size), QColor(40, 120, 50));
    c.ellipse(QRect(foot.x() - size / 3, foot.y() - size - size / 4, size / 3, size / 3), QColor(80, 160, 70));
}

void House(CourseCanvas& c, QRect body, QColor wall, QColor roof)
{
    c.fill(body, wall);
    const int h = body.height() / 2;
    c.polygon(QPolygon({QPoint(body.left() - 3, body.top()), QPoint(body.center().x(), body.top() - h),
                        QPoint(body.right() + 3, body.top())}),
              roof);
    const int door = std::max(4, body.width() / 5);
    c.fill(QRect(body.center().x() - door / 2, body.bottom() - door * 3 / 2 + 1, door, door * 3 / 2), QColor(110, 70, 40));
}

void Sign(CourseCanvas& c, const QRect& board, const QString& caption, QColor face, QColor border, QColor ink)
{
    c.fill(board, border);
    c.fill(board.adjusted(2, 2, -2, -2), face);
    c.text(board, caption, ink, 10);
}

void Checkered(CourseCanvas& c, const QRect& r)
{
    constexpr int cell = 3;
    for (int y = r.top(); y <= r.bottom(); y += cell)
        for (int x = r.left(); x <= r.right(); x += cell) {
            const bool dark = ((x - r.left()) / cell + (y - r.top()) / cell) % 2 == 0;
            c.fill(QRect(x, y, cell, cell).intersected(r), dark ? QColor(30, 30, 30) : QColor(250, 250, 250));
        }
}

}  // namespace art
