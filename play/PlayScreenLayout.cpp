// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The play screen's layout: every element where the layout puts it.

#include "play/DrawnHero.h"
#include "play/GhostRace.h"
#include "play/PlayScreen.h"
#include "rules/MapMarks.h"
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

}  // namespace

PlayScreen::PlayScreen(HighScoreTable& table, int level, int stage, int lives, QWidget* parent)
    : QWidget(parent), m_table(table), m_session(new GameSession(level, stage, lives, this))
{
    setAttribute(Qt::WA_DeleteOnClose);  // closing discards the screen, its session and their timers
    buildLayout();
    connectEvents();
    showSession();
    m_ghostRace = new GhostRace(*this, m_table);
    qApp->installEventFilter(this);  // key preview: the window sees every key first
}

PlayScreen::~PlayScreen() = default;

void PlayScreen::buildLayout()
{
    setWindowTitle(QStringLiteral("Pokurimo"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.ico")));
    look::MakeFixedWindow(this, 439, 439);

    courseMap = new MapBox(Twips(0, 0, 4560, 4560), this);
    courseMap->setPicture(Picture("map_placeholder.bmp"));
    buildMapMarks();

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
    look::FitWidth(stageBox, stage::StageName(2));  // the Gothic here runs wider than the layout's own font
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

// The marks inside the map, from the bottom of the stacking order to its top.
void PlayScreen::buildMapMarks()
{
    QWidget* map = courseMap->surface();
    auto mark = [map](int index, const QRect& r, const char* name) {
        auto* m = new MapMark(index, r, map);
        m->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
        return m;
    };
    auto msg = [&](int i) { checkpoints[i] = mark(i, marks::kCheckpointAreas[i].px(), "checkpoints"); };

    for (int i : {0, 1, 2, 3})
        msg(i);
    goalMarks[0] = mark(0, marks::kGoal[0].px(), "goalMarks");
    for (int i = 4; i <= 11; ++i)
        msg(i);
    rain = mark(0, marks::kRain.px(), "rain");
    rain->setObjectName(QStringLiteral("rain"));  // the one mark that is not an array
    for (int i = 12; i <= 15; ++i)
        msg(i);
    riverStrips[0] = mark(0, marks::kRiver[0].px(), "riverStrips");
    riverStrips[1] = mark(1, marks::kRiver[1].px(), "riverStrips");
    bridgePieces[0] = mark(0, marks::kBridge[0].px(), "bridgePieces");
    bridgePieces[1] = mark(1, marks::kBridge[1].px(), "bridgePieces");
    bridgePieces[2] = mark(2, marks::kBridge[2].px(), "bridgePieces");
    msg(16);
    msg(17);
    goalMarks[1] = mark(1, marks::kGoal[1].px(), "goalMarks");
    leftLaneTaxis[0] = mark(0, marks::kLeftLaneTaxis[0].px(), "leftLaneTaxis");
    leftLaneTaxis[1] = mark(1, marks::kLeftLaneTaxis[1].px(), "leftLaneTaxis");
    leftLaneTaxis[2] = mark(2, marks::kLeftLaneTaxis[2].px(), "leftLaneTaxis");
    rightLaneTaxis[0] = mark(0, marks::kRightLaneTaxis[0].px(), "rightLaneTaxis");
    rightLaneTaxis[1] = mark(1, marks::kRightLaneTaxis[1].px(), "rightLaneTaxis");
    roadWorks[0] = mark(0, marks::kRoadWorks[0].px(), "roadWorks");
    roadWorks[1] = mark(1, marks::kRoadWorks[1].px(), "roadWorks");
    startZones[1] = mark(1, marks::kStart[1].px(), "startZones");
    startZones[0] = mark(0, marks::kStart[0].px(), "startZones");

    roadWorks[0]->setPicture(Picture("road0.bmp"));
    roadWorks[1]->setPicture(Picture("road1.bmp"));
    for (MapMark* car : leftLaneTaxis)
        car->setPicture(Picture("car1.bmp"));
    for (MapMark* car : rightLaneTaxis)
        car->setPicture(Picture("car2.bmp"));
    rain->setPicture(Picture("rain.bmp"));
    riverStrips[0]->setPicture(Picture("river0.bmp"));
    riverStrips[1]->setPicture(Picture("river1.bmp"));

    for (MapMark* hazard : stage2Hazards())
        hazard->hide();
}

std::array<MapMark*, 13> PlayScreen::stage2Hazards() const
{
    return {roadWorks[0], roadWorks[1], leftLaneTaxis[0], leftLaneTaxis[1], leftLaneTaxis[2], rightLaneTaxis[0], rightLaneTaxis[1],
            rain,    riverStrips[0], riverStrips[1], bridgePieces[0], bridgePieces[1], bridgePieces[2]};
}

void PlayScreen::loadPictures()
{
    for (std::size_t i = 1; i < m_faces.size(); ++i)
        m_faces[i] = Picture(QStringLiteral("face%1.bmp").arg(i));
    m_plank = Picture("plank.bmp");
    m_openWater = Picture("water.bmp");
    m_heroIcon = Picture("pipo.ico");
    // The pieces carry the very picture that marks a plank.
    for (MapMark* piece : bridgePieces)
        piece->setPicture(m_plank);

    focusKeeper = new QLineEdit(QStringLiteral("focusKeeper"), this);
    focusKeeper->setGeometry(Twips(720, 6720, 150, 375));
    focusKeeper->setAttribute(Qt::WA_InputMethodEnabled, false);  // the space key must reach the window
}

// Each element's events go to the procedure named after it.
void PlayScreen::connectEvents()
{
    auto onMove = [this](MapMark* m, void (PlayScreen::*handler)(int)) {
        connect(m, &MapMark::moved, this, [this, handler](int index) { (this->*handler)(index); });
    };
    for (MapMark* m : startZones)
        connect(m, &MapMark::clicked, this, &PlayScreen::startRun);
    for (MapMark* m : goalMarks)
        onMove(m, &PlayScreen::reachGoal);
    for (MapMark* m : checkpoints)
        onMove(m, &PlayScreen::reachCheckpoint);
    for (MapMark* m : leftLaneTaxis)
        connect(m, &MapMark::clicked, this, &PlayScreen::clickLeftLaneTaxi);
    for (MapMark* m : rightLaneTaxis)
        onMove(m, &PlayScreen::touchRightLaneTaxi);
    for (MapMark* m : riverStrips)
        onMove(m, &PlayScreen::touchRiver);
    for (MapMark* m : bridgePieces)
        onMove(m, &PlayScreen::touchBridge);
    connect(rain, &MapMark::moved, this, [this] { touchRain(); });
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
            [this](int stage) { stageBox->setText(stage::StageName(stage)); });
    connect(m_session, &GameSession::livesChanged, this, number(lifeBox));
    connect(m_session, &GameSession::timeChanged, this, number(timeBox));
    connect(m_session, &GameSession::timeRanOut, this, &PlayScreen::timeUp);
    connect(m_session, &GameSession::taxisMoved, this, &PlayScreen::showTaxis);
    connect(m_session, &GameSession::rainMoved, rain, &MapMark::setTop);
    connect(m_session, &GameSession::bridgeTurned, this, &PlayScreen::showBridge);
}
