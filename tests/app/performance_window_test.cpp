// "Prestaciones…": the sheet, the study of one input, and the charts saved as
// pictures for a report.

#include "form_driver.h"
#include "kinetra/performance.h"
#include "kinetra/performance_window.h"

#include <QAccessible>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace kinetra;
using namespace kinetra::testing;

namespace {

// Clicks `button`, and in the file dialog it opens types `name` with `filter`
// chosen.
void SaveThrough(QAbstractButton* button, const QString& name, const QString& filter)
{
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        dialog->selectNameFilter(filter);
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    button->click();
}

PerformanceWindow* Sheet(const Form1& form)
{
    return form.findChild<PerformanceWindow*>();
}

template <class Control = QWidget>
Control* InSheet(const Form1& form, const QString& name)
{
    return Sheet(form)->findChild<Control*>(name);
}

// The saloon calculated, its sheet open and its study set on «Diferencial».
void OpenSheet(Form1& form)
{
    form.show();
    TypeAll(form, Saloon());
    Click(form, "Option1");
    Type(form, 25, "2");
    QVERIFY(!Find(form, "PerformanceButton")->isEnabled()); // nothing to show before a result
    Click(form, "Command1");
    Click(form, "PerformanceButton");
    QVERIFY(Sheet(form) != nullptr && Sheet(form)->isVisible() && !Sheet(form)->isModal());
    auto* input = InSheet<QComboBox>(form, "StudyInput");
    input->setCurrentIndex(input->findText("«Diferencial»"));
}

} // namespace

class PerformanceWindowTest : public QObject {
    Q_OBJECT

private slots:
    void sheetShowsTheFiguresOfTheCarInTheBoxes();
    void sheetOfARefusedCarIsReportedWithItsBox();
    void studyFindsTheBestValueAndUsesIt();
    void longStudyRunsOffTheWindowsThreadAndCancels();
    void chartIsSavedAsImage_data();
    void chartIsSavedAsImage();
};

void PerformanceWindowTest::chartIsSavedAsImage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written"); // the file that must appear
    QTest::addRow("speed as png") << "GuardarGraficaVelocidad"
                                  << "v.png"
                                  << "Imagen PNG (*.png)"
                                  << "v.png";
    // A name typed without its ending takes the one of the type chosen.
    QTest::addRow("traction as svg") << "GuardarDiagramaTraccion"
                                     << "t"
                                     << "Imagen SVG (*.svg)"
                                     << "t.svg";
}

void PerformanceWindowTest::chartIsSavedAsImage()
{
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    Form1 form(QLocale::c());
    form.show();
    TypeAll(form, Saloon());
    Click(form, "Command1");
    Click(form, "Detalles");
    QTemporaryDir dir;
    SaveThrough(Details(form)->findChild<QPushButton*>(button), dir.filePath(typed), filter);
    const QString path = dir.filePath(written);
    if (written.endsWith(".png")) {
        const QImage image(path);
        QVERIFY(!image.isNull() && image.width() >= 280 && image.height() >= 200);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        // A drawing with the chart's name and its words, not a blank page.
        QVERIFY(svg.contains("<svg") && svg.contains("Diagrama de tracción") && svg.contains("<path"));
    }
}

void PerformanceWindowTest::sheetShowsTheFiguresOfTheCarInTheBoxes()
{
    Form1 form(DecimalComma());
    OpenSheet(form);
    const auto* table = InSheet<QTableWidget>(form, "PerformanceTable");
    QApplication::clipboard()->clear();
    QTest::mouseClick(InSheet<QAbstractButton>(form, "CopiarPrestaciones"), Qt::LeftButton);
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.size(), table->rowCount() + 2); // the header, a line a row, the end of the last
    QCOMPARE(lines.front(), "Cifra\tTiempo (s)\tVelocidad (km/h)\tRégimen (rev/min)\tObservación");
    // The figures the calculation gives, as the user's locale writes them.
    WindowState state{4, QString("2")};
    const auto sheet = std::get<PerformanceSheet>(PerformanceOf(InputFrom(Saloon()), state, DecimalComma()));
    QCOMPARE(lines.at(1), "0–100 km/h\t" + DecimalComma().toString(*sheet.zeroTo100.value, 'f', 2) + "\t100,0\t\t");
    QVERIFY(lines.at(6).startsWith("Velocidad máxima\t\t"));
    QVERIFY(lines.at(7).startsWith("Cambio de 1.ª a 2.ª\t"));
    // Heard as a sentence a row, wherever the focus is in the row.
    QCOMPARE(table->item(2, 0)->data(Qt::AccessibleTextRole).toString(),
             "0–1000 m: Tiempo (s): " + table->item(2, 1)->text() + ", Velocidad (km/h): " + table->item(2, 2)->text());
    QVERIFY(InSheet<QWidget>(form, "GraficaDistancia")->accessibleDescription().contains("En la línea de 400 m va a"));
    // A window to a screen reader, closed by Esc wherever the focus is.
    QCOMPARE(QAccessible::queryAccessibleInterface(Sheet(form))->role(), QAccessible::Window);
    QTest::keyClick(InSheet<QWidget>(form, "PerformanceTable"), Qt::Key_Escape);
    QVERIFY(!Sheet(form)->isVisible());
}

