// A signal only writes its number into a pipe (all a handler may safely do); the event loop
// reads it and unloads the main window, in a nested dialog's loop too.
#include "desktop_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace kz::ui {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

int g_pipe[2] = {-1, -1};
std::function<void()>* g_unload = nullptr;

void onSignal(int signal) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    (void)!::write(g_pipe[1], &byte, 1);
    errno = saved;
}

// Runs the unload once, whichever way the end came.
void unloadOnce() {
    if (g_unload) {
        auto unload = std::exchange(*g_unload, nullptr);
        if (unload) unload();
    }
    std::fflush(nullptr);
}

// Qt ends the process with exit() when the connection to the X server breaks; the programs'
// own endings use _Exit, so this runs only then (or after a fatal error already unloaded).
void atExit() {
    unloadOnce();
    std::_Exit(1);
}

}  // namespace

DesktopEnd::DesktopEnd(std::function<void()> unattendedUnload) {
    static std::function<void()> unload;
    unload = std::move(unattendedUnload);
    g_unload = &unload;
    static const bool registered = std::atexit(atExit) == 0;
    (void)registered;
    if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &DesktopEnd::signalled);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : kSignals) ::sigaction(s, &action, nullptr);
}

DesktopEnd::~DesktopEnd() {
    for (const int s : kSignals) ::signal(s, SIG_DFL);
    g_unload = nullptr;
}

void DesktopEnd::signalled() {
    unsigned char byte = 0;
    if (::read(g_pipe[0], &byte, 1) != 1) return;
    unloadOnce();
    // Ends by the signal, as the desktop expects of a program it asked to end.
    const int signal = byte;
    ::signal(signal, SIG_DFL);
    ::raise(signal);
    std::_Exit(128 + signal);
}

}  // namespace kz::ui
