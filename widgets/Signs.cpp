// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "widgets/Signs.h"

#include "rules/TextFit.h"
#include "widgets/Look.h"

#include <QFontMetrics>
#include <QPainter>

namespace look {

namespace {

const QColor kSignRed(200, 0, 0);
constexpr int kSmallestLetters = 6;  // pixels: smaller still would read as a smudge
constexpr int kCheck = 4;            // the goal band's squares, in pixels

// The caption font at 9.75 pt, narrowed as a tight box narrows it, or as
// much smaller as `word` needs to fit `room`.
QFont SignFont(const QString& word, QSize room)
{
    QFont font;
    for (int pixels = look::k9_75pt; pixels >= kSmallestLetters; --pixels) {
        font = fit::Narrowed(look::CaptionFont(pixels), word, room.width());
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(word) <= room.width() && metrics.ascent() <= room.height())
            break;
    }
    return font;
}

void Letter(QPainter& p, const QRect& room, const QString& word)
{
    p.setPen(kSignRed);
    p.setFont(SignFont(word, room.size()));
    p.drawText(room, Qt::AlignCenter, word);
}

}  // namespace

QPixmap StartSign(QSize size)
{
    QPixmap sign(size);
    sign.fill(QColor(255, 221, 0));
    QPainter p(&sign);
    p.setPen(kSignRed);
    p.drawRect(sign.rect().adjusted(0, 0, -1, -1));
    Letter(p, sign.rect().adjusted(1, 1, -1, -1), QStringLiteral("START"));
    return sign;
}

QPixmap GoalSign(QSize size)
{
    QPixmap sign(size);
    sign.fill(Qt::white);
    QPainter p(&sign);
    const int rows = size.height() >= 6 * kCheck ? 2 : 1;  // a tall sign flies a deeper band
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column * kCheck < size.width(); ++column)
            if ((row + column) % 2 == 0)
                p.fillRect(column * kCheck, row * kCheck, kCheck, kCheck, Qt::black);
    p.setPen(Qt::black);
    p.drawRect(sign.rect().adjusted(0, 0, -1, -1));
    Letter(p, sign.rect().adjusted(1, rows * kCheck, -1, -1), QStringLiteral("GOAL"));
    return sign;
}


}  // namespace look
