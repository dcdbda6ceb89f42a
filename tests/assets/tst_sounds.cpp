// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The sound effects: eleven 16-bit mono PCM wave files at 22,050 Hz, each
// within its length, below the peak ceiling and near one common loudness;
// gen_sounds writing the same bytes on every run.

#include "Effects.h"
#include "GeneratorRun.h"
#include "Synth.h"
#include "support/TestEnv.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

const QString kAssets = QStringLiteral(POKURIMO_SOURCE_DIR "/assets");
const QStringList kNames = {"Click", "Start", "Out", "Clear", "Claps", "Yama",
                            "Okasiya", "Kouji", "Car", "Rain", "River"};

struct Pcm {
    int format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    QList<double> samples;  // in [-1, 1)
    bool valid = false;

    double Seconds() const { return double(samples.size()) / rate; }
};

// Walks the RIFF chunks; fills the format and the samples of a 16-bit file.
Pcm ReadWav(const QByteArray& file) {
    Pcm pcm;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return pcm;
    if (qFromLittleEndian<quint32>(file.constData() + 4) != quint32(file.size() - 8)) return pcm;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray tag = file.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(file.constData() + at + 4);
        const char* body = file.constData() + at + 8;
        if (at + 8 + size > file.size()) return pcm;
        if (tag == "fmt " && size >= 16) {
            pcm.format = qFromLittleEndian<quint16>(body);
            pcm.channels = qFromLittleEndian<quint16>(body + 2);
            pcm.rate = int(qFromLittleEndian<quint32>(body + 4));
            pcm.byteRate = int(qFromLittleEndian<quint32>(body + 8));
            pcm.blockAlign = qFromLittleEndian<quint16>(body + 12);
            pcm.bits = qFromLittleEndian<quint16>(body + 14);
            haveFormat = true;
        } else if (tag == "data" && haveFormat && pcm.bits == 16) {
            for (qsizetype i = 0; i + 1 < size; i += 2)
                pcm.samples.append(qFromLittleEndian<qint16>(body + i) / 32768.0);
            pcm.valid = true;
        }
        at += 8 + size + (size & 1);
    }
    return pcm;
}

Pcm Committed(const QString& name) {
    return ReadWav(assets_test::ReadAll(kAssets + "/sound/" + name + ".wav"));
}

double PeakDb(const QList<double>& s) {
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::fabs(v));
    return 20 * std::log10(peak);
}

double RmsDb(const QList<double>& s) {
    double sum = 0;
    for (double v : s) sum += v * v;
    return 10 * std::log10(sum / double(s.size()));
}

// Rough pitch of a stretch: zero crossings per second over two.
double CrossingPitch(const QList<double>& s, qsizetype from, qsizetype to, int rate) {
    int crossings = 0;
    for (qsizetype i = from + 1; i < to; ++i) crossings += (s[i - 1] < 0) != (s[i] < 0);
    return crossings * rate / (2.0 * double(to - from));
}

}  // namespace

class SoundsTest : public QObject {
    Q_OBJECT
    TestEnv m_env;

private Q_SLOTS:
    void soundIsShortMonoPcmBelowTheCeiling_data();
    void soundIsShortMonoPcmBelowTheCeiling();
    void loudnessIsEvenAcrossTheSet();
    void startRisesAndOutFalls();
    void normaliseReachesTheLoudnessUnderTheCeiling();
    void generatorWritesTheSameBytesAsCommitted();
};

void SoundsTest::soundIsShortMonoPcmBelowTheCeiling_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("longest");
    for (const QString& name : kNames) {
        const double longest = name == "Click" ? 0.12 : (name == "Clear" || name == "Claps") ? 3.0 : 2.0;
        QTest::newRow(qPrintable(name)) << name << longest;
    }
}

