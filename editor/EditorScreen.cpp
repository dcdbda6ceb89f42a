// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "editor/EditorScreen.h"

#include "editor/EditorDocument.h"
#include "editor/Forms.h"
#include "editor/PropertyForm.h"
#include "rules/CoursePack.h"
#include "rules/CoursePackFormat.h"
#include "rules/CourseRules.h"
#include "rules/Practice.h"
#include "widgets/Look.h"
#include "widgets/Notice.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace editor {

namespace {

constexpr int kThin = 5, kMedium = 11, kWide = 21;  // the road brush's widths, map pixels
constexpr int kSideWidth = 420;
constexpr int kStageColumnWidth = 190;
constexpr int kLayerRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;

// Only the last stage may score after the ending: a stage that did and is
// no longer last gives it to the one that now is.
void KeepEndingScoreLast(course::Course& c)
{
    bool ending = false;
    for (course::Stage& s : c.stages)
        ending = std::exchange(s.scoreAt, course::ScoreAt::WithClearPicture) == course::ScoreAt::AfterEnding || ending;
    if (ending)
        c.stages.back().scoreAt = course::ScoreAt::AfterEnding;
}

// As large as the map at twice its size needs, but never larger than the
// screen: on a small one the map scrolls.
void FitOnScreen(QWidget* window, QSize wanted)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() - QSize(16, 48) : wanted;  // the frame's share
    window->resize(wanted.boundedTo(room));
}

QWidget* Scrolled(QWidget* inside, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setWidget(inside);
    area->setWidgetResizable(true);
    return area;
}

}  // namespace

