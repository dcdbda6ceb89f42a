// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "Ink.h"

#include <QFontMetricsF>
#include <QtMath>

namespace art {

QImage Canvas(int width, int height, const QColor& background) {
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(background.isValid() ? background : QColor(Qt::transparent));
    return picture;
}

void BeginPainter(QPainter& p, QImage& picture, bool smooth) {
    p.begin(&picture);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.setRenderHint(QPainter::TextAntialiasing, smooth);
}

void Outlined(QPainter& p, const QPainterPath& path, const QColor& fill, qreal lineWidth) {
    p.save();
    p.setPen(QPen(kInk, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void EdgedStroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width, qreal edge) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, width + 2 * edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void InkStroke(QPainter& p, const QPainterPath& path, qreal width, const QColor& colour) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath TextPath(const QString& text, const QFont& font, qreal cx, qreal baseline) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(cx - box.center().x(), baseline);
    return path;
}

QPainterPath Star(qreal cx, qreal cy, qreal r, qreal innerRatio, int points) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal radius = i % 2 == 0 ? r : r * innerRatio;
        const qreal angle = -M_PI / 2 + i * M_PI / points;
        const QPointF corner(cx + radius * qCos(angle), cy + radius * qSin(angle));
        if (i == 0) path.moveTo(corner);
        else path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

quint32 Dice::Next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

qreal Dice::Uniform(qreal lo, qreal hi) {
    return lo + (hi - lo) * (Next() / 4294967296.0);
}

}  // namespace art
