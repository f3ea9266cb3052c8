// The window as the program starts it, where the Tab key takes the focus, and
// geometry a person would notice when wrong.

#include "form_driver.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include <algorithm>

using namespace kinetra;
using namespace kinetra::testing;

namespace {

// The boxes of the car's optional limits, in their order on the form.
const QStringList kLimitBoxes{"RedLine", "LaunchSpeed", "ShiftTime", "Grip", "DrivenShare", "CgHeight", "Wheelbase"};

QStringList ControlNames()
{
    // The form's 71 controls, the "Detalles…" button added to its frame, "Curva de
    // par…", the group of the car's limits, the file's commands and the speeds' km/h readings.
    QStringList names{"Check1", "Check2", "Option1", "Option2", "Command1", "Command2",     "Frame1",
                      "Line1",  "Line2",  "Line3",   "Image1",  "Detalles", "VehicleLimits"};
    for (const QString& box : kLimitBoxes) names << box << box + "Label";
    names << "RedLineUnit"
          << "LaunchSpeedUnit"
          << "ShiftTimeUnit"
          << "DrivenShareUnit"
          << "CgHeightUnit"
          << "WheelbaseUnit"
          << "DrivenAxle"
          << "DrivenAxleLabel";
    names << "TorqueCurveButton"
          << "PerformanceButton";
    names << "OpenButton"
          << "SaveButton"
          << "SaveAsButton"
          << "ExamplesButton";
    names << "KmhInicial"
          << "KmhFinal";
    for (int n = 1; n <= 28; ++n) names << QStringLiteral("Text%1").arg(n);
    for (int n = 1; n <= 32; ++n) names << QStringLiteral("Label%1").arg(n);
    return names;
}

// The siblings drawn over `control`: those after it in its parent's stacking order.
QList<QWidget*> StackedAbove(const QWidget* control)
{
    QList<QWidget*> siblings = control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    siblings.erase(siblings.begin(), std::find(siblings.begin(), siblings.end(), control) + 1);
    return siblings;
}

// How much of the control stays in sight from its left edge.
int VisibleWidth(const QWidget* control)
{
    int right = control->geometry().right() + 1;
    for (const QWidget* cover : StackedAbove(control)) {
        if (!cover->isWindow() && cover->geometry().intersects(control->geometry()) && cover->x() > control->x()) {
            right = std::min(right, cover->x());
        }
    }
    return right - control->x();
}

// How far from its left edge the control's caption reaches.
int CaptionExtent(const QWidget* control)
{
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
        QStyleOptionButton style;
        style.initFrom(option);
        return option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option).left()
               + metrics.horizontalAdvance(option->text());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        return metrics.horizontalAdvance(button->text())
               + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return metrics.horizontalAdvance(frame->title() + u' ');
    }
    if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        // The longest item beside the arrow.
        int widest = 0;
        for (int i = 0; i < list->count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
        QStyleOptionComboBox style;
        style.initFrom(list);
        return list->style()
            ->sizeFromContents(QStyle::CT_ComboBox, &style, QSize(widest, metrics.height()), list)
            .width();
    }
    return metrics.horizontalAdvance(qobject_cast<const QLabel*>(control)->text());
}

const QStringList kFocusWithGearsLocked{"Text1",      "Text2",        "Text3",
                                        "Text4",      "Check1",       "Check2",
                                        "Text7",      "Text8",        "Text9",
                                        "Text10",     "Text11",       "Text12",
                                        "Text13",     "Text14",       "Text15",
                                        "Text16",     "Text17",       "Text18",
                                        "Text19",     "Text20",       "Text21",
                                        "Text22",     "Text23",       "Text24",
                                        "Option1",    "Option2",      "Text25",
                                        "Text26",     "Text27",       "Command1",
                                        "Command2",   "Text28",       "TorqueCurveButton",
                                        "RedLine",    "LaunchSpeed",  "ShiftTime",
                                        "Grip",       "DrivenShare",  "CgHeight",
                                        "Wheelbase",  "DrivenAxle",   "OpenButton",
                                        "SaveButton", "SaveAsButton", "ExamplesButton",
                                        "Text1"};

