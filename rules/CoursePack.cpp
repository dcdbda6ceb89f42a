// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Reading a course pack: every field is checked before the game trusts it,
// and every problem is told with its file and field, not only the first.

#include "rules/CoursePack.h"

#include "rules/CoursePackFormat.h"
#include "rules/CourseRules.h"
#include "rules/MapPicture.h"
#include "rules/PackFiles.h"
#include "rules/TextFit.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <set>

namespace course {

namespace {

constexpr qint64 kLargestFile = 1024 * 1024;
constexpr int kMostProblems = 100;  // a garbage file says enough long before this
constexpr int kMostFaces = 6;
const QString kFile = QStringLiteral("course.json");

QString Quoted(const QString& s)
{
    return QLatin1Char('"') + OneLine(s.left(40)) + QLatin1Char('"');
}

// Characters as a player sees them: an emoji outside the first plane is one.
qsizetype Characters(const QString& s)
{
    return s.size() - std::count_if(s.begin(), s.end(), [](QChar c) { return c.isLowSurrogate(); });
}

// What a string may not hold: in a text, control characters but tab and line
// feed; in a file name, any.
enum class Words : std::uint8_t { Text, FileName };

bool HoldsControl(const QString& s, Words words)
{
    return std::any_of(s.begin(), s.end(), [words](QChar c) {
        if (words == Words::Text && (c == QLatin1Char('\t') || c == QLatin1Char('\n')))
            return false;
        return c.category() == QChar::Other_Control;
    });
}

// Reads one pack: the fields of course.json into a Course, collecting problems.
class PackReader {
public:
    PackReader(Pack& pack, Texts texts) : m_pack(pack), m_folder(pack.folder), m_texts(texts) {}

    void read();

private:
    // Problems. Most leave a field unread or the pack unplayable; an
    // unfinished one, a text too long for its box or a stage still without
    // its own start or its one goal, leaves every field read.
    void problem(const QString& path, const QString& what) { problemIn(kFile, path, what); }
    void problemIn(const QString& file, const QString& path, const QString& what)
    {
        m_pack.readWhole = false;
        tell(file, path, what);
    }
    void unfinished(const QString& path, const QString& what) { tell(kFile, path, what); }
    void tell(const QString& file, const QString& path, const QString& what)
    {
        if (m_pack.problems.size() < kMostProblems)
            m_pack.problems << OneLine(QStringLiteral("%1: %2: %3").arg(file, path, what));
        else if (m_pack.problems.size() == kMostProblems)
            m_pack.problems << QStringLiteral("%1: more problems not shown").arg(kFile);
    }

    // Fields
    QJsonValue field(const QJsonObject& o, const QString& path, const char* key, bool required);
    int integer(const QJsonObject& o, const QString& path, const char* key, int low, int high, std::optional<int> byDefault);
    bool boolean(const QJsonObject& o, const QString& path, const char* key, bool byDefault);
    QString string(const QJsonObject& o, const QString& path, const char* key, bool required, Words words = Words::Text);
    QJsonArray array(const QJsonObject& o, const QString& path, const char* key, bool required, int most);
    QJsonObject object(const QJsonValue& v, const QString& path);
    // One of the named values; nothing when the word is unknown (told) or missing and required (told).
    template <typename T>
    std::optional<T> choice(const QJsonObject& o, const QString& path, const char* key, std::optional<T> byDefault);
    QRect rect(const QJsonValue& v, const QString& path);
    QRect rectField(const QJsonObject& o, const QString& path, const char* key);
    Text text(const QJsonObject& o, const QString& path, const char* key, bool required);
    std::vector<StoryLine> story(const QJsonObject& o, const QString& path, const char* key);

    // Files
    bool refused(const QString& name, const QString& path);
    QString inside(const QString& name, const QString& path);
    QString picture(const QJsonObject& o, const QString& path, const char* key);

    // Stages
    Stage stage(const QJsonObject& o, const QString& path, bool last);
    void marks(Stage& s, const QJsonObject& o, const QString& path);
    Hazard hazard(const QJsonObject& o, const QString& path);
    void motion(Hazard& h, const QJsonObject& o, const QString& path);
    void bridge(Hazard& h, const QJsonObject& o, const QString& path);
    void stacking(Stage& s, const QJsonObject& o, const QString& path);
    void route(Stage& s, const QJsonObject& o, const QString& path);
    void targets(Stage& s, const QJsonObject& o, const QString& path);
    void checkStage(const Stage& s, const QString& path);
    void fitTexts(const Course& c);
    void fitText(const fit::TextBox& box, const QString& path, const Text& text);
    QImage map(const QString& file, const QString& path);

