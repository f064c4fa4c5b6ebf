// startup_meter: starts a program on the running X server and times it until
// its window appears; optionally types into it, presses a key and times the
// next window with the title. Plain Xlib and XTEST, no toolkit, so that the
// meter itself costs the program under test nothing.
//
//   startup_meter [--title T] [--calc-title T] [--type TEXT] [--keys SEQUENCE]
//                 [--settle MS] [--timeout MS] [--log FILE] -- command [args...]
//
// The start-up time runs from just before the command is executed (the meter
// forks and executes it itself) to the first MapNotify of a top-level window
// whose _NET_WM_NAME or WM_NAME equals the title, or to the moment such a
// window, already mapped, is given the title. The peak memory (VmHWM) of the
// process is read at that moment, and so is the processor time its threads
// have had (cpu_ms), which other work on the machine hardly changes. Where
// the server has the DAMAGE extension, the first drawing into that window
// after its map is timed too (paint_ms): the moment the user sees the
// window's contents.
//
// With --type or --keys, the meter then focuses that window, types TEXT,
// waits --settle milliseconds (300) for the program to catch up; with --keys
// it sends the key sequence and times from its last key to the next map of a
// window titled --calc-title (the same title unless given), with the
// processor time spent meanwhile (calc_cpu_ms). A sequence is keys parted by
// blanks, each a keysym name with modifiers joined by '+', such as
// "Tab alt+f" or "ctrl+shift+Return".
//
// Without a window manager, top-level windows are the root window's children,
// which is where the meter looks. It prints one line and ends the command:
//
//   startup_ms=61.2 paint_ms=70.4 cpu_ms=52.3 hwm_kib=35336 rss_kib=35336
//   calc_ms=8.0 calc_paint_ms=12.5 calc_cpu_ms=6.1 calc_hwm_kib=38440
//
// (one line; a time the server cannot tell is left out)
//
// or "error=..." and exit status 1 when the command failed or timed out.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <string>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Options
{
    std::string title = "Numorra v1.75";
    std::string calcTitle;
    std::string typed;
    std::string keys;
    int settleMs = 300;
    int timeoutMs = 30000;
    std::string logPath = "/dev/null";
    char **command = nullptr;
};

