// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The practice chooser the title opens: level, stage and the place to begin
// (the START, or a checkpoint practice offers, by its number and its line),
// the stage's map with that place marked, and the stretch's best practice
// time. Its elements are named as its members ("placeList").

#include <QDialog>
#include <QImage>
#include <vector>

class CourseShelf;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

class PracticeChooser : public QDialog {
    Q_OBJECT
public:
    explicit PracticeChooser(CourseShelf& shelf, QWidget* parent = nullptr);

Q_SIGNALS:
    // The player chose where to practise; the box then closes.
    void practiceChosen(int level, int stage, int from);

private:
    void buildLayout();
    int level() const;
    int stage() const;
    int from() const;
    void listPlaces();  // the places of the level and stage chosen
    void showPlace();   // the map with the place marked, and its best
    void begin();

    CourseShelf& m_shelf;
    QImage m_map;
    std::vector<int> m_places;  // the list's rows: course::kFromStart, then the checkpoints offered
    QRadioButton* m_easyOption = nullptr;
    QRadioButton* m_hardOption = nullptr;
    QComboBox* m_stageChooser = nullptr;
    QListWidget* m_placeList = nullptr;
    QLabel* m_mapView = nullptr;
    QLabel* m_best = nullptr;
};
