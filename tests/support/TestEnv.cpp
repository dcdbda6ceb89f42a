// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "support/TestEnv.h"

#include "game/Module1.h"

#include <QCoreApplication>
#include <QSettings>

TestEnv::TestEnv()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pokurimo"));
    QCoreApplication::setApplicationName(QStringLiteral("Pokurimo"));
    QSettings::setDefaultFormat(QSettings::NativeFormat);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    Module1::SetAppFolder(QStringLiteral(POKURIMO_APP_FOLDER));
    Module1::SetSoundBackend(&sound);
    Module1::ResetState();
}

TestEnv::~TestEnv()
{
    Module1::SetSoundBackend(nullptr);
}

QString TestEnv::settingsFile() const
{
    return QSettings().fileName();
}
