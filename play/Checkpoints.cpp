// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The hero's comments as the pointer crosses the checkpoint marks.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "rules/MapMarks.h"
#include "sound/SoundBackend.h"
#include "widgets/Widgets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

using namespace game;

namespace {

enum class Clock { Keep, Stop, Run };

struct Checkpoint {
    bool flag;          // speaks once per attempt
    int face;           // 0 = no face, no line
    const char* sound;  // nullptr = silent
    const char* line;   // marked for translation in the "checkpoint" context
    Clock clock;
};

// Indexed by mark.
constexpr Checkpoint kCheckpoints[marks::kCheckpointCount] = {
    {true, 1, nullptr, QT_TRANSLATE_NOOP("checkpoint", "山道と近道と、どっちに行こうかなぁ"), Clock::Keep},
    {false, 0, "Yama", nullptr, Clock::Keep},  // the mountain calls back at every step
    {true, 1, nullptr, "", Clock::Keep},
    {true, 3, nullptr,
     QT_TRANSLATE_NOOP("checkpoint", "おっ、ソイとモッコだ！おーっす・・・って、今はそれどころじゃなかったぜ"),
     Clock::Keep},
    {true, 1, nullptr, "", Clock::Keep},
    // the sweet shop pauses the clock
    {true, 3, "Okasiya", QT_TRANSLATE_NOOP("checkpoint", "お菓子屋だ！ちょっと一休みしてこーっと"), Clock::Stop},
    {true, 1, nullptr, QT_TRANSLATE_NOOP("checkpoint", "あともう一息だな"), Clock::Run},
    {true, 2, "Kouji", QT_TRANSLATE_NOOP("checkpoint", "うげっ、工事中ー？！"), Clock::Keep},
    {true, 1, nullptr, "", Clock::Keep},
    {true, 2, "Car", QT_TRANSLATE_NOOP("checkpoint", "わぁ、タクシーだらけだ！"), Clock::Keep},
    {true, 1, nullptr, "", Clock::Keep},
    {true, 2, "Rain", QT_TRANSLATE_NOOP("checkpoint", "雨まで降ってきやがったぜ"), Clock::Keep},
    {true, 1, nullptr, "", Clock::Keep},
    {true, 2, "Yama", QT_TRANSLATE_NOOP("checkpoint", "何だよこのむちゃくちゃ高い山はー！"), Clock::Keep},
    {true, 2, nullptr, QT_TRANSLATE_NOOP("checkpoint", "ひーひー・・・あとは下りだ"), Clock::Keep},
    {true, 1, nullptr, "", Clock::Keep},
    {true, 3, "River", QT_TRANSLATE_NOOP("checkpoint", "うわーでっかい橋だなぁ！"), Clock::Keep},
    {true, 1, nullptr, "", Clock::Keep},
};

}  // namespace

void PlayScreen::reachCheckpoint(int index)
{
    if (!m_session->runUnderWay() || index < 0 || index >= marks::kCheckpointCount || m_session->checkpointPassed(index))
        return;
    if (marks::CheckpointStage(index) != m_session->stage())
        return;  // the other stage's mark

    const Checkpoint& c = kCheckpoints[index];
    if (c.clock == Clock::Stop)
        m_session->pauseClock();
    if (c.sound)
        sound::PlayWaveAsync(QString::fromLatin1(c.sound));
    if (c.flag)
        m_session->passCheckpoint(index);
    if (c.face != 0) {
        showFace(c.face);
        dialogueText->setText(QCoreApplication::translate("checkpoint", c.line));
    }
    if (c.clock == Clock::Run)
        m_session->resumeClock();
}
