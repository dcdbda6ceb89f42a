// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Course packs: a broken pack from a stranger is told field by field and never
// crashes the reader; the game's own pack is written back as it was read; the
// starter pack passes the command line's own check.

#include "rules/CoursePack.h"
#include "rules/MapPicture.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <QtEndian>

#include <functional>
#include <sys/stat.h>
#include <zlib.h>

using namespace Qt::StringLiterals;

namespace {

const QString kGame = QStringLiteral(POKURIMO_APP_FOLDER "/pokurimo");

struct Run {
    int code = -1;
    QString out;
};

Run Pokurimo(const QStringList& args)
{
    QProcess p;
    p.start(kGame, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput())};
}

QJsonObject Json(const QString& folder)
{
    return QJsonDocument::fromJson(FileBytes(folder + u"/course.json"_s)).object();
}

// Sets a value deep in the file: Set(o, {"stages", 0, "name"}, v).
void Set(QJsonValueRef ref, QVariantList path, const QJsonValue& value)
{
    if (path.isEmpty()) {
        ref = value;
        return;
    }
    const QVariant key = path.takeFirst();
    if (key.typeId() == QMetaType::Int) {
        QJsonArray a = ref.toArray();
        while (a.size() <= key.toInt()) a.append(QJsonObject());
        Set(a[key.toInt()], path, value);
        ref = a;
    } else {
        QJsonObject o = ref.toObject();
        Set(o[key.toString()], path, value);
        ref = o;
    }
}

QJsonArray Many(int count, const QJsonValue& each)
{
    QJsonArray a;
    for (int i = 0; i < count; ++i) a.append(each);
    return a;
}

QJsonArray Rect(int left, int top, int width, int height)
{
    return {left, top, width, height};
}

QJsonObject With(QJsonObject o, const char* key, const QJsonValue& value)
{
    o[QLatin1String(key)] = value;
    return o;
}

// An 8-bit bitmap of `size` as a file holds it: its palette, then `pixels`
// (rows as stored, or a run-length stream when `runs`); top-down when the height is negative.
QByteArray Bitmap8(QSize size, const QList<QRgb>& palette, const QByteArray& pixels, bool runs = false)
{
    QByteArray b(54, '\0');
    const auto put32 = [&b](int at, std::uint32_t v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(10, static_cast<std::uint32_t>(54 + 4 * palette.size()));
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(size.width()));
    put32(22, static_cast<std::uint32_t>(size.height()));
    qToLittleEndian<std::uint16_t>(1, b.data() + 26);
    qToLittleEndian<std::uint16_t>(8, b.data() + 28);
    put32(30, runs ? 1 : 0);
    put32(46, static_cast<std::uint32_t>(palette.size()));
    for (const QRgb c : palette)
        b.append(static_cast<char>(qBlue(c))).append(static_cast<char>(qGreen(c))).append(static_cast<char>(qRed(c))).append('\0');
    b.append(pixels);
    put32(2, static_cast<std::uint32_t>(b.size()));
    return b;
}

// The starter map's road as one colour on the off-road: rows of indices 0 and 1.
QByteArray RoadRows(const QImage& map, bool topDown)
{
    QByteArray rows;
    for (int i = 0; i < map.height(); ++i) {
        const int y = topDown ? i : map.height() - 1 - i;
        for (int x = 0; x < 300; ++x) rows.append(map.pixel(x, y) == map.pixel(0, 0) ? '\0' : '\1');
    }
    return rows;
}

// The same rows run-length compressed, a run of one colour at a time.
QByteArray RoadRuns(const QImage& map)
{
    QByteArray runs;
    for (int y = map.height() - 1; y >= 0; --y) {
        for (int x = 0; x < 300;) {
            const char index = map.pixel(x, y) == map.pixel(0, 0) ? '\0' : '\1';
            int n = 1;
            while (x + n < 300 && n < 255 && (map.pixel(x + n, y) == map.pixel(0, 0) ? '\0' : '\1') == index) ++n;
            runs.append(static_cast<char>(n)).append(index);
            x += n;
        }
        runs.append('\0').append('\0');  // end of the row
    }
    return runs.append('\0').append('\1');  // end of the picture
}

