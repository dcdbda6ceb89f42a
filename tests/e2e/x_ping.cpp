// Asks every shown window of the game whether its owner still answers:
// sends _NET_WM_PING (Qt replies from its event loop, nested loops and modal
// dialogs included) and waits for the replies.
// Usage: x_ping <timeout ms>. Exit 0 when every shown window that takes pings
// answered in time, 1 when one did not, 3 when there was no such window.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <thread>

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

}  // namespace

int main(int argc, char* argv[])
{
    const int timeoutMs = argc > 1 ? std::atoi(argv[1]) : 1000;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x_ping: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);

    Window rootBack, parent;
    Window* children = nullptr;
    unsigned count = 0;
    XQueryTree(display, root, &rootBack, &parent, &children, &count);
    std::set<Window> waiting;
    for (unsigned i = 0; i < count; ++i) {
        if (!Shown(display, children[i]) || !TakesPings(display, children[i], ping))
            continue;
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = children[i];
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(ping);
        event.xclient.data.l[1] = CurrentTime;
        event.xclient.data.l[2] = static_cast<long>(children[i]);
        XSendEvent(display, children[i], False, NoEventMask, &event);
        waiting.insert(children[i]);
    }
    if (children)
        XFree(children);
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
    XCloseDisplay(display);
    return waiting.empty() ? 0 : 1;
}
