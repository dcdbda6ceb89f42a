// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The two picture formats a pack may hold, judged from their bytes before any
// pixel is trusted: a PNG whose data is cut short or inflates past its size,
// a bitmap cut short, without the palette it needs, or indexing past it.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

namespace course::picture {

// What a bitmap's headers say.
struct BitmapHeader {
    QSize size;            // height as stored: negative for a top-down bitmap
    int bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t pixelOffset = 0;
    int paletteAt = 0;      // byte offset of the palette
    int colours = 0;        // palette entries the bitmap declares
};

// The headers of a bitmap, or why they are not those of one we read.
std::optional<BitmapHeader> ReadBitmapHeader(const QByteArray& bytes, QString& problem);

// Decodes a bitmap of 1, 4 or 8 bits a pixel (plain, or run-length compressed)
// into `into` as Indexed8, every pixel written; reuses `into` when it already
// has the size and format. Empty when decoded, else what is wrong.
QString DecodePaletteBitmap(const QByteArray& bytes, const BitmapHeader& header, QImage& into);

// Bytes a plain bitmap needs for its pixels past the pixel offset.
std::uint64_t PlainBitmapBytes(const BitmapHeader& header);

// Why a PNG cannot be trusted (the size it declares larger than `largest`,
// chunks cut short, no palette where its colour type needs one, image data cut
// short or inflating past what its size needs); empty when it is whole.
QString CheckPng(const QByteArray& bytes, QSize largest);

// Why the decoded picture's pixels reach past its palette; empty when none does.
QString PaletteIndicesProblem(const QImage& image);

}  // namespace course::picture
