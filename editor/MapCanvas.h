// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The map being edited, enlarged: painting with the brushes, the bucket and
// the stamps, and the stage's marks placed, moved and resized by dragging,
// every change a step of the document's history. The hazards move as they
// will in play, unless stopped.

#include "editor/LiveCheck.h"
#include "editor/StageEdits.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

namespace editor {

class EditorDocument;

enum class ToolKind : std::uint8_t { Select, Road, OffRoad, Fill, Stamp, Place };

struct Tool {
    ToolKind kind = ToolKind::Select;
    int width = 9;                                       // a brush's, in map pixels
    QString stamp;                                       // a picture of the game's, by name
    course::Layer layer = course::Layer::Checkpoint;     // what Place puts down
    course::HazardKind hazard = course::HazardKind::Car;
};

// The colour the road brush and the bucket paint with.
inline const QColor kRoadColour(226, 200, 144);

class MapCanvas : public QWidget {
    Q_OBJECT
public:
    MapCanvas(EditorDocument& document, QWidget* parent);

    void setStage(int stage);  // from 0
    int stage() const { return m_stage; }
    void setTool(const Tool& tool) { m_tool = tool; }
    const Tool& tool() const { return m_tool; }
    void setZoom(int zoom);  // 2, 4 or 8
    int zoom() const { return m_zoom; }
    void setRoadView(bool on);
    bool roadView() const { return m_roadView; }
    void setHazardsMoving(bool on);
    bool hazardsMoving() const { return m_hazardTimer.isActive(); }

    const std::optional<Stacked>& selected() const { return m_selected; }
    void select(std::optional<Stacked> element);
    void removeSelected();
    void nudgeSelected(QPoint by);

    // The live check's finding for the stage shown: its routes and the places of its problems.
    void showCheck(const CheckResult& result);
    // A place of the map pointed out for a moment (a finding's).
    void pointAt(QPoint place);

    QPoint mapPixel(QPointF at) const;  // of a point of the widget
    QSize sizeHint() const override;

Q_SIGNALS:
    void selectionChanged();
    void placed(Stacked element);  // put down by the Place tool, and selected

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Drag : std::uint8_t { None, Paint, Move, Resize, Place };

    const course::Stage& shownStage() const;
    QRgb offRoad() const;
    void documentChanged();
    void mapPainted(QRect where);
    void paintAt(QPoint from, QPoint to);
    void fillAt(QPoint at, bool road);
    void stampAt(QPoint at);
    void pressToSelect(QPoint at);
    void stepHazards();
    QRect shownRect(Stacked element) const;  // a hazard where it is now
    void drawMarks(class QPainter& p) const;
    void drawElement(QPainter& p, Stacked element) const;
    void drawSelection(QPainter& p) const;
    void drawCheck(QPainter& p) const;
    std::optional<int> handleAt(QPoint widgetPoint) const;  // 0..3: the corners, clockwise from the top left
    QRect onWidget(QRect map) const;
    void rebuildRoadTint(QRect where);

    EditorDocument& m_document;
    int m_stage = 0;
    Tool m_tool;
    int m_zoom = 2;
    bool m_roadView = false;
    std::optional<Stacked> m_selected;

    Drag m_drag = Drag::None;
    QPoint m_pressed;        // map pixels
    QRect m_pressedRect;     // the element's, at the press
    int m_corner = 0;
    int m_dragKey = 0;
    QImage* m_strokeMap = nullptr;   // the map a stroke paints on
    QPoint m_lastPainted{-1, -1};    // where the last stroke ended: Shift draws a straight line from it
    std::optional<QPoint> m_lineFrom;
    QImage m_beforeLine;             // a straight line is drawn again on this at every move
    QRect m_placing;

    std::optional<CheckResult> m_check;  // the latest, for the stage it checked
    std::optional<QPoint> m_pointedAt;
    QTimer m_pointing;

    QImage m_roadTint;       // what counts as road, tinted
    std::vector<course::HazardState> m_hazards;
    int m_hazardClock = 0;
    QTimer m_hazardTimer;
    std::size_t m_shownHazards = 0;
};

}  // namespace editor
