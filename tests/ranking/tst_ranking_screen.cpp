// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The ranking screen: its layout, viewing and switching tables, entering a new
// record holder's name, and every way out storing the name and saving.

#include "StoreFiles.h"
#include "app/Navigator.h"
#include "support/Drive.h"
#include "support/TestEnv.h"
#include "support/TimedRun.h"

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "game/GhostStore.h"
#include "play/GhostRace.h"
#include "play/GhostView.h"
#include "play/PlayScreen.h"
#include "play/ReplayControls.h"
#include "game/HighScoreTable.h"
#include "ranking/RankingScreen.h"
#include "title/TitleScreen.h"
#include "rules/StageRules.h"
#include "widgets/Look.h"
#include "widgets/Notice.h"
#include "widgets/Widgets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace game;
using namespace scores;

namespace {

// A table where every entry tells where it is, names "L1S2-3" and scores 123.
void FillDistinct()
{
    for (int level = 1; level <= kLevels; ++level)
        for (int stage = 1; stage <= kStages; ++stage)
            for (int place = 0; place < kPlaces; ++place) {
                Table().names(level, stage)[place] = QStringLiteral("L%1S%2-%3").arg(level).arg(stage).arg(place);
                Table().scores(level, stage)[place] = level * 100 + stage * 10 + place;
            }
}

// The texts of a column of the rows: "nameLabels" or "scoreLabels".
QStringList Shown(const RankingScreen& rank, const char* column)
{
    QStringList texts;
    for (int place = 0; place < kPlaces; ++place)
        texts << Find<QLabel>(&rank, column, place)->text();
    return texts;
}

QStringList NamesOf(int level, int stage)
{
    return QStringList(std::begin(Table().names(level, stage)), std::end(Table().names(level, stage)));
}

QStringList ScoresOf(int level, int stage)
{
    QStringList texts;
    for (std::int32_t v : Table().scores(level, stage))
        texts << QString::number(v);
    return texts;
}

bool SelectorsShown(const RankingScreen& rank)
{
    for (QRadioButton* option : {Find<QRadioButton>(&rank, "levelOptions", 0), Find<QRadioButton>(&rank, "levelOptions", 1), Find<QRadioButton>(&rank, "stageOptions", 0), Find<QRadioButton>(&rank, "stageOptions", 1)})
        if (!option->isVisibleTo(&rank))
            return false;
    return true;
}

// Text arrives as an input method commits it, the way Japanese is typed.
void Type(QLineEdit* box, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

// The leftmost column holding a pixel close to `ink`, or -1.
int FirstColumnWith(const QImage& image, const QColor& ink)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) + std::abs(c.blue() - ink.blue()) < 40)
                return x;
        }
    return -1;
}