    Pack& m_pack;
    QDir m_folder;
    Texts m_texts;
    std::vector<QImage> m_maps;
};

QJsonValue PackReader::field(const QJsonObject& o, const QString& path, const char* key, bool required)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() && required)
        problem(path + QLatin1Char('.') + QLatin1String(key), QStringLiteral("missing"));
    return v;
}

int PackReader::integer(const QJsonObject& o, const QString& path, const char* key, int low, int high, std::optional<int> byDefault)
{
    const QJsonValue v = field(o, path, key, !byDefault);
    if (v.isUndefined())
        return byDefault.value_or(low);
    const QString where = path + QLatin1Char('.') + QLatin1String(key);
    const double d = v.toDouble(std::nan(""));
    if (!v.isDouble() || d != std::floor(d)) {
        problem(where, QStringLiteral("not a whole number"));
        return byDefault.value_or(low);
    }
    if (d < low || d > high) {
        problem(where, QStringLiteral("%1 is not in %2..%3").arg(d).arg(low).arg(high));
        return byDefault.value_or(low);
    }
    return static_cast<int>(d);
}

bool PackReader::boolean(const QJsonObject& o, const QString& path, const char* key, bool byDefault)
{
    const QJsonValue v = field(o, path, key, false);
    if (v.isUndefined())
        return byDefault;
    if (!v.isBool())
        problem(path + QLatin1Char('.') + QLatin1String(key), QStringLiteral("not true or false"));
    return v.toBool(byDefault);
}

QString PackReader::string(const QJsonObject& o, const QString& path, const char* key, bool required, Words words)
{
    const QJsonValue v = field(o, path, key, required);
    if (v.isUndefined())
        return {};
    if (!v.isString()) {
        problem(path + QLatin1Char('.') + QLatin1String(key), QStringLiteral("not a string"));
        return {};
    }
    const QString s = v.toString();
    if (Characters(s) > kMaxTextLength) {
        problem(path + QLatin1Char('.') + QLatin1String(key), QStringLiteral("longer than %1 characters").arg(kMaxTextLength));
        return {};
    }
    if (HoldsControl(s, words)) {
        problem(path + QLatin1Char('.') + QLatin1String(key),
                words == Words::Text ? QStringLiteral("holds a control character")
                                     : QStringLiteral("%1: a file name holding a control character").arg(Quoted(s)));
        return {};
    }
    return s;
}

QJsonArray PackReader::array(const QJsonObject& o, const QString& path, const char* key, bool required, int most)
{
    const QJsonValue v = field(o, path, key, required);
    const QString where = path + QLatin1Char('.') + QLatin1String(key);
    if (v.isUndefined())
        return {};
    if (!v.isArray()) {
        problem(where, QStringLiteral("not a list"));
        return {};
    }
    if (v.toArray().size() > most) {
        problem(where, QStringLiteral("%1 entries, more than %2").arg(v.toArray().size()).arg(most));
        return {};
    }
    return v.toArray();
}

QJsonObject PackReader::object(const QJsonValue& v, const QString& path)
{
    if (!v.isObject())
        problem(path, QStringLiteral("not an object {…}"));
    return v.toObject();
}

template <typename T>
std::optional<T> PackReader::choice(const QJsonObject& o, const QString& path, const char* key, std::optional<T> byDefault)
{
    const QJsonValue v = field(o, path, key, !byDefault);
    if (v.isUndefined())
        return byDefault;
    if (const std::optional<T> value = format::Named<T>(v.toString()); v.isString() && value)
        return value;
    problem(path + QLatin1Char('.') + QLatin1String(key),
            QStringLiteral("unknown %1 %2 (one of %3)").arg(QLatin1String(key), Quoted(v.isString() ? v.toString() : QStringLiteral("?")),
                                                            format::WordList<T>()));
    return std::nullopt;
}

