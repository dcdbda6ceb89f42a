// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The whole game from the title screen, offscreen, with what can go wrong
// outside it: course maps missing or broken, a settings file full of junk or
// unreadable, and odd names typed for a new record.

#include "app/Navigator.h"
#include "support/Drive.h"
#include "support/TestEnv.h"

#include "game/AppFolder.h"
#include "play/PlayScreen.h"
#include "game/HighScoreTable.h"
#include "ranking/RankingScreen.h"
#include "title/TitleScreen.h"
#include "widgets/Notice.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace game;
using namespace scores;

namespace {

template <typename Screen>
Screen* Shown()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<Screen*>(w); s && s->isVisible())
            return s;
    return nullptr;
}

// Sits beside the game: reads every waiting line and hands a ranking screen
// that opens to `onRank` (which must close it).
class Hand : public QObject {
public:
    std::function<void(RankingScreen&)> onRank = [](RankingScreen& rank) { Find<QPushButton>(&rank, "closeButton")->click(); };

    Hand()
    {
        connect(&m_tick, &QTimer::timeout, this, [this] {
            if (auto* rank = qobject_cast<RankingScreen*>(QApplication::activeModalWidget()); rank && rank->isVisible())
                onRank(*rank);
            else if (PlayScreen* play = Shown<PlayScreen>(); play && play->lineWaiting())
                play->askForNextLine();
        });
        m_tick.start(10);
    }

private:
    QTimer m_tick;
};

// An application folder of its own: the build tree's course, its maps and sounds.
class AppCopy {
public:
    AppCopy()
    {
        QFile::copy(QStringLiteral(POKURIMO_APP_FOLDER "/course.json"), m_dir.filePath(QStringLiteral("course.json")));
        for (const char* sub : {"dat", "sound"}) {
            const QDir from(QStringLiteral(POKURIMO_APP_FOLDER "/") + QLatin1String(sub));
            QDir(m_dir.path()).mkpath(QLatin1String(sub));
            for (const QString& f : from.entryList(QDir::Files))
                QFile::copy(from.filePath(f), m_dir.filePath(QLatin1String(sub) + QLatin1Char('/') + f));
        }
        SetAppFolder(m_dir.path());
    }
    QString map(int stage) const { return m_dir.filePath(QStringLiteral("dat/map%1.dat").arg(stage)); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// Root reads and writes anything through these two capabilities; while this
// lives they are off, so that file modes count.
class NoPermissionOverride {
public:
    NoPermissionOverride() { m_works = geteuid() != 0 || Set(false); }
    ~NoPermissionOverride()
    {
        if (geteuid() == 0)
            Set(true);
    }
    bool works() const { return m_works; }

private:
    static bool Set(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2] = {};
        if (syscall(SYS_capget, &header, data) != 0)
            return false;
        const unsigned bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        data[0].effective = on ? (data[0].effective | (bits & data[0].permitted)) : (data[0].effective & ~bits);
        return syscall(SYS_capset, &header, data) == 0;
    }
    bool m_works = false;
};

// Typed as a player would: plain letters on the keyboard, everything else
// as an input method commits it, one character (code point) at a time.
void Type(QLineEdit* box, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 128 && c.isPrint()) {
            QTest::keyClick(box, c.toLatin1());
            continue;
        }
        const qsizetype n = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QInputMethodEvent commit;
        commit.setCommitString(text.mid(i, n));
        QCoreApplication::sendEvent(box, &commit);
        i += n - 1;
    }
}

struct RankView {
    QStringList names, scores;
    QList<QRect> rows;  // every row label's geometry, and the window's
};

RankView Look(const RankingScreen& rank)
{
    RankView v;
    for (int i = 0; i < kPlaces; ++i) {
        v.names << Find<QLabel>(&rank, "nameLabels", i)->text();
        v.scores << Find<QLabel>(&rank, "scoreLabels", i)->text();
        v.rows << Find<QLabel>(&rank, "nameLabels", i)->geometry() << Find<QLabel>(&rank, "scoreLabels", i)->geometry();
    }
    for (int i = 0; i < kPlaces; ++i)
        v.rows << Find<QLabel>(&rank, "placeLabels", i)->geometry();
    v.rows << QRect(QPoint(), rank.size());
    return v;
}

