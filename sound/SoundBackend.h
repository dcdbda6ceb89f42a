// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// What PlayWave and PlayWaveAsync need of an audio output. The game plays
// through Qt Multimedia; tests put a recording double in its place.

#include <QString>
#include <functional>

class QObject;

class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual bool isPlaying() const = 0;
    // Stops whatever plays and starts the file; false when it cannot be played.
    virtual bool start(const QString& path) = 0;
    virtual void stop() = 0;
    // Calls `done` once, from the event loop, when the sound started last has
    // ended, been stopped or given up on; at once when nothing plays.
    virtual void whenDone(std::function<void()> done) = 0;
    // The desktop's alert beep, for a sound that cannot be played.
    virtual void alert() = 0;
};

namespace sound {

// Sounds by name, from the sound folder beside the course maps.
// A button's sound: `then` runs once it has ended. Meanwhile the game stands
// still: the screens' clocks and the player's input are held, and the input
// comes in order after `then`. While another sound plays it is skipped and
// `then` runs at once. Nothing runs if `context` goes meanwhile.
void PlayWave(const QString& name, QObject* context, std::function<void()> then);
void PlayWaveAsync(const QString& name);  // replaces whatever is playing

// The backend in use; the game's own one unless a test has put another in.
SoundBackend& Sound();
// Puts another backend in place (not owned); nullptr restores the game's own.
void SetSoundBackend(SoundBackend* backend);
}  // namespace sound
