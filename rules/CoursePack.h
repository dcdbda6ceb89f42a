// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A course pack: a folder with one course.json and a picture per stage. The
// game's own course is such a pack (the data folder's course.json); players
// make their own with a paint program and a text editor. A pack is a file
// from a stranger: reading it never crashes, never hangs, and says what is
// wrong where.

#include "rules/Course.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace course {

constexpr int kMaxStages = 16;
constexpr int kMaxMarks = 64;          // per stage: starts, goals, checkpoints, covers, hazards and pieces
constexpr int kMaxStoryLines = 200;    // per stage: opening and meeting; and the ending
constexpr int kMaxTextLength = 200;    // characters of a text, in either language

struct Pack {
    QString folder;        // absolute, as read
    Course course;         // whole only when `problems` is empty; the name and author as far as they were read
    QStringList problems;  // "course.json: stages[1].hazards[0].kind: unknown kind "boat"", one a line
    QByteArray playHash;   // hex; of what decides play (pictures, marks, hazards, limits), not of the texts
    QImage firstMap;       // the first stage's map as it was read; null when it could not be
    // Every field was read: the problems, if any, are only unfinished work (a
    // text too long for its box, a stage without its own start or its one goal).
    bool readWhole = true;
    bool ok() const { return problems.isEmpty(); }
};

// Reads and checks the pack in `folder` (the file, its fields and its
// pictures; the road itself the course checker proves). A relative stage
// map or picture names a file inside the folder. Its texts are measured
// against their boxes unless `texts` says otherwise.
enum class Texts { Measured, Unmeasured };
Pack LoadPack(const QString& folder, Texts texts = Texts::Measured);

// The pack file for a course, in the format LoadPack reads.
QByteArray WritePack(const Course& course);
// The same, with the paths of files inside `folder` written relative to it,
// as LoadPack gives them back.
QByteArray WritePack(const Course& course, const QString& folder);

}  // namespace course