// The form's client area, which scrolls inside the window when it is larger
// than the screen.
const QWidget* Canvas(const Form1& form)
{
    return Find(form, "FormCanvas");
}

} // namespace

class Form1WindowTest : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void startsCentredWithFocusInFirstGear();
    void tabFollowsTabIndex_data();
    void tabFollowsTabIndex();
    void everyControlInsideTheWindow();
    void captionsAreSeenWhole_data();
    void captionsAreSeenWhole();
    void boxesShowTheirTextAndLieOnTop();
    void rowsLineUp_data();
    void rowsLineUp();
    void resultSentenceFitsItsLabel();
    void fitsTheDesktop_data();
    void fitsTheDesktop();
    void heardByScreenReaders_data();
    void heardByScreenReaders();
};

void Form1WindowTest::startState()
{
    const Form1 form;
    QCOMPARE(form.windowTitle(), QStringLiteral(" Kinetra Aceleración"));
    // Never smaller than the form at 96 dots per inch, and in its proportions.
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(Canvas(form)->width() >= 785 && Canvas(form)->height() >= 573);
    QVERIFY(std::abs(Canvas(form)->width() * 8595.0 / 11775 - Canvas(form)->height()) <= 1);
    QVERIFY(!form.windowIcon().pixmap(32, 32).isNull());
    QCOMPARE(Find<QLabel>(form, "Image1")->pixmap().size(), QSize(84, 93));
    QCOMPARE(form.locale(), QLocale::system());

    const QStringList names = ControlNames();
    for (const QString& name : names) QCOMPARE(form.findChildren<QWidget*>(name).size(), 1);
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        const bool input = qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractButton*>(control)
                           || qobject_cast<const QComboBox*>(control);
        if (const QString name = control->objectName(); names.contains(name))
            QCOMPARE(control->focusPolicy() != Qt::NoFocus, (input && control->isEnabled()) || name == "Label31");
    }

    const std::map<int, QString> defaults{{10, "1.06"}, {13, "0.9"}, {14, "0.33"}, {15, "0.015"}, {16, "0"}};
    for (int number = 1; number <= 28; ++number) {
        const QLineEdit* box = Box(form, number);
        QCOMPARE(box->text(), defaults.contains(number) ? defaults.at(number) : QString());
        // Every open box shows an example while empty, greyed; a default is its
        // own example. A locked one shows none, lest it look like a ratio in use.
        QCOMPARE(box->placeholderText().isEmpty(), !box->isEnabled());
        if (defaults.contains(number)) QCOMPARE(box->placeholderText(), defaults.at(number));
        QCOMPARE(box->isEnabled(), number != 5 && number != 6);
        QVERIFY(!box->toolTip().isEmpty() && !box->accessibleName().isEmpty());
    }
    // The car's limits start empty, for the plain calculation; each box tells its unit.
    const QStringList units{"en rev/min", "en rev/min", "en s", "sin unidades", "en %", "en m", "en m"};
    for (qsizetype limit = 0; limit < kLimitBoxes.size(); ++limit) {
        const auto* box = Find<QLineEdit>(form, kLimitBoxes[limit]);
        QVERIFY(box->text().isEmpty() && !box->placeholderText().isEmpty());
        QVERIFY2(box->toolTip().contains(units[limit]) && box->accessibleDescription() == box->toolTip(),
                 qPrintable(box->toolTip()));
    }
    // The frontal area is read in the user's number format; its help says so.
    QVERIFY(Box(Form1(DecimalComma()), 25)->toolTip().contains(u"«,» como separador decimal (por ejemplo 2,25)"));
    QVERIFY(Box(Form1(QLocale::c()), 25)->toolTip().contains(u"«.» como separador decimal (por ejemplo 2.25)"));
    QCOMPARE(Box(Form1(DecimalComma()), 25)->placeholderText(), "2,25");
    QCOMPARE(Box(Form1(QLocale::c()), 25)->placeholderText(), "2.25");
    for (const char* name : {"Check1", "Check2", "Option1", "Option2"}) {
        QVERIFY(!Find<QAbstractButton>(form, name)->isChecked());
    }
    for (const char* name : {"Command1", "Command2", "Detalles"}) {
        QVERIFY(!Find<QPushButton>(form, name)->isDefault() && !Find<QPushButton>(form, name)->autoDefault());
    }
    QVERIFY(!Find(form, "Detalles")->isEnabled()); // nothing to detail before a result
    QVERIFY(Result(form).isEmpty());
    // The result can be selected and copied; a click or Alt+R reaches it, Tab does not.
    const auto* result = Find<QLabel>(form, "Label31");
    QCOMPARE(result->textInteractionFlags(), Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QCOMPARE(result->focusPolicy(), Qt::ClickFocus);

    // The speeds in km/h as they are typed, in the user's number format.
    const Form1 comma(DecimalComma());
    for (const auto& [typed, reading] : {std::pair{"28", "Vf = 100,8 km/h"}, std::pair{" 1e1x", "Vf = 36 km/h"},
                                         std::pair{"abc", ""}, std::pair{"-", ""}, std::pair{"", ""}}) {
        Type(comma, 9, typed);
        QCOMPARE(Find<QLabel>(comma, "KmhFinal")->text(), reading);
    }
    Box(comma, 8)->setText("27.78");
    QCOMPARE(Find<QLabel>(comma, "KmhInicial")->text(), "Vi = 100 km/h");

    QCOMPARE(form.windowState().gearCount, 4);
    QVERIFY(std::holds_alternative<std::monostate>(form.windowState().frontalArea));
    const CalcTables& tables = form.calcTables();
    for (const Table* table : {&tables.RoadLoad, &tables.WheelSpeed, &tables.OverallRatio, &tables.StartMeanAccel,
                               &tables.StartAccelLow, &tables.StartAccelHigh, &tables.StepTime}) {
        QVERIFY(std::ranges::all_of(table->entries(), [](double entry) { return entry == 0; }));
    }
}

