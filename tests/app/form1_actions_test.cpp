// What the user's clicks do: the check boxes, the two frontal-area modes,
// "Calcular" from the typed boxes to the sentence or to the fault report,
// and the two ways out.

#include "form_driver.h"
#include "kinetra/calc_fault.h"
#include "kinetra/report_focus.h"
#include "kinetra/run_calculation.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>

using namespace kinetra;
using namespace kinetra::testing;

namespace {

QString Describe(const FrontalArea& area)
{
    if (const auto* text = std::get_if<QString>(&area)) return "text:" + *text;
    if (const auto* number = std::get_if<double>(&area)) return "number:" + QString::number(*number, 'g', 17);
    return "unset";
}

double AreaOf(QStringView height, QStringView width)
{
    return std::get<double>(AreaFromHeightAndWidth(height, width));
}

// A six-gear car whose torque uses every power, so that every box of both
// columns changes the sentence.
Typing SixGears()
{
    return {{1, "3.6"},   {2, "2.2"},    {3, "1.5"},    {4, "1.15"},   {5, "0.95"}, {6, "0.8"},  {7, "3.9"},
            {8, "1"},     {9, "30"},     {10, "1.05"},  {11, "1350"},  {12, "205"}, {17, "55"},  {18, "16"},
            {13, "0.92"}, {14, "0.31"},  {15, "0.012"}, {16, "2"},     {22, "80"},  {21, "1.2"}, {20, "-0.009"},
            {19, "2e-6"}, {24, "-3e-9"}, {23, "4e-12"}, {28, "-5e-15"}};
}

// How "Calcular" is pressed: a click, Enter in a box or on the button, Alt+C.
// False when nothing came of it.
bool PressCalcular(const Form1& form, const QString& how)
{
    if (how == "click") {
        Click(form, "Command1");
    } else if (how == "Alt+C") {
        // A mnemonic presses its button the way a click does, a moment later.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        return QTest::qWaitFor([&] { return !Result(form).isEmpty(); });
    } else {
        QWidget* target = Find(form, how.section(' ', -1));
        target->setFocus();
        const bool keypad = how.startsWith("keypad");
        QTest::keyClick(target, keypad ? Qt::Key_Enter : Qt::Key_Return, keypad ? Qt::KeypadModifier : Qt::NoModifier);
    }
    return !Result(form).isEmpty();
}

} // namespace

class Form1ActionsTest : public QObject {
    Q_OBJECT

private slots:
    void checkBoxesFollowTheirState_data();
    void checkBoxesFollowTheirState();
    void optionsClearTheOtherModeAndStoreTheArea_data();
    void optionsClearTheOtherModeAndStoreTheArea();
    void calcularShowsTheSentence_data();
    void calcularShowsTheSentence();
    void faultIsReportedAndResultKept_data();
    void faultIsReportedAndResultKept();
    void reportPointsAtItsBox_data();
    void reportPointsAtItsBox();
    void salirAndCloseEndTheProgram_data();
    void salirAndCloseEndTheProgram();
};

void Form1ActionsTest::checkBoxesFollowTheirState_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("gearCount");
    QTest::addColumn<bool>("fifthOpen");
    QTest::addColumn<bool>("sixthOpen");

    QTest::addRow("fifth") << QStringList{"Check1"} << 5 << true << false;
    QTest::addRow("fifth ticked and unticked") << QStringList{"Check1", "Check1"} << 4 << false << false;
    QTest::addRow("sixth only") << QStringList{"Check2"} << 6 << false << true;
    QTest::addRow("sixth then fifth") << QStringList{"Check2", "Check1"} << 6 << true << true;
    QTest::addRow("both, sixth unticked") << QStringList{"Check1", "Check2", "Check2"} << 5 << true << false;
    QTest::addRow("both, fifth unticked") << QStringList{"Check1", "Check2", "Check1"} << 6 << false << true;
    QTest::addRow("sixth ticked and unticked") << QStringList{"Check2", "Check2"} << 4 << false << false;
}

void Form1ActionsTest::checkBoxesFollowTheirState()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, gearCount);
    QFETCH(bool, fifthOpen);
    QFETCH(bool, sixthOpen);

    Form1 form;
    form.show();
    for (const QString& name : clicks) {
        Click(form, name);
        Type(form, name == "Check1" ? 5 : 6, "0.8");
    }
    QCOMPARE(form.windowState().gearCount, gearCount);
    QCOMPARE(Box(form, 5)->isEnabled(), fifthOpen);
    QCOMPARE(Box(form, 6)->isEnabled(), sixthOpen);
    // An open box takes typing; one locked again keeps what it was given.
    Type(form, 5, "9");
    Type(form, 6, "9");
    QCOMPARE(Box(form, 5)->text(), QString(fifthOpen ? "9" : clicks.contains("Check1") ? "0.8" : ""));
    QCOMPARE(Box(form, 6)->text(), QString(sixthOpen ? "9" : clicks.contains("Check2") ? "0.8" : ""));
}

