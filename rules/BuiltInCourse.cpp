// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The game's own course: 日本 and アメリカ. Every mark and every start and goal
// zone lies on both maps, whichever stage is played; only a stage's own
// checkpoints speak and only its own goal clears it. Places are layout twips,
// 15 to the pixel.

#include "rules/Course.h"
#include "rules/Twips.h"

#include <QCoreApplication>

namespace course {

namespace {

using twips::Rect;

Text Game(const char* context, const char* japanese)
{
    return {QString::fromUtf8(japanese), {}, context};
}

Text Story(const char* japanese)
{
    return Game("story", japanese);
}

QString Picture(const char* name)
{
    return QStringLiteral(":/pictures/") + QLatin1String(name);
}

std::vector<StartZone> Starts(int stage)
{
    return {{Rect(600, 600, 615, 375), {64, 93}, stage == 1}, {Rect(1920, 1680, 615, 375), {152, 163}, stage == 2}};
}

// The checkpoints of both stages: the first nine speak on 日本, the rest on アメリカ.
std::vector<Checkpoint> Checkpoints(int stage)
{
    using C = ClockEffect;
    auto say = [](const char* line) { return Game("checkpoint", line); };
    std::vector<Checkpoint> all{
        {Rect(1560, 1320, 135, 135), true, true, 1, say(QT_TRANSLATE_NOOP("checkpoint", "山道と近道と、どっちに行こうかなぁ")), {}, C::Keep},
        {Rect(1680, 1080, 255, 135), true, false, 0, {}, QStringLiteral("Yama"), C::Keep},  // the mountain calls back at every step
        {Rect(1680, 1440, 255, 135), true, true, 1, {}, {}, C::Keep},
        {Rect(3360, 1080, 135, 255), true, true, 3,
         say(QT_TRANSLATE_NOOP("checkpoint", "おっ、ソイとモッコだ！おーっす・・・って、今はそれどころじゃなかったぜ")), {}, C::Keep},
        {Rect(2760, 1080, 135, 255), true, true, 1, {}, {}, C::Keep},
        // the sweet shop pauses the clock, and the road after it starts it again
        {Rect(960, 2400, 255, 135), true, true, 3, say(QT_TRANSLATE_NOOP("checkpoint", "お菓子屋だ！ちょっと一休みしてこーっと")),
         QStringLiteral("Okasiya"), C::Pause},
        {Rect(960, 3000, 255, 135), true, true, 1, say(QT_TRANSLATE_NOOP("checkpoint", "あともう一息だな")), {}, C::Resume},
        {Rect(1590, 3600, 135, 255), true, true, 2, say(QT_TRANSLATE_NOOP("checkpoint", "うげっ、工事中ー？！")), QStringLiteral("Kouji"), C::Keep},
        {Rect(2760, 3600, 135, 255), true, true, 1, {}, {}, C::Keep},
        {Rect(1320, 2445, 135, 255), true, true, 2, say(QT_TRANSLATE_NOOP("checkpoint", "わぁ、タクシーだらけだ！")), QStringLiteral("Car"), C::Keep},
        {Rect(1320, 3890, 135, 255), true, true, 1, {}, {}, C::Keep},
        {Rect(1560, 3890, 135, 255), true, true, 2, say(QT_TRANSLATE_NOOP("checkpoint", "雨まで降ってきやがったぜ")), QStringLiteral("Rain"), C::Keep},
        {Rect(3150, 3890, 135, 255), true, true, 1, {}, {}, C::Keep},
        {Rect(3650, 3360, 255, 135), true, true, 2, say(QT_TRANSLATE_NOOP("checkpoint", "何だよこのむちゃくちゃ高い山はー！")), QStringLiteral("Yama"),
         C::Keep},
        {Rect(3000, 2400, 255, 135), true, true, 2, say(QT_TRANSLATE_NOOP("checkpoint", "ひーひー・・・あとは下りだ")), {}, C::Keep},
        {Rect(3600, 1560, 255, 135), true, true, 1, {}, {}, C::Keep},
        {Rect(3030, 1080, 135, 255), true, true, 3, say(QT_TRANSLATE_NOOP("checkpoint", "うわーでっかい橋だなぁ！")), QStringLiteral("River"), C::Keep},
        {Rect(1560, 1080, 135, 255), true, true, 1, {}, {}, C::Keep},
    };
    constexpr std::size_t kFirstOfStage2 = 9;
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i].live = (i < kFirstOfStage2) == (stage == 1);
    return all;
}

std::vector<Goal> Goals(int stage)
{
    return {{Rect(3360, 3600, 135, 255), stage == 1}, {Rect(890, 1080, 135, 255), stage == 2}};
}

// アメリカ's hazards, in the order the stacking below names them.
enum : int { kRain, kRiverNorth, kRiverSouth, kBridge, kLeftLane0, kRightLane0 = kLeftLane0 + 3 };

std::vector<Hazard> Stage2Hazards()
{
    std::vector<Hazard> h;
    Hazard rain{HazardKind::Rain, Rect(1680, 3600, 1485, 300), Picture("rain.bmp"), Harm::Touch, 800, {2, 240, 250, true}, {}, {}, {}};
    h.push_back(rain);
    for (const auto& [top, picture] : {std::pair{810, "river0.bmp"}, std::pair{1290, "river1.bmp"}})
        h.push_back({HazardKind::River, Rect(1680, top, 1380, 300), Picture(picture), Harm::Touch, 0, {}, {}, {}, {}});
    Hazard bridge{HazardKind::Bridge, Rect(1695, 1095, 1350, 195), Picture("plank.bmp"), Harm::Touch, 1000, {}, {}, {}, Picture("water.bmp")};
    // Piece 0 lies east, piece 2 west.
    bridge.pieces = {Rect(2595, 1095, 450, 195), Rect(2145, 1095, 450, 195), Rect(1695, 1095, 450, 195)};
    bridge.pattern = {{false, true, false}, {false, false, true}, {true, false, true},  {false, false, true}, {false, true, false},
                      {false, true, true},  {false, false, true}, {true, false, false}, {false, true, true}};
    h.push_back(bridge);
    // The west lane runs down and only hurts when clicked; the east lane runs up.
    for (int top : {2640, 3240, 3930})
        h.push_back({HazardKind::Car, Rect(660, top, 300, 375), Picture("car1.bmp"), Harm::Click, 300, {2, 142, 270, false}, {}, {}, {}});
    for (int top : {2640, 3600})
        h.push_back({HazardKind::Car, Rect(1012, top, 300, 375), Picture("car2.bmp"), Harm::Touch, 300, {-3, 142, 270, false}, {}, {}, {}});
    return h;
}

// The stacking of both maps, the bottom first; アメリカ's covers and hazards
// lie where they would, stage 1 simply has none.
std::vector<Stacked> Stacking(bool hazards)
{
    std::vector<Stacked> s;
    auto cp = [&s](int from, int to) {
        for (int i = from; i <= to; ++i)
            s.push_back({Layer::Checkpoint, i});
    };
    auto hazard = [&](int i) {
        if (hazards)
            s.push_back({Layer::Hazard, i});
    };
    cp(0, 3);
    s.push_back({Layer::Goal, 0});
    cp(4, 11);
    hazard(kRain);
    cp(12, 15);
    hazard(kRiverNorth);
    hazard(kRiverSouth);
    hazard(kBridge);
    cp(16, 17);
    s.push_back({Layer::Goal, 1});
    for (int i = kLeftLane0; i < kRightLane0 + 2; ++i)
        hazard(i);
    if (hazards) {
        s.push_back({Layer::Cover, 0});
        s.push_back({Layer::Cover, 1});
    }
    s.push_back({Layer::Start, 1});
    s.push_back({Layer::Start, 0});
    return s;
}

Stage Japan()
{
    Stage s;
    s.name = Game("stage", QT_TRANSLATE_NOOP("stage", "STAGE１・日本"));
    s.map = QStringLiteral("dat/map1.dat");
    s.starts = Starts(1);
    s.goals = Goals(1);
    s.checkpoints = Checkpoints(1);
    s.stacking = Stacking(false);
    s.opening = {
        {0, Story(QT_TRANSLATE_NOOP("story", "ある日、ヌッピがカモナ家に遊びに来ていた"))},
        {4, Story(QT_TRANSLATE_NOOP("story", "おっと、そろそろ帰る時間だ・・・バーイ、ピポ！"))},
        {1, Story(QT_TRANSLATE_NOOP("story", "あーあ、もっと勝負したかったのにな・・・あれ？これ、ヌッピの忘れもんかなぁ？"))},
        {3, Story(QT_TRANSLATE_NOOP("story", "しょーがねぇなぁ・・・届けてやるか！"))},
    };
    s.meeting = {
        {5, Story(QT_TRANSLATE_NOOP("story", "やったぜ！おーいヌッピー、忘れもんだぞー！"))},
        {4, Story(QT_TRANSLATE_NOOP("story", "ピポ！わざわざ届けてくれたのか・・・Thanks！"))},
    };
    s.clearLine = Game("PlayScreen", QT_TRANSLATE_NOOP("PlayScreen", "Stage1 Clear!!"));
    s.scoreAt = ScoreAt::WithClearPicture;
    s.timeLimit = 30;
    // The fork at mark 0: the mountain road passes 1, 3 and 4, the shortcut 2;
    // both ways meet before the sweet shop (5, 6) and the building site (7, 8).
    s.route.mustPass = {{0}, {5}, {6}, {7}, {8}, {1, 2}, {3, 2}, {4, 2}};
    s.route.branches = {1, 2};
    s.route.maxLength = 900;
    return s;
}

Stage America()
{
    Stage s;
    s.name = Game("stage", QT_TRANSLATE_NOOP("stage", "STAGE２・アメリカ"));
    s.map = QStringLiteral("dat/map2.dat");
    s.starts = Starts(2);
    s.goals = Goals(2);
    s.checkpoints = Checkpoints(2);
    s.covers = {{Rect(640, 2130, 690, 375), Picture("road0.bmp")}, {Rect(640, 4080, 690, 375), Picture("road1.bmp")}};
    s.hazards = Stage2Hazards();
    s.stacking = Stacking(true);
    s.opening = {
        {0, Story(QT_TRANSLATE_NOOP("story", "休日にピポは、ヌッピのところに遊びに来ていた"))},
        {4, Story(QT_TRANSLATE_NOOP("story", "じゃあ、俺はこれからカリキュラムがあるから・・・おとなしく留守番してろよ！"))},
        {1, Story(QT_TRANSLATE_NOOP("story", "ちえっ！・・・あれー？これって今日のカリキュラムで使うとか言ってた本じゃねーか"))},
        {3, Story(QT_TRANSLATE_NOOP("story", "あいつ、忘れ物多いなぁ・・・ま、いっか、届けるついでに遊びに行こーっと"))},
    };
    s.meeting = {
        {5, Story(QT_TRANSLATE_NOOP("story", "やったぜ！えーっと・・・ヌッピはどこかな"))},
        {4, Story(QT_TRANSLATE_NOOP("story", "俺ならここにいるが？"))},
        {2, Story(QT_TRANSLATE_NOOP("story", "どわっ！いきなり後ろから声かけんなよ！・・・あ、忘れもん届に来たんだった"))},
        {4, Story(QT_TRANSLATE_NOOP("story", "ああ、助かったぜ！Thank you,Pipo!"))},
    };
    s.clearLine = Game("PlayScreen", QT_TRANSLATE_NOOP("PlayScreen", "Stage2 Clear!!"));
    s.scoreAt = ScoreAt::AfterEnding;
    s.timeLimit = 90;
    for (int i = 9; i <= 17; ++i)
        s.route.mustPass.push_back({i});
    return s;
}

Course Make()
{
    Course c;
    c.stages = {Japan(), America()};
    c.ending = {
        {2, Story(QT_TRANSLATE_NOOP("story", "あ、あのさぁヌッピ・・・お前、もしかしてワザと忘れもんしてねぇ？"))},
        {4, Story(QT_TRANSLATE_NOOP("story", "・・・・バレたか"))},
        {2, Story(QT_TRANSLATE_NOOP("story", "えっ？！お、おい！今、なんて言った？！"))},
        {4, Story(QT_TRANSLATE_NOOP("story", "じょーだんだよ！・・・俺も忘れ物が多いのさ、誰かさんと一緒でな"))},
        {0, Story(QT_TRANSLATE_NOOP("story", "それより、お腹すいてるだろ？俺も昼休みだし、何か食べに行くか？"))},
        {3, Story(QT_TRANSLATE_NOOP("story", "やったー！えーっと、オレね、ハンバーグとスパゲッティとオムライスとラーメンと・・・"))},
        {4, Story(QT_TRANSLATE_NOOP("story", "おいおい・・・"))},
    };
    c.farewell = Game("PlayScreen", QT_TRANSLATE_NOOP("PlayScreen", "Thank you for your playing!"));
    return c;
}

}  // namespace

const Course& BuiltIn()
{
    static const Course course = Make();
    return course;
}

}  // namespace course
