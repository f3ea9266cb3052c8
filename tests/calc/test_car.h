#pragma once

#include "kinetra/calc_input.h"
#include "kinetra/calc_tables.h"
#include "kinetra/run_calculation.h"
#include "sample_cars.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>

#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>

namespace kinetra::test {

using samples::SaloonCar;

inline WindowState FourGearsWithArea(double area)
{
    return WindowState{4, area};
}

inline QLocale DecimalComma()
{
    return QLocale(QLocale::Spanish, QLocale::Spain);
}

inline QLocale DecimalPoint()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// Every entry of every table set to `value`, to show what a calculation writes;
// but for the two mean accelerations that no calculation ever writes, which
// are 0 in every window.
inline void FillAll(CalcTables& tables, double value)
{
    for (Table* table : {&tables.RoadLoad, &tables.WheelSpeed, &tables.OverallRatio, &tables.StartMeanAccel,
                         &tables.StartAccelLow, &tables.StartAccelHigh, &tables.StepTime}) {
        for (int i = 0; i < Table::kSize; ++i) {
            table->set(i, value);
        }
    }
    tables.StartMeanAccel.set(0, 0);
    tables.StartMeanAccel.set(7, 0);
}

// The tables as FillAll left them: nothing written since.
inline void ExpectAllEntries(const CalcTables& tables, double value)
{
    CalcTables untouched;
    FillAll(untouched, value);
    const auto entries = [](const CalcTables& t) {
        return std::array{t.RoadLoad.entries(),       t.WheelSpeed.entries(),    t.OverallRatio.entries(),
                          t.StartMeanAccel.entries(), t.StartAccelLow.entries(), t.StartAccelHigh.entries(),
                          t.StepTime.entries()};
    };
    EXPECT_TRUE(entries(tables) == entries(untouched));
}

struct Parsed {
    int startGear = 0;
    int finalGear = 0;
    double seconds = 0;
};

// Reads the sentence back with the locale that wrote it.
inline std::optional<Parsed> ParseSentence(const QString& sentence, const QLocale& locale)
{
    static const QString head = QStringLiteral("   El resultado final es: Marcha inicial: ");
    if (!sentence.startsWith(head)) {
        return std::nullopt;
    }
    const QStringList parts = sentence.mid(head.size()).split(QStringLiteral("; "));
    if (parts.size() != 3 || !parts[1].startsWith(QStringLiteral("marcha final: "))
        || !parts[2].startsWith(QStringLiteral("Tiempo empleado: "))) {
        return std::nullopt;
    }
    bool okStart = false;
    bool okFinal = false;
    bool okTime = false;
    Parsed p;
    p.startGear = parts[0].toInt(&okStart);
    p.finalGear = parts[1].mid(14).toInt(&okFinal);
    p.seconds = locale.toDouble(parts[2].mid(17), &okTime);
    if (!okStart || !okFinal || !okTime) {
        return std::nullopt;
    }
    return p;
}

// The same physics written out plainly, integrated in fine speed steps in
// whichever gear accelerates hardest: what the 1 m/s grid approximates.
struct ReferenceCar {
    std::vector<double> overallRatios; // gear ratio x final drive, gear 1 first
    double efficiency, wheelRadius, mass, massFactor, rolling, slopePercent, cx, area;
    std::vector<double> torque; // c0, c1, ...

    double Acceleration(double gearRatio, double v) const
    {
        const double n = gearRatio * v / wheelRadius / 6.28303384;
        double t = 0;
        for (std::size_t i = 0; i < torque.size(); ++i) {
            t += torque[i] * std::pow(n, static_cast<double>(i));
        }
        const double theta = std::atan(slopePercent / 100);
        const double resistance = rolling * 9.81 * mass + mass * 9.81 * std::sin(theta) + 0.61 * cx * area * v * v;
        return (gearRatio * efficiency * t / wheelRadius - resistance) / (massFactor * mass);
    }

    int BestGear(double v) const
    {
        int best = 0;
        for (int g = 1; g < static_cast<int>(overallRatios.size()); ++g) {
            if (Acceleration(overallRatios[g], v) > Acceleration(overallRatios[best], v)) {
                best = g;
            }
        }
        return best + 1;
    }

    double Seconds(double from, double to) const
    {
        const int steps = 200000;
        const double dv = (to - from) / steps;
        double seconds = 0;
        for (int i = 0; i < steps; ++i) {
            const double v = from + (i + 0.5) * dv;
            seconds += dv / Acceleration(overallRatios[static_cast<std::size_t>(BestGear(v) - 1)], v);
        }
        return seconds;
    }
};

inline ReferenceCar SaloonReference(double area)
{
    return ReferenceCar{{3.5 * 4.1, 2.1 * 4.1, 1.4 * 4.1, 1.0 * 4.1},
                        0.9,
                        15 * 0.0254 / 2 + 65 * 0.001 / 100 * 195,
                        1200,
                        1.06,
                        0.015,
                        0,
                        0.33,
                        area,
                        {80, 2, -0.014}};
}

} // namespace kinetra::test
