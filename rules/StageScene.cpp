// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/StageScene.h"

namespace course {

namespace {
bool Moves(const Hazard& h)
{
    return Traits(h.kind).motion && h.periodMs > 0 && h.motion.step != 0;
}
}  // namespace

StageScene::StageScene(const Stage& stage)
    : m_hazards(stage.hazards), m_offRoad(stage.offRoad), m_grid(std::make_shared<MapGrid>())
{
    for (const Hazard& h : m_hazards)
        m_states.push_back(StartState(h));
    for (auto it = stage.stacking.crbegin(); it != stage.stacking.crend(); ++it) {
        const auto i = static_cast<std::size_t>(it->index);
        switch (it->layer) {
        case Layer::Start: m_slots.push_back({it->layer, it->index, -1, stage.starts.at(i).rect}); break;
        case Layer::Goal: m_slots.push_back({it->layer, it->index, -1, stage.goals.at(i).rect}); break;
        case Layer::Checkpoint: m_slots.push_back({it->layer, it->index, -1, stage.checkpoints.at(i).rect}); break;
        case Layer::Cover: m_slots.push_back({it->layer, it->index, -1, stage.covers.at(i).rect}); break;
        case Layer::Hazard: {
            const Hazard& h = stage.hazards.at(i);
            // A bridge's later pieces lie over its earlier ones.
            for (int p = static_cast<int>(h.pieces.size()) - 1; p >= 0; --p)
                m_slots.push_back({it->layer, it->index, p, h.pieces[static_cast<std::size_t>(p)]});
            if (h.pieces.empty())
                m_slots.push_back({it->layer, it->index, -1, h.rect});
            break;
        }
        }
    }
}

void StageScene::setHazards(const std::vector<HazardState>& states)
{
    if (states.size() == m_states.size())
        m_states = states;
}

bool StageScene::stepHazard(int index)
{
    const auto i = static_cast<std::size_t>(index);
    return i < m_hazards.size() && StepHazard(m_hazards[i], m_states[i]);
}

bool StageScene::setMap(const QImage& picture)
{
    auto grid = std::make_shared<MapGrid>();
    if (!BuildGrid(picture, *grid, m_offRoad))
        return false;
    m_grid = std::move(grid);
    return true;
}

bool StageScene::shown(const Slot& slot) const
{
    return m_hazardsShown || (slot.layer != Layer::Cover && slot.layer != Layer::Hazard);
}

SceneElement StageScene::placed(const Slot& slot) const
{
    SceneElement e{slot.layer, slot.index, slot.piece, slot.rect};
    if (slot.layer != Layer::Hazard)
        return e;
    const auto i = static_cast<std::size_t>(slot.index);
    const Hazard& h = m_hazards[i];
    const HazardState& state = m_states[i];
    e.moves = Moves(h);
    if (e.moves)
        e.rect = At(slot.rect, state.at.top);
    if (h.harm == Harm::Click)
        return e;  // a click lane's cars only hurt when clicked
    if (Traits(h.kind).pieces)  // a plank carries the hero; open water does not
        e.harms = slot.piece >= 0 && static_cast<std::size_t>(slot.piece) < state.open.size() &&
                  state.open[static_cast<std::size_t>(slot.piece)];
    else
        e.harms = true;
    return e;
}

std::vector<SceneElement> StageScene::elements() const
{
    std::vector<SceneElement> all;
    for (const Slot& slot : m_slots)
        if (shown(slot))
            all.push_back(placed(slot));
    return all;
}

std::vector<SceneElement> StageScene::elementsMeeting(const QRect& box) const
{
    std::vector<SceneElement> found;
    for (const Slot& slot : m_slots) {
        if (!shown(slot) || (slot.layer != Layer::Hazard && !slot.rect.intersects(box)))
            continue;  // a mark stays where it is described: no need to place it
        SceneElement e = placed(slot);
        if (e.rect.intersects(box))
            found.push_back(e);
    }
    return found;
}

std::vector<SceneElement> StageScene::elementsOf(Layer layer, int index) const
{
    std::vector<SceneElement> found;
    for (const Slot& slot : m_slots)
        if (slot.layer == layer && slot.index == index && shown(slot))
            found.push_back(placed(slot));
    return found;
}

std::optional<SceneElement> StageScene::topmostAt(Pixel p) const
{
    for (const Slot& slot : m_slots) {
        if (!shown(slot) || (slot.layer != Layer::Hazard && !slot.rect.contains(p.x, p.y)))
            continue;
        SceneElement e = placed(slot);
        if (e.rect.contains(p.x, p.y))
            return e;
    }
    return std::nullopt;
}

}  // namespace course
