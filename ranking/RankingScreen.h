// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The ranking screen: the five best results of one level and stage, and the
// entry box where a new record holder types a name. The layout is built in
// RankingScreenLayout.cpp; what it does in RankingScreen.cpp.

#include "rules/Course.h"
#include "rules/Scoring.h"

#include <QDialog>

class HighScoreTable;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class RankingScreen : public QDialog {
    Q_OBJECT
public:
    // Shows `table`'s rows of a level and stage (from 1); the player may pick others.
    RankingScreen(HighScoreTable& table, int level, int stage, QWidget* parent = nullptr);

    int level() const { return m_level; }
    int stage() const { return m_stage; }

    // Fills the rows for the level and stage shown; hides the selectors while
    // a name is being entered.
    void showTable();
    void chooseLevel(int index);  // level selector: 0 = たこ, 1 = さる
    void chooseStage(int index);  // stage selector: 0 = STAGE1, 1 = STAGE2, ...
    void nameEdited(int index);
    void closeAndSave();
    // A new record holder's name is wanted in the row of `place` (0..4).
    void enterName(int place);
    // "1位を見る": asks for the run chosen of the table shown (the first place's unless chosen).
    void watchBest();
    // The place whose run is raced and watched, as the player chose it for the table shown.
    void chooseRun(int index);
    // The run asked for could not be shown (it was lost meanwhile).
    void watchFailed();
    // The course whose record runs "Watch 1st" replays: the game's own unless told.
    void watchCourse(const course::Course& course) { m_course = &course; }

    // Every other way of closing (Escape, the close box, the window manager)
    // goes through here and does what "とじる" does, or nothing while it is disabled.
    void reject() override;

Q_SIGNALS:
    // The player asked to watch the run of a place (0..4) of a level and stage.
    void watchRequested(int level, int stage, int place);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLayout();
    void buildStageChooser();  // for the stage count of the table's course
    void nameElements();
    void showTargets();
    void showRuns();  // the kept runs of the table shown, each marked by what it proves
    void connectEvents();  // ranking/RankingScreen.cpp
    bool enteringName() const;
    QWidget* firstFocus() const;

    HighScoreTable& m_table;
    int m_level;
    int m_stage;
    bool m_closing = false;  // closeAndSave is under way (the click sound plays)
    const course::Course* m_course;

    // The elements, each named as its member ("closeButton"; a row's by its
    // place: "nameEdits(0)"); rows are places 0..4.
    QLabel* m_placeLabels[scores::kPlaces] = {};
    QLabel* m_nameLabels[scores::kPlaces] = {};
    QLabel* m_scoreLabels[scores::kPlaces] = {};
    QLineEdit* m_nameEdits[scores::kPlaces] = {};
    QFrame* m_levelFrame = nullptr;
    QRadioButton* m_levelOptions[2] = {};
    QRadioButton* m_stageOptions[2] = {};
    QComboBox* m_stageChooser = nullptr;  // in their place, for a course of more than two stages
    QPushButton* m_closeButton = nullptr;
    QPushButton* m_watchButton = nullptr;  // shown while a table is viewed, enabled when its first place's run is kept
    QFrame* m_divider = nullptr;
    QLabel* m_targets = nullptr;  // below the controls: the window grew for it
    QLabel* m_runCaption = nullptr;  // and again, for the run raced and watched
    QComboBox* m_runChooser = nullptr;
};
