// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Course packs: a broken pack from a stranger is told field by field and never
// crashes the reader; the game's own pack is written back as it was read; the
// starter pack passes the command line's own check.

#include "rules/CoursePack.h"
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

#include <functional>

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

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QJsonObject Json(const QString& folder)
{
    return QJsonDocument::fromJson(Read(folder + QStringLiteral("/course.json"))).object();
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
        while (a.size() <= key.toInt())
            a.append(QJsonObject());
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
    for (int i = 0; i < count; ++i)
        a.append(each);
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

// A broken copy of the starter pack: what is done to it, and a problem it must give.
struct Breakage {
    const char* what;
    std::function<void(QJsonObject& json, const QDir& pack)> breakIt;
    QString expected;
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
        pack.mkpath(QStringLiteral("."));
        for (const QString& f : QDir(m_starter).entryList(QDir::Files))
            QFile::copy(QDir(m_starter).filePath(f), pack.filePath(f));
        QJsonObject json = Json(m_starter);
        const QJsonObject before = json;
        change(json, pack);
        if (json != before)
            Write(pack.filePath(QStringLiteral("course.json")), QJsonDocument(json).toJson());
        return pack.path();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_starter = m_dir.filePath(QStringLiteral("starter"));
        const Run made = Pokurimo({QStringLiteral("--new-course"), m_starter});
        QCOMPARE(made.code, 0);
    }

    // The starter pack passes the real check; a full folder is never written over.
    void starterPackIsPlayable()
    {
        const Run checked = Pokurimo({QStringLiteral("--check-course"), m_starter});
        QVERIFY2(checked.code == 0, qPrintable(checked.out));
        QVERIFY(checked.out.contains(QStringLiteral("level 2 (r = 3): passes")));
        const QByteArray before = Read(m_starter + QStringLiteral("/course.json"));
        QCOMPARE(Pokurimo({QStringLiteral("--new-course"), m_starter}).code, 2);
        QCOMPARE(Read(m_starter + QStringLiteral("/course.json")), before);
    }

    // A road the checker refutes fails the check though the file is right.
    void unplayableRoadFailsTheCheck()
    {
        const QString pack = packFrom(QStringLiteral("cut"), [](QJsonObject&, const QDir& dir) {
            QImage map(dir.filePath(QStringLiteral("map.png")));
            for (int y = 100; y < 110; ++y)
                for (int x = 240; x < 270; ++x)
                    map.setPixel(x, y, map.pixel(0, 0));  // the road cut across before the checkpoint
            map.save(dir.filePath(QStringLiteral("map.png")), "PNG");
        });
        const Run checked = Pokurimo({QStringLiteral("--check-course"), pack});
        QCOMPARE(checked.code, 1);
        QVERIFY(checked.out.contains(QStringLiteral("FAILS")));
    }

    // Every kind of mistake is named with its file and field; none crashes.
    void brokenPacksAreTold()
    {
        const QJsonObject car{{QStringLiteral("kind"), QStringLiteral("car")}, {QStringLiteral("rect"), Rect(100, 100, 20, 25)},
                              {QStringLiteral("picture"), QStringLiteral("car1")}, {QStringLiteral("periodMs"), 300},
                              {QStringLiteral("motion"), QJsonObject{{QStringLiteral("step"), 2}, {QStringLiteral("low"), 50}, {QStringLiteral("high"), 200}}}};
        const QJsonObject mark{{QStringLiteral("rect"), Rect(0, 0, 5, 5)}};
        auto set = [](QVariantList path, const QJsonValue& v) {
            return [path, v](QJsonObject& json, const QDir&) {
                QJsonObject wrapper{{QStringLiteral("top"), json}};
                Set(wrapper[QStringLiteral("top")], path, v);
                json = wrapper[QStringLiteral("top")].toObject();
            };
        };
        auto file = [](const char* name, const QByteArray& bytes) {
            return [name, bytes](QJsonObject&, const QDir& dir) { Write(dir.filePath(QLatin1String(name)), bytes); };
        };
        auto picture = [](QSize size, const char* format, int cut) {
            return [size, format, cut](QJsonObject&, const QDir& dir) {
                QImage map(size, QImage::Format_Indexed8);
                map.setColorTable({qRgb(10, 120, 10)});
                map.fill(0);
                map.save(dir.filePath(QStringLiteral("map.png")), format);
                QFile written(dir.filePath(QStringLiteral("map.png")));
                if (cut)
                    written.resize(written.size() - cut);  // the end lost
            };
        };
        const QByteArray garbage = QByteArray(600, '\x5a').prepend("\x89PNG\r\n\x1a\n");
        const std::vector<Breakage> broken{
            {"malformed", file("course.json", "{\n\"format\": 1,\n\"stages\": [ {\"name\": }\n"), QStringLiteral("course.json: line 3: not JSON")},
            {"too big a file", file("course.json", QByteArray(2 << 20, ' ')), QStringLiteral("course.json: (file): 2097152 bytes")},
            {"missing field", set({QStringLiteral("stages"), 0, QStringLiteral("timeLimit")}, QJsonValue::Undefined), QStringLiteral("course.json: stages[0].timeLimit: missing")},
            {"wrong type", set({QStringLiteral("stages"), 0, QStringLiteral("timeLimit")}, QStringLiteral("60")), QStringLiteral("stages[0].timeLimit: not a whole number")},
            {"time limit", set({QStringLiteral("stages"), 0, QStringLiteral("timeLimit")}, 1000), QStringLiteral("stages[0].timeLimit: 1000 is not in 1..999")},
            {"name not text", set({QStringLiteral("name")}, 5), QStringLiteral("course.json: name: not an object")},
            {"unknown kind", set({QStringLiteral("stages"), 0, QStringLiteral("hazards")}, QJsonArray{With(car, "kind", QStringLiteral("boat"))}),
             QStringLiteral("course.json: stages[0].hazards[0].kind: unknown kind \"boat\"")},
            {"odd period", set({QStringLiteral("stages"), 0, QStringLiteral("hazards")}, QJsonArray{With(car, "periodMs", 250)}),
             QStringLiteral("stages[0].hazards[0].periodMs: 250 is not a multiple of 100")},
            {"motion", set({QStringLiteral("stages"), 0, QStringLiteral("hazards")}, QJsonArray{With(car, "rect", Rect(100, 20, 20, 25))}),
             QStringLiteral("stages[0].hazards[0].motion: the rectangle's top 20 is not between low and high")},
            {"bridge row", set({QStringLiteral("stages"), 0, QStringLiteral("hazards")}, QJsonArray{QJsonObject{{QStringLiteral("kind"), QStringLiteral("bridge")}, {QStringLiteral("rect"), Rect(100, 100, 30, 10)}, {QStringLiteral("picture"), QStringLiteral("plank")}, {QStringLiteral("openPicture"), QStringLiteral("water")}, {QStringLiteral("periodMs"), 1000}, {QStringLiteral("pieces"), QJsonArray{Rect(100, 100, 15, 10), Rect(115, 100, 15, 10)}}, {QStringLiteral("pattern"), QJsonArray{QStringLiteral("01"), QStringLiteral("011")}}}}),
             QStringLiteral("stages[0].hazards[0].pattern[1]: not a row of 2")},
            {"off the map", set({QStringLiteral("stages"), 0, QStringLiteral("goals"), 0, QStringLiteral("rect")}, Rect(290, 290, 20, 20)), QStringLiteral("stages[0].goals[0].rect: [290, 290, 20, 20] is empty or not inside")},
            {"no live goal", set({QStringLiteral("stages"), 0, QStringLiteral("goals"), 0, QStringLiteral("live")}, false), QStringLiteral("stages[0].goals: 0 live goals")},
            {"stacked twice", set({QStringLiteral("stages"), 0, QStringLiteral("stacking")}, QJsonArray{QStringLiteral("goal 0"), QStringLiteral("goal 0"), QStringLiteral("start 0"), QStringLiteral("checkpoint 7")}),
             QStringLiteral("stages[0].stacking[1]: \"goal 0\" is stacked twice")},
            {"stacked out of range", set({QStringLiteral("stages"), 0, QStringLiteral("stacking")}, QJsonArray{QStringLiteral("checkpoint 7")}), QStringLiteral("stages[0].stacking[0]: \"checkpoint 7\": there is no such checkpoint")},
            {"stacking incomplete", set({QStringLiteral("stages"), 0, QStringLiteral("stacking")}, QJsonArray{}), QStringLiteral("stages[0].stacking: \"checkpoint 0\" is missing")},
            {"face", set({QStringLiteral("stages"), 0, QStringLiteral("opening"), 0, QStringLiteral("face")}, 7), QStringLiteral("stages[0].opening[0].face: 7 is not in 0..6")},
            {"sound", set({QStringLiteral("stages"), 0, QStringLiteral("checkpoints"), 0, QStringLiteral("sound")}, QStringLiteral("Moo")), QStringLiteral("stages[0].checkpoints[0].sound: unknown sound \"Moo\"")},
            {"off-road colour", set({QStringLiteral("stages"), 0, QStringLiteral("offRoad")}, QStringLiteral("green")), QStringLiteral("stages[0].offRoad: \"green\" is not a colour")},
            {"route", set({QStringLiteral("stages"), 0, QStringLiteral("route"), QStringLiteral("mustPass")}, QJsonArray{QJsonArray{3}}), QStringLiteral("stages[0].route.mustPass[0][0]: not a checkpoint index")},
            {"65 marks", set({QStringLiteral("stages"), 0, QStringLiteral("covers")}, Many(63, QJsonObject{{QStringLiteral("rect"), Rect(0, 0, 5, 5)}, {QStringLiteral("picture"), QStringLiteral("road0")}})),
             QStringLiteral("stages[0]: 66 marks, more than 64")},
            {"too many checkpoints", set({QStringLiteral("stages"), 0, QStringLiteral("checkpoints")}, Many(65, mark)), QStringLiteral("stages[0].checkpoints: 65 entries, more than 64")},
            {"201 story lines", set({QStringLiteral("stages"), 0, QStringLiteral("opening")}, Many(201, QJsonObject{{QStringLiteral("ja"), QStringLiteral("あ")}})),
             QStringLiteral("stages[0].opening: 201 entries, more than 200")},
            {"story lines together", set({QStringLiteral("stages"), 0, QStringLiteral("meeting")}, Many(200, QJsonObject{{QStringLiteral("ja"), QStringLiteral("あ")}})),
             QStringLiteral("stages[0]: 201 story lines, more than 200")},
            {"long text", set({QStringLiteral("stages"), 0, QStringLiteral("name"), QStringLiteral("en")}, QString(201, QLatin1Char('x'))), QStringLiteral("stages[0].name.en: longer than 200 characters")},
            {"17 stages", set({QStringLiteral("stages"), 16}, QJsonObject()), QStringLiteral("course.json: stages: 17 entries, more than 16")},
            {"parent folder", set({QStringLiteral("stages"), 0, QStringLiteral("map")}, QStringLiteral("../starter/map.png")), QStringLiteral("stages[0].map: \"../starter/map.png\" points outside the pack")},
            {"absolute path", set({QStringLiteral("stages"), 0, QStringLiteral("map")}, QStringLiteral("/etc/passwd")), QStringLiteral("stages[0].map: \"/etc/passwd\" is not a file name inside the pack")},
            {"link", [this](QJsonObject&, const QDir& dir) { QFile::remove(dir.filePath(QStringLiteral("map.png"))); QFile::link(m_starter + QStringLiteral("/map.png"), dir.filePath(QStringLiteral("map.png"))); },
             QStringLiteral("stages[0].map: \"map.png\" is a link")},
            {"missing picture", set({QStringLiteral("stages"), 0, QStringLiteral("covers")}, QJsonArray{QJsonObject{{QStringLiteral("rect"), Rect(0, 0, 5, 5)}, {QStringLiteral("picture"), QStringLiteral("sign.png")}}}),
             QStringLiteral("sign.png: stages[0].covers[0].picture: no such file in the pack")},
            {"wrong size", picture(QSize(200, 300), "PNG", 0), QStringLiteral("map.png: stages[0].map: 200 × 300 pixels, not 300 × 300")},
            {"huge", picture(QSize(6000, 6000), "PNG", 0), QStringLiteral("map.png: stages[0].map: 6000 × 6000 pixels, larger than 300 × 300")},
            {"truncated bitmap", picture(QSize(300, 300), "BMP", 5000), QStringLiteral("map.png: stages[0].map: the bitmap is cut short")},
            {"truncated PNG", picture(QSize(300, 300), "PNG", 30), QStringLiteral("map.png: stages[0].map: cannot be decoded")},
            {"garbage", file("map.png", garbage), QStringLiteral("map.png: stages[0].map: not a picture")},
            {"huge file", file("map.png", QByteArray(5 << 20, '\0')), QStringLiteral("map.png: stages[0].map: 5242880 bytes")},
            {"24-bit bitmap", [](QJsonObject&, const QDir& dir) { QImage(300, 300, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("map.png")), "BMP"); },
             QStringLiteral("map.png: stages[0].map: a bmp picture of 24 bits")},
        };
        for (const Breakage& b : broken) {
            const QString folder = packFrom(QString::fromLatin1(b.what).replace(QLatin1Char(' '), QLatin1Char('_')), b.breakIt);
            const course::Pack pack = course::LoadPack(folder);
            QVERIFY2(!pack.ok(), b.what);
            const QString problems = pack.problems.join(QLatin1Char('\n'));
            QVERIFY2(problems.contains(b.expected), qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(b.what), problems)));
        }
    }

    // The game's own pack is read whole and written back byte for byte; the
    // hash follows the road, not the words.
    void ownPackRoundTrip()
    {
        const course::Pack own = course::LoadPack(QStringLiteral(POKURIMO_APP_FOLDER));
        QVERIFY2(own.ok(), qPrintable(own.problems.join(QLatin1Char('\n'))));
        QCOMPARE(own.course.stageCount(), 2);
        const QByteArray file = course::WritePack(own.course, own.folder);
        QCOMPARE(file, Read(own.folder + QStringLiteral("/course.json")));

        const QDir copy(m_dir.filePath(QStringLiteral("own")));
        copy.mkpath(QStringLiteral("dat"));
        for (const char* map : {"dat/map1.dat", "dat/map2.dat"})
            QVERIFY(QFile::copy(own.folder + QLatin1Char('/') + QLatin1String(map), copy.filePath(QLatin1String(map))));
        Write(copy.filePath(QStringLiteral("course.json")), file);
        const course::Pack again = course::LoadPack(copy.path());
        QVERIFY(again.ok());
        QCOMPARE(course::WritePack(again.course, again.folder), file);
        QCOMPARE(again.playHash, own.playHash);

        course::Course edited = again.course;
        edited.stages[0].opening[0].text.english = QStringLiteral("Mended typo");
        Write(copy.filePath(QStringLiteral("course.json")), course::WritePack(edited, copy.path()));
        QCOMPARE(course::LoadPack(copy.path()).playHash, own.playHash);
        edited.stages[0].checkpoints[0].rect.translate(1, 0);
        Write(copy.filePath(QStringLiteral("course.json")), course::WritePack(edited, copy.path()));
        QVERIFY(course::LoadPack(copy.path()).playHash != own.playHash);
    }
};

QTEST_MAIN(PackTest)
#include "tst_packs.moc"
