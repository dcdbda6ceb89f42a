// Preparing a stage: labels, starting time, course picture, opening story.

#include "game/CourseRules.h"
#include "game/Module1.h"
#include "game/StageRules.h"
#include "screens/Notice.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"

#include <QDir>
#include <QImageReader>
#include <QTimer>

using namespace Module1;

namespace {
// Reads a course picture whatever its format, judged by its content.
QImage ReadCourse(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.width() != kMapSize || picture.height() != kMapSize)
        return {};
    return picture.convertToFormat(QImage::Format_RGB32);
}
}  // namespace

QString form_Main::MapFile() const
{
    return AppFolder() + QStringLiteral("/dat/map") + QString::number(g_Stage) + QStringLiteral(".dat");
}

bool form_Main::InitGame()
{
    std::fill(g_MsgShown.begin(), g_MsgShown.begin() + 20, std::int16_t{0});
    lbl_Stage->setText(stage::StageName(g_Stage));
    lbl_Level->setText(stage::LevelName(g_Level));
    WriteCounter(lbl_Time, stage::StartingTime(g_Level, g_Stage));

    QImage course = ReadCourse(MapFile());
    if (course.isNull()) {
        look::ShowNotice(this, QStringLiteral("コースの地図「%1」が読めなかったよ・・・タイトルにもどるぜ！")
                                   .arg(QDir::toNativeSeparators(MapFile())));
        return false;
    }
    m_course = std::move(course);
    pic_Map->setPicture(QPixmap::fromImage(m_course));
    return true;
}

bool form_Main::StartGame()
{
    if (g_Stage == 1) {
        ClearFace();
        if (!ShowLine(0, QStringLiteral("ある日、ヌッピがカモナ家に遊びに来ていた")) ||
            !ShowLine(4, QStringLiteral("おっと、そろそろ帰る時間だ・・・バーイ、ピポ！")) ||
            !ShowLine(1, QStringLiteral("あーあ、もっと勝負したかったのにな・・・あれ？これ、ヌッピの忘れもんかなぁ？")) ||
            !ShowLine(3, QStringLiteral("しょーがねぇなぁ・・・届けてやるか！")))
            return false;
    } else if (g_Stage == 2) {
        for (MapMark* m : {img_Road[0], img_Road[1], img_Car1[0], img_Car1[1], img_Car1[2], img_Car2[0], img_Car2[1],
                           img_Rain, img_River[0], img_River[1], img_Bridge[0], img_Bridge[1], img_Bridge[2]})
            m->show();
        EnableTimer(timer_Obj1);
        EnableTimer(timer_Obj2);
        EnableTimer(timer_Obj3);
        ClearFace();
        if (!ShowLine(0, QStringLiteral("休日にピポは、ヌッピのところに遊びに来ていた")) ||
            !ShowLine(4, QStringLiteral("じゃあ、俺はこれからカリキュラムがあるから・・・おとなしく留守番してろよ！")) ||
            !ShowLine(1, QStringLiteral("ちえっ！・・・あれー？これって今日のカリキュラムで使うとか言ってた本じゃねーか")) ||
            !ShowLine(3, QStringLiteral("あいつ、忘れ物多いなぁ・・・ま、いっか、届けるついでに遊びに行こーっと")))
            return false;
    } else {
        return true;
    }
    SetFace(1);
    lbl_Msg->setText(stage::kStartPrompt);
    return true;
}

void form_Main::Set_Map()
{
    course::BuildGrid(m_course, g_MapGrid);
}
