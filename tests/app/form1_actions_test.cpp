// What the user's clicks do: the check boxes, the two frontal-area modes,
// "Calcular" from the typed boxes to the sentence or to the fault report,
// and the two ways out.

#include "form_driver.h"
#include "kinetra/calc_fault.h"
#include "kinetra/input_boxes.h"
#include "kinetra/run_calculation.h"
#include "kinetra/torque_curve_fit.h"

#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>

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
    void torqueCurveFillsTheColumn();
};

void Form1ActionsTest::checkBoxesFollowTheirState_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("gearCount");
    QTest::addColumn<bool>("fifthOpen");
    QTest::addColumn<bool>("sixthOpen");
    QTest::addColumn<QStringList>("textsAfter"); // Quinta's and Sexta's boxes

    // Sexta needs Quinta: ticking it ticks Quinta, unticking Quinta unticks it,
    // so that no locked box ever takes part.
    QTest::addRow("fifth") << QStringList{"Check1"} << 5 << true << false << QStringList{"9", ""};
    QTest::addRow("fifth ticked and unticked")
        << QStringList{"Check1", "Check1"} << 4 << false << false << QStringList{"0.8", ""};
    QTest::addRow("sixth only") << QStringList{"Check2"} << 6 << true << true << QStringList{"9", "9"};
    QTest::addRow("sixth then fifth") << QStringList{"Check2", "Check1"} << 4 << false << false
                                      << QStringList{"", "0.8"};
    QTest::addRow("both, sixth unticked")
        << QStringList{"Check1", "Check2", "Check2"} << 5 << true << false << QStringList{"9", "0.8"};
    QTest::addRow("both, fifth unticked")
        << QStringList{"Check1", "Check2", "Check1"} << 4 << false << false << QStringList{"0.8", "0.8"};
    QTest::addRow("sixth ticked and unticked")
        << QStringList{"Check2", "Check2"} << 5 << true << false << QStringList{"9", "0.8"};
    QTest::addRow("fifth unticked, then sixth")
        << QStringList{"Check1", "Check1", "Check2"} << 6 << true << true << QStringList{"9", "9"};
    // A screen reader's toggle action does what a click does.
    QTest::addRow("fifth by the toggle action")
        << QStringList{"toggle Check1"} << 5 << true << false << QStringList{"9", ""};
    QTest::addRow("sixth by the toggle action, fifth unticked by it")
        << QStringList{"toggle Check2", "toggle Check1"} << 4 << false << false << QStringList{"", "0.8"};
}

