// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Asks every shown window of the game whether its owner still answers:
// sends _NET_WM_PING (Qt replies from its event loop, nested loops and modal
// dialogs included) and waits for the replies. Under a reparenting window
// manager the root's children are frames: the game's windows lie inside them.
// Usage: x_ping <timeout ms>. Exit 0 when every shown window that takes pings
// answered in time, 1 when one did not, 3 when there was no such window.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <thread>
#include <vector>

namespace {

bool TakesPings(Display* display, Window window, Atom ping)
{
    Atom* list = nullptr;
    int count = 0;
    bool found = false;
    if (XGetWMProtocols(display, window, &list, &count)) {
        for (int i = 0; i < count; ++i)
            found = found || list[i] == ping;
        XFree(list);
    }
    return found;
}

bool Shown(Display* display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// The shown windows that take pings, at any depth below `parent`. A window
// that takes pings is a client's top-level: its own children are not looked at.
void CollectPingable(Display* display, Window parent, Atom ping, std::vector<Window>& found)
{
    Window rootBack, parentBack;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &rootBack, &parentBack, &children, &count))
        return;
    for (unsigned i = 0; i < count; ++i) {
        if (!Shown(display, children[i]))
            continue;
        if (TakesPings(display, children[i], ping))
            found.push_back(children[i]);
        else
            CollectPingable(display, children[i], ping, found);
    }
    if (children)
        XFree(children);
}

struct CloseDisplay {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

}  // namespace

int main(int argc, char* argv[])
{
    const int timeoutMs = argc > 1 ? std::atoi(argv[1]) : 1000;
    const std::unique_ptr<Display, CloseDisplay> connection(XOpenDisplay(nullptr));
    Display* display = connection.get();
    if (!display) {
        std::fprintf(stderr, "x_ping: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    // The replies go to the root window.
    XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);

    std::vector<Window> windows;
    CollectPingable(display, root, ping, windows);
    std::set<Window> waiting;
    for (Window w : windows) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = w;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(ping);
        event.xclient.data.l[1] = CurrentTime;
        event.xclient.data.l[2] = static_cast<long>(w);
        XSendEvent(display, w, False, NoEventMask, &event);
        waiting.insert(w);
    }
    XFlush(display);
    if (waiting.empty()) {
        std::fprintf(stderr, "x_ping: no shown window takes pings\n");
        return 3;
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!waiting.empty() && std::chrono::steady_clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == protocols &&
                static_cast<Atom>(event.xclient.data.l[0]) == ping)
                waiting.erase(static_cast<Window>(event.xclient.data.l[2]));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    for (Window w : waiting)
        std::fprintf(stderr, "x_ping: window 0x%lx did not answer within %d ms\n", w, timeoutMs);
    return waiting.empty() ? 0 : 1;
}
