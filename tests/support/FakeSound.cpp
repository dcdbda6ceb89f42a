#include "support/FakeSound.h"

#include <QFileInfo>

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
    playing = false;
}