void SoundsTest::soundIsShortMonoPcmBelowTheCeiling() {
    QFETCH(QString, name);
    QFETCH(double, longest);
    const Pcm pcm = Committed(name);
    QVERIFY2(pcm.valid, "not a readable 16-bit wave file");
    QCOMPARE(pcm.format, 1);
    QCOMPARE(pcm.channels, 1);
    QCOMPARE(pcm.bits, 16);
    QCOMPARE(pcm.rate, 22050);
    QCOMPARE(pcm.blockAlign, 2);
    QCOMPARE(pcm.byteRate, 44100);
    QVERIFY2(pcm.Seconds() <= longest, qPrintable(QString::number(pcm.Seconds())));
    QVERIFY(pcm.Seconds() >= 0.03);
    QVERIFY2(PeakDb(pcm.samples) <= -1.0, qPrintable(QString::number(PeakDb(pcm.samples))));
    QVERIFY(RmsDb(pcm.samples) > -30.0);  // audible, not a silent stub
}

void SoundsTest::loudnessIsEvenAcrossTheSet() {
    double quietest = 0, loudest = -200;
    for (const QString& name : kNames) {
        const Pcm pcm = Committed(name);
        QVERIFY2(pcm.valid, qPrintable(name));
        quietest = std::min(quietest, RmsDb(pcm.samples));
        loudest = std::max(loudest, RmsDb(pcm.samples));
    }
    QVERIFY2(loudest - quietest <= 6.0, qPrintable(QString("spread %1 dB").arg(loudest - quietest)));
}

void SoundsTest::startRisesAndOutFalls() {
    for (const auto& [name, rises] : {std::pair{QString("Start"), true}, std::pair{QString("Out"), false}}) {
        const Pcm pcm = Committed(name);
        QVERIFY(pcm.valid);
        const qsizetype third = pcm.samples.size() / 3;
        const double early = CrossingPitch(pcm.samples, 0, third, pcm.rate);
        const double late = CrossingPitch(pcm.samples, 2 * third, 3 * third, pcm.rate);
        QVERIFY2(rises ? late > 1.3 * early : early > 1.3 * late,
                 qPrintable(QString("%1: %2 Hz then %3 Hz").arg(name).arg(early).arg(late)));
    }
}

void SoundsTest::normaliseReachesTheLoudnessUnderTheCeiling() {
    // A quiet hum with one loud crack: plain scaling would push the crack past the ceiling.
    synth::Wave wave = synth::Tone(0.5, 300, synth::Shape::Sine);
    for (double& s : wave) s *= 0.01;
    wave[1000] = 0.9;
    synth::Normalise(wave, -18.0, -1.5);
    QVERIFY(synth::Peak(wave) <= synth::FromDb(-1.5) + 1e-12);
    QVERIFY2(std::fabs(synth::ToDb(synth::Rms(wave)) + 18.0) < 1.0,
             qPrintable(QString::number(synth::ToDb(synth::Rms(wave)))));

    synth::Wave silence = synth::Silence(0.1);
    synth::Normalise(silence, -18.0, -1.5);
    QCOMPARE(synth::Peak(silence), 0.0);
}

void SoundsTest::generatorWritesTheSameBytesAsCommitted() {
    QTemporaryDir first, second;
    QString errors;
    QVERIFY2(assets_test::RunGenerator(GEN_SOUNDS, first.path(), &errors), qPrintable(errors));
    QVERIFY2(assets_test::RunGenerator(GEN_SOUNDS, second.path(), &errors), qPrintable(errors));
    QStringList expected;
    for (const QString& name : kNames) expected.append("sound/" + name + ".wav");
    expected.sort();
    QCOMPARE(assets_test::FilesBelow(first.path(), "sound"), expected);
    QCOMPARE(assets_test::Differences(first.path(), second.path(), "sound"), QStringList());
    // What is committed is what the generator writes now: regenerate after a change.
    QCOMPARE(assets_test::Differences(first.path(), kAssets, "sound"), QStringList());
}

QTEST_MAIN(SoundsTest)
#include "tst_sounds.moc"