void Form1ActionsTest::optionsClearTheOtherModeAndStoreTheArea_data()
{
    QTest::addColumn<QStringList>("areaHeightWidth");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("boxesAfter");
    QTest::addColumn<QString>("area");
    QTest::addColumn<bool>("overflowReported");

    QTest::addRow("height and width empty")
        << QStringList{"", "", ""} << QStringList{"Option2"} << QStringList{"", "", ""} << "number:0" << false;
    QTest::addRow("height 2, width 1.25") << QStringList{"3", "2", "1.25"} << QStringList{"Option2"}
                                          << QStringList{"", "2", "1.25"} << Describe(AreaOf(u"2", u"1.25")) << false;
    QTest::addRow("area with a comma") << QStringList{"2,5", "2", "1"} << QStringList{"Option1"}
                                       << QStringList{"2,5", "", ""} << "text:2,5" << false;
    QTest::addRow("empty area is a text")
        << QStringList{"", "", ""} << QStringList{"Option1"} << QStringList{"", "", ""} << "text:" << false;
    QTest::addRow("area, then height and width") << QStringList{"2", "1.5", "1.7"} << QStringList{"Option1", "Option2"}
                                                 << QStringList{"", "", ""} << "number:0" << false;
    QTest::addRow("too large a product") << QStringList{"2", "1e200", "1e200"} << QStringList{"Option2"}
                                         << QStringList{"", "1e200", "1e200"} << "unset" << true;
}

void Form1ActionsTest::optionsClearTheOtherModeAndStoreTheArea()
{
    QFETCH(QStringList, areaHeightWidth);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, boxesAfter);
    QFETCH(QString, area);
    QFETCH(bool, overflowReported);

    Form1 form;
    form.show();
    for (int box = 25; box <= 27; ++box) Type(form, box, areaHeightWidth.at(box - 25));
    for (const QString& name : clicks) Click(form, name);

    QCOMPARE((QStringList{Box(form, 25)->text(), Box(form, 26)->text(), Box(form, 27)->text()}), boxesAfter);
    QCOMPARE(Describe(form.windowState().frontalArea), area);
    QCOMPARE(FaultReportShown(form), overflowReported);
    if (overflowReported) QCOMPARE(FaultReport(form)->windowTitle(), FaultTitle(FaultKind::Overflow));
    // The two options exclude each other; the one clicked last stays selected.
    QVERIFY(Find<QAbstractButton>(form, clicks.last())->isChecked());
    QVERIFY(!Find<QAbstractButton>(form, clicks.last() == "Option1" ? "Option2" : "Option1")->isChecked());
}

void Form1ActionsTest::calcularShowsTheSentence_data()
{
    QTest::addColumn<Typing>("typing");
    QTest::addColumn<QStringList>("clicksBeforeTyping");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("typedAfterOption"); // area, height, width
    QTest::addColumn<int>("gearCount");
    QTest::addColumn<FrontalArea>("area");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("press");

    QTest::addRow("no mode chosen: no drag") << Saloon() << QStringList{} << QString() << QStringList{"2", "1.4", "1.7"}
                                             << 4 << FrontalArea{} << DecimalComma() << "click";
    QTest::addRow("Enter in a box") << Saloon() << QStringList{} << QString() << QStringList{"", "", ""} << 4
                                    << FrontalArea{} << DecimalComma() << "Enter in Text11";
    QTest::addRow("keypad Enter in the area box")
        << Saloon() << QStringList{} << "Option1" << QStringList{"2", "", ""} << 4 << FrontalArea{"2"} << DecimalComma()
        << "keypad Enter in Text25";
    QTest::addRow("Enter on an option button") << Saloon() << QStringList{} << QString() << QStringList{"", "", ""} << 4
                                               << FrontalArea{} << DecimalComma() << "Enter on Option2";
    QTest::addRow("Enter on Calcular") << Saloon() << QStringList{} << QString() << QStringList{"", "", ""} << 4
                                       << FrontalArea{} << DecimalComma() << "Enter on Command1";
    QTest::addRow("Alt+C") << Saloon() << QStringList{} << QString() << QStringList{"", "", ""} << 4 << FrontalArea{}
                           << DecimalComma() << "Alt+C";
    QTest::addRow("area typed after choosing it, comma")
        << Saloon() << QStringList{} << "Option1" << QStringList{"2", "", ""} << 4 << FrontalArea{"2"} << DecimalComma()
        << "click";
    QTest::addRow("area typed after choosing it, point")
        << Saloon() << QStringList{} << "Option1" << QStringList{"2", "", ""} << 4 << FrontalArea{"2"} << QLocale::c()
        << "click";
    QTest::addRow("six gears, height and width typed after choosing them")
        << SixGears() << QStringList{"Check1", "Check2"} << "Option2" << QStringList{"", "1.45", "1.75"} << 6
        << FrontalArea{AreaOf(u"1.45", u"1.75")} << DecimalComma() << "click";
}

