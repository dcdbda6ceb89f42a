// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Layout values are twips, 15 to the pixel; fractions go to the nearest pixel.

#include <QRect>

namespace twips {

constexpr int Px(int twips) { return (twips * 2 + 15) / 30; }
constexpr QRect Rect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace twips
