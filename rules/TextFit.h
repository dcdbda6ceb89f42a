// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The game's caption font and the boxes of the play screen that show a
// course's texts, in one place: the screens draw with them and the pack
// loader measures a pack's texts against them, so a text the loader lets
// through is a text the player sees whole.

#include "rules/Twips.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace fit {

// Captions name "ＭＳ Ｐゴシック"; it resolves to IPAPGothic (or the next Gothic found).
inline const QString kCaptionFamily = QStringLiteral("ＭＳ Ｐゴシック");
const QStringList& CaptionSubstitutes();
// Lets the family resolve to its substitutes: once, on the GUI thread, before any caption is made.
void RegisterFontSubstitutes();

// The bold caption font at a size in pixels (12 pt = 16 px, 11.25 pt = 15 px,
// 9.75 pt = 13 px at the layout's 96 dpi), so desktop dpi does not move the layout.
QFont CaptionFont(int pixelSize);
constexpr int k12pt = 16;
constexpr int k11_25pt = 15;
constexpr int k9_75pt = 13;

// A one-line box narrows its font in steps of 5 down to this stretch at most.
constexpr int kNarrowest = 70;
// `font` narrowed just enough that `text` fits `width` pixels on one line
// (the Gothic runs wider than the layout's own font in a few tight boxes).
QFont Narrowed(QFont font, const QString& text, int width);

// The pixels `text` needs in `font` when a plain label `width` wide draws it
// with `flags` (Qt::TextWordWrap, Qt::TextShowMnemonic): the layout's boxes are
// as tall as the font's pixel size, so the last line needs that much and the
// lines above it the font's line spacing; on one line what counts is the ink.
QSize Needs(const QFont& font, const QString& text, int width, int flags);

// A box of the play screen that shows a course's texts, in the caption font
// at 12 pt inside a 1 px sunken frame.
struct TextBox {
    QRect geometry;  // window pixels
    bool wrap;       // word-wrapped; otherwise one line, narrowed
    const char* name;
    QSize room() const { return geometry.size() - QSize(2 * kFrame, 2 * kFrame); }
    static constexpr int kFrame = 1;
};
inline constexpr TextBox kStageBox{twips::Rect(4680, 240, 1815, 615), false, "STAGE"};
inline constexpr TextBox kDialogueBox{twips::Rect(0, 4560, 4545, 2010), true, "dialogue"};

// Whether texts can be measured: Qt's fonts come from the platform, which
// only a QGuiApplication brings. Any thread may measure once one exists.
bool CanMeasure();
// What `text` needs in `box` when it does not fit there; empty when it fits.
// Measured with the caption font however its substitutes stand, so a thread
// or a tool that never registered them measures as the screens draw.
std::optional<QSize> Overflow(const TextBox& box, const QString& text);

}  // namespace fit