// A 300 x 300 grey PNG whose image data inflates to `inflated` bytes.
QByteArray GreyPng(qsizetype inflated)
{
    const auto chunk = [](const char* type, const QByteArray& data) {
        QByteArray c(4, '\0');
        qToBigEndian(static_cast<std::uint32_t>(data.size()), c.data());
        const QByteArray body = QByteArray(type) + data;
        QByteArray crc(4, '\0');
        qToBigEndian(static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), static_cast<uInt>(body.size()))), crc.data());
        return c + body + crc;
    };
    QByteArray header(13, '\0');
    qToBigEndian<std::uint32_t>(300, header.data());
    qToBigEndian<std::uint32_t>(300, header.data() + 4);
    header[8] = 8;  // 8-bit grey
    QByteArray rows(inflated, '\0');
    for (qsizetype r = 0; r + 1 < inflated; r += 301) rows[r + 1] = '\x50';  // filter 0 then a grey row
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", qCompress(rows, 9).mid(4)) + chunk("IEND", {});
}

QString Emoji(int count)
{
    return QString::fromUcs4(std::u32string(static_cast<std::size_t>(count), U'\U0001F600').c_str(), count);
}

// A broken copy of the starter pack: what is done to it, and a problem it must
// give; an unfinished one leaves every field read, so an editor may open it.
struct Breakage {
    const char* what;
    std::function<void(QJsonObject& json, const QDir& pack)> breakIt;
    QString expected;
    bool unfinished = false;
};

}  // namespace

class PackTest : public QObject {
    Q_OBJECT
    TestEnv env;
    QTemporaryDir m_dir;
    QString m_starter;

    QString packFrom(const QString& name, const std::function<void(QJsonObject&, const QDir&)>& change)
    {
        const QDir pack(m_dir.filePath(name));
        pack.mkpath(u"."_s);
        for (const QString& f : QDir(m_starter).entryList(QDir::Files)) QFile::copy(QDir(m_starter).filePath(f), pack.filePath(f));
        QJsonObject json = Json(m_starter);
        const QJsonObject before = json;
        change(json, pack);
        if (json != before) WriteFile(pack.filePath(u"course.json"_s), QJsonDocument(json).toJson());
        return pack.path();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_starter = m_dir.filePath(u"starter"_s);
        const Run made = Pokurimo({u"--new-course"_s, m_starter});
        QCOMPARE(made.code, 0);
    }

    // The starter pack passes the real check, its texts fit their boxes; a
    // full folder is never written over.
    void starterPackIsPlayable()
    {
        const course::Pack starter = course::LoadPack(m_starter);
        QVERIFY2(starter.ok() && starter.readWhole, qPrintable(starter.problems.join(u'\n')));
        const Run checked = Pokurimo({u"--check-course"_s, m_starter});
        QVERIFY2(checked.code == 0, qPrintable(checked.out));
        QVERIFY(checked.out.contains(u"level 2 (r = 3): passes"_s));
        const QByteArray before = FileBytes(m_starter + u"/course.json"_s);
        QCOMPARE(Pokurimo({u"--new-course"_s, m_starter}).code, 2);
        QCOMPARE(FileBytes(m_starter + u"/course.json"_s), before);
    }

