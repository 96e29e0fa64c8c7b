// Start-up on a display: what to show the window on, and a clear word when there is nothing.
// Qt itself would abort (status 134) with advice meant for a broken installation.
#pragma once

#include <QApplication>

#include <string>

namespace ui::qt {

// Looks at the displays the session names (WAYLAND_DISPLAY, DISPLAY) before Qt starts, and whether
// each answers. Where one of the two does not answer, Qt is sent to the other: a Wayland session
// whose compositor is gone falls back to X11, and the other way round. Where both answer, Qt
// chooses as it always does; a platform chosen by QT_QPA_PLATFORM or -platform is left to Qt and
// its own checks. False, with the one line printed, when no display answers.
bool PrepareDisplay(int argc, char** argv);

// The one line for a session whose displays are named but do not answer (or none is named).
std::string NoDisplayMessage();

// True when a Wayland compositor listens at the socket WAYLAND_DISPLAY names.
bool WaylandAnswers();

// While it lives, a failure of Qt to reach its display ends the program with the one line and
// status 1 instead of Qt's abort; Qt's other messages meanwhile are held back, and handed on when
// the guard ends.
class DisplayFailureGuard {
public:
    DisplayFailureGuard();
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;
    void Release();

private:
    QtMessageHandler previous_;
    bool released_ = false;
};

// The program's application object: made under the guard, so that a display Qt still cannot
// reach (a remote X display that does not answer, say) ends the program with the one line.
class Application : private DisplayFailureGuard, public QApplication {
public:
    Application(int& argc, char** argv) : DisplayFailureGuard(), QApplication(argc, argv) { Release(); }
};

}  // namespace ui::qt