// Opens the ranking from a fresh title screen and looks at it before closing it.
RankView RankingFromTheTitle()
{
    RankView seen;
    bool closed = false;
    Hand hand;
    hand.onRank = [&](RankingScreen& rank) {
        seen = Look(rank);
        Find<QPushButton>(&rank, "closeButton")->click();
        closed = true;
    };
    if (!Shown<TitleScreen>())
        Nav().showTitle();
    Find<QPushButton>(Shown<TitleScreen>(), "rankingButton")->click();
    static_cast<void>(QTest::qWaitFor([&] { return closed; }));  // the caller finds nothing seen
    return seen;
}

// The play screen's run reaches the goal `seconds` after its Start click;
// `fill` plays the record holder once the ranking has opened.
void EnterRecord(PlayScreen& play, int seconds, const std::function<void(RankingScreen&)>& fill)
{
    bool entered = false;
    Hand hand;
    hand.onRank = [&](RankingScreen& rank) {
        fill(rank);
        entered = true;
    };
    Nav().follow(&play);
    drive::ClearStage(play, seconds);
    QVERIFY(QTest::qWaitFor([&] { return entered; }));
}

QMap<QString, QString> StoredKeys(const QString& file, int* lines)
{
    const QByteArray bytes = FileBytes(file);
    *lines = bytes.count("\nHScore_") + (bytes.startsWith("HScore_") ? 1 : 0);
    QTemporaryDir dir;
    QFile::copy(file, dir.filePath(QStringLiteral("c.conf")));
    QSettings store(dir.filePath(QStringLiteral("c.conf")), QSettings::IniFormat);
    store.beginGroup(scores::kSettingGroup);
    QMap<QString, QString> keys;
    for (const QString& key : store.childKeys())
        keys[key] = store.value(key).toString();
    return keys;
}

}  // namespace

class BadFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_notices.clear();
        look::SetNoticeHandler([this](QWidget*, const QString& text) { m_notices << text; });
    }

    void cleanup()
    {
        look::SetNoticeHandler({});
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TitleScreen*>(w) || qobject_cast<PlayScreen*>(w))
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_env.reset();
    }

    void brokenFirstMapKeepsThePlayerOnTheTitle_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("remove");
        const QByteArray good = FileBytes(QStringLiteral(POKURIMO_APP_FOLDER "/dat/map1.dat"));
        const QString map = QStringLiteral("dat/map1.dat");
        QTest::newRow("missing") << map << QByteArray() << true;
        QTest::newRow("empty") << map << QByteArray() << false;
        QTest::newRow("truncated") << map << good.left(good.size() / 2) << false;
        QTest::newRow("not a picture") << map << QByteArray("これは地図じゃないよ\n") << false;
        // Without its course the game has no map to show either.
        QTest::newRow("no course.json") << QStringLiteral("course.json") << QByteArray() << true;
        QTest::newRow("course.json cut short") << QStringLiteral("course.json") << FileBytes(QStringLiteral(POKURIMO_APP_FOLDER "/course.json")).left(900) << false;
        QImage square(299, 299, QImage::Format_RGB32);
        square.fill(Qt::gray);
        QByteArray other;
        QBuffer buffer(&other);
        buffer.open(QIODevice::WriteOnly);
        square.save(&buffer, "BMP");
        QTest::newRow("299 x 299") << map << other << false;
    }

    void brokenFirstMapKeepsThePlayerOnTheTitle()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(bool, remove);
        AppCopy folder;
        if (remove)
            QVERIFY(QFile::remove(folder.file(file)));
        else
            WriteFile(folder.file(file), content);
        Nav().showTitle();
        TitleScreen* title = Shown<TitleScreen>();
        QVERIFY(title);
        Find<QPushButton>(title, "easyButton")->click();
        QCOMPARE(m_notices.size(), 1);
        QVERIFY2(m_notices[0].contains(QFileInfo(file).fileName()), qPrintable(m_notices[0]));
        QCOMPARE(Shown<TitleScreen>(), title);
        QVERIFY(!Shown<PlayScreen>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<PlayScreen*>(w), "a play screen was left behind");
    }

    // The second map is read only when stage 1 has been cleared.
    void brokenSecondMapEndsTheGameAtTheTitle()
    {
        AppCopy folder;
        WriteFile(folder.map(2), QByteArray("GIF89a broken"));
        Hand hand;
        Nav().showTitle();
        Find<QPushButton>(Shown<TitleScreen>(), "easyButton")->click();
        QTRY_VERIFY(Shown<PlayScreen>() && !Shown<TitleScreen>());
        PlayScreen* play = Shown<PlayScreen>();
        QTRY_VERIFY(!play->lineWaiting() && Find<QLabel>(play, "dialogueText")->text().contains(QStringLiteral("スタート")));
        play->session()->clickStart(0);
        play->session()->reachGoal(0);  // the clear scene, the record, then stage 2
        QTRY_VERIFY(Shown<TitleScreen>() && !Shown<PlayScreen>());
        QCOMPARE(m_notices.size(), 1);
        QVERIFY2(m_notices[0].contains(QStringLiteral("map2.dat")), qPrintable(m_notices[0]));
        QCOMPARE(Table().scores(1, 1)[0], 0);  // the record still counted
    }

    // The map goes away during a game: the next miss reloads it and cannot.
    void mapVanishingDuringAGameEndsItAtTheNextMiss()
    {
        AppCopy folder;
        Hand hand;
        Nav().showTitle();
        Find<QPushButton>(Shown<TitleScreen>(), "easyButton")->click();
        QTRY_VERIFY(Shown<PlayScreen>() && !Shown<PlayScreen>()->lineWaiting() &&
                    Find<QLabel>(Shown<PlayScreen>(), "dialogueText")->text().contains(QStringLiteral("スタート")));
        PlayScreen* play = Shown<PlayScreen>();
        QVERIFY(QFile::remove(folder.map(1)));
        play->session()->clickStart(0);
        drive::MoveOnMap(*play, QPoint(0, 0));  // off the road
        QTRY_VERIFY(Shown<TitleScreen>() && !Shown<PlayScreen>());
        QCOMPARE(m_notices.size(), 1);
        QVERIFY2(m_notices[0].contains(QStringLiteral("map1.dat")), qPrintable(m_notices[0]));
    }

    void junkInTheSettingsFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("names");   // rows of たこ STAGE1 as shown
        QTest::addColumn<QStringList>("scores");
        const QStringList defaultNames(kPlaces, scores::DefaultName());
        const QStringList defaultScores(kPlaces, QStringLiteral("500"));
        QTest::newRow("garbage values")
            << QByteArray("[Setting]\nHScore_Val_1_1_0=abc\nHScore_Val_1_1_1=-5\nHScore_Val_1_1_2=1e3\n"
                          "HScore_Val_1_1_3=99999999999\nHScore_Nm_1_1_4=\"\"\n")
            << QStringList{scores::DefaultName(), scores::DefaultName(), scores::DefaultName(), scores::DefaultName(), QString()}
            << QStringList{"500", "-5", "500", "500", "500"};
        QByteArray junk(4096, '\0');
        QRandomGenerator random(7);
        for (char& c : junk)
            c = static_cast<char>(random.bounded(256));
        QTest::newRow("binary junk") << junk << defaultNames << defaultScores;
        QTest::newRow("duplicated keys")
            << QByteArray("[Setting]\nHScore_Nm_1_1_0=first\nHScore_Val_1_1_0=10\n[Setting]\nHScore_Nm_1_1_0=second\n"
                          "HScore_Val_1_1_0=20\nHScore_Val_1_1_0=30\n")
            << QStringList{"second", scores::DefaultName(), scores::DefaultName(), scores::DefaultName(), scores::DefaultName()}
            << QStringList{"30", "500", "500", "500", "500"};
        const QString huge(1 << 20, QChar(u'W'));
        QTest::newRow("1 MB name") << QByteArray("[Setting]\nHScore_Nm_1_1_2=") + huge.toUtf8() + "\n"
                                   << QStringList{scores::DefaultName(), scores::DefaultName(), huge, scores::DefaultName(), scores::DefaultName()}
                                   << defaultScores;
    }

    // The game starts, shows what can be read and defaults for the rest, and
    // the next save leaves a clean file with every key once.
    void junkInTheSettingsFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, names);
        QFETCH(QStringList, scores);
        const QString file = m_env->settingsFile();
        QDir().mkpath(QFileInfo(file).absolutePath());
        WriteFile(file, content);

        const RankView shown = RankingFromTheTitle();
        QCOMPARE(shown.names, names);
        QCOMPARE(shown.scores, scores);
        Table().load();
        QCOMPARE(Table().names(1, 1)[2], names[2]);  // what was saved reads back the same

        int lines = 0;
        const auto stored = StoredKeys(file, &lines);
        QCOMPARE(stored.size(), 40);
        QCOMPARE(lines, 40);
        for (int place = 0; place < kPlaces; ++place)
            QCOMPARE(stored.value(scores::ScoreKey(1, 1, place)), scores[place]);
        if (!m_notices.isEmpty())
            qInfo("the save after reading junk was reported as failed: %s", qPrintable(m_notices.join(QLatin1Char('|'))));
    }

    // An unreadable settings file: defaults on the screen, and the player is
    // told that the ranking could not be saved.
    void unreadableSettingsFile()
    {
        // Written from outside: this process must not have read it before.
        const QString file = m_env->settingsFile();
        QDir().mkpath(QFileInfo(file).absolutePath());
        WriteFile(file, "[Setting]\nHScore_Val_1_1_0=42\n");
        const QByteArray before = FileBytes(file);
        QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions()));
        RankView shown;
        {
            NoPermissionOverride guard;
            if (!guard.works())
                QSKIP("cannot drop root's permission override here");
            shown = RankingFromTheTitle();
        }
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(shown.scores, QStringList(kPlaces, QStringLiteral("500")));
        QCOMPARE(m_notices, QStringList{QStringLiteral("ランキングを保存できなかったよ…ごめんな！")});
        QCOMPARE(FileBytes(file), before);
    }

    void oddNamesTypedForARecord_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("typed");  // false: pasted whole (control characters cannot be typed)
        QTest::newRow("emoji") << QStringLiteral("🐙たこ👨‍👩‍👧🇯🇵") << true;
        QTest::newRow("right to left") << QStringLiteral("שלום مرحبا \u202Eabc") << true;
        QTest::newRow("control characters") << QStringLiteral("a\tb\nc\rd") + QChar(0x01) + QChar(0x7F) + QChar(0x1B) << false;
        QTest::newRow("10000 characters") << QString(9990, QChar(u'x')) + QStringLiteral("ぽ\u05D0🐙end") << true;
    }

    // From the record's entry box through the settings file to the ranking
    // of the next title screen, the name comes back exactly and no row moves.
    void oddNamesTypedForARecord()
    {
        QFETCH(QString, name);
        QFETCH(bool, typed);
        Table().load();
        auto* play = new PlayScreen(Table(), 1, 1, 5);
        QVERIFY(play->setUpStage());
        RankView blank, filled;
        EnterRecord(*play, 7, [&](RankingScreen& rank) {
            QLineEdit* box = Find<QLineEdit>(&rank, "nameEdits", 0);
            blank = Look(rank);
            if (!box->isVisibleTo(&rank))
                blank.names.clear();  // fails below: no entry box for the record
            else if (typed)
                Type(box, name);
            else
                box->setText(name);
            filled = Look(rank);
            Find<QPushButton>(&rank, "closeButton")->click();
        });
        play->close();  // back to a title screen, which reads the file again
        QCOMPARE(blank.names.size(), kPlaces);
        QCOMPARE(filled.rows, blank.rows);

        int lines = 0;
        QCOMPARE(StoredKeys(m_env->settingsFile(), &lines).value(scores::NameKey(1, 1, 0)), name);
        const RankView later = RankingFromTheTitle();
        QCOMPARE(later.names[0], name);
        QCOMPARE(later.scores[0], QStringLiteral("7"));
        QCOMPARE(later.rows, blank.rows);
    }

private:
    std::unique_ptr<TestEnv> m_env;
    QStringList m_notices;
};

QTEST_MAIN(BadFilesTest)
#include "tst_bad_files.moc"
