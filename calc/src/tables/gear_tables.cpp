#include "tables/gear_tables.h"

#include "faults/checked_real.h"
#include "faults/report_words.h"
#include "tables/gear_acceleration.h"

namespace kinetra {

void FillOverallRatios(CalcTables& tables, const Vehicle& vehicle)
{
    tables.OverallRatio.set(0, 0);
    for (int g = 1; g <= 6; ++g) {
        const double ratio = Computing(
            [&] {
                const auto gear = static_cast<std::size_t>(g - 1);
                return Whereabouts(QStringLiteral("Pasó al multiplicar %1 (%2) por %3 (%4): escriba relaciones "
                                                  "como las de una caja de cambios, por ejemplo 3.5 y 4.1.")
                                       .arg(Quoted(GearBox(g)), InputNumber(vehicle.gearRatio[gear]),
                                            Quoted(BoxId::FinalDrive), InputNumber(vehicle.finalDrive)),
                                   GearBox(g));
            },
            [&] { return (Real(vehicle.gearRatio[static_cast<std::size_t>(g - 1)]) * vehicle.finalDrive).value(); });
        tables.OverallRatio.set(g, ratio);
    }
    tables.StartMeanAccel.set(5, 0);
    tables.StartMeanAccel.set(6, 0);
}

void FillStartTables(CalcTables& tables, const Vehicle& vehicle, int gearCount)
{
    for (int g = 1; g <= gearCount; ++g) {
        const double low = GearAcceleration(tables, vehicle, g, 1);
        tables.StartAccelLow[g] = low;
        const double high = GearAcceleration(tables, vehicle, g, 2);
        tables.StartAccelHigh[g] = high;
        const double mean = Finite((high + low) / 2, [&] {
            return QStringLiteral("Pasó al promediar la aceleración de la %1.ª marcha en el primer paso.")
                .arg(InputNumber(g));
        });
        tables.StartMeanAccel[g] = mean;
    }
}

} // namespace kinetra
