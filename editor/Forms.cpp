// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "editor/Forms.h"

#include "editor/PropertyForm.h"
#include "rules/CoursePack.h"
#include "rules/CoursePackFormat.h"
#include "rules/CourseRules.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace editor {

using namespace course;

namespace {

// The forms' texts, in their own context of the catalogue.
class Forms {
    Q_DECLARE_TR_FUNCTIONS(editor::Forms)
};

Stage& StageOf(Draft& d, int stage)
{
    return d.course.stages.at(static_cast<std::size_t>(stage));
}
const Stage& StageOf(const Draft& d, int stage)
{
    return d.course.stages.at(static_cast<std::size_t>(stage));
}

// The words of a choice, as course.json writes them, for a combo box.
template <typename T>
QStringList WordsOf()
{
    QStringList words;
    for (const format::Word<T>& w : format::Words<T>())
        words << QLatin1String(w.text);
    return words;
}
template <typename T>
int IndexOf(T value)
{
    const auto words = format::Words<T>();
    for (std::size_t i = 0; i < words.size(); ++i)
        if (words[i].value == value)
            return static_cast<int>(i);
    return 0;
}
template <typename T>
T ValueAt(int index)
{
    return format::Words<T>()[static_cast<std::size_t>(index)].value;
}

// A picture by the game's name, or the pack's own file as it is named.
QStringList PictureChoices(const QString& current)
{
    QStringList names = format::GamePictures();
    if (!current.isEmpty() && !current.startsWith(QLatin1Char(':')))
        names << QFileInfo(current).fileName();
    return names;
}
int PictureIndex(const QString& current)
{
    const QStringList names = format::GamePictures();
    const int own = static_cast<int>(names.indexOf(QFileInfo(current).baseName()));
    return current.startsWith(QLatin1Char(':')) && own >= 0 ? own : static_cast<int>(names.size());
}
// The picture chosen: one of the game's, or the one the mark had.
QString PictureAt(int index, const QString& current)
{
    const QStringList names = format::GamePictures();
    return index < names.size() ? format::GamePicture(names[index]) : current;
}

// A text in both languages: two fields, "line" and "lineEnglish". `text`
// reaches it in a draft, as a generic lambda does for a draft read or written.
template <typename Access>
void AddTextPair(PropertyForm& form, const QString& label, const QString& name, Access text)
{
    form.addText(label + Forms::tr(" (日本語)"), name, [text](const Draft& d) { return text(d).japanese; },
                 [text](Draft& d, QString v) { text(d).japanese = v; });
    form.addText(label + Forms::tr(" (English)"), name + QStringLiteral("English"), [text](const Draft& d) { return text(d).english; },
                 [text](Draft& d, QString v) { text(d).english = v; });
}

void AddRect(PropertyForm& form, int stage, Stacked e)
{
    auto get = [stage, e](const Draft& d) { return RectOf(StageOf(d, stage), e); };
    auto set = [stage, e](auto change) {
        return [stage, e, change](Draft& d, int v) {
            QRect r = RectOf(StageOf(d, stage), e);
            change(r, v);
            PlaceAt(StageOf(d, stage), e, r);
        };
    };
    form.addNumber(Forms::tr("左"), "left", 0, kMapSize - 1, 1, [get](const Draft& d) { return get(d).left(); },
                   set([](QRect& r, int v) { r.moveLeft(v); }));
    form.addNumber(Forms::tr("上"), "top", 0, kMapSize - 1, 1, [get](const Draft& d) { return get(d).top(); },
                   set([](QRect& r, int v) { r.moveTop(v); }));
    form.addNumber(Forms::tr("幅"), "width", 1, kMapSize, 1, [get](const Draft& d) { return get(d).width(); },
                   set([](QRect& r, int v) { r.setWidth(v); }));
    form.addNumber(Forms::tr("高さ"), "height", 1, kMapSize, 1, [get](const Draft& d) { return get(d).height(); },
                   set([](QRect& r, int v) { r.setHeight(v); }));
}

// An element of the draft's stage, reached the same way for reading and for writing.
template <auto List>
auto ElementOf(int stage, int i)
{
    return [stage, i](auto& d) -> auto& {
        return (d.course.stages[static_cast<std::size_t>(stage)].*List)[static_cast<std::size_t>(i)];
    };
}

void StartForm(PropertyForm& form, int stage, int i)
{
    auto start = ElementOf<&Stage::starts>(stage, i);
    form.addCheck(Forms::tr("ステージのスタート"), "own", [start](const Draft& d) { return start(d).own; },
                  [start](Draft& d, bool v) { start(d).own = v; });
    form.addNumber(Forms::tr("ポインタの位置 x"), "pointX", 0, kMapSize - 1, 1, [start](const Draft& d) { return start(d).point.x(); },
                   [start](Draft& d, int v) { start(d).point.setX(v); });
    form.addNumber(Forms::tr("ポインタの位置 y"), "pointY", 0, kMapSize - 1, 1, [start](const Draft& d) { return start(d).point.y(); },
                   [start](Draft& d, int v) { start(d).point.setY(v); });
}

void CheckpointForm(PropertyForm& form, int stage, int i)
{
    auto mark = ElementOf<&Stage::checkpoints>(stage, i);
    AddTextPair(form, Forms::tr("せりふ"), "line", [mark](auto& d) -> auto& { return mark(d).line; });
    form.addFaces(Forms::tr("顔"), "face", [mark](const Draft& d) { return mark(d).face; }, [mark](Draft& d, int v) { mark(d).face = v; });
    QStringList sounds{Forms::tr("(なし)")};
    sounds << format::Sounds();
    form.addChoice(Forms::tr("音"), "sound", sounds, [mark](const Draft& d) { return static_cast<int>(format::Sounds().indexOf(mark(d).sound)) + 1; },
                   [mark](Draft& d, int v) { mark(d).sound = v == 0 ? QString() : format::Sounds()[v - 1]; });
    form.addCheck(Forms::tr("一度だけ話す"), "once", [mark](const Draft& d) { return mark(d).once; }, [mark](Draft& d, bool v) { mark(d).once = v; });
    form.addCheck(Forms::tr("このマップで話す"), "live", [mark](const Draft& d) { return mark(d).live; }, [mark](Draft& d, bool v) { mark(d).live = v; });
    form.addChoice(Forms::tr("時計"), "clock", {Forms::tr("そのまま"), Forms::tr("止める"), Forms::tr("また動かす")},
                   [mark](const Draft& d) { return IndexOf(mark(d).clock); }, [mark](Draft& d, int v) { mark(d).clock = ValueAt<ClockEffect>(v); });
    form.addNumber(Forms::tr("必ず通る組 (0: なし)"), "mustPass", 0, kMaxMarks, 1,
                   [stage, i](const Draft& d) { return MustPassSet(StageOf(d, stage), i); },
                   [stage, i](Draft& d, int v) { SetMustPassSet(StageOf(d, stage), i, v); });
    form.addCheck(Forms::tr("分かれ道 (とじてもゴールできる)"), "branch", [stage, i](const Draft& d) { return IsBranch(StageOf(d, stage), i); },
                  [stage, i](Draft& d, bool v) { SetBranch(StageOf(d, stage), i, v); });
}

template <typename Access>
void PictureField(PropertyForm& form, const QString& label, const char* name, const QString& current, Access picture)
{
    form.addChoice(label, name, PictureChoices(current), [picture](const Draft& d) { return PictureIndex(picture(d)); },
                   [picture, current](Draft& d, int v) { picture(d) = PictureAt(v, current); });
}

// "010 001": the rows of a bridge's pattern, "1" for a piece over open water.
QString PatternText(const Hazard& h)
{
    QStringList rows;
    for (const std::vector<bool>& row : h.pattern) {
        QString text;
        for (bool open : row)
            text += open ? QLatin1Char('1') : QLatin1Char('0');
        rows << text;
    }
    return rows.join(QLatin1Char(' '));
}
void SetPattern(Hazard& h, const QString& text)
{
    std::vector<std::vector<bool>> rows;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        std::vector<bool> row;
        for (QChar c : word)
            row.push_back(c == QLatin1Char('1'));
        row.resize(h.pieces.size(), false);
        rows.push_back(row);
    }
    if (!rows.empty())
        h.pattern = rows;
}