QRect PackReader::rect(const QJsonValue& v, const QString& path)
{
    const QJsonArray a = v.toArray();
    bool whole = v.isArray() && a.size() == 4;
    for (const QJsonValue& n : a)
        whole = whole && n.isDouble() && n.toDouble() == std::floor(n.toDouble()) && std::abs(n.toDouble()) <= kMapSize;
    if (!whole) {
        problem(path, QStringLiteral("not a rectangle [left, top, width, height]"));
        return {};
    }
    const QRect r(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
    if (r.isEmpty() || r.left() < 0 || r.top() < 0 || r.right() >= kMapSize || r.bottom() >= kMapSize)
        problem(path, QStringLiteral("[%1, %2, %3, %4] is empty or not inside the %5 × %5 map")
                          .arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height()).arg(kMapSize));
    return r;
}

QRect PackReader::rectField(const QJsonObject& o, const QString& path, const char* key)
{
    const QJsonValue v = field(o, path, key, true);
    return v.isUndefined() ? QRect() : rect(v, path + QLatin1Char('.') + QLatin1String(key));
}

Text PackReader::text(const QJsonObject& o, const QString& path, const char* key, bool required)
{
    const QJsonValue v = field(o, path, key, required);
    if (v.isUndefined())
        return {};
    const QString where = path + QLatin1Char('.') + QLatin1String(key);
    const QJsonObject t = object(v, where);
    Text result;
    result.japanese = string(t, where, "ja", true);
    result.english = string(t, where, "en", false);
    return result;
}

std::vector<StoryLine> PackReader::story(const QJsonObject& o, const QString& path, const char* key)
{
    std::vector<StoryLine> lines;
    const QJsonArray a = array(o, path, key, false, kMaxStoryLines);
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString where = QStringLiteral("%1.%2[%3]").arg(path, QLatin1String(key)).arg(i);
        const QJsonObject line = object(a[i], where);
        lines.push_back({integer(line, where, "face", 0, kMostFaces, 0), {string(line, where, "ja", true), string(line, where, "en", false)}});
    }
    return lines;
}

// A name that would reach outside the folder: told, and never opened.
bool PackReader::refused(const QString& name, const QString& path)
{
    if (name.isEmpty() || QDir::isAbsolutePath(name) || name.startsWith(QLatin1Char('\\')) || name.contains(QLatin1Char(':'))) {
        problem(path, QStringLiteral("%1 is not a file name inside the pack").arg(Quoted(name)));
        return true;
    }
    if (name.split(QRegularExpression(QStringLiteral("[/\\\\]"))).contains(QStringLiteral(".."))) {
        problem(path, QStringLiteral("%1 points outside the pack with \"..\"").arg(Quoted(name)));
        return true;
    }
    return false;
}

// A file of the pack: inside its folder, no link, a plain file.
QString PackReader::inside(const QString& name, const QString& path)
{
    if (refused(name, path))
        return {};
    const QString cleaned = QDir::cleanPath(name);
    if (const QString wrong = PlainFileProblem(m_folder.path(), cleaned); !wrong.isEmpty()) {
        problemIn(name, path, wrong.startsWith(QLatin1String("is ")) ? QStringLiteral("%1 %2").arg(Quoted(name), wrong) : wrong);
        return {};
    }
    return QDir::cleanPath(m_folder.filePath(cleaned));
}

QString PackReader::picture(const QJsonObject& o, const QString& path, const char* key)
{
    const QString name = string(o, path, key, true, Words::FileName);
    if (name.isEmpty())
        return {};
    if (const QString own = format::GamePicture(name); !own.isEmpty())
        return own;
    const QString where = path + QLatin1Char('.') + QLatin1String(key);
    const QString file = inside(name, where);
    if (file.isEmpty())
        return {};
    const Picture read = ReadPicture(file, QSize(kMapSize, kMapSize));
    if (read.image.isNull())
        problemIn(name, where, read.problem);
    else if (read.format != "png" && read.format != "bmp")
        problemIn(name, where, QStringLiteral("a %1 picture; a pack's pictures are PNG or BMP").arg(QString::fromLatin1(read.format)));
    return file;
}

