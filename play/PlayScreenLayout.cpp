// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The play screen's layout: every element where the layout puts it.

#include "play/DrawnHero.h"
#include "play/GhostRace.h"
#include "play/PlayScreen.h"
#include "rules/MapPicture.h"
#include "rules/StageRules.h"
#include "rules/TextFit.h"
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

// A value box of the status column: black, white text, a thin sunken border
// (the pack loader measures texts inside the same).
QLabel* MakeValueBox(QWidget* parent, const QRect& geometry, Qt::Alignment horizontal)
{
    QLabel* box = MakeLabel(parent, geometry, QString(), look::k12pt, horizontal);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(fit::TextBox::kFrame);
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
    m_ghostRace = new GhostRace(*this, m_table, m_courseMap->surface());
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

    m_courseMap = new MapBox(Twips(0, 0, 4560, 4560), this);
    m_courseMap->setPicture(Picture("map_placeholder.bmp"));
    buildStageMarks();

    m_clearPicture = new PictureBox(Twips(840, 720, 3060, 3060), true, this);
    m_clearPicture->setPicture(Picture("clear.bmp"));
    m_clearPicture->hide();
    m_medal = new PictureBox(QRect(212, 52, 44, 44), false, this);
    m_medal->hide();

    buildStatusColumn();
    buildDialogue();
    loadPictures();
    m_hero = new DrawnHero(this);  // the last child: drawn above everything
    NameElements({{m_courseMap, "courseMap"}, {m_clearPicture, "clearPicture"}, {m_medal, "medal"}, {m_faceBox, "faceBox"},
                  {m_stageBox, "stageBox"}, {m_levelBox, "levelBox"}, {m_timeBox, "timeBox"}, {m_lifeBox, "lifeBox"},
                  {m_backToTitleButton, "backToTitleButton"}, {m_versionButton, "versionButton"},
                  {m_dialogueText, "dialogueText"}, {m_nextHint, "nextHint"}, {m_focusKeeper, "focusKeeper"},
                  {m_hero, "drawnHero"}});

    setTabOrder(m_courseMap, m_faceBox);
    setTabOrder(m_faceBox, m_backToTitleButton);
    setTabOrder(m_backToTitleButton, m_versionButton);
    setTabOrder(m_versionButton, m_focusKeeper);
    m_courseMap->setFocus();
}

void PlayScreen::buildStatusColumn()
{
    MakeCaption(this, Twips(4680, 0, 825, 240), tr("STAGE"), QColor(0, 255, 255))->setObjectName(QStringLiteral("stageCaption"));
    m_stageBox = MakeValueBox(this, fit::kStageBox.geometry, Qt::AlignLeft);
    look::FitWidth(m_stageBox, LongestStageName(m_session->course(), m_stageBox->fontMetrics()));
    MakeCaption(this, Twips(4680, 960, 780, 240), tr("LEVEL"), QColor(255, 255, 0))->setObjectName(QStringLiteral("levelCaption"));
    m_levelBox = MakeValueBox(this, Twips(4680, 1200, 1815, 375), Qt::AlignLeft);
    MakeCaption(this, Twips(4680, 1680, 585, 240), tr("TIME"), QColor(255, 128, 255))->setObjectName(QStringLiteral("timeCaption"));
    m_timeBox = MakeValueBox(this, Twips(4680, 1920, 1815, 375), Qt::AlignRight);
    MakeCaption(this, Twips(4680, 2400, 540, 240), tr("LIFE"), QColor(0, 255, 0))->setObjectName(QStringLiteral("lifeCaption"));
    m_lifeBox = MakeValueBox(this, Twips(4680, 2640, 1815, 375), Qt::AlignRight);
    m_versionButton = MakeButton(this, Twips(4680, 3360, 1815, 495), tr("バージョン"), look::k12pt);
    m_backToTitleButton = MakeButton(this, Twips(4680, 3960, 1815, 495), tr("タイトルへ"), look::k12pt);
}

void PlayScreen::buildDialogue()
{
    m_dialogueText = MakeValueBox(this, fit::kDialogueBox.geometry, Qt::AlignLeft);
    look::Paint(m_dialogueText, Qt::white, Qt::black);
    m_dialogueText->setWordWrap(true);

    m_nextHint = new ClickLabel(tr("Click or SpaceKey to Next"), this);
    m_nextHint->setGeometry(Twips(1800, 6240, 2625, 195));
    m_nextHint->setFont(look::CaptionFont(look::k9_75pt));
    m_nextHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::PaintText(m_nextHint, QColor(0, 0, 255));

    m_faceBox = new PictureBox(Twips(4560, 4560, 2010, 2010), true, this);
    m_faceBox->setFocusPolicy(Qt::TabFocus);
}

