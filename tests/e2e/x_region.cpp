// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Prints a fingerprint of what a rectangle of a window shows, so that a test
// can tell whether a counter or a message there changed; or, with --find,
// where a colour lies in the window, so that a test can find the map it shows.
// Usage: x_region <window id> <x> <y> <width> <height>
//        x_region --find <window id> <rrggbb>   (prints "x y width height" of its pixels)
// Exit 2 when the window cannot be read, 1 when the colour is not there.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::uint64_t Fingerprint(XImage* image, unsigned width, unsigned height)
{
    std::uint64_t hash = 1469598103934665603ull;  // FNV-1a over the pixels' colours
    for (unsigned row = 0; row < height; ++row)
        for (unsigned column = 0; column < width; ++column)
            hash = (hash ^ (XGetPixel(image, static_cast<int>(column), static_cast<int>(row)) & 0xffffff)) * 1099511628211ull;
    return hash;
}

// The bounding box of the pixels of `colour`; false when there is none.
bool Find(XImage* image, unsigned width, unsigned height, unsigned long colour)
{
    int left = static_cast<int>(width), top = static_cast<int>(height), right = -1, bottom = -1;
    for (int row = 0; row < static_cast<int>(height); ++row)
        for (int column = 0; column < static_cast<int>(width); ++column)
            if ((XGetPixel(image, column, row) & 0xffffff) == colour) {
                left = std::min(left, column);
                right = std::max(right, column);
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
    if (right < 0)
        return false;
    std::printf("%d %d %d %d\n", left, top, right - left + 1, bottom - top + 1);
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool find = argc == 4 && std::strcmp(argv[1], "--find") == 0;
    if (argc != 6 && !find) {
        std::fprintf(stderr, "usage: x_region <window id> <x> <y> <width> <height>\n"
                             "       x_region --find <window id> <rrggbb>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x_region: cannot open the display\n");
        return 2;
    }
    const auto window = static_cast<Window>(std::strtoul(argv[find ? 2 : 1], nullptr, 0));
    int x = 0, y = 0;
    unsigned width = 0, height = 0;
    if (find) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, window, &attributes)) {
            width = static_cast<unsigned>(attributes.width);
            height = static_cast<unsigned>(attributes.height);
        }
    } else {
        x = std::atoi(argv[2]);
        y = std::atoi(argv[3]);
        width = static_cast<unsigned>(std::atoi(argv[4]));
        height = static_cast<unsigned>(std::atoi(argv[5]));
    }
    XImage* image = width && height ? XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap) : nullptr;
    if (!image) {
        std::fprintf(stderr, "x_region: cannot read window %s\n", argv[find ? 2 : 1]);
        XCloseDisplay(display);
        return 2;
    }
    int status = 0;
    if (find)
        status = Find(image, width, height, std::strtoul(argv[3], nullptr, 16)) ? 0 : 1;
    else
        std::printf("%016llx\n", static_cast<unsigned long long>(Fingerprint(image, width, height)));
    XDestroyImage(image);
    XCloseDisplay(display);
    return status;
}
