// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The look shared by the three screens: the caption font, twips, colours.

#include "rules/TextFit.h"
#include "rules/Twips.h"

#include <QColor>
#include <QFont>
#include <QRect>

class QLabel;
class QWidget;
class QPalette;

namespace look {

// The caption font and its sizes, as the pack loader measures with them.
using fit::CaptionFont;
using fit::k11_25pt;
using fit::k12pt;
using fit::k9_75pt;
using fit::RegisterFontSubstitutes;

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
