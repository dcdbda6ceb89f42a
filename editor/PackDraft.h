// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A course pack as the editor holds it while it is made: the course, and each
// stage's map as pixels, beside the file it was read from. Saving writes the
// whole pack into a new folder and swaps it into place, so a pack is never
// half written; a map is written as PNG only once it has been painted, and
// every other file is copied as it is.

#include "rules/Course.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace editor {

// A stage's map: the file it was read from (empty for one never saved), its
// bytes and pixels as read, and its pixels now, all 32-bit colours. The bytes
// are kept so that a map painted and then restored is written as it was,
// even once the painted one has been saved over it.
struct StageMap {
    QString source;
    QByteArray bytes;
    QImage read;
    QImage pixels;
    bool painted() const { return source.isEmpty() || pixels != read; }
};

struct Draft {
    course::Course course;
    std::vector<StageMap> maps;  // one a stage, in the same order
};

// Where a draft was read and where it is saved. A player's own pack is saved
// where it lies, keeping every file its folder held; the game's own course or
// a shipped pack is saved as a copy in the player's courses folder.
struct PackPlace {
    QString source;          // the folder the draft's files are read from
    QString folder;          // the folder it is saved to
    QStringList keptFiles;   // of the folder as opened, course.json aside, relative
    bool exists = false;     // the folder holds the pack already
};

struct Opened {
    Draft draft;
    PackPlace place;
    QString problem;  // why the pack cannot be edited; empty when it can
};

// The starter pack's one stage, or a new stage: a road, a START, a checkpoint and a goal.
course::Stage NewStage(int number);
StageMap NewStageMap();

// The pack in `folder`, to be saved to `saveTo` (the same folder for the
// player's own). A folder that does not exist or holds nothing starts from
// the starter pack. A pack whose file cannot be read whole is refused.
Opened OpenPack(const QString& folder, const QString& saveTo);
// Where a pack from `folder` is saved: `folder` itself when it is the
// player's own (or any folder of theirs), a new folder in the player's courses
// folder when it is the game's own course or a shipped pack.
QString SaveFolderFor(const QString& folder);
// A new folder's name in the player's courses folder, "course", "course-2", …
QString NewPackFolder(const QString& base = QStringLiteral("course"));

// The draft's stage `stage` alone as a pack in `folder`, its map and pictures
// with it and nothing else kept, as the live check reads it; empty when it
// was written, otherwise why not.
QString WriteStageInto(const Draft& draft, const PackPlace& place, int stage, const QString& folder);

// Writes the draft; empty when it was, otherwise why nothing was written.
// The written pack is read back before it takes the folder's place: the
// editor never writes a pack the loader cannot read whole.
QString SavePack(const Draft& draft, PackPlace& place);

}  // namespace editor
