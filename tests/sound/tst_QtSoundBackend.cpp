// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The game's own audio output. None of these cases needs a sound card: with
// no audio server every sound ends at once, with one they play to the end.
#include "WaveBytes.h"
#include "sound/QtSoundBackend.h"
#include "support/TestEnv.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>

using namespace wavebytes;

namespace {
// Waits, as a button's sound does, until the backend says the sound is done.
void WaitUntilDone(QtSoundBackend& backend)
{
    bool done = false;
    backend.whenDone([&done] { done = true; });
    QVERIFY(QTest::qWaitFor([&done] { return done; }, 5000));
}

bool HasAudioOutput()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}
}  // namespace

class TestQtSoundBackend : public QObject {
    Q_OBJECT
    TestEnv env;
    QTemporaryDir folder;

    QString path(const QString& name) const { return folder.filePath(name + QStringLiteral(".wav")); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(Write(path("Click"), Silence(80)));
        QVERIFY(Write(path("Out"), Silence(120)));
        QVERIFY(Write(path("Start"), QByteArray("not a wave file")));
        QVERIFY(Write(path("Clear"), Riff(Fmt(1000, 1, 8) + Chunk("data", "xx"), "AVI ")));
        QVERIFY(Write(path("Other"), Silence(60)));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Yama.wav")));
    }

    void refusesWhatIsNoWaveFileAtOnce()
    {
        QtSoundBackend backend(folder.path());
        for (const char* name : {"Missing", "Start", "Clear", "Yama"}) {
            QVERIFY2(!backend.start(path(name)), name);
            QVERIFY2(!backend.isPlaying(), name);
        }
        WaitUntilDone(backend);  // nothing to wait for
        QVERIFY(!backend.isPlaying());
    }

    void preloadsOnlyTheGoodGameEffects()
    {
        QtSoundBackend backend(folder.path());
        // Start is text, Clear is a video container, Yama a folder, Other not a game effect.
        QCOMPARE(backend.preloaded(), QStringList({QStringLiteral("Click"), QStringLiteral("Out")}));
    }

    void preloadsAllElevenFromTheAppFolder()
    {
        const QString sounds = QStringLiteral(POKURIMO_APP_FOLDER "/sound");
        if (QDir(sounds).entryList({QStringLiteral("*.wav")}, QDir::Files).isEmpty())
            QSKIP("the build tree has no sound files yet (assets/sound is empty)");
        QtSoundBackend backend(sounds);
        QStringList found = backend.preloaded();
        QStringList wanted = QtSoundBackend::GameEffects();
        found.sort();
        wanted.sort();
        QCOMPARE(found, wanted);
    }

    void playsToTheEndWithoutHanging()
    {
        QtSoundBackend backend(folder.path());
        const bool hasOutput = HasAudioOutput();
        // Started straight after the backend was made: most likely still loading,
        // and it must count as playing from the start all the same.
        QVERIFY(backend.start(path("Click")));
        QCOMPARE(backend.isPlaying(), hasOutput);
        WaitUntilDone(backend);
        QVERIFY(!backend.isPlaying());

        // Loaded on demand, not one of the game's effects.
        QVERIFY(backend.start(path("Other")));
        QCOMPARE(backend.isPlaying(), hasOutput);
        WaitUntilDone(backend);
        QVERIFY(!backend.isPlaying());
    }

    void startAndStopReplaceWhatPlays()
    {
        QtSoundBackend backend(folder.path());
        QVERIFY(backend.start(path("Out")));
        QVERIFY(backend.start(path("Click")));  // Out cut off
        QVERIFY(backend.start(path("Click")));  // restarted
        backend.stop();
        QVERIFY(!backend.isPlaying());
        WaitUntilDone(backend);  // returns at once: nothing left to wait for
        QVERIFY(!backend.start(path("Missing")));
        QVERIFY(!backend.isPlaying());
    }

    void fileTheDecoderRefusesEndsTheWait()
    {
        // A good head on data the decoder cannot read (24-bit companded, format 7 at 3 bytes):
        // found bad only once loading has run.
        const QString odd = folder.filePath(QStringLiteral("Odd.wav"));
        QVERIFY(Write(odd, Riff(Chunk("fmt ", Le(7, 2) + Le(1, 2) + Le(8000, 4) + Le(24000, 4) + Le(3, 2) + Le(24, 2))
                                + Chunk("data", QByteArray(2400, '\x55')))));
        QtSoundBackend backend(folder.path());
        backend.start(odd);  // may or may not know yet
        WaitUntilDone(backend);
        QVERIFY(!backend.isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!backend.start(odd), 30000);  // known bad once loaded, however busy the machine
        QVERIFY(!backend.isPlaying());
    }
};

QTEST_MAIN(TestQtSoundBackend)
#include "tst_QtSoundBackend.moc"
