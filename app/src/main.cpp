#include "kinetra/command_line.h"
#include "kinetra/form1.h"
#include "kinetra_version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

void NameTheProgram()
{
    QCoreApplication::setApplicationName(u"Kinetra"_s);
    QCoreApplication::setApplicationVersion(kinetra::kProgramVersion.toString());
}

// Everything but the window: help, version, usage errors and --calcular.
int AnswerWithoutWindow(const kinetra::CommandLine& line)
{
    using Task = kinetra::CommandLine::Task;
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (line.task) {
    case Task::Help: out << line.help; return 0;
    case Task::Version: out << u"Kinetra "_s << kinetra::kProgramVersion << u'\n'; return 0;
    case Task::Calculate: return kinetra::CalculateFiles(line.files, line.table, QLocale::system(), out);
    case Task::UsageError:
    case Task::Window: break;
    }
    err << u"kinetra: "_s << line.error << u"\nMás información: kinetra --help\n"_s;
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments.append(QString::fromLocal8Bit(argv[index]));
    }
    // Scripts and servers calculate with no display at all.
    if (kinetra::NeedsNoWindow(arguments)) {
        const QCoreApplication application(argc, argv);
        NameTheProgram();
        return AnswerWithoutWindow(kinetra::ReadCommandLine(QCoreApplication::arguments()));
    }

    QApplication application(argc, argv);
    NameTheProgram();
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(u"kinetra"_s);
    const kinetra::CommandLine line = kinetra::ReadCommandLine(QApplication::arguments());
    if (line.task != kinetra::CommandLine::Task::Window) {
        return AnswerWithoutWindow(line);
    }

    // The whole window speaks Spanish, the menus of the text boxes too,
    // whatever the desktop's language.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Spanish), u"qtbase"_s, u"_"_s,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }

    kinetra::Form1 form;
    form.ShowAtStart();
    if (!line.files.isEmpty()) {
        form.OpenVehicleFile(line.files.front());
    }
    return QApplication::exec();
}
