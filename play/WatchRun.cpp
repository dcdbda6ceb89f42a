// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "play/WatchRun.h"

#include "game/GameSession.h"
#include "game/GhostStore.h"
#include "play/GhostRace.h"
#include "play/PlayScreen.h"
#include "ranking/HighScoreTable.h"
#include "rules/StageRules.h"
#include "widgets/Look.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

namespace {

constexpr int kLives = 5;

// Escape, wherever the focus is in the watching screen, ends the watching.
class EscapeCloses : public QObject {
public:
    explicit EscapeCloses(QWidget* screen) : QObject(screen), m_screen(screen) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape ||
            !watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != m_screen)
            return false;
        m_screen->close();
        return true;
    }

private:
    QWidget* m_screen;
};

std::optional<ghost::GhostRecord> FirstPlaceRun(const HighScoreTable& table, const course::Course& course, int level,
                                                int stage)
{
    if (stage < 1 || stage > course.stageCount())
        return std::nullopt;
    return ghost::LoadGhost(table.group(), course.stage(stage), level, stage, table.scores(level, stage)[0]);
}

void ShowHazards(PlayScreen& play)
{
    play.session()->startHazards();  // as they always move: the record's own timing is not kept
}

}  // namespace

bool RecordRunExists(const HighScoreTable& table, const course::Course& course, int level, int stage)
{
    return FirstPlaceRun(table, course, level, stage).has_value();
}

PlayScreen* WatchRecordRun(HighScoreTable& table, const course::Course& course, int level, int stage, QWidget* ranking)
{
    std::optional<ghost::GhostRecord> record = FirstPlaceRun(table, course, level, stage);
    if (!record)
        return nullptr;
    // A window of its own, gone with the ranking; watching, the hand counts for nothing.
    auto* play = new PlayScreen(table, course, level, stage, kLives, game::RunMode::Watch, ranking);
    if (!play->setUpStage()) {
        delete play;
        return nullptr;
    }
    play->setWindowModality(Qt::ApplicationModal);  // the ranking waits behind it
    ShowHazards(*play);
    new EscapeCloses(play);
    const QPointer<QWidget> back(ranking);
    QObject::connect(play, &PlayScreen::unloaded, play, [back] {
        if (back)
            back->activateWindow();
    });
    GhostRace* race = play->ghostRace();
    const int score = record->score;
    const int limit = course.stage(stage).timeLimit;
    QObject::connect(race, &GhostRace::watchEnded, play, [play, score, level, limit] {
        // The clock stops on the record's own time, whatever its last beat showed.
        play->timeBox->setText(QString::number(level == 1 ? score : stage::StartingTime(level, limit) - score));
        play->showFace(5);
        play->dialogueText->setText(QCoreApplication::translate("WatchRun", "ゴール！Escキーでランキングにもどるよ"));
    });
    play->nextHint->hide();  // no line waits for the player here
    play->showFace(1);
    play->dialogueText->setText(QCoreApplication::translate("WatchRun", "1位・%1の走り（%2秒）\nEscキーでランキングにもどるよ")
                                    .arg(table.names(level, stage)[0])
                                    .arg(record->score));
    play->show();
    look::Present(play);
    race->watch(std::move(*record));
    return play;
}