void PerformanceWindowTest::sheetOfARefusedCarIsReportedWithItsBox()
{
    Form1 form(QLocale::c());
    form.show();
    TypeAll(form, Saloon());
    Click(form, "Command1");
    Type(form, 11, "0");
    Click(form, "PerformanceButton");
    QVERIFY(FaultReportShown(form));
    QVERIFY(FaultReport(form)->text().contains("«Peso del vehículo»"));
    QVERIFY(Sheet(form) == nullptr);
}

void PerformanceWindowTest::studyFindsTheBestValueAndUsesIt()
{
    Form1 form(DecimalComma());
    OpenSheet(form);
    QCOMPARE(InSheet<QLineEdit>(form, "StudyFrom")->text(), "3.075"); // ±25 % of 4.1
    QCOMPARE(InSheet<QLineEdit>(form, "StudyTo")->text(), "5.125");
    QCOMPARE(InSheet<QSpinBox>(form, "StudyPoints")->value(), 51);
    // A range reaching impossible ratios draws the valid part and says where it stops.
    InSheet<QLineEdit>(form, "StudyFrom")->setText("-1");
    QTest::mouseClick(InSheet<QAbstractButton>(form, "StudyRun"), Qt::LeftButton);
    const QString words = InSheet<QLabel>(form, "StudyBest")->text();
    QVERIFY2(words.startsWith("Mejor «Diferencial»: ") && words.contains("Sin resultado de -1 a "), qPrintable(words));
    const QString best = words.section(' ', 2, 2).chopped(1);
    QTest::mouseClick(InSheet<QAbstractButton>(form, "StudyUse"), Qt::LeftButton);
    QCOMPARE(Box(form, 7)->text(), best);
    QVERIFY(Find<QLabel>(form, "StaleNote")->text().contains("Los datos han cambiado"));
    // A sheet made again from the changed boxes is current, until they change again.
    Click(form, "PerformanceButton");
    QVERIFY(!InSheet<QWidget>(form, "AvisoPrestacionesAnteriores")->isVisibleTo(Sheet(form)));
    Type(form, 11, "1300");
    QVERIFY(InSheet<QWidget>(form, "AvisoPrestacionesAnteriores")->isVisibleTo(Sheet(form)));
}

void PerformanceWindowTest::longStudyRunsOffTheWindowsThreadAndCancels()
{
    Form1 form(QLocale::c());
    OpenSheet(form);
    auto* panel = InSheet<QWidget>(form, "Estudio");
    InSheet<QSpinBox>(form, "StudyPoints")->setValue(1000);
    QTest::mouseClick(InSheet<QAbstractButton>(form, "StudyRun"), Qt::LeftButton);
    // Back at once, the bar and "Cancelar" shown while it works.
    QVERIFY(InSheet<QProgressBar>(form, "StudyProgress")->isVisibleTo(panel));
    QTest::mouseClick(InSheet<QAbstractButton>(form, "StudyCancel"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !InSheet<QWidget>(form, "StudyProgress")->isVisibleTo(panel); }));
    QVERIFY(InSheet<QLabel>(form, "StudyBest")->text().isEmpty());
    // Left to run, it ends with its words.
    QTest::mouseClick(InSheet<QAbstractButton>(form, "StudyRun"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !InSheet<QLabel>(form, "StudyBest")->text().isEmpty(); }, 20000));
    QVERIFY(InSheet<QLabel>(form, "StudyBest")->text().startsWith("Mejor «Diferencial»: "));
}

QTEST_MAIN(PerformanceWindowTest)
#include "performance_window_test.moc"
