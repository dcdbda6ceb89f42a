// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Preparing a stage: labels, starting time, course picture, opening story.

#include "game/CourseRules.h"
#include "game/Module1.h"
#include "game/Story.h"
#include "game/StageRules.h"
#include "screens/Notice.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTimer>

using namespace Module1;

namespace {
std::uint32_t LittleEndian(const QByteArray& b, int at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

// The picture loader happily shows half a bitmap; a course must be whole.
bool BitmapComplete(const QByteArray& bytes)
{
    if (!bytes.startsWith("BM") || bytes.size() < 34 || LittleEndian(bytes, 30, 4) != 0)
        return true;  // other formats (and compressed bitmaps) their decoder judges
    const std::uint64_t offset = LittleEndian(bytes, 10, 4);
    const std::uint64_t width = LittleEndian(bytes, 18, 4);
    const auto height = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
    const std::uint64_t bits = LittleEndian(bytes, 28, 2);
    const std::uint64_t stride = ((width * bits + 31) / 32) * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -static_cast<std::int64_t>(height) : height);
    return offset + stride * rows <= static_cast<std::uint64_t>(bytes.size());
}

constexpr story::Line kStage1Opening[] = {
    {0, QT_TRANSLATE_NOOP("story", "ある日、ヌッピがカモナ家に遊びに来ていた")},
    {4, QT_TRANSLATE_NOOP("story", "おっと、そろそろ帰る時間だ・・・バーイ、ピポ！")},
    {1, QT_TRANSLATE_NOOP("story", "あーあ、もっと勝負したかったのにな・・・あれ？これ、ヌッピの忘れもんかなぁ？")},
    {3, QT_TRANSLATE_NOOP("story", "しょーがねぇなぁ・・・届けてやるか！")},
};

constexpr story::Line kStage2Opening[] = {
    {0, QT_TRANSLATE_NOOP("story", "休日にピポは、ヌッピのところに遊びに来ていた")},
    {4, QT_TRANSLATE_NOOP("story", "じゃあ、俺はこれからカリキュラムがあるから・・・おとなしく留守番してろよ！")},
    {1, QT_TRANSLATE_NOOP("story", "ちえっ！・・・あれー？これって今日のカリキュラムで使うとか言ってた本じゃねーか")},
    {3, QT_TRANSLATE_NOOP("story", "あいつ、忘れ物多いなぁ・・・ま、いっか、届けるついでに遊びに行こーっと")},
};

// Reads a course picture whatever its format, judged by its content.
QImage ReadCourse(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!BitmapComplete(bytes))
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
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
        look::ShowNotice(this, tr("コースの地図「%1」が読めなかったよ・・・タイトルにもどるぜ！")
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
        if (!story::Tell(*this, kStage1Opening))
            return false;
    } else if (g_Stage == 2) {
        for (MapMark* m : Stage2Hazards())
            m->show();
        EnableTimer(timer_Obj1);
        EnableTimer(timer_Obj2);
        EnableTimer(timer_Obj3);
        ClearFace();
        if (!story::Tell(*this, kStage2Opening))
            return false;
    } else {
        return true;
    }
    SetFace(1);
    lbl_Msg->setText(stage::StartPrompt());
    return true;
}

void form_Main::Set_Map()
{
    course::BuildGrid(m_course, g_MapGrid);
}
