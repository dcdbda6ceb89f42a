// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The high-score table in the settings store: defaults, odd names, hand-edited
// scores, failed saves; and where a new score goes in the table.

#include "StoreFiles.h"
#include "support/TestEnv.h"

#include "game/AppFolder.h"
#include "game/HighScoreTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QtTest>

using namespace game;
using namespace scores;

namespace {
using Row = std::int32_t[kPlaces];

// Every entry different, so a swapped level, stage or place shows.
void FillDistinct()
{
    for (int level = 1; level <= kLevels; ++level)
        for (int stage = 1; stage <= kStages; ++stage)
            for (int place = 0; place < kPlaces; ++place) {
                Table().names(level, stage)[place] = QStringLiteral("n%1%2%3").arg(level).arg(stage).arg(place);
                Table().scores(level, stage)[place] = level * 1000 + stage * 100 + place;
            }
}

}  // namespace

class HighScoreTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyStoreGivesDefaultsAndSaveWritesEveryKey()
    {
        TestEnv env;
        Table().load();
        for (int level = 1; level <= kLevels; ++level)
            for (int stage = 1; stage <= kStages; ++stage)
                for (int place = 0; place < kPlaces; ++place) {
                    QCOMPARE(Table().names(level, stage)[place], QStringLiteral("ぴぽ"));
                    QCOMPARE(Table().scores(level, stage)[place], 500);
                }

        QVERIFY(Table().save());
        const auto stored = StoredOnDisk(env.settingsFile());
        QCOMPARE(stored.size(), 40);
        QCOMPARE(stored.value(QStringLiteral("HScore_Val_2_1_0")), QStringLiteral("500"));
        QCOMPARE(stored.value(QStringLiteral("HScore_Nm_1_2_4")), QStringLiteral("ぴぽ"));
        QVERIFY(env.settingsFile().endsWith(QStringLiteral("Pokurimo/Pokurimo.conf")));
    }

    void missingKeysDefaultOneByOne()
    {
        TestEnv env;
        WriteFile(env.settingsFile(), "[Setting]\nHScore_Val_1_1_0=42\nHScore_Nm_1_2_3=\n");
        Table().load();
        QCOMPARE(Table().scores(1, 1)[0], 42);
        QCOMPARE(Table().names(1, 1)[0], QStringLiteral("ぴぽ"));
        QCOMPARE(Table().scores(1, 1)[1], 500);
        QCOMPARE(Table().scores(2, 1)[0], 500);
        // An empty name is a name: only a missing key takes the default.
        QCOMPARE(Table().names(1, 2)[3], QString());
        QCOMPARE(Table().names(1, 2)[2], QStringLiteral("ぴぽ"));
    }

    // Players' records outlive releases: this release writes a table byte for
    // byte as release 1.0.0 did, and reads back whole what 1.0.0 wrote.
    void everyEntryKeepsItsOwnKeyAcrossReleases()
    {
        const QByteArray released = FileBytes(QStringLiteral(POKURIMO_SOURCE_DIR "/tests/ranking/written_by_1.0.0.conf"));
        TestEnv env;
        FillDistinct();
        Table().names(1, 1)[0] = QStringLiteral("ぽくりも 太郎");
        Table().names(2, 2)[4] = QStringLiteral("[Setting]\n=;#\"q\",a, b\\x41\\");
        const HighScoreTable written = Table();
        QVERIFY(Table().save());
        QCOMPARE(FileBytes(env.settingsFile()), released);

        TestEnv fresh;  // a new game start: empty table, the release's file copied in
        WriteFile(fresh.settingsFile(), released);
        Table().load();
        for (int level = 1; level <= kLevels; ++level)
            for (int stage = 1; stage <= kStages; ++stage)
                for (int place = 0; place < kPlaces; ++place) {
                    QCOMPARE(Table().scores(level, stage)[place], written.scores(level, stage)[place]);
                    QCOMPARE(Table().names(level, stage)[place], written.names(level, stage)[place]);
                }
    }

    // A course pack's records live in a group of their own, survive a restart,
    // and never touch the game's own.
    void aPackKeepsItsRecordsApart()
    {
        TestEnv env;
        Table().load();
        Table().enter(1, 1, 42);
        QVERIFY(Table().save());
        const QString group = QStringLiteral("Course_0123abcd");
        HighScoreTable pack(group, 5);
        pack.load();
        QCOMPARE(pack.scores(1, 1)[0], kDefaultScore);  // the game's own 42 is not the pack's
        QCOMPARE(pack.enter(2, 5, 77), 0);
        pack.names(2, 5)[0] = QStringLiteral("ぴぽ2");
        QVERIFY(pack.save());

        HighScoreTable again(group, 5);  // a new start of the game
        again.load();
        QCOMPARE(again.scores(2, 5)[0], 77);
        QCOMPARE(again.names(2, 5)[0], QStringLiteral("ぴぽ2"));
        Table().load();
        QCOMPARE(Table().scores(1, 1)[0], 42);
        QCOMPARE(Table().scores(2, 2)[0], kDefaultScore);
        const auto stored = StoredOnDisk(env.settingsFile());
        QCOMPARE(stored.size(), 40);  // [Setting] keeps exactly its own keys
        QSettings store;
        QCOMPARE(store.value(group + QStringLiteral("/HScore_Val_2_5_0")).toString(), QStringLiteral("77"));
    }

    void oddNamesRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << QStringLiteral("  ピポ  太郎 ");
        QTest::newRow("only a space") << QStringLiteral(" ");
        QTest::newRow("emoji") << QStringLiteral("🐙たこ🐒");
        QTest::newRow("rtl") << QStringLiteral("\u202Eשלום abc مرحبا");
        QTest::newRow("control characters") << QStringLiteral("a\tb\nc\rd") + QChar(0x01) + QStringLiteral("ef") + QChar(0x7F);
        QTest::newRow("nul") << QString(QChar(0)) + QStringLiteral("x");
        QTest::newRow("ini syntax") << QStringLiteral("[Setting]\n=;#\"q\",a, b\\x41\\");
        QTest::newRow("variant look-alike") << QStringLiteral("@Variant(\\0\\0\\0\\x2)");
        QTest::newRow("markup") << QStringLiteral("<b>ぴぽ</b>&amp;");
        QTest::newRow("10000 characters") << QString(10000, QChar(0x3042)) + QStringLiteral("end");
    }

    void oddNamesRoundTrip()
    {
        QFETCH(QString, name);
        QByteArray bytes;
        {
            TestEnv env;
            Table().load();
            Table().names(2, 2)[4] = name;
            Table().names(1, 1)[0] = name;
            QVERIFY(Table().save());
            bytes = FileBytes(env.settingsFile());
        }
        TestEnv fresh;
        WriteFile(fresh.settingsFile(), bytes);
        Table().load();
        QCOMPARE(Table().names(2, 2)[4], name);
        QCOMPARE(Table().names(1, 1)[0], name);
        QCOMPARE(Table().names(2, 2)[3], QStringLiteral("ぴぽ"));
        QCOMPARE(Table().scores(2, 2)[4], 500);
    }

    void storedScores_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("loaded");
        QTest::newRow("plain") << QByteArray("123") << 123;
        QTest::newRow("negative") << QByteArray("-7") << -7;
        QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
        QTest::newRow("smallest") << QByteArray("-2147483648") << int(INT32_MIN);
        QTest::newRow("text") << QByteArray("abc") << 500;
        QTest::newRow("trailing junk") << QByteArray("12abc") << 500;
        QTest::newRow("too large") << QByteArray("99999999999") << 500;
        QTest::newRow("just too large") << QByteArray("2147483648") << 500;
        QTest::newRow("just too small") << QByteArray("-2147483649") << 500;
        QTest::newRow("leading space") << QByteArray("\" 7\"") << 500;
        QTest::newRow("plus sign") << QByteArray("+5") << 500;
        QTest::newRow("hex") << QByteArray("0x10") << 500;
        QTest::newRow("fraction") << QByteArray("12.5") << 500;
        QTest::newRow("lone minus") << QByteArray("-") << 500;
        QTest::newRow("empty") << QByteArray("") << 500;
        QTest::newRow("list") << QByteArray("1,2") << 500;
        QTest::newRow("binary junk") << QByteArray("\xff\xfe\x01\x02\x80junk\x7f", 11) << 500;
    }

    void storedScores()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, loaded);
        TestEnv env;
        WriteFile(env.settingsFile(), "[Setting]\nHScore_Val_2_2_1=" + stored + "\nHScore_Val_2_2_2=9\n");
        Table().load();
        QCOMPARE(Table().scores(2, 2)[1], loaded);
        QCOMPARE(Table().scores(2, 2)[2], 9);  // a bad line spoils nothing around it
    }

    void failedSaveLeavesOldFile()
    {
        TestEnv env;
        Table().load();
        QVERIFY(Table().save());
        const QString file = env.settingsFile();
        const QByteArray before = FileBytes(file);
        const QString folder = QFileInfo(file).absolutePath();

        Table().names(1, 1)[0] = QStringLiteral("あたらしい");
        Table().scores(1, 1)[0] = 3;
        {
            ReadOnlyFolder locked(folder);
            if (!locked.works())
                QSKIP("this machine cannot make a folder read-only");
            QVERIFY(!Table().save());
        }
        QCOMPARE(FileBytes(file), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Pokurimo.conf")});

        // Once the folder can be written again the same table saves.
        QVERIFY(Table().save());
        QCOMPARE(StoredOnDisk(file).value(QStringLiteral("HScore_Nm_1_1_0")), QStringLiteral("あたらしい"));
    }

    void settingsFolderThatCannotBeMade()
    {
        TestEnv env;
        const QString blocker = env.settingsFolder() + QStringLiteral("/blocker");
        WriteFile(blocker, "a file where a folder should be");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker + QStringLiteral("/inside"));
        Table().load();
        QCOMPARE(Table().scores(1, 1)[0], 500);
        QVERIFY(!Table().save());
        QVERIFY(QFileInfo(blocker).isFile());
    }

    void rankPlace_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("place");
        QTest::newRow("best") << 5 << 0;
        QTest::newRow("ties go below") << 20 << 3;
        QTest::newRow("last place") << 39 << 4;
        QTest::newRow("equal to the last") << 40 << -1;
        QTest::newRow("worse than all") << 41 << -1;
        QTest::newRow("equal to the best") << 10 << 1;
    }

    void rankPlace()
    {
        QFETCH(int, score);
        QFETCH(int, place);
        const Row table = {10, 20, 20, 30, 40};
        QCOMPARE(scores::RankPlace(table, score), place);
    }

    void rankPlaceAgainstDefaults()
    {
        const Row defaults = {500, 500, 500, 500, 500};
        QCOMPARE(scores::RankPlace(defaults, 499), 0);
        QCOMPARE(scores::RankPlace(defaults, 1), 0);
        QCOMPARE(scores::RankPlace(defaults, 500), -1);
        // Scores are seconds taken on both levels: a five-second run ranks above 25.
        const Row afterFive = {5, 500, 500, 500, 500};
        QCOMPARE(scores::RankPlace(afterFive, 25), 1);
    }

    void insertRecord_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("first") << 5 << QList<int>{5, 10, 20, 20, 30} << QStringList{"a", "a", "b", "c", "d"};
        QTest::newRow("fourth") << 20 << QList<int>{10, 20, 20, 20, 30} << QStringList{"a", "b", "c", "d", "d"};
        QTest::newRow("fifth") << 39 << QList<int>{10, 20, 20, 30, 39} << QStringList{"a", "b", "c", "d", "e"};
    }

    void insertRecord()
    {
        QFETCH(int, score);
        QFETCH(QList<int>, values);
        QFETCH(QStringList, names);
        QString tableNames[kPlaces] = {"a", "b", "c", "d", "e"};
        Row table = {10, 20, 20, 30, 40};
        const int place = scores::RankPlace(table, score);
        scores::InsertRecord(tableNames, table, place, score);
        QCOMPARE(QList<int>(std::begin(table), std::end(table)), values);
        QCOMPARE(QStringList(std::begin(tableNames), std::end(tableNames)), names);
    }

    void insertRecordOutsideTableChangesNothing()
    {
        QString names[kPlaces] = {"a", "b", "c", "d", "e"};
        Row table = {10, 20, 20, 30, 40};
        scores::InsertRecord(names, table, -1, 99);
        scores::InsertRecord(names, table, kPlaces, 99);
        QCOMPARE(QList<int>(std::begin(table), std::end(table)), (QList<int>{10, 20, 20, 30, 40}));
        QCOMPARE(names[4], QStringLiteral("e"));
    }
};

QTEST_MAIN(HighScoreTableTest)
#include "tst_high_score_table.moc"
