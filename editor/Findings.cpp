// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "editor/Findings.h"

#include "rules/CoursePackFormat.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace editor {

namespace {

class Findings {
    Q_DECLARE_TR_FUNCTIONS(editor::Findings)
};

using course::Layer;
using course::Stacked;

// The play screen's names of the marks, as the checker gives them: "checkpoints(3)", "hazards(2.1)".
const QRegularExpression kMarkName(QStringLiteral(R"((startZones|goalMarks|checkpoints|covers|hazards)\((\d+)(?:\.\d+)?\))"));
const QRegularExpression kPlace(QStringLiteral(R"(\((\d+), (\d+)\))"));

std::optional<Layer> LayerOfList(const QString& list)
{
    static const std::pair<const char*, Layer> lists[] = {
        {"startZones", Layer::Start}, {"goalMarks", Layer::Goal}, {"checkpoints", Layer::Checkpoint}, {"covers", Layer::Cover},
        {"hazards", Layer::Hazard}, {"starts", Layer::Start}, {"goals", Layer::Goal}};
    for (const auto& [name, layer] : lists)
        if (list == QLatin1String(name))
            return layer;
    return std::nullopt;
}

QString MarkName(Layer layer, int index)
{
    switch (layer) {
    case Layer::Start:
        return Findings::tr("スタート %1").arg(index);
    case Layer::Goal:
        return Findings::tr("ゴール %1").arg(index);
    case Layer::Checkpoint:
        return Findings::tr("チェックポイント %1").arg(index);
    case Layer::Cover:
        return Findings::tr("カバー %1").arg(index);
    case Layer::Hazard:
        break;
    }
    return Findings::tr("ハザード %1").arg(index);
}

// The checker's names of marks in `text`, in the player's words; the first one found is the finding's mark.
QString NameMarks(QString text, Finding& finding)
{
    QRegularExpressionMatch m;
    while ((m = kMarkName.match(text)).hasMatch()) {
        const Layer layer = *LayerOfList(m.captured(1));
        const int index = m.captured(2).toInt();
        if (!finding.element)
            finding.element = Stacked{layer, index};
        text.replace(m.capturedStart(), m.capturedLength(), MarkName(layer, index));
    }
    return text;
}

// A sentence of the checker, in the player's words; nothing when it is not one the editor knows.
struct Sentence {
    QRegularExpression pattern;
    const char* words;  // the words, its captures %1, %2 … in order
};

const std::vector<Sentence>& Sentences()
{
    static const std::vector<Sentence> sentences{
        {QRegularExpression(QStringLiteral(R"(^the start point \((\d+), (\d+)\) is not safe$)")),
         QT_TRANSLATE_NOOP("editor::Findings", "スタートの点 (%1, %2) が安全な道の上にない")},
        {QRegularExpression(QStringLiteral("^the goal cannot be reached from the start point$")),
         QT_TRANSLATE_NOOP("editor::Findings", "スタートからゴールまで道がつながっていない")},
        {QRegularExpression(QStringLiteral(R"(^the shortest route is (\d+) px, longer than (\d+)$)")),
         QT_TRANSLATE_NOOP("editor::Findings", "いちばん短い道が %1 ピクセルで、%2 より長い")},
        {QRegularExpression(QStringLiteral("^a route reaches the goal without passing (.+)$")),
         QT_TRANSLATE_NOOP("editor::Findings", "%1 を通らずにゴールに行ける")},
        {QRegularExpression(QStringLiteral(R"(^every route passes (\S+), but it should lie on one way only$)")),
         QT_TRANSLATE_NOOP("editor::Findings", "どの道も %1 を通る (分かれ道のはず)")},
        {QRegularExpression(QStringLiteral(R"(^(.+) near \((\d+), (\d+)\) join (\d+) separate pieces of road$)")),
         QT_TRANSLATE_NOOP("editor::Findings", "%1 が (%2, %3) で、地図では離れた道を %4 つつないでいる")},
        {QRegularExpression(QStringLiteral("^too complex to prove in the time allowed$")),
         QT_TRANSLATE_NOOP("editor::Findings", "むずかしすぎて、時間内にたしかめられない")},
        {QRegularExpression(QStringLiteral(R"(^the start point lies under a hazard at ([\d.]+) s$)")),
         QT_TRANSLATE_NOOP("editor::Findings", "%1 秒にスタートの点がハザードの下になる")},
        {QRegularExpression(QStringLiteral(R"(^a Start click at (\d+) s cannot reach the goal within (\d+) s$)")),
         QT_TRANSLATE_NOOP("editor::Findings", "%1 秒にスタートすると、%2 秒以内にゴールできない")},
    };
    return sentences;
}

Finding Said(const QString& prefix, const QString& problem)
{
    Finding finding;
    if (const QRegularExpressionMatch at = kPlace.match(problem); at.hasMatch())
        finding.place = QPoint(at.captured(1).toInt(), at.captured(2).toInt());
    QString text = problem;
    for (const Sentence& s : Sentences()) {
        const QRegularExpressionMatch m = s.pattern.match(problem);
        if (!m.hasMatch())
            continue;
        text = QCoreApplication::translate("editor::Findings", s.words);
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            text = text.arg(m.captured(i));
        break;
    }
    finding.text = prefix + NameMarks(text, finding);
    return finding;
}

QString LevelPrefix(int level)
{
    return level == 1 ? Findings::tr("たこ：") : Findings::tr("さる：");
}

}  // namespace

