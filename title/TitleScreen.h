// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The title screen: the two level buttons, the ranking and quitting, and
// under them the course played.

#include <QWidget>

class CourseShelf;
class QLabel;
class QPushButton;

class TitleScreen : public QWidget {
    Q_OBJECT
public:
    // The title reads the chosen course's records from the settings store as it opens.
    explicit TitleScreen(CourseShelf& shelf, QWidget* parent = nullptr);
    // A fresh title screen, shown and active; it deletes itself when closed.
    static void open(CourseShelf& shelf);

    QLabel* heroPicture = nullptr;
    QLabel* namePicture = nullptr;
    QPushButton* easyButton = nullptr;
    QPushButton* hardButton = nullptr;
    QPushButton* quitButton = nullptr;
    QPushButton* rankingButton = nullptr;
    QPushButton* courseButton = nullptr;
    QLabel* courseName = nullptr;

    void reloadScores();
    void startEasy();
    void startHard();
    void quit();
    void showRanking();
    void chooseCourse();

private:
    void buildLayout();
    void startLevel(int level);
    void showCourseName();

    CourseShelf& m_shelf;
};
