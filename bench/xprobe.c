// SPDX-License-Identifier: MIT
/* xprobe: start-up and key-latency probes for X11 programs, used by the bench
 * scripts. It watches the server rather than the program, so the same numbers
 * come out for every calculator compared.
 *
 *   xprobe start [--min-size PX] [--settle MS] -- PROGRAM [ARGS...]
 *       Starts the program and prints one line:
 *         map_ms paint_ms rss_kb pss_kb
 *       map_ms: exec to the MapNotify of its first top-level window of at least
 *       PX x PX pixels (default 40); paint_ms: exec to the last repaint of that
 *       window before it stays unchanged for 200 ms; rss/pss: from
 *       /proc/PID/smaps_rollup MS (default 1000) after the map. The program's
 *       process group is then terminated.
 *
 *   xprobe keys --name TITLE [--count N] [--keycodes A,B]
 *       Finds the top-level window titled TITLE, gives it the focus and sends N
 *       key presses through XTEST, alternating keycodes A and B (default 10, 22:
 *       "1" and BackSpace, both change the display). For each press it measures
 *       the time until the server reports damage to the window (the repaint).
 *       Prints: count median_us p99_us max_us missed
 *
 * The XDAMAGE and XTEST client libraries ship without their headers here, so
 * the few entry points used are declared below (stable ABI since 2004).
 * Build: cc -O2 -o xprobe xprobe.c -lX11 -lXfixes -l:libXdamage.so.1 -l:libXtst.so.6
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

typedef XID Damage;
typedef struct {
    int type;
    unsigned long serial;
    Bool send_event;
    Display *display;
    Drawable drawable;
    Damage damage;
    int level;
    Bool more;
    Time timestamp;
    XRectangle area;
    XRectangle geometry;
} XDamageNotifyEvent;
#define XDamageNotify 0
#define XDamageReportNonEmpty 3
Bool XDamageQueryExtension(Display *, int *event_base, int *error_base);
Damage XDamageCreate(Display *, Drawable, int level);
void XDamageSubtract(Display *, Damage, XserverRegion repair, XserverRegion parts);
Bool XTestQueryExtension(Display *, int *, int *, int *, int *);
int XTestFakeKeyEvent(Display *, unsigned int keycode, Bool is_press, unsigned long delay);

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

/* Waits until an event is queued or the deadline passes; 0 on timeout. */
static int wait_event(Display *d, double deadline)
{
    while (!XPending(d)) {
        double left = deadline - now_ms();
        if (left <= 0) return 0;
        struct pollfd p = {ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, left < 1 ? 1 : (int)left);
    }
    return 1;
}

static int ignore_errors(Display *d, XErrorEvent *e)
{
    (void)d;
    (void)e;
    return 0; /* windows may vanish between an event and our request */
}

static void read_memory(pid_t pid, long *rss, long *pss)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/smaps_rollup", (int)pid);
    FILE *f = fopen(path, "r");
    *rss = *pss = -1;
    if (!f) return;
    while (fgets(line, sizeof line, f)) {
        if (!strncmp(line, "Rss:", 4)) *rss = atol(line + 4);
        if (!strncmp(line, "Pss:", 4)) *pss = atol(line + 4);
    }
    fclose(f);
}

static void stop_group(pid_t pid)
{
    kill(-pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid) {
            kill(-pid, SIGKILL); /* helpers it started, if any */
            return;
        }
        usleep(10000);
    }
    kill(-pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

static int probe_start(int argc, char **argv)
{
    int min_size = 40, settle = 1000, i = 0;
    for (; i < argc && strcmp(argv[i], "--"); ++i) {
        if (!strcmp(argv[i], "--min-size") && i + 1 < argc) min_size = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--settle") && i + 1 < argc) settle = atoi(argv[++i]);
    }
    if (i + 1 >= argc) {
        fprintf(stderr, "xprobe start: no program\n");
        return 2;
    }
    char **program = argv + i + 1;

    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "xprobe: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    int damage_event = 0, damage_error = 0;
    if (!XDamageQueryExtension(d, &damage_event, &damage_error)) {
        fprintf(stderr, "xprobe: no DAMAGE extension\n");
        return 2;
    }
    Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);

    double t0 = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        execvp(program[0], program);
        fprintf(stderr, "xprobe: cannot run %s: %s\n", program[0], strerror(errno));
        _exit(127);
    }
    setpgid(pid, pid);

    Window target = 0;
    double t_map = -1, t_paint = -1, deadline = now_ms() + 30000;
    int exited = 0;
    for (;;) {
        double until = t_map < 0 ? deadline : (t_paint < 0 ? t_map + 5000 : t_paint + 200);
        if (!wait_event(d, until)) {
            if (t_map >= 0) break; /* quiet after the map: painting is done */
            int status;
            if (waitpid(pid, &status, WNOHANG) == pid) exited = 1;
            if (exited || now_ms() >= deadline) break;
            continue;
        }
        XEvent ev;
        XNextEvent(d, &ev);
        double t = now_ms();
        if (ev.type == CreateNotify && !ev.xcreatewindow.override_redirect) {
            /* Watch every new top-level from its creation, so no paint is missed. */
            XDamageCreate(d, ev.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (ev.type == MapNotify && !target && !ev.xmap.override_redirect) {
            XWindowAttributes a;
            if (XGetWindowAttributes(d, ev.xmap.window, &a) && a.width >= min_size && a.height >= min_size) {
                target = ev.xmap.window;
                t_map = t;
            }
        } else if (ev.type == damage_event + XDamageNotify) {
            XDamageNotifyEvent *de = (XDamageNotifyEvent *)&ev;
            if (target && de->drawable == target) t_paint = t;
            XDamageSubtract(d, de->damage, None, None);
        }
    }
    if (t_map < 0) {
        fprintf(stderr, "xprobe: no window from %s\n", program[0]);
        stop_group(pid);
        return 1;
    }
    if (t_paint < 0) t_paint = t_map;
    double wait_until = t_map + settle;
    while (now_ms() < wait_until) usleep(5000);
    long rss, pss;
    read_memory(pid, &rss, &pss);
    printf("%.1f %.1f %ld %ld\n", t_map - t0, t_paint - t0, rss, pss);
    fflush(stdout);
    stop_group(pid);
    XCloseDisplay(d);
    return 0;
}

/* The window's title: _NET_WM_NAME (UTF-8), which some toolkits set alone,
 * else WM_NAME. */
static int has_title(Display *d, Window w, const char *title)
{
    Atom utf8 = XInternAtom(d, "UTF8_STRING", False), type;
    int format;
    unsigned long n, after;
    unsigned char *value = NULL;
    if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), 0, 256, False, utf8, &type,
                           &format, &n, &after, &value) == Success && value) {
        int same = type == utf8 && !strcmp((const char *)value, title);
        XFree(value);
        if (same) return 1;
    }
    char *name = NULL;
    if (XFetchName(d, w, &name) && name) {
        int same = !strcmp(name, title);
        XFree(name);
        return same;
    }
    return 0;
}

