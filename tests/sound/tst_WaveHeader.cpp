// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Reading wave file heads: which files are refused, and how long the rest play.
#include "WaveBytes.h"
#include "sound/WaveHeader.h"
#include "support/TestEnv.h"

#include <QTemporaryDir>
#include <QTest>

using namespace wavebytes;

class TestWaveHeader : public QObject {
    Q_OBJECT
    TestEnv env;

    static std::optional<WaveInfo> Parse(const QByteArray& file)
    {
        return ParseWaveHeader(file.first(std::min<qsizetype>(file.size(), kWaveHeadBytes)), file.size());
    }

private Q_SLOTS:
    void duration_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("ms");
        QTest::newRow("plain 16-bit mono") << Silence(500) << 500;
        QTest::newRow("stereo 8-bit") << Riff(Fmt(8000, 2, 8) + Chunk("data", QByteArray(4000, '\x80'))) << 250;
        // An odd-length chunk is followed by a pad byte that is not part of the next id.
        QTest::newRow("odd LIST chunk before data") << Silence(200, Chunk("LIST", "INFOabc")) << 200;
        QTest::newRow("fact chunk before fmt")
            << Riff(Chunk("fact", Le(100, 4)) + Fmt(1000, 1, 8) + Chunk("data", QByteArray(100, '\0'))) << 100;
        // A writer that never came back to fill in the length: only what is there plays.
        QTest::newRow("data longer than the file")
            << Riff(Fmt(1000, 1, 8) + Chunk("data", QByteArray(300, '\0'), 0xFFFFFFFFu)) << 300;
        QTest::newRow("empty data") << Riff(Fmt(1000, 1, 8) + Chunk("data", {})) << 0;
    }
    void duration()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, ms);
        const std::optional<WaveInfo> info = Parse(file);
        QVERIFY(info);
        QCOMPARE(info->durationMs(), ms);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray good = Silence(50);
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a sound at all");
        QTest::newRow("riff but not wave") << Riff(Fmt(1000, 1, 8) + Chunk("data", "xx"), "AVI ");
        QTest::newRow("big-endian rifx") << QByteArray("RIFX") + good.mid(4);
        QTest::newRow("data before fmt") << Riff(Chunk("data", "xx") + Fmt(1000, 1, 8));
        QTest::newRow("no data chunk") << Riff(Fmt(1000, 1, 8));
        QTest::newRow("fmt too short") << Riff(Chunk("fmt ", Le(1, 2) + Le(1, 2)) + Chunk("data", "xx"));
        QTest::newRow("zero byte rate")
            << Riff(Chunk("fmt ", Le(1, 2) + Le(1, 2) + Le(1000, 4) + Le(0, 4) + Le(1, 2) + Le(8, 2))
                    + Chunk("data", "xx"));
        QTest::newRow("cut inside fmt") << good.first(30);
        // Padding wrong: the chunk walk must not read past the head nor loop.
        QTest::newRow("chunk length past the head") << Riff(Chunk("junk", "abcd", 0x7FFFFFF0u) + Fmt(1000, 1, 8));
        QTest::newRow("data past the head") << Riff(Chunk("junk", QByteArray(kWaveHeadBytes, 'j')) + Fmt(1000, 1, 8)
                                                    + Chunk("data", "xx"));
    }
    void refused()
    {
        QFETCH(QByteArray, file);
        QVERIFY(!Parse(file));
    }

    void readsFilesOnDisk()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("Good.wav"));
        QVERIFY(Write(good, Silence(120)));
        const std::optional<WaveInfo> info = ReadWaveFile(good);
        QVERIFY(info);
        QCOMPARE(info->durationMs(), 120);

        QVERIFY(!ReadWaveFile(dir.filePath(QStringLiteral("Missing.wav"))));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Folder.wav")));
        QVERIFY(!ReadWaveFile(dir.filePath(QStringLiteral("Folder.wav"))));
    }
};

QTEST_MAIN(TestWaveHeader)
#include "tst_WaveHeader.moc"
