// Whatever the boxes hold and whatever the window state, a calculation ends
// in a well-formed sentence with a positive, finite time and a gear within
// the gearbox, or in a fault with a message; no table ever holds inf or NaN;
// and the result does not depend on what the tables held before.
#include "kinetra/field_value.h"
#include "kinetra/run_calculation.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QLocale>
#include <QString>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace kinetra;

// Plausible values keep most runs deep in the calculation; raw texts and
// random numbers reach the corners.
QString FieldText(FuzzedDataProvider& in, const std::array<const char*, 4>& plausible)
{
    switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4: return QString::fromLatin1(plausible[in.ConsumeIntegralInRange<std::size_t>(0, plausible.size() - 1)]);
    case 5: return QString::number(in.ConsumeFloatingPoint<double>(), 'g', 17);
    case 6: return QString::number(in.ConsumeIntegralInRange(-50, 500));
    default: return QString::fromUtf8(in.ConsumeRandomLengthString(40));
    }
}

QLocale PickLocale(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return QLocale(QLocale::Spanish, QLocale::Spain);
    case 1: return QLocale(QLocale::English, QLocale::UnitedStates);
    case 2: return QLocale(QLocale::German, QLocale::Germany);
    default: return QLocale::c();
    }
}

void CheckTables(const CalcTables& t)
{
    for (const Table* table : {&t.RoadLoad, &t.WheelSpeed, &t.OverallRatio, &t.StartMeanAccel, &t.StartAccelLow,
                               &t.StartAccelHigh, &t.StepTime}) {
        for (const double entry : table->entries()) {
            if (!std::isfinite(entry)) {
                std::abort();
            }
        }
    }
}

void CheckOutcome(const CalcOutcome& outcome, const CalcInput& input, int gearCount, const QLocale& locale)
{
    if (const auto* fault = std::get_if<CalcFault>(&outcome)) {
        if (fault->message().isEmpty() || FaultTitle(fault->kind()).isEmpty()) {
            std::abort();
        }
        return;
    }
    const QString& sentence = std::get<QString>(outcome);
    static const QString head = QStringLiteral("   El resultado final es: Marcha inicial: ");
    const QStringList parts = sentence.mid(head.size()).split(QStringLiteral("; "));
    if (!sentence.startsWith(head) || parts.size() != 3) {
        std::abort();
    }
    const int start = parts[0].toInt();
    const int final = parts[1].mid(14).toInt();
    bool ok = false;
    const double seconds = locale.toDouble(parts[2].mid(17), &ok);
    if (start < 1 || final < start || final > gearCount || !ok || !std::isfinite(seconds) || !(seconds > 0)) {
        std::abort();
    }
    // A gear without a ratio is no gear: the sentence never names one.
    if (FieldValue(input.gearRatio[static_cast<std::size_t>(final - 1)]) == 0) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    WindowState state;
    state.gearCount = in.ConsumeIntegralInRange(-1, 8);
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: break;
    case 1: state.frontalArea = QString::fromUtf8(in.ConsumeRandomLengthString(20)); break;
    case 2: state.frontalArea = in.ConsumeFloatingPointInRange<double>(-10, 10); break;
    default: state.frontalArea = 2.0; break;
    }
    const QLocale locale = PickLocale(in);

    CalcInput input;
    const std::array<const char*, 4> ratios{"3.5", "2.1", "1.4", "1.0"};
    for (QString& ratio : input.gearRatio) {
        ratio = FieldText(in, ratios);
    }
    input.finalDrive = FieldText(in, {"4.1", "3.9", "", "1"});
    input.initialSpeed = FieldText(in, {"0", "10", "2.5", "1"});
    input.finalSpeed = FieldText(in, {"28", "40", "12", "399"});
    input.massFactor = FieldText(in, {"1.06", "1.1", "1", ""});
    input.mass = FieldText(in, {"1200", "900", "20000", "0"});
    input.tyreWidth = FieldText(in, {"195", "205", "", "315"});
    input.tyreAspect = FieldText(in, {"65", "55", "80", ""});
    input.rimDiameter = FieldText(in, {"15", "16", "22.5", ""});
    input.efficiency = FieldText(in, {"0.9", "0.85", "0,9", "1"});
    input.dragCoefficient = FieldText(in, {"0.33", "0.3", "0.6", ""});
    input.rollingCoefficient = FieldText(in, {"0.015", "0.01", "0.02", ""});
    input.slopePercent = FieldText(in, {"0", "5", "-5", "30"});
    const std::array<std::array<const char*, 4>, 7> torque{{{"80", "60", "150", "2000"},
                                                            {"2", "0.9", "1.5", ""},
                                                            {"-0.014", "-0.006", "", "0"},
                                                            {"", "1e-5", "0", "-1e-6"},
                                                            {"", "0", "1e-8", "-1e-9"},
                                                            {"", "0", "1e-10", "-1e-11"},
                                                            {"", "0", "1e-12", "-1e-14"}}};
    for (std::size_t i = 0; i < input.torqueCoefficient.size(); ++i) {
        input.torqueCoefficient[i] = FieldText(in, torque[i]);
    }
    // Mostly none: the plain calculation stays the one fuzzed most.
    input.limits.redLine = FieldText(in, {"", "", "6500", "3000"});
    input.limits.launchSpeed = FieldText(in, {"", "", "2000", "0"});
    input.limits.shiftTime = FieldText(in, {"", "", "0.3", "5"});
    input.limits.grip = FieldText(in, {"", "", "0.9", "0.1"});
    input.limits.drivenShare = FieldText(in, {"", "", "60", "0"});
    input.limits.cgHeight = FieldText(in, {"", "", "0.55", "3"});
    input.limits.wheelbase = FieldText(in, {"", "", "2.6", "0.5"});
    input.limits.drivenAxle = FieldText(in, {"", "delantero", "trasero", "los dos"});

    CalcTables used;
    WindowState first = state;
    const CalcOutcome outcome = RunCalculation(input, first, used, locale);
    CheckTables(used);
    CheckOutcome(outcome, input, first.gearCount, locale);

    // The same press again, in the same tables and in fresh ones, gives the same answer.
    CalcTables fresh;
    for (CalcTables* tables : {&used, &fresh}) {
        WindowState again = state;
        const CalcOutcome repeated = RunCalculation(input, again, *tables, locale);
        CheckTables(*tables);
        const bool same = outcome.index() == repeated.index()
                          && (outcome.index() == 0
                                  ? std::get<QString>(outcome) == std::get<QString>(repeated)
                                  : std::get<CalcFault>(outcome).message() == std::get<CalcFault>(repeated).message());
        if (!same) {
            std::abort();
        }
    }
    return 0;
}
