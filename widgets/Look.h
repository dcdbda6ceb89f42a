// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The look shared by the three screens: the caption font, twips, colours.

#include "rules/Twips.h"

#include <QColor>
#include <QFont>
#include <QRect>

class QLabel;
class QWidget;
class QPalette;

namespace look {

// Captions name "ＭＳ Ｐゴシック"; it resolves to IPAPGothic (or the next Gothic found).
inline const QString kCaptionFamily = QStringLiteral("ＭＳ Ｐゴシック");
void RegisterFontSubstitutes();

// The bold caption font at a size in pixels (12 pt = 16 px, 11.25 pt = 15 px,
// 9.75 pt = 13 px at the layout's 96 dpi), so desktop dpi does not move the layout.
QFont CaptionFont(int pixelSize);
constexpr int k12pt = 16;
constexpr int k11_25pt = 15;
constexpr int k9_75pt = 13;

// Narrows a label's font just enough that its longest text fits on one line:
// the Gothic runs wider than the layout's own font in a few tight boxes.
void FitWidth(QLabel* label, const QString& longest);

// Layout values are twips, 15 to the pixel.
using twips::Px;
constexpr QRect Twips(int left, int top, int width, int height) { return twips::Rect(left, top, width, height); }

inline const QColor kWindowGrey(128, 128, 128);

// Sets a widget's background (filled) and text colour.
void Paint(QWidget* w, const QColor& background, const QColor& text);
void PaintText(QWidget* w, const QColor& text);  // text only, background left alone

// A fixed, non-resizable window without maximize and minimize buttons, centred.
void MakeFixedWindow(QWidget* window, int clientWidth, int clientHeight);
void CentreOnScreen(QWidget* window);
// A screen that has just opened: centred, and its window active, so that keys
// reach it at once, whether or not a window manager focuses new windows.
void Present(QWidget* window);

}  // namespace look
