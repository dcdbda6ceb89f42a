// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "support/FakeSound.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

bool FakeSound::start(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    started << QFileInfo(path).completeBaseName();
    playing = keepPlaying;
    return true;
}

void FakeSound::waitUntilDone()
{
    ++waits;
    if (waitMs > 0) {  // as the real one does: events go on, user input waits
        QEventLoop loop;
        QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    playing = false;
}
