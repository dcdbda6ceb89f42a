// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// One stage at one moment, as the pointer meets it: which element lies over
// a map pixel (the stacking order, the hazards where they stand now, the
// covers, a bridge's pieces open or closed) and what the off-road grid says
// there. The play screen judges its runs by it and places its pictures from
// it; the course checker proves a stage with it.

#include "rules/Course.h"
#include "rules/CourseRules.h"

#include <QImage>
#include <QRect>

#include <memory>
#include <optional>
#include <vector>

namespace course {

// An element of the scene where it lies now.
struct SceneElement {
    Layer layer = Layer::Start;
    int index = 0;      // in its list of the stage
    int piece = -1;     // a bridge's piece; -1 for every other element
    QRect rect;         // map pixels
    bool harms = false; // a pointer moving over it ends the run (a click lane and a plank do not)
    bool moves = false; // a hazard that changes its place with time
    friend bool operator==(const SceneElement&, const SceneElement&) = default;
};

class StageScene {
public:
    // The stage before its opening: the covers and hazards not yet shown, each
    // hazard where it starts, and no map read.
    explicit StageScene(const Stage& stage);

    // --- The moment ---
    // The covers and hazards come with the opening story and stay.
    void showHazards() { m_hazardsShown = true; }
    bool hazardsShown() const { return m_hazardsShown; }
    const HazardState& hazard(int index) const { return m_states.at(static_cast<std::size_t>(index)); }
    void setHazards(const std::vector<HazardState>& states);
    void setHazard(int index, const HazardState& state) { m_states.at(static_cast<std::size_t>(index)) = state; }
    // One period of hazard `index`; false for one that stands still.
    bool stepHazard(int index);

    // --- The map ---
    // The off-road grid of the course picture, by the stage's off-road colour;
    // false for a picture that is not 300 x 300 (the grid stays as it was).
    bool setMap(const QImage& picture);
    const MapGrid& grid() const { return *m_grid; }
    bool offRoad(float x, float y, int r) const { return IsOffRoad(*m_grid, x, y, r); }

    // --- What lies over the map ---
    // Every shown element, topmost first.
    std::vector<SceneElement> elements() const;
    // The shown elements whose rectangles meet `box`, topmost first.
    std::vector<SceneElement> elementsMeeting(const QRect& box) const;
    // The shown elements of one described element (a bridge: its pieces), topmost first.
    std::vector<SceneElement> elementsOf(Layer layer, int index) const;
    // The element a pointer at `p` reaches; nothing over the bare map.
    std::optional<SceneElement> topmostAt(Pixel p) const;

private:
    // An element as the stage describes it, before the moment places it.
    struct Slot {
        Layer layer;
        int index;
        int piece;
        QRect rect;
    };
    SceneElement placed(const Slot& slot) const;
    bool shown(const Slot& slot) const;

    std::vector<Slot> m_slots;  // topmost first
    std::vector<Hazard> m_hazards;
    std::vector<HazardState> m_states;
    std::optional<QRgb> m_offRoad;
    std::shared_ptr<MapGrid> m_grid;  // 180 KB: off the stack, shared by copies until a map is read
    bool m_hazardsShown = false;
};

}  // namespace course
