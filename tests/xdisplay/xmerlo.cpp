// xmerlo TITLE ACTION...: drives a window of an X display the way a user would, for the tests that
// run the real program under Xvfb (no window manager there).
//   wait         until a viewable top-level window has the title TITLE and its program answers a
//                ping, that is, its event loop runs (30 s at most for each); a main window goes
//                before a dialog of the same title
//   dialog       until a viewable window stands over the window as its dialog (WM_TRANSIENT_FOR),
//                30 s at most; the actions after it go to that dialog
//   id           prints the window's id in decimal
//   drawn H      the clicks after it measure Y from the top of the window's last H pixels: the
//                drawn layout, below whatever menu bar stands above it
//   click X Y    presses and releases button 1 at X, Y inside the window
//   sleep MS     waits
//   close        asks the window to close, as a window manager does (WM_DELETE_WINDOW)
//   key K        gives the window the keyboard focus and types K: a key name (F1, Delete, q),
//                with ctrl+, shift+ or alt+ before it for modifiers
//   count        prints how many viewable top-level windows have the title TITLE (none is fine)
//   class        prints the window's WM_CLASS, instance and class separated by a blank
//   icon         prints how many icon sizes the window offers in _NET_WM_ICON
// All events between two sleeps go out in one flush, so they reach the program together and in
// order. Any failure is one line on standard error and a non-zero exit code.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kWaitLimit = std::chrono::seconds(30);

// A key that closes the window (Ctrl+Q) may take it away before its release arrives: the request
// with this serial may find its window gone. Every other error ends xmerlo, as Xlib's own handler does.
unsigned long g_mayLoseWindow = 0;
// While the windows are searched, one may go away between the list and the question about it (a
// dialog closing, a tooltip): it is not the one looked for.
int g_searching = 0;

struct Searching {
    Searching() { ++g_searching; }
    ~Searching() { --g_searching; }
};

int OnXError(Display* d, XErrorEvent* e)
{
    if (e->error_code == BadWindow && (g_searching > 0 || (g_mayLoseWindow != 0 && e->serial == g_mayLoseWindow)))
        return 0;
    char text[256] = "";
    XGetErrorText(d, e->error_code, text, sizeof text);
    std::fprintf(stderr, "xmerlo: X error %s (request %d, resource 0x%lx)\n", text, e->request_code,
                 static_cast<unsigned long>(e->resourceid));
    std::exit(1);
}

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

// The viewable top-level windows titled `title`: the root's children, or under a window manager
// (screenshots with a title bar) its frames' children.
std::vector<Window> FindAll(Display* d, const std::string& title, Window under = 0)
{
    const Searching searching;
    const Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
    Window root, parent, *children = nullptr;
    unsigned int n = 0;
    std::vector<Window> found;
    if (!XQueryTree(d, under ? under : DefaultRootWindow(d), &root, &parent, &children, &n))
        return found;
    for (unsigned int i = 0; i < n; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable)
            continue;
        if (Property(d, children[i], netName) == title || Property(d, children[i], XA_WM_NAME) == title)
            found.push_back(children[i]);
        else if (!under)
            for (Window w : FindAll(d, title, children[i]))
                found.push_back(w);
    }
    if (children)
        XFree(children);
    return found;
}

// The window `w` stands over as a dialog, or 0.
Window TransientFor(Display* d, Window w)
{
    Window owner = 0;
    return XGetTransientForHint(d, w, &owner) ? owner : 0;
}

Window Find(Display* d, const std::string& title)
{
    const Searching searching;
    const std::vector<Window> all = FindAll(d, title);
    for (Window w : all)
        if (!TransientFor(d, w))
            return w;
    return all.empty() ? 0 : all.front();
}

// A viewable top-level window that stands over `owner` as its dialog, or 0.
Window FindDialog(Display* d, Window owner)
{
    const Searching searching;
    Window root, parent, *children = nullptr;
    unsigned int n = 0;
    Window found = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n))
        return 0;
    for (unsigned int i = 0; i < n && !found; ++i) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable && TransientFor(d, children[i]) == owner)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