void Form1ActionsTest::calcularShowsTheSentence()
{
    QFETCH(Typing, typing);
    QFETCH(QStringList, clicksBeforeTyping);
    QFETCH(QString, option);
    QFETCH(QStringList, typedAfterOption);
    QFETCH(int, gearCount);
    QFETCH(FrontalArea, area);
    QFETCH(QLocale, locale);
    QFETCH(QString, press);

    Form1 form(locale);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (const QString& name : clicksBeforeTyping) Click(form, name);
    TypeAll(form, typing);
    if (!option.isEmpty()) Click(form, option);
    for (int box = 25; box <= 27; ++box) Type(form, box, typedAfterOption.at(box - 25));
    QVERIFY(PressCalcular(form, press));

    QVERIFY(!FaultReportShown(form));
    QCOMPARE(HeardResult(form), "Resultados: " + Result(form).trimmed());
    // Told once to screen readers, as a notification, wherever the focus is.
    const QAccessibleInterface* told = QAccessible::queryAccessibleInterface(Find(form, "ResultAnnouncement"));
    QCOMPARE(told->role(), QAccessible::Notification);
    QCOMPARE(told->text(QAccessible::Name), Result(form).trimmed());
    // Alt+R selects the whole result; Ctrl+C copies it.
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), Find(form, "Label31"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), Result(form));
    // So does "Copiar" in its context menu.
    QApplication::clipboard()->clear();
    auto* result = Find<QLabel>(form, "Label31");
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(1, 1), result->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(result, &rightClick);
    const auto* menu = result->findChild<QMenu*>("ResultMenu");
    QVERIFY(menu != nullptr && menu->isVisible());
    menu->actions().constFirst()->trigger();
    QCOMPARE(QApplication::clipboard()->text(), Result(form));
    QCOMPARE(Describe(form.windowState().frontalArea), Describe(area));
    static const QRegularExpression shape(QStringLiteral(
        "^   El resultado final es: Marcha inicial: [1-6]; marcha final: \\d+; Tiempo empleado: (\\S+)$"));
    const QRegularExpressionMatch sentence = shape.match(Result(form));
    QVERIFY2(sentence.hasMatch(), qPrintable(Result(form)));
    bool isNumber = false;
    QVERIFY(locale.toDouble(sentence.captured(1), &isNumber) > 0 && isNumber);
    QCOMPARE(sentence.captured(1).contains(u','), locale.decimalPoint() == u',');

    WindowState state{gearCount, area};
    CalcTables tables;
    QCOMPARE(Result(form), std::get<QString>(RunCalculation(InputFrom(typing), state, tables, locale)));
}

void Form1ActionsTest::faultIsReportedAndResultKept_data()
{
    QTest::addColumn<Typing>("fault");
    QTest::addColumn<QString>("option");
    QTest::addColumn<Typing>("repair");
    QTest::addColumn<QString>("focusAfter"); // the box the report points at

    QTest::addRow("no tyre: wheel speed 0 / 0") << Typing{{12, ""}, {17, ""}, {18, ""}} << QString()
                                                << Typing{{12, "195"}, {17, "65"}, {18, "15"}, {9, "20"}} << "Text12";
    QTest::addRow("a box's value: negative mass")
        << Typing{{11, "-1200"}} << QString() << Typing{{11, "1200"}, {9, "20"}} << "Text11";
    QTest::addRow("speed range: final below initial")
        << Typing{{8, "30"}} << QString() << Typing{{8, "0"}, {9, "20"}} << "Text9";
    QTest::addRow("frontal area too large")
        << Typing{{26, "1e300"}, {27, "1e300"}} << "Option2" << Typing{{26, "1.4"}, {27, "1.7"}, {9, "20"}} << "Text26";
}

