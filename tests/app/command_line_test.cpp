// The command line: what each set of arguments asks for, and the lines of
// --calcular with its exit status.

#include "kinetra/command_line.h"
#include "kinetra/vehicle_file.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace kinetra;
using Task = CommandLine::Task;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void readsWhatIsAsked_data();
    void readsWhatIsAsked();
    void calculatesEachFileOnALine();
};

void CommandLineTest::readsWhatIsAsked_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("noWindow");
    QTest::addColumn<int>("task");
    QTest::addColumn<QString>("error");

    QTest::addRow("nothing") << QStringList{} << false << int(Task::Window) << "";
    QTest::addRow("a file") << QStringList{"a.kinetra"} << false << int(Task::Window) << "";
    QTest::addRow("two files") << QStringList{"a.kinetra", "b.kinetra"} << false << int(Task::UsageError)
                               << "un solo ARCHIVO";
    QTest::addRow("calculate") << QStringList{"--calcular", "a", "b"} << true << int(Task::Calculate) << "";
    QTest::addRow("calculate nothing") << QStringList{"--calcular"} << true << int(Task::UsageError)
                                       << "al menos un ARCHIVO";
    QTest::addRow("table alone") << QStringList{"--tabla", "a"} << true << int(Task::UsageError) << "--calcular";
    QTest::addRow("unknown") << QStringList{"--calcular", "--frob", "a"} << true << int(Task::UsageError)
                             << "Opción desconocida: «frob»";
    QTest::addRow("help") << QStringList{"-h"} << true << int(Task::Help) << "";
    QTest::addRow("version") << QStringList{"--version"} << true << int(Task::Version) << "";
}

void CommandLineTest::readsWhatIsAsked()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, noWindow);
    QFETCH(int, task);
    QFETCH(QString, error);
    arguments.prepend("kinetra");
    QCOMPARE(NeedsNoWindow(arguments), noWindow);
    const CommandLine line = ReadCommandLine(arguments);
    QCOMPARE(int(line.task), task);
    QVERIFY2(line.error.contains(error), qPrintable(line.error));
    QVERIFY(line.help.contains("Opciones:") && line.help.contains("--calcular"));
}

void CommandLineTest::calculatesEachFileOnALine()
{
    QTemporaryDir folder;
    VehicleFile car;
    for (const auto& [box, text] : {std::pair{BoxId::FirstGear, "3.5"},
                                    {BoxId::SecondGear, "2.1"},
                                    {BoxId::ThirdGear, "1.4"},
                                    {BoxId::FourthGear, "1.0"},
                                    {BoxId::FinalDrive, "4.1"},
                                    {BoxId::InitialSpeed, "0"},
                                    {BoxId::FinalSpeed, "28"},
                                    {BoxId::MassFactor, "1.06"},
                                    {BoxId::Mass, "1200"},
                                    {BoxId::TyreWidth, "195"},
                                    {BoxId::TyreAspect, "65"},
                                    {BoxId::RimDiameter, "15"},
                                    {BoxId::Efficiency, "0.9"},
                                    {BoxId::Drag, "0.33"},
                                    {BoxId::Rolling, "0.015"},
                                    {BoxId::Slope, "0"},
                                    {BoxId::TorqueC0, "80"},
                                    {BoxId::TorqueN, "2"},
                                    {BoxId::TorqueN2, "-0.014"}}) {
        car.Box(box) = text;
    }
    const QString good = folder.filePath("good.kinetra");
    QVERIFY(!SaveVehicleFile(car, good));
    car.Box(BoxId::Mass) = "-5";
    const QString stalls = folder.filePath("negative.kinetra");
    QVERIFY(!SaveVehicleFile(car, stalls));
    const QLocale locale(QLocale::Spanish);
    const QString sentence = std::get<QString>(CalculateVehicle(std::get<VehicleFile>(LoadVehicleFile(good)), locale));

    QString text;
    QTextStream out(&text);
    QCOMPARE(CalculateFiles({good}, false, locale, out), 0);
    QCOMPARE(text, good + '\t' + sentence + '\n');

    text.clear();
    QCOMPARE(CalculateFiles({good, stalls, folder.filePath("none.kinetra")}, true, locale, out), 1);
    const QStringList lines = text.split('\n');
    QCOMPARE(lines[0], good + '\t' + sentence);
    QVERIFY(lines[1].startsWith("Marcha\t"));
    QCOMPARE(lines[2].left(2), "1\t");
    QVERIFY(lines[4].startsWith("Total\t") && lines[5].isEmpty());
    QVERIFY(lines[6].startsWith(stalls + '\t') && lines[6].contains("Peso del vehículo"));
    QCOMPARE(lines[7], folder.filePath("none.kinetra") + "\tNo se puede usar: no existe.");
    QCOMPARE(lines.size(), 9);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