QImage PackReader::map(const QString& name, const QString& path)
{
    const QString file = inside(name, path);
    if (file.isEmpty())
        return {};
    const Picture read = ReadPicture(file, QSize(kMapSize, kMapSize));
    if (read.image.isNull()) {
        problemIn(name, path, read.problem);
        return {};
    }
    const bool png = read.format == "png";
    const bool bitmap8 = read.format == "bmp" && read.bitsPerPixel == 8;
    if (!png && !bitmap8)
        problemIn(name, path, QStringLiteral("a %1 picture of %2 bits; a map is PNG or an 8-bit BMP").arg(QString::fromLatin1(read.format)).arg(read.bitsPerPixel));
    if (read.image.size() != QSize(kMapSize, kMapSize))
        problemIn(name, path, QStringLiteral("%1 × %2 pixels, not %3 × %3").arg(read.image.width()).arg(read.image.height()).arg(kMapSize));
    return read.image.size() == QSize(kMapSize, kMapSize) ? read.image : QImage();
}

void PackReader::marks(Stage& s, const QJsonObject& o, const QString& path)
{
    auto each = [&](const char* key, auto read) {
        const QJsonArray a = array(o, path, key, false, kMaxMarks);
        for (qsizetype i = 0; i < a.size(); ++i) {
            const QString where = QStringLiteral("%1.%2[%3]").arg(path, QLatin1String(key)).arg(i);
            read(object(a[i], where), where);
        }
    };
    each("starts", [&](const QJsonObject& m, const QString& where) {
        StartZone z{rectField(m, where, "rect"), {}, boolean(m, where, "own", true)};
        const QJsonValue p = field(m, where, "point", true);
        const QJsonArray xy = p.toArray();
        if (!p.isUndefined() && (xy.size() != 2 || !xy[0].isDouble() || !xy[1].isDouble() || xy[0].toInt(-1) < 0 ||
                                 xy[0].toInt(-1) >= kMapSize || xy[1].toInt(-1) < 0 || xy[1].toInt(-1) >= kMapSize))
            problem(where + QStringLiteral(".point"), QStringLiteral("not a point [x, y] on the map"));
        z.point = QPoint(xy.at(0).toInt(), xy.at(1).toInt());
        s.starts.push_back(z);
    });
    each("goals", [&](const QJsonObject& m, const QString& where) { s.goals.push_back({rectField(m, where, "rect"), boolean(m, where, "live", true)}); });
    each("checkpoints", [&](const QJsonObject& m, const QString& where) {
        Checkpoint c;
        c.rect = rectField(m, where, "rect");
        c.live = boolean(m, where, "live", true);
        c.once = boolean(m, where, "once", true);
        c.face = integer(m, where, "face", 0, kMostFaces, 0);
        c.line = text(m, where, "line", false);
        c.sound = string(m, where, "sound", false);
        if (!c.sound.isEmpty() && !format::Sounds().contains(c.sound)) {
            problem(where + QStringLiteral(".sound"), QStringLiteral("unknown sound %1 (one of %2)").arg(Quoted(c.sound), format::Sounds().join(QStringLiteral(", "))));
            c.sound.clear();
        }
        c.clock = choice<ClockEffect>(m, where, "clock", ClockEffect::Keep).value_or(ClockEffect::Keep);
        s.checkpoints.push_back(c);
    });
    each("covers", [&](const QJsonObject& m, const QString& where) { s.covers.push_back({rectField(m, where, "rect"), picture(m, where, "picture")}); });
    each("hazards", [&](const QJsonObject& m, const QString& where) { s.hazards.push_back(hazard(m, where)); });
}

Hazard PackReader::hazard(const QJsonObject& o, const QString& path)
{
    Hazard h;
    const std::optional<HazardKind> kind = choice<HazardKind>(o, path, "kind", std::nullopt);
    h.rect = rectField(o, path, "rect");
    h.picture = picture(o, path, "picture");
    h.harm = choice<Harm>(o, path, "harm", Harm::Touch).value_or(Harm::Touch);
    if (!kind)
        return h;  // what else it needs depends on the kind
    h.kind = *kind;
    const HazardTraits traits = Traits(h.kind);
    const bool moves = traits.timed;
    h.periodMs = integer(o, path, "periodMs", moves ? 100 : 0, moves ? 60000 : 0, moves ? std::nullopt : std::optional<int>(0));
    if (h.periodMs % 100 != 0)
        problem(path + QStringLiteral(".periodMs"), QStringLiteral("%1 is not a multiple of 100").arg(h.periodMs));
    if (traits.motion)
        motion(h, o, path);
    if (traits.pieces)
        bridge(h, o, path);
    return h;
}

