// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The play screen's layout: every element where the layout puts it.

#include "play/DrawnHero.h"
#include "play/GhostRace.h"
#include "play/PlayScreen.h"
#include "rules/MapPicture.h"
#include "rules/StageRules.h"
#include "widgets/Look.h"
#include "widgets/Widgets.h"

#include "game/GameSession.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using look::Twips;

namespace {

QPixmap Picture(const QString& name)
{
    return QPixmap(QStringLiteral(":/pictures/") + name);
}

// A value box of the status column: black, white text, a thin sunken border.
QLabel* MakeValueBox(QWidget* parent, const QRect& geometry, Qt::Alignment horizontal)
{
    QLabel* box = MakeLabel(parent, geometry, QString(), look::k12pt, horizontal);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(1);
    look::Paint(box, Qt::black, Qt::white);
    return box;
}

// A caption of the status column, on the standard button-face colour.
QLabel* MakeCaption(QWidget* parent, const QRect& geometry, const QString& text, const QColor& colour)
{
    QLabel* caption = MakeLabel(parent, geometry, text, look::k12pt);
    look::Paint(caption, QApplication::palette().color(QPalette::Button), colour);
    return caption;
}

// The stage name that runs widest: the box's font fits it (the Gothic here
// runs wider than the layout's own font).
QString LongestStageName(const course::Course& course, const QFontMetrics& metrics)
{
    QString longest;
    for (const course::Stage& stage : course.stages) {
        const QString name = stage.name.shown();
        if (metrics.horizontalAdvance(name) > metrics.horizontalAdvance(longest))
            longest = name;
    }
    return longest;
}

}  // namespace

PlayScreen::PlayScreen(HighScoreTable& table, const course::Course& course, int level, int stage, int lives,
                       QWidget* parent)
    : PlayScreen(table, course, level, stage, lives, game::RunMode::Play, parent)
{
}

PlayScreen::PlayScreen(HighScoreTable& table, const course::Course& course, int level, int stage, int lives, game::RunMode mode,
                       QWidget* parent)
    : QWidget(parent), m_table(table), m_session(new GameSession(course, level, stage, lives, this, mode))
{
    setAttribute(Qt::WA_DeleteOnClose);  // closing discards the screen, its session and their timers
    buildLayout();
    connectEvents();
    showSession();
    m_ghostRace = new GhostRace(*this, m_table);
    qApp->installEventFilter(this);  // key preview: the window sees every key first
}

PlayScreen::PlayScreen(HighScoreTable& table, int level, int stage, int lives, QWidget* parent)
    : PlayScreen(table, course::BuiltIn(), level, stage, lives, parent)
{
}

PlayScreen::~PlayScreen() = default;

