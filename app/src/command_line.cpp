#include "kinetra/command_line.h"

#include "kinetra/details_text.h"
#include "kinetra/vehicle_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <string_view>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

constexpr QStringView kCalculate = u"calcular";
constexpr QStringView kTable = u"tabla";

// Qt writes the frame of the help and its errors in English; in Spanish,
// whatever the desktop's language, as the window speaks.
class ParserInSpanish : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/, int /*n*/) const override
    {
        static const std::array<std::pair<std::string_view, QStringView>, 12> kTexts{{
            {"Usage: %1", u"Uso: %1"},
            {"Options:", u"Opciones:"},
            {"Arguments:", u"Argumentos:"},
            {"[options]", u"[opciones]"},
            {"Displays help on commandline options.", u"Muestra esta ayuda y termina."},
            {"Displays help including Qt specific options.", u"Muestra la ayuda con las opciones propias de Qt."},
            {"Displays help, including generic Qt options.", u"Muestra la ayuda con las opciones propias de Qt."},
            {"Displays version information.", u"Muestra la versión y termina."},
            {"Unknown option '%1'.", u"Opción desconocida: «%1»."},
            {"Unknown options: %1.", u"Opciones desconocidas: %1."},
            {"Missing value after '%1'.", u"Falta un valor tras «%1»."},
            {"Unexpected value after '%1'.", u"Sobra un valor tras «%1»."},
        }};
        if (std::string_view(context) != "QCommandLineParser") {
            return {};
        }
        const auto text =
            std::ranges::find(kTexts, std::string_view(source), &std::pair<std::string_view, QStringView>::first);
        return text == kTexts.end() ? QString() : text->second.toString();
    }
};

} // namespace

bool NeedsNoWindow(const QStringList& arguments)
{
    return std::ranges::any_of(arguments.mid(1), [](const QString& argument) {
        return argument.startsWith(u"--"_s + kCalculate.toString()) || argument.startsWith(u"--"_s + kTable.toString())
               || argument.startsWith(u"--help"_s) || argument == u"-h"_s || argument == u"--version"_s
               || argument == u"-v"_s || argument == u"-?"_s;
    });
}

CommandLine ReadCommandLine(const QStringList& arguments)
{
    ParserInSpanish spanish;
    QCoreApplication::installTranslator(&spanish);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Calcula cuánto tarda un vehículo en acelerar de una velocidad a otra, y en qué marchas. Sin opciones abre "
        u"la ventana, con el ARCHIVO de vehículo (.kinetra) que se le dé."_s);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption calculate(
        kCalculate.toString(),
        u"Calcula cada ARCHIVO sin ventana (no hace falta pantalla): una línea por archivo, su nombre, un tabulador "
        u"y la frase del resultado o el informe que lo impide. Sale con 0 si todos dan resultado, 1 si alguno no y "
        u"2 ante un error de uso."_s);
    const QCommandLineOption table(kTable.toString(),
                                   u"Con --calcular: tras la línea de cada resultado, la tabla por marchas separada "
                                   u"por tabuladores, como «Copiar tabla», y una línea vacía."_s);
    parser.addOption(calculate);
    parser.addOption(table);
    parser.addPositionalArgument(u"ARCHIVO"_s, u"Un vehículo guardado por Kinetra (.kinetra)."_s, u"[ARCHIVO…]"_s);

    CommandLine line;
    const bool parsed = parser.parse(arguments);
    line.help = parser.helpText();
    line.files = parser.positionalArguments();
    line.table = parser.isSet(table);
    line.error = parser.errorText();
    QCoreApplication::removeTranslator(&spanish);
    if (!parsed) {
        line.task = CommandLine::Task::UsageError;
    } else if (parser.isSet(help) || parser.isSet(u"help-all"_s)) {
        line.task = CommandLine::Task::Help;
    } else if (parser.isSet(version)) {
        line.task = CommandLine::Task::Version;
    } else if (parser.isSet(calculate)) {
        line.task = line.files.isEmpty() ? CommandLine::Task::UsageError : CommandLine::Task::Calculate;
        line.error = u"--calcular necesita al menos un ARCHIVO."_s;
    } else if (line.table) {
        line.task = CommandLine::Task::UsageError;
        line.error = u"--tabla va con --calcular."_s;
    } else if (line.files.size() > 1) {
        line.task = CommandLine::Task::UsageError;
        line.error = u"La ventana abre un solo ARCHIVO; para calcular varios, --calcular."_s;
    }
    return line;
}

int CalculateFiles(const QStringList& files, bool table, const QLocale& locale, QTextStream& out)
{
    int exitCode = 0;
    for (const QString& path : files) {
        const auto car = LoadVehicleFile(path);
        if (const auto* refusal = std::get_if<FileRefusal>(&car)) {
            out << path << u'\t' << u"No se puede usar: "_s << refusal->reason << u".\n"_s;
            exitCode = 1;
            continue;
        }
        RunTrace run;
        const auto outcome = CalculateVehicle(std::get<VehicleFile>(car), locale, &run);
        if (const auto* fault = std::get_if<CalcFault>(&outcome)) {
            // One line a file, whatever the report's length.
            out << path << u'\t' << FaultTitle(fault->kind()) << u": "_s
                << QString(fault->message()).replace(u'\n', u' ') << u'\n';
            exitCode = 1;
            continue;
        }
        out << path << u'\t' << std::get<QString>(outcome) << u'\n';
        if (table) {
            out << TableAsTsv(Summarize(run), locale) << u'\n';
        }
    }
    out.flush();
    return exitCode;
}

} // namespace kinetra
