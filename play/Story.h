// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A scene told line by line through the play screen's dialogue.

#include "play/PlayScreen.h"
#include "rules/Course.h"

#include <vector>

namespace story {

// Tells the lines in order; false as soon as the play screen has been closed.
inline bool Tell(PlayScreen& screen, const std::vector<course::StoryLine>& lines)
{
    for (const course::StoryLine& line : lines)
        if (!screen.showLine(line.face, line.text.shown()))
            return false;
    return true;
}

}  // namespace story