void PlayScreen::buildLayout()
{
    setWindowTitle(QStringLiteral("Pokurimo"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.ico")));
    look::MakeFixedWindow(this, 439, 439);

    courseMap = new MapBox(Twips(0, 0, 4560, 4560), this);
    courseMap->setPicture(Picture("map_placeholder.bmp"));
    buildStageMarks();

    clearPicture = new PictureBox(Twips(840, 720, 3060, 3060), true, this);
    clearPicture->setPicture(Picture("clear.bmp"));
    clearPicture->hide();

    buildStatusColumn();
    buildDialogue();
    loadPictures();
    m_hero = new DrawnHero(this);  // the last child: drawn above everything

    setTabOrder(courseMap, faceBox);
    setTabOrder(faceBox, backToTitleButton);
    setTabOrder(backToTitleButton, versionButton);
    setTabOrder(versionButton, focusKeeper);
    courseMap->setFocus();
}

void PlayScreen::buildStatusColumn()
{
    stageCaption = MakeCaption(this, Twips(4680, 0, 825, 240), tr("STAGE"), QColor(0, 255, 255));
    stageBox = MakeValueBox(this, Twips(4680, 240, 1815, 615), Qt::AlignLeft);
    look::FitWidth(stageBox, LongestStageName(m_session->course(), stageBox->fontMetrics()));
    levelCaption = MakeCaption(this, Twips(4680, 960, 780, 240), tr("LEVEL"), QColor(255, 255, 0));
    levelBox = MakeValueBox(this, Twips(4680, 1200, 1815, 375), Qt::AlignLeft);
    timeCaption = MakeCaption(this, Twips(4680, 1680, 585, 240), tr("TIME"), QColor(255, 128, 255));
    timeBox = MakeValueBox(this, Twips(4680, 1920, 1815, 375), Qt::AlignRight);
    lifeCaption = MakeCaption(this, Twips(4680, 2400, 540, 240), tr("LIFE"), QColor(0, 255, 0));
    lifeBox = MakeValueBox(this, Twips(4680, 2640, 1815, 375), Qt::AlignRight);
    versionButton = MakeButton(this, Twips(4680, 3360, 1815, 495), tr("バージョン"), look::k12pt);
    backToTitleButton = MakeButton(this, Twips(4680, 3960, 1815, 495), tr("タイトルへ"), look::k12pt);
}

void PlayScreen::buildDialogue()
{
    dialogueText = MakeValueBox(this, Twips(0, 4560, 4545, 2010), Qt::AlignLeft);
    look::Paint(dialogueText, Qt::white, Qt::black);
    dialogueText->setWordWrap(true);

    nextHint = new ClickLabel(tr("Click or SpaceKey to Next"), this);
    nextHint->setGeometry(Twips(1800, 6240, 2625, 195));
    nextHint->setFont(look::CaptionFont(look::k9_75pt));
    nextHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::PaintText(nextHint, QColor(0, 0, 255));

    faceBox = new PictureBox(Twips(4560, 4560, 2010, 2010), true, this);
    faceBox->setFocusPolicy(Qt::TabFocus);
}

MapMark* PlayScreen::addMark(const char* list, int index, const QRect& rect)
{
    auto* mark = new MapMark(index, rect, courseMap->surface());
    mark->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(list)).arg(index));
    mark->show();
    connect(mark, &MapMark::clicked, this, [this, mark](int, QPointF at) { clickOnMap(mark->geometry().topLeft() + at.toPoint()); });
    return mark;
}

// The pictures of the stage's elements on the map, from the bottom of its
// stacking order to its top; those of the stage before go. A move or a
// click on one is judged by the session's scene, not by the picture. A mark's signal may be what brought
// the new stage, so the old marks leave once the event loop has them back.
void PlayScreen::buildStageMarks()
{
    for (MapMark* old : courseMap->surface()->findChildren<MapMark*>(Qt::FindDirectChildrenOnly)) {
        old->hide();
        old->setObjectName(QString());
        old->deleteLater();
    }
    const course::Stage& stage = m_session->stageCourse();
    m_marksStage = m_session->stage();
    startZones.assign(stage.starts.size(), nullptr);
    goalMarks.assign(stage.goals.size(), nullptr);
    checkpoints.assign(stage.checkpoints.size(), nullptr);
    covers.assign(stage.covers.size(), nullptr);
    hazards.assign(stage.hazards.size(), {});

    for (const course::Stacked& e : stage.stacking) {
        const auto i = static_cast<std::size_t>(e.index);
        switch (e.layer) {
        case course::Layer::Start:
            startZones[i] = addMark("startZones", e.index, stage.starts[i].rect);
            break;
        case course::Layer::Goal:
            goalMarks[i] = addMark("goalMarks", e.index, stage.goals[i].rect);
            break;
        case course::Layer::Checkpoint:
            checkpoints[i] = addMark("checkpoints", e.index, stage.checkpoints[i].rect);
            break;
        case course::Layer::Cover:
            covers[i] = addMark("covers", e.index, stage.covers[i].rect);
            covers[i]->setPicture(QPixmap::fromImage(course::ReadMarkPicture(stage.covers[i].picture)));
            covers[i]->hide();
            break;
        case course::Layer::Hazard:
            buildHazardMarks(stage.hazards[i], e.index);
            break;
        }
    }
}

