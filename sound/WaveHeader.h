// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Reading the head of a wave file: enough to refuse a file that is not one
// before handing it to the audio output, and to know how long it plays.

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

struct WaveInfo {
    std::uint32_t byteRate = 0;   // bytes of sound per second
    std::uint32_t dataBytes = 0;  // bytes of sound actually present in the file
    int durationMs() const;
};

// How many leading bytes ParseWaveHeader looks at; enough for the usual
// fmt, fact and LIST chunks before the sound data.
constexpr int kWaveHeadBytes = 4096;

// `head` is the start of the file, `fileSize` its whole length (a data chunk
// that claims more than the file holds is cut to what is there). Nothing when
// the bytes are not a RIFF/WAVE file with a usable fmt chunk followed by data.
std::optional<WaveInfo> ParseWaveHeader(QByteArrayView head, qint64 fileSize);

// The same for a file on disk; nothing when it is missing or unreadable.
std::optional<WaveInfo> ReadWaveFile(const QString& path);
