// The details' numbers from a run made by hand: stretches per gear, the
// trapezoid distances, the changes up, the copied table and the words.

#include "kinetra/details_text.h"
#include "kinetra/run_summary.h"

#include <QTest>

using namespace kinetra;

namespace {

// From 10 m/s: two steps in 2nd, one in 3rd, times 0.5, 0.75 and 1.25 s.
RunTrace HandMadeRun()
{
    RunTrace run;
    run.startGear = 2;
    run.steps = {{10, 11, 2, 0.5, 2.1, 1.9, 3000, 3300},
                 {11, 12, 2, 0.75, 1.9, 1.7, 3300, 3600},
                 {12, 13, 3, 1.25, 0.9, 0.7, 2700, 2925}};
    return run;
}

// The same speeds with every limit acting: the clutch slips to 10.5 m/s, the
// grip holds to 11, the red line ends 2nd at 12 and the change coasts 0.3 s.
RunTrace HandMadeLimitedRun()
{
    RunTrace run;
    run.startGear = 2;
    run.redLine = 6500;
    run.steps = {{10, 10.5, 2, 0.25, 2.0, 2.0, 5400, 5670, StepLimit::Launch},
                 {10.5, 11, 2, 0.25, 2.0, 2.0, 5670, 5940, StepLimit::Grip},
                 {11, 12, 2, 0.75, 1.9, 1.7, 5940, 6500, StepLimit::Engine, true},
                 {12, 11.9, 3, 0.3, -0.33, -0.33, 4333, 4297, StepLimit::ShiftGap},
                 {11.9, 13, 3, 1.25, 0.9, 0.7, 4297, 4694}};
    run.gridSpeeds = {10, 11, 12, 13};
    run.traction = {{2, {2.0, 2.0, 1.7, qQNaN()}, 12, 1.7}};
    return run;
}

} // namespace

class RunSummaryTest : public QObject {
    Q_OBJECT

private slots:
    void stretchesAndChanges()
    {
        const RunSummary run = Summarize(HandMadeRun());
        const std::vector<GearStretch>& stretches = run.stretches;
        QCOMPARE(stretches.size(), std::size_t{2});
        QCOMPARE(stretches[0].gear, 2);
        QCOMPARE(stretches[0].toSpeed, 12.0);
        QCOMPARE(stretches[0].seconds, 1.25);
        QCOMPARE(stretches[0].metres, 10.5 * 0.5 + 11.5 * 0.75);
        QCOMPARE(stretches[0].engineIn, 3000.0);
        QCOMPARE(stretches[0].engineOut, 3600.0);
        QCOMPARE(stretches[1].engineIn, 2700.0);
        QCOMPARE(run.whole.seconds, 2.5);
        QCOMPARE(run.whole.metres, 10.5 * 0.5 + 11.5 * 0.75 + 12.5 * 1.25);

        const std::vector<ChangeUp>& changes = run.changes;
        QCOMPARE(changes.size(), std::size_t{1});
        QCOMPARE(changes[0].toGear, 3);
        QCOMPARE(changes[0].seconds, 1.25);
        QCOMPARE(changes[0].speed, 12.0);
        QCOMPARE(changes[0].acceleration, 0.9);

        // The same run again is no run to compare with: the one before it stays.
        RunTrace other = HandMadeRun();
        other.steps[0].seconds = 0.6;
        RunHistory runs;
        for (const RunTrace& added : {HandMadeRun(), HandMadeRun(), other, other}) runs.Add(added);
        QCOMPARE(runs.latest->summary.whole.seconds, 2.6);
        QCOMPARE(runs.previous->summary.whole.seconds, 2.5);
    }