void Form1ActionsTest::checkBoxesFollowTheirState()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, gearCount);
    QFETCH(bool, fifthOpen);
    QFETCH(bool, sixthOpen);
    QFETCH(QStringList, textsAfter);

    Form1 form;
    form.show();
    for (const QString& click : clicks) {
        const QString name = click.section(' ', -1);
        if (click.startsWith("toggle ")) {
            QAccessibleActionInterface* actions =
                QAccessible::queryAccessibleInterface(Find(form, name))->actionInterface();
            QCOMPARE(actions->actionNames().front(), QAccessibleActionInterface::toggleAction());
            actions->doAction(QAccessibleActionInterface::toggleAction());
        } else {
            Click(form, name);
        }
        Type(form, name == "Check1" ? 5 : 6, "0.8");
    }
    QCOMPARE(form.windowState().gearCount, gearCount);
    QCOMPARE(Box(form, 5)->isEnabled(), fifthOpen);
    QCOMPARE(Box(form, 6)->isEnabled(), sixthOpen);
    QCOMPARE(Box(form, 5)->placeholderText().isEmpty(), !fifthOpen);
    QCOMPARE(Find<QAbstractButton>(form, "Check1")->isChecked(), fifthOpen);
    QCOMPARE(Find<QAbstractButton>(form, "Check2")->isChecked(), sixthOpen);
    // An open box takes typing; a locked one keeps what it was given.
    Type(form, 5, "9");
    Type(form, 6, "9");
    QCOMPARE((QStringList{Box(form, 5)->text(), Box(form, 6)->text()}), textsAfter);
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
    QTest::addColumn<QString>("notes"); // the start of the notes under the sentence

    const QString noAir = "• Sin resistencia del aire";
    QTest::addRow("no mode chosen: no drag") << Saloon() << QStringList{} << QString() << QStringList{"2", "1.4", "1.7"}
                                             << 4 << FrontalArea{} << DecimalComma() << "click" << noAir;
    QTest::addRow("Enter in a box") << Saloon() << QStringList{} << QString() << QStringList{"", "", ""} << 4
                                    << FrontalArea{} << DecimalComma() << "Enter in Text11" << noAir;
    QTest::addRow("keypad Enter in the area box")
        << Saloon() << QStringList{} << "Option1" << QStringList{"2", "", ""} << 4 << FrontalArea{"2"} << DecimalComma()
        << "keypad Enter in Text25" << QString();
    QTest::addRow("Enter on an option button") << Saloon() << QStringList{} << QString() << QStringList{"", "", ""} << 4
                                               << FrontalArea{} << DecimalComma() << "Enter on Option2" << noAir;
    QTest::addRow("Enter on Calcular") << Saloon() << QStringList{} << QString() << QStringList{"", "", ""} << 4
                                       << FrontalArea{} << DecimalComma() << "Enter on Command1" << noAir;
    QTest::addRow("Alt+C") << Saloon() << QStringList{} << QString() << QStringList{"", "", ""} << 4 << FrontalArea{}
                           << DecimalComma() << "Alt+C" << noAir;
    QTest::addRow("area typed after choosing it, comma")
        << Saloon() << QStringList{} << "Option1" << QStringList{"2", "", ""} << 4 << FrontalArea{"2"} << DecimalComma()
        << "click" << QString();
    QTest::addRow("area typed after choosing it, point")
        << Saloon() << QStringList{} << "Option1" << QStringList{"2", "", ""} << 4 << FrontalArea{"2"} << QLocale::c()
        << "click" << QString();
    QTest::addRow("six gears, height and width typed after choosing them, a comma in the width")
        << SixGears() << QStringList{"Check1", "Check2"} << "Option2" << QStringList{"", "1.45", "1,75"} << 6
        << FrontalArea{AreaOf(u"1.45", u"1,75")} << DecimalComma() << "click"
        << "• «Alto X Ancho» (ancho) dice «1,75»";
    QTest::addRow("every limit of the car")
        << Then(Saloon(), {{29, "6500"}, {30, "2500"}, {31, "0.3"}, {32, "1.0"}, {33, "60"}}) << QStringList{}
        << "Option1" << QStringList{"2", "", ""} << 4 << FrontalArea{"2"} << DecimalComma() << "click" << QString();
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
    QFETCH(QString, notes);

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
    QCOMPARE(Notes(form).left(notes.size()), notes);
    QCOMPARE(Notes(form).isEmpty(), notes.isEmpty());
    // Told once to screen readers, as a notification, wherever the focus is.
    const QAccessibleInterface* told = QAccessible::queryAccessibleInterface(Find(form, "ResultAnnouncement"));
    QCOMPARE(told->role(), QAccessible::Notification);
    const auto* label = Find<QLabel>(form, "Label31");
    if (!notes.isEmpty()) QVERIFY(Find(form, "ResultNotes")->y() >= label->y() + label->heightForWidth(label->width()));
    const QString notesHeard = Notes(form).remove(QStringLiteral("• ")).replace(u'\n', u' ');
    QCOMPARE(told->text(QAccessible::Name), Result(form).trimmed() + (notes.isEmpty() ? "" : " " + notesHeard));
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

    // The details: reached by Tab right after "Calcular", a row per gear the
    // sentence names and the total, copied as the table shows them.
    QVERIFY(QTest::qWaitForWindowActive(&form));
    Find(form, "Command1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), "Detalles");
    if (!notes.isEmpty()) { // the notes next, to scroll them from the keyboard
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "ResultNotes");
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), "Command2");
    Click(form, "Detalles");
    const QStringList gears = Result(form).split(QRegularExpression("[:;] "));
    const int first = gears.at(2).toInt();
    const int last = gears.at(4).toInt();
    const QStringList lines = CopiedTable(form).split(u'\n');
    QCOMPARE(lines.size(), last - first + 4); // header, a row a gear, total, and the end of the last line
    QCOMPARE(lines.front(),
             "Marcha\tDesde (m/s)\tDesde (km/h)\tHasta (m/s)\tHasta (km/h)\tTiempo (s)\t"
             "Distancia (m)\tMotor al entrar (rev/min)\tMotor al salir (rev/min)");
    const QTableWidget* table = Details(form)->findChild<QTableWidget*>();
    const bool limited = std::ranges::any_of(typing, [](const auto& typed) { return typed.first > 28; });
    const auto redLine = std::ranges::find(typing, 29, &Typing::value_type::first);
    QCOMPARE(table->rowCount(), last - first + 2);
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) cells << table->item(row, column)->text();
        QCOMPARE(lines.at(row + 1), cells.join(u'\t'));
        QCOMPARE(cells.front(), row + 1 < table->rowCount() ? QString::number(first + row) : "Total");
        if (redLine != typing.end()) QVERIFY(locale.toDouble(cells.back()) <= redLine->second.toDouble());
    }
    // The summary says which limits acted and what the model leaves out, only for a car with limits.
    QCOMPARE(HeardInDetails(form, "Resumen", QAccessible::Name).contains("El modelo deja fuera"), limited);
    const QStringList total = lines.at(lines.size() - 2).split(u'\t');
    QCOMPARE(total.at(5), locale.toString(locale.toDouble(sentence.captured(1)), 'f', 2));
    QCOMPARE(total.at(6).contains(locale.decimalPoint()), true);
    // The speed chart spans the whole run; the table's columns fill its width.
    const auto* speed = Details(form)->findChild<QChartView*>("GraficaVelocidad");
    const auto* time = qobject_cast<QValueAxis*>(speed->chart()->axes(Qt::Horizontal).constFirst());
    QVERIFY(time->min() <= 0 && time->max() >= locale.toDouble(sentence.captured(1)));
    QVERIFY(table->horizontalHeader()->length() >= table->viewport()->width());
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
    QTest::addRow("no torque to move off with")
        << Typing{{22, "-104"}} << QString() << Typing{{22, "60"}, {9, "20"}} << "Text22";
    QTest::addRow("frontal area too large")
        << Typing{{26, "1e300"}, {27, "1e300"}} << "Option2" << Typing{{26, "1.4"}, {27, "1.7"}, {9, "20"}} << "Text26";
    // The examples shown in empty boxes make a whole car, but they are not text:
    // the calculation still meets empty boxes.
    Typing emptied;
    for (int number : {1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 28})
        emptied.emplace_back(number, QString());
    QTest::addRow("a launch speed at the red line")
        << Typing{{29, "6500"}, {30, "6500"}} << QString() << Typing{{30, "2500"}, {9, "20"}} << "LaunchSpeed";
    QTest::addRow("every box emptied, its example showing")
        << emptied << QString() << Then(Saloon(), {{9, "20"}}) << "Text9";
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
    const QString firstNotes = Notes(form);
    QVERIFY(firstNotes.startsWith("• Sin resistencia del aire")); // no area mode chosen yet
    Click(form, "Detalles");
    const QString firstTable = CopiedTable(form);

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
    QCOMPARE(Notes(form), firstNotes);
    QCOMPARE(HeardResult(form), "Resultados: " + firstResult.trimmed());
    QVERIFY(Details(form)->isVisible() && Find(form, "Detalles")->isEnabled());
    QCOMPARE(CopiedTable(form), firstTable);
    // The result and its details say they belong to other data; each reason
    // is told once, the failure last.
    const QString failed = "Resultado del cálculo anterior: el último no se pudo hacer.";
    const QString changed = "Los datos han cambiado desde este resultado.";
    QCOMPARE(Find<QLabel>(form, "StaleNote")->text(), changed + "\n" + failed);
    QVERIFY(Find(form, "StaleNote")->isVisibleTo(&form));
    QCOMPARE(Details(form)->findChild<QLabel*>("AvisoResultadoAnterior")->text(), changed + " " + failed);
    const QAccessibleInterface* told = QAccessible::queryAccessibleInterface(Find(form, "ResultAnnouncement"));
    QCOMPARE(told->text(QAccessible::Name), failed);
    QVERIFY(!HeardInDetails(form, "GraficaVelocidad", QAccessible::Description).contains("Cálculo anterior"));

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
    QVERIFY(!Find(form, "StaleNote")->isVisibleTo(&form));
    QVERIFY(!Details(form)->findChild<QLabel*>("AvisoResultadoAnterior")->isVisibleTo(Details(form)));

    // The details follow the repaired run and draw the first one faintly;
    // "Detalles…" again brings the same window, and Esc closes it.
    QVERIFY(CopiedTable(form) != firstTable);
    const QString firstTime = firstTable.section(u'\n', -2).section(u'\t', 5, 5);
    QVERIFY2(HeardInDetails(form, "GraficaVelocidad", QAccessible::Description)
                 .contains("Cálculo anterior, en trazo claro: de 0,0 a 28,0 m/s en " + firstTime + " s."),
             qPrintable(HeardInDetails(form, "GraficaVelocidad", QAccessible::Description)));
    Click(form, "Detalles");
    QCOMPARE(form.findChildren<DetailsWindow*>().size(), 1);
    QTest::keyClick(Details(form)->findChild<QWidget*>("TablaPorMarchas"), Qt::Key_Escape);
    QVERIFY(!Details(form)->isVisible());
}