volatile sig_atomic_t childGroup = 0;

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void sleepMs(int milliseconds)
{
    timespec pause{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

// Windows come and go while we ask about them; a vanished one is no error.
int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0;
}

// The meter never leaves the command running behind it.
void endChildAndExit(int signalNumber)
{
    if (childGroup > 0)
        kill(-childGroup, SIGKILL);
    _exit(128 + signalNumber);
}

void usage()
{
    std::fprintf(stderr,
                 "usage: startup_meter [--title T] [--calc-title T] [--type TEXT] "
                 "[--keys SEQUENCE]\n"
                 "                     [--settle MS] [--timeout MS] [--log FILE] -- command "
                 "[args...]\n");
}

bool parseOptions(int argc, char **argv, Options &options)
{
    int at = 1;
    for (; at < argc; ++at) {
        const std::string argument = argv[at];
        if (argument == "--") {
            ++at;
            break;
        }
        if (at + 1 >= argc)
            return false;
        const char *value = argv[++at];
        if (argument == "--title")
            options.title = value;
        else if (argument == "--calc-title")
            options.calcTitle = value;
        else if (argument == "--type")
            options.typed = value;
        else if (argument == "--keys")
            options.keys = value;
        else if (argument == "--settle")
            options.settleMs = std::atoi(value);
        else if (argument == "--timeout")
            options.timeoutMs = std::atoi(value);
        else if (argument == "--log")
            options.logPath = value;
        else
            return false;
    }
    if (at >= argc)
        return false;
    options.command = argv + at;
    if (options.calcTitle.empty())
        options.calcTitle = options.title;
    return true;
}

long statusKib(pid_t pid, const char *field)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(pid));
    FILE *status = std::fopen(path, "r");
    if (!status)
        return -1;
    const size_t fieldLength = std::strlen(field);
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, fieldLength) == 0 && line[fieldLength] == ':') {
            kib = std::strtol(line + fieldLength + 1, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return kib;
}

// The processor time the process's threads have had so far, in milliseconds,
// from the scheduler's nanosecond counts: unlike the wall-clock times it
// hardly changes when other work shares the machine. -1 when unknown.
double cpuMs(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/task", static_cast<int>(pid));
    DIR *tasks = opendir(path);
    if (!tasks)
        return -1;
    double total = 0;
    while (const dirent *task = readdir(tasks)) {
        if (task->d_name[0] == '.')
            continue;
        char statPath[sizeof path + sizeof task->d_name + 16];
        std::snprintf(statPath, sizeof statPath, "%s/%s/schedstat", path, task->d_name);
        if (FILE *stat = std::fopen(statPath, "r")) {
            unsigned long long runNs = 0;
            if (std::fscanf(stat, "%llu", &runNs) == 1)
                total += static_cast<double>(runNs) / 1e6;
            std::fclose(stat);
        }
    }
    closedir(tasks);
    return total;
}

// Watches the root window's children: which are mapped, since when, and
// when each was first drawn into after its map.
class WindowWatcher
{
public:
    explicit WindowWatcher(Display *display)
        : m_display(display), m_root(DefaultRootWindow(display)),
          m_netWmName(XInternAtom(display, "_NET_WM_NAME", False)),
          m_utf8String(XInternAtom(display, "UTF8_STRING", False))
    {
        int errorBase = 0;
        m_hasDamage = XDamageQueryExtension(display, &m_damageEventBase, &errorBase);
        XSelectInput(m_display, m_root, SubstructureNotifyMask);
        XSync(m_display, False);
    }

    bool hasDamage() const { return m_hasDamage; }

    struct Sighting
    {
        Window window = None;
        double atMs = 0;
    };

    // Waits until a window mapped after `sinceMs` shows `title`, the child
    // ends or the deadline passes. Every event is taken in, so that windows
    // mapped earlier are known when the next wait begins.
    Sighting waitForTitle(const std::string &title, double sinceMs, double deadlineMs, pid_t child,
                          bool &childEnded)
    {
        Sighting sighting;
        waitUntil(
            [&](Window changed, double atMs) {
                if (changed == None || m_mappedAt[changed] < sinceMs || titleOf(changed) != title)
                    return false;
                sighting = {changed, atMs};
                return true;
            },
            deadlineMs, child, childEnded);
        return sighting;
    }

    // The moment of the first drawing into the window since its map; 0 when
    // none came before the deadline or the server cannot tell.
    double waitForPaint(Window window, double deadlineMs, pid_t child)
    {
        if (!m_hasDamage)
            return 0;
        bool childEnded = false;
        waitUntil([&](Window, double) { return m_paintedAt.count(window) > 0; }, deadlineMs, child,
                  childEnded);
        const auto painted = m_paintedAt.find(window);
        return painted == m_paintedAt.end() ? 0 : painted->second;
    }

    // Takes in events for `milliseconds` without waiting for anything.
    void pump(int milliseconds, pid_t child)
    {
        bool childEnded = false;
        waitUntil([](Window, double) { return false; }, nowMs() + milliseconds, child, childEnded);
    }

private:
    // Takes in events until `done(window, atMs)` holds for a window an event
    // changed (or None), the child ends or the deadline passes.
    template <typename Done>
    void waitUntil(Done done, double deadlineMs, pid_t child, bool &childEnded)
    {
        childEnded = false;
        if (done(None, nowMs()))
            return;
        for (;;) {
            while (XPending(m_display) > 0) {
                XEvent event;
                XNextEvent(m_display, &event);
                const double atMs = nowMs();
                if (done(take(event, atMs), atMs))
                    return;
            }
            if (waitpid(child, nullptr, WNOHANG) == child) {
                childEnded = true;
                return;
            }
            const double left = deadlineMs - nowMs();
            if (left <= 0)
                return;
            pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
            poll(&connection, 1, left < 20 ? static_cast<int>(left) + 1 : 20);
        }
    }

    // Records what the event says; returns the window whose map, title or
    // contents it changed, or None.
    Window take(const XEvent &event, double atMs)
    {
        if (m_hasDamage && event.type == m_damageEventBase + XDamageNotify) {
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
            if (m_mappedAt.count(damage.drawable) == 0 || m_paintedAt.count(damage.drawable) > 0)
                return None;
            m_paintedAt[damage.drawable] = atMs;
            return damage.drawable;
        }
        switch (event.type) {
        case CreateNotify:
            // The title may be set after mapping; hear of its changes. The
            // damage object is made before the map, so no drawing goes unseen.
            if (event.xcreatewindow.parent == m_root) {
                XSelectInput(m_display, event.xcreatewindow.window, PropertyChangeMask);
                if (m_hasDamage)
                    XDamageCreate(m_display, event.xcreatewindow.window, XDamageReportNonEmpty);
            }
            return None;
        case MapNotify:
            if (event.xmap.event != m_root)
                return None;
            m_mappedAt[event.xmap.window] = atMs;
            m_paintedAt.erase(event.xmap.window);
            return event.xmap.window;
        case UnmapNotify:
            if (event.xunmap.event == m_root)
                m_mappedAt.erase(event.xunmap.window);
            return None;
        case DestroyNotify:
            m_mappedAt.erase(event.xdestroywindow.window);
            return None;
        case PropertyNotify:
            if ((event.xproperty.atom == XA_WM_NAME || event.xproperty.atom == m_netWmName) &&
                m_mappedAt.count(event.xproperty.window) > 0)
                return event.xproperty.window;
            return None;
        default:
            return None;
        }
    }

    std::string titleOf(Window window)
    {
        std::string title;
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char *data = nullptr;
        if (XGetWindowProperty(m_display, window, m_netWmName, 0, 1024, False, m_utf8String, &type,
                               &format, &count, &after, &data) == Success &&
            data && format == 8) {
            title.assign(reinterpret_cast<const char *>(data), count);
        }
        if (data)
            XFree(data);
        if (!title.empty())
            return title;
        char *name = nullptr;
        if (XFetchName(m_display, window, &name) && name) {
            title = name;
            XFree(name);
        }
        return title;
    }

    Display *m_display;
    Window m_root;
    Atom m_netWmName;
    Atom m_utf8String;
    bool m_hasDamage = false;
    int m_damageEventBase = 0;
    std::map<Window, double> m_mappedAt;
    std::map<Window, double> m_paintedAt;
};

// Key presses through XTEST, as a keyboard would send them.
class Keyboard
{
public:
    explicit Keyboard(Display *display) : m_display(display) {}

    // Types printable ASCII text, with Shift where the keymap needs it.
    bool type(const std::string &text)
    {
        for (const char character : text) {
            const KeySym symbol = static_cast<unsigned char>(character);
            const KeyCode code = XKeysymToKeycode(m_display, symbol);
            if (code == 0)
                return false;
            const bool shifted = XkbKeycodeToKeysym(m_display, code, 0, 0) != symbol;
            if (shifted)
                press(XK_Shift_L, true);
            tap(code);
            if (shifted)
                press(XK_Shift_L, false);
            XSync(m_display, False);
        }
        return true;
    }

    // Splits a sequence into its key combinations; false when a name is unknown.
    bool parse(const std::string &sequence, std::vector<std::vector<KeySym>> &combinations)
    {
        size_t at = 0;
        while (at < sequence.size()) {
            const size_t start = sequence.find_first_not_of(" \t", at);
            if (start == std::string::npos)
                break;
            size_t end = sequence.find_first_of(" \t", start);
            if (end == std::string::npos)
                end = sequence.size();
            std::vector<KeySym> combination;
            const std::string token = sequence.substr(start, end - start);
            size_t part = 0;
            while (part <= token.size()) {
                size_t plus = token.find('+', part);
                if (plus == std::string::npos)
                    plus = token.size();
                const KeySym symbol = keysymOf(token.substr(part, plus - part));
                if (symbol == NoSymbol || XKeysymToKeycode(m_display, symbol) == 0)
                    return false;
                combination.push_back(symbol);
                part = plus + 1;
            }
            combinations.push_back(combination);
            at = end;
        }
        return true;
    }

    // Presses the keys of a combination in order, then releases them in reverse.
    void send(const std::vector<KeySym> &combination)
    {
        for (const KeySym symbol : combination)
            press(symbol, true);
        for (auto symbol = combination.rbegin(); symbol != combination.rend(); ++symbol)
            press(*symbol, false);
        XFlush(m_display);
    }

private:
    static KeySym keysymOf(const std::string &name)
    {
        static const std::map<std::string, KeySym> modifiers = {
            {"alt", XK_Alt_L},      {"Alt", XK_Alt_L},         {"ctrl", XK_Control_L},
            {"Ctrl", XK_Control_L}, {"control", XK_Control_L}, {"shift", XK_Shift_L},
            {"Shift", XK_Shift_L},  {"super", XK_Super_L},     {"Super", XK_Super_L},
        };
        const auto modifier = modifiers.find(name);
        if (modifier != modifiers.end())
            return modifier->second;
        return XStringToKeysym(name.c_str());
    }

    void press(KeySym symbol, bool down)
    {
        XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, symbol), down ? True : False,
                          CurrentTime);
    }

    void tap(KeyCode code)
    {
        XTestFakeKeyEvent(m_display, code, True, CurrentTime);
        XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    }

    Display *m_display;
};