MapMark* PlayScreen::addMark(const char* list, int index, const QRect& rect)
{
    auto* mark = new MapMark(index, rect, m_courseMap->surface());
    mark->setObjectName(ListedName(list, index));
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
    for (MapMark* old : m_courseMap->surface()->findChildren<MapMark*>(Qt::FindDirectChildrenOnly)) {
        old->hide();
        old->setObjectName(QString());
        old->deleteLater();
    }
    const course::Stage& stage = m_session->stageCourse();
    m_marksStage = m_session->stage();
    m_startZones.assign(stage.starts.size(), nullptr);
    m_goalMarks.assign(stage.goals.size(), nullptr);
    m_checkpoints.assign(stage.checkpoints.size(), nullptr);
    m_covers.assign(stage.covers.size(), nullptr);
    m_hazards.assign(stage.hazards.size(), {});

    for (const course::Stacked& e : stage.stacking) {
        const auto i = static_cast<std::size_t>(e.index);
        switch (e.layer) {
        case course::Layer::Start:
            m_startZones[i] = addMark("startZones", e.index, stage.starts[i].rect);
            break;
        case course::Layer::Goal:
            m_goalMarks[i] = addMark("goalMarks", e.index, stage.goals[i].rect);
            break;
        case course::Layer::Checkpoint:
            m_checkpoints[i] = addMark("checkpoints", e.index, stage.checkpoints[i].rect);
            break;
        case course::Layer::Cover:
            m_covers[i] = addMark("covers", e.index, stage.covers[i].rect);
            m_covers[i]->setPicture(QPixmap::fromImage(course::ReadMarkPicture(stage.covers[i].picture)));
            m_covers[i]->hide();
            break;
        case course::Layer::Hazard:
            buildHazardMarks(stage.hazards[i], e.index);
            break;
        }
    }
    markSigns();
}

void PlayScreen::buildHazardMarks(const course::Hazard& hazard, int index)
{
    HazardMarks& shown = m_hazards[static_cast<std::size_t>(index)];
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
    std::vector<MapMark*> all(m_covers.begin(), m_covers.end());
    for (const HazardMarks& h : m_hazards)
        all.insert(all.end(), h.marks.begin(), h.marks.end());
    return all;
}

void PlayScreen::loadPictures()
{
    for (std::size_t i = 1; i < m_faces.size(); ++i)
        m_faces[i] = Picture(QStringLiteral("face%1.bmp").arg(i));
    m_heroIcon = Picture("pipo.ico");

    m_focusKeeper = new QLineEdit(QStringLiteral("focusKeeper"), this);
    m_focusKeeper->setGeometry(Twips(720, 6720, 150, 375));
    m_focusKeeper->setAttribute(Qt::WA_InputMethodEnabled, false);  // the space key must reach the window
}

// The screen's own elements' events go to the procedures named after them; the marks' are connected as they are built.
void PlayScreen::connectEvents()
{
    connect(m_courseMap, &MapBox::moved, this, &PlayScreen::moveOnMap);
    connect(m_courseMap, &MapBox::left, this, &PlayScreen::pointerLeftMap);
    connect(m_nextHint, &ClickLabel::clicked, this, &PlayScreen::askForNextLine);
    connect(m_backToTitleButton, &QPushButton::clicked, this, &PlayScreen::backToTitle);
    connect(m_versionButton, &QPushButton::clicked, this, &PlayScreen::showVersion);
}

void PlayScreen::showSession()
{
    auto number = [](QLabel* box) { return [box](int value) { box->setText(QString::number(value)); }; };
    m_levelBox->setText(stage::LevelName(m_session->level()));
    m_lifeBox->setText(QString::number(m_session->lives()));
    connect(m_session, &GameSession::stageChanged, this,
            [this](int stage) { m_stageBox->setText(m_session->course().stage(stage).name.shown()); });
    connect(m_session, &GameSession::livesChanged, this, number(m_lifeBox));
    connect(m_session, &GameSession::timeChanged, this, number(m_timeBox));
    connect(m_session, &GameSession::runStarted, this, &PlayScreen::showRunStart);
    connect(m_session, &GameSession::checkpointReached, this, &PlayScreen::showCheckpoint);
    connect(m_session, &GameSession::missed, this, &PlayScreen::showMiss);
    connect(m_session, &GameSession::attemptOver, this, &PlayScreen::beginAttempt);
    connect(m_session, &GameSession::gameOver, this, [this] { close(); });  // the game is over; closing brings the title back
    connect(m_session, &GameSession::goalReached, this, &PlayScreen::showGoal);
    connect(m_session, &GameSession::hazardsShown, this, &PlayScreen::showCoversAndHazards);
    connect(m_session, &GameSession::hazardMoved, this, &PlayScreen::showHazard);
}
