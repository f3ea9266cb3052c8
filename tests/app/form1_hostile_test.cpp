// Whatever a user types into any box, "Calcular" (and "Alto X Ancho" for the
// height and width) answers with a well-formed sentence or an error report:
// never a crash, inf, NaN or a negative time, and a report never touches the
// sentence already shown.

#include "form_driver.h"
#include "kinetra/run_calculation.h"

#include <QRegularExpression>

#include <cmath>

using namespace kinetra;
using namespace kinetra::testing;

namespace {

struct Hostile {
    const char* name;
    QString text;
};

const std::vector<Hostile>& HostileTexts()
{
    static const std::vector<Hostile> texts{
        {"empty", ""},
        {"blank", " "},
        {"minus", "-"},
        {"point", "."},
        {"plus point", "+."},
        {"largest", "1e308"},
        {"too large", "1e309"},
        {"too large negative", "-1e309"},
        {"hex prefix", "&H"},
        {"hex too long", "&HFFFFFFFFFFFFFFFFFFFF"},
        {"octal bad digit", "&O99"},
        {"D exponent", "1D2"},
        {"decimal comma", "0,9"},
        {"NaN", "NaN"},
        {"inf", "inf"},
        {"too small", "1e-400"},
        {"very long", QString(100000, u'9')},
        {"non-ASCII", QStringLiteral("ñ½€漢字")},
        {"Arabic digits", QStringLiteral("٣٫٥")},
        {"zero-width space", QStringLiteral("\u200b1.5")},
        {"control characters", QStringLiteral("\x01\x02\x7f\x1b[2J")},
        {"carriage return", QStringLiteral("1\r\n2")},
    };
    return texts;
}

// The area mode whose handler reads a box, so that the hostile text reaches it.
QString ModeReading(int box)
{
    if (box == 25) return "Option1";
    if (box == 26 || box == 27) return "Option2";
    return {};
}

void VerifyWellFormed(const Form1& form, const QString& sentence)
{
    static const QRegularExpression shape(QStringLiteral(
        "^   El resultado final es: Marcha inicial: (\\d); marcha final: (\\d); Tiempo empleado: (\\S+)$"));
    const QRegularExpressionMatch match = shape.match(sentence);
    QVERIFY2(match.hasMatch(), qPrintable(sentence));
    const int start = match.captured(1).toInt();
    const int final = match.captured(2).toInt();
    QVERIFY(start >= 1 && start <= final && final <= form.windowState().gearCount);
    bool ok = false;
    const double seconds = form.locale().toDouble(match.captured(3), &ok);
    QVERIFY2(ok && std::isfinite(seconds) && seconds > 0, qPrintable(sentence));
}

// What the calculation itself answers for the boxes as they stand and the
// area the window holds: the sentence, or the text of the fault.
QString ExpectedAnswer(const Form1& form)
{
    Typing boxes;
    for (int number = 1; number <= 28; ++number) boxes.emplace_back(number, Box(form, number)->text());
    if (Find<QAbstractButton>(form, "Option2")->isChecked()) {
        const auto area = AreaFromHeightAndWidth(Box(form, 26)->text(), Box(form, 27)->text());
        if (const auto* fault = std::get_if<CalcFault>(&area)) return fault->message();
    }
    WindowState state{6, form.windowState().frontalArea};
    CalcTables fresh;
    const CalcOutcome outcome = RunCalculation(InputFrom(boxes), state, fresh, form.locale());
    if (const auto* fault = std::get_if<CalcFault>(&outcome)) return fault->message();
    return std::get<QString>(outcome);
}

void VerifyTablesFinite(const Form1& form)
{
    const CalcTables& t = form.calcTables();
    for (const Table* table : {&t.RoadLoad, &t.WheelSpeed, &t.OverallRatio, &t.StartMeanAccel, &t.StartAccelLow,
                               &t.StartAccelHigh, &t.StepTime}) {
        for (const double entry : table->entries()) QVERIFY(std::isfinite(entry));
    }
}

} // namespace

class Form1HostileTest : public QObject {
    Q_OBJECT

private slots:
    void anyTextInAnyBox_data();
    void anyTextInAnyBox();
};

void Form1HostileTest::anyTextInAnyBox_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    for (const Hostile& hostile : HostileTexts()) {
        for (int box = 1; box <= 28; ++box) {
            QTest::addRow("%s in Text%d", hostile.name, box) << box << hostile.text;
        }
    }
}

void Form1HostileTest::anyTextInAnyBox()
{
    QFETCH(int, box);
    QFETCH(QString, text);

    Form1 form(DecimalComma());
    form.show();
    Click(form, "Check1");
    Click(form, "Check2");
    TypeAll(form, Then(Saloon(), {{5, "0.8"}, {6, "0.7"}, {25, "2,0"}}));
    Click(form, "Option1");
    Click(form, "Command1");
    const QString before = Result(form);
    QVERIFY(!FaultReportShown(form));
    VerifyWellFormed(form, before);

    const QString original = Box(form, box)->text();
    Box(form, box)->setText(text);
    if (const QString mode = ModeReading(box); !mode.isEmpty()) {
        Click(form, mode);
        if (FaultReportShown(form)) {
            QCOMPARE(Result(form), before);
            FaultReport(form)->done(QMessageBox::Ok);
        }
    }
    Click(form, "Command1");

    const QString expected = ExpectedAnswer(form);
    if (FaultReportShown(form)) {
        QCOMPARE(FaultReport(form)->text(), expected);
        QCOMPARE(Result(form), before);
        QVERIFY(!FaultReport(form)->text().isEmpty());
        QCOMPARE(FaultReport(form)->icon(), QMessageBox::Critical);
        FaultReport(form)->done(QMessageBox::Ok);
    } else {
        QCOMPARE(Result(form), expected);
        VerifyWellFormed(form, Result(form));
    }
    VerifyTablesFinite(form);

    // The window still calculates once the box is put right.
    Box(form, box)->setText(original);
    if (!ModeReading(box).isEmpty()) {
        TypeAll(form, {{25, "2,0"}, {26, ""}, {27, ""}});
        Click(form, "Option1");
    }
    Click(form, "Command1");
    QVERIFY(!FaultReportShown(form));
    QCOMPARE(Result(form), before);
}

QTEST_MAIN(Form1HostileTest)
#include "form1_hostile_test.moc"