// Gives the window the keyboard focus and waits until the server says it has it.
bool focus(Display *display, Window window)
{
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
    for (int tries = 0; tries < 100; ++tries) {
        Window focused = None;
        int revert = 0;
        XGetInputFocus(display, &focused, &revert);
        if (focused == window)
            return true;
        sleepMs(10);
    }
    return false;
}

void endChild(pid_t child)
{
    kill(-child, SIGTERM);
    for (int tries = 0; tries < 200; ++tries) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            kill(-child, SIGKILL); // anything the command left behind
            return;
        }
        sleepMs(10);
    }
    kill(-child, SIGKILL);
    waitpid(child, nullptr, 0);
}

// Whether the result line has begun; an error ends it.
bool lineBegun = false;

int fail(pid_t child, const char *reason)
{
    std::printf("%serror=%s\n", lineBegun ? " " : "", reason);
    std::fflush(stdout);
    if (child > 0)
        endChild(child);
    childGroup = 0;
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        usage();
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_meter: cannot open the X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreXErrors);
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    const bool wantKeys = !options.typed.empty() || !options.keys.empty();
    if (wantKeys && !XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        std::fprintf(stderr, "startup_meter: the X server has no XTEST extension\n");
        return 2;
    }
    Keyboard keyboard(display);
    std::vector<std::vector<KeySym>> combinations;
    if (!keyboard.parse(options.keys, combinations)) {
        std::fprintf(stderr, "startup_meter: unknown key in \"%s\"\n", options.keys.c_str());
        return 2;
    }
    // Listen before the command starts, so that no map goes unseen.
    WindowWatcher watcher(display);
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);

    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signalNumber, endChildAndExit);

    // The child writes the moment it executes the command where we can read it.
    void *shared =
        mmap(nullptr, sizeof(double), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        std::perror("startup_meter: mmap");
        return 2;
    }
    auto *execAt = static_cast<double *>(shared);
    *execAt = 0;
    std::fflush(stdout);
    const pid_t child = fork();
    if (child < 0) {
        std::perror("startup_meter: fork");
        return 2;
    }
    if (child == 0) {
        setpgid(0, 0);
        const int log = open(options.logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (log >= 0) {
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
            close(log);
        }
        *execAt = nowMs();
        execvp(options.command[0], options.command);
        std::fprintf(stderr, "startup_meter: cannot run %s: %s\n", options.command[0],
                     std::strerror(errno));
        _exit(127);
    }
    setpgid(child, child); // either side may get there first
    childGroup = child;
    const double forkedAt = nowMs();

    bool childEnded = false;
    const WindowWatcher::Sighting started =
        watcher.waitForTitle(options.title, 0, forkedAt + options.timeoutMs, child, childEnded);
    if (started.window == None)
        return fail(childEnded ? 0 : child, childEnded
                                                ? "the command ended before its window appeared"
                                                : "timed out waiting for the window");
    const long hwmKib = statusKib(child, "VmHWM");
    const long rssKib = statusKib(child, "VmRSS");
    const double startupCpuMs = cpuMs(child);
    const double launchedAt = *execAt > 0 ? *execAt : forkedAt;
    std::printf("startup_ms=%.1f", started.atMs - launchedAt);
    lineBegun = true;
    const double paintedAt =
        watcher.waitForPaint(started.window, started.atMs + options.timeoutMs, child);
    // A window drawn before it got its title counts as drawn when titled.
    if (paintedAt > 0)
        std::printf(" paint_ms=%.1f", std::max(paintedAt, started.atMs) - launchedAt);
    std::printf(" cpu_ms=%.1f hwm_kib=%ld rss_kib=%ld", startupCpuMs, hwmKib, rssKib);

    if (wantKeys) {
        if (!focus(display, started.window))
            return fail(child, "the window did not take the keyboard focus");
        if (!keyboard.type(options.typed))
            return fail(child, "a character of the text has no key");
        watcher.pump(options.settleMs, child);
    }
    if (!combinations.empty()) {
        for (size_t index = 0; index + 1 < combinations.size(); ++index) {
            keyboard.send(combinations[index]);
            XSync(display, False);
        }
        const double cpuBeforeKeysMs = cpuMs(child);
        const double pressedAt = nowMs();
        keyboard.send(combinations.back());
        const WindowWatcher::Sighting calculated = watcher.waitForTitle(
            options.calcTitle, pressedAt, pressedAt + options.timeoutMs, child, childEnded);
        if (calculated.window == None)
            return fail(childEnded ? 0 : child, childEnded
                                                    ? "the command ended before the next window"
                                                    : "timed out waiting for the next window");
        std::printf(" calc_ms=%.1f", calculated.atMs - pressedAt);
        const long calcHwmKib = statusKib(child, "VmHWM");
        const double calcCpuMs = cpuMs(child) - cpuBeforeKeysMs;
        const double calcPaintedAt =
            watcher.waitForPaint(calculated.window, calculated.atMs + options.timeoutMs, child);
        if (calcPaintedAt > 0)
            std::printf(" calc_paint_ms=%.1f",
                        std::max(calcPaintedAt, calculated.atMs) - pressedAt);
        std::printf(" calc_cpu_ms=%.1f calc_hwm_kib=%ld", calcCpuMs, calcHwmKib);
    }
    std::printf("\n");
    std::fflush(stdout);
    endChild(child);
    childGroup = 0;
    XCloseDisplay(display);
    return 0;
}
