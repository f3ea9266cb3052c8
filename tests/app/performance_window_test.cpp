// The charts saved as pictures for a report.

#include "form_driver.h"

#include <QFileDialog>
#include <QImage>
#include <QPushButton>
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

} // namespace

class PerformanceWindowTest : public QObject {
    Q_OBJECT

private slots:
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

QTEST_MAIN(PerformanceWindowTest)
#include "performance_window_test.moc"
