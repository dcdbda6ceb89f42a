// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Windows bitmaps written by hand: Qt's BMP writer leaves the row padding of
// palette pictures uninitialised, so its files change from run to run.

#include <QByteArray>
#include <QImage>

namespace art {

// A bottom-up BMP with a BITMAPINFOHEADER: an Indexed8 picture with its
// colour table as 8 bits per pixel, anything else as 24-bit colour.
// Row padding is zero.
QByteArray EncodeBmp(const QImage& picture);

}  // namespace art
