// Start-up of the real program to its title screen, timed from outside.
//
// The program (build/src/app/korvel, or KORVEL_PROGRAM) is started as a user starts it, on
// the X display in DISPLAY (an Xvfb: see bench/startup.sh), with nothing added to it. This
// benchmark watches the X server: it selects SubstructureNotify on the root window, so the
// server tells it, as they happen, about every top-level window created and mapped. The
// clock starts just before the process is spawned and stops
//   - when a window of that process (_NET_WM_PID) whose name contains "KORVEL" is mapped:
//     the title screen appears (counter map_ms);
//   - when that window is first drawn into after being mapped (X Damage extension, if the
//     benchmark was built with it): the title screen has been painted (counter painted_ms).
// The time reported is painted_ms when Damage is there, else map_ms. The process is then
// killed (SIGKILL, by its id) and reaped; only after that is the next start prepared.
//
// Every start gets a temp folder with its own HOME, XDG_RUNTIME_DIR, KORVEL_REGISTRY_DIR and
// a hard link to (or copy of) the program: the program keeps its run-check file beside its
// executable, and a killed run leaves it saying "running", which would make the next start
// show a message first. Variants:
//   BM_StartupToTitle/kept_settings:0   everything fresh for each start (a first start);
//   BM_StartupToTitle/kept_settings:1   HOME and the registry folder kept from the previous
//                                       start, only the run-check file removed.
// One untimed start warms the file cache first. Each of the 10 repetitions is one timed start;
// the median is among the aggregates printed after them.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#ifdef KORVEL_HAVE_XDAMAGE
#include <X11/extensions/Xdamage.h>
#endif

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

#ifndef KORVEL_PROGRAM
#define KORVEL_PROGRAM ""
#endif

std::string Program() {
    const char* overridden = std::getenv("KORVEL_PROGRAM");
    return overridden && *overridden ? overridden : KORVEL_PROGRAM;
}

std::string Title_Match() {
    const char* overridden = std::getenv("KORVEL_TITLE_MATCH");
    return overridden && *overridden ? overridden : "KORVEL";
}

constexpr double Timeout_Seconds = 20.0;

// ---- The X side ----

// Windows may vanish between an event about them and a request about them: ignore it.
int Ignore_X_Errors(Display*, XErrorEvent*) {
    return 0;
}

struct XWatch {
    Display* dpy = nullptr;
    Window root = 0;
    Atom pidAtom = 0, netNameAtom = 0, utf8Atom = 0;
    int damageEvent = -1; // first event number of the Damage extension, -1 without it

    std::string Open() {
        dpy = XOpenDisplay(nullptr);
        if (!dpy) return "cannot open the X display (is DISPLAY set? run bench/startup.sh)";
        XSetErrorHandler(Ignore_X_Errors);
        root = DefaultRootWindow(dpy);
        pidAtom = XInternAtom(dpy, "_NET_WM_PID", False);
        netNameAtom = XInternAtom(dpy, "_NET_WM_NAME", False);
        utf8Atom = XInternAtom(dpy, "UTF8_STRING", False);
        XSelectInput(dpy, root, SubstructureNotifyMask);
#ifdef KORVEL_HAVE_XDAMAGE
        int error = 0;
        if (XDamageQueryExtension(dpy, &damageEvent, &error) == False) damageEvent = -1;
#endif
        XSync(dpy, False);
        return {};
    }

    void Drain() {
        XSync(dpy, False);
        while (XPending(dpy) > 0) {
            XEvent event;
            XNextEvent(dpy, &event);
        }
    }

    std::optional<long> Pid_Of(Window w) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::optional<long> pid;
        if (XGetWindowProperty(dpy, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                               &after, &data) == Success &&
            data && format == 32 && count == 1)
            pid = *reinterpret_cast<long*>(data);
        if (data) XFree(data);
        return pid;
    }

    std::string Name_Of(Window w) {
        std::string name;
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(dpy, w, netNameAtom, 0, 1024, False, utf8Atom, &type, &format,
                               &count, &after, &data) == Success &&
            data && format == 8)
            name.assign(reinterpret_cast<char*>(data), count);
        if (data) XFree(data);
        if (name.empty()) {
            char* legacy = nullptr;
            if (XFetchName(dpy, w, &legacy) && legacy) name = legacy;
            if (legacy) XFree(legacy);
        }
        return name;
    }
};