    // A road the checker refutes fails the check though the file is right.
    void unplayableRoadFailsTheCheck()
    {
        const QString pack = packFrom(u"cut"_s, [](QJsonObject&, const QDir& dir) {
            QImage map(dir.filePath(u"map.png"_s));
            for (int y = 100; y < 110; ++y)
                for (int x = 240; x < 270; ++x) map.setPixel(x, y, map.pixel(0, 0));  // the road cut across before the checkpoint
            map.save(dir.filePath(u"map.png"_s), "PNG");
        });
        const Run checked = Pokurimo({u"--check-course"_s, pack});
        QCOMPARE(checked.code, 1);
        QVERIFY(checked.out.contains(u"FAILS"_s));
    }

    // Every kind of mistake is named with its file and field; none crashes.
    void brokenPacksAreTold()
    {
        const QJsonObject car{{u"kind"_s, u"car"_s},
                              {u"rect"_s, Rect(100, 100, 20, 25)},
                              {u"picture"_s, u"car1"_s},
                              {u"periodMs"_s, 300},
                              {u"motion"_s, QJsonObject{{u"step"_s, 2}, {u"low"_s, 50}, {u"high"_s, 200}}}};
        const QJsonObject mark{{u"rect"_s, Rect(0, 0, 5, 5)}};
        // A value deep in the file: set("stages.0.timeLimit", 1000).
        auto set = [](const char* where, const QJsonValue& v) {
            QVariantList path;
            for (const QString& step : QString::fromLatin1(where).split(u'.')) {
                bool index = false;
                const int i = step.toInt(&index);
                path << (index ? QVariant(i) : QVariant(step));
            }
            return [path, v](QJsonObject& json, const QDir&) {
                QJsonObject wrapper{{u"top"_s, json}};
                Set(wrapper[u"top"_s], path, v);
                json = wrapper[u"top"_s].toObject();
            };
        };
        auto file = [](const char* name, const QByteArray& bytes) {
            return [name, bytes](QJsonObject&, const QDir& dir) { WriteFile(dir.filePath(QLatin1String(name)), bytes); };
        };
        auto picture = [](QSize size, const char* format, int cut) {
            return [size, format, cut](QJsonObject&, const QDir& dir) {
                QImage map(size, QImage::Format_Indexed8);
                map.setColorTable({qRgb(10, 120, 10)});
                map.fill(0);
                map.save(dir.filePath(u"map.png"_s), format);
                QFile written(dir.filePath(u"map.png"_s));
                if (cut) written.resize(written.size() - cut);  // the end lost
            };
        };
        const QByteArray garbage = QByteArray(600, '\x5a').prepend("\x89PNG\r\n\x1a\n");
        const std::vector<Breakage> broken{
            {"malformed", file("course.json", "{\n\"format\": 1,\n\"stages\": [ {\"name\": }\n"), u"course.json: line 3: not JSON"_s},
            {"too big a file", file("course.json", QByteArray(2 << 20, ' ')), u"course.json: (file): 2097152 bytes"_s},
            {"missing field", set("stages.0.timeLimit", QJsonValue::Undefined), u"course.json: stages[0].timeLimit: missing"_s},
            {"wrong type", set("stages.0.timeLimit", u"60"_s), u"stages[0].timeLimit: not a whole number"_s},
            {"time limit", set("stages.0.timeLimit", 1000), u"stages[0].timeLimit: 1000 is not in 1..999"_s},
            {"targets not ascending", set("stages.0.targets", QJsonObject{{u"1"_s, QJsonArray{12, 8, 20}}}),
             u"stages[0].targets.1: 12, 8, 20: not ascending"_s},
            {"targets of no level", set("stages.0.targets", QJsonObject{{u"3"_s, QJsonArray{1, 2, 3}}}),
             u"stages[0].targets: \"3\": a level is"_s},
            {"a bronze past the hard limit", set("stages.0.targets", QJsonObject{{u"2"_s, QJsonArray{5, 10, 61}}}),
             u"stages[0].targets.2: bronze 61 s is above the time limit of 60 s"_s},
            {"targets not whole", set("stages.0.targets", QJsonObject{{u"1"_s, QJsonArray{1.5, 2, 3}}}),
             u"stages[0].targets.1: not three whole seconds"_s},
            {"name not text", set("name", 5), u"course.json: name: not an object"_s},
            {"unknown kind", set("stages.0.hazards", QJsonArray{With(car, "kind", u"boat"_s)}),
             u"course.json: stages[0].hazards[0].kind: unknown kind \"boat\""_s},
            {"odd period", set("stages.0.hazards", QJsonArray{With(car, "periodMs", 250)}),
             u"stages[0].hazards[0].periodMs: 250 is not a multiple of 100"_s},
            {"motion", set("stages.0.hazards", QJsonArray{With(car, "rect", Rect(100, 20, 20, 25))}),
             u"stages[0].hazards[0].motion: the rectangle's top 20 is not between low and high"_s},
            {"bridge row", set("stages.0.hazards", QJsonArray{QJsonObject{{u"kind"_s, u"bridge"_s}, {u"rect"_s, Rect(100, 100, 30, 10)}, {u"picture"_s, u"plank"_s}, {u"openPicture"_s, u"water"_s}, {u"periodMs"_s, 1000}, {u"pieces"_s, QJsonArray{Rect(100, 100, 15, 10), Rect(115, 100, 15, 10)}}, {u"pattern"_s, QJsonArray{u"01"_s, u"011"_s}}}}),
             u"stages[0].hazards[0].pattern[1]: not a row of 2"_s},
            {"off the map", set("stages.0.goals.0.rect", Rect(290, 290, 20, 20)), u"stages[0].goals[0].rect: [290, 290, 20, 20] is empty or not inside"_s},
            {"no live goal", set("stages.0.goals.0.live", false), u"stages[0].goals: 0 live goals"_s, true},
            {"no own start", set("stages.0.starts.0.own", false), u"stages[0].starts: no start of the stage's own"_s, true},
            {"a stage name too wide", set("stages.0.name.en", u"STAGE 1: My first course"_s),
             u"course.json: stages[0].name.en: \"STAGE 1: My first course\" does not fit the STAGE box"_s, true},
            {"a line too long", set("stages.0.checkpoints.0.line.ja", QString(200, u'あ')),
             u"course.json: stages[0].checkpoints[0].line.ja: \"%1\" does not fit the dialogue box"_s.arg(QString(40, u'あ')), true},
            {"a word wider than the box", set("farewell.en", QString(60, u'W')),
             u"course.json: farewell.en: \"%1\" does not fit the dialogue box"_s.arg(QString(40, u'W')), true},
            {"unknown signs", set("stages.0.signs", u"painted"_s), u"stages[0].signs: unknown signs \"painted\" (one of drawn, map)"_s},
            {"stacked twice", set("stages.0.stacking", QJsonArray{u"goal 0"_s, u"goal 0"_s, u"start 0"_s, u"checkpoint 7"_s}),
             u"stages[0].stacking[1]: \"goal 0\" is stacked twice"_s},
            {"stacked out of range", set("stages.0.stacking", QJsonArray{u"checkpoint 7"_s}), u"stages[0].stacking[0]: \"checkpoint 7\": there is no such checkpoint"_s},
            {"stacking incomplete", set("stages.0.stacking", QJsonArray{}), u"stages[0].stacking: \"checkpoint 0\" is missing"_s},
            {"face", set("stages.0.opening.0.face", 7), u"stages[0].opening[0].face: 7 is not in 0..6"_s},
            {"sound", set("stages.0.checkpoints.0.sound", u"Moo"_s), u"stages[0].checkpoints[0].sound: unknown sound \"Moo\""_s},
            {"off-road colour", set("stages.0.offRoad", u"green"_s), u"stages[0].offRoad: \"green\" is not a colour"_s},
            {"route", set("stages.0.route.mustPass", QJsonArray{QJsonArray{3}}), u"stages[0].route.mustPass[0][0]: not a checkpoint index"_s},
            {"65 marks", set("stages.0.covers", Many(63, QJsonObject{{u"rect"_s, Rect(0, 0, 5, 5)}, {u"picture"_s, u"road0"_s}})),
             u"stages[0]: 66 marks, more than 64"_s},
            {"too many checkpoints", set("stages.0.checkpoints", Many(65, mark)), u"stages[0].checkpoints: 65 entries, more than 64"_s},
            {"201 story lines", set("stages.0.opening", Many(201, QJsonObject{{u"ja"_s, u"あ"_s}})),
             u"stages[0].opening: 201 entries, more than 200"_s},
            {"story lines together", set("stages.0.meeting", Many(200, QJsonObject{{u"ja"_s, u"あ"_s}})),
             u"stages[0]: 201 story lines, more than 200"_s},
            {"long text", set("stages.0.name.en", QString(201, QLatin1Char('x'))), u"stages[0].name.en: longer than 200 characters"_s},
            {"17 stages", set("stages.16", QJsonObject()), u"course.json: stages: 17 entries, more than 16"_s},
            {"parent folder", set("stages.0.map", u"../starter/map.png"_s), u"stages[0].map: \"../starter/map.png\" points outside the pack"_s},
            {"absolute path", set("stages.0.map", u"/etc/passwd"_s), u"stages[0].map: \"/etc/passwd\" is not a file name inside the pack"_s},
            {"link", [this](QJsonObject&, const QDir& dir) { QFile::remove(dir.filePath(u"map.png"_s)); QFile::link(m_starter + u"/map.png"_s, dir.filePath(u"map.png"_s)); },
             u"stages[0].map: \"map.png\" is a link"_s},
            {"missing picture", set("stages.0.covers", QJsonArray{QJsonObject{{u"rect"_s, Rect(0, 0, 5, 5)}, {u"picture"_s, u"sign.png"_s}}}),
             u"sign.png: stages[0].covers[0].picture: no such file in the pack"_s},
            {"wrong size", picture(QSize(200, 300), "PNG", 0), u"map.png: stages[0].map: 200 × 300 pixels, not 300 × 300"_s},
            {"huge", picture(QSize(6000, 6000), "PNG", 0), u"map.png: stages[0].map: 6000 × 6000 pixels, larger than 300 × 300"_s},
            {"truncated bitmap", picture(QSize(300, 300), "BMP", 5000), u"map.png: stages[0].map: the bitmap is cut short"_s},
            {"truncated PNG", picture(QSize(300, 300), "PNG", 30), u"map.png: stages[0].map: the PNG is cut short"_s},
            {"garbage", file("map.png", garbage), u"map.png: stages[0].map: not a picture"_s},
            {"huge file", file("map.png", QByteArray(5 << 20, '\0')), u"map.png: stages[0].map: 5242880 bytes"_s},
            {"top level a list", file("course.json", "[]"), u"course.json: (top): not an object"_s},
            {"no stages", file("course.json", "{}"), u"course.json: stages: a pack has 1 to 16 stages"_s},
            {"FIFO", [](QJsonObject&, const QDir& dir) { QFile::remove(dir.filePath(u"map.png"_s)); mkfifo(QFile::encodeName(dir.filePath(u"map.png"_s)).constData(), 0600); },
             u"map.png: stages[0].map: \"map.png\" is a FIFO"_s},
            {"course.json a FIFO", [](QJsonObject&, const QDir& dir) { QFile::remove(dir.filePath(u"course.json"_s)); mkfifo(QFile::encodeName(dir.filePath(u"course.json"_s)).constData(), 0600); },
             u"course.json: (file): is a FIFO"_s},
            {"link on the way", [](QJsonObject& json, const QDir& dir) {
                 QFile::link(dir.path(), dir.filePath(u"sub"_s));
                 QJsonArray stages = json[u"stages"_s].toArray();
                 stages[0] = With(stages[0].toObject(), "map", u"sub/map.png"_s);
                 json[u"stages"_s] = stages;
             }, u"map.png: stages[0].map: \"sub\" on its way is a link"_s},
            {"empty map name", set("stages.0.map", u""_s), u"course.json: stages[0].map: empty"_s},
            {"NUL in a text", set("stages.0.name.ja", u"あ\u0000い"_s), u"stages[0].name.ja: holds a control character"_s},
            {"control in a file name", set("stages.0.map", u"map\u0007.png"_s), u"stages[0].map: \"map\\x07.png\": a file name holding a control character"_s},
            {"201 emoji", set("name.ja", Emoji(201)), u"name.ja: longer than 200 characters"_s},
            {"huge mustPass", set("stages.0.route.mustPass", QJsonArray{Many(30000, 0)}), u"stages[0].route.mustPass[0]: 30000 entries, more than 64"_s},
            {"checkpoint twice", set("stages.0.route.mustPass", QJsonArray{QJsonArray{0, 0}}), u"stages[0].route.mustPass[0][1]: checkpoint 0 is listed twice"_s},
            {"truncated RLE", [](QJsonObject&, const QDir& dir) {
                 const QByteArray whole = Bitmap8({300, 300}, {qRgb(0, 90, 0), qRgb(200, 200, 200)}, RoadRuns(QImage(dir.filePath(u"map.png"_s))), true);
                 WriteFile(dir.filePath(u"map.png"_s), whole.left(whole.size() / 2));
             },
             u"map.png: stages[0].map: the bitmap is cut short"_s},
            {"index past the palette", file("map.png", Bitmap8({300, 300}, {qRgb(0, 90, 0), qRgb(200, 200, 200)}, QByteArray(90000, '\5'))),
             u"map.png: stages[0].map: the pixel at (0, 0) takes colour 5 of a palette of 2"_s},
            {"bitmap without palette", file("map.png", Bitmap8({300, 300}, {}, QByteArray(90000, '\0'))), u"map.png: stages[0].map: a bitmap of 8 bits without the palette"_s},
            {"bomb", file("map.png", GreyPng(64 << 20)), u"map.png: stages[0].map: its image data inflates past the 90300 bytes its size needs"_s},
            {"PNG data cut short", file("map.png", GreyPng(90300 - 301)), u"map.png: stages[0].map: its image data is cut short"_s},
            {"24-bit bitmap", [](QJsonObject&, const QDir& dir) { QImage(300, 300, QImage::Format_RGB32).save(dir.filePath(u"map.png"_s), "BMP"); },
             u"map.png: stages[0].map: a bmp picture of 24 bits"_s},
        };
        const QString newline = packFrom(u"newline"_s, set("stages.0.map", u"a\nb.png"_s));
        const QStringList told = course::LoadPack(newline).problems;
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(u"stages[0].map: \"a\\nb.png\": a file name holding a control character"_s) && !told[0].contains(u'\n'), qPrintable(told[0]));
        for (const Breakage& b : broken) {
            const QString folder = packFrom(QString::fromLatin1(b.what).replace(QLatin1Char(' '), QLatin1Char('_')), b.breakIt);
            const course::Pack pack = course::LoadPack(folder);
            QVERIFY2(!pack.ok(), b.what);
            const QString problems = pack.problems.join(QLatin1Char('\n'));
            QVERIFY2(problems.contains(b.expected), qPrintable(u"%1: %2"_s.arg(QLatin1String(b.what), problems)));
            QVERIFY2(pack.readWhole == b.unfinished, b.what);
        }
    }

    // What a player may make is read: a name of 200 emoji, a map as a top-down
    // or run-length bitmap (the same road whichever way it is stored), pictures
    // of every depth a paint program writes. And pixels come from the file
    // alone: a picture cut short or with jumps over pixels decodes alike into
    // targets filled with two different colours.
    void validPacksAreRead()
    {
        const QImage starter(m_starter + u"/map.png"_s);
        const QList<QRgb> palette{starter.pixel(0, 0), qRgb(200, 200, 200)};
        const QByteArray runs = Bitmap8({300, 300}, palette, RoadRuns(starter), true);
        std::vector<QImage> maps;
        for (const QByteArray& bitmap : {Bitmap8({300, 300}, palette, RoadRows(starter, false)), Bitmap8({300, -300}, palette, RoadRows(starter, true)), runs}) {
            const QString folder = packFrom(u"valid%1"_s.arg(maps.size()), [&](QJsonObject& json, const QDir& dir) {
                WriteFile(dir.filePath(u"map.png"_s), bitmap);
                Set(json[u"name"_s], {u"ja"_s}, Emoji(200));
            });
            const course::Pack pack = course::LoadPack(folder);
            QVERIFY2(pack.ok() && pack.course.name.japanese == Emoji(200), qPrintable(pack.problems.join(u'\n')));
            maps.push_back(pack.firstMap.convertToFormat(QImage::Format_RGB32));
            QVERIFY(Pokurimo({u"--check-course"_s, folder}).code == 0);
        }
        QVERIFY(maps[1] == maps[0] && maps[2] == maps[0]);

        QJsonArray covers;
        const QString folder = packFrom(u"depths"_s, [&](QJsonObject& json, const QDir& dir) {
            for (const QImage::Format format : {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_Grayscale8, QImage::Format_Grayscale16,
                                                QImage::Format_RGB16, QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGBA64})
                for (const char* kind : {"png", "bmp"}) {
                    const QString name = u"cover%1.%2"_s.arg(covers.size()).arg(QLatin1String(kind));
                    QVERIFY(starter.copy(0, 0, 40, 30).convertToFormat(format).save(dir.filePath(name), kind));
                    covers.append(QJsonObject{{u"rect"_s, Rect(0, 0, 5, 5)}, {u"picture"_s, name}});
                }
            Set(json[u"stages"_s], {0, u"stacking"_s}, QJsonValue::Undefined);
            Set(json[u"stages"_s], {0, u"covers"_s}, covers);
        });
        const course::Pack depths = course::LoadPack(folder);
        QVERIFY2(depths.ok() && depths.course.stages[0].covers.size() == 16, qPrintable(depths.problems.join(u'\n')));

        const QByteArray jumps = Bitmap8({300, 300}, palette, QByteArray("\x05\x01\x00\x02\x20\x10\x03\x01\x00\x00\x00\x01", 12), true);
        const QByteArray png = FileBytes(m_starter + u"/map.png"_s);
        for (const QByteArray& bytes : {runs.chopped(runs.size() / 4), runs.left(runs.size() / 2), jumps, png.left(png.size() / 2), GreyPng(90300 - 301), GreyPng(90300)}) {
            QImage a(300, 300, QImage::Format_Indexed8);
            a.setColorTable(palette);
            a.fill(0x11);
            QImage b = a.copy();
            b.fill(0xee);
            const course::Picture first = course::DecodePicture(bytes, {300, 300}, a);
            const course::Picture second = course::DecodePicture(bytes, {300, 300}, b);
            QVERIFY(first.problem == second.problem && first.image == second.image);
        }
    }

    // The checker proves the game the player plays: off-road is the stage's own colour.
    void theCheckerJudgesTheStagesOffRoad()
    {
        const QPoint start = course::LoadPack(m_starter).course.stages[0].ownStart()->point;
        const QString roadIsOff = packFrom(u"road_off"_s, [&](QJsonObject& json, const QDir&) {
            Set(json[u"stages"_s], {0, u"offRoad"_s}, QColor(QImage(m_starter + u"/map.png"_s).pixel(start)).name());
        });
        const Run checked = Pokurimo({u"--check-course"_s, roadIsOff});
        QVERIFY2(course::LoadPack(roadIsOff).ok() && checked.code == 1 && checked.out.contains(u"level 1 (r = 1): FAILS"_s), qPrintable(checked.out));

        // A gold no hand can earn along the shortest route is told by its field.
        const QString tooFast = packFrom(u"gold_too_fast"_s, [&](QJsonObject& json, const QDir&) {
            Set(json[u"stages"_s], {0, u"targets"_s}, QJsonObject{{u"1"_s, QJsonArray{1, 50, 55}}, {u"2"_s, QJsonArray{10, 50, 55}}});
        });
        const Run fast = Pokurimo({u"--check-course"_s, tooFast});
        QVERIFY2(course::LoadPack(tooFast).ok() && fast.code == 1 && fast.out.contains(u"stages[0].targets.1: gold 1 s is faster"_s) &&
                     !fast.out.contains(u"targets.2"_s),
                 qPrintable(fast.out));
    }

    // The game's own pack is read whole and written back byte for byte; the
    // hash follows the road, not the words.
    void ownPackRoundTrip()
    {
        const course::Pack own = course::LoadPack(QStringLiteral(POKURIMO_APP_FOLDER));
        QVERIFY2(own.ok(), qPrintable(own.problems.join(QLatin1Char('\n'))));
        QCOMPARE(own.course.stageCount(), 2);
        const QByteArray file = course::WritePack(own.course, own.folder);
        QCOMPARE(file, FileBytes(own.folder + u"/course.json"_s));

        const QDir copy(m_dir.filePath(u"own"_s));
        copy.mkpath(u"dat"_s);
        for (const char* map : {"dat/map1.dat", "dat/map2.dat"})
            QVERIFY(QFile::copy(own.folder + QLatin1Char('/') + QLatin1String(map), copy.filePath(QLatin1String(map))));
        WriteFile(copy.filePath(u"course.json"_s), file);
        const course::Pack again = course::LoadPack(copy.path());
        QVERIFY(again.ok());
        QCOMPARE(course::WritePack(again.course, again.folder), file);
        QCOMPARE(again.playHash, own.playHash);

        course::Course edited = again.course;
        edited.stages[0].opening[0].text.english = u"Mended typo"_s;
        edited.stages[0].signs = course::Signs::Drawn;  // the game draws the signs: the same play
        WriteFile(copy.filePath(u"course.json"_s), course::WritePack(edited, copy.path()));
        QCOMPARE(course::LoadPack(copy.path()).playHash, own.playHash);
        edited.stages[0].checkpoints[0].rect.translate(1, 0);
        WriteFile(copy.filePath(u"course.json"_s), course::WritePack(edited, copy.path()));
        QVERIFY(course::LoadPack(copy.path()).playHash != own.playHash);

        // The map: scenery repainted in another road colour keeps the hash; one
        // more pixel of road does not.
        WriteFile(copy.filePath(u"course.json"_s), file);
        QImage map(copy.filePath(u"dat/map1.dat"_s));
        const QRgb offRoad = map.pixel(0, 0);
        const QPoint road = course::BuiltIn().stage(1).ownStart()->point;
        map.setPixel(road, map.pixelIndex(road) == 1 ? 2 : 1);  // another colour of the palette, still not off-road
        QVERIFY(map.pixel(road) != offRoad && map.save(copy.filePath(u"dat/map1.dat"_s), "BMP"));
        QCOMPARE(course::LoadPack(copy.path()).playHash, own.playHash);
        map.setPixel(QPoint(0, 299), map.pixelIndex(0, 299) == 1 ? 2 : 1);
        QVERIFY(map.pixel(0, 299) != offRoad && map.save(copy.filePath(u"dat/map1.dat"_s), "BMP"));
        QVERIFY(course::LoadPack(copy.path()).playHash != own.playHash);
    }
};

QTEST_MAIN(PackTest)
#include "tst_packs.moc"
