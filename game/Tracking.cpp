// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// A run: the Start click, the off-road test of every pointer move, and the miss.

#include "game/CourseRules.h"
#include "game/Module1.h"
#include "game/StageRules.h"
#include "screens/DrawnHero.h"
#include "screens/MapMarks.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QTimer>

using namespace Module1;

QPoint form_Main::StartPoint(int index) const
{
    return marks::kStartPoint[index == 0 ? 0 : 1];
}

void form_Main::BeginRunPointer(QPoint mapPoint)
{
    m_hero->start(img_Pipo->pixmap(), pic_Map->surface()->mapTo(this, mapPoint));
}

void form_Main::EndRunPointer()
{
    m_hero->stop();
}

void form_Main::img_Start_Click(int index)
{
    if (g_WaitFlag != 0)
        return;
    Set_Map();
    const QPoint start = StartPoint(index);
    // Blank first: Xwayland carries out the warp only while the X pointer is hidden.
    BeginRunPointer(start);
    QCursor::setPos(pic_Map->surface()->mapToGlobal(start));
    PlayWaveAsync(QStringLiteral("Start"));
    SetFace(1);
    lbl_Msg->setText(QString());
    g_PlayState = 1;
    EnableTimer(timer_Main);
}

void form_Main::pic_Map_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y)
{
    if (g_PlayState != 1)
        return;
    if (course::IsOffRoad(g_MapGrid, x, y, course::ProbeHalfSize(g_Level)))
        LoseLife(stage::MissCry());
}

namespace {

// A box of ours shown over the play screen (the version box, opened from the
// keyboard) takes the pointer from the map, though the hand never moved.
bool OurBoxIsUp()
{
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible() && w->isModal(); });
}

bool PointerOver(const QWidget* widget)
{
    return widget->rect().contains(widget->mapFromGlobal(QCursor::pos()));
}

}  // namespace

// Off the map is off the road, however fast the hand went: a pointer that
// Xwayland keeps locked may even be carried beyond the window, where no move
// reaches the game any more. Nor can it be asked where it went: the lock ends
// as it leaves, and the pointer jumps back to where the hand's pointer is.
void form_Main::pic_Map_MouseLeave()
{
    if (g_PlayState == 1 && !m_closed && !OurBoxIsUp())
        LoseLife(stage::MissCry());
}

// After a box: a hand that left the map while the box had the pointer has left the road.
void form_Main::MissIfPointerLeftMap()
{
    if (g_PlayState == 1 && !m_closed && !PointerOver(pic_Map->surface()))
        LoseLife(stage::MissCry());
}

void form_Main::LoseLife(const QString& message, bool withSound)
{
    if (withSound)
        PlayWaveAsync(QStringLiteral("Out"));
    EndRunPointer();
    timer_Main->stop();
    g_PlayState = 0;
    SetFace(6);
    lbl_Msg->setText(message);
    if (!Waitfun())
        return;
    const int lives = ReadCounter(lbl_Life) - 1;
    WriteCounter(lbl_Life, lives);
    if (lives <= 0 || !InitGame()) {
        close();  // the game is over; closing brings the title back
        return;
    }
    SetFace(1);
    lbl_Msg->setText(stage::StartPrompt());
}
