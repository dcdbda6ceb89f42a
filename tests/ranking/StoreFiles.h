// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Looking at and tampering with the high-score store from outside the game.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// The "Setting" section as it lies on disk. Read from a copy so that what
// QSettings still holds in memory cannot stand in for the file.
QMap<QString, QString> StoredOnDisk(const QString& settingsFile);


// A folder nobody may write into while this lives, root included (root loses
// its permission override meanwhile). `works()` is false where that cannot be
// arranged.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool works() const { return m_works; }

private:
    QString m_folder;
    bool m_droppedOverride = false;
    bool m_works = false;
};

// An application folder holding (empty) wave files, so the recording sound
// backend sees the sounds as present, and the game's own course maps.
class SoundFolder {
public:
    SoundFolder();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
