// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/Practice.h"

#include "rules/StageScene.h"

#include <algorithm>

namespace course {

namespace {
constexpr QSize kSign(40, 16);  // the practice START sign, centred on its point

// Every rectangle a hazard covers where it starts: a bridge by its pieces.
std::vector<QRect> HazardRects(const Stage& stage)
{
    std::vector<QRect> rects;
    for (const Hazard& h : stage.hazards) {
        if (h.pieces.empty())
            rects.push_back(h.rect);
        rects.insert(rects.end(), h.pieces.begin(), h.pieces.end());
    }
    return rects;
}

// The point in one checkpoint, on a scene whose map is set.
std::optional<QPoint> PointIn(const Checkpoint& mark, const StageScene& scene, const std::vector<QRect>& hazards, int level)
{
    if (!mark.live || !mark.once)
        return std::nullopt;
    const QPoint centre = mark.rect.center();
    std::optional<QPoint> best;
    const auto distance = [centre](QPoint p) { return (p - centre).manhattanLength(); };
    for (int y = mark.rect.top(); y <= mark.rect.bottom(); ++y)
        for (int x = mark.rect.left(); x <= mark.rect.right(); ++x) {
            const QPoint p(x, y);
            const bool covered = std::any_of(hazards.begin(), hazards.end(), [p](const QRect& r) { return r.contains(p); });
            if (covered || scene.offRoad(static_cast<float>(x), static_cast<float>(y), ProbeHalfSize(level)))
                continue;
            if (!best || distance(p) < distance(*best))
                best = p;
        }
    return best;
}
}  // namespace

std::optional<QPoint> PracticePoint(const Stage& stage, const QImage& map, int level, int index)
{
    StageScene scene(stage);
    if (index < 0 || index >= static_cast<int>(stage.checkpoints.size()) || !scene.setMap(map))
        return std::nullopt;
    return PointIn(stage.checkpoints[static_cast<std::size_t>(index)], scene, HazardRects(stage), level);
}

std::vector<int> PracticeCheckpoints(const Stage& stage, const QImage& map, int level)
{
    std::vector<int> offered;
    StageScene scene(stage);
    if (!scene.setMap(map))
        return offered;
    const std::vector<QRect> hazards = HazardRects(stage);
    for (int i = 0; i < static_cast<int>(stage.checkpoints.size()); ++i)
        if (PointIn(stage.checkpoints[static_cast<std::size_t>(i)], scene, hazards, level))
            offered.push_back(i);
    return offered;
}

Stage PracticeStage(const Stage& stage, QPoint point)
{
    Stage practice = stage;
    practice.starts = {StartZone{QRect(point - QPoint(kSign.width() / 2, kSign.height() / 2), kSign), point, true}};
    std::erase_if(practice.stacking, [](const Stacked& e) { return e.layer == Layer::Start; });
    practice.stacking.push_back({Layer::Start, 0});
    return practice;
}

}  // namespace course