void HazardForm(PropertyForm& form, int stage, int i, const Hazard& now)
{
    auto hazard = ElementOf<&Stage::hazards>(stage, i);
    const HazardTraits traits = Traits(now.kind);
    form.addChoice(Forms::tr("種類"), "kind", WordsOf<HazardKind>(), [hazard](const Draft& d) { return IndexOf(hazard(d).kind); },
                   [hazard](Draft& d, int v) { ChangeKind(hazard(d), ValueAt<HazardKind>(v)); });
    PictureField(form, Forms::tr("絵"), "picture", now.picture, [hazard](auto& d) -> auto& { return hazard(d).picture; });
    form.addChoice(Forms::tr("あたり"), "harm", {Forms::tr("さわるとミス"), Forms::tr("クリックするとミス")}, [hazard](const Draft& d) { return IndexOf(hazard(d).harm); },
                   [hazard](Draft& d, int v) { hazard(d).harm = ValueAt<Harm>(v); });
    if (traits.timed)
        form.addNumber(Forms::tr("周期 (ミリ秒)"), "periodMs", 100, 60000, 100, [hazard](const Draft& d) { return hazard(d).periodMs; },
                       [hazard](Draft& d, int v) { hazard(d).periodMs = v / 100 * 100; });
    if (traits.motion) {
        form.addNumber(Forms::tr("一歩 (下へ、ピクセル)"), "step", -kMapSize, kMapSize, 1, [hazard](const Draft& d) { return hazard(d).motion.step; },
                       [hazard](Draft& d, int v) { hazard(d).motion.step = v == 0 ? 1 : v; });
        form.addNumber(Forms::tr("いちばん上"), "low", 0, kMapSize - 1, 1, [hazard](const Draft& d) { return hazard(d).motion.low; },
                       [hazard](Draft& d, int v) { hazard(d).motion.low = std::min(v, hazard(d).rect.top()); });
        form.addNumber(Forms::tr("いちばん下"), "high", 0, kMapSize - 1, 1, [hazard](const Draft& d) { return hazard(d).motion.high; },
                       [hazard](Draft& d, int v) { hazard(d).motion.high = std::clamp(v, hazard(d).rect.top(), kMapSize - hazard(d).rect.height()); });
        form.addCheck(Forms::tr("行ったり来たり"), "sway", [hazard](const Draft& d) { return hazard(d).motion.sway; },
                      [hazard](Draft& d, bool v) { hazard(d).motion.sway = v; });
    }
    if (traits.pieces) {
        PictureField(form, Forms::tr("水の絵"), "openPicture", now.openPicture, [hazard](auto& d) -> auto& { return hazard(d).openPicture; });
        form.addNumber(Forms::tr("板の数"), "pieces", 1, 12, 1, [hazard](const Draft& d) { return static_cast<int>(hazard(d).pieces.size()); },
                       [hazard](Draft& d, int v) { LayPieces(hazard(d), v); });
        form.addText(Forms::tr("並び (1: 水、行ごとに空白)"), "pattern", [hazard](const Draft& d) { return PatternText(hazard(d)); },
                     [hazard](Draft& d, QString v) { SetPattern(hazard(d), v); }, true);
    }
}

}  // namespace

