// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The title screen: the two level buttons, the ranking and quitting, and
// under them the course played. Each button's action begins after its click
// sound; what the player asked for goes out as a signal. Every element is
// named as its member ("easyButton").

#include <QWidget>

class CourseShelf;
class QLabel;
class QPushButton;

class TitleScreen : public QWidget {
    Q_OBJECT
public:
    // The title reads the chosen course's records from the settings store as it opens.
    explicit TitleScreen(CourseShelf& shelf, QWidget* parent = nullptr);

    // The course on the shelf has changed: its name, and its records read again.
    void showCourse();

Q_SIGNALS:
    void levelChosen(int level);  // 1 = たこ, 2 = さる
    void rankingRequested();
    void coursesRequested();
    void practiceRequested();

private:
    void buildLayout();
    // The button's click sound, then `then`.
    void afterClick(void (TitleScreen::*then)());
    void chooseEasy() { Q_EMIT levelChosen(1); }
    void chooseHard() { Q_EMIT levelChosen(2); }
    void askForRanking() { Q_EMIT rankingRequested(); }
    void askForCourses() { Q_EMIT coursesRequested(); }
    void askForPractice() { Q_EMIT practiceRequested(); }
    void quit() { close(); }  // the last window: the game ends

    CourseShelf& m_shelf;
    QLabel* m_heroPicture = nullptr;
    QLabel* m_namePicture = nullptr;
    QPushButton* m_easyButton = nullptr;
    QPushButton* m_hardButton = nullptr;
    QPushButton* m_quitButton = nullptr;
    QPushButton* m_rankingButton = nullptr;
    QPushButton* m_courseButton = nullptr;
    QPushButton* m_practiceButton = nullptr;  // below "コース": the window grew for it
    QLabel* m_courseName = nullptr;
};