EditorScreen::EditorScreen(Opened opened, QWidget* parent)
    : QMainWindow(parent), m_document(new EditorDocument(std::move(opened), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.ico")));
    m_canvas = new MapCanvas(*m_document, this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    auto* centre = new QWidget(this);
    auto* row = new QHBoxLayout(centre);
    setCentralWidget(centre);
    buildStageColumn();
    auto* mapArea = new QScrollArea(centre);
    mapArea->setObjectName(QStringLiteral("mapArea"));
    mapArea->setWidget(m_canvas);
    mapArea->setAlignment(Qt::AlignCenter);
    buildSidePanel();
    row->addWidget(m_stageList->parentWidget());
    row->addWidget(mapArea, 1);
    row->addWidget(m_side);
    buildTools();
    statusBar()->setObjectName(QStringLiteral("status"));
    FitOnScreen(this, {kStageColumnWidth + 2 * course::kMapSize + kSideWidth + 60, 2 * course::kMapSize + 160});

    m_check = new LiveCheck(this);
    connect(m_check, &LiveCheck::checked, this, &EditorScreen::showCheck);
    connect(m_document, &EditorDocument::changed, this, &EditorScreen::documentChanged);
    connect(m_document->history(), &QUndoStack::cleanChanged, this, &EditorScreen::updateTitle);
    connect(m_canvas, &MapCanvas::selectionChanged, this, &EditorScreen::selectionChanged);
    connect(m_canvas, &MapCanvas::placed, this, [this](course::Stacked element) {
        if (element.layer != course::Layer::Checkpoint)
            return;
        if (auto* line = m_elementForm->findChild<QWidget*>(QStringLiteral("line")))
            line->setFocus();  // a checkpoint is mostly its line: type it at once
    });
    documentChanged();
    selectionChanged();
    m_canvas->setHazardsMoving(true);
}

// The document goes before the widgets that show it: nothing it says on its
// way out reaches a window that is half gone.
EditorScreen::~EditorScreen()
{
    m_document->history()->disconnect(this);
    m_document->disconnect();
    m_canvas->disconnect(this);
    m_check->disconnect(this);
}

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

void EditorScreen::buildStageColumn()
{
    auto* column = new QWidget(centralWidget());
    column->setFixedWidth(kStageColumnWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_stageList = new QListWidget(column);
    m_stageList->setObjectName(QStringLiteral("stageList"));
    m_stageList->setToolTip(tr("ステージ：上から順に遊ぶ"));
    layout->addWidget(m_stageList);
    connect(m_stageList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != m_canvas->stage()) {
            m_canvas->setStage(row);
            documentChanged();
        }
    });
    struct Button {
        QString text;
        const char* name;
        QString tip;
        bool adds;  // a stage more: not beyond the most a pack holds
        std::function<int(Draft&, int)> edit;
    };
    const std::vector<Button> buttons{
        {tr("足す"), "addStage", tr("新しいステージを次に足す"), true, [](Draft& d, int at) {
             d.course.stages.insert(d.course.stages.begin() + at + 1, NewStage(at + 2));
             d.maps.insert(d.maps.begin() + at + 1, NewStageMap());
             return at + 1;
         }},
        {tr("複製"), "duplicateStage", tr("このステージを写して次に足す"), true, [](Draft& d, int at) {
             d.course.stages.insert(d.course.stages.begin() + at + 1, d.course.stages[static_cast<std::size_t>(at)]);
             d.maps.insert(d.maps.begin() + at + 1, d.maps[static_cast<std::size_t>(at)]);
             return at + 1;
         }},
        {tr("消す"), "removeStage", tr("このステージを消す"), false, [](Draft& d, int at) {
             if (d.course.stages.size() <= 1)
                 return at;
             d.course.stages.erase(d.course.stages.begin() + at);
             d.maps.erase(d.maps.begin() + at);
             return std::max(0, at - 1);
         }},
        {tr("上へ"), "stageUp", tr("このステージを前に"), false, [](Draft& d, int at) {
             if (at == 0)
                 return at;
             std::swap(d.course.stages[static_cast<std::size_t>(at)], d.course.stages[static_cast<std::size_t>(at - 1)]);
             std::swap(d.maps[static_cast<std::size_t>(at)], d.maps[static_cast<std::size_t>(at - 1)]);
             return at - 1;
         }},
        {tr("下へ"), "stageDown", tr("このステージを後に"), false, [](Draft& d, int at) {
             if (at + 1 >= d.course.stageCount())
                 return at;
             std::swap(d.course.stages[static_cast<std::size_t>(at)], d.course.stages[static_cast<std::size_t>(at + 1)]);
             std::swap(d.maps[static_cast<std::size_t>(at)], d.maps[static_cast<std::size_t>(at + 1)]);
             return at + 1;
         }},
    };
    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    for (const Button& b : buttons) {
        auto* button = new QPushButton(b.text, column);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(b.tip);
        const int at = grid->count();
        grid->addWidget(button, at / 3, at % 3);  // adding and removing above, moving below
        connect(button, &QPushButton::clicked, this, [this, b] { editStages(b.tip, b.adds, b.edit); });
    }
    layout->addLayout(grid);
    buildCheckPanel(column);
}

void EditorScreen::buildCheckPanel(QWidget* column)
{
    m_checkStatus = new QLabel(tr("チェック中…"), column);
    m_checkStatus->setObjectName(QStringLiteral("checkStatus"));
    m_checkStatus->setToolTip(tr("このステージが遊べるか：変えるたびに、たこ・さるとハザードでたしかめる"));
    m_checkStatus->setMargin(4);
    m_checkStatus->setWordWrap(true);
    m_problems = new QListWidget(column);
    m_problems->setObjectName(QStringLiteral("problems"));
    m_problems->setToolTip(tr("見つかった問題：クリックすると、そのマークか場所を地図で示す"));
    m_problems->setWordWrap(true);
    m_problems->setMinimumHeight(180);
    auto* layout = static_cast<QVBoxLayout*>(column->layout());
    layout->addWidget(m_checkStatus);
    layout->addWidget(m_problems, 1);
    connect(m_problems, &QListWidget::currentRowChanged, this, &EditorScreen::findingChosen);
}

void EditorScreen::showCheck(const CheckResult& result)
{
    if (result.stage != m_canvas->stage())
        return;  // the maker has gone to another stage meanwhile; its own check is on its way
    m_canvas->showCheck(result);
    const int problems = static_cast<int>(result.findings.size());
    m_checkStatus->setText(result.playable ? tr("遊べる：ルートは青 (たこ) とオレンジ (さる)") : tr("遊べない：問題 %1 件").arg(std::max(problems, 1)));
    look::Paint(m_checkStatus, result.playable ? kPlayable : kNotPlayable, Qt::white);
    m_findings = result.findings;
    const QSignalBlocker quiet(m_problems);
    m_problems->clear();
    for (const Finding& f : m_findings)
        m_problems->addItem(f.text);
}

void EditorScreen::findingChosen(int row)
{
    if (row < 0 || row >= static_cast<int>(m_findings.size()))
        return;
    const Finding& f = m_findings[static_cast<std::size_t>(row)];
    if (f.element)
        m_canvas->select(f.element);
    if (f.place)
        m_canvas->pointAt(*f.place);
}

void EditorScreen::editStages(const QString& what, bool adds, const std::function<int(Draft&, int)>& edit)
{
    if (adds && m_document->course().stageCount() >= course::kMaxStages)
        return;
    int shown = m_canvas->stage();
    m_document->change(what, 0, [&](Draft& d) {
        shown = edit(d, shown);
        KeepEndingScoreLast(d.course);
    });
    m_canvas->setStage(shown);
    documentChanged();
}

void EditorScreen::buildSidePanel()
{
    m_side = new QTabWidget(centralWidget());
    m_side->setObjectName(QStringLiteral("sidePanel"));
    m_side->setFixedWidth(kSideWidth);
    m_elementForm = new PropertyForm(*m_document, m_side);
    m_elementForm->setObjectName(QStringLiteral("elementForm"));
    m_stageForm = new PropertyForm(*m_document, m_side);
    m_stageForm->setObjectName(QStringLiteral("stageForm"));
    m_packForm = new PropertyForm(*m_document, m_side);
    m_packForm->setObjectName(QStringLiteral("packForm"));
    BuildPackForm(*m_packForm);

    auto* stagePage = new QWidget(m_side);
    auto* stageLayout = new QVBoxLayout(stagePage);
    stageLayout->addWidget(m_stageForm);
    m_stacking = new QListWidget(stagePage);
    m_stacking->setObjectName(QStringLiteral("stacking"));
    m_stacking->setToolTip(tr("重なりの順：上のマークがポインタを受ける。ドラッグで並べかえる"));
    m_stacking->setDragDropMode(QAbstractItemView::InternalMove);
    m_stacking->setMinimumHeight(140);
    stageLayout->addWidget(new QLabel(tr("重なり (上が手前)"), stagePage));
    stageLayout->addWidget(m_stacking);
    connect(m_stacking->model(), &QAbstractItemModel::rowsMoved, this, &EditorScreen::stackingMoved, Qt::QueuedConnection);
    connect(m_stacking, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_canvas->select(course::Stacked{static_cast<course::Layer>(item->data(kLayerRole).toInt()), item->data(kIndexRole).toInt()});
    });

    m_side->addTab(Scrolled(m_elementForm, m_side), tr("マーク"));
    m_side->addTab(Scrolled(stagePage, m_side), tr("ステージ"));
    m_side->addTab(Scrolled(m_packForm, m_side), tr("パック"));
}