// Types one key, with modifiers, into the window, after giving it the focus as a window manager would.
bool Key(Display* d, Window w, std::string name)
{
    unsigned int state = 0;
    for (const auto& [prefix, mask] : {std::pair<const char*, unsigned int>{"ctrl+", ControlMask},
                                       {"shift+", ShiftMask}, {"alt+", Mod1Mask}})
        if (name.rfind(prefix, 0) == 0) {
            state |= mask;
            name.erase(0, std::strlen(prefix));
        }
    const KeySym sym = XStringToKeysym(name.c_str());
    const KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(d, sym);
    if (!code)
        return false;
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    XSync(d, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    for (const bool press : {true, false}) {
        if (!press)
            g_mayLoseWindow = NextRequest(d);
        XEvent e{};
        XKeyEvent& k = e.xkey;
        k.type = press ? KeyPress : KeyRelease;
        k.display = d;
        k.window = w;
        k.root = DefaultRootWindow(d);
        k.subwindow = None;
        k.time = CurrentTime;
        k.same_screen = True;
        k.state = state;
        k.keycode = code;
        XSendEvent(d, w, True, press ? KeyPressMask : KeyReleaseMask, &e);
    }
    return true;
}

// Sizes in a _NET_WM_ICON property: width, height, then width * height pixels, again and again.
int IconSizes(Display* d, Window w)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    int sizes = 0;
    if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_ICON", False), 0, 1L << 24, False, XA_CARDINAL, &type,
                           &format, &count, &after, &data)
            == Success
        && data) {
        const auto* v = reinterpret_cast<const unsigned long*>(data);
        for (unsigned long i = 0; i + 2 <= count; i += 2 + v[i] * v[i + 1])
            ++sizes;
        XFree(data);
    }
    return sizes;
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
        std::fprintf(stderr, "usage: xmerlo TITLE wait|dialog|id|drawn H|click X Y|sleep MS|close|key K|count|class|icon ...\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        const char* name = std::getenv("DISPLAY");
        std::fprintf(stderr, "xmerlo: cannot open the display \"%s\"\n", name ? name : "");
        return 2;
    }
    XSetErrorHandler(OnXError);
    // The answers to pings come to the root window.
    XSelectInput(d, DefaultRootWindow(d), StructureNotifyMask);
    const std::string title = argv[1];
    Window w = 0;
    int below = 0;
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
        if (action == "count") {
            std::printf("%zu\n", FindAll(d, title).size());
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
        if (action == "dialog") {
            const auto end = Clock::now() + kWaitLimit;
            Window dialog = 0;
            while (!(dialog = FindDialog(d, w)) && Clock::now() < end)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (!dialog) {
                std::fprintf(stderr, "xmerlo: no dialog over \"%s\" appeared within 30 s\n", title.c_str());
                return 1;
            }
            w = dialog;
        } else if (action == "id") {
            std::printf("%lu\n", static_cast<unsigned long>(w));
        } else if (action == "drawn" && i + 1 < argc) {
            XWindowAttributes a;
            if (!XGetWindowAttributes(d, w, &a)) {
                std::fprintf(stderr, "xmerlo: the window \"%s\" has no size\n", title.c_str());
                return 1;
            }
            below = a.height - std::atoi(argv[++i]);
        } else if (action == "click" && i + 2 < argc) {
            const int x = std::atoi(argv[i + 1]), y = std::atoi(argv[i + 2]) + below;
            i += 2;
            Button(d, w, x, y, true);
            Button(d, w, x, y, false);
        } else if (action == "close") {
            Close(d, w);
        } else if (action == "key" && i + 1 < argc) {
            if (!Key(d, w, argv[++i])) {
                std::fprintf(stderr, "xmerlo: no key %s\n", argv[i]);
                return 2;
            }
        } else if (action == "class") {
            XClassHint hint{};
            if (XGetClassHint(d, w, &hint)) {
                std::printf("%s %s\n", hint.res_name ? hint.res_name : "", hint.res_class ? hint.res_class : "");
                XFree(hint.res_name);
                XFree(hint.res_class);
            } else {
                std::printf("\n");
            }
        } else if (action == "icon") {
            std::printf("%d\n", IconSizes(d, w));
        } else {
            std::fprintf(stderr, "xmerlo: unknown action %s\n", action.c_str());
            return 2;
        }
    }
    XSync(d, False);
    XCloseDisplay(d);
    return 0;
}
