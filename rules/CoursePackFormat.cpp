// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/CoursePackFormat.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include <QColor>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace course::format {

namespace {

const char* const kPictures[] = {"car1", "car2", "rain", "river0", "river1", "plank", "water", "road0", "road1"};
const QString kGamePictures = QStringLiteral(":/pictures/");

constexpr Word<HazardKind> kKinds[] = {
    {HazardKind::Car, "car"}, {HazardKind::Rain, "rain"}, {HazardKind::River, "river"}, {HazardKind::Bridge, "bridge"}};
constexpr Word<Harm> kHarms[] = {{Harm::Touch, "touch"}, {Harm::Click, "click"}};
constexpr Word<ClockEffect> kClocks[] = {{ClockEffect::Keep, "keep"}, {ClockEffect::Pause, "pause"}, {ClockEffect::Resume, "resume"}};
constexpr Word<ScoreAt> kScoreAts[] = {{ScoreAt::WithClearPicture, "clear"}, {ScoreAt::AfterEnding, "ending"}};
constexpr Word<Signs> kSigns[] = {{Signs::Drawn, "drawn"}, {Signs::Map, "map"}};
constexpr Word<Layer> kLayers[] = {
    {Layer::Start, "start"}, {Layer::Goal, "goal"}, {Layer::Checkpoint, "checkpoint"}, {Layer::Cover, "cover"}, {Layer::Hazard, "hazard"}};

class Writer {
public:
    explicit Writer(const QString& folder) : m_folder(folder) {}

    QJsonObject course(const Course& c) const
    {
        QJsonObject o{{QStringLiteral("format"), kVersion}};
        QJsonArray stages;
        for (const Stage& s : c.stages)
            stages.append(stage(s));
        o[QStringLiteral("stages")] = stages;
        o[QStringLiteral("name")] = text(c.name);
        o[QStringLiteral("author")] = c.author;
        o[QStringLiteral("ending")] = story(c.ending);
        o[QStringLiteral("farewell")] = text(c.farewell);
        return o;
    }

private:
    static QJsonArray rect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

    static QJsonObject text(const Text& t)
    {
        QJsonObject o{{QStringLiteral("ja"), t.japanese}};
        if (!t.english.isEmpty())
            o[QStringLiteral("en")] = t.english;
        return o;
    }

    static QJsonArray story(const std::vector<StoryLine>& lines)
    {
        QJsonArray a;
        for (const StoryLine& l : lines) {
            QJsonObject o = text(l.text);
            o[QStringLiteral("face")] = l.face;
            a.append(o);
        }
        return a;
    }

    QString file(const QString& path) const
    {
        if (path.startsWith(kGamePictures))
            return path.mid(kGamePictures.size()).section(QLatin1Char('.'), 0, 0);
        return m_folder.isEmpty() ? path : QDir(m_folder).relativeFilePath(path);
    }

    QJsonObject stage(const Stage& s) const
    {
        QJsonObject o;
        if (s.offRoad)
            o[QStringLiteral("offRoad")] = QColor(*s.offRoad).name();
        o[QStringLiteral("timeLimit")] = s.timeLimit;
        QJsonObject targets;
        for (int level = 1; level <= 2; ++level)
            if (const auto& t = s.targets[static_cast<std::size_t>(level - 1)])
                targets[QString::number(level)] = QJsonArray{(*t)[0], (*t)[1], (*t)[2]};
        if (!targets.isEmpty())
            o[QStringLiteral("targets")] = targets;
        o[QStringLiteral("scoreAt")] = NameOf(s.scoreAt);
        if (s.signs != Signs::Drawn)  // the default, left out
            o[QStringLiteral("signs")] = NameOf(s.signs);
        o[QStringLiteral("starts")] = starts(s);
        QJsonArray goals;
        for (const Goal& g : s.goals)
            goals.append(QJsonObject{{QStringLiteral("rect"), rect(g.rect)}, {QStringLiteral("live"), g.live}});
        o[QStringLiteral("goals")] = goals;
        o[QStringLiteral("checkpoints")] = checkpoints(s);
        QJsonArray covers;
        for (const Cover& c : s.covers) {
            covers.append(QJsonObject{{QStringLiteral("rect"), rect(c.rect)}, {QStringLiteral("picture"), file(c.picture)}});
        }
        o[QStringLiteral("covers")] = covers;
        QJsonArray hazards;
        for (const Hazard& h : s.hazards)
            hazards.append(hazard(h));
        o[QStringLiteral("hazards")] = hazards;
        QJsonArray stacking;
        for (const Stacked& e : s.stacking)
            stacking.append(QStringLiteral("%1 %2").arg(NameOf(e.layer)).arg(e.index));
        o[QStringLiteral("stacking")] = stacking;
        o[QStringLiteral("name")] = text(s.name);
        o[QStringLiteral("map")] = file(s.map);
        o[QStringLiteral("opening")] = story(s.opening);
        o[QStringLiteral("meeting")] = story(s.meeting);
        o[QStringLiteral("clear")] = text(s.clearLine);
        o[QStringLiteral("route")] = route(s.route);
        return o;
    }

