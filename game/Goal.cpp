// The goal: the stage-clear scene, the score, and on to stage 2 or the ending.

#include "game/Module1.h"
#include "game/Story.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"

#include <QTimer>

using namespace Module1;

namespace {
using story::Line;
using story::Tell;

constexpr Line kStage1Meeting[] = {
    {5, u"やったぜ！おーいヌッピー、忘れもんだぞー！"},
    {4, u"ピポ！わざわざ届けてくれたのか・・・Thanks！"},
};

constexpr Line kStage2Meeting[] = {
    {5, u"やったぜ！えーっと・・・ヌッピはどこかな"},
    {4, u"俺ならここにいるが？"},
    {2, u"どわっ！いきなり後ろから声かけんなよ！・・・あ、忘れもん届に来たんだった"},
    {4, u"ああ、助かったぜ！Thank you,Pipo!"},
};

constexpr Line kEnding[] = {
    {2, u"あ、あのさぁヌッピ・・・お前、もしかしてワザと忘れもんしてねぇ？"},
    {4, u"・・・・バレたか"},
    {2, u"えっ？！お、おい！今、なんて言った？！"},
    {4, u"じょーだんだよ！・・・俺も忘れ物が多いのさ、誰かさんと一緒でな"},
    {0, u"それより、お腹すいてるだろ？俺も昼休みだし、何か食べに行くか？"},
    {3, u"やったー！えーっと、オレね、ハンバーグとスパゲッティとオムライスとラーメンと・・・"},
    {4, u"おいおい・・・"},
};

// The stage-clear picture over the map while its line waits.
bool ShowClear(form_Main& screen, const QString& text)
{
    screen.pic_Clear->show();
    screen.ClearFace();
    return screen.ShowLine(0, text);
}
}  // namespace

void form_Main::img_Goal_MouseMove(int index)
{
    if (index != g_Stage - 1 || g_PlayState != 1)
        return;
    timer_Main->stop();
    PlayWaveAsync(QStringLiteral("Clear"));
    EndRunPointer();
    g_PlayState = 0;

    if (index == 0) {
        if (!Tell(*this, kStage1Meeting) || !ShowClear(*this, QStringLiteral("Stage1 Clear!!")))
            return;
        const QPointer<form_Main> self(this);
        CheckRank();
        if (!self || m_closed)
            return;
        pic_Clear->hide();
        g_Stage = 2;
        if (!InitGame()) {
            close();
            return;
        }
        StartGame();
        return;
    }

    if (!Tell(*this, kStage2Meeting) || !ShowClear(*this, QStringLiteral("Stage2 Clear!!")))
        return;
    pic_Clear->hide();
    if (!Tell(*this, kEnding))
        return;
    ClearFace();
    if (!ShowLine(0, QStringLiteral("Thank you for your playing!")))
        return;
    const QPointer<form_Main> self(this);
    CheckRank();
    if (self && !m_closed)
        close();  // the title comes back through the unload
}
