// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// PlayWave and PlayWaveAsync over a recording backend: which file, in what
// order, when they wait and when they beep instead.
#include "WaveBytes.h"
#include "game/Module1.h"
#include "sound/QtSoundBackend.h"
#include "support/TestEnv.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
// Logs every call with its full path, for the cases where FakeSound's base names say too little.
class CallLog final : public SoundBackend {
public:
    bool isPlaying() const override { return false; }
    bool start(const QString& path) override
    {
        calls << QStringLiteral("start ") + path;
        return true;
    }
    void stop() override { calls << QStringLiteral("stop"); }
    void waitUntilDone() override { calls << QStringLiteral("wait"); }
    void alert() override { calls << QStringLiteral("alert"); }
    QStringList calls;
};
}  // namespace

class TestPlayWave : public QObject {
    Q_OBJECT
    TestEnv env;
    QTemporaryDir appFolder;

    QString soundFile(const QString& name) const
    {
        return appFolder.filePath(QStringLiteral("sound/") + name + QStringLiteral(".wav"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString& name : QtSoundBackend::GameEffects())
            QVERIFY(wavebytes::Write(soundFile(name), wavebytes::Silence(30)));
    }
    void init()
    {
        Module1::SetAppFolder(appFolder.path());
        Module1::SetSoundBackend(&env.sound);
        env.sound = FakeSound();
    }

    void pathIsAppFolderSoundNameWav()
    {
        CallLog log;
        Module1::SetSoundBackend(&log);
        Module1::PlayWave(QStringLiteral("Okasiya"));
        Module1::PlayWaveAsync(QStringLiteral("rIvEr"));  // the name goes in as given
        const QString folder = appFolder.path() + QStringLiteral("/sound/");
        QCOMPARE(log.calls, QStringList({QStringLiteral("start ") + folder + "Okasiya.wav", QStringLiteral("wait"),
                                         QStringLiteral("stop"), QStringLiteral("start ") + folder + "rIvEr.wav"}));
    }

    void asyncReplacesWhatPlays()
    {
        env.sound.keepPlaying = true;
        // A checkpoint restarts its sound on every pointer move inside it.
        Module1::PlayWaveAsync(QStringLiteral("Out"));
        Module1::PlayWaveAsync(QStringLiteral("Yama"));
        Module1::PlayWaveAsync(QStringLiteral("Yama"));
        QCOMPARE(env.sound.started, QStringList({"Out", "Yama", "Yama"}));
        QVERIFY(env.sound.isPlaying());
        QCOMPARE(env.sound.waits, 0);  // never waits for anything
        QCOMPARE(env.sound.alerts, 0);
    }

    void syncIsSkippedWhileSomethingPlays()
    {
        env.sound.keepPlaying = true;
        Module1::PlayWaveAsync(QStringLiteral("Out"));
        Module1::PlayWave(QStringLiteral("Click"));  // a button pressed while "Out" still sounds
        QCOMPARE(env.sound.started, QStringList({QStringLiteral("Out")}));
        QVERIFY(env.sound.isPlaying());  // "Out" goes on
        QCOMPARE(env.sound.waits, 0);
        QCOMPARE(env.sound.alerts, 0);
    }

    void syncWaitsForTheEnd()
    {
        Module1::PlayWave(QStringLiteral("Click"));
        Module1::PlayWave(QStringLiteral("Click"));
        QCOMPARE(env.sound.started, QStringList({"Click", "Click"}));
        QCOMPARE(env.sound.waits, 2);
        QVERIFY(!env.sound.isPlaying());
    }

    void missingFileBeepsOnceAndDoesNotWait()
    {
        Module1::PlayWave(QStringLiteral("Nothing"));
        QCOMPARE(env.sound.alerts, 1);
        QCOMPARE(env.sound.waits, 0);
        Module1::PlayWaveAsync(QStringLiteral("Nothing"));
        QCOMPARE(env.sound.alerts, 2);
        QCOMPARE(env.sound.started, QStringList());
    }

    void noSoundFolderBeepsForEveryEffect()
    {
        QTemporaryDir bare;  // an application folder without sound/
        Module1::SetAppFolder(bare.path());
        for (const QString& name : QtSoundBackend::GameEffects()) {
            Module1::PlayWave(name);
            Module1::PlayWaveAsync(name);
        }
        QCOMPARE(env.sound.alerts, 2 * QtSoundBackend::GameEffects().size());
        QCOMPARE(env.sound.started, QStringList());
        QCOMPARE(env.sound.waits, 0);
    }

    void nullRestoresTheGamesOwnBackend()
    {
        Module1::SetSoundBackend(nullptr);
        SoundBackend* own = &Module1::Sound();
        QVERIFY(dynamic_cast<QtSoundBackend*>(own));
        Module1::SetSoundBackend(&env.sound);
        QCOMPARE(&Module1::Sound(), static_cast<SoundBackend*>(&env.sound));
        Module1::SetSoundBackend(nullptr);
        QCOMPARE(&Module1::Sound(), own);  // made once, kept
    }
};

QTEST_MAIN(TestPlayWave)
#include "tst_PlayWave.moc"