// The window's tables last from one calculation to the next, so the same
// calculations on one set of tables give what the window must show.
void Form1ActionsTest::faultIsReportedAndResultKept()
{
    QFETCH(Typing, fault);
    QFETCH(QString, option);
    QFETCH(Typing, repair);
    QFETCH(QString, focusAfter);

    Form1 form(DecimalComma());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    TypeAll(form, Saloon());
    Click(form, "Command1");
    const QString firstResult = Result(form);
    QVERIFY(firstResult.startsWith("   El resultado final es: "));

    TypeAll(form, fault);
    if (!option.isEmpty()) Click(form, option);
    if (FaultReportShown(form)) FaultReport(form)->button(QMessageBox::Ok)->click();
    Click(form, "Command1");
    QVERIFY(FaultReportShown(form));
    const QMessageBox* report = FaultReport(form);
    QCOMPARE(report->icon(), QMessageBox::Critical);
    QCOMPARE(report->parentWidget(), &form);
    QCOMPARE(report->windowModality(), Qt::WindowModal);
    QCOMPARE(report->button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));
    QCOMPARE(Result(form), firstResult);
    QCOMPARE(HeardResult(form), "Resultados: " + firstResult.trimmed());

    WindowState state{4, {}};
    CalcTables tables;
    RunCalculation(InputFrom(Saloon()), state, tables, DecimalComma());
    if (option.isEmpty()) {
        const CalcOutcome outcome = RunCalculation(InputFrom(Then(Saloon(), fault)), state, tables, DecimalComma());
        QVERIFY(std::holds_alternative<CalcFault>(outcome));
        QCOMPARE(report->windowTitle(), FaultTitle(std::get<CalcFault>(outcome).kind()));
        QCOMPARE(report->text(), std::get<CalcFault>(outcome).message());
    } else {
        QCOMPARE(report->windowTitle(), FaultTitle(FaultKind::Overflow));
    }

    report->button(QMessageBox::Ok)->click();
    QVERIFY(!FaultReportShown(form));
    // Typing goes to the box the report points at, and replaces its text.
    const auto* pointed = Find<QLineEdit>(form, focusAfter);
    QTRY_COMPARE(QApplication::focusWidget(), pointed);
    QCOMPARE(pointed->selectedText(), pointed->text());
    TypeAll(form, repair);
    Click(form, "Command1");
    QVERIFY(!FaultReportShown(form));
    state.frontalArea = option.isEmpty() ? FrontalArea{} : FrontalArea{AreaOf(u"1.4", u"1.7")};
    const CalcInput repaired = InputFrom(Then(Then(Saloon(), fault), repair));
    QCOMPARE(Result(form), std::get<QString>(RunCalculation(repaired, state, tables, DecimalComma())));
    QVERIFY(Result(form) != firstResult);
}

void Form1ActionsTest::reportPointsAtItsBox_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("box");
    QTest::addRow("a single box") << "«Peso del vehículo» dice «-1»: escriba la masa en kg."
                                  << "Text11";
    QTest::addRow("a part of the tyre row") << "«Ruedas» (perfil) está vacío."
                                            << "Text17";
    QTest::addRow("the first of two boxes")
        << "«Velocidad Final» dice «5» y «Velocidad Inicial» dice «9»: escriba en «Velocidad Final»."
        << "Text9";
    QTest::addRow("a value quoted before the box") << "«abc» no es un número en «N4»."
                                                   << "Text24";
    QTest::addRow("the typed frontal area") << "«Area Frontal» dice «x»."
                                            << "Text25";
    QTest::addRow("height and width, without a part") << "Pasó con «Alto X Ancho» 1e300."
                                                      << "Text26";
    QTest::addRow("a remark, not a part") << "«Cx» (aerodinámico) dice «-1»."
                                          << "Text14";
    QTest::addRow("no box named") << "División por cero."
                                  << "";
}

void Form1ActionsTest::reportPointsAtItsBox()
{
    QFETCH(QString, report);
    QFETCH(QString, box);
    QCOMPARE(BoxNamedByReport(report), box);
}

void Form1ActionsTest::salirAndCloseEndTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("Salir") << "Salir";
    QTest::addRow("Alt+S") << "Alt+S";
    QTest::addRow("the window's close control") << "close";
}

// The program runs until its only window closes: the event loop must end.
void Form1ActionsTest::salirAndCloseEndTheProgram()
{
    QFETCH(QString, how);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTimer::singleShot(0, &form, [&form, how] {
        if (how == "Salir") Click(form, "Command2");
        if (how == "Alt+S") QTest::keyClick(Box(form, 1), Qt::Key_S, Qt::AltModifier);
        if (how == "close") form.close();
    });
    constexpr int kStillRunning = 1;
    QTimer::singleShot(5000, qApp, [] { QApplication::exit(kStillRunning); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(Form1ActionsTest)
#include "form1_actions_test.moc"
