// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "app/Navigator.h"

#include "editor/EditorScreen.h"
#include "editor/PackDraft.h"
#include "game/CourseShelf.h"
#include "game/GhostStore.h"
#include "game/HighScoreTable.h"
#include "rules/CoursePack.h"
#include "play/PlayScreen.h"
#include "ranking/RankingScreen.h"
#include "title/CourseChooser.h"
#include "title/PracticeChooser.h"
#include "title/TitleScreen.h"
#include "widgets/Look.h"
#include "widgets/Notice.h"

#include <QApplication>

namespace {
constexpr int kLives = 5;

// A box over its parent that the game does not wait for: it reports by signal
// and goes when it closes.
void OpenOver(QDialog* box)
{
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}
}  // namespace

Navigator::Navigator(CourseShelf& shelf, QObject* parent) : QObject(parent), m_shelf(shelf) {}

Navigator::~Navigator() = default;

TitleScreen* Navigator::title() const
{
    return m_title;
}

void Navigator::showTitle()
{
    auto* title = new TitleScreen(m_shelf);  // a window of its own, deleted when closed
    m_title = title;
    connect(title, &TitleScreen::levelChosen, this, [this](int level) { play(level); });
    connect(title, &TitleScreen::rankingRequested, this, &Navigator::openRanking);
    connect(title, &TitleScreen::coursesRequested, this, &Navigator::openCourseList);
    connect(title, &TitleScreen::practiceRequested, this, &Navigator::openPractice);
    title->show();
    look::Present(title);
    tellWhatWaits();
}

void Navigator::openCourseList()
{
    auto* chooser = new CourseChooser(m_shelf, m_title);
    connect(chooser, &QDialog::accepted, m_title, &TitleScreen::showCourse);
    connect(chooser, &CourseChooser::editRequested, this, &Navigator::edit);
    connect(chooser, &CourseChooser::newPackRequested, this, &Navigator::createPack);
    OpenOver(chooser);
}

void Navigator::edit(const QString& folder)
{
    openEditor(editor::OpenPack(folder, editor::SaveFolderFor(folder)));
}

void Navigator::createPack()
{
    const QString folder = editor::NewPackFolder();
    openEditor(editor::OpenPack(folder, folder));
}

void Navigator::openEditor(editor::Opened opened)
{
    if (!opened.problem.isEmpty()) {
        tell(tr("このパックはエディタで開けないよ：%1").arg(opened.problem));
        return;
    }
    auto* screen = new editor::EditorScreen(std::move(opened));  // a window of its own, deleted when closed
    connect(screen, &editor::EditorScreen::testRequested, this,
            [this, screen](const course::Course& course, int level, int stage, int from) { test(screen, course, level, stage, from); });
    connect(screen, &editor::EditorScreen::closed, this, [this] {
        if (!m_title)
            return;  // opened from the command line: closing it ends the game
        m_title->show();
        openCourseList();  // with the pack just saved in it
    });
    screen->show();
    look::Present(screen);
    if (m_title)
        m_title->hide();
}

void Navigator::test(QWidget* editor, const course::Course& course, int level, int stage, int from)
{
    if (!m_testTable)
        m_testTable = std::make_unique<HighScoreTable>(QStringLiteral("EditorTest"), course::kMaxStages);
    auto* play = new PlayScreen(*m_testTable, course, level, stage, kLives, game::RunMode::Test, editor);  // gone with the editor
    connect(play, &PlayScreen::cannotGoOn, this, &Navigator::tell);
    if (!play->practiseFrom(from) || !play->setUpStage()) {
        delete play;
        return;
    }
    play->setWindowModality(Qt::ApplicationModal);  // the editor waits behind it, as it was
    connect(play, &PlayScreen::unloaded, editor, [editor] { editor->activateWindow(); });
    play->show();
    look::Present(play);
    play->tellOpening();
}

