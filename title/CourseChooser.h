// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The list of courses the title opens: each pack's name, author, stage count,
// a thumbnail of its first map and the player's best time; a broken pack
// greyed out with its first problem (it cannot be played, but it can be
// edited). Choosing one puts it on the shelf and accepts the box; "新しく作る"
// and "編集" ask for the editor. The packs are read off the GUI thread:
// the list opens at once and fills as each pack is read.

#include "rules/CoursePack.h"

#include <QDialog>
#include <atomic>
#include <optional>
#include <vector>

class CourseShelf;
class QListWidget;
class QPushButton;
class QThread;

class CourseChooser : public QDialog {
    Q_OBJECT
public:
    CourseChooser(CourseShelf& shelf, QWidget* parent = nullptr);
    ~CourseChooser() override;

    // Puts the pack in row `row` on the shelf and closes; false for a broken
    // one or one still being read.
    bool chooseRow(int row);
    bool reading() const { return m_unread > 0; }
    // Whether the row's pack can be played (a greyed one cannot).
    bool playable(int row) const;

Q_SIGNALS:
    void allRead();
    void newPackRequested();
    void editRequested(const QString& folder);  // a pack's folder, the game's own course's included

private:
    void startReading(const QStringList& folders);
    void showPack(std::size_t row, const course::Pack& pack, const QImage& thumbnail);

    CourseShelf& m_shelf;
    std::vector<std::optional<course::Pack>> m_packs;  // empty while a pack is being read
    std::size_t m_unread = 0;
    std::atomic_bool m_closing{false};
    QThread* m_reader = nullptr;
    void editRow(int row);

    // Named as their members: "list", "chooseButton", "cancelButton", "newButton", "editButton".
    QListWidget* m_list = nullptr;
    QPushButton* m_newButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_chooseButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