void PackReader::motion(Hazard& h, const QJsonObject& o, const QString& path)
{
    const QString where = path + QStringLiteral(".motion");
    const QJsonValue v = field(o, path, "motion", true);
    if (v.isUndefined())
        return;
    const QJsonObject m = object(v, where);
    h.motion.low = integer(m, where, "low", 0, kMapSize - h.rect.height(), std::nullopt);
    h.motion.high = integer(m, where, "high", 0, kMapSize - h.rect.height(), std::nullopt);
    h.motion.sway = boolean(m, where, "sway", false);
    const int span = std::max(1, h.motion.high - h.motion.low);
    h.motion.step = integer(m, where, "step", -span, span, std::nullopt);
    if (h.motion.step == 0)
        problem(where + QStringLiteral(".step"), QStringLiteral("0: a moving hazard moves"));
    if (h.motion.low >= h.motion.high)
        problem(where, QStringLiteral("low %1 is not below high %2").arg(h.motion.low).arg(h.motion.high));
    else if (h.rect.top() < h.motion.low || h.rect.top() > h.motion.high)
        problem(where, QStringLiteral("the rectangle's top %1 is not between low and high").arg(h.rect.top()));
}

void PackReader::bridge(Hazard& h, const QJsonObject& o, const QString& path)
{
    h.openPicture = picture(o, path, "openPicture");
    const QJsonArray pieces = array(o, path, "pieces", true, kMaxMarks);
    for (qsizetype i = 0; i < pieces.size(); ++i)
        h.pieces.push_back(rect(pieces[i], QStringLiteral("%1.pieces[%2]").arg(path).arg(i)));
    if (pieces.isEmpty())
        problem(path + QStringLiteral(".pieces"), QStringLiteral("a bridge has at least one piece"));
    const QJsonArray rows = array(o, path, "pattern", true, 1000);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString row = rows[i].toString();
        const QString where = QStringLiteral("%1.pattern[%2]").arg(path).arg(i);
        if (!rows[i].isString() || row.size() != pieces.size() || row.contains(QRegularExpression(QStringLiteral("[^01]")))) {
            problem(where, QStringLiteral("not a row of %1 \"0\" or \"1\", one for each piece").arg(pieces.size()));
            continue;
        }
        std::vector<bool> open;
        for (QChar c : row)
            open.push_back(c == QLatin1Char('1'));
        h.pattern.push_back(open);
    }
    if (rows.isEmpty())
        problem(path + QStringLiteral(".pattern"), QStringLiteral("a bridge has at least one row"));
}

void PackReader::stacking(Stage& s, const QJsonObject& o, const QString& path)
{
    const std::vector<std::pair<Layer, std::size_t>> counts{{Layer::Checkpoint, s.checkpoints.size()}, {Layer::Goal, s.goals.size()},
                                                            {Layer::Hazard, s.hazards.size()},         {Layer::Cover, s.covers.size()},
                                                            {Layer::Start, s.starts.size()}};
    const QJsonValue v = field(o, path, "stacking", false);
    if (v.isUndefined()) {
        for (const auto& [layer, count] : counts)
            for (std::size_t i = 0; i < count; ++i)
                s.stacking.push_back({layer, static_cast<int>(i)});
        return;
    }
    const QJsonArray a = array(o, path, "stacking", true, 2 * kMaxMarks);
    std::set<std::pair<Layer, int>> seen;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString where = QStringLiteral("%1.stacking[%2]").arg(path).arg(i);
        const QStringList words = a[i].toString().split(QLatin1Char(' '));
        bool number = false;
        const int index = words.value(1).toInt(&number);
        const std::optional<Layer> layer = format::Named<Layer>(words.value(0));
        std::size_t count = 0;
        for (const auto& [l, n] : counts)
            if (layer == l)
                count = n;
        if (!a[i].isString() || words.size() != 2 || !layer || !number) {
            problem(where, QStringLiteral("not \"checkpoint 3\", \"goal 0\", \"start 1\", \"cover 0\" or \"hazard 2\""));
        } else if (index < 0 || static_cast<std::size_t>(index) >= count) {
            problem(where, QStringLiteral("%1: there is no such %2").arg(Quoted(a[i].toString()), words[0]));
        } else if (!seen.insert({*layer, index}).second) {
            problem(where, QStringLiteral("%1 is stacked twice").arg(Quoted(a[i].toString())));
        } else {
            s.stacking.push_back({*layer, index});
        }
    }
    for (const auto& [layer, count] : counts)
        for (std::size_t i = 0; i < count; ++i)
            if (!seen.contains({layer, static_cast<int>(i)}))
                problem(path + QStringLiteral(".stacking"), QStringLiteral("\"%1 %2\" is missing").arg(format::NameOf(layer)).arg(i));
}

