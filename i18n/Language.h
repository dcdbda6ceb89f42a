// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The game speaks Japanese, its source language, unless the player's desktop
// asks for English first; the English is built into the executable.

#include <QStringList>

class QCoreApplication;

namespace language {

// True when the list of UI languages (most wanted first, as
// QLocale::uiLanguages() gives them) names English before Japanese.
bool WantsEnglish(const QStringList& uiLanguages);

// Installs the English translation into the application; false when none
// could be loaded. The translator is the application's child.
bool InstallEnglish(QCoreApplication& app);

// Installs the English when the system's UI languages ask for it.
void InstallForSystem(QCoreApplication& app);

}  // namespace language
