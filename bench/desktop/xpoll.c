// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop benchmark's stopwatch: starts a program and watches the X screen from outside
// until what the user would see is there.
//
//   xpoll picture X Y RRGGBB:RRGGBB [RRGGBB:RRGGBB ...] [-t S] [-k S] -- PROGRAM ARGS
//       "INDEX MS" for each striped picture (two colours, in vertical stripes): the
//       milliseconds from the start to the moment it first fills the block at X,Y, in the
//       order seen. The watch ends when every picture, or the last one, has been seen. With -k the program
//       keeps running for S seconds after the last picture; then "peak_kib N" is its peak
//       resident size. -t is the deadline (default 60 s).
//   xpoll window TITLE DX DY [-t S] -- PROGRAM ARGS
//       "0 MS": the milliseconds until a window titled TITLE is mapped and the block at DX,DY
//       of it holds text (dark pixels on a light ground).
//   xpoll run -- PROGRAM ARGS
//       The milliseconds the program takes to end.
//   xpoll makepicture WIDTH HEIGHT PERIOD RRGGBB:RRGGBB SEED
//       Writes a PPM of vertical stripes PERIOD pixels wide, with noise, to standard output.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { Block = 24, MaxTargets = 32 };

typedef struct {
    int r, g, b;
} Rgb;

typedef struct {
    Rgb a, b;
} Stripes;

static double nowMs(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

static Rgb parseRgb(const char *text)
{
    unsigned value = (unsigned)strtoul(text, NULL, 16);
    Rgb rgb = {(int)(value >> 16) & 255, (int)(value >> 8) & 255, (int)value & 255};
    return rgb;
}

static Stripes parseStripes(const char *text)
{
    Stripes s;
    s.a = parseRgb(text);
    const char *colon = strchr(text, ':');
    s.b = parseRgb(colon ? colon + 1 : text);
    return s;
}

static int near(Rgb p, Rgb c)
{
    return abs(p.r - c.r) + abs(p.g - c.g) + abs(p.b - c.b) < 90;
}

static Rgb pixelAt(XImage *image, int x, int y)
{
    unsigned long value = XGetPixel(image, x, y);
    Rgb rgb = {(int)(value >> 16) & 255, (int)(value >> 8) & 255, (int)value & 255};
    return rgb;
}

// The block shows the picture itself, at full resolution: both colours, and stripes that a
// blurred or low-resolution stand-in would have washed out.
static int showsStripes(XImage *image, Stripes s)
{
    int countA = 0, countB = 0, changes = 0;
    for (int y = 0; y < Block; ++y) {
        int last = 0;
        for (int x = 0; x < Block; ++x) {
            Rgb p = pixelAt(image, x, y);
            int kind = near(p, s.a) ? 1 : near(p, s.b) ? 2 : 0;
            countA += kind == 1;
            countB += kind == 2;
            if (kind && last && kind != last)
                ++changes;
            if (kind)
                last = kind;
        }
    }
    const int all = Block * Block;
    return countA * 5 >= all && countB * 5 >= all && (countA + countB) * 2 >= all &&
           changes >= Block * 2;
}

static int showsText(XImage *image)
{
    int dark = 0, light = 0;
    for (int y = 0; y < Block; ++y)
        for (int x = 0; x < Block; ++x) {
            Rgb p = pixelAt(image, x, y);
            int sum = p.r + p.g + p.b;
            dark += sum < 200;
            light += sum > 600;
        }
    return dark >= 4 && light >= Block * Block / 2;
}

static pid_t startProgram(char **argv)
{
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        perror(argv[0]);
        _exit(127);
    }
    return pid;
}

static void stopProgram(pid_t pid)
{
    if (waitpid(pid, NULL, WNOHANG) != 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, NULL, WNOHANG) != 0)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

static long peakKib(pid_t pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *file = fopen(path, "r");
    long value = -1;
    while (file && fgets(line, sizeof line, file))
        if (strncmp(line, "VmHWM:", 6) == 0)
            value = atol(line + 6);
    if (file)
        fclose(file);
    return value;
}

static int findWindow(Display *display, Window from, const char *title, Window *found)
{
    char *name = NULL;
    XWindowAttributes attributes;
    if (XFetchName(display, from, &name) && name) {
        int same = strcmp(name, title) == 0;
        XFree(name);
        if (same && XGetWindowAttributes(display, from, &attributes) &&
            attributes.map_state == IsViewable) {
            *found = from;
            return 1;
        }
    }
    Window root, parent, *children = NULL;
    unsigned count = 0;
    if (!XQueryTree(display, from, &root, &parent, &children, &count))
        return 0;
    int result = 0;
    for (unsigned i = 0; i < count && !result; ++i)
        result = findWindow(display, children[i], title, found);
    if (children)
        XFree(children);
    return result;
}

static int ignoreErrors(Display *display, XErrorEvent *event)
{
    (void)display;
    (void)event;
    return 0; // windows come and go while they are searched
}

static char **afterDashes(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (strcmp(argv[i], "--") == 0 && i + 1 < argc)
            return argv + i + 1;
    fprintf(stderr, "xpoll: no program after --\n");
    exit(2);
}

