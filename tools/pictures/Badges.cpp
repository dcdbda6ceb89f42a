// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "Badges.h"

#include "Ink.h"

#include <QFont>
#include <QFontMetricsF>
#include <QtMath>

namespace art {
namespace {

QFont LatinFont(qreal pixels) {
    QFont font("DejaVu Sans");
    font.setPixelSize(int(pixels));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont JapaneseFont(qreal pixels) {
    QFont font("IPAPGothic");
    font.setPixelSize(int(pixels));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Text with a wide ink rim and a white inner rim, the logo look.
void RimmedText(QPainter& p, const QPainterPath& text, const QColor& fill, qreal rim) {
    InkStroke(p, text, rim * 2);
    InkStroke(p, text, rim, kWhite);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(text);
}

QPainterPath Burst(qreal cx, qreal cy, qreal outer, qreal inner, int rays) {
    return Star(cx, cy, outer, inner / outer, rays);
}

}  // namespace

QImage ClearBadge() {
    QImage badge = Canvas(200, 200, QColor(255, 248, 222));
    QPainter p;
    BeginPainter(p, badge);

    Dice dice(777);
    const QColor confetti[] = {{236, 62, 58}, {52, 160, 250}, {70, 200, 110}, {255, 190, 0}, {200, 110, 240}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        p.save();
        p.translate(dice.Uniform(4, 196), dice.Uniform(4, 196));
        p.rotate(dice.Uniform(0, 180));
        p.setBrush(confetti[i % 5]);
        p.drawRect(QRectF(-3, -1.5, 6, 3));
        p.restore();
    }

    Outlined(p, Burst(100, 94, 92, 70, 18), QColor(255, 206, 40), 4);
    Outlined(p, Ellipse(100, 94, 60, 60), QColor(255, 96, 70), 4);
    Outlined(p, Ellipse(100, 94, 50, 50), QColor(255, 130, 90), 2.5);
    Outlined(p, Star(100, 82, 30), QColor(255, 236, 90), 3.5);

    // The ribbon across the lower half, with notched ends.
    QPainterPath ribbon;
    ribbon.moveTo(4, 118);
    ribbon.lineTo(196, 118);
    ribbon.lineTo(186, 137);
    ribbon.lineTo(196, 156);
    ribbon.lineTo(4, 156);
    ribbon.lineTo(14, 137);
    ribbon.closeSubpath();
    Outlined(p, ribbon, QColor(40, 130, 230), 4);
    RimmedText(p, TextPath("CLEAR!", LatinFont(34), 100, 150), QColor(255, 230, 60), 3);

    Outlined(p, Star(28, 28, 13), QColor(255, 236, 90), 3);
    Outlined(p, Star(172, 180, 11), QColor(255, 236, 90), 3);
    return badge;
}

QImage MapPlaceholder() {
    QImage map = Canvas(300, 300, QColor(216, 214, 206));
    QPainter p;
    BeginPainter(p, map);
    p.setPen(Qt::NoPen);
    // Eight dots in a ring, fading round it: the course is on its way.
    for (int i = 0; i < 8; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 4;
        const int shade = 120 + i * 10;
        p.setBrush(QColor(shade, shade, shade + 6));
        p.drawEllipse(QPointF(150 + 30 * qCos(angle), 150 + 30 * qSin(angle)), 7, 7);
    }
    return map;
}

QImage TitleLogo() {
    QImage logo = Canvas(169, 87);
    QPainter p;
    BeginPainter(p, logo);
    const QString word = "Pokurimo";
    const QColor colours[] = {{255, 70, 60},  {255, 160, 20}, {255, 220, 30}, {90, 210, 80},
                              {40, 180, 240}, {80, 110, 255}, {190, 100, 240}, {255, 100, 180}};
    const QFont font = LatinFont(40);
    const QFontMetricsF metrics(font);
    // Letters in a bouncing row, squeezed to fit the picture's width.
    const qreal squeeze = 160.0 / metrics.horizontalAdvance(word);
    qreal x = 4.5;
    for (int i = 0; i < word.size(); ++i) {
        const qreal advance = metrics.horizontalAdvance(word[i]) * squeeze;
        const qreal lift = i % 2 == 0 ? 0 : 5;
        QTransform place;
        place.translate(x + advance / 2, 48 - lift);
        place.rotate(i % 2 == 0 ? -6 : 6);
        place.scale(squeeze, 1.0);
        RimmedText(p, place.map(TextPath(word.mid(i, 1), font, 0, 0)), colours[i], 2.5);
        x += advance;
    }
    const QPainterPath kana = TextPath(QString::fromUtf8("ぽくりも"), JapaneseFont(26), 84, 80);
    RimmedText(p, kana, QColor(255, 120, 170), 2.2);
    return logo;
}

}  // namespace art