// Where the Tab key goes from `from` (labels are in the chain but take no focus).
QWidget* NextTabStop(QWidget* from)
{
    QWidget* next = from->nextInFocusChain();
    while (next != from && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

// Shows the dialog modally while `drive` plays the player; a watchdog ends a
// dialog the test failed to close, so a fault shows as a failure, not a hang.
struct ModalRun {
    int result = -1;
    bool watchdogFired = false;
    bool opened = false;
};

void Watch(RankingScreen& rank, ModalRun& run)
{
    run.opened = true;
    QObject::connect(&rank, &QDialog::finished, &rank, [&run](int result) { run.result = result; });
    QTimer::singleShot(10000, &rank, [&rank, &run] {
        if (rank.isVisible()) {
            run.watchdogFired = true;
            rank.done(QDialog::Rejected);
        }
    });
}

ModalRun RunModal(RankingScreen& rank, const std::function<void()>& drive)
{
    ModalRun run;
    Watch(rank, run);
    rank.setWindowModality(Qt::ApplicationModal);
    rank.show();
    drive();
    static_cast<void>(QTest::qWaitFor([&rank] { return !rank.isVisible(); }, 11000));  // the watchdog tells a hang
    return run;
}

// A cleared stage that took `seconds`, scored as a game from the title scores
// it; `drive` plays the new record holder on the ranking that opens.
ModalRun RecordThroughCheckRank(int level, int stage, std::int32_t seconds,
                                const std::function<void(RankingScreen&)>& drive)
{
    auto* play = new PlayScreen(Table(), level, stage, 5);
    Nav().follow(play);
    ModalRun run;
    if (play->setUpStage())
        drive::ClearStage(*play, seconds);
    if (auto* rank = qobject_cast<RankingScreen*>(QApplication::activeModalWidget())) {
        Watch(*rank, run);
        drive(*rank);
        static_cast<void>(QTest::qWaitFor([&run] { return run.result >= 0; }, 11000));
    }
    play->close();
    drive::CloseScreens();
    return run;
}

// The entry box the ranking opened for the new holder, or nullptr.
QLineEdit* EntryBox(const RankingScreen& rank)
{
    for (int place = 0; place < kPlaces; ++place)
        if (QLineEdit* box = Find<QLineEdit>(&rank, "nameEdits", place); box->isVisibleTo(&rank))
            return box;
    return nullptr;
}

// The ways out of the window besides "とじる".
enum class Way { Escape, CloseBox, Reject };

void CloseBy(RankingScreen& rank, Way way)
{
    switch (way) {
    case Way::Escape:
        QTest::keyClick(rank.focusWidget() ? rank.focusWidget() : &rank, Qt::Key_Escape);
        break;
    case Way::CloseBox: {
        QCloseEvent event;  // what the window manager sends
        QCoreApplication::sendEvent(&rank, &event);
        break;
    }
    case Way::Reject:
        rank.reject();
        break;
    }
}

void AddWays()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("escape") << Way::Escape;
    QTest::newRow("close box") << Way::CloseBox;
    QTest::newRow("reject") << Way::Reject;
}

}  // namespace

Q_DECLARE_METATYPE(Way)

class FormRankTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_sounds = std::make_unique<SoundFolder>();
        m_notices.clear();
        look::SetNoticeHandler([this](QWidget*, const QString& text) { m_notices << text; });
        Table().load();
    }

    void cleanup()
    {
        look::SetNoticeHandler({});
        m_sounds.reset();
        m_env.reset();
    }

    void layoutAsDrawn()
    {
        RankingScreen rank(Table(), 1, 1);
        QCOMPARE(rank.windowTitle(), QStringLiteral("ランキング"));
        QCOMPARE(rank.size(), QSize(281, 232));  // grown below its controls for the target times and the run raced
        QCOMPARE(rank.minimumSize(), rank.maximumSize());
        QCOMPARE(Find<QLabel>(&rank, "placeLabels", 1)->text(), QStringLiteral("2nd"));
        QCOMPARE(Find<QRadioButton>(&rank, "levelOptions", 1)->parentWidget(), Find<QFrame>(&rank, "levelFrame"));
        QCOMPARE(Find<QPushButton>(&rank, "closeButton")->text(), QStringLiteral("とじる"));
        QVERIFY(Find<QLabel>(&rank, "scoreLabels", 0)->alignment().testFlags(Qt::AlignRight | Qt::AlignTop));
        QVERIFY(Find<QLabel>(&rank, "nameLabels", 0)->alignment().testFlags(Qt::AlignLeft | Qt::AlignTop));
        QVERIFY(!Find<QLabel>(&rank, "nameLabels", 0)->autoFillBackground());
        for (int r = 0; r + 1 < kPlaces; ++r)  // entry boxes never overlap their neighbours
            QVERIFY(!Find<QLineEdit>(&rank, "nameEdits", r)->geometry().intersects(Find<QLineEdit>(&rank, "nameEdits", r + 1)->geometry()));
        for (int r = 0; r < kPlaces; ++r) {
            QVERIFY(Find<QLineEdit>(&rank, "nameEdits", r)->isHidden());
            QVERIFY(Find<QLineEdit>(&rank, "nameEdits", r)->text().isEmpty());
        }
        for (QRadioButton* option : {Find<QRadioButton>(&rank, "levelOptions", 0), Find<QRadioButton>(&rank, "levelOptions", 1), Find<QRadioButton>(&rank, "stageOptions", 0), Find<QRadioButton>(&rank, "stageOptions", 1)})
            QVERIFY(!option->isChecked());
        QVERIFY(Find<QPushButton>(&rank, "closeButton")->isEnabled());
        rank.showTable();
        const course::Targets& t = *course::BuiltIn().stage(1).targets[0];
        QCOMPARE(Find<QLabel>(&rank, "targets")->text(), QStringLiteral("めやす 金 %1秒・銀 %2秒・銅 %3秒").arg(t[0]).arg(t[1]).arg(t[2]));
    }

    void tabOrderPutsEntryBoxesFirst()
    {
        RankingScreen rank(Table(), 1, 1);
        QWidget* expected[] = {Find<QLineEdit>(&rank, "nameEdits", 0), Find<QLineEdit>(&rank, "nameEdits", 1), Find<QLineEdit>(&rank, "nameEdits", 2),   Find<QLineEdit>(&rank, "nameEdits", 3),   Find<QLineEdit>(&rank, "nameEdits", 4),
                               Find<QPushButton>(&rank, "closeButton"), Find<QPushButton>(&rank, "watchButton"), Find<QRadioButton>(&rank, "stageOptions", 0), Find<QRadioButton>(&rank, "stageOptions", 1), Find<QRadioButton>(&rank, "levelOptions", 1),
                               Find<QRadioButton>(&rank, "levelOptions", 0)};
        for (std::size_t i = 1; i < std::size(expected); ++i)
            QCOMPARE(NextTabStop(expected[i - 1]), expected[i]);
    }

    void selectorsKeepToTheirOwnGroup()
    {
        RankingScreen rank(Table(), 1, 2);
        rank.showTable();
        rank.show();
        QTest::mouseClick(Find<QRadioButton>(&rank, "levelOptions", 1), Qt::LeftButton);
        QVERIFY(Find<QRadioButton>(&rank, "levelOptions", 1)->isChecked());
        QVERIFY(!Find<QRadioButton>(&rank, "levelOptions", 0)->isChecked());
        QVERIFY(Find<QRadioButton>(&rank, "stageOptions", 1)->isChecked());  // untouched by the level selector
        QTest::mouseClick(Find<QRadioButton>(&rank, "stageOptions", 0), Qt::LeftButton);
        QVERIFY(!Find<QRadioButton>(&rank, "stageOptions", 1)->isChecked());
        QVERIFY(Find<QRadioButton>(&rank, "levelOptions", 1)->isChecked());
    }

    void viewingOpensOnChosenTableAndSwitches()
    {
        FillDistinct();
        RankingScreen rank(Table(), 1, 1);
        rank.showTable();
        rank.show();
        QVERIFY(Find<QRadioButton>(&rank, "levelOptions", 0)->isChecked());
        QVERIFY(Find<QRadioButton>(&rank, "stageOptions", 0)->isChecked());
        QCOMPARE(Shown(rank, "nameLabels"), NamesOf(1, 1));
        QCOMPARE(Shown(rank, "scoreLabels"), ScoresOf(1, 1));
        QVERIFY(SelectorsShown(rank));
        QCOMPARE(rank.focusWidget(), Find<QPushButton>(&rank, "closeButton"));

        QTest::mouseClick(Find<QRadioButton>(&rank, "levelOptions", 1), Qt::LeftButton);
        QCOMPARE(rank.level(), 2);
        QCOMPARE(Shown(rank, "nameLabels"), NamesOf(2, 1));
        QTest::mouseClick(Find<QRadioButton>(&rank, "stageOptions", 1), Qt::LeftButton);
        QCOMPARE(rank.stage(), 2);
        QCOMPARE(Shown(rank, "nameLabels"), NamesOf(2, 2));
        QCOMPARE(Shown(rank, "scoreLabels"), ScoresOf(2, 2));
        QTest::mouseClick(Find<QRadioButton>(&rank, "levelOptions", 0), Qt::LeftButton);
        QCOMPARE(Shown(rank, "nameLabels"), NamesOf(1, 2));
        rank.close();

        // The title screen's ranking button opens a new screen on level 1, stage 1.
        RankingScreen again(Table(), 1, 1);
        again.showTable();
        QVERIFY(Find<QRadioButton>(&again, "levelOptions", 0)->isChecked());
        QVERIFY(Find<QRadioButton>(&again, "stageOptions", 0)->isChecked());
        QCOMPARE(Shown(again, "nameLabels"), NamesOf(1, 1));
    }

    // A course of more stages than the game's own lists them all in place of its two buttons.
    void aLongerCourseListsEveryStage()
    {
        HighScoreTable pack(QStringLiteral("Course_test"), 7);
        pack.scores(2, 6)[0] = 33;
        RankingScreen rank(pack, 2, 6);
        rank.showTable();
        rank.show();
        QVERIFY(Find<QComboBox>(&rank, "stageChooser")->isVisible());
        QCOMPARE(Find<QComboBox>(&rank, "stageChooser")->count(), 7);
        QCOMPARE(Find<QComboBox>(&rank, "stageChooser")->currentIndex(), 5);
        QVERIFY(!Find<QRadioButton>(&rank, "stageOptions", 0)->isVisible() && !Find<QRadioButton>(&rank, "stageOptions", 1)->isVisible());
        QCOMPARE(Find<QLabel>(&rank, "scoreLabels", 0)->text(), QStringLiteral("33"));
        Q_EMIT Find<QComboBox>(&rank, "stageChooser")->activated(2);  // the player picks STAGE3
        QCOMPARE(rank.stage(), 3);
        QCOMPARE(Find<QLabel>(&rank, "scoreLabels", 0)->text(), QStringLiteral("0"));
        // The game's own course keeps its two buttons.
        RankingScreen own(Table(), 1, 1);
        QVERIFY(!own.findChild<QComboBox*>(QStringLiteral("stageChooser")));
    }

    void setFormSelectsWithoutCallingItselfBack()
    {
        FillDistinct();
        RankingScreen rank(Table(), 2, 2);
        Find<QRadioButton>(&rank, "levelOptions", 0)->setChecked(true);
        Find<QRadioButton>(&rank, "stageOptions", 0)->setChecked(true);
        // Moving the selection from one button to the other must not report
        // the button being cleared as a pick of it.
        rank.showTable();
        QCOMPARE(rank.level(), 2);
        QCOMPARE(rank.stage(), 2);
        QVERIFY(Find<QRadioButton>(&rank, "levelOptions", 1)->isChecked());
        QVERIFY(Find<QRadioButton>(&rank, "stageOptions", 1)->isChecked());
        QCOMPARE(Shown(rank, "nameLabels"), NamesOf(2, 2));
    }

    void newThirdPlaceOpensForEntry()
    {
        FillDistinct();
        const QStringList before = NamesOf(2, 1);
        QStringList scoresShown, namesShown, soundsWhenShown;
        bool selectorsShown = true;
        QLineEdit* box = nullptr;
        bool boxFocusedAndEmpty = false;
        // The hard level's stage 1 holds 210 to 214; a run of 211 seconds comes third.
        const ModalRun run = RecordThroughCheckRank(2, 1, 211, [&](RankingScreen& rank) {
            scoresShown = Shown(rank, "scoreLabels");
            namesShown = Shown(rank, "nameLabels");
            soundsWhenShown = m_env->sound.started;
            selectorsShown = SelectorsShown(rank);
            box = EntryBox(rank);
            boxFocusedAndEmpty = box == Find<QLineEdit>(&rank, "nameEdits", 2) && rank.focusWidget() == box && box->text().isEmpty();
            Find<QPushButton>(&rank, "closeButton")->click();
        });
        QVERIFY(run.opened);
        QVERIFY(!run.watchdogFired);
        QCOMPARE(scoresShown, (QStringList{"210", "211", "211", "212", "213"}));  // a tie goes below
        QCOMPARE(namesShown[3], before[2]);
        QCOMPARE(namesShown[4], before[3]);
        QVERIFY(!selectorsShown);
        QVERIFY(boxFocusedAndEmpty);
        QCOMPARE(soundsWhenShown, QStringList{QStringLiteral("Claps")});  // the applause comes first

        // A run that makes no place opens nothing.
        const ModalRun none = RecordThroughCheckRank(2, 1, 300, [](RankingScreen& rank) { Find<QPushButton>(&rank, "closeButton")->click(); });
        QVERIFY(!none.opened);
        QCOMPARE(ScoresOf(2, 1), (QStringList{"210", "211", "211", "212", "213"}));
    }

    void selectorsDoNothingDuringEntry()
    {
        FillDistinct();
        QString topScore;
        bool selectorsShown = true;
        QPoint shownTable;
        const ModalRun run = RecordThroughCheckRank(1, 2, 1, [&](RankingScreen& rank) {
            rank.chooseLevel(1);
            rank.chooseStage(0);
            topScore = Find<QLabel>(&rank, "scoreLabels", 0)->text();
            rank.showTable();  // hidden selectors stay hidden
            selectorsShown = SelectorsShown(rank);
            shownTable = QPoint(rank.level(), rank.stage());
            Find<QPushButton>(&rank, "closeButton")->click();
        });
        QVERIFY(run.opened);
        QCOMPARE(shownTable, QPoint(1, 2));
        QCOMPARE(topScore, QStringLiteral("1"));
        QVERIFY(!selectorsShown);
    }

    void typingTogglesTheCloseButton()
    {
        QList<bool> enabled;
        QString nameAfterEnter;
        bool openAfterEnter = false;
        const ModalRun run = RecordThroughCheckRank(1, 1, 30, [&](RankingScreen& rank) {
            QLineEdit* box = Find<QLineEdit>(&rank, "nameEdits", 0);
            enabled << Find<QPushButton>(&rank, "closeButton")->isEnabled();
            QTest::keyClicks(box, QStringLiteral("ab"));
            enabled << Find<QPushButton>(&rank, "closeButton")->isEnabled();
            QTest::keyClick(box, Qt::Key_Backspace);
            enabled << Find<QPushButton>(&rank, "closeButton")->isEnabled();
            QTest::keyClick(box, Qt::Key_Backspace);
            enabled << Find<QPushButton>(&rank, "closeButton")->isEnabled();
            QTest::keyClicks(box, QStringLiteral("c"));
            enabled << Find<QPushButton>(&rank, "closeButton")->isEnabled();
            // Enter confirms what the input method typed; it does not close the entry.
            Type(box, QStringLiteral("ピポ"));
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClick(box, Qt::Key_Enter);
            openAfterEnter = rank.isVisible();
            nameAfterEnter = box->text();
            // With the focus on "とじる" itself, Enter presses it.
            Find<QPushButton>(&rank, "closeButton")->setFocus();
            QTest::keyClick(Find<QPushButton>(&rank, "closeButton"), Qt::Key_Return);
        });
        QVERIFY(run.opened);
        QVERIFY(!run.watchdogFired);
        QCOMPARE(enabled, (QList<bool>{true, true, true, false, true}));
        QVERIFY(openAfterEnter);
        QCOMPARE(nameAfterEnter, QStringLiteral("cピポ"));
        QCOMPARE(Table().names(1, 1)[0], QStringLiteral("cピポ"));
        QCOMPARE(m_env->sound.started, (QStringList{"Claps", "Click"}));
    }

    void closeStoresTypedNameAndSavesAll()
    {
        const QString name = QStringLiteral(" ピポ たろう🐙 ");
        const ModalRun run = RecordThroughCheckRank(2, 2, 17, [&](RankingScreen& rank) {
            Type(EntryBox(rank), name);
            QTest::mouseClick(Find<QPushButton>(&rank, "closeButton"), Qt::LeftButton);
        });
        QVERIFY(!run.watchdogFired);
        QCOMPARE(run.result, int(QDialog::Accepted));
        QCOMPARE(Table().names(2, 2)[0], name);
        QCOMPARE(Table().names(2, 2)[1], QStringLiteral("ぴぽ"));
        const auto stored = StoredOnDisk(m_env->settingsFile());
        QCOMPARE(stored.size(), 40);
        QCOMPARE(stored.value(QStringLiteral("HScore_Nm_2_2_0")), name);
        QCOMPARE(stored.value(QStringLiteral("HScore_Val_2_2_0")), QStringLiteral("17"));
        QCOMPARE(m_env->sound.started, (QStringList{"Claps", "Click"}));
        QCOMPARE(m_env->sound.waits, 1);  // the click is heard before the window goes
        QVERIFY(m_notices.isEmpty());
    }

    void closingAtOnceStoresAnEmptyName()
    {
        const ModalRun run = RecordThroughCheckRank(1, 1, 8, [](RankingScreen& rank) { Find<QPushButton>(&rank, "closeButton")->click(); });
        QVERIFY(run.opened);
        QVERIFY(!run.watchdogFired);
        QCOMPARE(Table().names(1, 1)[0], QString());
        QCOMPARE(StoredOnDisk(m_env->settingsFile()).value(QStringLiteral("HScore_Nm_1_1_0")), QString());
        QCOMPARE(StoredOnDisk(m_env->settingsFile()).value(QStringLiteral("HScore_Val_1_1_0")), QStringLiteral("8"));
    }

    void otherWaysOutStoreAndSave_data() { AddWays(); }

    void otherWaysOutStoreAndSave()
    {
        QFETCH(Way, way);
        const ModalRun run = RecordThroughCheckRank(1, 2, 99, [&](RankingScreen& rank) {
            Type(EntryBox(rank), QStringLiteral("さる"));
            CloseBy(rank, way);
        });
        QVERIFY(run.opened);
        QVERIFY(!run.watchdogFired);
        QCOMPARE(Table().names(1, 2)[0], QStringLiteral("さる"));
        QCOMPARE(StoredOnDisk(m_env->settingsFile()).value(QStringLiteral("HScore_Nm_1_2_0")), QStringLiteral("さる"));
        QCOMPARE(m_env->sound.started, (QStringList{"Claps", "Click"}));
    }

    void waysOutRefusedWhileBoxIsEmpty_data() { AddWays(); }

    void waysOutRefusedWhileBoxIsEmpty()
    {
        QFETCH(Way, way);
        bool stayedOpen = false;
        bool savedMeanwhile = true;
        const ModalRun run = RecordThroughCheckRank(2, 1, 4, [&](RankingScreen& rank) {
            QLineEdit* box = EntryBox(rank);
            QTest::keyClicks(box, QStringLiteral("x"));
            QTest::keyClick(box, Qt::Key_Backspace);
            CloseBy(rank, way);
            stayedOpen = rank.isVisible();
            savedMeanwhile = QFileInfo::exists(m_env->settingsFile());
            QTest::keyClicks(box, QStringLiteral("y"));
            CloseBy(rank, way);
        });
        QVERIFY(run.opened);
        QVERIFY(!run.watchdogFired);
        QVERIFY(stayedOpen);
        QVERIFY(!savedMeanwhile);
        QCOMPARE(Table().names(2, 1)[0], QStringLiteral("y"));
        QCOMPARE(m_env->sound.started, (QStringList{"Claps", "Click"}));
    }

    void viewingCloseSavesUnchangedTable()
    {
        FillDistinct();
        RankingScreen rank(Table(), 1, 1);
        rank.showTable();
        const ModalRun run = RunModal(rank, [&] { CloseBy(rank, Way::Escape); });
        QVERIFY(!run.watchdogFired);
        const auto stored = StoredOnDisk(m_env->settingsFile());
        QCOMPARE(stored.size(), 40);
        QCOMPARE(stored.value(QStringLiteral("HScore_Nm_2_1_3")), QStringLiteral("L2S1-3"));
        QCOMPARE(stored.value(QStringLiteral("HScore_Val_1_2_4")), QStringLiteral("124"));
    }

    void failedSaveIsToldAndOldFileKept()
    {
        QVERIFY(Table().save());
        const QString file = m_env->settingsFile();
        const QByteArray before = FileBytes(file);
        ModalRun run;
        {
            ReadOnlyFolder locked(QFileInfo(file).absolutePath());
            if (!locked.works())
                QSKIP("this machine cannot make a folder read-only");
            run = RecordThroughCheckRank(1, 1, 12, [&](RankingScreen& rank) {
                Type(EntryBox(rank), QStringLiteral("ピポ"));
                Find<QPushButton>(&rank, "closeButton")->click();
            });
        }
        QVERIFY(run.opened);
        QVERIFY(!run.watchdogFired);
        QCOMPARE(m_notices.size(), 1);
        QVERIFY(m_notices[0].contains(QStringLiteral("保存できなかった")));
        QCOMPARE(FileBytes(file), before);
        QCOMPARE(Table().names(1, 1)[0], QStringLiteral("ピポ"));  // still there for the next save
    }

    void longNamesKeepTheRows()
    {
        const QString longName = QString(10000, QChar(u'W'));
        Table().names(1, 1)[0] = longName;
        Table().names(1, 1)[1] = QStringLiteral("\u202Eمرحبا بالعالم") + QString(500, QChar(0x05D0));
        Table().names(1, 1)[2] = QStringLiteral("a\nb\nc\nd");
        RankingScreen rank(Table(), 1, 1);
        rank.showTable();
        rank.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rank));
        QCOMPARE(Find<QLabel>(&rank, "nameLabels", 0)->text(), longName);
        QCOMPARE(rank.size(), QSize(281, 232));  // grown below its controls for the target times and the run raced
        for (int r = 0; r < kPlaces; ++r) {
            QCOMPARE(Find<QLabel>(&rank, "nameLabels", r)->geometry(), QRect(48, 8 + 24 * r, 169, 16));
            QCOMPARE(Find<QLabel>(&rank, "scoreLabels", r)->geometry(), QRect(240, 8 + 24 * r, 33, 16));
        }

        // A right-to-left name still starts at the left edge of its row.
        Table().names(1, 1)[1] = QStringLiteral("\u202Eمرحبا");
        rank.showTable();
        const QImage row = rank.grab(Find<QLabel>(&rank, "nameLabels", 1)->geometry()).toImage();
        const int inkStarts = FirstColumnWith(row, QColor(23, 64, 255));
        QVERIFY(inkStarts >= 0);
        QVERIFY2(inkStarts < 8, qPrintable(QStringLiteral("text starts at x = %1").arg(inkStarts)));

        // The entry box takes a name of any length whole.
        const QString huge(40000, QChar(u'ぽ'));
        Find<QLineEdit>(&rank, "nameEdits", 3)->setText(huge);
        QCOMPARE(Find<QLineEdit>(&rank, "nameEdits", 3)->text(), huge);
    }

    // From the title's ranking: "1位を見る" opens the watching screen over it, Escape brings it back.
    void watchingTheFirstPlaceRun()
    {
        Nav().showTitle();
        Find<QPushButton>(Nav().title(), "rankingButton")->click();
        auto* rank = qobject_cast<RankingScreen*>(QApplication::activeModalWidget());
        QVERIFY(rank);
        QTest::mouseClick(Find<QRadioButton>(rank, "levelOptions", 1), Qt::LeftButton);  // さる, STAGE1
        QVERIFY(!Find<QPushButton>(rank, "watchButton")->isEnabled());  // no run kept for this first place
        Table().scores(2, 1)[0] = 12;
        const ghost::GhostRecord run{2, 1, 12, ghost::CourseHash(course::BuiltIn().stage(1)), {{{0, 64, 93}, {60000, 64, 93}}, {{ghost::kGoalMark, 60000}}}, std::nullopt};
        QVERIFY(ghost::SaveGhost(Table().group(), run));
        rank->showTable();
        QVERIFY(Find<QPushButton>(rank, "watchButton")->isEnabled());

        Find<QPushButton>(rank, "watchButton")->click();
        QPointer<PlayScreen> watch = rank->findChild<PlayScreen*>();
        QVERIFY(watch && watch->isVisible());
        QVERIFY(watch->session()->clockRunning());
        QVERIFY(Find<GhostView>(watch, "ghost")->isVisible());
        // The hand counts for nothing: the START sign starts no run.
        drive::ClickOnMap(*watch, drive::Centre(MarkOf(watch, "startZones", 0)));
        QVERIFY(!watch->session()->runUnderWay());
        drive::PressKey(watch, Qt::Key_Escape);
        drive::Settle();
        QVERIFY(watch.isNull());
        QVERIFY(rank->isVisible());
        QCOMPARE(drive::VisibleTitles(), 1);
        drive::CloseScreens();
    }

    // A run kept as its log is watched as it was: the hazards stand where
    // the run found them and move at the run's own beats.
    void watchingALoggedRunMovesTheHazardsAsTheyMoved()
    {
        const std::unique_ptr<TimedRun> run = ClearStage(1, 2, 500, 7);
        QVERIFY(run);
        const course::Stage& stage = run->session().stageCourse();
        const runlog::RunLog& log = run->session().runLogger().runLog();
        const auto car = static_cast<std::size_t>(std::find_if(stage.hazards.begin(), stage.hazards.end(), [](auto& h) {
                                                      return h.kind == course::HazardKind::Car && h.harm == course::Harm::Touch; }) - stage.hazards.begin());
        QVERIFY(log.hazards[car].at.top != course::StartState(stage.hazards[car]).at.top);

        Nav().showTitle();
        Find<QPushButton>(Nav().title(), "rankingButton")->click();
        auto* rank = qobject_cast<RankingScreen*>(QApplication::activeModalWidget());
        QVERIFY(rank);
        Table().scores(1, 2)[0] = run->session().score();
        QVERIFY(ghost::SaveGhost(Table().group(), {1, 2, run->session().score(), ghost::CourseHash(stage), {}, log}));
        QTest::mouseClick(Find<QRadioButton>(rank, "stageOptions", 1), Qt::LeftButton);  // たこ, STAGE2
        QVERIFY(Find<QComboBox>(rank, "runChooser")->currentText().contains(QStringLiteral("✓")));  // re-judged valid
        Find<QPushButton>(rank, "watchButton")->click();
        QPointer<PlayScreen> watch = rank->findChild<PlayScreen*>();
        QVERIFY(watch);
        course::HazardState expected = log.hazards[car];
        QCOMPARE(watch->session()->hazardTop(static_cast<int>(car)), expected.at.top);  // where the run found it, not where it starts
        for (int beat = 0; beat < 3; ++beat)
            course::StepHazard(stage.hazards[car], expected);
        QTRY_COMPARE(watch->session()->hazardTop(static_cast<int>(car)), expected.at.top);

        // Paused, then sought: the hero and the hazards where the log had them at that moment.
        drive::PressKey(watch, Qt::Key_Space);
        const auto at = [&](std::int64_t ms) {
            course::HazardState state = log.hazards[car];
            for (const runlog::Event& e : log.events)
                if (e.kind == runlog::Kind::HazardBeat && e.value == stage.hazards[car].periodMs && e.ms <= ms)
                    course::StepHazard(stage.hazards[car], state);
            return state.at.top;
        };
        const ghost::GhostPath path = runlog::PathOf(log, stage, runlog::PathClock::Log);
        const GhostView* ghostView = Find<GhostView>(watch, "ghost");
        const auto shows = [&](std::int64_t ms) {
            return QTest::qWaitFor([&] {
                const QPoint hero = ghostView->pos() + QPoint(ghostView->width() / 2, ghostView->height() / 2);
                return watch->session()->hazardTop(static_cast<int>(car)) == at(ms) && (ms >= path.endTime() || hero == *path.positionAt(ms));
            }, 3000);
        };
        Find<QPushButton>(watch, "replayRestart")->click();
        QVERIFY(shows(0));
        drive::PressKey(watch, Qt::Key_Right);  // five seconds on, to the run's end at most
        const std::int64_t on = std::min<std::int64_t>(ReplayControls::kSkipMs, path.endTime());
        QVERIFY(shows(on));
        drive::PressKey(watch, Qt::Key_Left);  // and back again: the run played anew from its start
        QVERIFY(shows(std::max<std::int64_t>(0, on - ReplayControls::kSkipMs)));
        drive::PressKey(watch, Qt::Key_Escape);
        drive::Settle();
        QVERIFY(watch.isNull());
        drive::CloseScreens();
    }

private:
    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<SoundFolder> m_sounds;
    QStringList m_notices;
};

QTEST_MAIN(FormRankTest)
#include "tst_ranking_screen.moc"
