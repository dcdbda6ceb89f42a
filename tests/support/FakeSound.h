// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A sound backend that records what the game asked for instead of playing it.

#include "sound/SoundBackend.h"

#include <QStringList>

class FakeSound final : public SoundBackend {
public:
    bool isPlaying() const override { return playing; }
    bool start(const QString& path) override;
    void stop() override { playing = false; }
    void whenDone(std::function<void()> done) override;
    void alert() override { ++alerts; }

    // Names (file base names) of the sounds started, in order.
    QStringList started;
    int alerts = 0;
    int waits = 0;
    bool playing = false;     // a test may set it to pretend a sound still plays
    bool keepPlaying = false; // async sounds stay "playing" until stopped
    int waitMs = 0;           // how long a sound lasts, with events going on meanwhile (none: done at once)
};
