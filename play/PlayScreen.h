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
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class ClickLabel;

class HighScoreTable;
class DrawnHero;
class GhostRace;
class ReplayControls;
class MapBox;
class MapMark;
class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ghost {
struct GhostRecord;
}

// Every element carries its name as its object name ("timeBox",
// "backToTitleButton"); the marks on the map are named by the list and the
// index of the stage's description ("startZones(0)", "hazards(3.1)").
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

    // The game this screen shows: level, stage, lives, clock, run and hazards.
    GameSession* session() const { return m_session; }

    // --- Stage setup (play/StageSetup.cpp) ---
    // Labels, starting time, checkpoint flags and the course picture. False when
    // the course picture cannot be loaded (`cannotGoOn` has said why).
    bool setUpStage();
    // The opening story begins; the Start sign waits after its last line.
    void tellOpening();
    QString courseFile() const;  // the course picture of the current stage

    // --- Dialogue (play/Dialogue.cpp) ---
    // The player's "next" (the hint clicked, the space key): the flow takes its
    // next step. With no line waiting it does nothing.
    void askForNextLine();
    bool lineWaiting() const { return static_cast<bool>(m_next); }  // a line waits for the player
    const QPixmap& face(int index) const { return m_faces.at(static_cast<std::size_t>(index)); }  // 1..6
    const QPixmap& heroIcon() const { return m_heroIcon; }

    // --- The hand, forwarded to the session (play/Tracking.cpp) ---
    QPoint startPoint(int index) const;  // map pixel the Start click puts the pointer on

    // --- Stage clear and the ranking (play/Goal.cpp, play/Result.cpp) ---
    // The ranking opened for a new record's name has closed: the flow goes on.
    void rankingClosed();

    // --- Practice (play/Practice.cpp) ---
    // Practice begins at checkpoint `index` (course::kFromStart: the START),
    // before the stage is set up; false when practice does not offer it.
    bool practiseFrom(int index);

    // --- Watching a record run (play/WatchRun.cpp) ---
    // Shows the stage and plays `record`, the run of `place` (0..4) held by `holder`, back with the clock;
    // Escape, "タイトルへ" or the close button end it. False when the stage cannot be set up.
    bool watchRecordRun(ghost::GhostRecord record, int place, const QString& holder);

    // --- Commands (play/Commands.cpp) ---
    void backToTitle();
    void showVersion();
    static QString versionText();

    // The play screen has been closed (it may still exist until it is deleted).
    bool isClosed() const { return m_closed; }

    // --- The ghost of the record run, the splits and watching (play/GhostRace.cpp) ---
    GhostRace* ghostRace() const { return m_ghostRace; }

Q_SIGNALS:
    void unloaded();
    // A cleared stage's time took `place` (0..4) of its table: its name is wanted.
    // The flow waits for rankingClosed.
    void scored(int level, int stage, int place);
    // The game cannot go on (a course map that cannot be read): the player is to be told.
    void cannotGoOn(const QString& why);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One step of the flow, taken when the player asks for the next line.
    using Step = std::function<void()>;

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
    // The dialogue (play/Dialogue.cpp).
    void showFace(int index);
    void clearFace();
    void showLine(int face, const QString& text, Step next);  // face 0 = leave the face as it is
    void waitForNext(Step next);
    void tell(const std::vector<course::StoryLine>& lines, std::size_t from, Step then);
    void keepFocusWhileLineWaits();
    void previewKey(int keyCode);
    // The hand (play/Tracking.cpp).
    void clickOnMap(QPoint at);  // map pixels
    void moveOnMap(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void pointerLeftMap();
    // The clear scene, the score, and on (play/Goal.cpp, play/Result.cpp).
    void afterClear();
    QString clearLineWithMedal();  // and the medal shown, where the stage has targets
    void nextStageOrEnding();
    void scoreRun(Step then);
    // Practice (play/Practice.cpp): the stretch's time at the goal, and the sign again.
    void showStretchTime();
    // The signs the game draws (play/Signs.cpp): START over the stage's own
    // start zones and the goal sign over its live goal when the map shows
    // none, and START over a practice stretch's own zone.
    void markSigns();
    void openVersionBox();
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
    Step m_next;           // the step a waiting line leads to
    Step m_afterRanking;   // the step the flow takes once the ranking has closed

    MapBox* m_courseMap = nullptr;
    PictureBox* m_clearPicture = nullptr;
    PictureBox* m_medal = nullptr;  // over the clear picture: the medal the time earned
    PictureBox* m_faceBox = nullptr;
    QLabel* m_stageBox = nullptr;
    QLabel* m_levelBox = nullptr;
    QLabel* m_timeBox = nullptr;
    QLabel* m_lifeBox = nullptr;
    QPushButton* m_backToTitleButton = nullptr;
    QPushButton* m_versionButton = nullptr;
    QLabel* m_dialogueText = nullptr;
    ClickLabel* m_nextHint = nullptr;
    QLineEdit* m_focusKeeper = nullptr;  // keeps the focus while a line waits

    // The marks on the map, as the stage's description lists them (same indices).
    std::vector<MapMark*> m_startZones;
    std::vector<MapMark*> m_goalMarks;
    std::vector<MapMark*> m_checkpoints;
    std::vector<MapMark*> m_covers;
    struct HazardMarks {
        std::vector<MapMark*> marks;  // the hazard, or a bridge's pieces
        QPixmap look;
        QPixmap openLook;  // a bridge piece over open water
    };
    std::vector<HazardMarks> m_hazards;

    DrawnHero* m_hero = nullptr;
    GhostRace* m_ghostRace = nullptr;
    ReplayControls* m_replay = nullptr;  // while a run is watched
    bool m_runPointer = false;  // ピポ is drawn at the pointer: the run's moves are the session's
    QImage m_course;  // the course picture shown in courseMap, as 32-bit colours
    int m_marksStage = 0;  // the stage whose marks lie on the map
    std::array<QPixmap, 7> m_faces;  // 1..6
    QPixmap m_heroIcon;
};