void PackReader::route(Stage& s, const QJsonObject& o, const QString& path)
{
    const QString where = path + QStringLiteral(".route");
    const QJsonValue v = field(o, path, "route", false);
    if (v.isUndefined())
        return;
    const QJsonObject r = object(v, where);
    const int marks = static_cast<int>(s.checkpoints.size());
    // Each checkpoint at most once: the checker's work grows with the list.
    auto indices = [&](const QJsonArray& a, const QString& at) {
        std::vector<int> out;
        for (qsizetype i = 0; i < a.size(); ++i) {
            const int n = a[i].toInt(-1);
            if (!a[i].isDouble() || n < 0 || n >= marks)
                problem(QStringLiteral("%1[%2]").arg(at).arg(i), QStringLiteral("not a checkpoint index 0..%1").arg(marks - 1));
            else if (std::find(out.begin(), out.end(), n) != out.end())
                problem(QStringLiteral("%1[%2]").arg(at).arg(i), QStringLiteral("checkpoint %1 is listed twice").arg(n));
            else
                out.push_back(n);
        }
        return out;
    };
    const QJsonArray sets = array(r, where, "mustPass", false, kMaxMarks);
    for (qsizetype i = 0; i < sets.size(); ++i) {
        const QString at = QStringLiteral("%1.mustPass[%2]").arg(where).arg(i);
        if (!sets[i].isArray() || sets[i].toArray().isEmpty())
            problem(at, QStringLiteral("not a list of checkpoint indices"));
        else if (sets[i].toArray().size() > kMaxMarks)
            problem(at, QStringLiteral("%1 entries, more than %2").arg(sets[i].toArray().size()).arg(kMaxMarks));
        else
            s.route.mustPass.push_back(indices(sets[i].toArray(), at));
    }
    s.route.branches = indices(array(r, where, "branches", false, kMaxMarks), where + QStringLiteral(".branches"));
    s.route.maxLength = integer(r, where, "maxLength", 0, 100000, 0);
}

Stage PackReader::stage(const QJsonObject& o, const QString& path, bool last)
{
    Stage s;
    s.name = text(o, path, "name", true);
    const QString mapName = string(o, path, "map", true, Words::FileName);
    if (o.value(QStringLiteral("map")).toString(QStringLiteral("?")).isEmpty())
        problem(path + QStringLiteral(".map"), QStringLiteral("empty: a stage needs its map"));
    if (!mapName.isEmpty() && !refused(mapName, path + QStringLiteral(".map"))) {
        s.map = QDir::cleanPath(m_folder.filePath(mapName));
        m_maps.push_back(map(mapName, path + QStringLiteral(".map")));
    } else {
        m_maps.emplace_back();
    }
    const QString offRoad = string(o, path, "offRoad", false);
    if (!offRoad.isEmpty()) {
        if (QRegularExpression(QStringLiteral("^#[0-9a-fA-F]{6}$")).match(offRoad).hasMatch())
            s.offRoad = QColor::fromString(offRoad).rgb();
        else
            problem(path + QStringLiteral(".offRoad"), QStringLiteral("%1 is not a colour \"#rrggbb\"").arg(Quoted(offRoad)));
    }
    s.timeLimit = integer(o, path, "timeLimit", 1, 999, std::nullopt);
    marks(s, o, path);
    stacking(s, o, path);
    s.opening = story(o, path, "opening");
    s.meeting = story(o, path, "meeting");
    if (s.opening.size() + s.meeting.size() > static_cast<std::size_t>(kMaxStoryLines))
        problem(path, QStringLiteral("%1 story lines, more than %2").arg(s.opening.size() + s.meeting.size()).arg(kMaxStoryLines));
    s.clearLine = text(o, path, "clear", false);
    s.scoreAt = choice<ScoreAt>(o, path, "scoreAt", ScoreAt::WithClearPicture).value_or(ScoreAt::WithClearPicture);
    if (s.scoreAt == ScoreAt::AfterEnding && !last)
        problem(path + QStringLiteral(".scoreAt"), QStringLiteral("\"ending\" is for the last stage only"));
    s.signs = choice<Signs>(o, path, "signs", Signs::Drawn).value_or(Signs::Drawn);
    route(s, o, path);
    targets(s, o, path);
    checkStage(s, path);
    return s;
}

