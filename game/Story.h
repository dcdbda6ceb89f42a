#pragma once
// A scene told line by line through the play screen's dialogue.

#include "screens/form_Main.h"

#include <QString>

namespace story {

struct Line {
    int face;  // 0 = the face stays as it is
    const char16_t* text;
};

// Tells the lines in order; false as soon as the play screen has been closed.
template <std::size_t N>
bool Tell(form_Main& screen, const Line (&lines)[N])
{
    for (const Line& line : lines)
        if (!screen.ShowLine(line.face, QString::fromUtf16(line.text)))
            return false;
    return true;
}

}  // namespace story
