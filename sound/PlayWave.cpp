// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/AppFolder.h"
#include "sound/HeldClocks.h"
#include "sound/HeldInput.h"
#include "sound/SoundBackend.h"

#include <QObject>
#include <QPointer>

namespace sound {

namespace {
SoundBackend* g_override = nullptr;

QString WavePath(const QString& name)
{
    return game::AppFolder() + QStringLiteral("/sound/") + name + QStringLiteral(".wav");
}

// The game standing still while a button's sound plays: a child of the one
// who waits, so that it goes, and lets everything go, when that one does.
class StandStill final : public QObject {
public:
    explicit StandStill(QObject* context) : QObject(context) {}

private:
    HeldClocks m_clocks;
    HeldInput m_input;
};
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

void PlayWave(const QString& name, QObject* context, std::function<void()> then)
{
    SoundBackend& out = Sound();
    if (out.isPlaying()) {  // a click never cuts off a sound that plays, nor waits for it
        then();
        return;
    }
    if (!out.start(WavePath(name))) {
        out.alert();
        then();
        return;
    }
    const QPointer<StandStill> still = new StandStill(context);
    out.whenDone([still, then = std::move(then)] {
        if (!still)
            return;  // the one who waited has gone, and everything it held with it
        delete still.data();  // the held input is queued again, to come after `then`
        then();
    });
}

void PlayWaveAsync(const QString& name)
{
    SoundBackend& out = Sound();
    out.stop();
    if (!out.start(WavePath(name)))
        out.alert();
}

}  // namespace sound
