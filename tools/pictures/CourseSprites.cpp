// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "CourseSprites.h"

#include "Ink.h"

#include <QtMath>

namespace art {
namespace {

const QColor kTaxi(255, 204, 0);
const QColor kGlass(150, 210, 250);
const QColor kCone(255, 120, 20);

// A board of diagonal stripes in two colours.
void StripedBoard(QPainter& p, const QRectF& board, const QColor& a, const QColor& b) {
    QPainterPath shape;
    shape.addRoundedRect(board, 1.5, 1.5);
    p.save();
    p.setClipPath(shape);
    p.fillRect(board, a);
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    for (qreal x = board.left() - board.height(); x < board.right(); x += 8) {
        QPolygonF stripe;
        stripe << QPointF(x, board.bottom()) << QPointF(x + board.height(), board.top())
               << QPointF(x + board.height() + 4, board.top()) << QPointF(x + 4, board.bottom());
        p.drawPolygon(stripe);
    }
    p.restore();
    Outlined(p, shape, Qt::transparent, 1.2);
}

// A traffic cone from above: orange disc, white ring, dark tip.
void Cone(QPainter& p, qreal cx, qreal cy) {
    Outlined(p, Ellipse(cx, cy, 5, 5), kCone, 1.1);
    p.setPen(QPen(kWhite, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(cx, cy), 2.8, 2.8);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(cx, cy), 1.0, 1.0);
}

void Lamp(QPainter& p, qreal cx, qreal cy) {
    Outlined(p, Ellipse(cx, cy, 2.6, 2.6), QColor(255, 236, 60), 1.0);
}

void Post(QPainter& p, qreal x, qreal top, qreal bottom) {
    QPainterPath post;
    post.addRect(QRectF(x - 1.2, top, 2.4, bottom - top));
    Outlined(p, post, QColor(235, 235, 235), 0.9);
}

void WarningSign(QPainter& p, qreal cx, qreal cy) {
    QPainterPath sign;
    sign.moveTo(cx, cy - 8);
    sign.lineTo(cx + 8.5, cy + 6);
    sign.lineTo(cx - 8.5, cy + 6);
    sign.closeSubpath();
    Outlined(p, sign, QColor(255, 220, 40), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(cx - 0.8, cy - 3.5, 1.6, 5));
    p.drawRect(QRectF(cx - 0.8, cy + 2.5, 1.6, 1.6));
}

// The taxi body from above, nose down; the caller flips it for the other lane.
void TaxiBody(QPainter& p, bool front) {
    QPainterPath body;
    body.addRoundedRect(QRectF(2.5, 1.5, 15, 22), 4, 4);
    Outlined(p, body, kTaxi, 1.2);
    // Windscreen toward the nose, a smaller rear window, the roof sign between.
    QPainterPath windscreen;
    windscreen.addRoundedRect(QRectF(4.5, 14.5, 11, 4), 1.5, 1.5);
    Outlined(p, windscreen, kGlass, 0.9);
    QPainterPath rear;
    rear.addRoundedRect(QRectF(5, 4, 10, 2.8), 1.2, 1.2);
    Outlined(p, rear, kGlass, 0.9);
    QPainterPath sign;
    sign.addRect(QRectF(7, 9, 6, 3));
    Outlined(p, sign, kWhite, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (qreal x : {3.0, 7.0, 11.0, 15.0}) p.drawRect(QRectF(x, 12.6, 2, 1));  // checker band
    // Lamps on the end that faces the viewer: headlights in front, tail lights behind.
    const QColor lamp = front ? QColor(255, 255, 235) : QColor(230, 30, 30);
    p.setBrush(lamp);
    p.setPen(QPen(kInk, 0.8));
    p.drawEllipse(QPointF(5.6, 21.2), 2.0, 1.5);
    p.drawEllipse(QPointF(14.4, 21.2), 2.0, 1.5);
    if (front) p.fillRect(QRectF(8.5, 21.2, 3, 1.6), kInk);  // the grille between the headlights
}

void Waves(QPainter& p, int width, qreal y, qreal phase, qreal length, const QColor& colour, qreal lineWidth) {
    QPainterPath wave;
    for (qreal x = phase - length; x < width + length; x += length) {
        wave.moveTo(x, y);
        wave.quadTo(x + length * 0.25, y - 2.2, x + length * 0.5, y);
    }
    InkStroke(p, wave, lineWidth, colour);
}

}  // namespace

QImage RoadWorks(int variant) {
    QImage cover = Canvas(46, 25, kAsphalt);
    QPainter p;
    BeginPainter(p, cover);
    if (variant == 0) {
        Post(p, 7, 4, 15);
        Post(p, 39, 4, 15);
        StripedBoard(p, QRectF(1.5, 5.5, 43, 7), QColor(230, 30, 40), kWhite);
        Cone(p, 8, 19);
        Cone(p, 23, 19.5);
        Cone(p, 38, 19);
    } else {
        Post(p, 5, 13, 22);
        Post(p, 41, 13, 22);
        StripedBoard(p, QRectF(1.5, 14.5, 43, 7), QColor(255, 214, 0), kInk);
        WarningSign(p, 23, 9);
        Lamp(p, 5, 12);
        Lamp(p, 41, 12);
    }
    return cover;
}

QImage TaxiFront() {
    QImage taxi = Canvas(20, 25, kAsphalt);
    QPainter p;
    BeginPainter(p, taxi);
    TaxiBody(p, true);
    return taxi;
}

QImage TaxiBack() {
    QImage taxi = Canvas(20, 25, kAsphalt);
    QPainter p;
    BeginPainter(p, taxi);
    // Nose up: the same car turned round, so the rear window and the tail lights face down.
    p.translate(20, 25);
    p.rotate(180);
    TaxiBody(p, true);
    p.resetTransform();
    p.setBrush(QColor(230, 30, 30));
    p.setPen(QPen(kInk, 0.8));
    p.drawEllipse(QPointF(5.5, 21.7), 1.8, 1.2);
    p.drawEllipse(QPointF(14.5, 21.7), 1.8, 1.2);
    return taxi;
}

QImage RainBand() {
    QImage rain = Canvas(99, 20, QColor(118, 132, 168));
    QPainter p;
    BeginPainter(p, rain);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(146, 158, 190));
    for (qreal x : {8.0, 30.0, 54.0, 78.0, 96.0}) p.drawEllipse(QPointF(x, 2), 12, 6);
    Dice dice(20250711);
    for (int i = 0; i < 26; ++i) {
        const qreal x = dice.Uniform(2, 104);
        const qreal y = dice.Uniform(-2, 16);
        const qreal length = dice.Uniform(5, 8);
        QPainterPath streak;
        streak.moveTo(x, y);
        streak.lineTo(x - length * 0.45, y + length);
        InkStroke(p, streak, 1.4, i % 3 == 0 ? QColor(255, 255, 255) : QColor(196, 222, 255));
    }
    return rain;
}

QImage RiverStrip(int variant) {
    QImage river = Canvas(92, 20, kRiver);
    QPainter p;
    BeginPainter(p, river);
    const QColor deep(46, 102, 200);
    const QColor crest(196, 226, 255);
    const qreal shift = variant == 0 ? 0 : 7;
    Waves(p, 92, 5, shift, 18, deep, 1.6);
    Waves(p, 92, 9, shift + 9, 16, crest, 1.4);
    Waves(p, 92, 14, shift + 4, 20, deep, 1.6);
    Waves(p, 92, 18, shift + 13, 15, crest, 1.2);
    Dice dice(variant == 0 ? 4711 : 815);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    for (int i = 0; i < 7; ++i) p.drawEllipse(QPointF(dice.Uniform(2, 90), dice.Uniform(2, 18)), 1.1, 0.8);
    return river;
}

QImage Plank() {
    QImage plank = Canvas(30, 13, kRiver);
    QPainter p;
    BeginPainter(p, plank);
    QPainterPath board;
    board.addRoundedRect(QRectF(0.8, 1.2, 28.4, 10.6), 1.5, 1.5);
    Outlined(p, board, QColor(196, 134, 72), 1.3);
    QPainterPath grain;
    grain.moveTo(5, 4.5);
    grain.quadTo(12, 3.5, 18, 4.8);
    grain.moveTo(10, 8.5);
    grain.quadTo(18, 9.5, 25, 8.2);
    InkStroke(p, grain, 0.9, QColor(140, 88, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 100));
    for (qreal x : {3.5, 26.5})
        for (qreal y : {4.0, 9.0}) p.drawEllipse(QPointF(x, y), 0.9, 0.9);
    return plank;
}

QImage OpenWater() {
    return Canvas(30, 13, kOpenWater);
}

}  // namespace art
