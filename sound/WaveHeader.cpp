// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "sound/WaveHeader.h"

#include <QFile>
#include <QtEndian>

namespace {
constexpr qsizetype kChunkHeader = 8;  // four-letter id, little-endian length
constexpr qsizetype kFmtMinimum = 16;  // PCM fmt chunk: format .. bits per sample
constexpr qsizetype kByteRateAt = 8;   // within the fmt chunk

std::uint32_t Le32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(bytes.data() + at);
}

bool IdAt(QByteArrayView bytes, qsizetype at, const char (&id)[5])
{
    return bytes.sliced(at, 4) == QByteArrayView(id, 4);
}
}  // namespace

int WaveInfo::durationMs() const
{
    if (byteRate == 0)
        return 0;
    return static_cast<int>(std::uint64_t{dataBytes} * 1000 / byteRate);
}

std::optional<WaveInfo> ParseWaveHeader(QByteArrayView head, qint64 fileSize)
{
    if (head.size() < 12 || !IdAt(head, 0, "RIFF") || !IdAt(head, 8, "WAVE"))
        return std::nullopt;

    std::optional<std::uint32_t> byteRate;
    qsizetype at = 12;
    while (at + kChunkHeader <= head.size()) {
        const std::uint32_t length = Le32(head, at + 4);
        const qsizetype body = at + kChunkHeader;
        if (IdAt(head, at, "fmt ")) {
            if (length < kFmtMinimum || body + kFmtMinimum > head.size())
                return std::nullopt;
            byteRate = Le32(head, body + kByteRateAt);
        } else if (IdAt(head, at, "data")) {
            if (!byteRate || *byteRate == 0)
                return std::nullopt;  // sound data with no format to play it in
            const qint64 present = std::max<qint64>(0, fileSize - body);
            return WaveInfo{*byteRate, static_cast<std::uint32_t>(std::min<qint64>(length, present))};
        }
        at = body + length + (length & 1);  // chunks are padded to even lengths
    }
    return std::nullopt;
}

std::optional<WaveInfo> ReadWaveFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ParseWaveHeader(file.read(kWaveHeadBytes), file.size());
}