void Form1WindowTest::startsCentredWithFocusInFirstGear()
{
    Form1 form;
    form.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), Box(form, 1));
    // Centred with the window manager's frame: lowered by half a title bar.
    const QPoint offCentre = form.geometry().center() - form.screen()->availableGeometry().center();
    const int titleBar = form.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &form);
    QVERIFY(std::abs(offCentre.x()) <= 1 && offCentre.y() >= 0 && offCentre.y() <= titleBar / 2 + 1);
}

void Form1WindowTest::tabFollowsTabIndex_data()
{
    QTest::addColumn<QStringList>("clicked");
    QTest::addColumn<QStringList>("sequence");

    QStringList fifthOpen = kFocusWithGearsLocked;
    fifthOpen.insert(4, "Text5");
    QStringList bothOpen = fifthOpen;
    bothOpen.insert(5, "Text6");

    QTest::addRow("fifth and sixth locked") << QStringList{} << kFocusWithGearsLocked;
    QTest::addRow("fifth open") << QStringList{"Check1"} << fifthOpen;
    QTest::addRow("fifth and sixth open") << QStringList{"Check1", "Check2"} << bothOpen;
    QTest::addRow("sixth ticked, fifth with it") << QStringList{"Check2"} << bothOpen;
    QTest::addRow("both opened, fifth unticked, sixth with it")
        << QStringList{"Check1", "Check2", "Check1"} << kFocusWithGearsLocked;
    QTest::addRow("an option selected, the other still a stop") << QStringList{"Option1"} << kFocusWithGearsLocked;
    QTest::addRow("the other option selected") << QStringList{"Option1", "Option2"} << kFocusWithGearsLocked;
}

void Form1WindowTest::tabFollowsTabIndex()
{
    QFETCH(QStringList, clicked);
    QFETCH(QStringList, sequence);

    Form1 form;
    form.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (const QString& name : clicked) Click(form, name);
    Box(form, 1)->setFocus();

    QStringList visited{QApplication::focusWidget()->objectName()};
    while (visited.size() < sequence.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, sequence);
}

