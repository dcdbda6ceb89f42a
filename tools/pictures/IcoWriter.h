// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The ICO container, written by hand: Qt's writer stores one image per file,
// while the application icon needs three depths side by side.

#include <QByteArray>
#include <QImage>
#include <QList>

namespace art {

struct IcoImage {
    QImage picture;     // any format; alpha below 128 is transparent
    int bitsPerPixel;   // 4, 8 (palette) or 24
};

// One icon directory entry in the classic form: a BMP (height doubled),
// colour bits bottom-up, then the 1-bit AND mask (1 = transparent).
// Paletted entries keep black at index 0 for the transparent pixels.
QByteArray EncodeIcoEntry(const IcoImage& image);

// Header, directory and the entries, in the order given.
QByteArray EncodeIco(const QList<IcoImage>& images);

}  // namespace art
