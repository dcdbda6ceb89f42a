// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/Practice.h"

#include "rules/StageScene.h"

#include <algorithm>

namespace course {

namespace {
constexpr QSize kSign(40, 16);  // the practice START sign, centred on its point

bool UnderAHazard(const Stage& stage, QPoint p)
{
    return std::any_of(stage.hazards.begin(), stage.hazards.end(), [&](const Hazard& h) {
        const std::vector<QRect> pieces = h.pieces.empty() ? std::vector<QRect>{h.rect} : h.pieces;
        return std::any_of(pieces.begin(), pieces.end(), [p](const QRect& r) { return r.contains(p); });
    });
}
}  // namespace

std::optional<QPoint> PracticePoint(const Stage& stage, const QImage& map, int level, int index)
{
    if (index < 0 || index >= static_cast<int>(stage.checkpoints.size()))
        return std::nullopt;
    const Checkpoint& mark = stage.checkpoints[static_cast<std::size_t>(index)];
    StageScene scene(stage);
    if (!mark.live || !mark.once || !scene.setMap(map))
        return std::nullopt;
    const QPoint centre = mark.rect.center();
    std::optional<QPoint> best;
    const auto distance = [centre](QPoint p) { return (p - centre).manhattanLength(); };
    for (int y = mark.rect.top(); y <= mark.rect.bottom(); ++y)
        for (int x = mark.rect.left(); x <= mark.rect.right(); ++x) {
            const QPoint p(x, y);
            if (scene.offRoad(static_cast<float>(x), static_cast<float>(y), ProbeHalfSize(level)) || UnderAHazard(stage, p))
                continue;
            if (!best || distance(p) < distance(*best))
                best = p;
        }
    return best;
}

std::vector<int> PracticeCheckpoints(const Stage& stage, const QImage& map, int level)
{
    std::vector<int> offered;
    for (int i = 0; i < static_cast<int>(stage.checkpoints.size()); ++i)
        if (PracticePoint(stage, map, level, i))
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