XWatch g_x;

// ---- One start ----

struct StartResult {
    std::string error; // empty on success
    double mapSeconds = 0.0;
    double paintSeconds = 0.0; // 0 without Damage
    int otherWindows = 0;      // other windows of the process mapped before the title
    std::string title;
};

struct StartFolder {
    fs::path root;
    fs::path program; // the link (or copy) the process runs

    std::string Make(const std::string& original) {
        char pattern[] = "/tmp/korvel-startup-XXXXXX";
        if (!mkdtemp(pattern)) return "mkdtemp failed";
        root = pattern;
        std::error_code ec;
        for (const char* sub : {"home", "registry", "bin"})
            fs::create_directory(root / sub, ec);
        fs::create_directory(root / "runtime", ec);
        chmod((root / "runtime").c_str(), 0700);
        program = root / "bin" / "korvel";
        fs::create_hard_link(original, program, ec);
        if (ec) fs::copy_file(original, program, ec);
        if (ec) return "cannot place the program in " + root.string() + ": " + ec.message();
        return {};
    }
    void Remove() {
        std::error_code ec;
        if (!root.empty()) fs::remove_all(root, ec);
        root.clear();
    }
};

std::vector<std::string> Child_Environment(const StartFolder& folder) {
    const auto replaced = [](const std::string& entry) {
        for (const char* name :
             {"HOME=", "XDG_RUNTIME_DIR=", "KORVEL_REGISTRY_DIR=", "QT_QPA_PLATFORM=",
              "XDG_CONFIG_HOME=", "XDG_DATA_HOME=", "XDG_CACHE_HOME=", "XDG_STATE_HOME="})
            if (entry.rfind(name, 0) == 0) return true;
        return false;
    };
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (!replaced(*e)) env.emplace_back(*e);
    env.push_back("HOME=" + (folder.root / "home").string());
    env.push_back("XDG_RUNTIME_DIR=" + (folder.root / "runtime").string());
    env.push_back("KORVEL_REGISTRY_DIR=" + (folder.root / "registry").string());
    env.push_back("QT_QPA_PLATFORM=xcb");
    return env;
}

double Seconds_Since(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

StartResult Start_Once(const StartFolder& folder) {
    StartResult result;
    std::vector<std::string> env = Child_Environment(folder);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string arg0 = "korvel";
    char* argv[] = {arg0.data(), nullptr};
    const std::string log = (folder.root / "korvel.log").string();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);

    g_x.Drain();
    const Clock::time_point t0 = Clock::now();
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, folder.program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        result.error = std::string("posix_spawn: ") + std::strerror(spawned);
        return result;
    }

    Window title = 0;
    bool done = false;
#ifdef KORVEL_HAVE_XDAMAGE
    const bool withDamage = g_x.damageEvent >= 0;
    std::vector<Damage> damages;
#else
    const bool withDamage = false;
#endif
    while (!done) {
        if (Seconds_Since(t0) > Timeout_Seconds) {
            result.error = "no title screen within the time-out (see " + log + ")";
            break;
        }
        if (XPending(g_x.dpy) == 0) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = 0;
                result.error = "the program ended before its title screen (see " + log + ")";
                break;
            }
            pollfd fd{ConnectionNumber(g_x.dpy), POLLIN, 0};
            poll(&fd, 1, 5);
            continue;
        }
        XEvent event;
        XNextEvent(g_x.dpy, &event);
        const double now = Seconds_Since(t0);
        if (event.type == CreateNotify && event.xcreatewindow.parent == g_x.root) {
#ifdef KORVEL_HAVE_XDAMAGE
            // Watch drawing into every new top-level window from the start: the title
            // window's first paint may follow its map within microseconds. Every drawing
            // request is reported, so one before the map cannot hide the first one after it.
            if (withDamage)
                damages.push_back(
                    XDamageCreate(g_x.dpy, event.xcreatewindow.window, XDamageReportRawRectangles));
#endif
        } else if (event.type == MapNotify && event.xmap.event == g_x.root && title == 0) {
            const Window w = event.xmap.window;
            if (g_x.Pid_Of(w) != std::optional<long>(pid)) continue;
            const std::string name = g_x.Name_Of(w);
            if (name.find(Title_Match()) == std::string::npos) {
                ++result.otherWindows;
                continue;
            }
            title = w;
            result.title = name;
            result.mapSeconds = now;
            done = !withDamage;
        }
