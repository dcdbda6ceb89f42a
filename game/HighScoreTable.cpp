// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/HighScoreTable.h"


#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <algorithm>

HighScoreTable::HighScoreTable(const QString& group, int stages)
    : m_group(group), m_stages(std::max(1, stages)), m_rows(static_cast<std::size_t>(scores::kLevels * m_stages))
{
}

HighScoreTable::Row& HighScoreTable::row(int level, int stage)
{
    return const_cast<Row&>(std::as_const(*this).row(level, stage));
}

const HighScoreTable::Row& HighScoreTable::row(int level, int stage) const
{
    level = std::clamp(level, 1, scores::kLevels);
    stage = std::clamp(stage, 1, m_stages);
    return m_rows[static_cast<std::size_t>((level - 1) * m_stages + stage - 1)];
}

// Visits every entry in the store's order: place fastest, level slowest.
template <typename Visit>
void HighScoreTable::forEachEntry(Visit visit) const
{
    for (int level = 1; level <= scores::kLevels; ++level)
        for (int stage = 1; stage <= m_stages; ++stage)
            for (int place = 0; place < scores::kPlaces; ++place)
                visit(level, stage, place);
}

namespace {

// QSettings reports a missing settings folder only as a failed write; make
// sure it exists so that a folder that cannot be made is told apart early.
bool SettingsFolderReady(const QSettings& store)
{
    return QDir().mkpath(QFileInfo(store.fileName()).absolutePath());
}

// A game killed just as it took the store's lock leaves an empty lock file,
// which QSettings takes for stale only after 30 s: the next save would hold
// the screen that long. No live process leaves its lock empty for seconds.
void RemoveAbandonedLock(const QSettings& store)
{
    const QFileInfo lock(store.fileName() + QStringLiteral(".lock"));
    if (lock.exists() && lock.size() == 0 && lock.lastModified().secsTo(QDateTime::currentDateTime()) >= 2)
        QFile::remove(lock.filePath());
}
}  // namespace

void HighScoreTable::load()
{
    QSettings store;
    store.beginGroup(m_group);
    forEachEntry([&](int level, int stage, int place) {
        names(level, stage)[place] = scores::StoredName(store.value(scores::NameKey(level, stage, place)));
        scores(level, stage)[place] = scores::StoredScore(store.value(scores::ScoreKey(level, stage, place)));
    });
}

bool HighScoreTable::save() const
{
    QSettings store;
    // Write through a temporary file and rename it over the old one, so a
    // failed save never leaves a half-written table behind.
    store.setAtomicSyncRequired(true);
    if (!SettingsFolderReady(store))
        return false;
    RemoveAbandonedLock(store);
    store.beginGroup(m_group);
    forEachEntry([&](int level, int stage, int place) {
        store.setValue(scores::NameKey(level, stage, place), names(level, stage)[place]);
        store.setValue(scores::ScoreKey(level, stage, place), QString::number(scores(level, stage)[place]));
    });
    store.endGroup();
    store.sync();
    // Any trouble counts as a failure: a false alarm after a malformed file
    // beats a record the player believes saved.
    return store.status() == QSettings::NoError;
}

int HighScoreTable::enter(int level, int stage, std::int32_t score)
{
    const int place = scores::RankPlace(scores(level, stage), score);
    scores::InsertRecord(names(level, stage), scores(level, stage), place, score);
    return place;
}
