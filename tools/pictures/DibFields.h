// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Little-endian fields of the Windows picture formats (BMP, ICO), and the
// device-independent bitmap header both formats carry.

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QtEndian>

namespace art {

inline void PutU16(QByteArray& out, int value)
{
    const quint16 v = qToLittleEndian(quint16(value));
    out.append(reinterpret_cast<const char*>(&v), 2);
}

inline void PutU32(QByteArray& out, qint64 value)
{
    const quint32 v = qToLittleEndian(quint32(value));
    out.append(reinterpret_cast<const char*>(&v), 4);
}

// BITMAPINFOHEADER followed by the palette (blue, green, red, 0 per entry).
inline void PutInfoHeader(QByteArray& out, int width, int height, int bits, qint64 imageBytes, int pixelsPerMetre,
                          const QList<QRgb>& palette)
{
    PutU32(out, 40);
    PutU32(out, width);
    PutU32(out, height);
    PutU16(out, 1);
    PutU16(out, bits);
    PutU32(out, 0);  // uncompressed
    PutU32(out, imageBytes);
    PutU32(out, pixelsPerMetre);
    PutU32(out, pixelsPerMetre);
    PutU32(out, palette.size());
    PutU32(out, 0);
    for (QRgb c : palette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append('\0');
    }
}

}  // namespace art
