// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "title/PracticeChooser.h"

#include "game/AppFolder.h"
#include "game/CourseShelf.h"
#include "game/HighScoreTable.h"
#include "game/PracticeRecords.h"
#include "rules/MapPicture.h"
#include "rules/Practice.h"
#include "widgets/Look.h"
#include "widgets/Widgets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int kMapView = 150;  // the map at half its size
}

PracticeChooser::PracticeChooser(CourseShelf& shelf, QWidget* parent) : QDialog(parent), m_shelf(shelf)
{
    buildLayout();
    listPlaces();
}

void PracticeChooser::buildLayout()
{
    setWindowTitle(tr("れんしゅう"));
    m_easyOption = new QRadioButton(tr("たこ", "the easy level, in a narrow box"), this);
    m_hardOption = new QRadioButton(tr("さる", "the hard level, in a narrow box"), this);
    m_easyOption->setChecked(true);
    m_stageChooser = new QComboBox(this);
    for (const course::Stage& stage : m_shelf.course().stages)
        m_stageChooser->addItem(stage.name.shown());
    m_placeList = new QListWidget(this);
    m_mapView = new QLabel(this);
    m_mapView->setFixedSize(kMapView, kMapView);
    m_best = new QLabel(this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* begin = buttons->addButton(tr("はじめる"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("やめる"), QDialogButtonBox::RejectRole);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_easyOption, 0, 0);
    layout->addWidget(m_hardOption, 0, 1);
    layout->addWidget(m_stageChooser, 1, 0, 1, 2);
    layout->addWidget(m_placeList, 2, 0, 1, 2);
    layout->addWidget(m_mapView, 0, 2, 3, 1, Qt::AlignTop);
    layout->addWidget(m_best, 3, 0, 1, 3);
    layout->addWidget(buttons, 4, 0, 1, 3);
    NameElements({{m_easyOption, "easyOption"}, {m_hardOption, "hardOption"}, {m_stageChooser, "stageChooser"},
                  {m_placeList, "placeList"}, {m_mapView, "mapView"}, {m_best, "best"}, {begin, "beginButton"},
                  {cancel, "cancelButton"}});
    for (QRadioButton* option : {m_easyOption, m_hardOption})
        connect(option, &QRadioButton::toggled, this, [this](bool on) { if (on) listPlaces(); });
    connect(m_stageChooser, &QComboBox::currentIndexChanged, this, &PracticeChooser::listPlaces);
    connect(m_placeList, &QListWidget::currentRowChanged, this, &PracticeChooser::showPlace);
    connect(m_placeList, &QListWidget::itemActivated, this, &PracticeChooser::begin);
    connect(buttons, &QDialogButtonBox::accepted, this, &PracticeChooser::begin);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int PracticeChooser::level() const
{
    return m_hardOption->isChecked() ? 2 : 1;
}

int PracticeChooser::stage() const
{
    return m_stageChooser->currentIndex() + 1;
}

int PracticeChooser::from() const
{
    const int row = m_placeList->currentRow();
    return row >= 0 && row < static_cast<int>(m_places.size()) ? m_places[static_cast<std::size_t>(row)] : course::kFromStart;
}

void PracticeChooser::listPlaces()
{
    const course::Stage& described = m_shelf.course().stage(stage());
    m_map = course::ReadMap(game::MapFile(described.map));
    m_places = {course::kFromStart};
    for (int index : course::PracticeCheckpoints(described, m_map, level()))
        m_places.push_back(index);
    const QSignalBlocker quiet(m_placeList);
    m_placeList->clear();
    for (int place : m_places) {
        if (place == course::kFromStart) {
            m_placeList->addItem(tr("スタート"));
            continue;
        }
        const QString line = described.checkpoints[static_cast<std::size_t>(place)].line.shown();
        m_placeList->addItem(tr("チェックポイント %1・%2").arg(place).arg(line.isEmpty() ? tr("（ひとことなし）") : line));
    }
    m_placeList->setCurrentRow(0);
    showPlace();
}

void PracticeChooser::showPlace()
{
    const course::Stage& described = m_shelf.course().stage(stage());
    QPoint at = described.ownStart() ? described.ownStart()->point : QPoint();
    if (from() != course::kFromStart)
        at = course::PracticePoint(described, m_map, level(), from()).value_or(at);
    QImage view = m_map.isNull() ? QImage(course::kMapSize, course::kMapSize, QImage::Format_RGB32) : m_map.convertToFormat(QImage::Format_RGB32);
    QPainter p(&view);
    p.setPen(QPen(QColor(230, 0, 0), 3));
    p.drawEllipse(at, 9, 9);
    p.end();
    m_mapView->setPixmap(QPixmap::fromImage(view.scaled(kMapView, kMapView, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    const std::optional<int> best = game::BestPracticeTime({m_shelf.table().group(), level(), stage(), from()});
    m_best->setText(best ? tr("ベスト %1秒").arg(*best) : tr("ベスト なし"));
}

void PracticeChooser::begin()
{
    Q_EMIT practiceChosen(level(), stage(), from());
    accept();
}
