// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The name of what decides play. A pack's records group and a kept run's
// stage are named after it, so it must never drift: it is computed from the
// explicit list of fields below, not from what the writer happens to write.
// The list is version 1 and only grows: a field added later joins it only
// where it differs from its default, so every course that does not use it
// keeps its name, its records and its ghosts.

#include "rules/CoursePackFormat.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include <QColor>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace course::format {

namespace {

constexpr int kPlayFieldsVersion = 1;

QJsonArray Rect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

template <typename T, typename Fields>
QJsonArray Each(const std::vector<T>& all, Fields fields)
{
    QJsonArray a;
    for (const T& one : all)
        a.append(fields(one));
    return a;
}

QJsonObject Hazard1(const Hazard& h)
{
    QJsonObject o{{QStringLiteral("kind"), NameOf(h.kind)},
                  {QStringLiteral("rect"), Rect(h.rect)},
                  {QStringLiteral("harm"), NameOf(h.harm)},
                  {QStringLiteral("periodMs"), h.periodMs}};
    if (Traits(h.kind).motion)
        o[QStringLiteral("motion")] = QJsonObject{{QStringLiteral("step"), h.motion.step},
                                                  {QStringLiteral("low"), h.motion.low},
                                                  {QStringLiteral("high"), h.motion.high},
                                                  {QStringLiteral("sway"), h.motion.sway}};
    if (Traits(h.kind).pieces) {
        o[QStringLiteral("pieces")] = Each(h.pieces, Rect);
        o[QStringLiteral("pattern")] = Each(h.pattern, [](const std::vector<bool>& row) {
            QString r;
            for (bool open : row)
                r += QLatin1Char(open ? '1' : '0');
            return r;
        });
    }
    return o;
}

// Version 1: where each element lies and how it takes the pointer, the
// hazards' motions and patterns, the stacking, the clock's effects and the
// limits. Not the texts, faces, sounds, pictures or the route plan.
QJsonObject Stage1(const Stage& s)
{
    QJsonObject o{
        {QStringLiteral("timeLimit"), s.timeLimit},
        {QStringLiteral("scoreAt"), NameOf(s.scoreAt)},
        {QStringLiteral("starts"), Each(s.starts, [](const StartZone& z) {
             return QJsonObject{{QStringLiteral("rect"), Rect(z.rect)},
                                {QStringLiteral("point"), QJsonArray{z.point.x(), z.point.y()}},
                                {QStringLiteral("own"), z.own}};
         })},
        {QStringLiteral("goals"), Each(s.goals, [](const Goal& g) {
             return QJsonObject{{QStringLiteral("rect"), Rect(g.rect)}, {QStringLiteral("live"), g.live}};
         })},
        {QStringLiteral("checkpoints"), Each(s.checkpoints, [](const Checkpoint& c) {
             return QJsonObject{{QStringLiteral("rect"), Rect(c.rect)},
                                {QStringLiteral("live"), c.live},
                                {QStringLiteral("once"), c.once},
                                {QStringLiteral("clock"), NameOf(c.clock)}};
         })},
        {QStringLiteral("covers"), Each(s.covers, [](const Cover& c) { return QJsonObject{{QStringLiteral("rect"), Rect(c.rect)}}; })},
        {QStringLiteral("hazards"), Each(s.hazards, Hazard1)},
        {QStringLiteral("stacking"), Each(s.stacking, [](const Stacked& e) {
             return QStringLiteral("%1 %2").arg(NameOf(e.layer)).arg(e.index);
         })},
    };
    if (s.offRoad)
        o[QStringLiteral("offRoad")] = QColor(*s.offRoad).name();
    return o;
}

QByteArray PlayFields(const Course& course)
{
    const QJsonObject o{{QStringLiteral("format"), kPlayFieldsVersion}, {QStringLiteral("stages"), Each(course.stages, Stage1)}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

// The map's off-road pixels, a bit each, row by row. An indexed picture (as
// maps mostly are) is read through its colour table, without converting it.
void AddOffRoadBits(QCryptographicHash& hash, const QImage& map, std::optional<QRgb> named)
{
    if (map.isNull())
        return;
    const bool indexed = map.format() == QImage::Format_Indexed8;
    const QImage picture = indexed ? map : map.convertToFormat(QImage::Format_RGB32);
    const QRgb offRoad = named ? (*named | 0xff000000u) : (picture.pixel(0, 0) | 0xff000000u);
    std::array<std::uint8_t, 256> offRoadIndex{};
    if (indexed) {
        const QList<QRgb> table = picture.colorTable();
        for (qsizetype c = 0; c < table.size() && c < 256; ++c)
            offRoadIndex[static_cast<std::size_t>(c)] = (table[c] | 0xff000000u) == offRoad;
    }
    const int width = picture.width();
    std::vector<std::uint8_t> bits(static_cast<std::size_t>((width + 7) / 8));
    for (int y = 0; y < picture.height(); ++y) {
        std::fill(bits.begin(), bits.end(), std::uint8_t{0});
        const uchar* line = picture.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const int off = indexed ? offRoadIndex[line[x]] : reinterpret_cast<const QRgb*>(line)[x] == offRoad;
            bits[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(off << (x % 8));
        }
        hash.addData(QByteArrayView(bits.data(), static_cast<qsizetype>(bits.size())));
    }
}

}  // namespace

QByteArray PlayHash(const Course& course, const std::vector<QImage>& maps)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(PlayFields(course));
    // Of a map only where the road is decides play: a repainted field keeps
    // the records, a moved verge does not. One bit a pixel keeps this quick.
    for (std::size_t i = 0; i < maps.size(); ++i) {
        const std::optional<QRgb> named = i < course.stages.size() ? course.stages[i].offRoad : std::nullopt;
        AddOffRoadBits(hash, maps[i], named);
    }
    return hash.result().left(16).toHex();
}

}  // namespace course::format
