// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The editor's panels beside the map: the stages and the live check on the
// left, the mark, the stage with its stacking and the pack on the right.

#include "editor/EditorDocument.h"
#include "editor/EditorScreen.h"
#include "editor/Forms.h"
#include "editor/PropertyForm.h"
#include "rules/CoursePack.h"
#include "widgets/Look.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace editor {

namespace {

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

QWidget* Scrolled(QWidget* inside, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setWidget(inside);
    area->setWidgetResizable(true);
    return area;
}

}  // namespace

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

}  // namespace editor
