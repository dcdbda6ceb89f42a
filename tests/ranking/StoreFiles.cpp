// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "StoreFiles.h"

#include "game/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

QMap<QString, QString> StoredOnDisk(const QString& settingsFile)
{
    QMap<QString, QString> values;
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath(QStringLiteral("copy.conf"));
    if (!QFile::copy(settingsFile, copy))
        return values;
    QSettings store(copy, QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Setting"));
    for (const QString& key : store.childKeys())
        values.insert(key, store.value(key).toString());
    return values;
}

namespace {
// Root writes anywhere through CAP_DAC_OVERRIDE; switching it off (and back)
// in the effective set lets the folder's mode bits count.
bool SetPermissionOverride(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    const unsigned bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    if (on)
        data[0].effective |= bits & data[0].permitted;
    else
        data[0].effective &= ~bits;
    return syscall(SYS_capset, &header, data) == 0;
}

bool CanCreateFileIn(const QString& folder)
{
    QFile probe(folder + QStringLiteral("/probe.tmp"));
    const bool created = probe.open(QIODevice::WriteOnly);
    if (created)
        probe.remove();
    return created;
}
}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& folder)
    : m_folder(folder)
{
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (geteuid() == 0)
        m_droppedOverride = SetPermissionOverride(false);
    m_works = !CanCreateFileIn(folder);
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_droppedOverride)
        SetPermissionOverride(true);
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

SoundFolder::SoundFolder()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("sound"));
    QDir(m_dir.path()).mkpath(QStringLiteral("dat"));
    for (const char* map : {"course.json", "dat/map1.dat", "dat/map2.dat"})  // the game's own course is played here too
        QFile::copy(QStringLiteral(POKURIMO_APP_FOLDER "/") + QLatin1String(map), m_dir.filePath(QLatin1String(map)));
    for (const char* name : {"Click", "Claps"}) {
        QFile wave(m_dir.filePath(QStringLiteral("sound/%1.wav").arg(QLatin1String(name))));
        if (wave.open(QIODevice::WriteOnly))
            wave.write("RIFF");
    }
    game::SetAppFolder(m_dir.path());
}
