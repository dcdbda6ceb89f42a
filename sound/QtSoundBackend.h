// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The game's own audio output: the effects as QSoundEffects, played through
// the system's sound server.

#include "sound/SoundBackend.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <optional>

class QSoundEffect;

class QtSoundBackend final : public QObject, public SoundBackend {
    Q_OBJECT
public:
    // The effects the game plays, loaded ahead so that none starts late.
    static const QStringList& GameEffects();

    // Starts loading the game's effects found in `soundFolder`.
    explicit QtSoundBackend(const QString& soundFolder, QObject* parent = nullptr);

    bool isPlaying() const override;
    bool start(const QString& path) override;
    void stop() override;
    void whenDone(std::function<void()> done) override;
    void alert() override;

    // The game's effects that were found in the sound folder and are loading or loaded.
    QStringList preloaded() const { return m_preloaded; }

Q_SIGNALS:
    // The sound started last has ended, failed to load or was stopped.
    void settled();

private:
    struct Effect {
        QSoundEffect* sound = nullptr;
        int durationMs = 0;
    };

    std::optional<Effect> effectFor(const QString& path);  // loads on first use; nothing if not a wave file
    void begin();   // m_current is in memory: play it and count down its length
    void settle();  // m_current is over
    void onStatusChanged(QSoundEffect* sound);

    QHash<QString, Effect> m_effects;  // by path; the sounds are children of this
    QStringList m_preloaded;
    QSoundEffect* m_current = nullptr;  // started last and not yet settled
    int m_currentMs = 0;
    bool m_playWhenLoaded = false;      // m_current was started while still loading
    // QSoundEffect's own playing flag follows its writes to the sound server,
    // not what is heard: it drops up to a second late for a short sound and
    // early for a long one. A sound is over when its length has played.
    QTimer m_endTimer;
    QTimer m_giveUpTimer;  // a broken audio device must not hold the game
    std::function<void()> m_whenDone;
};
