// Asks the window of the given title to close as a desktop's close button
// does: the WM_DELETE_WINDOW message of its WM_PROTOCOLS, which SDL turns
// into a window close followed by a quit. Exit status 1 when no window has
// that title. Usage: close_window TITLE
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

namespace {
Window find_titled(Display* d, Window w, const char* title)
{
    char* name = nullptr;
    if (XFetchName(d, w, &name) && name) {
        const bool same = strcmp(name, title) == 0;
        XFree(name);
        if (same) return w;
    }
    Window root, parent, *kids = nullptr;
    unsigned n = 0;
    if (!XQueryTree(d, w, &root, &parent, &kids, &n)) return 0;
    Window found = 0;
    for (unsigned k = 0; k < n && !found; ++k) found = find_titled(d, kids[k], title);
    if (kids) XFree(kids);
    return found;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return 2;
    Window w = find_titled(d, DefaultRootWindow(d), argv[1]);
    if (!w) {
        fprintf(stderr, "no window titled %s\n", argv[1]);
        XCloseDisplay(d);
        return 1;
    }
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
    XCloseDisplay(d);
    return 0;
}
