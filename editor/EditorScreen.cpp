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

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>

namespace editor {

namespace {

// As large as the map at twice its size needs, but never larger than the
// screen: on a small one the map scrolls.
void FitOnScreen(QWidget* window, QSize wanted)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() - QSize(16, 48) : wanted;  // the frame's share
    window->resize(wanted.boundedTo(room));
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

// The document, the canvas and the check outlive this part of the window as
// its children: nothing they say on their way out reaches it half gone.
EditorScreen::~EditorScreen()
{
    m_document->history()->disconnect(this);
    m_document->disconnect();
    m_canvas->disconnect(this);
    m_check->disconnect(this);
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