    void copiedTableAndWords_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("words");
        QTest::addColumn<bool>("limited");
        QTest::addColumn<QString>("limits"); // the line that says which acted
        QTest::addRow("decimal comma")
            << QLocale(QLocale::Spanish, QLocale::Spain)
            << "Marcha\tDesde (m/s)\tDesde (km/h)\tHasta (m/s)\tHasta (km/h)\tTiempo (s)\tDistancia (m)\t"
               "Motor al entrar (rev/min)\tMotor al salir (rev/min)\n"
               "2\t10,0\t36,0\t12,0\t43,2\t1,25\t13,9\t3000\t3600\n"
               "3\t12,0\t43,2\t13,0\t46,8\t1,25\t15,6\t2700\t2925\n"
               "Total\t10,0\t36,0\t13,0\t46,8\t2,50\t29,5\t\t\n"
            << "Arranca en 2.ª marcha y acaba en 3.ª. Pasa de 10,0 m/s (36,0 km/h) a 13,0 m/s (46,8 km/h) en "
               "2,50 s y recorre 29,5 m."
            << false << "";
        QTest::addRow("decimal point, no group separator")
            << QLocale(QLocale::English, QLocale::UnitedStates)
            << "Marcha\tDesde (m/s)\tDesde (km/h)\tHasta (m/s)\tHasta (km/h)\tTiempo (s)\tDistancia (m)\t"
               "Motor al entrar (rev/min)\tMotor al salir (rev/min)\n"
               "2\t10.0\t36.0\t12.0\t43.2\t1.25\t13.9\t3000\t3600\n"
               "3\t12.0\t43.2\t13.0\t46.8\t1.25\t15.6\t2700\t2925\n"
               "Total\t10.0\t36.0\t13.0\t46.8\t2.50\t29.5\t\t\n"
            << "Arranca en 2.ª marcha y acaba en 3.ª. Pasa de 10.0 m/s (36.0 km/h) a 13.0 m/s (46.8 km/h) en "
               "2.50 s y recorre 29.5 m."
            << false << "";
        // A shift gap belongs to the gear engaged; its engine speed is taken once it drives.
        QTest::addRow("every limit acting")
            << QLocale(QLocale::Spanish, QLocale::Spain)
            << "Marcha\tDesde (m/s)\tDesde (km/h)\tHasta (m/s)\tHasta (km/h)\tTiempo (s)\tDistancia (m)\t"
               "Motor al entrar (rev/min)\tMotor al salir (rev/min)\n"
               "2\t10,0\t36,0\t12,0\t43,2\t1,25\t13,9\t5400\t6500\n"
               "3\t12,0\t43,2\t13,0\t46,8\t1,55\t19,1\t4297\t4694\n"
               "Total\t10,0\t36,0\t13,0\t46,8\t2,80\t33,0\t\t\n"
            << "Arranca en 2.ª marcha y acaba en 3.ª. Pasa de 10,0 m/s (36,0 km/h) a 13,0 m/s (46,8 km/h) en "
               "2,80 s y recorre 33,0 m."
            << true
            << "Embrague patinando hasta 10,5 m/s; adherencia hasta 11,0 m/s; cambio a 6500 rev/min; 1 cambio de "
               "0,3 s.";
    }

    void copiedTableAndWords()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, table);
        QFETCH(QString, words);
        QFETCH(bool, limited);
        QFETCH(QString, limits);
        const RunSummary run = Summarize(limited ? HandMadeLimitedRun() : HandMadeRun());
        QCOMPARE(TableAsTsv(run, locale), table);
        QCOMPARE(RunInWords(run, locale), words);
        QCOMPARE(LimitsInWords(run.limits, locale), limits);
        QCOMPARE(SpeedChartInWords(run, nullptr, locale).contains("sin tracción 0,30 s, hasta 11,9 m/s"), limited);
        const RunTrace trace = limited ? HandMadeLimitedRun() : HandMadeRun();
        QCOMPARE(
            TractionChartInWords({trace, run}, locale).contains("Llega al régimen máximo, 6500 rev/min, a 12,0 m/s"),
            limited);
    }
};

QTEST_GUILESS_MAIN(RunSummaryTest)
#include "run_summary_test.moc"
