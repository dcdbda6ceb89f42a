// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The courses the title can play: the game's own, the packs shipped with it
// and the player's own; and the one chosen, with its records. One shelf
// serves the process, as one high-score table serves the game's own course.
// Packs are read only when the player asks for the list.

#include "rules/CoursePack.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class HighScoreTable;

class CourseShelf {
public:
    // `builtInTable` keeps the game's own course's records.
    explicit CourseShelf(HighScoreTable& builtInTable);
    ~CourseShelf();

    const course::Course& course() const;  // the chosen course
    HighScoreTable& table();               // its records
    HighScoreTable& builtInTable() { return m_builtInTable; }
    bool builtInChosen() const { return !m_pack.has_value(); }
    QString chosenFolder() const;          // empty for the game's own

    void chooseBuiltIn();
    // A pack that loaded whole; its records are read from the settings store.
    void choose(const course::Pack& pack);

    // Every pack on the shelf, the game's own first, then the shipped ones and
    // the player's, each folder in name order; broken ones with their problems.
    static std::vector<course::Pack> List();
    // Their folders, in the same order.
    static QStringList Folders();
    // Where the shipped packs and the player's own packs lie.
    static QString ShippedFolder();
    static QString PlayerFolder();
    // The settings group of a pack's records: never the game's own [Setting].
    static QString RecordsGroup(const course::Pack& pack);

private:
    HighScoreTable& m_builtInTable;
    std::optional<course::Course> m_pack;
    QString m_packFolder;
    std::unique_ptr<HighScoreTable> m_packTable;
};
