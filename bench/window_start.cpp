// Starts the window as the program does and prints the wall clock (ns since
// the epoch) once its first paint has been handled; window_start.sh takes it
// from the clock read just before the process was started.
#include "first_paint.h"
#include "kinetra/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    kinetra::Form1 form;
    FirstPaint probe;
    application.installEventFilter(&probe); // the first widget painted, whichever it is
    form.ShowAtStart();
    return QApplication::exec();
}
