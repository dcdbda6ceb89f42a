// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// ピポ, the hero, and his friend ヌッピ. Heads are drawn in a 100 × 100 box
// so that the faces, the pointer and the icons share one drawing.

#include <QImage>
#include <QPainter>

namespace art {

enum class Mood { Smile, Startled, Grin, Cheer, Cry };

// The hero's head with ears and hair, filling the 100 × 100 box (line width in box units).
void DrawHeroHead(QPainter& p, Mood mood, qreal lineWidth = 2.6);

// Face pictures of the dialogue box, 130 × 130: faces 1 to 6 in game order
// (4 is the friend).
QImage HeroFace(Mood mood);
QImage FriendFace();
QImage DialogueFace(int index);  // 1..6

// The hero from head to shoes, waving, on a transparent 180 × 190 picture.
QImage TitleHero();

// The hero's head alone on transparent ground, size × size.
QImage HeroHeadIcon(int size, bool smooth = true);

// The application icon: the head on a sky tile. Square and opaque for the
// ICO (Qt shows its 24-bit image and ignores that image's mask), with
// rounded transparent corners for the desktop PNGs.
QImage AppIcon(int size, bool roundedCorners);

// The pointer during a run: small head, 32 × 32, with a cross-hair at (16, 16).
QImage PointerHead();

}  // namespace art