void PlayScreen::buildHazardMarks(const course::Hazard& hazard, int index)
{
    HazardMarks& shown = hazards[static_cast<std::size_t>(index)];
    shown.look = QPixmap::fromImage(course::ReadMarkPicture(hazard.picture));
    shown.openLook = QPixmap::fromImage(course::ReadMarkPicture(hazard.openPicture));
    const std::vector<QRect> pieces = hazard.pieces.empty() ? std::vector<QRect>{hazard.rect} : hazard.pieces;
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        MapMark* mark = addMark("hazards", index, pieces[p]);
        if (pieces.size() > 1)
            mark->setObjectName(QStringLiteral("hazards(%1.%2)").arg(index).arg(p));
        mark->setPicture(shown.look);  // a bridge piece carries the very picture that marks a plank
        mark->hide();
        shown.marks.push_back(mark);
    }
}

std::vector<MapMark*> PlayScreen::coversAndHazards() const
{
    std::vector<MapMark*> all(covers.begin(), covers.end());
    for (const HazardMarks& h : hazards)
        all.insert(all.end(), h.marks.begin(), h.marks.end());
    return all;
}

void PlayScreen::loadPictures()
{
    for (std::size_t i = 1; i < m_faces.size(); ++i)
        m_faces[i] = Picture(QStringLiteral("face%1.bmp").arg(i));
    m_heroIcon = Picture("pipo.ico");

    focusKeeper = new QLineEdit(QStringLiteral("focusKeeper"), this);
    focusKeeper->setGeometry(Twips(720, 6720, 150, 375));
    focusKeeper->setAttribute(Qt::WA_InputMethodEnabled, false);  // the space key must reach the window
}

// The screen's own elements' events go to the procedures named after them; the marks' are connected as they are built.
void PlayScreen::connectEvents()
{
    connect(courseMap, &MapBox::moved, this, &PlayScreen::moveOnMap);
    connect(courseMap, &MapBox::left, this, &PlayScreen::pointerLeftMap);
    connect(nextHint, &ClickLabel::clicked, this, &PlayScreen::askForNextLine);
    connect(backToTitleButton, &QPushButton::clicked, this, &PlayScreen::backToTitle);
    connect(versionButton, &QPushButton::clicked, this, &PlayScreen::showVersion);
}

void PlayScreen::showSession()
{
    auto number = [](QLabel* box) { return [box](int value) { box->setText(QString::number(value)); }; };
    levelBox->setText(stage::LevelName(m_session->level()));
    lifeBox->setText(QString::number(m_session->lives()));
    connect(m_session, &GameSession::stageChanged, this,
            [this](int stage) { stageBox->setText(m_session->course().stage(stage).name.shown()); });
    connect(m_session, &GameSession::livesChanged, this, number(lifeBox));
    connect(m_session, &GameSession::timeChanged, this, number(timeBox));
    connect(m_session, &GameSession::runStarted, this, &PlayScreen::showRunStart);
    connect(m_session, &GameSession::checkpointReached, this, &PlayScreen::showCheckpoint);
    connect(m_session, &GameSession::missed, this, &PlayScreen::showMiss);
    connect(m_session, &GameSession::attemptOver, this, &PlayScreen::beginAttempt);
    connect(m_session, &GameSession::gameOver, this, [this] { close(); });  // the game is over; closing brings the title back
    connect(m_session, &GameSession::goalReached, this, &PlayScreen::showGoal);
    connect(m_session, &GameSession::hazardsShown, this, &PlayScreen::showCoversAndHazards);
    connect(m_session, &GameSession::hazardMoved, this, &PlayScreen::showHazard);
}
