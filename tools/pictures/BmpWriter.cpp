// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "BmpWriter.h"

#include "DibFields.h"

namespace art {
namespace {

QByteArray Rows(const QImage& picture, int bits) {
    const int rowBytes = ((picture.width() * bits + 31) / 32) * 4;
    QByteArray out;
    out.reserve(rowBytes * picture.height());
    for (int y = picture.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < picture.width(); ++x) {
            if (bits == 8) {
                row[x] = char(picture.pixelIndex(x, y));
                continue;
            }
            const QRgb c = picture.pixel(x, y);
            row[x * 3] = char(qBlue(c));
            row[x * 3 + 1] = char(qGreen(c));
            row[x * 3 + 2] = char(qRed(c));
        }
        out.append(row);
    }
    return out;
}

}  // namespace

QByteArray EncodeBmp(const QImage& picture) {
    const bool paletted = picture.format() == QImage::Format_Indexed8;
    const QImage source = paletted ? picture : picture.convertToFormat(QImage::Format_RGB32);
    const int bits = paletted ? 8 : 24;
    const QList<QRgb> palette = paletted ? source.colorTable() : QList<QRgb>{};
    const QByteArray pixels = Rows(source, bits);
    const qint64 pixelOffset = 14 + 40 + 4 * palette.size();

    QByteArray out;
    out.append("BM");
    PutU32(out, pixelOffset + pixels.size());
    PutU32(out, 0);
    PutU32(out, pixelOffset);
    PutInfoHeader(out, source.width(), source.height(), bits, pixels.size(), 2835 /* 72 dpi */, palette);
    out.append(pixels);
    return out;
}

}  // namespace art
