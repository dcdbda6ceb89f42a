// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// ピポの冒険・海と雪: the harbour town, where trucks cross the harbour street
// and a drawbridge opens over the canal, and the snowy pass, where ピポ
// chooses between a narrow ridge and a valley under swaying sleet. Places are
// map pixels.

#include "SeaSnowPack.h"

namespace packs {

namespace {

using course::ClockEffect;
using course::Harm;
using course::HazardKind;
using course::Layer;
using course::Text;

// A rectangle from inclusive corner coordinates, as the map art lays its road.
constexpr QRect Span(int x0, int y0, int x1, int y1) { return QRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1); }

Text Say(const char* japanese, const char* english)
{
    return {QString::fromUtf8(japanese), QString::fromUtf8(english), nullptr};
}

QString Picture(const char* name)
{
    return QStringLiteral(":/pictures/") + QLatin1String(name);
}

course::Checkpoint Mark(QRect rect, int face, Text line, const char* sound = "", ClockEffect clock = ClockEffect::Keep)
{
    return {rect, true, true, face, std::move(line), QLatin1String(sound), clock};
}

// The elements bottom first: checkpoints, goals, hazards in their order, starts.
std::vector<course::Stacked> Stacking(const course::Stage& s)
{
    std::vector<course::Stacked> order;
    auto add = [&order](Layer layer, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            order.push_back({layer, static_cast<int>(i)});
    };
    add(Layer::Checkpoint, s.checkpoints.size());
    add(Layer::Goal, s.goals.size());
    add(Layer::Hazard, s.hazards.size());
    add(Layer::Cover, s.covers.size());
    add(Layer::Start, s.starts.size());
    return order;
}

// 港町: two streets of trucks cross the harbour street, a taiyaki stand gives
// a rest, and the drawbridge over the canal opens piece by piece.
std::vector<course::Hazard> HarbourHazards()
{
    std::vector<course::Hazard> h;
    // The canal's water beside the bridge, under it.
    h.push_back({HazardKind::River, QRect(119, 160, 92, 20), Picture("river0.bmp"), Harm::Touch, 0, {}, {}, {}, {}});
    h.push_back({HazardKind::River, QRect(119, 193, 92, 20), Picture("river1.bmp"), Harm::Touch, 0, {}, {}, {}, {}});
    // Piece 0 lies east, where ピポ comes from; a row a second, 1 = open water.
    course::Hazard bridge{HazardKind::Bridge, QRect(120, 180, 90, 13), Picture("plank.bmp"), Harm::Touch, 1000, {}, {}, {},
                          Picture("water.bmp")};
    bridge.pieces = {QRect(180, 180, 30, 13), QRect(150, 180, 30, 13), QRect(120, 180, 30, 13)};
    bridge.pattern = {{false, false, false}, {true, false, false}, {true, true, false}, {false, true, true},
                      {false, false, true},  {false, false, false}, {false, true, false}, {true, false, true}};
    h.push_back(bridge);
    // The west street's trucks run down, the east street's up, each street looping.
    for (int top : {44, 80})
        h.push_back({HazardKind::Car, QRect(86, top, 20, 25), Picture("car1.bmp"), Harm::Touch, 200, {3, 44, 116, false}, {}, {}, {}});
    for (int top : {62, 104})
        h.push_back({HazardKind::Car, QRect(152, top, 20, 25), Picture("car2.bmp"), Harm::Touch, 200, {-3, 44, 116, false}, {}, {}, {}});
    return h;
}

course::Stage HarbourTown()
{
    course::Stage s;
    s.name = Say("STAGE１・港町", "STAGE 1: Harbour");
    s.map = QStringLiteral("map1.png");
    s.starts = {{QRect(20, 16, 41, 25), {36, 56}, true}};
    s.goals = {{QRect(16, 254, 9, 17), true}};
    s.checkpoints = {
        Mark(QRect(28, 60, 17, 9), 3, Say("港町に着いたぞ！潮風が気持ちいいなぁ", "Here's the harbour town! What a lovely sea breeze")),
        Mark(QRect(60, 84, 9, 17), 2, Say("うわっ、トラックがびゅんびゅん走ってる！", "Whoa, trucks are zooming across!"), "Car"),
        Mark(QRect(120, 84, 9, 17), 1, Say("あと一本、渡りきるぞ", "One more street to cross")),
        // the taiyaki stand pauses the clock, and the quay after it starts it again
        Mark(QRect(264, 110, 17, 9), 3, Say("たい焼き屋だ！ちょっと一休みしよーっと", "A taiyaki stand! Time for a little break"), "Okasiya",
             ClockEffect::Pause),
        Mark(QRect(264, 150, 17, 9), 1, Say("よし、船が出る前に急がないと", "Right, I must hurry before the boat leaves"), "",
             ClockEffect::Resume),
        Mark(QRect(236, 176, 9, 17), 2, Say("げっ、跳ね橋が開いたり閉じたりしてる！", "Yikes, the drawbridge keeps opening and closing!"), "River"),
        Mark(QRect(80, 176, 9, 17), 1, Say("ふぅ、落ちるかと思ったぜ", "Phew, I thought I'd fall in")),
        Mark(QRect(40, 220, 17, 9), 3, Say("灯台が見えてきた！", "I can see the lighthouse!")),
    };
    s.hazards = HarbourHazards();
    s.stacking = Stacking(s);
    s.opening = {
        {0, Say("冬休みのある日、ピポにヌッピから手紙が届いた", "One day in the winter holidays, a letter came to Pipo from Nuppi")},
        {4, Say("港の灯台で待ってるぜ。船で雪山の温泉に行こう！", "I'll wait at the lighthouse. Let's take the boat to a hot spring in the snow!")},
        {1, Say("船が出るのは昼か・・・もうすぐじゃねーか！", "The boat leaves at noon... that's any minute now!")},
        {3, Say("温泉だー！待ってろよ、ヌッピ！", "A hot spring! Wait for me, Nuppi!")},
    };
    s.meeting = {
        {5, Say("間に合ったー！おーいヌッピー！", "Made it! Hey, Nuppi!")},
        {4, Say("遅いぞピポ！船はもう出るところだ", "You're late, Pipo! The boat is about to leave")},
        {2, Say("ちぇっ、走ってきたのに・・・", "Huh, and I ran all the way...")},
    };
    s.clearLine = Say("港町 クリア！！", "Harbour Town Clear!!");
    s.scoreAt = course::ScoreAt::WithClearPicture;
    s.signs = course::Signs::Map;  // the map paints its START and goal
    s.timeLimit = 45;
    s.targets = {course::Targets{11, 16, 26}, course::Targets{11, 17, 27}};  // the routes at 60, 40 and 25 px/s
    for (int i = 0; i < static_cast<int>(s.checkpoints.size()); ++i)
        s.route.mustPass.push_back({i});
    s.route.maxLength = 800;
    return s;
}

// 雪山: switchbacks up from the ferry, a mountain hut to rest in, then the
// fork: the narrow ridge, or the valley where sleet sways across the road.
course::Stage SnowyPass()
{
    course::Stage s;
    s.name = Say("STAGE２・雪山", "STAGE 2: Mt. Snow");
    s.map = QStringLiteral("map2.png");
    s.starts = {{QRect(16, 262, 41, 25), {32, 250}, true}};
    s.goals = {{QRect(254, 272, 17, 9), true}};
    s.checkpoints = {
        Mark(QRect(24, 210, 17, 9), 3, Say("雪だー！どこもかしこも真っ白だぜ", "Snow! Everything's white!")),
        Mark(QRect(60, 150, 9, 17), 2, Say("うぅ、さむっ！この坂きついなぁ", "Brr, it's cold! This slope is steep"), "Yama"),
        // the mountain hut pauses the clock, and the road above it starts it again
        Mark(QRect(60, 100, 9, 17), 3, Say("山小屋だ！ココアで一休み", "A mountain hut! A cup of cocoa and a rest"), "Okasiya",
             ClockEffect::Pause),
        Mark(QRect(24, 70, 17, 9), 1, Say("あったまった！さあ峠を越えるぞ", "Warm again! Now over the pass"), "", ClockEffect::Resume),
        Mark(QRect(100, 40, 9, 17), 1, Say("細い尾根道と、谷の道・・・どっちにしようかな", "The narrow ridge or the valley road... which way?")),
        Mark(QRect(190, 24, 9, 10), 2, Say("ひゃー、足元が細いぜ・・・下は見ないぞ", "Yikes, it's narrow... don't look down")),
        Mark(QRect(130, 120, 17, 9), 2, Say("みぞれが降ってきやがった！", "Now it's sleeting!"), "Rain"),
        Mark(QRect(254, 240, 17, 9), 3, Say("湯けむりが見えるぞ！", "I can see the steam of the hot spring!")),
    };
    // The sleet sways up and down across the valley road.
    s.hazards = {{HazardKind::Rain, QRect(152, 172, 99, 20), Picture("rain.bmp"), Harm::Touch, 300, {2, 172, 232, true}, {}, {}, {}}};
    s.stacking = Stacking(s);
    s.opening = {
        {0, Say("船に揺られて、ピポとヌッピは雪国の港に着いた", "After a rocking voyage, Pipo and Nuppi reached a harbour in the snow country")},
        {4, Say("温泉宿は峠の向こうだ。先に行って待ってるぜ！", "The hot spring inn is over the pass. I'll go ahead and wait for you!")},
        {2, Say("えっ、また置いてけぼりかよー！", "What, you're leaving me behind again?!")},
        {3, Say("よーし、一番風呂はオレがいただくぜ！", "Right, the first bath is mine!")},
    };
    s.meeting = {
        {5, Say("着いたー！温泉だー！", "Made it! The hot spring!")},
        {4, Say("遅かったな、ピポ。俺はもうひと風呂浴びたぜ", "You took your time, Pipo. I've had my bath already")},
        {6, Say("えーっ、一番風呂が・・・", "Whaaat, my first bath...")},
    };
    s.clearLine = Say("雪山 クリア！！", "Snowy Pass Clear!!");
    s.scoreAt = course::ScoreAt::AfterEnding;
    s.signs = course::Signs::Map;  // the map paints its START and goal
    s.timeLimit = 50;
    s.targets = {course::Targets{12, 18, 29}, course::Targets{13, 19, 30}};
    // Mark 4 is the fork: the ridge passes 5, the valley 6; both meet before 7.
    s.route.mustPass = {{0}, {1}, {2}, {3}, {4}, {5, 6}, {7}};
    s.route.branches = {5, 6};
    s.route.maxLength = 900;
    return s;
}

course::Course Make()
{
    course::Course c;
    c.name = Say("ピポの冒険・海と雪", "Pipo's Trip: Sea and Snow");
    c.author = QStringLiteral("Pokurimo developers");
    c.stages = {HarbourTown(), SnowyPass()};
    c.ending = {
        {4, Say("まあまあ、湯上がりのコーヒー牛乳おごってやるよ", "Come on, I'll buy you a coffee milk after your bath")},
        {3, Say("ほんと？！じゃあ二本な！", "Really?! Then make it two bottles!")},
        {4, Say("・・・調子のいいやつだな", "...You never miss a chance, do you")},
        {1, Say("へへっ、また冒険しようぜ、ヌッピ！", "Hehe, let's go on another trip, Nuppi!")},
    };
    c.farewell = Say("遊んでくれてありがとう！", "Thank you for playing!");
    return c;
}

}  // namespace

const course::Course& SeaSnow()
{
    static const course::Course course = Make();
    return course;
}

}  // namespace packs
