// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "support/TestEnv.h"

#include "game/GameState.h"
#include "sound/SoundBackend.h"

#include <QCoreApplication>
#include <QSettings>

TestEnv::TestEnv()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pokurimo"));
    QCoreApplication::setApplicationName(QStringLiteral("Pokurimo"));
    QSettings::setDefaultFormat(QSettings::NativeFormat);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    game::SetAppFolder(QStringLiteral(POKURIMO_APP_FOLDER));
    sound::SetSoundBackend(&sound);
    game::ResetSharedState();
}

TestEnv::~TestEnv()
{
    sound::SetSoundBackend(nullptr);
}

QString TestEnv::settingsFile() const
{
    return QSettings().fileName();
}
