// Starts the window as the program does and prints the wall clock (ns since
// the epoch) once its first paint has been handled; window_start.sh takes it
// from the clock read just before the process was started.
#include "kinetra/form1.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

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

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    kinetra::Form1 form;
    FirstPaint probe;
    form.installEventFilter(&probe);
    form.ShowAtStart();
    return QApplication::exec();
}
