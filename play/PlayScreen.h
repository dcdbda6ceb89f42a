// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The play screen: the course map with its marks and hazards, the status
// column, the dialogue box and the face box. The layout is built in
// PlayScreenLayout.cpp; what the screen does lives beside it, one file a
// concern, as the sections below name them.

#include "game/GameSession.h"
#include "rules/Course.h"
#include "rules/StageScene.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class ClickLabel;

class HighScoreTable;
class DrawnHero;
class GhostRace;
class MapBox;
class MapMark;
class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class PlayScreen : public QWidget {
    Q_OBJECT
public:
    // A game of `course` at `level` from `stage`, with `lives`; a new record goes into `table`.
    PlayScreen(HighScoreTable& table, const course::Course& course, int level, int stage = 1, int lives = 5,
               QWidget* parent = nullptr);
    // The same, played in `mode`.
    PlayScreen(HighScoreTable& table, const course::Course& course, int level, int stage, int lives, game::RunMode mode,
               QWidget* parent);
    // The game's own course.
    PlayScreen(HighScoreTable& table, int level, int stage = 1, int lives = 5, QWidget* parent = nullptr);
    ~PlayScreen() override;

    // --- Elements ---
    MapBox* courseMap = nullptr;
    PictureBox* clearPicture = nullptr;
    PictureBox* faceBox = nullptr;
    QLabel* stageCaption = nullptr;
    QLabel* stageBox = nullptr;
    QLabel* levelCaption = nullptr;
    QLabel* levelBox = nullptr;
    QLabel* timeCaption = nullptr;
    QLabel* timeBox = nullptr;
    QLabel* lifeCaption = nullptr;
    QLabel* lifeBox = nullptr;
    QPushButton* backToTitleButton = nullptr;
    QPushButton* versionButton = nullptr;
    QLabel* dialogueText = nullptr;
    ClickLabel* nextHint = nullptr;
    QLineEdit* focusKeeper = nullptr;  // keeps the focus while a line waits

    // The marks on the map, as the stage's description lists them (same indices).
    std::vector<MapMark*> startZones;
    std::vector<MapMark*> goalMarks;
    std::vector<MapMark*> checkpoints;
    std::vector<MapMark*> covers;
    struct HazardMarks {
        std::vector<MapMark*> marks;  // the hazard, or a bridge's pieces
        QPixmap look;
        QPixmap openLook;  // a bridge piece over open water
    };
    std::vector<HazardMarks> hazards;

    // The game this screen shows: level, stage, lives, clock, run and hazards.
    GameSession* session() const { return m_session; }

    // --- Stage setup (play/StageSetup.cpp) ---
    // Labels, starting time, checkpoint flags and the course picture. False when
    // the course picture cannot be loaded (the player has been told).
    bool setUpStage();
    // The opening story. False when the play screen was closed meanwhile.
    bool tellOpening();
    QString courseFile() const;  // the course picture of the current stage

    // --- Dialogue (play/Dialogue.cpp) ---
    void showFace(int index);
    void clearFace();
    // Waits for the player's "next". False when the play screen was closed
    // meanwhile: the caller's scene must end without touching the screen again.
    [[nodiscard]] bool waitForNext();
    [[nodiscard]] bool showLine(int face, const QString& text);  // face 0 = leave the face as it is
    void askForNextLine();
    bool lineWaiting() const { return m_lineWaiting; }  // a story line waits for the player
    void previewKey(int keyCode, Qt::KeyboardModifiers shift);

    // --- The hand, forwarded to the session, and the misses it announces (play/Tracking.cpp) ---
    void startRun(int index);    // the Start click on start zone `index`
    void clickOnMap(QPoint at);  // map pixels
    void moveOnMap(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void pointerLeftMap();
    QPoint startPoint(int index) const;  // map pixel the Start click puts the pointer on

    // --- Hazards (play/Hazards.cpp) ---
    // The pictures a face and the run's pointer take.
    const QPixmap& face(int index) const { return m_faces.at(static_cast<std::size_t>(index)); }  // 1..6
    const QPixmap& heroIcon() const { return m_heroIcon; }

    // --- Stage clear, ending, result (play/Goal.cpp, play/Result.cpp) ---
    void scoreRun();

    // --- Commands (play/Commands.cpp) ---
    void backToTitle();
    void showVersion();
    static QString versionText();

    // The play screen has been closed (it may still exist until its scenes unwind).
    bool isClosed() const { return m_closed; }

    // ピポ drawn at the pointer while a run is under way.
    const DrawnHero* drawnHero() const { return m_hero; }

    // --- The ghost of the record run, the splits and watching (play/GhostRace.cpp) ---
    GhostRace* ghostRace() const { return m_ghostRace; }


Q_SIGNALS:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void buildStatusColumn();
    void buildDialogue();
    // The stage's marks on the map, from the bottom of its stacking to the top.
    void buildStageMarks();
    MapMark* addMark(const char* list, int index, const QRect& rect);
    void buildHazardMarks(const course::Hazard& hazard, int index);
    void loadPictures();
    void connectEvents();
    void showSession();  // the labels and hazards follow what the session says
    void showHazard(int index);
    void unload();
    // The run's pointer: blank, with ピポ drawn in its place, starting at a map point.
    void beginRunPointer(QPoint mapPoint);
    void endRunPointer();  // the ordinary pointer, wherever the run ended
    void missIfPointerLeftMap();  // after a box over the map has closed
    // A pointer event of a run, taken before the element under the pointer
    // sees it; true when it was a move on the map, judged and spent here.
    bool TakeRunPointerEvent(QObject* watched, QEvent* event);
    // What the session announces, shown.
    void showRunStart(QPoint start);
    void showCheckpoint(int index);  // play/Checkpoints.cpp
    void showMiss(game::MissCause cause);
    void beginAttempt();  // the miss line read: the stage again
    void showGoal();      // play/Goal.cpp
    void showCoversAndHazards();  // as the scene has them, once the opening has begun
    std::vector<MapMark*> coversAndHazards() const;

    HighScoreTable& m_table;
    GameSession* m_session;
    bool m_closed = false;
    bool m_lineWaiting = false;
    bool m_nextRequested = false;
    DrawnHero* m_hero = nullptr;
    GhostRace* m_ghostRace = nullptr;
    bool m_runPointer = false;  // ピポ is drawn at the pointer: the run's moves are the session's
    QImage m_course;  // the course picture shown in courseMap, as 32-bit colours
    int m_marksStage = 0;  // the stage whose marks lie on the map
    std::array<QPixmap, 7> m_faces;  // 1..6
    QPixmap m_heroIcon;
};
