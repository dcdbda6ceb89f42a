// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The editor's tools above the map: painting, placing, the view, the history, the test.

#include "editor/EditorDocument.h"
#include "editor/EditorScreen.h"
#include "rules/CoursePackFormat.h"

#include <QActionGroup>
#include <QComboBox>
#include <QToolBar>

namespace editor {

namespace {
constexpr int kThin = 5, kMedium = 11, kWide = 21;  // the road brush's widths, map pixels
}  // namespace

QAction* EditorScreen::makeAction(const QString& text, const char* name, const QString& tip, const QKeySequence& key)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    action->setToolTip(key.isEmpty() ? tip : QStringLiteral("%1 (%2)").arg(tip, key.toString(QKeySequence::NativeText)));
    QMainWindow::addAction(action);  // its shortcut works wherever the focus is in the window
    return action;
}

QAction* EditorScreen::addTool(const QString& text, const char* name, const QString& tip, const QKeySequence& key, const Tool& tool)
{
    QAction* action = makeAction(text, name, tip, key);
    action->setCheckable(true);
    m_tools->addAction(action);
    connect(action, &QAction::triggered, this, [this, tool] {
        Tool chosen = tool;
        if (chosen.kind == ToolKind::Stamp)
            chosen.stamp = m_stamps->currentText();
        m_canvas->setTool(chosen);
    });
    return action;
}