void EditorScreen::documentChanged()
{
    showStages();
    showStacking();
    if (m_stageFormFor != m_canvas->stage()) {
        m_stageFormFor = m_canvas->stage();
        BuildStageForm(*m_stageForm, m_stageFormFor);
    } else {
        m_stageForm->reload();
    }
    m_packForm->reload();
    rebuildElementForm();
    updateTitle();
    if (m_check) {
        m_check->request(m_document->draft(), m_document->place(), m_canvas->stage());
        m_checkStatus->setText(tr("チェック中…"));
        look::Paint(m_checkStatus, palette().color(QPalette::Window), palette().color(QPalette::WindowText));
    }
}

void EditorScreen::showStages()
{
    const course::Course& c = m_document->course();
    const QSignalBlocker quiet(m_stageList);
    while (m_stageList->count() > c.stageCount())
        delete m_stageList->takeItem(m_stageList->count() - 1);
    for (int i = 0; i < c.stageCount(); ++i) {
        const QString text = QStringLiteral("%1. %2").arg(i + 1).arg(c.stage(i + 1).name.shown());
        if (i >= m_stageList->count())
            m_stageList->addItem(text);
        else if (m_stageList->item(i)->text() != text)
            m_stageList->item(i)->setText(text);
    }
    m_stageList->setCurrentRow(m_canvas->stage());
}

void EditorScreen::showStacking()
{
    const course::Stage& stage = m_document->course().stages.at(static_cast<std::size_t>(m_canvas->stage()));
    const QSignalBlocker quiet(m_stacking);
    m_stacking->clear();
    for (auto it = stage.stacking.rbegin(); it != stage.stacking.rend(); ++it) {
        auto* item = new QListWidgetItem(Describe(stage, *it), m_stacking);
        item->setData(kLayerRole, static_cast<int>(it->layer));
        item->setData(kIndexRole, it->index);
        const std::optional<course::Stacked>& chosen = m_canvas->selected();
        if (chosen && chosen->layer == it->layer && chosen->index == it->index)
            m_stacking->setCurrentItem(item);
    }
}

void EditorScreen::stackingMoved()
{
    std::vector<course::Stacked> order;
    for (int row = m_stacking->count() - 1; row >= 0; --row) {
        const QListWidgetItem* item = m_stacking->item(row);
        order.push_back({static_cast<course::Layer>(item->data(kLayerRole).toInt()), item->data(kIndexRole).toInt()});
    }
    const int stage = m_canvas->stage();
    m_document->change(tr("重なりを変える"), 0, [&](Draft& d) { d.course.stages[static_cast<std::size_t>(stage)].stacking = order; });
}

void EditorScreen::selectionChanged()
{
    if (m_canvas->selected())
        m_side->setCurrentIndex(0);
    showStacking();
    rebuildElementForm();
}

