// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "editor/StageEdits.h"

#include "rules/CourseRules.h"
#include "rules/CoursePackFormat.h"

#include <algorithm>

namespace editor {

using namespace course;

namespace {

const QRect kMap(0, 0, kMapSize, kMapSize);

// The element's rectangle, for reading or writing as the stage is.
template <typename S, typename Visit>
auto OnRect(S& stage, Stacked e, Visit visit)
{
    const auto i = static_cast<std::size_t>(e.index);
    switch (e.layer) {
    case Layer::Start:
        return visit(stage.starts.at(i).rect);
    case Layer::Goal:
        return visit(stage.goals.at(i).rect);
    case Layer::Checkpoint:
        return visit(stage.checkpoints.at(i).rect);
    case Layer::Cover:
        return visit(stage.covers.at(i).rect);
    case Layer::Hazard:
        break;
    }
    return visit(stage.hazards.at(i).rect);
}

std::size_t CountOf(const Stage& stage, Layer layer)
{
    switch (layer) {
    case Layer::Start:
        return stage.starts.size();
    case Layer::Goal:
        return stage.goals.size();
    case Layer::Checkpoint:
        return stage.checkpoints.size();
    case Layer::Cover:
        return stage.covers.size();
    case Layer::Hazard:
        break;
    }
    return stage.hazards.size();
}

QRect InsideMap(QRect r)
{
    r.setWidth(std::clamp(r.width(), 1, kMapSize));
    r.setHeight(std::clamp(r.height(), 1, kMapSize));
    r.moveLeft(std::clamp(r.left(), 0, kMapSize - r.width()));
    r.moveTop(std::clamp(r.top(), 0, kMapSize - r.height()));
    return r;
}

// A moving hazard's range keeps its span and holds the new top.
void FollowMotion(Hazard& h, int dy)
{
    Motion& m = h.motion;
    const int highest = kMapSize - h.rect.height();
    m.low = std::clamp(m.low + dy, 0, highest);
    m.high = std::clamp(m.high + dy, 0, highest);
    m.low = std::min(m.low, h.rect.top());
    m.high = std::max(m.high, h.rect.top());
    if (m.low == m.high)
        m.low > 0 ? --m.low : ++m.high;
}

Hazard NewHazard(HazardKind kind, QRect rect)
{
    Hazard h;
    h.kind = kind;
    h.rect = rect;
    switch (kind) {
    case HazardKind::Car:
        h.picture = format::GamePicture(QStringLiteral("car2"));
        h.periodMs = 300;
        h.motion = {2, 0, 0, false};
        break;
    case HazardKind::Rain:
        h.picture = format::GamePicture(QStringLiteral("rain"));
        h.periodMs = 800;
        h.motion = {2, 0, 0, true};
        break;
    case HazardKind::River:
        h.picture = format::GamePicture(QStringLiteral("river0"));
        break;
    case HazardKind::Bridge:
        h.picture = format::GamePicture(QStringLiteral("plank"));
        h.openPicture = format::GamePicture(QStringLiteral("water"));
        h.periodMs = 1000;
        h.pattern = {{false, true, false}, {true, false, true}};
        LayPieces(h, 3);
        break;
    }
    if (Traits(kind).motion) {
        h.motion.low = std::max(0, rect.top() - 40);
        h.motion.high = std::min(kMapSize - rect.height(), rect.top() + 40);
        FollowMotion(h, 0);
    }
    return h;
}

// The stacking and the route after element `gone` of its list has left.
void Renumber(Stage& stage, Stacked gone)
{
    std::erase_if(stage.stacking, [gone](Stacked s) { return s.layer == gone.layer && s.index == gone.index; });
    for (Stacked& s : stage.stacking)
        if (s.layer == gone.layer && s.index > gone.index)
            --s.index;
    if (gone.layer != Layer::Checkpoint)
        return;
    auto follow = [gone](std::vector<int>& marks) {
        std::erase(marks, gone.index);
        for (int& m : marks)
            if (m > gone.index)
                --m;
    };
    for (std::vector<int>& set : stage.route.mustPass)
        follow(set);
    std::erase_if(stage.route.mustPass, [](const std::vector<int>& set) { return set.empty(); });
    follow(stage.route.branches);
}

}  // namespace

QRect RectOf(const Stage& stage, Stacked element)
{
    return OnRect(stage, element, [](const QRect& r) { return r; });
}

bool Exists(const Stage& stage, Stacked element)
{
    return element.index >= 0 && static_cast<std::size_t>(element.index) < CountOf(stage, element.layer);
}

void PlaceAt(Stage& stage, Stacked element, QRect rect)
{
    rect = InsideMap(rect);
    const QRect old = RectOf(stage, element);
    OnRect(stage, element, [rect](QRect& r) { r = rect; });
    const QPoint by = rect.topLeft() - old.topLeft();
    const auto i = static_cast<std::size_t>(element.index);
    if (element.layer == Layer::Start) {
        QPoint& p = stage.starts[i].point;
        p = rect.size() == old.size() ? p + by : rect.center();
        p = {std::clamp(p.x(), 0, kMapSize - 1), std::clamp(p.y(), 0, kMapSize - 1)};
    }
    if (element.layer != Layer::Hazard)
        return;
    Hazard& h = stage.hazards[i];
    if (Traits(h.kind).motion)
        FollowMotion(h, by.y());
    if (Traits(h.kind).pieces) {
        if (rect.size() == old.size())
            for (QRect& piece : h.pieces)
                piece.translate(by);
        else
            LayPieces(h, static_cast<int>(h.pieces.size()));
    }
}

Stacked Add(Stage& stage, Layer layer, HazardKind kind, QRect rect)
{
    rect = InsideMap(rect);
    int index = static_cast<int>(CountOf(stage, layer));
    switch (layer) {
    case Layer::Start:
        stage.starts.push_back({rect, rect.center(), !stage.ownStart()});
        break;
    case Layer::Goal:
        stage.goals.push_back({rect, !stage.liveGoal()});
        break;
    case Layer::Checkpoint: {
        Checkpoint c;
        c.rect = rect;
        c.face = 1;
        stage.checkpoints.push_back(c);
        break;
    }
    case Layer::Cover:
        stage.covers.push_back({rect, format::GamePicture(QStringLiteral("road0"))});
        break;
    case Layer::Hazard:
        stage.hazards.push_back(NewHazard(kind, rect));
        break;
    }
    stage.stacking.push_back({layer, index});
    return {layer, index};
}

void Remove(Stage& stage, Stacked element)
{
    if (!Exists(stage, element))
        return;
    const auto at = static_cast<std::ptrdiff_t>(element.index);
    switch (element.layer) {
    case Layer::Start:
        stage.starts.erase(stage.starts.begin() + at);
        break;
    case Layer::Goal:
        stage.goals.erase(stage.goals.begin() + at);
        break;
    case Layer::Checkpoint:
        stage.checkpoints.erase(stage.checkpoints.begin() + at);
        break;
    case Layer::Cover:
        stage.covers.erase(stage.covers.begin() + at);
        break;
    case Layer::Hazard:
        stage.hazards.erase(stage.hazards.begin() + at);
        break;
    }
    Renumber(stage, element);
}

std::optional<Stacked> ElementAt(const Stage& stage, QPoint point, const std::vector<int>& tops)
{
    for (auto it = stage.stacking.rbegin(); it != stage.stacking.rend(); ++it) {
        QRect r = RectOf(stage, *it);
        const auto i = static_cast<std::size_t>(it->index);
        if (it->layer == Layer::Hazard && i < tops.size())
            r = At(r, tops[i]);
        if (r.contains(point))
            return *it;
    }
    return std::nullopt;
}

QString Describe(const Stage& stage, Stacked element)
{
    QString text = QStringLiteral("%1 %2").arg(format::NameOf(element.layer)).arg(element.index);
    if (element.layer == Layer::Hazard && Exists(stage, element))
        text += QStringLiteral(" (%1)").arg(format::NameOf(stage.hazards[static_cast<std::size_t>(element.index)].kind));
    if (element.layer == Layer::Checkpoint && Exists(stage, element))
        if (const QString line = stage.checkpoints[static_cast<std::size_t>(element.index)].line.shown(); !line.isEmpty())
            text += QStringLiteral(" 「%1」").arg(line.left(12));
    return text;
}

int MustPassSet(const Stage& stage, int checkpoint)
{
    for (std::size_t s = 0; s < stage.route.mustPass.size(); ++s)
        if (std::ranges::find(stage.route.mustPass[s], checkpoint) != stage.route.mustPass[s].end())
            return static_cast<int>(s) + 1;
    return 0;
}

void SetMustPassSet(Stage& stage, int checkpoint, int set)
{
    std::vector<std::vector<int>>& sets = stage.route.mustPass;
    for (std::vector<int>& s : sets)
        std::erase(s, checkpoint);
    if (set > 0) {
        if (static_cast<std::size_t>(set) > sets.size())
            sets.emplace_back();
        sets[static_cast<std::size_t>(std::min<int>(set, static_cast<int>(sets.size()))) - 1].push_back(checkpoint);
    }
    std::erase_if(sets, [](const std::vector<int>& s) { return s.empty(); });
}

bool IsBranch(const Stage& stage, int checkpoint)
{
    return std::ranges::find(stage.route.branches, checkpoint) != stage.route.branches.end();
}

void SetBranch(Stage& stage, int checkpoint, bool branch)
{
    std::erase(stage.route.branches, checkpoint);
    if (branch)
        stage.route.branches.push_back(checkpoint);
}

void ChangeKind(Hazard& hazard, HazardKind kind)
{
    if (hazard.kind != kind)
        hazard = NewHazard(kind, hazard.rect);
}

void LayPieces(Hazard& bridge, int count)
{
    count = std::clamp(count, 1, std::max(1, bridge.rect.width()));
    bridge.pieces.clear();
    const QRect r = bridge.rect;
    for (int p = 0; p < count; ++p) {
        const int left = r.left() + r.width() * p / count;
        const int right = r.left() + r.width() * (p + 1) / count;
        bridge.pieces.emplace_back(left, r.top(), right - left, r.height());
    }
    for (std::vector<bool>& row : bridge.pattern)
        row.resize(static_cast<std::size_t>(count), false);
}

}  // namespace editor
