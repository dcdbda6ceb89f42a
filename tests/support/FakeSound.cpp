// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "support/FakeSound.h"

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

void FakeSound::whenDone(std::function<void()> done)
{
    ++waits;
    if (waitMs <= 0) {
        playing = false;
        done();
        return;
    }
    playing = true;
    QTimer::singleShot(waitMs, [this, done = std::move(done)] {
        playing = false;
        done();
    });
}
