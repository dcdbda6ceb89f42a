// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The high-score table survives the game being killed in the middle of a
// save: a child process saves two different tables in turn, as fast as it
// can, and is killed with SIGKILL at random moments. After every kill the
// settings file must hold one of the two tables whole.
// POKURIMO_KILL_SEED replays a run; POKURIMO_KILLS sets how many kills.

#include "support/TestEnv.h"

#include "game/AppFolder.h"
#include "game/HighScoreTable.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstdio>

using namespace game;
using namespace scores;

namespace {

using StoredTable = QMap<QString, QString>;  // key -> stored text, all 40 keys

// Two tables that differ in every key and in length, so that any mix or
// cut-off of the two shows.
StoredTable MakeTable(bool second)
{
    StoredTable table;
    for (int level = 1; level <= kLevels; ++level)
        for (int stage = 1; stage <= kStages; ++stage)
            for (int place = 0; place < kPlaces; ++place) {
                const int n = level * 100 + stage * 10 + place;
                table[scores::NameKey(level, stage, place)] =
                    second ? QStringLiteral("b%1").arg(n) : QStringLiteral("ぴぽ長い名前%1-").arg(n).repeated(20);
                table[scores::ScoreKey(level, stage, place)] = QString::number(second ? -n : 100000 + n);
            }
    return table;
}

void PutInMemory(const StoredTable& table, HighScoreTable& memory)
{
    for (int level = 1; level <= kLevels; ++level)
        for (int stage = 1; stage <= kStages; ++stage)
            for (int place = 0; place < kPlaces; ++place) {
                memory.names(level, stage)[place] = table[scores::NameKey(level, stage, place)];
                memory.scores(level, stage)[place] = table[scores::ScoreKey(level, stage, place)].toInt();
            }
}

// What the file holds now, read from a copy so no cached state can stand in for it.
StoredTable OnDisk(const QString& file)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.conf"));
    StoredTable table;
    if (!QFile::copy(file, copy))
        return table;
    QSettings store(copy, QSettings::IniFormat);
    store.beginGroup(scores::kSettingGroup);
    for (const QString& key : store.childKeys())
        table[key] = store.value(key).toString();
    return table;
}

// The child: saves the two tables in turn until it is killed. Writes one byte
// to its output once the first save is done.
int SaveLoop(const QString& settingsFolder)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pokurimo"));
    QCoreApplication::setApplicationName(QStringLiteral("Pokurimo"));
    QSettings::setDefaultFormat(QSettings::NativeFormat);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder);
    const StoredTable tables[2] = {MakeTable(false), MakeTable(true)};
    HighScoreTable memory;
    for (unsigned i = 1;; ++i) {
        PutInMemory(tables[i % 2], memory);
        if (!memory.save())
            return 3;
        if (i == 1) {
            std::fputc('r', stdout);
            std::fflush(stdout);
        }
    }
}

quint32 Seed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("POKURIMO_KILL_SEED").toUInt(&ok);
    return ok ? seed : 20240611u;
}

// The child for one save: exit 0 when it saved.
int SaveOnce(const QString& settingsFolder)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pokurimo"));
    QCoreApplication::setApplicationName(QStringLiteral("Pokurimo"));
    QSettings::setDefaultFormat(QSettings::NativeFormat);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder);
    HighScoreTable memory;
    PutInMemory(MakeTable(false), memory);
    return memory.save() ? 0 : 3;
}

int Kills()
{
    bool ok = false;
    const int kills = qEnvironmentVariable("POKURIMO_KILLS").toInt(&ok);
    return ok && kills > 0 ? kills : 200;
}

}  // namespace

class KilledWhileSavingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyLockLeftByAKillDoesNotHoldTheNextSave()
    {
        TestEnv env;
        PutInMemory(MakeTable(true), Table());
        QVERIFY(Table().save());
        const QString file = env.settingsFile();
        // What a kill between creating the lock file and writing into it leaves.
        QFile lock(file + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
        lock.close();

        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-once"), env.settingsFolder()});
        // A hang guard: QSettings on its own waits 30 s before it takes such a lock for stale.
        const bool finished = child.waitForFinished(15000);
        if (!finished)
            child.kill();
        QVERIFY2(finished, "the save waited on the abandoned lock file");
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(OnDisk(file), MakeTable(false));
    }

    void everyKillLeavesOneWholeTable()
    {
        TestEnv env;
        const StoredTable first = MakeTable(false);
        const StoredTable second = MakeTable(true);
        PutInMemory(second, Table());
        QVERIFY(Table().save());
        const QString file = env.settingsFile();
        QCOMPARE(OnDisk(file), second);

        const quint32 seed = Seed();
        const int kills = Kills();
        qInfo("seed %u (POKURIMO_KILL_SEED replays it), %d kills", seed, kills);
        QRandomGenerator random(seed);
        int seenFirst = 0;
        int seenSecond = 0;
        int emptyLocks = 0;
        for (int k = 0; k < kills; ++k) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
            child.setProcessEnvironment(environment);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-loop"), env.settingsFolder()});
            // A hang guard, far above a save's time: QSettings alone would
            // wait 30 s on a lock file that a kill left empty.
            QVERIFY2(child.waitForReadyRead(15000), "the saving child never finished its first save");
            // Anywhere within the next few saves.
            QThread::usleep(random.bounded(20000u));
            child.kill();
            QVERIFY(child.waitForFinished(30000));
            QVERIFY2(child.exitStatus() == QProcess::CrashExit,
                     qPrintable(QStringLiteral("the child stopped by itself with %1").arg(child.exitCode())));

            if (QFileInfo(file + QStringLiteral(".lock")).size() == 0 && QFile::exists(file + QStringLiteral(".lock"))) {
                // Killed while taking the lock. A player needs a few seconds to start
                // the game again and reach a save; give the empty lock that age.
                ++emptyLocks;
                QThread::sleep(3);
            }
            const StoredTable stored = OnDisk(file);
            if (stored == first)
                ++seenFirst;
            else if (stored == second)
                ++seenSecond;
            else
                QFAIL(qPrintable(QStringLiteral("after kill %1 the file holds neither table (%2 keys); seed %3")
                                     .arg(k + 1).arg(stored.size()).arg(seed)));
        }
        qInfo("the file held the first table %d times, the second %d times; %d kills left an empty lock file",
              seenFirst, seenSecond, emptyLocks);
        // Both must turn up, or the kills never fell between two saves and the test proved nothing.
        QVERIFY(seenFirst > 0);
        QVERIFY(seenSecond > 0);
        const QStringList leftovers = QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files | QDir::Hidden);
        qInfo("files in the settings folder afterwards: %lld", static_cast<long long>(leftovers.size()));
    }
};

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--save-loop") == 0) {
        QCoreApplication app(argc, argv);
        return SaveLoop(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 3 && qstrcmp(argv[1], "--save-once") == 0) {
        QCoreApplication app(argc, argv);
        return SaveOnce(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    KilledWhileSavingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killed_while_saving.moc"
