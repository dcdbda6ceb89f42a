// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "scores/HighScoreTable.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace scores {

namespace {
QString Key(const char* prefix, int level, int stage, int place)
{
    return QStringLiteral("%1%2_%3_%4").arg(QLatin1String(prefix)).arg(level).arg(stage).arg(place);
}
}  // namespace

QString NameKey(int level, int stage, int place)
{
    return Key("HScore_Nm_", level, stage, place);
}

QString ScoreKey(int level, int stage, int place)
{
    return Key("HScore_Val_", level, stage, place);
}

std::int32_t StoredScore(const QVariant& stored)
{
    if (stored.typeId() != QMetaType::QString)
        return kDefaultScore;  // missing, or a hand-edited list like "1,2"
    std::int32_t value = 0;
    return Module1::ParseDecimal(stored.toString(), &value) ? value : kDefaultScore;
}

QString DefaultName()
{
    return QCoreApplication::translate("scores", "ぴぽ", "the hero's name in the ranking of a fresh installation");
}

QString StoredName(const QVariant& stored)
{
    if (!stored.isValid())
        return DefaultName();
    // A hand-edited name with commas reads back as a list; show it whole.
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}

int RankPlace(const std::int32_t (&vals)[kPlaces], std::int32_t score)
{
    for (int k = 0; k < kPlaces; ++k)
        if (score < vals[k])
            return k;
    return -1;
}

void InsertRecord(QString (&names)[kPlaces], std::int32_t (&vals)[kPlaces], int place, std::int32_t score)
{
    if (place < 0 || place >= kPlaces)
        return;
    for (int i = kPlaces - 2; i >= place; --i) {
        names[i + 1] = names[i];
        vals[i + 1] = vals[i];
    }
    vals[place] = score;
}

}  // namespace scores

namespace {
// Visits every entry in the store's order: place fastest, level slowest.
template <typename Visit>
void ForEachEntry(Visit visit)
{
    for (int level = 1; level <= Module1::kLevels; ++level)
        for (int stage = 1; stage <= Module1::kStages; ++stage)
            for (int place = 0; place < scores::kPlaces; ++place)
                visit(level, stage, place);
}

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

namespace Module1 {

void LoadHighScores()
{
    QSettings store;
    store.beginGroup(scores::kSettingGroup);
    ForEachEntry([&store](int level, int stage, int place) {
        g_HScoreName[level][stage][place] = scores::StoredName(store.value(scores::NameKey(level, stage, place)));
        g_HScoreVal[level][stage][place] = scores::StoredScore(store.value(scores::ScoreKey(level, stage, place)));
    });
}

bool SaveHighScores()
{
    QSettings store;
    // Write through a temporary file and rename it over the old one, so a
    // failed save never leaves a half-written table behind.
    store.setAtomicSyncRequired(true);
    if (!SettingsFolderReady(store))
        return false;
    RemoveAbandonedLock(store);
    store.beginGroup(scores::kSettingGroup);
    ForEachEntry([&store](int level, int stage, int place) {
        store.setValue(scores::NameKey(level, stage, place), g_HScoreName[level][stage][place]);
        store.setValue(scores::ScoreKey(level, stage, place), QString::number(g_HScoreVal[level][stage][place]));
    });
    store.endGroup();
    store.sync();
    // Any trouble counts as a failure: a false alarm after a malformed file
    // beats a record the player believes saved.
    return store.status() == QSettings::NoError;
}

}  // namespace Module1
