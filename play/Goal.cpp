// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The goal: the stage-clear scene, the score, and on to stage 2 or the ending.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "play/Story.h"
#include "sound/SoundBackend.h"
#include "widgets/Widgets.h"

#include <QTimer>

using namespace game;

namespace {
using story::Line;
using story::Tell;

constexpr Line kStage1Meeting[] = {
    {5, QT_TRANSLATE_NOOP("story", "やったぜ！おーいヌッピー、忘れもんだぞー！")},
    {4, QT_TRANSLATE_NOOP("story", "ピポ！わざわざ届けてくれたのか・・・Thanks！")},
};

constexpr Line kStage2Meeting[] = {
    {5, QT_TRANSLATE_NOOP("story", "やったぜ！えーっと・・・ヌッピはどこかな")},
    {4, QT_TRANSLATE_NOOP("story", "俺ならここにいるが？")},
    {2, QT_TRANSLATE_NOOP("story", "どわっ！いきなり後ろから声かけんなよ！・・・あ、忘れもん届に来たんだった")},
    {4, QT_TRANSLATE_NOOP("story", "ああ、助かったぜ！Thank you,Pipo!")},
};

constexpr Line kEnding[] = {
    {2, QT_TRANSLATE_NOOP("story", "あ、あのさぁヌッピ・・・お前、もしかしてワザと忘れもんしてねぇ？")},
    {4, QT_TRANSLATE_NOOP("story", "・・・・バレたか")},
    {2, QT_TRANSLATE_NOOP("story", "えっ？！お、おい！今、なんて言った？！")},
    {4, QT_TRANSLATE_NOOP("story", "じょーだんだよ！・・・俺も忘れ物が多いのさ、誰かさんと一緒でな")},
    {0, QT_TRANSLATE_NOOP("story", "それより、お腹すいてるだろ？俺も昼休みだし、何か食べに行くか？")},
    {3, QT_TRANSLATE_NOOP("story", "やったー！えーっと、オレね、ハンバーグとスパゲッティとオムライスとラーメンと・・・")},
    {4, QT_TRANSLATE_NOOP("story", "おいおい・・・")},
};

// The stage-clear picture over the map while its line waits.
bool ShowClear(PlayScreen& screen, const QString& text)
{
    screen.clearPicture->show();
    screen.clearFace();
    return screen.showLine(0, text);
}
}  // namespace

void PlayScreen::reachGoal(int index)
{
    if (index != m_session->stage() - 1 || !m_session->runUnderWay())
        return;
    m_session->passGoal();  // the record run's last mark, and the goal's split
    m_session->endRun();
    sound::PlayWaveAsync(QStringLiteral("Clear"));
    endRunPointer();

    if (index == 0) {
        if (!Tell(*this, kStage1Meeting) || !ShowClear(*this, tr("Stage1 Clear!!")))
            return;
        const QPointer<PlayScreen> self(this);
        scoreRun();
        if (!self || m_closed)
            return;
        clearPicture->hide();
        m_session->nextStage();
        if (!setUpStage()) {
            close();
            return;
        }
        tellOpening();
        return;
    }

    if (!Tell(*this, kStage2Meeting) || !ShowClear(*this, tr("Stage2 Clear!!")))
        return;
    clearPicture->hide();
    if (!Tell(*this, kEnding))
        return;
    clearFace();
    if (!showLine(0, tr("Thank you for your playing!")))
        return;
    const QPointer<PlayScreen> self(this);
    scoreRun();
    if (self && !m_closed)
        close();  // the title comes back through the unload
}