// Per level "1" and "2", gold, silver and bronze in whole seconds, ascending;
// on the hard level none above the time limit.
void PackReader::targets(Stage& s, const QJsonObject& o, const QString& path)
{
    const QJsonValue v = field(o, path, "targets", false);
    if (v.isUndefined())
        return;
    const QString where = path + QStringLiteral(".targets");
    if (!v.isObject()) {
        problem(where, QStringLiteral("not an object {\"1\": [gold, silver, bronze], \"2\": [...]}"));
        return;
    }
    const QJsonObject byLevel = v.toObject();
    for (auto it = byLevel.begin(); it != byLevel.end(); ++it) {
        const int level = it.key() == QLatin1String("1") ? 1 : it.key() == QLatin1String("2") ? 2 : 0;
        if (level == 0) {
            problem(where, QStringLiteral("%1: a level is \"1\" or \"2\"").arg(Quoted(it.key())));
            return;  // one line, however many keys a file holds
        }
        const QString at = where + QLatin1Char('.') + it.key();
        const QJsonArray times = it.value().toArray();
        Targets t{};
        bool whole = it.value().isArray() && times.size() == 3;
        for (qsizetype i = 0; whole && i < 3; ++i) {
            const double seconds = times[i].toDouble(-1);
            whole = times[i].isDouble() && seconds >= 1 && seconds <= 999 && seconds == static_cast<int>(seconds);
            t[static_cast<std::size_t>(i)] = static_cast<int>(seconds);
        }
        if (!whole)
            problem(at, QStringLiteral("not three whole seconds 1 to 999 [gold, silver, bronze]"));
        else if (!(t[0] < t[1] && t[1] < t[2]))
            problem(at, QStringLiteral("%1, %2, %3: not ascending (gold, silver, bronze)").arg(t[0]).arg(t[1]).arg(t[2]));
        else if (level == 2 && t[2] > s.timeLimit)
            problem(at, QStringLiteral("bronze %1 s is above the time limit of %2 s").arg(t[2]).arg(s.timeLimit));
        else
            s.targets[static_cast<std::size_t>(level - 1)] = t;
    }
}

// What holds the stage together: its own start, its one goal, and few enough marks.
void PackReader::checkStage(const Stage& s, const QString& path)
{
    std::size_t marks = s.starts.size() + s.goals.size() + s.checkpoints.size() + s.covers.size() + s.hazards.size();
    for (const Hazard& h : s.hazards)
        marks += h.pieces.size();
    if (marks > static_cast<std::size_t>(kMaxMarks))
        problem(path, QStringLiteral("%1 marks, more than %2").arg(marks).arg(kMaxMarks));
    if (!s.ownStart())
        unfinished(path + QStringLiteral(".starts"), QStringLiteral("no start of the stage's own (\"own\": true)"));
    const auto live = std::count_if(s.goals.begin(), s.goals.end(), [](const Goal& g) { return g.live; });
    if (live != 1)
        unfinished(path + QStringLiteral(".goals"), QStringLiteral("%1 live goals; a stage has exactly one").arg(live));
}

