// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The list of courses the title opens: each pack's name, author, stage count,
// a thumbnail of its first map and the player's best time; a broken pack
// greyed out with its first problem.

#include "rules/CoursePack.h"

#include <QDialog>
#include <vector>

class CourseShelf;
class QListWidget;
class QPushButton;

class CourseChooser : public QDialog {
    Q_OBJECT
public:
    CourseChooser(CourseShelf& shelf, QWidget* parent = nullptr);

    QListWidget* list = nullptr;
    QPushButton* chooseButton = nullptr;
    QPushButton* cancelButton = nullptr;

    const std::vector<course::Pack>& packs() const { return m_packs; }
    // Puts the pack in row `row` on the shelf and closes; false for a broken one.
    bool chooseRow(int row);

private:
    void fill();

    CourseShelf& m_shelf;
    std::vector<course::Pack> m_packs;
};