#ifdef KORVEL_HAVE_XDAMAGE
        else if (withDamage && event.type == g_x.damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (title != 0 && damage.drawable == title) {
                result.paintSeconds = now;
                done = true;
            }
        }
#endif
    }

    if (pid > 0) {
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
    }
#ifdef KORVEL_HAVE_XDAMAGE
    // The server frees them with their windows; a late destroy of a gone one is ignored.
    for (Damage d : damages)
        XDamageDestroy(g_x.dpy, d);
#endif
    g_x.Drain();
    return result;
}

// ---- The benchmark ----

void BM_StartupToTitle(benchmark::State& state) {
    const bool keptSettings = state.range(0) != 0;
    static const std::string xProblem = g_x.Open();
    if (!xProblem.empty()) {
        state.SkipWithError(xProblem.c_str());
        return;
    }
    const std::string program = Program();
    if (program.empty() || !fs::exists(program)) {
        state.SkipWithError("the program was not found: build korvel or set KORVEL_PROGRAM");
        return;
    }

    static bool warmed = false;
    StartFolder kept;
    if (keptSettings) {
        if (const std::string e = kept.Make(program); !e.empty()) {
            state.SkipWithError(e.c_str());
            return;
        }
    }
    if (!warmed || keptSettings) {
        // One untimed start: warms the file cache, and in the kept variant leaves the
        // settings a first start writes.
        StartFolder warm;
        StartResult r;
        r.error = keptSettings ? std::string() : warm.Make(program);
        if (r.error.empty()) r = Start_Once(keptSettings ? kept : warm);
        warm.Remove();
        if (!r.error.empty()) {
            kept.Remove();
            state.SkipWithError(r.error.c_str());
            return;
        }
        warmed = true;
    }

    StartResult last;
    double mapTotal = 0.0, paintTotal = 0.0, others = 0.0;
    for (auto _ : state) {
        StartFolder fresh;
        if (!keptSettings) {
            if (const std::string e = fresh.Make(program); !e.empty()) {
                state.SkipWithError(e.c_str());
                break;
            }
        }
        const StartFolder& folder = keptSettings ? kept : fresh;
        std::error_code ec;
        fs::remove(folder.root / "bin" / "Run_Check.txt", ec);
        last = Start_Once(folder);
        fresh.Remove();
        if (!last.error.empty()) {
            state.SkipWithError(last.error.c_str());
            break;
        }
        state.SetIterationTime(last.paintSeconds > 0.0 ? last.paintSeconds : last.mapSeconds);
        mapTotal += last.mapSeconds;
        paintTotal += last.paintSeconds;
        others += last.otherWindows;
    }
    kept.Remove();
    if (!last.error.empty() || state.iterations() == 0) return;
    const double n = static_cast<double>(state.iterations());
    state.counters["map_ms"] = benchmark::Counter(1000.0 * mapTotal / n);
    if (paintTotal > 0.0)
        state.counters["painted_ms"] = benchmark::Counter(1000.0 * paintTotal / n);
    state.counters["other_windows"] = benchmark::Counter(others / n);
    // The window's name, its runs of blanks shown as one, none at the end.
    std::string label;
    for (char ch : last.title)
        if (ch != ' ' || label.empty() || label.back() != ' ') label += ch;
    while (!label.empty() && label.back() == ' ')
        label.pop_back();
    state.SetLabel(label);
}

double Fastest(const std::vector<double>& v) {
    return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
}

BENCHMARK(BM_StartupToTitle)
    ->ArgName("kept_settings")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);

} // namespace

BENCHMARK_MAIN();
