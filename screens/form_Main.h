// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The play screen: the course map with its marks and hazards, the status
// column, the dialogue box and the face box. The layout is built in
// form_Main_layout.cpp; the game's event procedures live in game/ (one file a
// concern) and the two buttons' in menus/.

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

class ClickLabel;
class DrawnHero;
class MapBox;
class MapMark;
class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class form_Main : public QWidget {
    Q_OBJECT
public:
    explicit form_Main(QWidget* parent = nullptr);
    ~form_Main() override;

    // --- Elements (named as the layout names them) ---
    MapBox* pic_Map = nullptr;
    PictureBox* pic_Clear = nullptr;
    std::array<PictureBox*, 7> pic_Chara{};  // 0 shows the face, 1..6 store the faces
    QLabel* Label2 = nullptr;  // "STAGE"
    QLabel* lbl_Stage = nullptr;
    QLabel* Label4 = nullptr;  // "LEVEL"
    QLabel* lbl_Level = nullptr;
    QLabel* Label6 = nullptr;  // "TIME"
    QLabel* lbl_Time = nullptr;
    QLabel* Label3 = nullptr;  // "LIFE"
    QLabel* lbl_Life = nullptr;
    QPushButton* Command1 = nullptr;  // "タイトルへ"
    QPushButton* Command2 = nullptr;  // "バージョン"
    QLabel* lbl_Msg = nullptr;
    ClickLabel* Nextbox = nullptr;
    QLineEdit* Text1 = nullptr;  // keeps the focus while a line waits
    QLabel* img_Pipo = nullptr;  // holds the pointer picture of a run

    std::array<MapMark*, 2> img_Start{};
    std::array<MapMark*, 2> img_Goal{};
    std::array<MapMark*, 2> img_Road{};
    std::array<MapMark*, 3> img_Car1{};
    std::array<MapMark*, 2> img_Car2{};
    MapMark* img_Rain = nullptr;
    std::array<MapMark*, 2> img_River{};
    std::array<MapMark*, 5> img_Bridge{};  // 3 stores the plank, 4 the open water
    std::array<MapMark*, 18> img_Msg{};

    QTimer* timer_Main = nullptr;
    QTimer* timer_Obj1 = nullptr;
    QTimer* timer_Obj2 = nullptr;
    QTimer* timer_Obj3 = nullptr;

    std::int16_t m_RainDir = 0;      // 0 = the rain moves down, 1 = up
    std::int16_t m_BridgePhase = 0;  // the bridge pattern's next row

    // --- Stage setup (game/StageSetup.cpp) ---
    // Labels, starting time, checkpoint flags and the course picture. False when
    // the course picture cannot be loaded (the player has been told).
    bool InitGame();
    // The opening story. False when the play screen was closed meanwhile.
    bool StartGame();
    void Set_Map();
    QString MapFile() const;  // the course picture of the current stage

    // --- Dialogue (game/Dialogue.cpp) ---
    void SetFace(int index);
    void ClearFace();
    // Waits for the player's "next". False when the play screen was closed
    // meanwhile: the caller's scene must end without touching the screen again.
    [[nodiscard]] bool Waitfun();
    [[nodiscard]] bool ShowLine(int face, const QString& text);  // face 0 = leave the face as it is
    void Nextbox_Click();
    void Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);

    // --- Course tracking and misses (game/Tracking.cpp) ---
    void img_Start_Click(int index);
    void pic_Map_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void pic_Map_MouseLeave();
    void LoseLife(const QString& message, bool withSound = true);
    QPoint StartPoint(int index) const;  // map pixel the Start click puts the pointer on

    // --- Checkpoints (game/Checkpoints.cpp) ---
    void img_Msg_MouseMove(int index);

    // --- Hazards (game/Hazards.cpp) ---
    void img_Car1_Click(int index);
    void img_Car2_MouseMove(int index);
    void img_Rain_MouseMove();
    void img_River_MouseMove(int index);
    void img_Bridge_MouseMove(int index);
    void timer_Obj1_Timer();
    void timer_Obj2_Timer();
    void timer_Obj3_Timer();
    bool BridgeOpen(int index) const;  // the piece shows the open-water picture

    // --- Time limit (game/TimeLimit.cpp) ---
    void timer_Main_Timer();
    void Timeup();

    // --- Goal, stage clear, ending, result (game/Goal.cpp) ---
    void img_Goal_MouseMove(int index);
    void CheckRank();

    // --- Commands (menus/form_Main_commands.cpp) ---
    void Command1_Click();
    void Command2_Click();
    static QString VersionText();

    // The play screen has been closed (it may still exist until its scenes unwind).
    bool isClosed() const { return m_closed; }

    // ピポ drawn at the pointer while a run is under way.
    const DrawnHero* drawnHero() const { return m_hero; }

    // The stage 2 hazards and the road-works covers, in the order the stage shows them.
    std::array<MapMark*, 13> Stage2Hazards() const;

Q_SIGNALS:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void buildStatusColumn();
    void buildDialogue();
    void buildMapMarks();
    void buildHiddenStores();
    void buildTimers();
    void connectEvents();
    void Form_Unload();
    // The run's pointer: blank, with ピポ drawn in its place, starting at a map point.
    void BeginRunPointer(QPoint mapPoint);
    void EndRunPointer();  // the ordinary pointer, wherever the run ended
    void MissIfPointerLeftMap();  // after a box over the map has closed
    // A pointer event of a run, taken before the element under the pointer
    // sees it; true when it was a move on the map, judged and spent here.
    bool TakeRunPointerEvent(QObject* watched, QEvent* event);
    void JudgeRunMove(QPointF to, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

    bool m_closed = false;
    DrawnHero* m_hero = nullptr;
    std::optional<QPoint> m_runFrom;  // map pixel where ピポ was last drawn in this run
    QImage m_course;  // the course picture shown in pic_Map, as 32-bit colours
};
