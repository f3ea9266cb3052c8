#include "inputs/input_checks.h"

#include "faults/report_words.h"
#include "inputs/box_reading.h"
#include "kinetra/calc_fault.h"

#include <cmath>

namespace kinetra {
namespace {

// `box` is the box the message names first, the one to change.
[[noreturn]] void Reject(const QString& message, BoxId box)
{
    throw CalcFault(FaultKind::InvalidInput, message, box);
}

void RejectNegative(BoxId box, const QString& text, double value, const char* advice)
{
    if (value < 0) {
        Reject(WhatItSays(box, text, value) + QString::fromUtf8(advice), box);
    }
}

void RejectNotPositive(BoxId box, const QString& text, double value, const char* advice)
{
    if (!(value > 0)) {
        Reject(WhatItSays(box, text, value) + QString::fromUtf8(advice), box);
    }
}

// A gear that takes part with no ratio would let the run skip to the gear
// above it; empty gears may only shorten the box from the top.
void CheckGearGaps(const CalcInput& input, const Vehicle& vehicle, int gearCount)
{
    for (int g = 1; g <= gearCount; ++g) {
        const auto gear = static_cast<std::size_t>(g - 1);
        if (vehicle.gearRatio[gear] != 0) {
            continue;
        }
        int lowest = 0;
        int highest = 0;
        for (int above = g + 1; above <= gearCount; ++above) {
            if (vehicle.gearRatio[static_cast<std::size_t>(above - 1)] != 0) {
                lowest = lowest == 0 ? above : lowest;
                highest = above;
            }
        }
        if (highest == 0) {
            return;
        }
        const QString empty = Quoted(GearBox(g));
        const QString higher =
            lowest == highest ? QStringLiteral("la de %1").arg(Quoted(GearBox(highest)))
                              : QStringLiteral("las de %1 a %2").arg(Quoted(GearBox(lowest)), Quoted(GearBox(highest)));
        // Fifth and sixth gear take part while their check box is ticked:
        // unticking them is the way to leave them out.
        // Without a first gear there is no box left to shorten: erasing the
        // gears above it would leave no gear at all.
        const QString leaveOut =
            g == 1              ? QString()
            : lowest < 5        ? QStringLiteral(", o borre %1").arg(higher)
            : lowest == highest ? QStringLiteral(", o quite la marca de la casilla de %1").arg(Quoted(GearBox(highest)))
                                : QStringLiteral(", o quite la marca de las casillas de %1 y %2")
                                      .arg(Quoted(GearBox(lowest)), Quoted(GearBox(highest)));
        Reject(
            QStringLiteral("%1, pero %2, más alta, tiene relación %3: solo las últimas marchas pueden "
                           "quedar sin relación. Escriba la relación de %4%5%6.")
                .arg(WhatItSays(GearBox(g), input.gearRatio[gear], 0), Quoted(GearBox(lowest)),
                     InputNumber(vehicle.gearRatio[static_cast<std::size_t>(lowest - 1)]), empty,
                     g >= 5 ? QStringLiteral(" (si su cuadro está desactivado, marque antes su casilla)") : QString(),
                     leaveOut),
            GearBox(g));
    }
}

// The grid runs in whole 1 m/s steps from the initial speed and the tables
// hold 400 of them: a run outside that is answered before any table is
// touched, so that no result ever rests on an earlier calculation's entries.
void CheckSpeedRange(const CalcInput& input, const Vehicle& vehicle)
{
    const double vi = vehicle.initialSpeed;
    const double vf = vehicle.finalSpeed;
    RejectNegative(BoxId::InitialSpeed, input.initialSpeed, vi,
                   ": la velocidad inicial no puede ser negativa. Escriba la velocidad de partida en m/s, "
                   "0 o más.");
    // Only a report needs the text: "Calcular" should not pay for it.
    const auto both = [&] {
        return QStringLiteral("%1 y %2").arg(WhatItSays(BoxId::FinalSpeed, input.finalSpeed, vf),
                                             WhatItSays(BoxId::InitialSpeed, input.initialSpeed, vi));
    };
    if (vehicle.steps < 1) {
        const QString reason = QStringLiteral(
                                   "%1: la velocidad final debe superar a la inicial en 1 m/s por lo menos, porque "
                                   "el tiempo se calcula en pasos de 1 m/s.")
                                   .arg(both());
        // A blank initial speed reads as 0, which may not be what was meant:
        // both boxes need a word.
        if (IsBlank(input.initialSpeed)) {
            Reject(reason
                       + QStringLiteral(" Escriba en %1 la velocidad de partida en m/s (0 si parte del reposo) y en "
                                        "%2 una velocidad mayor en 1 m/s por lo menos: con 0 de partida, 1 o más.")
                             .arg(Quoted(BoxId::InitialSpeed), Quoted(BoxId::FinalSpeed)),
                   BoxId::FinalSpeed);
        }
        Reject(reason + QStringLiteral(" Escriba en %1 %2 o más.").arg(Quoted(BoxId::FinalSpeed), InputNumber(vi + 1)),
               BoxId::FinalSpeed);
    }
    if (vehicle.steps > kMostSteps) {
        Reject(QStringLiteral("%1: la velocidad final supera a la inicial en %2 m/s o más, y el cálculo admite "
                              "hasta %3 pasos de 1 m/s. Escriba en %4 menos de %5.")
                   .arg(both(), QString::number(kMostSteps + 1), QString::number(kMostSteps), Quoted(BoxId::FinalSpeed),
                        InputNumber(vi + (kMostSteps + 1))),
               BoxId::FinalSpeed);
    }
}

// A gear change takes from 0 to 5 s.
void CheckShiftTime(const QString& text, double seconds)
{
    RejectNegative(BoxId::ShiftTime, text, seconds,
                   ": un cambio de marcha no puede durar menos de 0 s. Escriba los segundos sin signo, por "
                   "ejemplo 0.3.");
    if (seconds > 5) {
        // Above 5 s it is most likely milliseconds.
        Reject(WhatItSays(BoxId::ShiftTime, text, seconds)
                   + (seconds / 1000 <= 5 ? QStringLiteral(": un cambio de marcha no dura más de 5 s. Escriba el "
                                                           "tiempo en segundos: si son %1 ms, escriba %2.")
                                                .arg(InputNumber(seconds), InputNumber(seconds / 1000))
                                          : QStringLiteral(": un cambio de marcha no dura más de 5 s. Escriba el "
                                                           "tiempo en segundos, por ejemplo 0.3.")),
               BoxId::ShiftTime);
    }
}

} // namespace

void CheckInputs(const CalcInput& input, const Vehicle& vehicle, int gearCount)
{
    for (std::size_t g = 0; g < vehicle.gearRatio.size(); ++g) {
        RejectNegative(GearBox(static_cast<int>(g) + 1), input.gearRatio[g], vehicle.gearRatio[g],
                       ": una relación de transmisión no puede ser negativa. Escriba la relación sin signo, "
                       "por ejemplo 3.5.");
    }
    CheckGearGaps(input, vehicle, gearCount);
    RejectNegative(BoxId::FinalDrive, input.finalDrive, vehicle.finalDrive,
                   ": la relación del diferencial no puede ser negativa. Escriba la relación sin signo, "
                   "por ejemplo 4.1.");
    CheckSpeedRange(input, vehicle);
    RejectNotPositive(BoxId::MassFactor, input.massFactor, vehicle.massFactor,
                      ": el factor de masas debe ser mayor que 0. Escriba el factor de masas, por ejemplo 1.06.");
    RejectNotPositive(BoxId::Mass, input.mass, vehicle.mass,
                      ": el peso del vehículo debe ser mayor que 0. Escriba su masa en kg, por ejemplo 1200.");
    const char* tyreAdvice =
        ": las medidas de la rueda no pueden ser negativas. Escriba la medida del neumático "
        "sin signos, por ejemplo 195 / 65 R 15.";
    RejectNegative(BoxId::TyreWidth, input.tyreWidth, vehicle.tyreWidth, tyreAdvice);
    RejectNegative(BoxId::TyreAspect, input.tyreAspect, vehicle.tyreAspect, tyreAdvice);
    RejectNegative(BoxId::RimDiameter, input.rimDiameter, vehicle.rimDiameter, tyreAdvice);
    RejectNegative(BoxId::Efficiency, input.efficiency, vehicle.efficiency,
                   ": el rendimiento no puede ser negativo. Escriba el rendimiento de la transmisión, "
                   "por ejemplo 0.9.");
    // No transmission gives out more than it takes in: above 1 is a
    // percentage typed as such.
    if (vehicle.efficiency > 1) {
        // Read as a percentage where it can be one: "85" is 0.85.
        const double percent = vehicle.efficiency <= 100 ? vehicle.efficiency : 90;
        Reject(WhatItSays(BoxId::Efficiency, input.efficiency, vehicle.efficiency)
                   + QStringLiteral(": el rendimiento no puede ser mayor que 1. Escríbalo como fracción de 0 a 1: un "
                                    "%1 % se escribe %2.")
                         .arg(InputNumber(percent), InputNumber(percent / 100)),
               BoxId::Efficiency);
    }
    RejectNegative(BoxId::Drag, input.dragCoefficient, vehicle.dragCoefficient,
                   ": el coeficiente aerodinámico no puede ser negativo. Escriba el Cx del vehículo, "
                   "por ejemplo 0.33.");
    RejectNegative(BoxId::Rolling, input.rollingCoefficient, vehicle.rollingCoefficient,
                   ": el coeficiente de rodadura no puede ser negativo. Escriba el coeficiente, "
                   "por ejemplo 0.015.");
}

namespace {

// The height of the centre of gravity and the wheelbase move load between
// the axles: both or neither, each above 0, with the driven axle chosen, and
// never so much that the front wheels would lift.
void CheckLoadTransfer(const LimitTexts& texts, const CarLimits& limits)
{
    const QString axleList = QStringLiteral("«Eje motriz»");
    if (limits.cgHeight) {
        RejectNotPositive(BoxId::CgHeight, texts.cgHeight, *limits.cgHeight,
                          ": es la altura del centro de gravedad sobre el suelo, en m, mayor que 0. Escriba por "
                          "ejemplo 0.55 para un turismo, o deje la casilla en blanco.");
    }
    if (limits.wheelbase) {
        RejectNotPositive(BoxId::Wheelbase, texts.wheelbase, *limits.wheelbase,
                          ": es la distancia entre los ejes, en m, mayor que 0. Escriba por ejemplo 2.6 para un "
                          "turismo, o deje la casilla en blanco.");
    }
    if (limits.cgHeight.has_value() != limits.wheelbase.has_value()) {
        const bool heightTyped = limits.cgHeight.has_value();
        const BoxId filledBox = heightTyped ? BoxId::CgHeight : BoxId::Wheelbase;
        const QString filled = heightTyped ? WhatItSays(BoxId::CgHeight, texts.cgHeight, *limits.cgHeight)
                                           : WhatItSays(BoxId::Wheelbase, texts.wheelbase, *limits.wheelbase);
        const QString blank = Quoted(heightTyped ? BoxId::Wheelbase : BoxId::CgHeight);
        const QString what = heightTyped ? QStringLiteral("la distancia entre los ejes en m, por ejemplo 2.6")
                                         : QStringLiteral("la altura del centro de gravedad en m, por ejemplo 0.55");
        Reject(QStringLiteral("%1, pero %2 está en blanco: la carga que pasa de un eje a otro al acelerar depende "
                              "de la altura del centro de gravedad y de la batalla. Escriba en %2 %3, o deje en "
                              "blanco %4.")
                   .arg(filled, blank, what, Quoted(filledBox)),
               filledBox);
    }
    if (!limits.cgHeight || !limits.wheelbase) {
        return;
    }
    if (limits.axle == DrivenAxle::None) {
        Reject(QStringLiteral("%1 y %2 están escritas, pero en %3 no se eligió ninguno: la carga que pasa de un "
                              "eje a otro al acelerar ayuda al eje trasero y quita al delantero. Elija en %3 el eje "
                              "que mueve el motor, o deje en blanco %1 y %2.")
                   .arg(Quoted(BoxId::CgHeight), Quoted(BoxId::Wheelbase), axleList),
               BoxId::CgHeight);
    }
    // Driving the rear axle, a = μ·N / m grows with the load it moves onto
    // that axle, m·a·h/L: when μ·h/L ≥ 1 no grip holds it back and the whole
    // weight ends on the rear wheels: the front wheels would lift.
    if (limits.axle == DrivenAxle::Rear && limits.grip) {
        const double ratio = (*limits.grip * *limits.cgHeight) / *limits.wheelbase;
        if (!(ratio < 1)) {
            Reject(
                QStringLiteral(
                    "%1, %2 y %3: con μ × altura / batalla = %4, 1 o más, las ruedas delanteras se "
                    "levantarían antes de que patinen las traseras. Revise la altura (por ejemplo 0.55 m) y la batalla "
                    "(por ejemplo 2.6 m), o deje las dos en blanco.")
                    .arg(WhatItSays(BoxId::CgHeight, texts.cgHeight, *limits.cgHeight),
                         WhatItSays(BoxId::Wheelbase, texts.wheelbase, *limits.wheelbase),
                         WhatItSays(BoxId::Grip, texts.grip, *limits.grip), InputNumber(ratio)),
                BoxId::CgHeight);
        }
    }
}

} // namespace

void CheckLimits(const LimitTexts& texts, const CarLimits& limits)
{
    if (limits.redLine) {
        RejectNotPositive(BoxId::RedLine, texts.redLine, *limits.redLine,
                          ": el régimen máximo debe ser mayor que 0. Escriba las rev/min a las que corta el motor, "
                          "por ejemplo 6500, o deje la casilla en blanco si no quiere ese límite.");
    }
    if (limits.redLine && limits.launchSpeed && !(*limits.launchSpeed < *limits.redLine)) {
        const double redLine = *limits.redLine;
        const double example = redLine >= 4000 ? 2000 : std::floor(redLine / 2);
        Reject(QStringLiteral("%1 y %2: el motor sale con el embrague patinando, por debajo de su régimen máximo. "
                              "Escriba en %3 menos de %4, por ejemplo %5.")
                   .arg(WhatItSays(BoxId::LaunchSpeed, texts.launchSpeed, *limits.launchSpeed),
                        WhatItSays(BoxId::RedLine, texts.redLine, redLine), Quoted(BoxId::LaunchSpeed),
                        InputNumber(redLine), InputNumber(example)),
               BoxId::LaunchSpeed);
    }
    if (limits.shiftTime) {
        CheckShiftTime(texts.shiftTime, *limits.shiftTime);
    }
    if (limits.grip && !(*limits.grip > 0 && *limits.grip <= 3)) {
        Reject(WhatItSays(BoxId::Grip, texts.grip, *limits.grip)
                   + QStringLiteral(": el coeficiente de adherencia debe ser mayor que 0 y no mayor que 3. Escriba el "
                                    "de los neumáticos en ese firme, por ejemplo 0.9 en asfalto seco."),
               BoxId::Grip);
    }
    if (limits.drivenShare && !(*limits.drivenShare >= 0 && *limits.drivenShare <= 100)) {
        Reject(WhatItSays(BoxId::DrivenShare, texts.drivenShare, *limits.drivenShare)
                   + QStringLiteral(": es el porcentaje del peso del vehículo que carga el eje motriz, de 0 a 100. "
                                    "Escriba por ejemplo 60 para un turismo de tracción delantera."),
               BoxId::DrivenShare);
    }
    // With both axles driving the whole weight is on them.
    if (limits.axle == DrivenAxle::Both && limits.drivenShare && *limits.drivenShare != 100) {
        Reject(WhatItSays(BoxId::DrivenShare, texts.drivenShare, *limits.drivenShare)
                   + QStringLiteral(", pero en %1 se eligió «%2»: con los dos ejes motrices todo el peso carga sobre "
                                    "las ruedas motrices. Escriba 100 en %3 o déjelo en blanco.")
                         .arg(QStringLiteral("«Eje motriz»"), QString::fromUtf16(kDrivenAxleItems[3]),
                              Quoted(BoxId::DrivenShare)),
               BoxId::DrivenShare);
    }
    // The grip limit needs both: the coefficient and the load it acts on.
    if (limits.grip.has_value() != limits.drivenShare.has_value()
        && !(limits.grip && limits.axle == DrivenAxle::Both)) {
        const bool gripTyped = limits.grip.has_value();
        const BoxId filledBox = gripTyped ? BoxId::Grip : BoxId::DrivenShare;
        const QString filled = gripTyped ? WhatItSays(BoxId::Grip, texts.grip, *limits.grip)
                                         : WhatItSays(BoxId::DrivenShare, texts.drivenShare, *limits.drivenShare);
        const QString blank = Quoted(gripTyped ? BoxId::DrivenShare : BoxId::Grip);
        const QString what = gripTyped
                                 ? QStringLiteral("el porcentaje del peso que carga el eje motriz, por ejemplo 60")
                                 : QStringLiteral("el coeficiente de adherencia, por ejemplo 0.9");
        Reject(QStringLiteral("%1, pero %2 está en blanco: la fuerza que admiten los neumáticos depende de la "
                              "adherencia y del peso en el eje motriz. Escriba en %2 %3, o deje en blanco %4.")
                   .arg(filled, blank, what, Quoted(filledBox)),
               filledBox);
    }
    CheckLoadTransfer(texts, limits);
}

} // namespace kinetra
