// Waits, on Wayland, until the compositor has answered the last frame a window sent. Qt 6.4's
// Wayland client lets its event thread handle a frame's answer while the window, hiding, destroys
// the same callback: a double free that aborts in libwayland ("wl_proxy_unref: Assertion"), or a
// use after free. A user hardly ever hides a window within a frame of its last paint; a test does
// it all the time, so a test window waits for its frames before anything may hide it.
#pragma once

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

inline void AwaitLastFrame(QWidget* widget) {
    if (QGuiApplication::platformName() != QLatin1String("wayland") || !widget->isVisible())
        return;
    // Ends the loop when the window is given an update request.
    struct UpdateRequestSeen : QObject {
        explicit UpdateRequestSeen(QEventLoop& loop) : loop(loop) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::UpdateRequest)
                loop.quit();
            return false;
        }
        QEventLoop& loop;
    };
    QWindow* window = widget->windowHandle();
    // Qt delivers an update request only once no frame awaits its answer. Twice: the first may
    // bring a paint that was waiting, and with it one more frame.
    for (int round = 0; round < 2; ++round) {
        QEventLoop loop;
        UpdateRequestSeen seen(loop);
        window->installEventFilter(&seen);
        // A window that missed a frame is unexposed until the answer comes and is then sent no
        // update request: the test goes on after a while regardless.
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        window->requestUpdate();
        loop.exec();
        window->removeEventFilter(&seen);
    }
}
