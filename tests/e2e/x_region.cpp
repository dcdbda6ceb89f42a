// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Prints a fingerprint of what a rectangle of a window shows, so that a test
// can tell whether a counter or a message there changed.
// Usage: x_region <window id> <x> <y> <width> <height>. Exit 2 when the window
// cannot be read.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: x_region <window id> <x> <y> <width> <height>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x_region: cannot open the display\n");
        return 2;
    }
    const auto window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const auto width = static_cast<unsigned>(std::atoi(argv[4]));
    const auto height = static_cast<unsigned>(std::atoi(argv[5]));
    XImage* image = XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
    if (!image) {
        std::fprintf(stderr, "x_region: cannot read window %s\n", argv[1]);
        XCloseDisplay(display);
        return 2;
    }
    std::uint64_t hash = 1469598103934665603ull;  // FNV-1a over the pixels' colours
    for (unsigned row = 0; row < height; ++row) {
        for (unsigned column = 0; column < width; ++column) {
            hash = (hash ^ (XGetPixel(image, static_cast<int>(column), static_cast<int>(row)) & 0xffffff)) *
                   1099511628211ull;
        }
    }
    std::printf("%016llx\n", static_cast<unsigned long long>(hash));
    XDestroyImage(image);
    XCloseDisplay(display);
    return 0;
}