void BuildElementForm(PropertyForm& form, int stage, Stacked e)
{
    form.clear();
    form.addHeading(Forms::tr("マーク"));
    AddRect(form, stage, e);
    const int i = e.index;
    switch (e.layer) {
    case Layer::Start:
        StartForm(form, stage, i);
        break;
    case Layer::Goal:
        form.addCheck(Forms::tr("本物のゴール"), "live",
                      [stage, i](const Draft& d) { return StageOf(d, stage).goals[static_cast<std::size_t>(i)].live; },
                      [stage, i](Draft& d, bool v) { StageOf(d, stage).goals[static_cast<std::size_t>(i)].live = v; });
        break;
    case Layer::Checkpoint:
        CheckpointForm(form, stage, i);
        break;
    case Layer::Cover:
        PictureField(form, Forms::tr("絵"), "picture", StageOf(form.draft(), stage).covers[static_cast<std::size_t>(i)].picture,
                     [cover = ElementOf<&Stage::covers>(stage, i)](auto& d) -> auto& { return cover(d).picture; });
        break;
    case Layer::Hazard:
        HazardForm(form, stage, i, StageOf(form.draft(), stage).hazards[static_cast<std::size_t>(i)]);
        break;
    }
}

void BuildStageForm(PropertyForm& form, int stage)
{
    form.clear();
    AddTextPair(form, Forms::tr("ステージ名"), "stageName", [stage](auto& d) -> auto& { return StageOf(d, stage).name; });
    form.addNumber(Forms::tr("制限時間 (さる、秒)"), "timeLimit", 1, 999, 1, [stage](const Draft& d) { return StageOf(d, stage).timeLimit; },
                   [stage](Draft& d, int v) { StageOf(d, stage).timeLimit = v; });
    form.addCheck(Forms::tr("地図にスタートとゴールの絵がある"), "signsOnMap",
                  [stage](const Draft& d) { return StageOf(d, stage).signs == Signs::Map; },
                  [stage](Draft& d, bool v) { StageOf(d, stage).signs = v ? Signs::Map : Signs::Drawn; });
    form.addStory(Forms::tr("はじまりのせりふ"), "opening", [stage](const Draft& d) { return StageOf(d, stage).opening; },
                  [stage](Draft& d, std::vector<StoryLine> v) { StageOf(d, stage).opening = std::move(v); });
    form.addStory(Forms::tr("ゴールのせりふ"), "meeting", [stage](const Draft& d) { return StageOf(d, stage).meeting; },
                  [stage](Draft& d, std::vector<StoryLine> v) { StageOf(d, stage).meeting = std::move(v); });
    AddTextPair(form, Forms::tr("クリアのせりふ"), "clearLine", [stage](auto& d) -> auto& { return StageOf(d, stage).clearLine; });
}

void BuildPackForm(PropertyForm& form)
{
    form.clear();
    AddTextPair(form, Forms::tr("パックの名前"), "packName", [](auto& d) -> auto& { return d.course.name; });
    form.addText(Forms::tr("作者"), "author", [](const Draft& d) { return d.course.author; }, [](Draft& d, QString v) { d.course.author = v; });
    form.addStory(Forms::tr("エンディング"), "ending", [](const Draft& d) { return d.course.ending; },
                  [](Draft& d, std::vector<StoryLine> v) { d.course.ending = std::move(v); });
    AddTextPair(form, Forms::tr("さいごのひとこと"), "farewell", [](auto& d) -> auto& { return d.course.farewell; });
}

}  // namespace editor
