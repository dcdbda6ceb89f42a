// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Palette pictures from painted ones: the game's BMPs and icons keep to a
// small colour table, so every painted picture goes through here.

#include <QImage>
#include <QList>
#include <QRgb>

namespace art {

// Chooses at most maxColours colours for the given opaque colours (alpha is
// ignored). Exact when the picture has no more colours than that; otherwise
// a median cut over the colour histogram. Deterministic: same input, same
// palette in the same order.
QList<QRgb> ChoosePalette(const QImage& picture, int maxColours);

// The palette entry nearest to colour (squared RGB distance, lowest index on ties).
int NearestIndex(const QList<QRgb>& palette, QRgb colour);

// An Indexed8 copy of picture with at most maxColours palette entries.
QImage ToIndexed(const QImage& picture, int maxColours = 256);

}  // namespace art