void Form1ActionsTest::reportPointsAtItsBox_data()
{
    QTest::addColumn<BoxId>("box");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("quoted");
    QTest::addColumn<QString>("heard");
    QTest::addRow("a single box") << BoxId::Mass << "Text11"
                                  << "«Peso del vehículo»"
                                  << "Peso del vehículo";
    QTest::addRow("a part of the tyre row") << BoxId::TyreAspect << "Text17"
                                            << "«Ruedas» (perfil)"
                                            << "Ruedas: perfil";
    QTest::addRow("a torque coefficient") << BoxId::TorqueN4 << "Text24"
                                          << "«N4»"
                                          << "N4";
    QTest::addRow("the typed frontal area") << BoxId::AreaTyped << "Text25"
                                            << "«Area Frontal»"
                                            << "Area Frontal: valor";
    QTest::addRow("the height of the area") << BoxId::AreaHeight << "Text26"
                                            << "«Alto X Ancho» (alto)"
                                            << "Alto X Ancho: alto";
    QTest::addRow("a limit of the car") << BoxId::Grip << "Grip"
                                        << "«Adherencia μ»"
                                        << "Adherencia μ";
}

// A report carries the box it names; the window finds the box by the table,
// whose caption is also the one shown beside the box and heard with it: a
// caption renamed in the table is renamed in the window and the reports
// alike.
void Form1ActionsTest::reportPointsAtItsBox()
{
    QFETCH(BoxId, box);
    QFETCH(QString, control);
    QFETCH(QString, quoted);
    QFETCH(QString, heard);
    Form1 form;
    QCOMPARE(BoxOf(box).control.toString(), control);
    QCOMPARE(Quoted(box), quoted);
    const auto* typed = Find<QLineEdit>(form, control);
    QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QLineEdit*>(typed))->text(QAccessible::Name), heard);
    QVERIFY(heard.startsWith(BoxOf(box).caption));
    const QString caption = BoxOf(box).caption.toString();
    const auto labels = form.findChildren<QLabel*>();
    const auto options = form.findChildren<QAbstractButton*>();
    // The row's caption names its first box.
    const auto namesTheRow = [&](const QLabel* l) {
        return l->text() == caption && l->buddy() != nullptr && l->buddy()->accessibleName().startsWith(caption);
    };
    QVERIFY2(std::ranges::any_of(labels, namesTheRow)
                 || std::ranges::any_of(options, [&](const QAbstractButton* b) { return b->text() == caption; }),
             qPrintable(caption));
}

