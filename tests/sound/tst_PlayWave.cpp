// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// PlayWave and PlayWaveAsync over a recording backend: which file, in what
// order, when they wait and when they beep instead.
#include "WaveBytes.h"
#include "game/AppFolder.h"
#include "sound/QtSoundBackend.h"
#include "sound/SoundBackend.h"
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
    void whenDone(std::function<void()> done) override
    {
        calls << QStringLiteral("wait");
        done();
    }
    void alert() override { calls << QStringLiteral("alert"); }
    QStringList calls;
};
}  // namespace

class TestPlayWave : public QObject {
    Q_OBJECT
    TestEnv env;
    QTemporaryDir appFolder;

    int m_actions = 0;  // the buttons' actions that ran after their sounds

    // A button's sound, then its action.
    void Click(const QString& name)
    {
        sound::PlayWave(name, this, [this] { ++m_actions; });
    }

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
        game::SetAppFolder(appFolder.path());
        sound::SetSoundBackend(&env.sound);
        env.sound = FakeSound();
        m_actions = 0;
    }

    void pathIsAppFolderSoundNameWav()
    {
        CallLog log;
        sound::SetSoundBackend(&log);
        sound::PlayWave(QStringLiteral("Okasiya"), this, [&log] { log.calls << QStringLiteral("then"); });
        sound::PlayWaveAsync(QStringLiteral("rIvEr"));  // the name goes in as given
        const QString folder = appFolder.path() + QStringLiteral("/sound/");
        QCOMPARE(log.calls, QStringList({QStringLiteral("start ") + folder + "Okasiya.wav", QStringLiteral("wait"),
                                         QStringLiteral("then"), QStringLiteral("stop"), QStringLiteral("start ") + folder + "rIvEr.wav"}));
    }

    void asyncReplacesWhatPlays()
    {
        env.sound.keepPlaying = true;
        // A checkpoint restarts its sound on every pointer move inside it.
        sound::PlayWaveAsync(QStringLiteral("Out"));
        sound::PlayWaveAsync(QStringLiteral("Yama"));
        sound::PlayWaveAsync(QStringLiteral("Yama"));
        QCOMPARE(env.sound.started, QStringList({"Out", "Yama", "Yama"}));
        QVERIFY(env.sound.isPlaying());
        QCOMPARE(env.sound.waits, 0);  // never waits for anything
        QCOMPARE(env.sound.alerts, 0);
    }

    void syncIsSkippedWhileSomethingPlays()
    {
        env.sound.keepPlaying = true;
        sound::PlayWaveAsync(QStringLiteral("Out"));
        Click(QStringLiteral("Click"));  // a button pressed while "Out" still sounds
        QCOMPARE(env.sound.started, QStringList({QStringLiteral("Out")}));
        QVERIFY(env.sound.isPlaying());  // "Out" goes on
        QCOMPARE(env.sound.waits, 0);
        QCOMPARE(env.sound.alerts, 0);
        QCOMPARE(m_actions, 1);  // the button's action, at once
    }

    void syncWaitsForTheEnd()
    {
        Click(QStringLiteral("Click"));
        Click(QStringLiteral("Click"));
        QCOMPARE(env.sound.started, QStringList({"Click", "Click"}));
        QCOMPARE(env.sound.waits, 2);
        QVERIFY(!env.sound.isPlaying());
        QCOMPARE(m_actions, 2);

        // The one who waited goes meanwhile (a screen closed): its action goes with it.
        env.sound.waitMs = 20;
        bool ran = false;
        auto* screen = new QObject(this);
        sound::PlayWave(QStringLiteral("Click"), screen, [&ran] { ran = true; });
        delete screen;
        QTest::qWait(60);
        QVERIFY(!ran);
    }

    void missingFileBeepsOnceAndDoesNotWait()
    {
        Click(QStringLiteral("Nothing"));
        QCOMPARE(env.sound.alerts, 1);
        QCOMPARE(env.sound.waits, 0);
        QCOMPARE(m_actions, 1);  // the button still acts
        sound::PlayWaveAsync(QStringLiteral("Nothing"));
        QCOMPARE(env.sound.alerts, 2);
        QCOMPARE(env.sound.started, QStringList());
    }

    void noSoundFolderBeepsForEveryEffect()
    {
        QTemporaryDir bare;  // an application folder without sound/
        game::SetAppFolder(bare.path());
        for (const QString& name : QtSoundBackend::GameEffects()) {
            Click(name);
            sound::PlayWaveAsync(name);
        }
        QCOMPARE(env.sound.alerts, 2 * QtSoundBackend::GameEffects().size());
        QCOMPARE(env.sound.started, QStringList());
        QCOMPARE(env.sound.waits, 0);
    }

    void nullRestoresTheGamesOwnBackend()
    {
        sound::SetSoundBackend(nullptr);
        SoundBackend* own = &sound::Sound();
        QVERIFY(dynamic_cast<QtSoundBackend*>(own));
        sound::SetSoundBackend(&env.sound);
        QCOMPARE(&sound::Sound(), static_cast<SoundBackend*>(&env.sound));
        sound::SetSoundBackend(nullptr);
        QCOMPARE(&sound::Sound(), own);  // made once, kept
    }
};

QTEST_MAIN(TestPlayWave)
#include "tst_PlayWave.moc"
