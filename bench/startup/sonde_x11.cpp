// SPDX-License-Identifier: GPL-3.0-or-later
// Times one start of a program on an X server, from the launch to the
// mapping of its first window and to the first change of that window's
// pixels; then reads its anonymous resident memory; then, with --clic,
// presses and releases the mouse button at a point of the window and times
// each until the pixels there change.
//
//   sonde_x11 [--clic X,Y] [--clics N] [--repos MS] -- PROGRAM [ARGUMENTS...]
//
// Prints one line: map_ms paint_ms paint_cpu_ms rss_anon_kb [press_ms
// release_ms press_cpu_ms release_cpu_ms]. The CPU times are the program's
// own (all its threads), up to the first paint and spent per press and per
// release: unlike the delays, a loaded machine barely changes them. Click
// figures are medians over the clicks ("nan" when nothing changed).

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

double ms_depuis(Horloge::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Horloge::now() - t0).count();
}

// The pixels of a rectangle of the screen, as bytes.
std::vector<char> pixels(Display *d, int x, int y, int w, int h)
{
    XImage *image = XGetImage(d, DefaultRootWindow(d), x, y, unsigned(w), unsigned(h), AllPlanes,
                              ZPixmap);
    if (!image)
        return {};
    std::vector<char> octets(image->data, image->data + image->bytes_per_line * image->height);
    XDestroyImage(image);
    return octets;
}

// Waits, polling, until the rectangle's pixels differ from `avant`; the
// milliseconds since t0, or NaN after `limite_ms`.
double attend_changement(Display *d, int x, int y, int w, int h, const std::vector<char> &avant,
                         Horloge::time_point t0, double limite_ms)
{
    while (ms_depuis(t0) < limite_ms) {
        if (pixels(d, x, y, w, h) != avant)
            return ms_depuis(t0);
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return NAN;
}

// The CPU time the program's threads have run, from the scheduler's count.
// Only the threads alive when it is read count: work done on a thread that
// has ended by then is missing, which flatters a program that hands work to
// short-lived threads.
double cpu_ms(pid_t pid)
{
    const std::string taches = "/proc/" + std::to_string(pid) + "/task/";
    double ns = 0;
    for (const auto &tache : std::filesystem::directory_iterator(taches)) {
        std::ifstream schedstat(tache.path() / "schedstat");
        double n = 0;
        if (schedstat >> n)
            ns += n;
    }
    return ns / 1e6;
}

long rss_anonyme_ko(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string ligne;
    while (std::getline(status, ligne))
        if (ligne.rfind("RssAnon:", 0) == 0)
            return std::atol(ligne.c_str() + 8);
    return -1;
}

double mediane(std::vector<double> v)
{
    v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return std::isnan(x); }), v.end());
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int clic_x = -1, clic_y = -1, clics = 10, repos_ms = 1000;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "--clic") && i + 1 < argc)
            std::sscanf(argv[++i], "%d,%d", &clic_x, &clic_y);
        else if (!std::strcmp(argv[i], "--clics") && i + 1 < argc)
            clics = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--repos") && i + 1 < argc)
            repos_ms = std::atoi(argv[++i]);
    }
    if (i + 1 >= argc) {
        std::fputs("usage: sonde_x11 [--clic X,Y] [--clics N] [--repos MS] -- PROGRAM [ARGS...]\n",
                   stderr);
        return 2;
    }
    Display *d = XOpenDisplay(nullptr);
    if (!d) {
        std::fputs("sonde_x11: no X display\n", stderr);
        return 2;
    }
    const Window racine = DefaultRootWindow(d);
    XSelectInput(d, racine, SubstructureNotifyMask);
    XSync(d, False);

    const Horloge::time_point t0 = Horloge::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[i + 1], argv + i + 1);
        _exit(127);
    }

    // The first top-level window mapped by the program.
    XWindowAttributes fenetre{};
    Window carte = None;
    double carte_ms = NAN;
    while (std::isnan(carte_ms) && ms_depuis(t0) < 20000) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && !e.xmap.override_redirect && std::isnan(carte_ms)) {
                carte_ms = ms_depuis(t0);
                carte = e.xmap.window;
                XGetWindowAttributes(d, carte, &fenetre);
            }
        }
        if (std::isnan(carte_ms))
            std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    double peinture_ms = NAN;
    if (!std::isnan(carte_ms)) {
        // Before the program paints, the window shows what lay under it
        // (a top-level window's place is relative to the root).
        const int x = fenetre.x, y = fenetre.y;
        const std::vector<char> vide = pixels(d, x, y + fenetre.height / 2, fenetre.width, 1);
        peinture_ms = attend_changement(d, x, y + fenetre.height / 2, fenetre.width, 1, vide, t0,
                                        20000);
    }
    const double cpu_peinture = cpu_ms(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(repos_ms));
    const long rss = rss_anonyme_ko(pid);

    std::vector<double> appuis, relachements, cpu_appuis, cpu_relachements;
    if (clic_x >= 0 && !std::isnan(peinture_ms)) {
        // Clicked where the window lies now: a program may place its window
        // after mapping it (without a window manager, a maximised window is
        // moved to the screen's corner once shown).
        int x = 0, y = 0;
        Window enfant = None;
        XTranslateCoordinates(d, carte, racine, clic_x, clic_y, &x, &y, &enfant);
        XTestFakeMotionEvent(d, -1, x, y, 0);
        XSync(d, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        for (int n = 0; n < clics; ++n) {
            for (const bool appui : {true, false}) {
                const std::vector<char> avant = pixels(d, x - 8, y - 8, 16, 16);
                const double cpu_avant = cpu_ms(pid);
                XTestFakeButtonEvent(d, 1, appui, 0);
                XFlush(d);
                const Horloge::time_point t = Horloge::now();
                (appui ? appuis : relachements)
                    .push_back(attend_changement(d, x - 8, y - 8, 16, 16, avant, t, 500));
                // What the program ran for this click, once it is idle again.
                std::this_thread::sleep_for(std::chrono::milliseconds(60));
                (appui ? cpu_appuis : cpu_relachements).push_back(cpu_ms(pid) - cpu_avant);
            }
        }
    }

    kill(pid, SIGTERM);
    int statut = 0;
    waitpid(pid, &statut, 0);
    XCloseDisplay(d);
    std::printf("%.2f %.2f %.2f %ld", carte_ms, peinture_ms, cpu_peinture, rss);
    if (clic_x >= 0)
        std::printf(" %.3f %.3f %.3f %.3f", mediane(appuis), mediane(relachements),
                    mediane(cpu_appuis), mediane(cpu_relachements));
    std::printf("\n");
    return 0;
}
