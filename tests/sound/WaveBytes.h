// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Small wave files made on the spot for the sound tests.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace wavebytes {

inline QByteArray Le(quint32 value, int bytes)
{
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<char>((value >> (8 * i)) & 0xff);
    return out;
}

// One chunk: id, length, body and the pad byte an odd body needs.
inline QByteArray Chunk(const char* id, const QByteArray& body, quint32 claimedLength = 0)
{
    QByteArray out = QByteArray(id, 4) + Le(claimedLength ? claimedLength : body.size(), 4) + body;
    if (body.size() % 2)
        out += '\0';
    return out;
}

inline QByteArray Fmt(int sampleRate, int channels, int bits)
{
    const int blockAlign = channels * bits / 8;
    return Chunk("fmt ", Le(1, 2) + Le(channels, 2) + Le(sampleRate, 4) + Le(sampleRate * blockAlign, 4)
                             + Le(blockAlign, 2) + Le(bits, 2));
}

inline QByteArray Riff(const QByteArray& chunks, const char* form = "WAVE")
{
    return QByteArray("RIFF") + Le(4 + chunks.size(), 4) + QByteArray(form, 4) + chunks;
}

// A silent PCM wave of `ms` milliseconds, 16-bit mono at 22050 Hz.
inline QByteArray Silence(int ms, const QByteArray& chunksBeforeData = {})
{
    const int frames = 22050 * ms / 1000;
    return Riff(Fmt(22050, 1, 16) + chunksBeforeData + Chunk("data", QByteArray(frames * 2, '\0')));
}

inline bool Write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace wavebytes