void Form1ActionsTest::salirAndCloseEndTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("detailsOpen");
    QTest::addRow("Salir") << "Salir" << false;
    QTest::addRow("Alt+S") << "Alt+S" << false;
    QTest::addRow("the window's close control") << "close" << false;
    QTest::addRow("Salir with the details open") << "Salir" << true;
}

// The program runs until its only window closes: the event loop must end.
void Form1ActionsTest::salirAndCloseEndTheProgram()
{
    QFETCH(QString, how);
    QFETCH(bool, detailsOpen);
    Form1 form;
    form.show();
    if (detailsOpen) {
        TypeAll(form, Saloon());
        Click(form, "Command1");
        Click(form, "Detalles");
        QVERIFY(Details(form)->isVisible());
    }
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

// "Curva de par…": points pasted from a spreadsheet become the torque
// column, and "Calcular" then gives what typing those coefficients gives.
void Form1ActionsTest::torqueCurveFillsTheColumn()
{
    Form1 form(DecimalComma());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    TypeAll(form, Saloon());
    Click(form, "Command1");
    const QString before = Result(form);
    const auto torqueColumn = [&form] {
        QStringList texts;
        for (const int number : {22, 21, 20, 19, 24, 23, 28}) texts << Box(form, number)->text();
        return texts;
    };
    const QStringList typed = torqueColumn();

    Click(form, "TorqueCurveButton");
    auto* dialog = form.findChild<QDialog*>("CurvaDePar");
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QTRY_VERIFY(dialog->isActiveWindow());
    const auto heard = [dialog](const char* name, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(dialog->findChild<QWidget*>(name))->text(text);
    };
    // Before anything is fitted, the chart shows the column's curve.
    QVERIFY(heard("TorqueCurveChart", QAccessible::Description).contains("la curva actual de las casillas"));
    auto* points = dialog->findChild<QPlainTextEdit*>("TorquePoints");
    auto* use = dialog->findChild<QAbstractButton*>("UseCoefficients");

    // A refusal is shown in the dialog and writes nothing.
    points->setPlainText("1.000\t100\n2.000\tcien");
    QTest::mouseClick(use, Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QVERIFY(heard("TorqueCurveSummary", QAccessible::Name).contains("Línea 2: «cien» no es un número."));
    QCOMPARE(QApplication::focusWidget(), points);
    QCOMPARE(torqueColumn(), typed);
    // Esc changes nothing either, and what was typed is there the next time.
    QTest::keyClick(points, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(torqueColumn(), typed);
    Click(form, "TorqueCurveButton");
    QTRY_VERIFY(dialog->isActiveWindow());
    QCOMPARE(points->toPlainText(), "1.000\t100\n2.000\tcien");

    const QString pasted = "rpm\tNm\n1.500\t105\n2.500\t118,5\n3.500\t126\n4.500\t129,5\n5.500\t124\n6.500\t112\n";
    points->setPlainText(pasted);
    QTest::mouseClick(use, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), Box(form, 22));
    QCOMPARE(Result(form), before); // until the next "Calcular"
    QVERIFY(Find<QLabel>(form, "StaleNote")->text().contains("Los datos han cambiado"));
    // The fit's coefficients, C0 at the top, each box's text read back as the same double.
    const std::array<QString, 7> fitted =
        CoefficientTexts(std::get<TorqueCurveFit>(FitTorqueCurve({.points = pasted})).coefficients);
    QCOMPARE(torqueColumn(), QStringList(fitted.begin(), fitted.end()));

    Typing byHand = Saloon();
    const int torqueBoxes[] = {22, 21, 20, 19, 24, 23, 28};
    for (std::size_t power = 0; power < 7; ++power) byHand.emplace_back(torqueBoxes[power], fitted[power]);
    Click(form, "Command1");
    QVERIFY(Result(form) != before);
    Form1 typing(DecimalComma());
    typing.show();
    TypeAll(typing, byHand);
    Click(typing, "Command1");
    QCOMPARE(Result(typing), Result(form));
}

QTEST_MAIN(Form1ActionsTest)
#include "form1_actions_test.moc"
