// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A scene told line by line through the play screen's dialogue.

#include "play/PlayScreen.h"

#include <QCoreApplication>
#include <QString>

namespace story {

struct Line {
    int face;  // 0 = the face stays as it is
    const char* text;  // marked with QT_TRANSLATE_NOOP("story", ...)
};

// Tells the lines in order; false as soon as the play screen has been closed.
template <std::size_t N>
bool Tell(PlayScreen& screen, const Line (&lines)[N])
{
    for (const Line& line : lines)
        if (!screen.showLine(line.face, QCoreApplication::translate("story", line.text)))
            return false;
    return true;
}

}  // namespace story
