// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "sound/QtSoundBackend.h"

#include "game/AppFolder.h"
#include "sound/WaveHeader.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {
// A broken audio device must not hold the game: a wait gives up this long
// after the sound should have ended.
constexpr int kWaitSlackMs = 1000;
// Allowance for the output's latency, so the last bit of a sound is not
// taken for silence.
constexpr int kTailMs = 50;

bool HasAudioOutput()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}
}  // namespace

const QStringList& QtSoundBackend::GameEffects()
{
    static const QStringList names{
        QStringLiteral("Click"), QStringLiteral("Start"),   QStringLiteral("Out"),
        QStringLiteral("Clear"), QStringLiteral("Claps"),   QStringLiteral("Yama"),
        QStringLiteral("Okasiya"), QStringLiteral("Kouji"), QStringLiteral("Car"),
        QStringLiteral("Rain"),  QStringLiteral("River")};
    return names;
}

QtSoundBackend::QtSoundBackend(const QString& soundFolder, QObject* parent)
    : QObject(parent)
{
    m_endTimer.setSingleShot(true);
    connect(&m_endTimer, &QTimer::timeout, this, &QtSoundBackend::settle);
    m_giveUpTimer.setSingleShot(true);
    connect(&m_giveUpTimer, &QTimer::timeout, this, &QtSoundBackend::stop);
    for (const QString& name : GameEffects()) {
        if (effectFor(soundFolder + QLatin1Char('/') + name + QStringLiteral(".wav")))
            m_preloaded << name;
    }
}

std::optional<QtSoundBackend::Effect> QtSoundBackend::effectFor(const QString& path)
{
    if (auto found = m_effects.constFind(path); found != m_effects.constEnd())
        return *found;
    // Checked here, synchronously: QSoundEffect would only report a bad file
    // later, after the caller has moved on.
    const std::optional<WaveInfo> wave = ReadWaveFile(path);
    if (!wave)
        return std::nullopt;

    auto* sound = new QSoundEffect(this);
    connect(sound, &QSoundEffect::statusChanged, this, [this, sound] { onStatusChanged(sound); });
    sound->setSource(QUrl::fromLocalFile(path));
    return *m_effects.insert(path, Effect{sound, wave->durationMs()});
}

bool QtSoundBackend::isPlaying() const
{
    // The timer is read rather than waited for: a handler that holds the
    // thread still sees a sound end on time.
    return m_current && (m_playWhenLoaded || m_endTimer.remainingTime() > 0);
}

bool QtSoundBackend::start(const QString& path)
{
    stop();
    const std::optional<Effect> effect = effectFor(path);
    if (!effect || effect->sound->status() == QSoundEffect::Error)
        return false;
    if (!HasAudioOutput())
        return true;  // a good file with nowhere to play it: the game goes on in silence

    m_current = effect->sound;
    m_currentMs = effect->durationMs;
    if (m_current->status() == QSoundEffect::Ready)
        begin();
    else
        m_playWhenLoaded = true;  // onStatusChanged begins it once it is in memory
    return true;
}

void QtSoundBackend::begin()
{
    m_playWhenLoaded = false;
    m_current->play();  // opens the stream: takes a few milliseconds
    m_endTimer.start(m_currentMs + kTailMs);
}

void QtSoundBackend::settle()
{
    if (!m_current)
        return;
    m_current = nullptr;
    m_playWhenLoaded = false;
    m_endTimer.stop();
    m_giveUpTimer.stop();
    if (m_whenDone)  // from the event loop: never inside the start that cut the sound off
        QMetaObject::invokeMethod(this, std::exchange(m_whenDone, {}), Qt::QueuedConnection);
    Q_EMIT settled();
}

void QtSoundBackend::stop()
{
    settle();
    // The one that ended last may still be draining in the server: cut it off too.
    for (const Effect& effect : std::as_const(m_effects))
        effect.sound->stop();
}

void QtSoundBackend::onStatusChanged(QSoundEffect* sound)
{
    if (sound != m_current || !m_playWhenLoaded)
        return;
    if (sound->status() == QSoundEffect::Ready)
        begin();
    else if (sound->status() == QSoundEffect::Error)
        settle();
}

void QtSoundBackend::whenDone(std::function<void()> done)
{
    if (!isPlaying()) {
        QMetaObject::invokeMethod(this, std::move(done), Qt::QueuedConnection);
        return;
    }
    m_whenDone = std::move(done);
    m_giveUpTimer.start(m_currentMs + kWaitSlackMs);  // gives up on a sound that never gets going
}

void QtSoundBackend::alert()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}

namespace sound {
SoundBackend& DefaultSoundBackend()
{
    // Owned by the application, so it goes before the audio system does.
    static QPointer<QtSoundBackend> backend;
    if (!backend)
        backend = new QtSoundBackend(game::AppFolder() + QStringLiteral("/sound"), QCoreApplication::instance());
    return *backend;
}
}  // namespace sound
