// Starts a program and watches the X screen itself, without starting anything else while it
// polls: how long until its window shows a picture, until a colour covers part of the screen,
// and what CPU time and memory it uses meanwhile. Prints one line of figures.
//
//   vistrel_screenwatch skin <picture> <share> <timeout ms> -- program args...
//       the first moment a window of the picture's size shows at least <share> of a grid of the
//       picture's pixels; then the resident memory and the share shown after one idle second
//   vistrel_screenwatch colour <rrggbb> <pixels> <timeout ms> -- program args...
//       the first moment at least <pixels> pixels of the screen have that colour
//   vistrel_screenwatch usage <warm-up s> <seconds> -- program args...
//       CPU seconds (user + system) and the largest resident memory over <seconds> after a warm-up
#include <QImage>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The pause between two looks at the screen: a poller that never rests takes one of the two
// cores and much of the X server's time from the program it measures, and more from a program
// that does more. The figures are that much coarser.
constexpr auto PollPause = std::chrono::milliseconds(3);

pid_t launch(char** argv) {
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        _exit(127);
    }
    return pid;
}

void finish(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

long residentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

double cpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::vector<std::string> fields;
    std::size_t at = close + 2;
    while (at < text.size()) {
        const std::size_t space = text.find(' ', at);
        fields.push_back(text.substr(at, space - at));
        if (space == std::string::npos)
            break;
        at = space + 1;
    }
    // utime and stime are fields 14 and 15 of the line, 12 and 13 after the name.
    if (fields.size() < 13)
        return 0;
    return (std::stod(fields[11]) + std::stod(fields[12])) / double(sysconf(_SC_CLK_TCK));
}

bool near(unsigned long pixel, QRgb wanted, int tolerance) {
    return std::abs(int((pixel >> 16) & 0xff) - qRed(wanted)) <= tolerance &&
           std::abs(int((pixel >> 8) & 0xff) - qGreen(wanted)) <= tolerance &&
           std::abs(int(pixel & 0xff) - qBlue(wanted)) <= tolerance;
}

// A viewable window of exactly this size anywhere in the tree, in screen coordinates.
bool findWindow(Display* display, Window under, int width, int height, int& x, int& y) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, under, &root, &parent, &children, &count))
        return false;
    bool found = false;
    for (unsigned i = count; i-- > 0 && !found;) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable)
            continue;
        if (a.width == width && a.height == height) {
            Window child = 0;
            found = XTranslateCoordinates(display, children[i], root, 0, 0, &x, &y, &child);
        } else {
            found = findWindow(display, children[i], width, height, x, y);
        }
    }
    if (children)
        XFree(children);
    return found;
}

double shareShown(Display* display, const QImage& picture, int x, int y) {
    XImage* shot = XGetImage(display, DefaultRootWindow(display), x, y, picture.width(),
                             picture.height(), AllPlanes, ZPixmap);
    if (!shot)
        return 0;
    int matching = 0, total = 0;
    for (int py = 4; py < picture.height(); py += picture.height() / 24)
        for (int px = 4; px < picture.width(); px += picture.width() / 24, ++total)
            matching += near(XGetPixel(shot, px, py), picture.pixel(px, py), 8);
    XDestroyImage(shot);
    return total ? double(matching) / total : 0;
}

int watchSkin(Display* display, char** args, char** command) {
    const QImage picture(args[0]);
    const double share = std::atof(args[1]);
    const double timeout = std::atof(args[2]) / 1000;
    if (picture.isNull())
        return 2;
    const double start = now();
    const pid_t pid = launch(command);
    double shown = -1;
    while (now() - start < timeout && shown < 0) {
        int x = 0, y = 0;
        if (findWindow(display, DefaultRootWindow(display), picture.width(), picture.height(), x,
                       y) &&
            shareShown(display, picture, x, y) >= share)
            shown = now() - start;
        else
            std::this_thread::sleep_for(PollPause);
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    int x = 0, y = 0;
    const double settled =
        findWindow(display, DefaultRootWindow(display), picture.width(), picture.height(), x, y)
            ? shareShown(display, picture, x, y)
            : 0;
    std::printf("%.1f %.1f %.2f\n", shown * 1000, residentKb(pid) / 1024.0, settled);
    finish(pid);
    return shown < 0 ? 1 : 0;
}

int watchColour(Display* display, char** args, char** command) {
    const QRgb wanted = QRgb(std::strtoul(args[0], nullptr, 16));
    const int pixels = std::atoi(args[1]);
    const double timeout = std::atof(args[2]) / 1000;
    const Window root = DefaultRootWindow(display);
    XWindowAttributes screen{};
    XGetWindowAttributes(display, root, &screen);
    const double start = now();
    const pid_t pid = launch(command);
    double shown = -1;
    while (now() - start < timeout && shown < 0) {
        XImage* shot =
            XGetImage(display, root, 0, 0, screen.width, screen.height, AllPlanes, ZPixmap);
        int count = 0;
        for (int y = 0; y < screen.height && count < pixels; y += 2)
            for (int x = 0; x < screen.width; x += 2)
                count += near(XGetPixel(shot, x, y), wanted, 40) ? 4 : 0;
        XDestroyImage(shot);
        if (count >= pixels)
            shown = now() - start;
        else
            std::this_thread::sleep_for(PollPause);
    }
    std::printf("%.1f\n", shown * 1000);
    finish(pid);
    return shown < 0 ? 1 : 0;
}

int watchUsage(char** args, char** command) {
    const double warmUp = std::atof(args[0]);
    const double seconds = std::atof(args[1]);
    const pid_t pid = launch(command);
    std::this_thread::sleep_for(std::chrono::duration<double>(warmUp));
    const double cpuBefore = cpuSeconds(pid);
    const double start = now();
    long largest = 0;
    while (now() - start < seconds) {
        largest = std::max(largest, residentKb(pid));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::printf("%.2f %.1f\n", cpuSeconds(pid) - cpuBefore, largest / 1024.0);
    finish(pid);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    int dash = 1;
    while (dash < argc && std::strcmp(argv[dash], "--") != 0)
        ++dash;
    if (argc < 3 || dash >= argc - 1)
        return 2;
    char** command = argv + dash + 1;
    const std::string mode = argv[1];
    if (mode == "usage")
        return watchUsage(argv + 2, command);
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const int result = mode == "skin"     ? watchSkin(display, argv + 2, command)
                       : mode == "colour" ? watchColour(display, argv + 2, command)
                                          : 2;
    XCloseDisplay(display);
    return result;
}
