// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The house style of every picture: flat bright fills with thick dark outlines.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace art {

inline const QColor kInk(44, 34, 52);
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlush(255, 150, 160);

// A blank picture in ARGB32 filled with background (transparent if invalid).
QImage Canvas(int width, int height, const QColor& background = QColor());

// A painter on picture with antialiasing on or off.
void BeginPainter(QPainter& p, QImage& picture, bool smooth = true);

// Fills path with fill and draws its outline in ink, lineWidth wide.
void Outlined(QPainter& p, const QPainterPath& path, const QColor& fill, qreal lineWidth);

// A stroke: a line of colour with an ink edge around it (arms, streaks, tear streams).
void EdgedStroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width, qreal edge);

// A plain ink stroke with round ends (closed eyes, brows, mouths).
void InkStroke(QPainter& p, const QPainterPath& path, qreal width, const QColor& colour = kInk);

QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry);

// Text as an outline path, centred on (cx, baseline y).
QPainterPath TextPath(const QString& text, const QFont& font, qreal cx, qreal baseline);

// A five-pointed star of outer radius r.
QPainterPath Star(qreal cx, qreal cy, qreal r, qreal innerRatio = 0.45, int points = 5);

// A deterministic pseudo-random sequence (xorshift), so every run draws the same.
class Dice {
public:
    explicit Dice(quint32 seed) : m_state(seed ? seed : 1u) {}
    quint32 Next();
    qreal Uniform(qreal lo, qreal hi);  // in [lo, hi)
private:
    quint32 m_state;
};

}  // namespace art
