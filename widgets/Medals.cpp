// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "widgets/Medals.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace look {

namespace {
QColor Metal(course::Medal medal)
{
    switch (medal) {
    case course::Medal::Gold: return {230, 180, 34};
    case course::Medal::Silver: return {192, 196, 204};
    case course::Medal::Bronze: return {184, 115, 51};
    case course::Medal::None: break;
    }
    return Qt::transparent;
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("Medals", text);
}
}  // namespace

QPixmap MedalPicture(course::Medal medal, int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    if (medal == course::Medal::None)
        return picture;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QPainterPath ribbon;  // a V of red cloth above the disc
    ribbon.moveTo(s * 0.25, 0);
    ribbon.lineTo(s * 0.5, s * 0.45);
    ribbon.lineTo(s * 0.75, 0);
    ribbon.lineTo(s * 0.6, 0);
    ribbon.lineTo(s * 0.5, s * 0.25);
    ribbon.lineTo(s * 0.4, 0);
    ribbon.closeSubpath();
    p.fillPath(ribbon, QColor(200, 30, 40));
    const QRectF disc(s * 0.15, s * 0.3, s * 0.7, s * 0.7);
    p.setPen(QPen(Metal(medal).darker(150), qMax(1.0, s / 16)));
    p.setBrush(Metal(medal));
    p.drawEllipse(disc);
    p.setBrush(Metal(medal).lighter(125));
    p.setPen(Qt::NoPen);
    p.drawEllipse(disc.adjusted(s * 0.15, s * 0.15, -s * 0.15, -s * 0.15));
    return picture;
}

QString MedalName(course::Medal medal)
{
    switch (medal) {
    case course::Medal::Gold: return Tr(QT_TRANSLATE_NOOP("Medals", "金"));
    case course::Medal::Silver: return Tr(QT_TRANSLATE_NOOP("Medals", "銀"));
    case course::Medal::Bronze: return Tr(QT_TRANSLATE_NOOP("Medals", "銅"));
    case course::Medal::None: break;
    }
    return Tr(QT_TRANSLATE_NOOP("Medals", "なし"));
}

QString MedalLine(const course::Targets& targets, int seconds)
{
    const course::Medal medal = course::MedalFor(targets, seconds);
    const std::optional<int> toNext = course::ToNextMedal(targets, seconds);
    if (!toNext)
        return Tr(QT_TRANSLATE_NOOP("Medals", "金メダル！"));
    const auto next = static_cast<course::Medal>(static_cast<int>(medal) + 1);
    if (medal == course::Medal::None)
        return Tr(QT_TRANSLATE_NOOP("Medals", "メダルなし…%1まであと%2秒")).arg(MedalName(next)).arg(*toNext);
    return Tr(QT_TRANSLATE_NOOP("Medals", "%1メダル！%2まであと%3秒")).arg(MedalName(medal), MedalName(next)).arg(*toNext);
}

}  // namespace look