void Form1WindowTest::everyControlInsideTheWindow()
{
    const Form1 form;
    QList<const QWidget*> inputs;
    for (const QString& name : ControlNames()) {
        const QWidget* control = Find(form, name);
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(name));
        // Option buttons run under the box beside them, as on the form; nothing else overlaps.
        if (!name.startsWith("Label") && !name.startsWith("Line") && !name.startsWith("Option")) inputs << control;
    }
    QCOMPARE(Find(form, "Label31")->parentWidget(), Find(form, "Frame1"));
    QCOMPARE(Find(form, "RedLine")->parentWidget(), Find(form, "VehicleLimits"));
    // Compared where they stand on the form, whatever holds them.
    const auto onForm = [&](const QWidget* control) {
        return QRect(control->mapTo(Canvas(form), QPoint()), control->size());
    };
    for (const QWidget* first : inputs) {
        for (const QWidget* second : inputs) {
            QVERIFY2(first->isAncestorOf(second) || second->isAncestorOf(first) || first == second
                         || !onForm(first).intersects(onForm(second)),
                     qPrintable(first->objectName() + " on " + second->objectName()));
        }
    }
}

void Form1WindowTest::captionsAreSeenWhole_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : ControlNames()) {
        // The check boxes' caption is hidden on purpose; Label31 holds the result.
        if (name.startsWith("Text") || name.startsWith("Line") || name.startsWith("Check") || name == "Image1"
            || name == "Label31" || kLimitBoxes.contains(name)) {
            continue;
        }
        QTest::addRow("%s", qPrintable(name)) << name;
    }
}

void Form1WindowTest::captionsAreSeenWhole()
{
    QFETCH(QString, name);
    const Form1 form;
    const QWidget* control = Find(form, name);
    QVERIFY2(
        CaptionExtent(control) <= VisibleWidth(control),
        qPrintable(
            QStringLiteral("reaches %1 px, %2 px in sight").arg(CaptionExtent(control)).arg(VisibleWidth(control))));
    QVERIFY(control->fontMetrics().height() <= control->height());
}

void Form1WindowTest::boxesShowTheirTextAndLieOnTop()
{
    const Form1 form;
    for (const QLineEdit* box : form.findChildren<QLineEdit*>()) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        QVERIFY(box->fontMetrics().height() <= contents.height());
        // The example is seen whole, within the margins the box keeps beside its text.
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->placeholderText()) <= contents.width() - 4,
                 qPrintable(box->objectName()));
        for (const QWidget* cover : StackedAbove(box)) {
            QVERIFY2(cover->isWindow() || !cover->geometry().intersects(box->geometry()),
                     qPrintable(cover->objectName() + " over " + box->objectName()));
        }
    }
    // A number longer than its box shows its start, sign included, once set
    // or left; the tooltip keeps the description and gives the whole number.
    Form1 shown;
    shown.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    Box(shown, 19)->setText("-2.21482e-06");
    QCOMPARE(Box(shown, 19)->cursorPosition(), 0);
    Box(shown, 20)->setFocus();
    QTest::keyClicks(Box(shown, 20), "-0.0137396123");
    QVERIFY(Box(shown, 20)->cursorPosition() > 0);
    QTest::keyClick(Box(shown, 20), Qt::Key_Tab);
    QCOMPARE(Box(shown, 20)->cursorPosition(), 0);
    QCOMPARE(Box(shown, 20)->toolTip(), Box(shown, 20)->accessibleDescription() + "\nValor: -0.0137396123");
}

void Form1WindowTest::rowsLineUp_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("input");
    const Form1 form;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            QTest::addRow("%s names %s", qPrintable(label->objectName()), qPrintable(label->buddy()->objectName()))
                << label->objectName() << label->buddy()->objectName();
        }
    }
    QTest::addRow("Option1 and the area") << "Option1"
                                          << "Text25";
    QTest::addRow("Option2 and the height") << "Option2"
                                            << "Text26";
    QTest::addRow("Check1 and the fifth gear") << "Check1"
                                               << "Text5";
    QTest::addRow("Check2 and the sixth gear") << "Check2"
                                               << "Text6";
    QTest::addRow("the slash and the aspect ratio") << "Label21"
                                                    << "Text17";
    QTest::addRow("R and the rim") << "Label22"
                                   << "Text18";
    QTest::addRow("X and the vehicle's width") << "Label30"
                                               << "Text27";
}