void EditorScreen::rebuildElementForm()
{
    const std::optional<course::Stacked>& chosen = m_canvas->selected();
    const course::Stage& stage = m_document->course().stages.at(static_cast<std::size_t>(m_canvas->stage()));
    QString builtFor;  // the fields a form has depend on these only
    if (chosen) {
        const bool hazard = chosen->layer == course::Layer::Hazard;
        builtFor = QStringLiteral("%1:%2:%3:%4").arg(m_canvas->stage()).arg(static_cast<int>(chosen->layer)).arg(chosen->index)
                       .arg(hazard ? static_cast<int>(stage.hazards[static_cast<std::size_t>(chosen->index)].kind) : -1);
    }
    if (builtFor == m_builtFor) {
        m_elementForm->reload();
        return;
    }
    m_builtFor = builtFor;
    if (chosen) {
        BuildElementForm(*m_elementForm, m_canvas->stage(), *chosen);
    } else {
        m_elementForm->clear();
        m_elementForm->addHeading(tr("マークを選ぶと、ここで変えられる"));
    }
}

void EditorScreen::updateTitle()
{
    const QString name = QDir(m_document->place().folder).dirName();
    setWindowTitle(tr("コースエディタ — %1").arg(name) + (m_document->unsaved() ? QStringLiteral(" *") : QString()));
}

bool EditorScreen::save()
{
    const QString problem = m_document->save();
    if (!problem.isEmpty()) {
        statusBar()->showMessage(tr("保存できなかった：%1").arg(problem));
        look::ShowNotice(this, tr("パックを保存できなかったよ（何も書いていない）：\n%1").arg(problem));
        return false;
    }
    const course::Pack written = course::LoadPack(m_document->place().folder);
    statusBar()->showMessage(written.ok() ? tr("保存した：%1").arg(written.folder)
                                          : tr("作りかけとして保存した：%1").arg(written.problems.value(0)));
    updateTitle();
    Q_EMIT saved(m_document->place().folder);
    return true;
}

bool EditorScreen::test()
{
    const int stage = m_canvas->stage();
    const int level = m_testLevel->currentIndex() + 1;
    course::Course tried = m_document->course();
    course::Stage& s = tried.stages.at(static_cast<std::size_t>(stage));
    const StageMap& map = m_document->draft().maps.at(static_cast<std::size_t>(stage));
    const std::optional<course::Stacked>& chosen = m_canvas->selected();
    const int from = chosen && chosen->layer == course::Layer::Checkpoint ? chosen->index : course::kFromStart;
    QString why;
    if (!s.ownStart() || !s.liveGoal())
        why = tr("テストには、ステージのスタートと本物のゴールがいる");
    else if (from != course::kFromStart && !course::PracticePoint(s, map.pixels, level, from))
        why = tr("このチェックポイントからは始められない (一度だけ話すもので、道の上に安全な点があること)");
    if (map.painted()) {  // the play screen reads its map from a file: the one painted, not yet saved
        if (!m_testMaps)
            m_testMaps = std::make_unique<QTemporaryDir>();
        s.map = m_testMaps->filePath(QStringLiteral("stage%1.png").arg(stage + 1));
        if (why.isEmpty() && !map.pixels.save(s.map, "PNG"))
            why = tr("テストの地図を書けない：%1").arg(s.map);
    }
    if (!why.isEmpty()) {
        statusBar()->showMessage(why);
        return false;
    }
    Q_EMIT testRequested(tried, level, stage + 1, from);
    return true;
}

void EditorScreen::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    const std::map<int, QPoint> arrows{{Qt::Key_Left, {-step, 0}}, {Qt::Key_Right, {step, 0}}, {Qt::Key_Up, {0, -step}}, {Qt::Key_Down, {0, step}}};
    if (const auto it = arrows.find(event->key()); it != arrows.end() && m_canvas->selected()) {
        m_canvas->nudgeSelected(it->second);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void EditorScreen::closeEvent(QCloseEvent* event)
{
    if (m_closing || !m_document->changedSinceSave()) {
        event->accept();
        Q_EMIT closed();
        return;
    }
    event->ignore();
    askBeforeClosing();
}

void EditorScreen::askBeforeClosing()
{
    if (m_asking)
        return;
    m_asking = new QMessageBox(QMessageBox::Question, tr("コースエディタ"), tr("保存していない変更がある。保存する？"),
                               QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    m_asking->setObjectName(QStringLiteral("unsavedQuestion"));
    m_asking->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_asking, &QMessageBox::finished, this, [this](int answer) {
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save()))
            return;
        m_closing = true;
        close();
    });
    m_asking->open();
}

}  // namespace editor