static Window find_titled(Display *d, Window w, const char *title)
{
    XWindowAttributes a;
    if (has_title(d, w, title) && XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable && a.width > 40)
        return w;
    Window r, parent, *children = NULL;
    unsigned int n = 0;
    Window found = 0;
    if (XQueryTree(d, w, &r, &parent, &children, &n)) {
        for (unsigned int i = 0; i < n && !found; ++i) found = find_titled(d, children[i], title);
        if (children) XFree(children);
    }
    return found;
}

static int compare_double(const void *a, const void *b)
{
    double x = *(const double *)a, y = *(const double *)b;
    return x < y ? -1 : x > y;
}

static int probe_keys(int argc, char **argv)
{
    const char *title = NULL;
    int count = 1000;
    unsigned int keys[2] = {10, 22};
    for (int i = 0; i < argc; ++i) {
        if (!strcmp(argv[i], "--name") && i + 1 < argc) title = argv[++i];
        else if (!strcmp(argv[i], "--count") && i + 1 < argc) count = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--keycodes") && i + 1 < argc) sscanf(argv[++i], "%u,%u", &keys[0], &keys[1]);
    }
    if (!title || count < 1) {
        fprintf(stderr, "xprobe keys: --name TITLE required\n");
        return 2;
    }
    Display *d = XOpenDisplay(NULL);
    if (!d) return 2;
    XSetErrorHandler(ignore_errors);
    int damage_event, damage_error, a, b, c, e;
    if (!XDamageQueryExtension(d, &damage_event, &damage_error) || !XTestQueryExtension(d, &a, &b, &c, &e)) {
        fprintf(stderr, "xprobe: DAMAGE or XTEST missing\n");
        return 2;
    }
    Window w = 0;
    for (int tries = 0; tries < 500 && !w; ++tries) {
        w = find_titled(d, DefaultRootWindow(d), title);
        if (!w) usleep(20000);
    }
    if (!w) {
        fprintf(stderr, "xprobe: no window titled %s\n", title);
        return 1;
    }
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    XRaiseWindow(d, w);
    XSync(d, False);
    usleep(200000);
    Damage damage = XDamageCreate(d, w, XDamageReportNonEmpty);
    XSync(d, False);

    double *lat = calloc((size_t)count, sizeof *lat);
    int got = 0, missed = 0;
    for (int i = 0; i < count; ++i) {
        /* Settle: take whatever repaint is still pending, then re-arm. */
        while (wait_event(d, now_ms() + 3)) {
            XEvent ev;
            XNextEvent(d, &ev);
        }
        XDamageSubtract(d, damage, None, None);
        XSync(d, False);
        while (XPending(d)) {
            XEvent ev;
            XNextEvent(d, &ev);
        }
        unsigned int key = keys[i % 2];
        double t0 = now_ms();
        XTestFakeKeyEvent(d, key, True, CurrentTime);
        XFlush(d);
        int seen = 0;
        while (!seen && wait_event(d, t0 + 1000)) {
            XEvent ev;
            XNextEvent(d, &ev);
            if (ev.type == damage_event + XDamageNotify && ((XDamageNotifyEvent *)&ev)->drawable == w) seen = 1;
        }
        double t1 = now_ms();
        XTestFakeKeyEvent(d, key, False, CurrentTime);
        XFlush(d);
        if (seen) lat[got++] = (t1 - t0) * 1000.0;
        else ++missed;
    }
    if (got == 0) {
        fprintf(stderr, "xprobe: no repaint seen after any key\n");
        return 1;
    }
    qsort(lat, (size_t)got, sizeof *lat, compare_double);
    int p99 = (int)(0.99 * (got - 1) + 0.5);
    printf("%d %.0f %.0f %.0f %d\n", got, lat[got / 2], lat[p99], lat[got - 1], missed);
    free(lat);
    XCloseDisplay(d);
    return 0;
}

int main(int argc, char **argv)
{
    if (argc >= 2 && !strcmp(argv[1], "start")) return probe_start(argc - 2, argv + 2);
    if (argc >= 2 && !strcmp(argv[1], "keys")) return probe_keys(argc - 2, argv + 2);
    fprintf(stderr, "usage: xprobe start [--min-size PX] [--settle MS] -- PROGRAM [ARGS...]\n"
                    "       xprobe keys --name TITLE [--count N] [--keycodes A,B]\n");
    return 2;
}
