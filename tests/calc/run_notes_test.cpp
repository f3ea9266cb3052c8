// The notes beside a result about the run itself: one gear, boxes that hold
// no number, and runs no road car makes.
#include "kinetra/reading_notes.h"
#include "kinetra/run_calculation.h"
#include "test_car.h"

#include <gtest/gtest.h>

namespace kinetra {
namespace {

struct Outcome {
    CalcOutcome outcome;
    RunTrace trace;
    QStringList notes;
};

Outcome Calculated(const CalcInput& in, WindowState state = test::FourGearsWithArea(2.0))
{
    CalcTables tables;
    Outcome out;
    out.outcome = RunCalculation(in, state, tables, test::DecimalPoint(), &out.trace);
    if (std::holds_alternative<QString>(out.outcome)) {
        out.notes = RunNotes(in, state, out.trace);
    }
    return out;
}

TEST(RunNotes, OneGearCarIsSaidSo)
{
    CalcInput in = test::SaloonCar();
    in.gearRatio = {"9", "", "", "", "", ""};
    in.finalDrive = "1";
    const Outcome out = Calculated(in);
    ASSERT_TRUE(std::holds_alternative<QString>(out.outcome));
    ASSERT_FALSE(out.notes.isEmpty());
    EXPECT_TRUE(
        out.notes.front().startsWith(QStringLiteral("Una sola marcha: con «Segunda», «Tercera» y «Cuarta» "
                                                    "vacías, el vehículo tiene solo «Primera»")))
        << out.notes.join(u'|').toStdString();
    // A four-gear car gets no such note.
    EXPECT_TRUE(Calculated(test::SaloonCar()).notes.isEmpty());
}

TEST(RunNotes, EqualRatiosAreRefusedWithAndWithoutLimits)
{
    CalcInput in = test::SaloonCar();
    in.gearRatio = {"9", "9", "9", "9", "", ""};
    for (const char* grip : {"", "0.9"}) {
        in.limits.grip = grip;
        in.limits.drivenShare = *grip ? "60" : "";
        const Outcome out = Calculated(in);
        ASSERT_TRUE(std::holds_alternative<CalcFault>(out.outcome)) << grip;
        const CalcFault& fault = std::get<CalcFault>(out.outcome);
        EXPECT_EQ(fault.box(), BoxId::FirstGear);
        EXPECT_TRUE(fault.message().contains(QStringLiteral("para un coche de una sola marcha, deje vacías")))
            << fault.message().toStdString();
    }
}

TEST(RunNotes, ABoxWithNoNumberIsSaid)
{
    CalcInput in = test::SaloonCar();
    in.torqueCoefficient[3] = "r";
    in.limits.shiftTime = "abc";
    const Outcome out = Calculated(in);
    ASSERT_TRUE(std::holds_alternative<QString>(out.outcome));
    EXPECT_TRUE(out.notes.contains(QStringLiteral("«N3» dice «r»: se leyó 0."))) << out.notes.join(u'|').toStdString();
    EXPECT_TRUE(out.notes.contains(QStringLiteral("«Tiempo de cambio» dice «abc»: se leyó 0.")));
}

TEST(RunNotes, ARunNoRoadCarMakesIsSaidWithWhy)
{
    // A curve that climbs without end: the engine runs far past any red line.
    CalcInput in = test::SaloonCar();
    in.torqueCoefficient = {"80", "2", "0.05", "", "", "", ""};
    const Outcome out = Calculated(in);
    ASSERT_TRUE(std::holds_alternative<QString>(out.outcome));
    ASSERT_FALSE(out.notes.isEmpty());
    const QString& note = out.notes.back();
    EXPECT_TRUE(note.startsWith(QStringLiteral("Resultado dudoso:"))) << note.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("la curva sigue subiendo"))) << note.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("«Régimen máximo»")));
    // The same with a red line: the engine stays below it, and nothing is said
    // of its speed.
    in.limits.redLine = "6500";
    const Outcome limited = Calculated(in);
    ASSERT_TRUE(std::holds_alternative<QString>(limited.outcome));
    for (const QString& n : limited.notes) {
        EXPECT_FALSE(n.contains(QStringLiteral("rev/min."))) << n.toStdString();
    }
}

TEST(RunNotes, TheWholeStepNoteIsLeftOutWhenTheRunEndsExactly)
{
    CalcInput in = test::SaloonCar();
    in.finalSpeed = "27.78";
    const WindowState state = test::FourGearsWithArea(2.0);
    const auto whole = [&](const CalcInput& input) {
        return ReadingNotes(input, state, {}, test::DecimalPoint()).join(u' ').contains(u"pasos enteros");
    };
    EXPECT_TRUE(whole(in));
    in.limits.grip = "1";
    in.limits.drivenShare = "60";
    EXPECT_FALSE(whole(in));
}

} // namespace
} // namespace kinetra