void Form1WindowTest::rowsLineUp()
{
    QFETCH(QString, caption);
    QFETCH(QString, input);
    const Form1 form;
    const QRect captionPlace = Find(form, caption)->geometry();
    const QRect inputPlace = Find(form, input)->geometry();
    QVERIFY(captionPlace.left() < inputPlace.left());
    // Twice the centres, to stay in whole pixels: within a pixel of each other
    // at 96 dots per inch, where the form's 15-twip offset of the centres is
    // one pixel; scaled up, that offset grows with the scale.
    const double scale = Canvas(form)->width() / 785.0;
    QVERIFY(std::abs((captionPlace.top() * 2 + captionPlace.height()) - (inputPlace.top() * 2 + inputPlace.height()))
            <= (scale > 1 ? 2 * scale + 2 : 2));
}

void Form1WindowTest::resultSentenceFitsItsLabel()
{
    const Form1 form;
    const auto* result = Find<QLabel>(form, "Label31");
    QVERIFY(result->wordWrap());
    const QString longest = QStringLiteral(
        "   El resultado final es: Marcha inicial: 10; marcha final: 12; Tiempo empleado: -123,456789012345");
    const QRect needed =
        result->fontMetrics().boundingRect(QRect(0, 0, result->width(), 10000), Qt::TextWordWrap, longest);
    QVERIFY(needed.height() <= result->height() && needed.width() <= result->width());
}

// The desktop's font in points, on the test screen (offscreen: 800 x 800).
void Form1WindowTest::fitsTheDesktop_data()
{
    QTest::addColumn<double>("desktopPoints");
    QTest::addColumn<bool>("scrollsAcross");
    QTest::addColumn<bool>("scrollsDown");
    QTest::addRow("small font: the form as drawn") << 6.0 << false << false;
    QTest::addRow("usual font, wider than the screen") << 9.0 << true << false;
    QTest::addRow("large font, larger than the screen") << 14.0 << true << true;
}

void Form1WindowTest::fitsTheDesktop()
{
    QFETCH(double, desktopPoints);
    QFETCH(bool, scrollsAcross);
    QFETCH(bool, scrollsDown);
    const QFont desktopFont = QApplication::font();
    QFont asked = desktopFont;
    asked.setPointSizeF(desktopPoints);
    QApplication::setFont(asked);
    Form1 form;
    form.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QApplication::setFont(desktopFont);

    const QRect available = form.screen()->availableGeometry();
    const int titleBar = form.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &form);
    QVERIFY(available.contains(form.geometry()) && form.y() - available.top() >= titleBar);
    QVERIFY(form.width() >= 785 || form.height() + titleBar >= available.height() - 8);
    // The text keeps the desktop's size; the form scrolls instead.
    QCOMPARE(form.font().pointSizeF(), desktopPoints);
    QCOMPARE(Canvas(form)->width() > form.width(), scrollsAcross);
    QCOMPARE(Canvas(form)->height() > form.height(), scrollsDown);
    TypeAll(form, {{8, "27.8"}, {9, "83.3"}}); // 100,1 and 299,9 km/h, the widest common readings
    for (const QString& name : ControlNames()) {
        const QWidget* control = Find(form, name);
        if (qobject_cast<const QLabel*>(control) && name != "Label31" && name != "Image1") {
            QVERIFY2(CaptionExtent(control) <= VisibleWidth(control), qPrintable(name));
            QVERIFY2(control->fontMetrics().height() <= control->height(), qPrintable(name));
        }
    }
    // The km/h readings lie clear of every control at every scale.
    for (const QString reading : {"KmhInicial", "KmhFinal"}) {
        for (const QString& name : ControlNames()) {
            const QWidget* other = Find(form, name);
            QVERIFY2(name == reading || other->parentWidget() != Canvas(form)
                         || !other->geometry().intersects(Find(form, reading)->geometry()),
                     qPrintable(reading + " on " + name));
        }
    }
    // One scale for all: a box keeps its place relative to the window.
    const QWidget* resultFrame = Find(form, "Frame1");
    QVERIFY(std::abs(resultFrame->x() * 11775.0 / Canvas(form)->width() - 6480) <= 15);
    QVERIFY(std::abs(resultFrame->height() * 8595.0 / Canvas(form)->height() - 2415) <= 15);

    // Whatever the Tab key reaches is scrolled into sight.
    const QWidget* view = Find<QScrollArea>(form, "FormScroll")->viewport();
    while (QApplication::focusWidget()->objectName() != QStringLiteral("DrivenAxle")) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* focused = QApplication::focusWidget();
        QVERIFY2(view->rect().contains(QRect(focused->mapTo(view, QPoint()), focused->size())),
                 qPrintable(focused->objectName()));
    }
}