// The texts a player reads, each against the box that shows it. Measuring
// needs the platform's fonts, which only a QGuiApplication brings: a caller
// without one (a console tool) reads the pack unmeasured.
void PackReader::fitTexts(const Course& c)
{
    if (m_texts == Texts::Unmeasured || !fit::CanMeasure())
        return;
    auto story = [this](const QString& path, const std::vector<StoryLine>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            fitText(fit::kDialogueBox, QStringLiteral("%1[%2]").arg(path).arg(i), lines[i].text);
    };
    for (std::size_t i = 0; i < c.stages.size(); ++i) {
        const Stage& s = c.stages[i];
        const QString path = QStringLiteral("stages[%1]").arg(i);
        fitText(fit::kStageBox, path + QStringLiteral(".name"), s.name);
        story(path + QStringLiteral(".opening"), s.opening);
        for (std::size_t k = 0; k < s.checkpoints.size(); ++k)
            fitText(fit::kDialogueBox, QStringLiteral("%1.checkpoints[%2].line").arg(path).arg(k), s.checkpoints[k].line);
        story(path + QStringLiteral(".meeting"), s.meeting);
        fitText(fit::kDialogueBox, path + QStringLiteral(".clear"), s.clearLine);
    }
    story(QStringLiteral("(top).ending"), c.ending);
    fitText(fit::kDialogueBox, QStringLiteral("(top).farewell"), c.farewell);
}

void PackReader::fitText(const fit::TextBox& box, const QString& path, const Text& text)
{
    for (const auto& [language, shown] : {std::pair{"ja", text.japanese}, std::pair{"en", text.english}}) {
        const std::optional<QSize> needs = shown.isEmpty() ? std::nullopt : fit::Overflow(box, shown);
        if (needs)
            unfinished(path + QLatin1Char('.') + QLatin1String(language),
                       QStringLiteral("%1 does not fit the %2 box: it needs %3 × %4 pixels, the box has %5 × %6")
                           .arg(Quoted(shown), QLatin1String(box.name))
                           .arg(needs->width()).arg(needs->height()).arg(box.room().width()).arg(box.room().height()));
    }
}

void PackReader::read()
{
    const FileBytes file = ReadPlainFile(m_folder.filePath(kFile), kLargestFile);
    if (!file.problem.isEmpty()) {
        const bool absent = !QFileInfo(m_folder.filePath(kFile)).isSymLink() && !QFileInfo::exists(m_folder.filePath(kFile));
        problemIn(kFile, QStringLiteral("(file)"), absent ? QStringLiteral("missing in %1").arg(m_folder.path()) : file.problem);
        return;
    }
    const QByteArray& bytes = file.bytes;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const int line = static_cast<int>(bytes.left(error.offset).count('\n')) + 1;
        problemIn(kFile, QStringLiteral("line %1").arg(line), QStringLiteral("not JSON: %1").arg(error.errorString()));
        return;
    }
    if (!document.isObject()) {
        problemIn(kFile, QStringLiteral("(top)"), QStringLiteral("not an object {…} holding the course"));
        return;
    }
    const QJsonObject top = document.object();
    Course& c = m_pack.course;
    integer(top, QStringLiteral("(top)"), "format", format::kVersion, format::kVersion, std::nullopt);
    c.name = text(top, QStringLiteral("(top)"), "name", true);
    c.author = string(top, QStringLiteral("(top)"), "author", false);
    const QJsonArray stages = array(top, QStringLiteral("(top)"), "stages", true, kMaxStages);
    if (stages.isEmpty())
        problem(QStringLiteral("stages"), QStringLiteral("a pack has 1 to %1 stages").arg(kMaxStages));
    for (qsizetype i = 0; i < stages.size(); ++i) {
        const QString path = QStringLiteral("stages[%1]").arg(i);
        c.stages.push_back(stage(object(stages[i], path), path, i + 1 == stages.size()));
    }
    c.ending = story(top, QStringLiteral("(top)"), "ending");
    c.farewell = text(top, QStringLiteral("(top)"), "farewell", false);
    fitTexts(c);
    m_pack.playHash = format::PlayHash(c, m_maps);
    if (!m_maps.empty())
        m_pack.firstMap = m_maps.front();
}

}  // namespace

Pack LoadPack(const QString& folder, Texts texts)
{
    Pack pack;
    pack.folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    PackReader(pack, texts).read();
    for (QString& p : pack.problems)  // the top object's fields are named plainly
        p.replace(QStringLiteral(": (top)."), QStringLiteral(": "));
    return pack;
}

QByteArray WritePack(const Course& course)
{
    return format::Write(course, {});
}

QByteArray WritePack(const Course& course, const QString& folder)
{
    return format::Write(course, folder);
}

}  // namespace course
