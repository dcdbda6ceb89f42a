// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "editor/MapCanvas.h"

#include "editor/EditorDocument.h"
#include "rules/CoursePackFormat.h"
#include "rules/CourseRules.h"
#include "rules/MapPicture.h"
#include "widgets/Signs.h"

#include <QMouseEvent>
#include <QPainter>

#include <map>

namespace editor {

using namespace course;

namespace {

constexpr int kHazardBeatMs = 100;  // every hazard's period is a multiple of it
constexpr int kHandle = 6;          // a corner handle's side, widget pixels
const QColor kRoadTint(255, 0, 200, 110);

QColor LayerColour(Layer layer)
{
    switch (layer) {
    case Layer::Start:
        return {255, 200, 0};
    case Layer::Goal:
        return {255, 60, 60};
    case Layer::Checkpoint:
        return {0, 120, 255};
    case Layer::Cover:
        return {0, 170, 0};
    case Layer::Hazard:
        break;
    }
    return {160, 0, 200};
}

// What a click of the Place tool puts down, for the kind of element.
QSize DefaultSize(Layer layer, HazardKind kind)
{
    switch (layer) {
    case Layer::Start:
        return {40, 16};
    case Layer::Goal:
        return {20, 20};
    case Layer::Checkpoint:
        return {20, 8};
    case Layer::Cover:
        return {40, 25};
    case Layer::Hazard:
        break;
    }
    const QSize sizes[] = {{20, 25}, {100, 20}, {90, 20}, {90, 13}};
    return sizes[static_cast<int>(kind)];
}

// The picture of a mark, read once however often it is drawn.
const QImage& Picture(const QString& path)
{
    static std::map<QString, QImage> read;
    auto found = read.find(path);
    if (found == read.end())
        found = read.emplace(path, path.isEmpty() ? QImage() : ReadMarkPicture(path)).first;
    return found->second;
}

// Four-way flood fill of the colour under `at` with `colour`.
void Flood(QImage& map, QPoint at, QRgb colour)
{
    const QRgb from = map.pixel(at);
    if (from == colour)
        return;
    std::vector<QPoint> todo{at};
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (!map.rect().contains(p) || map.pixel(p) != from)
            continue;
        map.setPixel(p, colour);
        todo.insert(todo.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
}

}  // namespace

MapCanvas::MapCanvas(EditorDocument& document, QWidget* parent) : QWidget(parent), m_document(document)
{
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_hazardTimer.setInterval(kHazardBeatMs);
    connect(&m_hazardTimer, &QTimer::timeout, this, &MapCanvas::stepHazards);
    connect(&document, &EditorDocument::changed, this, &MapCanvas::documentChanged);
    connect(&document, &EditorDocument::mapPainted, this, &MapCanvas::mapPainted);
    m_pointing.setSingleShot(true);
    m_pointing.setInterval(1500);
    connect(&m_pointing, &QTimer::timeout, this, [this] {
        m_pointedAt.reset();
        update();
    });
    setZoom(2);
    documentChanged();
}

QSize MapCanvas::sizeHint() const
{
    return {kMapSize * m_zoom, kMapSize * m_zoom};
}

const Stage& MapCanvas::shownStage() const
{
    return m_document.course().stages.at(static_cast<std::size_t>(m_stage));
}

QRgb MapCanvas::offRoad() const
{
    const QImage& map = m_document.draft().maps.at(static_cast<std::size_t>(m_stage)).pixels;
    return shownStage().offRoad.value_or(map.isNull() ? 0 : map.pixel(0, 0)) | 0xff000000u;
}

void MapCanvas::setStage(int stage)
{
    m_stage = std::clamp(stage, 0, m_document.course().stageCount() - 1);
    m_selected.reset();
    documentChanged();
    Q_EMIT selectionChanged();
}

void MapCanvas::setZoom(int zoom)
{
    m_zoom = std::clamp(zoom, 2, 8);
    setFixedSize(sizeHint());
    update();
}

void MapCanvas::setRoadView(bool on)
{
    m_roadView = on;
    rebuildRoadTint(QRect(0, 0, kMapSize, kMapSize));
    update();
}

void MapCanvas::setHazardsMoving(bool on)
{
    on ? m_hazardTimer.start() : m_hazardTimer.stop();
    if (!on)
        documentChanged();  // back where they start, as they stand in play before the run
}

void MapCanvas::select(std::optional<Stacked> element)
{
    if (element && !Exists(shownStage(), *element))
        element.reset();
    const bool same = element.has_value() == m_selected.has_value() &&
                      (!element || (element->layer == m_selected->layer && element->index == m_selected->index));
    m_selected = element;
    update();
    if (!same)
        Q_EMIT selectionChanged();
}

void MapCanvas::documentChanged()
{
    m_stage = std::clamp(m_stage, 0, m_document.course().stageCount() - 1);
    const Stage& stage = shownStage();
    m_hazards.clear();
    for (const Hazard& h : stage.hazards)
        m_hazards.push_back(StartState(h));
    m_hazardClock = 0;
    if (m_selected && !Exists(stage, *m_selected))
        select(std::nullopt);
    rebuildRoadTint(QRect(0, 0, kMapSize, kMapSize));
    update();
}

void MapCanvas::mapPainted(QRect where)
{
    rebuildRoadTint(where);
    update(onWidget(where).adjusted(-m_zoom, -m_zoom, m_zoom, m_zoom));
}

void MapCanvas::rebuildRoadTint(QRect where)
{
    if (!m_roadView)
        return;
    const QImage& map = m_document.draft().maps.at(static_cast<std::size_t>(m_stage)).pixels;
    if (m_roadTint.size() != map.size())
        m_roadTint = QImage(map.size(), QImage::Format_ARGB32_Premultiplied);
    where &= map.rect();
    const QRgb off = offRoad();
    const QRgb tint = qPremultiply(kRoadTint.rgba());
    for (int y = where.top(); y <= where.bottom(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(map.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(m_roadTint.scanLine(y));
        for (int x = where.left(); x <= where.right(); ++x)
            out[x] = (in[x] | 0xff000000u) == off ? 0 : tint;
    }
}

void MapCanvas::stepHazards()
{
    m_hazardClock += kHazardBeatMs;
    const Stage& stage = shownStage();
    for (std::size_t i = 0; i < stage.hazards.size() && i < m_hazards.size(); ++i) {
        const int period = stage.hazards[i].periodMs;
        if (period > 0 && m_hazardClock % period == 0)
            StepHazard(stage.hazards[i], m_hazards[i]);
    }
    update();
}

QPoint MapCanvas::mapPixel(QPointF at) const
{
    return {static_cast<int>(std::floor(at.x() / m_zoom)), static_cast<int>(std::floor(at.y() / m_zoom))};
}

QRect MapCanvas::onWidget(QRect map) const
{
    return {map.left() * m_zoom, map.top() * m_zoom, map.width() * m_zoom, map.height() * m_zoom};
}

QRect MapCanvas::shownRect(Stacked element) const
{
    const QRect r = RectOf(shownStage(), element);
    const auto i = static_cast<std::size_t>(element.index);
    return element.layer == Layer::Hazard && i < m_hazards.size() ? At(r, m_hazards[i].at.top) : r;
}

// --- Drawing ---

void MapCanvas::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect exposed = event->rect();
    const QImage& map = m_document.draft().maps.at(static_cast<std::size_t>(m_stage)).pixels;
    p.drawImage(rect(), map);
    if (m_roadView)
        p.drawImage(rect(), m_roadTint);
    if (m_zoom >= 4) {  // a line between every two pixels
        p.setPen(QColor(0, 0, 0, 40));
        const QRect cells(mapPixel(exposed.topLeft()), mapPixel(exposed.bottomRight()));
        for (int x = cells.left(); x <= cells.right() + 1; ++x)
            p.drawLine(x * m_zoom, exposed.top(), x * m_zoom, exposed.bottom());
        for (int y = cells.top(); y <= cells.bottom() + 1; ++y)
            p.drawLine(exposed.left(), y * m_zoom, exposed.right(), y * m_zoom);
    }
    drawMarks(p);
    drawCheck(p);
    drawSelection(p);
    if (m_drag == Drag::Place) {
        p.setPen(QPen(LayerColour(m_tool.layer), 1, Qt::DashLine));
        p.drawRect(onWidget(m_placing).adjusted(0, 0, -1, -1));
    }
}

void MapCanvas::drawMarks(QPainter& p) const
{
    for (const Stacked& e : shownStage().stacking)
        drawElement(p, e);
}

void MapCanvas::drawElement(QPainter& p, Stacked e) const
{
    const Stage& stage = shownStage();
    const auto i = static_cast<std::size_t>(e.index);
    const QRect r = onWidget(shownRect(e));
    const bool drawnSigns = stage.signs == Signs::Drawn;
    switch (e.layer) {
    case Layer::Start:
        if (drawnSigns && stage.starts[i].own)
            p.drawPixmap(r, look::StartSign(shownRect(e).size()));  // as the game will draw it, enlarged
        p.fillRect(onWidget(QRect(stage.starts[i].point, QSize(1, 1))), Qt::red);
        break;
    case Layer::Goal:
        if (drawnSigns && stage.goals[i].live)
            p.drawPixmap(r, look::GoalSign(shownRect(e).size()));
        break;
    case Layer::Checkpoint:
        p.fillRect(r, QColor(0, 120, 255, 60));
        break;
    case Layer::Cover:
        p.drawImage(r, Picture(stage.covers[i].picture));
        break;
    case Layer::Hazard: {
        const Hazard& h = stage.hazards[i];
        if (h.pieces.empty()) {
            p.drawImage(r, Picture(h.picture));
            break;
        }
        for (std::size_t k = 0; k < h.pieces.size(); ++k) {
            const bool open = k < m_hazards[i].open.size() && m_hazards[i].open[k];
            p.drawImage(onWidget(h.pieces[k]), Picture(open ? h.openPicture : h.picture));
        }
        break;
    }
    }
    p.setPen(LayerColour(e.layer));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void MapCanvas::showCheck(const CheckResult& result)
{
    m_check = result;
    update();
}

void MapCanvas::pointAt(QPoint place)
{
    m_pointedAt = place;
    m_pointing.start();
    update();
}

// The shortest route of each level, the easy one under the hard one, and a
// ring round every place a problem lies.
void MapCanvas::drawCheck(QPainter& p) const
{
    if (!m_check || m_check->stage != m_stage)
        return;
    const QColor colours[] = {QColor(0, 90, 255, 200), QColor(255, 120, 0, 220)};
    const QPointF half(m_zoom / 2.0, m_zoom / 2.0);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t level = 0; level < m_check->routes.size(); ++level) {
        QPolygonF line;
        for (const QPoint& step : m_check->routes[level])
            line << QPointF(step * m_zoom) + half;
        p.setPen(QPen(colours[level], level == 0 ? 3 : 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
    }
    p.setPen(QPen(Qt::red, 2));
    for (const Finding& f : m_check->findings)
        if (f.place)
            p.drawEllipse(QPointF(*f.place * m_zoom) + half, 6.0 * m_zoom / 2, 6.0 * m_zoom / 2);
    if (m_pointedAt) {
        p.setPen(QPen(Qt::red, 3));
        p.drawEllipse(QPointF(*m_pointedAt * m_zoom) + half, 12.0 * m_zoom / 2, 12.0 * m_zoom / 2);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void MapCanvas::drawSelection(QPainter& p) const
{
    if (!m_selected)
        return;
    const QRect r = onWidget(shownRect(*m_selected)).adjusted(-1, -1, 0, 0);
    p.setPen(QPen(Qt::white, 1, Qt::SolidLine));
    p.drawRect(r);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawRect(r);
    for (const QPoint corner : {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()})
        p.fillRect(QRect(corner - QPoint(kHandle / 2, kHandle / 2), QSize(kHandle, kHandle)), Qt::black);
}

std::optional<int> MapCanvas::handleAt(QPoint at) const
{
    if (!m_selected)
        return std::nullopt;
    const QRect r = onWidget(shownRect(*m_selected)).adjusted(-1, -1, 0, 0);
    const QPoint corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    for (int c = 0; c < 4; ++c)
        if ((at - corners[c]).manhattanLength() <= kHandle)
            return c;
    return std::nullopt;
}

// --- The hand ---

void MapCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = mapPixel(event->position());
    const bool road = event->button() == Qt::LeftButton;
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    m_pressed = at;
    switch (m_tool.kind) {
    case ToolKind::Select:
        if (const std::optional<int> corner = handleAt(event->position().toPoint())) {
            m_drag = Drag::Resize;
            m_corner = *corner;
            m_pressedRect = RectOf(shownStage(), *m_selected);
            m_dragKey = m_document.newMergeKey();
        } else {
            pressToSelect(at);
        }
        break;
    case ToolKind::Road:
    case ToolKind::OffRoad: {
        m_drag = Drag::Paint;
        m_strokeMap = &m_document.beginStroke(m_stage);
        const bool line = event->modifiers() & Qt::ShiftModifier && m_lastPainted.x() >= 0;
        m_lineFrom = line ? std::optional<QPoint>(m_lastPainted) : std::nullopt;
        m_beforeLine = line ? m_strokeMap->copy() : QImage();
        paintAt(line ? m_lastPainted : at, at);
        break;
    }
    case ToolKind::Fill:
        fillAt(at, road);
        break;
    case ToolKind::Stamp:
        stampAt(at);
        break;
    case ToolKind::Place:
        m_drag = Drag::Place;
        m_placing = QRect(at, QSize(1, 1));
        update();
        break;
    }
}

void MapCanvas::pressToSelect(QPoint at)
{
    std::vector<int> tops;
    for (const HazardState& h : m_hazards)
        tops.push_back(h.at.top);
    select(ElementAt(shownStage(), at, tops));
    if (!m_selected)
        return;
    m_drag = Drag::Move;
    m_pressedRect = RectOf(shownStage(), *m_selected);
    m_dragKey = m_document.newMergeKey();
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = mapPixel(event->position());
    const QPoint by = at - m_pressed;
    switch (m_drag) {
    case Drag::None:
        return;
    case Drag::Paint:
        if (m_lineFrom) {  // a straight line: drawn again from where it began
            *m_strokeMap = m_beforeLine.copy();
            paintAt(*m_lineFrom, at);
            update();
        } else {
            paintAt(m_lastPainted, at);
        }
        return;
    case Drag::Place:
        m_placing = QRect(m_pressed, at).normalized();
        update();
        return;
    case Drag::Move:
    case Drag::Resize: {
        QRect r = m_pressedRect;
        if (m_drag == Drag::Move)
            r.translate(by);
        else if (m_corner == 0)
            r.setTopLeft(r.topLeft() + by);
        else if (m_corner == 1)
            r.setTopRight(r.topRight() + by);
        else if (m_corner == 2)
            r.setBottomRight(r.bottomRight() + by);
        else
            r.setBottomLeft(r.bottomLeft() + by);
        r = r.normalized();
        if (r == RectOf(shownStage(), *m_selected))
            return;  // a click, or a drag back where it began: nothing to undo
        const Stacked e = *m_selected;
        const int stage = m_stage;
        m_document.change(m_drag == Drag::Move ? tr("マークを動かす") : tr("マークの大きさを変える"), m_dragKey,
                          [=](Draft& d) { PlaceAt(d.course.stages[static_cast<std::size_t>(stage)], e, r); });
        return;
    }
    }
}

void MapCanvas::mouseReleaseEvent(QMouseEvent*)
{
    const Drag drag = std::exchange(m_drag, Drag::None);
    if (drag == Drag::Paint) {
        m_beforeLine = QImage();
        m_strokeMap = nullptr;
        m_document.endStroke(m_tool.kind == ToolKind::Road ? tr("道をぬる") : tr("道の外をぬる"));
    }
    if (drag == Drag::Place) {
        QRect r = m_placing;
        if (r.width() < 3 && r.height() < 3)  // a click: the usual size, centred there
            r = QRect(QPoint(), DefaultSize(m_tool.layer, m_tool.hazard)).translated(m_pressed - QPoint(r.width(), r.height()));
        const Tool tool = m_tool;
        const int stage = m_stage;
        Stacked added{tool.layer, 0};
        m_document.change(tr("マークを置く"), 0, [&](Draft& d) {
            added = Add(d.course.stages[static_cast<std::size_t>(stage)], tool.layer, tool.hazard, r);
        });
        select(added);
        Q_EMIT placed(added);
    }
}

void MapCanvas::paintAt(QPoint from, QPoint to)
{
    {
        QPainter p(m_strokeMap);
        p.setRenderHint(QPainter::Antialiasing, false);  // every pixel is road or not: no colours in between
        const QColor colour = m_tool.kind == ToolKind::Road ? kRoadColour : QColor::fromRgb(offRoad());
        p.setPen(QPen(colour, m_tool.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (from == to)
            p.drawPoint(to);
        else
            p.drawLine(from, to);
    }
    m_lastPainted = to;
    const int reach = m_tool.width / 2 + 2;
    m_document.painted(QRect(from, to).normalized().adjusted(-reach, -reach, reach, reach));
}

void MapCanvas::fillAt(QPoint at, bool road)
{
    if (!QRect(0, 0, kMapSize, kMapSize).contains(at))
        return;
    const QRgb colour = road ? kRoadColour.rgb() : offRoad();
    const int stage = m_stage;
    m_document.change(tr("塗りつぶす"), 0, [=](Draft& d) { Flood(d.maps[static_cast<std::size_t>(stage)].pixels, at, colour); });
}

void MapCanvas::stampAt(QPoint at)
{
    const QImage& picture = Picture(format::GamePicture(m_tool.stamp));
    if (picture.isNull())
        return;
    const int stage = m_stage;
    const QPoint corner = at - QPoint(picture.width() / 2, picture.height() / 2);
    m_document.change(tr("絵をおす"), 0, [&](Draft& d) {
        QPainter p(&d.maps[static_cast<std::size_t>(stage)].pixels);
        p.drawImage(corner, picture);
    });
}

void MapCanvas::removeSelected()
{
    if (!m_selected)
        return;
    const Stacked e = *m_selected;
    const int stage = m_stage;
    select(std::nullopt);
    m_document.change(tr("マークを消す"), 0, [=](Draft& d) { Remove(d.course.stages[static_cast<std::size_t>(stage)], e); });
}

void MapCanvas::nudgeSelected(QPoint by)
{
    if (!m_selected)
        return;
    const Stacked e = *m_selected;
    const int stage = m_stage;
    const QRect r = RectOf(shownStage(), e).translated(by);
    m_document.change(tr("マークを動かす"), 0, [=](Draft& d) { PlaceAt(d.course.stages[static_cast<std::size_t>(stage)], e, r); });
}

}  // namespace editor