std::vector<Finding> LoaderFindings(const course::Pack& alone, int stage)
{
    static const QRegularExpression field(QStringLiteral(R"(^course\.json: (stages\[0\]\.)?(\S+): (.*)$)"));
    static const QRegularExpression element(QStringLiteral(R"(^(starts|goals|checkpoints|covers|hazards)\[(\d+)\])"));
    std::vector<Finding> findings;
    for (const QString& problem : alone.problems) {
        Finding finding;
        const QRegularExpressionMatch m = field.match(problem);
        if (!m.hasMatch()) {
            finding.text = problem;
            findings.push_back(finding);
            continue;
        }
        const QString path = m.captured(1).isEmpty() ? m.captured(2) : QStringLiteral("stages[%1].%2").arg(stage).arg(m.captured(2));
        const QString what = m.captured(3);
        if (const QRegularExpressionMatch e = element.match(m.captured(2)); e.hasMatch() && !m.captured(1).isEmpty())
            finding.element = Stacked{*LayerOfList(e.captured(1)), e.captured(2).toInt()};
        if (what.contains(QLatin1String("does not fit")))
            finding.text = Findings::tr("%1：文が枠に入らない").arg(path);
        else if (what.startsWith(QLatin1String("no start of the stage's own")))
            finding.text = Findings::tr("このステージのスタート (「ステージのスタート」) がない");
        else if (what.contains(QLatin1String("live goals; a stage has exactly one")))
            finding.text = Findings::tr("本物のゴールがひとつではない (%1 個)").arg(what.section(QLatin1Char(' '), 0, 0));
        else
            finding.text = QStringLiteral("%1: %2").arg(path, what);
        findings.push_back(finding);
    }
    return findings;
}

std::vector<Finding> CheckerFindings(const coursecheck::StageCheck& check)
{
    std::vector<Finding> findings;
    if (check.verdict == coursecheck::Verdict::TooComplex) {
        findings.push_back({Findings::tr("むずかしすぎて、時間内にたしかめられない"), std::nullopt, std::nullopt});
        return findings;
    }
    for (int level = 1; level <= 2; ++level) {
        const coursecheck::CourseReport& report = check.levels[static_cast<std::size_t>(level - 1)];
        for (const QString& problem : report.problems)
            findings.push_back(Said(LevelPrefix(level), problem));
        if (!check.goldTooFast[static_cast<std::size_t>(level - 1)].isEmpty())
            findings.push_back({LevelPrefix(level) + Findings::tr("金の時間が速すぎる：いちばん短い道 %1 ピクセルは、1 秒 300 ピクセルでも歩けない")
                                                         .arg(report.routeLength),
                                std::nullopt, std::nullopt});
    }
    if (!check.hazards)
        return findings;
    // A road that fails one Start click mostly fails many: they are told once, with their number.
    static const QRegularExpression late(QStringLiteral(R"(^a Start click at (\d+) s cannot reach the goal within (\d+) s$)"));
    int lateClicks = 0;
    for (const QString& problem : check.hazards->problems) {
        const QRegularExpressionMatch m = late.match(problem);
        if (m.hasMatch() && lateClicks++ > 0)
            continue;
        findings.push_back(Said(Findings::tr("さる・ハザードあり："), problem));
    }
    if (lateClicks > 1)
        findings.push_back({Findings::tr("さる・ハザードあり：ほかに %1 回のスタートも間に合わない").arg(lateClicks - 1), std::nullopt, std::nullopt});
    return findings;
}

}  // namespace editor
