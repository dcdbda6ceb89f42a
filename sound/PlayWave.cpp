// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/AppFolder.h"
#include "sound/HeldClocks.h"
#include "sound/SoundBackend.h"

namespace sound {

namespace {
SoundBackend* g_override = nullptr;

QString WavePath(const QString& name)
{
    return game::AppFolder() + QStringLiteral("/sound/") + name + QStringLiteral(".wav");
}
}  // namespace

SoundBackend& DefaultSoundBackend();  // the game's own, in QtSoundBackend.cpp

SoundBackend& Sound()
{
    return g_override ? *g_override : DefaultSoundBackend();
}

void SetSoundBackend(SoundBackend* backend)
{
    g_override = backend;
}

void PlayWave(const QString& name)
{
    SoundBackend& out = Sound();
    if (out.isPlaying())
        return;  // a click never cuts off a sound that plays
    if (!out.start(WavePath(name))) {
        out.alert();
        return;
    }
    const HeldClocks held;  // nothing of the game runs until the sound has ended
    out.waitUntilDone();
}

void PlayWaveAsync(const QString& name)
{
    SoundBackend& out = Sound();
    out.stop();
    if (!out.start(WavePath(name)))
        out.alert();
}

}  // namespace sound
