#pragma once

#include "faults/report_words.h"
#include "inputs/car_limits.h"
#include "inputs/vehicle.h"
#include "kinetra/calc_tables.h"
#include "kinetra/run_trace.h"
#include "tables/gear_acceleration.h"
#include "tables/speed_grid.h"

#include <array>
#include <cstddef>
#include <limits>

namespace kinetra {

inline constexpr double kInfinity = std::numeric_limits<double>::infinity();

// What pulls the car at one speed in one gear, and what holds it.
struct Pull {
    double acceleration = 0; // m/s²
    double engine = 0;       // rev/s, what the engine turns at (the launch speed while the clutch slips)
    StepLimit limit = StepLimit::Engine;
};

// The car's numbers as the run needs them, each worked out once.
struct Car {
    const Vehicle& vehicle;
    int topGear = 0;
    std::array<double, 7> ratio{};          // overall ratio by gear
    std::array<double, 7> redLineSpeed{};   // m/s at which the engine reaches the red line; +inf without one
    std::array<double, 7> launchEndSpeed{}; // m/s below which the clutch slips; 0 without a launch speed
    double redLine = kInfinity;             // rev/s
    double launch = 0;                      // rev/s
    double gripForce = kInfinity;           // N: μ × the driven axle's load at rest
    double grip = 0;                        // μ, for the reports
    double drivenShare = 0;                 // %, for the reports
    // k × μ × h / L: the share of the grip's force that load transfer adds
    // (rear axle) or takes (front axle) per unit of m × a; 0 without it.
    double transfer = 0;
    double shiftSeconds = 0;
    double mass = 0;          // m
    double effectiveMass = 0; // λ × m
    double drag = 0;          // S x k
    double rolling = 0;       // Frr
    double slope = 0;         // Fs

    double RoadLoad(double v) const { return slope + (rolling + v * (v * drag)); }

    // m/s², with no engine force: in a shift gap only the road load acts.
    double CoastAcceleration(double v) const { return -RoadLoad(v) / effectiveMass; }

    // rev/s, from the wheel's speed as the tables work it out.
    double EngineSpeed(int gear, double v) const
    {
        return ratio[static_cast<std::size_t>(gear)] * ((v / vehicle.wheelRadius) / kRadiansPerTurn);
    }

    Pull At(int gear, double v) const
    {
        const auto g = static_cast<std::size_t>(gear);
        const bool slipping = v < launchEndSpeed[g];
        const double engine = slipping ? launch : EngineSpeed(gear, v);
        const double torque = EngineTorqueUnchecked(engine, vehicle.torqueCoefficient);
        const double force = ratio[g] * (vehicle.efficiency * torque) / vehicle.wheelRadius;
        const double load = RoadLoad(v);
        // The engine's force spins up the rotating parts too (λ); the
        // tyres' force moves the car's own mass: m × a + road load = μ × N,
        // N = the axle's load at rest + k × m × a × h / L.
        double acceleration = (force - load) / effectiveMass;
        bool gripLimited = false;
        if (gripForce < kInfinity) {
            const double gripAcceleration = ((gripForce - load) / mass) / (1 - transfer);
            gripLimited = gripAcceleration < acceleration;
            acceleration = gripLimited ? gripAcceleration : acceleration;
        }
        Finite(acceleration, [&] {
            return QStringLiteral("Pasó al calcular la aceleración en %1.ª marcha a %2 m/s.")
                .arg(InputNumber(gear), InputNumber(v));
        });
        return {acceleration, engine,
                gripLimited ? StepLimit::Grip : (slipping ? StepLimit::Launch : StepLimit::Engine)};
    }

    // The next gear may take over where it pulls harder and still turns the
    // engine below the red line. A tie keeps the gear: at the grip limit both
    // pull alike, and a change would only cost the shift time.
    bool NextPullsHarder(int gear, double v) const
    {
        return gear < topGear && v < redLineSpeed[static_cast<std::size_t>(gear) + 1]
               && At(gear + 1, v).acceleration > At(gear, v).acceleration;
    }
};

// The car's numbers for a run with limits, from the tables and the limits.
Car CarOf(const CalcTables& tables, const Vehicle& vehicle, const CarLimits& limits, int topGear);

// Where `changed` first holds between lo (where it does not) and hi (where
// it does), to 1e-9 (m/s or s): the first point of the new state.
template <class Changed>
double Crossing(double lo, double hi, Changed changed)
{
    for (int i = 0; i < 60 && hi - lo > 1e-9; ++i) {
        const double mid = lo + (hi - lo) / 2;
        (changed(mid) ? hi : lo) = mid;
    }
    return hi;
}

} // namespace kinetra
