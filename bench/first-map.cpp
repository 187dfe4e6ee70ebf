// Starts a program and prints, in milliseconds, the time from its exec to
// the first window the window manager maps on the X server's screen, and
// that window's title; then ends the program. The same clock and the same
// event for any program:
//   first-map PROGRAM [ARGUMENT...]
// Needs a window manager that frames windows (each frame is mapped as a
// child of the root window once its client asked to be shown).

#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <string>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The title of the program's window that `frame` holds.
std::string title(Display* display, Window frame) {
    char* name = nullptr;
    if (XFetchName(display, frame, &name) != 0 && name != nullptr) {
        std::string found = name;
        XFree(name);
        return found;
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    std::string found;
    if (XQueryTree(display, frame, &root, &parent, &children, &count) != 0) {
        for (unsigned i = 0; i < count && found.empty(); ++i)
            found = title(display, children[i]);
        XFree(children);
    }
    return found;
}

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: first-map PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("first-map: no X display\n", stderr);
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True); // from here on, only what the program causes

    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("first-map: exec");
        _exit(127);
    }
    double mapped = -1;
    Window shown = 0;
    pollfd x{ConnectionNumber(display), POLLIN, 0};
    while (mapped < 0 && now() - start < 30000) {
        while (mapped < 0 && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                mapped = now();
                shown = event.xmap.window;
            }
        }
        if (mapped >= 0 || waitpid(child, nullptr, WNOHANG) == child) break; // ended, no window
        poll(&x, 1, 100);
    }
    const std::string shownTitle = mapped < 0 ? std::string() : title(display, shown);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (mapped < 0) {
        std::fprintf(stderr, "first-map: %s showed no window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %s\n", mapped - start, shownTitle.c_str());
    return 0;
}
