// xmerlo TITLE ACTION...: drives a window of an X display the way a user would, for the tests that
// run the real program under Xvfb (no window manager there).
//   wait         until a viewable top-level window has the title TITLE and its program answers a
//                ping, that is, its event loop runs (30 s at most for each)
//   id           prints the window's id in decimal
//   click X Y    presses and releases button 1 at X, Y inside the window
//   sleep MS     waits
//   close        asks the window to close, as a window manager does (WM_DELETE_WINDOW)
// All events between two sleeps go out in one flush, so they reach the program together and in
// order. Any failure is one line on standard error and a non-zero exit code.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kWaitLimit = std::chrono::seconds(30);

std::string Property(Display* d, Window w, Atom name)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(d, w, name, 0, 1024, False, AnyPropertyType, &type, &format, &count, &after, &data)
            == Success
        && data) {
        if (format == 8)
            value.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return value;
}

Window Find(Display* d, const std::string& title)
{
    const Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
    Window root, parent, *children = nullptr;
    unsigned int n = 0;
    Window found = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n))
        return 0;
    for (unsigned int i = 0; i < n && !found; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable)
            continue;
        if (Property(d, children[i], netName) == title || Property(d, children[i], XA_WM_NAME) == title)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

// The next event, waiting for it until `end`; false when none came.
bool NextEvent(Display* d, XEvent* e, Clock::time_point end)
{
    while (!XPending(d)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd p{ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, static_cast<int>(left));
    }
    XNextEvent(d, e);
    return true;
}

// Sends the window manager's ping and waits for the answer, which the program sends back to the
// root window from its event loop. Needs StructureNotifyMask selected on the root.
bool Ping(Display* d, Window w)
{
    const Atom protocols = XInternAtom(d, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(d, "_NET_WM_PING", False);
    static long serial = 0;
    const long mine = ++serial;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = protocols;
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(ping);
    e.xclient.data.l[1] = CurrentTime;
    e.xclient.data.l[2] = static_cast<long>(w);
    e.xclient.data.l[3] = mine;
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
    const auto end = Clock::now() + kWaitLimit;
    XEvent answer;
    while (NextEvent(d, &answer, end))
        if (answer.type == ClientMessage && answer.xclient.message_type == protocols
            && answer.xclient.data.l[0] == static_cast<long>(ping) && answer.xclient.data.l[3] == mine)
            return true;
    return false;
}

void Button(Display* d, Window w, int x, int y, bool press)
{
    XEvent e{};
    XButtonEvent& b = e.xbutton;
    b.type = press ? ButtonPress : ButtonRelease;
    b.display = d;
    b.window = w;
    b.root = DefaultRootWindow(d);
    b.subwindow = None;
    b.time = CurrentTime;
    b.x = x;
    b.y = y;
    b.x_root = x;
    b.y_root = y;
    b.state = press ? 0 : Button1Mask;
    b.button = Button1;
    b.same_screen = True;
    // An empty mask sends the event to the window's own client, whatever it selected.
    XSendEvent(d, w, False, 0, &e);
}

void Close(Display* d, Window w)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: xmerlo TITLE wait|id|click X Y|sleep MS|close ...\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        const char* name = std::getenv("DISPLAY");
        std::fprintf(stderr, "xmerlo: cannot open the display \"%s\"\n", name ? name : "");
        return 2;
    }
    // The answers to pings come to the root window.
    XSelectInput(d, DefaultRootWindow(d), StructureNotifyMask);
    const std::string title = argv[1];
    Window w = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string action = argv[i];
        if (action == "wait") {
            const auto end = Clock::now() + kWaitLimit;
            while (!(w = Find(d, title)) && Clock::now() < end)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (!w) {
                std::fprintf(stderr, "xmerlo: no window \"%s\" appeared within 30 s\n", title.c_str());
                return 1;
            }
            if (!Ping(d, w)) {
                std::fprintf(stderr, "xmerlo: the window \"%s\" did not answer a ping within 30 s\n", title.c_str());
                return 1;
            }
            continue;
        }
        if (action == "sleep" && i + 1 < argc) {
            XFlush(d);
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[++i])));
            continue;
        }
        if (!w)
            w = Find(d, title);
        if (!w) {
            std::fprintf(stderr, "xmerlo: no window \"%s\"\n", title.c_str());
            return 1;
        }
        if (action == "id") {
            std::printf("%lu\n", static_cast<unsigned long>(w));
        } else if (action == "click" && i + 2 < argc) {
            const int x = std::atoi(argv[i + 1]), y = std::atoi(argv[i + 2]);
            i += 2;
            Button(d, w, x, y, true);
            Button(d, w, x, y, false);
        } else if (action == "close") {
            Close(d, w);
        } else {
            std::fprintf(stderr, "xmerlo: unknown action %s\n", action.c_str());
            return 2;
        }
    }
    XSync(d, False);
    XCloseDisplay(d);
    return 0;
}
