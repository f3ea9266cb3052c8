// A car kept in a file, in the window: opening fills the form and clears the
// result, the title marks changes, saving writes what is on screen, and
// closing asks only with unsaved changes to a file.

#include "form_driver.h"
#include "kinetra/torque_curve_dialog.h"
#include "kinetra/vehicle_file.h"

#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <map>

using namespace kinetra;
using namespace kinetra::testing;

namespace {

VehicleFile SixGearCar()
{
    VehicleFile car;
    car.name = "Seis marchas";
    const CalcInput input = InputFrom(Saloon());
    for (const InputBox& box : kInputBoxes) {
        if (const QString* text = TextIn(input, box.id)) car.Box(box.id) = *text;
    }
    car.Box(BoxId::FifthGear) = "0.8";
    car.Box(BoxId::SixthGear) = "0.7";
    car.Box(BoxId::RedLine) = "6500";
    car.Box(BoxId::AreaHeight) = "1.45";
    car.Box(BoxId::AreaWidth) = "1.75";
    car.fifthGear = car.sixthGear = true;
    car.area = AreaMode::HeightAndWidth;
    car.curve.points = "2.000\t150\n4.000\t170\n6.000\t140";
    car.curve.degree = 2;
    return car;
}

// Answers the unsaved-changes question, when it comes, with `button`.
void AnswerQuestionWith(QMessageBox::StandardButton button, bool& asked)
{
    QTimer::singleShot(0, [button, &asked] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* question = qobject_cast<QMessageBox*>(window);
                question != nullptr && question->objectName() == "UnsavedQuestion" && question->isVisible()) {
                asked = true;
                question->button(button)->click();
            }
        }
    });
}

} // namespace

class Form1FileTest : public QObject {
    Q_OBJECT

private slots:
    void openingFillsTheFormAndCalculatesAsTheFile();
    void aRefusedFileLeavesTheBoxes();
    void savingWritesWhatIsOnScreen();
    void closingAsksOnlyWithUnsavedChanges();
    void examplesKeepNearTheirPublishedTimes();
};

void Form1FileTest::openingFillsTheFormAndCalculatesAsTheFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("seis.kinetra");
    const VehicleFile car = SixGearCar();
    QVERIFY(!SaveVehicleFile(car, path));

    Form1 form(DecimalComma());
    TypeAll(form, Saloon());
    Click(form, "Command1");
    QVERIFY(!Result(form).isEmpty());
    QVERIFY(form.OpenVehicleFile(path));
    QCOMPARE(Result(form), QString());
    QVERIFY(!Find<QPushButton>(form, "Detalles")->isEnabled());
    QVERIFY(Find<QCheckBox>(form, "Check2")->isChecked() && Box(form, 6)->isEnabled());
    QCOMPARE(Find<QLineEdit>(form, "RedLine")->text(), "6500");
    QCOMPARE(form.findChild<TorqueCurveDialog*>()->Request(), car.curve);
    QCOMPARE(form.windowTitle(), " Kinetra Aceleración — seis.kinetra[*]");
    QVERIFY(!form.isWindowModified());

    Click(form, "Command1");
    QCOMPARE(Result(form), std::get<QString>(CalculateVehicle(car, DecimalComma())));

    Type(form, 11, "1300");
    QVERIFY(form.isWindowModified());
    Type(form, 11, "1200");
    QVERIFY(!form.isWindowModified());
}

void Form1FileTest::aRefusedFileLeavesTheBoxes()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("roto.kinetra");
    QFile broken(path);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(R"({"formato": "kinetra-vehiculo", "versión": "1.0", "casillas": {"Primera": 3}})");
    broken.close();

    Form1 form;
    TypeAll(form, Saloon());
    QVERIFY(!form.OpenVehicleFile(path));
    QCOMPARE(Box(form, 1)->text(), "3.5");
    const auto* message = form.findChild<QMessageBox*>("FileMessage");
    QVERIFY(message != nullptr && message->text().contains("«Primera» tiene un número (3)"));
    QCOMPARE(form.windowTitle(), " Kinetra Aceleración");
}

void Form1FileTest::savingWritesWhatIsOnScreen()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("seis.kinetra");
    QVERIFY(!SaveVehicleFile(SixGearCar(), path));
    Form1 form;
    QVERIFY(form.OpenVehicleFile(path));
    Type(form, 11, "1450");
    Click(form, "Option1");
    QVERIFY(form.SaveFile());
    QVERIFY(!form.isWindowModified());
    const VehicleFile saved = std::get<VehicleFile>(LoadVehicleFile(path));
    QCOMPARE(saved.Box(BoxId::Mass), "1450");
    QCOMPARE(saved.area, AreaMode::Typed);
    QCOMPARE(saved.name, "Seis marchas");
    QCOMPARE(saved.curve, SixGearCar().curve);
}

void Form1FileTest::closingAsksOnlyWithUnsavedChanges()
{
    bool asked = false;
    Form1 form;
    form.show();
    TypeAll(form, Saloon());
    AnswerQuestionWith(QMessageBox::Cancel, asked);
    QVERIFY(form.close());
    QVERIFY(!asked);

    QTemporaryDir folder;
    const QString path = folder.filePath("seis.kinetra");
    QVERIFY(!SaveVehicleFile(SixGearCar(), path));
    form.show();
    QVERIFY(form.OpenVehicleFile(path));
    Type(form, 1, "3.6");
    AnswerQuestionWith(QMessageBox::Cancel, asked);
    QVERIFY(!form.close());
    QVERIFY(asked && form.isVisible());
    asked = false;
    AnswerQuestionWith(QMessageBox::Discard, asked);
    QVERIFY(form.close());
    QVERIFY(asked);
    QCOMPARE(std::get<VehicleFile>(LoadVehicleFile(path)).Box(BoxId::FirstGear), "3.5");
}

// Each example against its published 0-100 km/h time: the model with the
// car's limits, from figures taken as published, never tuned to the time.
void Form1FileTest::examplesKeepNearTheirPublishedTimes()
{
    const std::map<QString, double> published{{"1-polo-16", 12.5}, {"2-golf-gti", 6.5}, {"3-mx5", 7.3},
                                              {"4-bmw-320d", 7.5}, {"5-leaf", 7.9},     {"6-doblo", 13.3}};
    const QDir examples(":/kinetra/examples");
    QCOMPARE(examples.entryList(QDir::Files).size(), qsizetype(published.size()));
    for (const auto& [name, seconds] : published) {
        const auto car = LoadVehicleFile(examples.filePath(name + ".kinetra"));
        QVERIFY2(std::holds_alternative<VehicleFile>(car), qPrintable(name));
        QVERIFY(std::get<VehicleFile>(car).note.contains("Fuente"));
        const QString sentence = std::get<QString>(CalculateVehicle(std::get<VehicleFile>(car), QLocale::c()));
        const double kinetra = sentence.section(' ', -1).toDouble();
        QVERIFY2(std::abs(kinetra - seconds) <= 0.15 * seconds, qPrintable(name + ": " + sentence));
    }

    // "Ejemplos" opens one read-only: "Guardar" asks where, and the title says so.
    Form1 form;
    form.show();
    Click(form, "ExamplesButton");
    auto* menu = form.findChild<QMenu*>("ExamplesMenu");
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->actions().size(), qsizetype(published.size()));
    menu->actions().at(4)->trigger();
    QCOMPARE(Box(form, 1)->text(), "8.193");
    QVERIFY(form.windowTitle().contains("Nissan Leaf 40 kWh (2018) (ejemplo, solo lectura)"));
}

QTEST_MAIN(Form1FileTest)
#include "form1_file_test.moc"
