// Starts a program and watches the X screen itself, without starting anything else while it
// polls: how long until its window shows a picture, until a colour covers part of the screen,
// and what CPU time and memory it uses meanwhile. Prints one line of figures.
//
//   vistrel_screenwatch skin <picture> <share> <timeout ms> -- program args...
//       the first moment a window of the picture's size shows at least <share> of a grid of the
//       picture's pixels; then the resident memory and the share shown after one idle second
//   vistrel_screenwatch colour <rrggbb> <pixels> <timeout ms> -- program args...
//       the first moment at least <pixels> pixels of the screen have that colour (with
//       VISTREL_WATCH_NESTED set, for a program shown by a nested compositor, without waiting
//       for a window of its own first)
//   vistrel_screenwatch usage <warm-up s> <seconds> -- program args...
//       CPU seconds (user + system) and the largest resident memory over <seconds> after a warm-up
#include <QImage>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/ipc.h>
#include <sys/shm.h>
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

// Nothing is asked of the server until a window changes: the walk of the window tree and the
// looks at the screen would take the server's time while the measured program starts.
void listenForWindows(Display* display) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
}

// Until some window on the screen is created, mapped, moved or reparented, or the time is up.
bool awaitWindowChange(Display* display, double until) {
    while (XPending(display) == 0) {
        const int left = int((until - now()) * 1000);
        if (left <= 0)
            return false;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, left);
    }
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
    }
    return true;
}

// A look at part of the screen through shared memory where the server offers it: the server copies
// the pixels straight into ours instead of down the socket, so each look takes little of the time
// it shares with the measured program.
class ScreenShot {
  public:
    ScreenShot(Display* display, int width, int height)
        : display_(display), width_(width), height_(height) {
        if (XShmQueryExtension(display))
            attachShared();
    }
    ~ScreenShot() {
        if (shared_) {
            XShmDetach(display_, &segment_);
            shmdt(segment_.shmaddr);
            image_->data = nullptr;
        }
        if (image_)
            XDestroyImage(image_);
    }
    ScreenShot(const ScreenShot&) = delete;
    ScreenShot& operator=(const ScreenShot&) = delete;

    // The screen's pixels from (x, y) on; false where the area is not on the screen.
    bool take(int x, int y) {
        const Window root = DefaultRootWindow(display_);
        if (shared_)
            return XShmGetImage(display_, root, image_, x, y, AllPlanes);
        if (image_)
            XDestroyImage(image_);
        image_ = XGetImage(display_, root, x, y, width_, height_, AllPlanes, ZPixmap);
        return image_ != nullptr;
    }
    unsigned long pixel(int x, int y) const { return XGetPixel(image_, x, y); }

  private:
    void attachShared() {
        Screen* screen = DefaultScreenOfDisplay(display_);
        XImage* image =
            XShmCreateImage(display_, DefaultVisualOfScreen(screen), DefaultDepthOfScreen(screen),
                            ZPixmap, nullptr, &segment_, width_, height_);
        if (!image)
            return;
        segment_.shmid = shmget(IPC_PRIVATE, image->bytes_per_line * height_, IPC_CREAT | 0600);
        segment_.shmaddr = static_cast<char*>(shmat(segment_.shmid, nullptr, 0));
        shmctl(segment_.shmid, IPC_RMID, nullptr); // freed once both sides let go
        if (segment_.shmaddr == reinterpret_cast<char*>(-1) || !XShmAttach(display_, &segment_)) {
            XDestroyImage(image);
            return;
        }
        image->data = segment_.shmaddr;
        image_ = image;
        shared_ = true;
    }

    Display* display_;
    int width_, height_;
    XImage* image_ = nullptr;
    XShmSegmentInfo segment_{};
    bool shared_ = false;
};

double shareShown(ScreenShot& shot, const QImage& picture, int x, int y) {
    if (!shot.take(x, y))
        return 0;
    int matching = 0, total = 0;
    for (int py = 4; py < picture.height(); py += picture.height() / 24)
        for (int px = 4; px < picture.width(); px += picture.width() / 24, ++total)
            matching += near(shot.pixel(px, py), picture.pixel(px, py), 8);
    return total ? double(matching) / total : 0;
}

// The window is looked for until found, and again now and then in case it moved; in between,
// only its picture is looked at, one request to the server instead of a walk of the window tree.
int watchSkin(Display* display, char** args, char** command) {
    const QImage picture(args[0]);
    const double share = std::atof(args[1]);
    const double timeout = std::atof(args[2]) / 1000;
    if (picture.isNull())
        return 2;
    const Window root = DefaultRootWindow(display);
    ScreenShot shot(display, picture.width(), picture.height());
    listenForWindows(display);
    const double start = now();
    const pid_t pid = launch(command);
    double shown = -1;
    bool found = false;
    int x = 0, y = 0;
    for (int look = 0; now() - start < timeout && shown < 0; ++look) {
        if (!found && !awaitWindowChange(display, start + timeout))
            break;
        if (!found || look % 8 == 0)
            found = findWindow(display, root, picture.width(), picture.height(), x, y);
        if (found && shareShown(shot, picture, x, y) >= share)
            shown = now() - start;
        else
            std::this_thread::sleep_for(PollPause);
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const double settled = findWindow(display, root, picture.width(), picture.height(), x, y)
                               ? shareShown(shot, picture, x, y)
                               : 0;
    std::printf("%.1f %.1f %.2f\n", shown * 1000, residentKb(pid) / 1024.0, settled);
    finish(pid);
    return shown < 0 ? 1 : 0;
}

// Every fourth pixel of every fourth row stands for the sixteen around it.
int watchColour(Display* display, char** args, char** command) {
    const QRgb wanted = QRgb(std::strtoul(args[0], nullptr, 16));
    const int pixels = std::atoi(args[1]);
    const double timeout = std::atof(args[2]) / 1000;
    XWindowAttributes screen{};
    XGetWindowAttributes(display, DefaultRootWindow(display), &screen);
    ScreenShot shot(display, screen.width, screen.height);
    listenForWindows(display);
    const double start = now();
    const pid_t pid = launch(command);
    double shown = -1;
    // No picture before the first window; a program drawn by a nested Wayland compositor (its
    // output an X window already there) makes none.
    if (!std::getenv("VISTREL_WATCH_NESTED"))
        awaitWindowChange(display, start + timeout);
    while (now() - start < timeout && shown < 0) {
        int count = 0;
        if (shot.take(0, 0))
            for (int y = 0; y < screen.height && count < pixels; y += 4)
                for (int x = 0; x < screen.width; x += 4)
                    count += near(shot.pixel(x, y), wanted, 40) ? 16 : 0;
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