void Navigator::openPractice()
{
    auto* chooser = new PracticeChooser(m_shelf, m_title);
    connect(chooser, &PracticeChooser::practiceChosen, this, &Navigator::practise);
    OpenOver(chooser);
}

void Navigator::openRanking()
{
    auto* ranking = new RankingScreen(m_shelf.table(), 1, 1, m_title);
    ranking->watchCourse(m_shelf.course());
    ranking->showTable();
    connect(ranking, &RankingScreen::watchRequested, this,
            [this, ranking](int level, int stage, int place) { watch(ranking, level, stage, place); });
    OpenOver(ranking);
}

void Navigator::play(int level, int stage)
{
    // A window of its own, deleted when closed.
    auto* play = new PlayScreen(m_shelf.table(), m_shelf.course(), level, stage, kLives, game::RunMode::Play, nullptr);
    follow(play);
    begin(play);
}

bool Navigator::practise(int level, int stage, int from)
{
    auto* play = new PlayScreen(m_shelf.table(), m_shelf.course(), level, stage, kLives, game::RunMode::Practice, nullptr);
    follow(play);
    return play->practiseFrom(from) ? begin(play) : giveUp(play);
}

// A game made ready takes the title's place; one whose stage cannot be set
// up is never shown, and the player is told over the title.
bool Navigator::begin(PlayScreen* play)
{
    if (!play->setUpStage())
        return giveUp(play);
    play->show();
    look::Present(play);  // the space key reads the story at once
    if (m_title)
        m_title->close();
    play->tellOpening();
    return true;
}

bool Navigator::giveUp(PlayScreen* play)
{
    delete play;
    if (!m_title)
        showTitle();
    return false;
}

void Navigator::follow(PlayScreen* play)
{
    // However the game ends, the title comes back.
    connect(play, &PlayScreen::unloaded, this, &Navigator::showTitle);
    connect(play, &PlayScreen::cannotGoOn, this, &Navigator::tell);
    connect(play, &PlayScreen::scored, this,
            [this, play](int level, int stage, int place) { enterName(play, level, stage, place); });
}

// Over the play screen; the game goes on once the ranking has closed.
void Navigator::enterName(PlayScreen* play, int level, int stage, int place)
{
    auto* ranking = new RankingScreen(m_shelf.table(), level, stage, play);
    ranking->watchCourse(m_shelf.course());
    ranking->enterName(place);
    ranking->showTable();
    connect(ranking, &QDialog::finished, play, &PlayScreen::rankingClosed);
    OpenOver(ranking);
}

// A window of its own above the ranking, gone with it; the ranking comes back when it closes.
void Navigator::watch(RankingScreen* ranking, int level, int stage, int place)
{
    const course::Course& course = m_shelf.course();
    std::optional<ghost::GhostRecord> record = ghost::UsableRun(m_shelf.table(), course, level, stage, place);
    auto* play = record ? new PlayScreen(m_shelf.table(), course, level, stage, kLives, game::RunMode::Watch, ranking)
                        : nullptr;
    if (play)
        connect(play, &PlayScreen::cannotGoOn, this, &Navigator::tell);
    if (!play || !play->watchRecordRun(std::move(*record), place, m_shelf.table().names(level, stage)[place])) {
        delete play;
        ranking->watchFailed();  // the run was lost meanwhile
        return;
    }
    play->setWindowModality(Qt::ApplicationModal);  // the ranking waits behind it
    connect(play, &PlayScreen::unloaded, ranking, [ranking] { ranking->activateWindow(); });
    play->show();
    look::Present(play);
}

void Navigator::tell(const QString& why)
{
    m_untold = why;
    if (m_title)
        tellWhatWaits();
}

void Navigator::tellWhatWaits()
{
    if (m_untold.isEmpty())
        return;
    QWidget* over = QApplication::activeModalWidget();
    look::ShowNotice(over ? over : m_title.data(), std::exchange(m_untold, {}));
}