    static QJsonArray starts(const Stage& s)
    {
        QJsonArray a;
        for (const StartZone& z : s.starts)
            a.append(QJsonObject{{QStringLiteral("rect"), rect(z.rect)},
                                 {QStringLiteral("point"), QJsonArray{z.point.x(), z.point.y()}},
                                 {QStringLiteral("own"), z.own}});
        return a;
    }

    QJsonArray checkpoints(const Stage& s) const
    {
        QJsonArray a;
        for (const Checkpoint& c : s.checkpoints) {
            QJsonObject o{{QStringLiteral("rect"), rect(c.rect)},
                          {QStringLiteral("live"), c.live},
                          {QStringLiteral("once"), c.once},
                          {QStringLiteral("clock"), NameOf(c.clock)},
                          {QStringLiteral("face"), c.face}};
            if (!c.line.japanese.isEmpty())
                o[QStringLiteral("line")] = text(c.line);
            if (!c.sound.isEmpty())
                o[QStringLiteral("sound")] = c.sound;
            a.append(o);
        }
        return a;
    }

    QJsonObject hazard(const Hazard& h) const
    {
        QJsonObject o{{QStringLiteral("kind"), NameOf(h.kind)},
                      {QStringLiteral("rect"), rect(h.rect)},
                      {QStringLiteral("harm"), NameOf(h.harm)},
                      {QStringLiteral("periodMs"), h.periodMs},
                      {QStringLiteral("picture"), file(h.picture)}};
        if (Traits(h.kind).motion)
            o[QStringLiteral("motion")] = QJsonObject{{QStringLiteral("step"), h.motion.step},
                                                      {QStringLiteral("low"), h.motion.low},
                                                      {QStringLiteral("high"), h.motion.high},
                                                      {QStringLiteral("sway"), h.motion.sway}};
        if (Traits(h.kind).pieces) {
            QJsonArray pieces, pattern;
            for (const QRect& p : h.pieces)
                pieces.append(rect(p));
            for (const std::vector<bool>& row : h.pattern) {
                QString r;
                for (bool open : row)
                    r += QLatin1Char(open ? '1' : '0');
                pattern.append(r);
            }
            o[QStringLiteral("pieces")] = pieces;
            o[QStringLiteral("pattern")] = pattern;
            o[QStringLiteral("openPicture")] = file(h.openPicture);
        }
        return o;
    }

    static QJsonObject route(const RoutePlan& r)
    {
        QJsonArray sets, branches;
        for (const std::vector<int>& set : r.mustPass) {
            QJsonArray a;
            for (int i : set)
                a.append(i);
            sets.append(a);
        }
        for (int i : r.branches)
            branches.append(i);
        return {{QStringLiteral("mustPass"), sets}, {QStringLiteral("branches"), branches}, {QStringLiteral("maxLength"), r.maxLength}};
    }

    QString m_folder;
};

// Rectangles and points on one line each, as a person writes them.
QByteArray Compact(QByteArray json)
{
    static const QRegularExpression numbers(QStringLiteral("\\[\\s*(-?\\d+(?:,\\s*-?\\d+)*)\\s*\\]"));
    QString text = QString::fromUtf8(json);
    QString out;
    qsizetype from = 0;
    for (auto it = numbers.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(from, m.capturedStart() - from);
        out += QLatin1Char('[') + m.captured(1).simplified().replace(QStringLiteral(", "), QStringLiteral(",")).replace(QLatin1Char(','), QStringLiteral(", ")) + QLatin1Char(']');
        from = m.capturedEnd();
    }
    out += QStringView(text).mid(from);
    static const QRegularExpression empty(QStringLiteral("\\[\\s*\\]"));
    return out.replace(empty, QStringLiteral("[]")).toUtf8();
}

}  // namespace

QString GamePicture(const QString& name)
{
    for (const char* own : kPictures)
        if (name == QLatin1String(own))
            return kGamePictures + name + QStringLiteral(".bmp");
    return {};
}

QStringList GamePictures()
{
    QStringList names;
    for (const char* own : kPictures)
        names << QLatin1String(own);
    return names;
}

const QStringList& Sounds()
{
    static const QStringList sounds{QStringLiteral("Yama"), QStringLiteral("Okasiya"), QStringLiteral("Kouji"),
                                    QStringLiteral("Car"),  QStringLiteral("Rain"),    QStringLiteral("River")};
    return sounds;
}

template <>
std::span<const Word<HazardKind>> Words() { return kKinds; }
template <>
std::span<const Word<Harm>> Words() { return kHarms; }
template <>
std::span<const Word<ClockEffect>> Words() { return kClocks; }
template <>
std::span<const Word<ScoreAt>> Words() { return kScoreAts; }
template <>
std::span<const Word<Layer>> Words() { return kLayers; }
template <>
std::span<const Word<Signs>> Words() { return kSigns; }

QByteArray Write(const Course& course, const QString& folder)
{
    return Compact(QJsonDocument(Writer(folder).course(course)).toJson(QJsonDocument::Indented));
}

}  // namespace course::format