static double option(int argc, char **argv, const char *name, double fallback)
{
    for (int i = 1; i + 1 < argc && strcmp(argv[i], "--") != 0; ++i)
        if (strcmp(argv[i], name) == 0)
            return atof(argv[i + 1]);
    return fallback;
}

static int makePicture(int argc, char **argv)
{
    if (argc < 7)
        return 2;
    const int width = atoi(argv[2]), height = atoi(argv[3]), period = atoi(argv[4]);
    const Stripes s = parseStripes(argv[5]);
    unsigned seed = (unsigned)atoi(argv[6]);
    printf("P6\n%d %d\n255\n", width, height);
    unsigned char *row = malloc((size_t)width * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = (x / (period / 2)) % 2 ? s.b : s.a;
            const int channels[3] = {c.r, c.g, c.b};
            for (int k = 0; k < 3; ++k) {
                seed = seed * 1103515245u + 12345u;
                // Noise gives the file the entropy of a photo, so it decodes like one.
                int v = channels[k] + (int)((seed >> 16) % 41) - 20;
                row[x * 3 + k] = (unsigned char)(v < 0 ? 0 : v > 255 ? 255 : v);
            }
        }
        fwrite(row, 3, (size_t)width, stdout);
    }
    free(row);
    return 0;
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: see the head of xpoll.c\n");
        return 2;
    }
    const char *mode = argv[1];
    if (strcmp(mode, "makepicture") == 0)
        return makePicture(argc, argv);
    char **program = afterDashes(argc, argv);
    if (strcmp(mode, "run") == 0) {
        const double start = nowMs();
        pid_t pid = startProgram(program);
        waitpid(pid, NULL, 0);
        printf("%.1f\n", nowMs() - start);
        return 0;
    }

    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xpoll: no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    const double deadline = option(argc, argv, "-t", 60) * 1000;
    const double keep = option(argc, argv, "-k", 0) * 1000;
    const int windowMode = strcmp(mode, "window") == 0;
    if (!windowMode && strcmp(mode, "picture") != 0) {
        fprintf(stderr, "xpoll: unknown mode %s\n", mode);
        return 2;
    }
    if (argc < 5) {
        fprintf(stderr, "xpoll: too few arguments\n");
        return 2;
    }

    Stripes targets[MaxTargets];
    int targetCount = 0;
    for (int i = 4; !windowMode && i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (argv[i][0] == '-') {
            ++i;
            continue;
        }
        if (targetCount < MaxTargets)
            targets[targetCount++] = parseStripes(argv[i]);
    }
    const int x = atoi(argv[windowMode ? 3 : 2]), y = atoi(argv[windowMode ? 4 : 3]);

    const double start = nowMs();
    pid_t pid = startProgram(program);
    // A picture missed between two looks must not hold up the ones after it: each target is
    // timed when it is first seen, and the lines come in the order seen, so that neighbours in
    // time are neighbours in the output.
    double seenAt[MaxTargets];
    for (int i = 0; i < MaxTargets; ++i)
        seenAt[i] = -1;
    int status = 1, seenCount = 0;
    const int wanted = windowMode ? 1 : targetCount;
    while (nowMs() - start < deadline) {
        if (waitpid(pid, NULL, WNOHANG) != 0) {
            fprintf(stderr, "xpoll: the program ended early\n");
            return 1;
        }
        int left = x, top = y;
        if (windowMode) {
            Window window, child;
            if (!findWindow(display, root, argv[2], &window)) {
                usleep(1000);
                continue;
            }
            XTranslateCoordinates(display, window, root, x, y, &left, &top, &child);
        }
        XImage *image = XGetImage(display, root, left - Block / 2, top - Block / 2, Block, Block,
                                  AllPlanes, ZPixmap);
        if (image) {
            for (int i = 0; i < wanted; ++i) {
                if (seenAt[i] >= 0)
                    continue;
                if (windowMode ? showsText(image) : showsStripes(image, targets[i])) {
                    seenAt[i] = nowMs() - start;
                    ++seenCount;
                }
            }
            XDestroyImage(image);
        }
        if (seenCount == wanted || (seenAt[wanted - 1] >= 0 && !windowMode && keep == 0)) {
            status = 0;
            break;
        }
        usleep(1000);
    }
    for (int printed = 0; printed < seenCount; ++printed) {
        int first = -1;
        for (int i = 0; i < wanted; ++i)
            if (seenAt[i] >= 0 && (first < 0 || seenAt[i] < seenAt[first]))
                first = i;
        printf("%d %.1f\n", first, seenAt[first]);
        seenAt[first] = -1;
    }
    fflush(stdout);
    if (status == 0 && keep > 0) {
        usleep((useconds_t)(keep * 1000));
        printf("peak_kib %ld\n", peakKib(pid));
    }
    if (status != 0)
        fprintf(stderr, "xpoll: not seen within the deadline (%d of %d)\n", seenCount, wanted);
    stopProgram(pid);
    XCloseDisplay(display);
    return status;
}
