// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The title screen: the two level buttons, the ranking and quitting.

#include <QWidget>

class HighScoreTable;
class QLabel;
class QPushButton;

class TitleScreen : public QWidget {
    Q_OBJECT
public:
    // The title reads `table` from the settings store as it opens.
    explicit TitleScreen(HighScoreTable& table, QWidget* parent = nullptr);
    // A fresh title screen, shown and active; it deletes itself when closed.
    static void open(HighScoreTable& table);

    QLabel* heroPicture = nullptr;
    QLabel* namePicture = nullptr;
    QPushButton* easyButton = nullptr;
    QPushButton* hardButton = nullptr;
    QPushButton* quitButton = nullptr;
    QPushButton* rankingButton = nullptr;

    void reloadScores();
    void startEasy();
    void startHard();
    void quit();
    void showRanking();

private:
    void buildLayout();
    void startLevel(int level);

    HighScoreTable& m_table;
};
