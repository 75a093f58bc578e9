/* Starts a program and times it from process start to its first frame: the first moment a
 * mapped top-level window with the given title shows the expected colours at given points.
 * Then waits a short idle, reads the process's peak resident memory (VmHWM) and ends it.
 *
 *   firstframe [--title T] [--timeout MS] [--idle MS] [--poll US] X,Y,RRGGBB... -- PROGRAM [ARGS]
 *
 * Prints one line: frame_ms=<ms> hwm_frame_kib=<kB> hwm_kib=<kB>
 * (hwm_frame_kib is read right at the frame, hwm_kib after the idle.)
 * Exits 1 when the frame does not come in time or the program ends first, 2 on bad usage.
 *
 * The X connection is opened before the clock starts. Windows are found through
 * SubstructureNotify events on the root window (no window manager: top-level windows are
 * children of the root); the pixels are read with one XGetImage of the points' bounding box
 * every poll interval (200 us by default).
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#define MAX_POINTS 16
#define MAX_WINDOWS 64

struct point {
    int x, y;
    unsigned rgb;
};

static int x_error_seen;

static int on_x_error(Display* dpy, XErrorEvent* ev)
{
    (void)dpy;
    (void)ev;
    x_error_seen = 1; /* a window vanished or is not viewable yet: try again later */
    return 0;
}

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static void sleep_us(long us)
{
    struct timespec ts = {us / 1000000, (us % 1000000) * 1000};
    while (nanosleep(&ts, &ts) == -1 && errno == EINTR) {
    }
}

static long read_hwm_kib(pid_t pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    long kib = -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmHWM: %ld kB", &kib) == 1)
            break;
    fclose(f);
    return kib;
}

/* The window's title, from _NET_WM_NAME (UTF-8) or else WM_NAME; caller frees. */
static char* window_title(Display* dpy, Window w, Atom net_wm_name, Atom utf8)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    if (XGetWindowProperty(dpy, w, net_wm_name, 0, 256, False, utf8, &type, &format, &count,
                           &after, &data) == Success
        && data && type == utf8) {
        char* s = strndup((const char*)data, count);
        XFree(data);
        return s;
    }
    if (data)
        XFree(data);
    char* name = NULL;
    if (XFetchName(dpy, w, &name) && name) {
        char* s = strdup(name);
        XFree(name);
        return s;
    }
    return NULL;
}

static int is_viewable(Display* dpy, Window w)
{
    XWindowAttributes attrs;
    if (!XGetWindowAttributes(dpy, w, &attrs))
        return 0;
    return attrs.map_state == IsViewable;
}

static unsigned channel(unsigned long pixel, unsigned long mask)
{
    if (!mask)
        return 0;
    int shift = __builtin_ctzl(mask);
    unsigned long max = mask >> shift;
    return (unsigned)(((pixel & mask) >> shift) * 255 / max);
}

static void usage(const char* argv0)
{
    fprintf(stderr,
            "usage: %s [--title T] [--timeout MS] [--idle MS] [--poll US] X,Y,RRGGBB... -- "
            "PROGRAM [ARGS]\n",
            argv0);
    exit(2);
}

int main(int argc, char* argv[])
{
    const char* title = "ORVEX";
    double timeout_ms = 20000;
    long idle_ms = 300, poll_us = 200;
    struct point points[MAX_POINTS];
    int npoints = 0, i;

    for (i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--")) {
            ++i;
            break;
        } else if (!strcmp(argv[i], "--title") && i + 1 < argc) {
            title = argv[++i];
        } else if (!strcmp(argv[i], "--timeout") && i + 1 < argc) {
            timeout_ms = atof(argv[++i]);
        } else if (!strcmp(argv[i], "--idle") && i + 1 < argc) {
            idle_ms = atol(argv[++i]);
        } else if (!strcmp(argv[i], "--poll") && i + 1 < argc) {
            poll_us = atol(argv[++i]);
        } else {
            struct point p;
            if (npoints == MAX_POINTS || sscanf(argv[i], "%d,%d,%x", &p.x, &p.y, &p.rgb) != 3)
                usage(argv[0]);
            points[npoints++] = p;
        }
    }
    if (i >= argc || npoints == 0)
        usage(argv[0]);
    char** command = argv + i;

    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "firstframe: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(on_x_error);
    Window root = DefaultRootWindow(dpy);
    Atom net_wm_name = XInternAtom(dpy, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    /* The box holding every point, read in one request. */
    int x0 = points[0].x, y0 = points[0].y, x1 = x0, y1 = y0;
    for (i = 1; i < npoints; ++i) {
        if (points[i].x < x0) x0 = points[i].x;
        if (points[i].y < y0) y0 = points[i].y;
        if (points[i].x > x1) x1 = points[i].x;
        if (points[i].y > y1) y1 = points[i].y;
    }

    const double start = now_ms();
    pid_t pid = fork();
    if (pid < 0) {
        perror("fork");
        return 2;
    }
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        execvp(command[0], command);
        perror(command[0]);
        _exit(127);
    }

    Window candidates[MAX_WINDOWS];
    int ncandidates = 0;
    Window target = 0;
    double frame_ms = -1;
    int status;

    while (frame_ms < 0) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "firstframe: %s ended before its first frame\n", command[0]);
            return 1;
        }
        if (now_ms() - start > timeout_ms) {
            fprintf(stderr, "firstframe: no frame within %.0f ms\n", timeout_ms);
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return 1;
        }
        /* New top-level windows: every one mapped is a candidate until its title is read. */
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && ev.xmap.event == root && ncandidates < MAX_WINDOWS)
                candidates[ncandidates++] = ev.xmap.window;
        }
        /* Titles are normally set before mapping, but a window is checked again on every
         * poll until one matches. */
        for (i = 0; i < ncandidates && !target; ++i) {
            x_error_seen = 0;
            char* t = window_title(dpy, candidates[i], net_wm_name, utf8);
            if (t && !x_error_seen && !strcmp(t, title) && is_viewable(dpy, candidates[i]))
                target = candidates[i];
            free(t);
        }
        if (target) {
            x_error_seen = 0;
            XImage* img = XGetImage(dpy, target, x0, y0, (unsigned)(x1 - x0 + 1),
                                    (unsigned)(y1 - y0 + 1), AllPlanes, ZPixmap);
            XSync(dpy, False);
            if (img && !x_error_seen) {
                unsigned long rmask = img->red_mask ? img->red_mask : 0xff0000;
                unsigned long gmask = img->green_mask ? img->green_mask : 0x00ff00;
                unsigned long bmask = img->blue_mask ? img->blue_mask : 0x0000ff;
                int all = 1;
                for (i = 0; i < npoints && all; ++i) {
                    unsigned long px = XGetPixel(img, points[i].x - x0, points[i].y - y0);
                    unsigned rgb = channel(px, rmask) << 16 | channel(px, gmask) << 8
                                   | channel(px, bmask);
                    all = rgb == points[i].rgb;
                }
                if (all)
                    frame_ms = now_ms() - start;
            }
            if (img)
                XDestroyImage(img);
        }
        if (frame_ms < 0)
            sleep_us(poll_us);
    }

    long hwm_frame = read_hwm_kib(pid);
    sleep_us(idle_ms * 1000);
    long hwm = read_hwm_kib(pid);
    printf("frame_ms=%.2f hwm_frame_kib=%ld hwm_kib=%ld\n", frame_ms, hwm_frame, hwm);
    fflush(stdout);

    kill(pid, SIGTERM);
    for (i = 0; i < 200; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return 0;
        sleep_us(5000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    XCloseDisplay(dpy);
    return 0;
}
