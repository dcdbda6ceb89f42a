// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The one who moves the player between the screens: title ↔ course list,
// course list → editor → course list, title → play, play → ranking (a new record's name) → play (the next stage)
// or the title, and title → ranking → watching a record run → ranking. The
// screens say what the player asked for; only the navigator makes screens.

#include <QObject>
#include <QPointer>
#include <memory>

class CourseShelf;
class HighScoreTable;
namespace course {
struct Course;
}
namespace editor {
struct Opened;
}
class PlayScreen;
class QWidget;
class RankingScreen;
class TitleScreen;

class Navigator : public QObject {
    Q_OBJECT
public:
    explicit Navigator(CourseShelf& shelf, QObject* parent = nullptr);
    ~Navigator() override;

    // A fresh title screen, shown and active; it deletes itself when closed.
    void showTitle();
    // The title on show, if any (the game never shows two).
    TitleScreen* title() const;
    // A game of the course on the shelf at `level` from `stage`, with five
    // lives; the title goes once it is on show. A stage that cannot be set up
    // is told over the title.
    void play(int level, int stage = 1);
    void openPractice();  // the practice chooser over the title
    bool begin(PlayScreen* play);
    bool giveUp(PlayScreen* play);
    // Practice of the course on the shelf at `level` on `stage`, from
    // checkpoint `from` (course::kFromStart: its START); Escape or "タイトルへ"
    // bring the title back. False when practice does not offer that place.
    bool practise(int level, int stage, int from);
    // The course editor on the pack in `folder` (a copy of the game's own
    // course or of a shipped pack), or on a new pack; the title waits hidden
    // and comes back with the course list when the editor closes. A pack that
    // cannot be edited is told instead.
    void edit(const QString& folder);
    void createPack();
    // Follows a game on `play`: the ranking for a new record's name over it,
    // and the title once it has closed.
    void follow(PlayScreen* play);

private:
    void openCourseList();
    void openRanking();  // over the title, for looking
    void openEditor(editor::Opened opened);
    // The editor's stage tried over it, in the test mode: Escape brings the editor back as it was.
    void test(QWidget* editor, const course::Course& course, int level, int stage, int from);
    void enterName(PlayScreen* play, int level, int stage, int place);
    void watch(RankingScreen* ranking, int level, int stage, int place);
    // Tells the player over the title, or over the title to come.
    void tell(const QString& why);
    void tellWhatWaits();

    CourseShelf& m_shelf;
    std::unique_ptr<HighScoreTable> m_testTable;  // a try's: never loaded, never saved
    QPointer<TitleScreen> m_title;
    QString m_untold;  // a notice that waits for the title
};
