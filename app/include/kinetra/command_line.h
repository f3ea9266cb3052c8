#pragma once

#include <QLocale>
#include <QStringList>

class QTextStream;

namespace kinetra {

// What the program is asked to do when it starts.
struct CommandLine {
    enum class Task { Window, Calculate, Help, Version, UsageError };
    Task task = Task::Window;
    QStringList files;  // the car to open, or the cars to calculate
    bool table = false; // --tabla: each run's table by gear after its line
    QString error;      // a usage error, in Spanish
    QString help;       // the text of --help
};

// Whether the arguments ask for no window at all (--calcular, --help,
// --version, --tabla): the program then starts without a display.
bool NeedsNoWindow(const QStringList& arguments);

// Reads the arguments, the program's name first, in Spanish. Needs an
// application object, whose name and version --version gives.
CommandLine ReadCommandLine(const QStringList& arguments);

// --calcular: a line per file, its name and the sentence or the report, to
// `out`; with `table`, the run's table by gear as "Copiar tabla" gives it,
// then an empty line. 0 when every file gave a result, 1 otherwise.
int CalculateFiles(const QStringList& files, bool table, const QLocale& locale, QTextStream& out);

} // namespace kinetra
