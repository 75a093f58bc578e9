/* xclose WINDOW-ID: asks a top-level window to close, as a window manager's close box does,
 * by sending it the WM_DELETE_WINDOW client message. Fails if the window does not take part
 * in that protocol. Uses $DISPLAY. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: xclose WINDOW-ID\n");
        return 2;
    }
    char* end = NULL;
    const Window window = (Window)strtoul(argv[1], &end, 0);
    if (!end || *end || window == 0) {
        fprintf(stderr, "xclose: not a window id: %s\n", argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xclose: cannot open the display\n");
        return 1;
    }
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);

    Atom* taken = NULL;
    int count = 0;
    int takesDelete = 0;
    if (XGetWMProtocols(display, window, &taken, &count)) {
        for (int i = 0; i < count; ++i)
            takesDelete |= taken[i] == deleteWindow;
        XFree(taken);
    }
    if (!takesDelete) {
        fprintf(stderr, "xclose: window 0x%lx does not take WM_DELETE_WINDOW\n", window);
        XCloseDisplay(display);
        return 1;
    }

    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)deleteWindow;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
