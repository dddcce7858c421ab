#pragma once
// Ends a start-up run: once the window has painted for the first time, prints
// "painted" on standard output and leaves the event loop. The driver
// (bench/startup.py) times the process up to that line.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

namespace bench {

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so the whole paint of the window (children included) and
            // its flush to the screen are done when the line goes out.
            QTimer::singleShot(0, [] {
                CALLGRIND_TOGGLE_COLLECT; // under callgrind: what comes after is not counted
                std::puts("painted");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

inline void quitAfterFirstPaint(QWidget* window) {
    window->installEventFilter(new FirstPaint(window));
}

} // namespace bench
