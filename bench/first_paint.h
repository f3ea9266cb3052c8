#pragma once

// Prints the wall clock (ns since the epoch) once the first paint of any
// widget has been handled, then quits: window_start.sh takes the start-up time
// from the clock read just before the process was started.
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
                QApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};
