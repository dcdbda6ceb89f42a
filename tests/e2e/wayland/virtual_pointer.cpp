// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// A mouse for the Wayland end-to-end test: a virtual pointer of the
// compositor (zwlr_virtual_pointer_v1) that moves by relative steps and
// presses the left button, as a real mouse's events arrive.
// Reads one command a line from stdin:
//   move <dx> <dy>   a relative step
//   down | up        the left button
//   click            down, a hand's moment, up
//   sleep <ms>       a pause
//   sync             waits until the compositor has handled everything, then prints "ok"
// Usage: virtual_pointer (WAYLAND_DISPLAY names the compositor)

#include "virtual-pointer-client.h"

#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace {

constexpr uint32_t kLeftButton = 0x110;  // BTN_LEFT

struct Globals {
    zwlr_virtual_pointer_manager_v1* manager = nullptr;
};

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t)
{
    if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        static_cast<Globals*>(data)->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

uint32_t NowMs()
{
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

class Mouse {
public:
    Mouse(wl_display* display, zwlr_virtual_pointer_v1* pointer) : m_display(display), m_pointer(pointer) {}

    void Move(double dx, double dy)
    {
        zwlr_virtual_pointer_v1_motion(m_pointer, NowMs(), wl_fixed_from_double(dx), wl_fixed_from_double(dy));
        Frame();
    }

    void Button(bool down)
    {
        zwlr_virtual_pointer_v1_button(m_pointer, NowMs(), kLeftButton, down ? WL_POINTER_BUTTON_STATE_PRESSED
                                                                             : WL_POINTER_BUTTON_STATE_RELEASED);
        Frame();
    }

    bool Sync() { return wl_display_roundtrip(m_display) >= 0; }

private:
    void Frame()
    {
        zwlr_virtual_pointer_v1_frame(m_pointer);
        wl_display_flush(m_display);
    }

    wl_display* m_display;
    zwlr_virtual_pointer_v1* m_pointer;
};

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Runs one command line; false when the line is not understood or the compositor went away.
bool Run(Mouse& mouse, const std::string& line)
{
    std::istringstream in(line);
    std::string command;
    if (!(in >> command))
        return true;  // an empty line
    if (command == "move") {
        double dx = 0, dy = 0;
        if (!(in >> dx >> dy))
            return false;
        mouse.Move(dx, dy);
    } else if (command == "down" || command == "up") {
        mouse.Button(command == "down");
    } else if (command == "click") {
        mouse.Button(true);
        mouse.Sync();
        Pause(120);
        mouse.Button(false);
    } else if (command == "sleep") {
        int ms = 0;
        if (!(in >> ms))
            return false;
        Pause(ms);
    } else if (command == "sync") {
        if (!mouse.Sync())
            return false;
        std::printf("ok\n");
        std::fflush(stdout);
    } else {
        return false;
    }
    return true;
}

}  // namespace

int main()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "virtual_pointer: cannot connect to the compositor\n");
        return 2;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.manager) {
        std::fprintf(stderr, "virtual_pointer: the compositor offers no virtual pointer\n");
        wl_registry_destroy(registry);
        wl_display_disconnect(display);
        return 3;
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, nullptr);
    Mouse mouse(display, pointer);
    mouse.Sync();

    int status = 0;
    for (std::string line; std::getline(std::cin, line);) {
        if (!Run(mouse, line)) {
            std::fprintf(stderr, "virtual_pointer: cannot do \"%s\"\n", line.c_str());
            status = 1;
            break;
        }
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    zwlr_virtual_pointer_manager_v1_destroy(globals.manager);
    wl_registry_destroy(registry);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return status;
}
