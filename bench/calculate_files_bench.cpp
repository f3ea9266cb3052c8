// "kinetra --calcular" over a thousand vehicle files, as a script would ask:
// reading, checking and calculating each, and writing its line.
#include "kinetra/command_line.h"
#include "kinetra/vehicle_file.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// A thousand files: the examples, each with its mass changed a little, so
// that no two runs are alike.
QStringList ThousandFiles(const QTemporaryDir& folder)
{
    const QDir examples(QStringLiteral(":/kinetra/examples"));
    const QStringList names = examples.entryList(QDir::Files, QDir::Name);
    QStringList files;
    for (int n = 0; n < 1000; ++n) {
        auto car = std::get<kinetra::VehicleFile>(kinetra::LoadVehicleFile(examples.filePath(names[n % names.size()])));
        QString& mass = car.Box(kinetra::BoxId::Mass);
        mass = QString::number(mass.toDouble() + n);
        files.append(folder.filePath(QStringLiteral("car%1.kinetra").arg(n)));
        kinetra::SaveVehicleFile(car, files.back());
    }
    return files;
}

void CalculateThousandFiles(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QStringList files = ThousandFiles(folder);
    for (auto _ : state) {
        QString lines;
        QTextStream out(&lines);
        benchmark::DoNotOptimize(kinetra::CalculateFiles(files, state.range(0) != 0, QLocale::c(), out));
        benchmark::DoNotOptimize(lines);
    }
    state.SetLabel(state.range(0) != 0 ? "--calcular --tabla" : "--calcular");
}
BENCHMARK(CalculateThousandFiles)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