void Form1WindowTest::heardByScreenReaders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("accessibleName");

    QTest::addRow("the window") << "Form1" << int(QAccessible::Window) << " Kinetra Aceleración";
    QTest::addRow("area typed") << "Option1" << int(QAccessible::RadioButton) << "Area Frontal";
    QTest::addRow("area from height and width") << "Option2" << int(QAccessible::RadioButton) << "Alto X Ancho";
    QTest::addRow("fifth gear's square") << "Check1" << int(QAccessible::CheckBox) << "Quinta: usar la marcha";
    QTest::addRow("mass") << "Text11" << int(QAccessible::EditableText) << "Peso del vehículo";
    QTest::addRow("aspect ratio, behind the slash") << "Text17" << int(QAccessible::EditableText) << "Ruedas: perfil";
    QTest::addRow("rim, behind the R") << "Text18" << int(QAccessible::EditableText) << "Ruedas: llanta";
    QTest::addRow("width, behind the X") << "Text27" << int(QAccessible::EditableText) << "Alto X Ancho: ancho";
    QTest::addRow("result before any calculation") << "Label31" << int(QAccessible::StaticText) << "Resultados";
    QTest::addRow("Calcular, its C underlined") << "Command1" << int(QAccessible::Button) << "Calcular";
    QTest::addRow("Salir, its S underlined") << "Command2" << int(QAccessible::Button) << "Salir";
    QTest::addRow("Resultados, its R underlined") << "Frame1" << int(QAccessible::Grouping) << "Resultados";
    QTest::addRow("Detalles") << "Detalles" << int(QAccessible::Button) << "Detalles del cálculo";
    QTest::addRow("Curva de par") << "TorqueCurveButton" << int(QAccessible::Button) << "Curva de par";
    QTest::addRow("the limits' group") << "VehicleLimits" << int(QAccessible::Grouping)
                                       << "Límites del vehículo (opcional)";
    QTest::addRow("a limit of the car") << "RedLine" << int(QAccessible::EditableText) << "Régimen máximo";
    QTest::addRow("a line") << "Line1" << int(QAccessible::Separator) << "";
}

void Form1WindowTest::heardByScreenReaders()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, accessibleName);
    Form1 form;
    QObject* control = name == "Form1" ? static_cast<QObject*>(&form) : Find(form, name);
    const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(control);
    QCOMPARE(int(heard->role()), role);
    QCOMPARE(heard->text(QAccessible::Name), accessibleName);
    // Nothing else labels a box: screen readers take a label relation as its name.
    for (const auto& [label, relation] :
         role == QAccessible::EditableText ? heard->relations(QAccessible::Label) : decltype(heard->relations()){}) {
        if (label->object() == control->parent() && qobject_cast<QGroupBox*>(control->parent()) != nullptr) {
            continue; // the group a box stands in is its context, heard before its own caption
        }
        QVERIFY2(!accessibleName.isEmpty() && accessibleName.startsWith(label->text(QAccessible::Name)),
                 qPrintable(label->text(QAccessible::Name)));
    }

    // Every box is called by the caption a person reads beside it, and its
    // description gives the meaning.
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        if (label->buddy() == nullptr || label->text().size() == 1) continue; // "/", "R", "X" only separate
        const QAccessibleInterface* box = QAccessible::queryAccessibleInterface(label->buddy());
        QVERIFY2(box->text(QAccessible::Name).startsWith(label->text()), qPrintable(label->text()));
        QVERIFY(!box->text(QAccessible::Description).isEmpty());
    }
    // A locked box is neither usable nor focusable; opened, it is both.
    const auto fifth = [&] { return QAccessible::queryAccessibleInterface(Box(form, 5))->state(); };
    QVERIFY(fifth().disabled && !fifth().focusable);
    Click(form, "Check1");
    QVERIFY(!fifth().disabled && fifth().focusable);
}

QTEST_MAIN(Form1WindowTest)
#include "form1_window_test.moc"
