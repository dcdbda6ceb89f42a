// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "IcoWriter.h"

#include "Indexed.h"

#include "DibFields.h"

namespace art {
namespace {

int RowBytes(int width, int bits) {
    return ((width * bits + 31) / 32) * 4;
}

bool Transparent(const QImage& argb, int x, int y) {
    return qAlpha(argb.pixel(x, y)) < 128;
}

// Transparent pixels become black: with the AND bit set, the screen shows through.
QImage OpaqueOnBlack(const QImage& argb) {
    QImage rgb(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            rgb.setPixel(x, y, Transparent(argb, x, y) ? qRgb(0, 0, 0) : (argb.pixel(x, y) | 0xff000000u));
    return rgb;
}

// Palette with black first; colours of the picture after it.
QList<QRgb> IconPalette(const QImage& rgb, int bits) {
    QList<QRgb> palette{qRgb(0, 0, 0)};
    palette.append(ChoosePalette(rgb, (1 << bits) - 1));
    while (palette.size() < (1 << bits)) palette.append(qRgb(0, 0, 0));
    return palette;
}

QByteArray ColourBits(const QImage& rgb, int bits, const QList<QRgb>& palette) {
    QByteArray out;
    const int rowBytes = RowBytes(rgb.width(), bits);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            if (bits == 24) {
                row[x * 3] = char(qBlue(c));
                row[x * 3 + 1] = char(qGreen(c));
                row[x * 3 + 2] = char(qRed(c));
                continue;
            }
            const int index = qRgb(0, 0, 0) == (c | 0xff000000u) ? 0 : NearestIndex(palette, c);
            if (bits == 8) row[x] = char(index);
            else row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    return out;
}

QByteArray MaskBits(const QImage& argb) {
    QByteArray out;
    const int rowBytes = RowBytes(argb.width(), 1);
    for (int y = argb.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < argb.width(); ++x)
            if (Transparent(argb, x, y)) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

}  // namespace

QByteArray EncodeIcoEntry(const IcoImage& image) {
    const QImage argb = image.picture.convertToFormat(QImage::Format_ARGB32);
    const QImage rgb = OpaqueOnBlack(argb);
    const int bits = image.bitsPerPixel;
    const QList<QRgb> palette = bits <= 8 ? IconPalette(rgb, bits) : QList<QRgb>{};
    const QByteArray colour = ColourBits(rgb, bits, palette);
    const QByteArray mask = MaskBits(argb);

    QByteArray out;
    // An icon's height counts the colour bits and the mask.
    PutInfoHeader(out, argb.width(), argb.height() * 2, bits, colour.size() + mask.size(), 0, palette);
    out.append(colour);
    out.append(mask);
    return out;
}

QByteArray EncodeIco(const QList<IcoImage>& images) {
    QList<QByteArray> entries;
    for (const IcoImage& image : images) entries.append(EncodeIcoEntry(image));

    QByteArray out;
    PutU16(out, 0);
    PutU16(out, 1);  // icon, not cursor
    PutU16(out, images.size());
    qint64 offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const QImage& picture = images[i].picture;
        const int bits = images[i].bitsPerPixel;
        out.append(char(picture.width() >= 256 ? 0 : picture.width()));
        out.append(char(picture.height() >= 256 ? 0 : picture.height()));
        out.append(char(bits < 8 ? 1 << bits : 0));
        out.append('\0');
        PutU16(out, 1);
        PutU16(out, bits);
        PutU32(out, entries[i].size());
        PutU32(out, offset);
        offset += entries[i].size();
    }
    for (const QByteArray& entry : entries) out.append(entry);
    return out;
}

}  // namespace art