void EditorScreen::buildTools()
{
    using course::HazardKind;
    using course::Layer;
    QToolBar* bar = addToolBar(tr("道具"));
    bar->setObjectName(QStringLiteral("tools"));
    bar->setMovable(false);
    m_tools = new QActionGroup(this);
    auto brush = [](ToolKind kind, int width) { Tool t; t.kind = kind; t.width = width; return t; };
    auto place = [](Layer layer, HazardKind kind = HazardKind::Car) { Tool t; t.kind = ToolKind::Place; t.layer = layer; t.hazard = kind; return t; };
    bar->addAction(addTool(tr("選ぶ"), "selectTool", tr("マークを選んで、動かす・大きさを変える (Delete で消す、矢印キーで 1 ピクセル)"), Qt::Key_V, Tool{}));
    bar->addAction(addTool(tr("道・細"), "roadThinTool", tr("細い筆で道をぬる (Shift: 前の点から直線)"), Qt::Key_1, brush(ToolKind::Road, kThin)));
    bar->addAction(addTool(tr("道・中"), "roadMediumTool", tr("中くらいの筆で道をぬる (Shift: 前の点から直線)"), Qt::Key_2, brush(ToolKind::Road, kMedium)));
    bar->addAction(addTool(tr("道・太"), "roadWideTool", tr("太い筆で道をぬる (Shift: 前の点から直線)"), Qt::Key_3, brush(ToolKind::Road, kWide)));
    bar->addAction(addTool(tr("道の外"), "offRoadTool", tr("道の外の色でぬる：消しゴム (Shift: 前の点から直線)"), Qt::Key_E, brush(ToolKind::OffRoad, kMedium)));
    bar->addAction(addTool(tr("塗りつぶし"), "fillTool", tr("つながった同じ色を道の色で塗りつぶす (右クリック: 道の外の色)"), Qt::Key_G, brush(ToolKind::Fill, 0)));
    bar->addAction(addTool(tr("絵"), "stampTool", tr("ゲームの絵を地図におす (さわる絵は道になる)"), Qt::Key_S, brush(ToolKind::Stamp, 0)));
    m_stamps = new QComboBox(bar);
    m_stamps->setObjectName(QStringLiteral("stamps"));
    m_stamps->setToolTip(tr("おす絵"));
    m_stamps->addItems(course::format::GamePictures());
    m_stamps->setCurrentText(QStringLiteral("road0"));
    bar->addWidget(m_stamps);
    connect(m_stamps, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        Tool t = m_canvas->tool();
        t.stamp = name;
        if (t.kind == ToolKind::Stamp)
            m_canvas->setTool(t);
    });
    bar->addSeparator();
    bar->addAction(addTool(tr("スタート"), "placeStartTool", tr("スタートを置く (ドラッグで大きさ)"), Qt::ALT | Qt::Key_1, place(Layer::Start)));
    bar->addAction(addTool(tr("ゴール"), "placeGoalTool", tr("ゴールを置く (ドラッグで大きさ)"), Qt::ALT | Qt::Key_2, place(Layer::Goal)));
    bar->addAction(addTool(tr("チェック"), "placeCheckpointTool", tr("チェックポイントを置く：せりふ、音、時計"), Qt::ALT | Qt::Key_3, place(Layer::Checkpoint)));
    bar->addAction(addTool(tr("カバー"), "placeCoverTool", tr("カバーを置く：ハザードといっしょに出る絵"), Qt::ALT | Qt::Key_4, place(Layer::Cover)));
    bar->addAction(addTool(tr("車"), "placeCarTool", tr("上下に走る車を置く"), Qt::ALT | Qt::Key_5, place(Layer::Hazard, HazardKind::Car)));
    bar->addAction(addTool(tr("雨"), "placeRainTool", tr("上下にゆれる雨を置く"), Qt::ALT | Qt::Key_6, place(Layer::Hazard, HazardKind::Rain)));
    bar->addAction(addTool(tr("川"), "placeRiverTool", tr("動かない川を置く"), Qt::ALT | Qt::Key_7, place(Layer::Hazard, HazardKind::River)));
    bar->addAction(addTool(tr("橋"), "placeBridgeTool", tr("板が開いたり閉じたりする橋を置く"), Qt::ALT | Qt::Key_8, place(Layer::Hazard, HazardKind::Bridge)));
    m_tools->actions().constFirst()->setChecked(true);
    addToolBarBreak();
    bar = addToolBar(tr("表示と記録"));
    bar->setObjectName(QStringLiteral("viewTools"));
    bar->setMovable(false);

    QAction* roadView = makeAction(tr("道を見る"), "roadViewAction", tr("ゲームが道とみなす所 (道の外の色でない所) に色をつける"), Qt::Key_R);
    roadView->setCheckable(true);
    connect(roadView, &QAction::toggled, m_canvas, &MapCanvas::setRoadView);
    QAction* moving = makeAction(tr("ハザードを動かす"), "movingAction", tr("ハザードをゲームと同じように動かす・止める"), Qt::Key_H);
    moving->setCheckable(true);
    moving->setChecked(true);
    connect(moving, &QAction::toggled, m_canvas, &MapCanvas::setHazardsMoving);
    QAction* zoomIn = makeAction(tr("拡大"), "zoomInAction", tr("地図を大きく (4 倍から格子)"), QKeySequence::ZoomIn);
    QAction* zoomOut = makeAction(tr("縮小"), "zoomOutAction", tr("地図を小さく"), QKeySequence::ZoomOut);
    connect(zoomIn, &QAction::triggered, this, [this] { m_canvas->setZoom(m_canvas->zoom() * 2); });
    connect(zoomOut, &QAction::triggered, this, [this] { m_canvas->setZoom(m_canvas->zoom() / 2); });
    for (QAction* a : {roadView, moving, zoomIn, zoomOut})
        bar->addAction(a);
    bar->addSeparator();
    m_testLevel = new QComboBox(bar);
    m_testLevel->setObjectName(QStringLiteral("testLevel"));
    m_testLevel->setToolTip(tr("テストするレベル"));
    m_testLevel->addItems({tr("たこ"), tr("さる")});
    bar->addWidget(m_testLevel);
    QAction* testAction = makeAction(tr("テスト"), "testAction",
                                     tr("このステージを保存しないで遊ぶ：選んだチェックポイントから、なければスタートから (Esc でもどる)"), Qt::Key_F5);
    connect(testAction, &QAction::triggered, this, &EditorScreen::test);
    bar->addAction(testAction);
    bar->addSeparator();

    QAction* undo = m_document->history()->createUndoAction(this, tr("もどす"));
    QAction* redo = m_document->history()->createRedoAction(this, tr("やりなおす"));
    undo->setObjectName(QStringLiteral("undoAction"));
    redo->setObjectName(QStringLiteral("redoAction"));
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    undo->setToolTip(tr("ひとつもどす (Ctrl+Z)"));
    redo->setToolTip(tr("もどしたのをやりなおす (Ctrl+Shift+Z)"));
    QMainWindow::addAction(undo);
    QMainWindow::addAction(redo);
    QAction* saveAction = makeAction(tr("保存"), "saveAction", tr("パックを保存する"), QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, &EditorScreen::save);
    QAction* remove = makeAction(tr("消す"), "removeAction", tr("選んだマークを消す"), QKeySequence::Delete);
    connect(remove, &QAction::triggered, m_canvas, &MapCanvas::removeSelected);
    QAction* closeAction = makeAction(tr("閉じる"), "closeAction", tr("エディタを閉じる"), QKeySequence::Close);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    for (QAction* a : {undo, redo, saveAction, remove, closeAction})
        bar->addAction(a);
}

}  // namespace editor
