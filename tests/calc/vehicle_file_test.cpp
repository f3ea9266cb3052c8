// The vehicle file: what it refuses and why, what it keeps, and that a car
// read back calculates to the same sentence.
#include "kinetra/vehicle_file.h"
#include "test_car.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>

namespace kinetra {
namespace {

VehicleFile CarOf(const CalcInput& input)
{
    VehicleFile car;
    for (const InputBox& box : kInputBoxes) {
        if (const QString* text = TextIn(input, box.id)) {
            car.Box(box.id) = *text;
        }
    }
    car.area = AreaMode::Typed;
    car.Box(BoxId::AreaTyped) = QStringLiteral("2,1");
    return car;
}

VehicleFile ReadBack(const VehicleFile& car)
{
    auto read = ReadVehicleFile(WriteVehicleFile(car));
    if (auto* refusal = std::get_if<FileRefusal>(&read)) {
        ADD_FAILURE() << refusal->reason.toStdString();
        return {};
    }
    return std::get<VehicleFile>(std::move(read));
}

QString Outcome(const VehicleFile& car, const QLocale& locale)
{
    const auto outcome = CalculateVehicle(car, locale);
    return std::holds_alternative<QString>(outcome) ? std::get<QString>(outcome)
                                                    : std::get<CalcFault>(outcome).message();
}

// Boxes typed any way at all, options and a curve dialog's texts: the file
// keeps every character, and the calculation cannot tell the difference.
TEST(VehicleFile, ReadsBackToTheSameCarAndSentence)
{
    std::vector<VehicleFile> cars{CarOf(test::SaloonCar()), CarOf(samples::LongestRunCar())};
    std::mt19937 random(25);
    const std::array<QString, 8> pieces{"1.5", "3,5", " 0.9 ", "1e3", "-", "ñ«»\"\\", "\t\n", "6.000"};
    for (int n = 0; n < 40; ++n) {
        VehicleFile car = CarOf(test::SaloonCar());
        for (QString& box : car.boxes) {
            if (random() % 3 == 0) {
                box += pieces[random() % pieces.size()];
            }
        }
        car.fifthGear = random() % 2 == 0;
        car.sixthGear = random() % 2 == 0;
        car.area = static_cast<AreaMode>(random() % 3);
        car.curve = {pieces[random() % 8] + "\n2.000;150", "250", "", "120,5", "6.000", static_cast<int>(random() % 7)};
        car.name = pieces[random() % 8];
        car.note = pieces[random() % 8];
        cars.push_back(car);
    }
    for (const VehicleFile& car : cars) {
        const VehicleFile back = ReadBack(car);
        EXPECT_EQ(back.boxes, car.boxes);
        EXPECT_EQ(back.fifthGear, car.fifthGear || car.sixthGear);
        EXPECT_EQ(back.sixthGear, car.sixthGear);
        EXPECT_EQ(back.area, car.area);
        EXPECT_EQ(back.curve, car.curve);
        EXPECT_EQ(back.name, car.name);
        EXPECT_EQ(back.note, car.note);
        for (const QLocale& locale : {test::DecimalPoint(), test::DecimalComma()}) {
            EXPECT_EQ(Outcome(back, locale), Outcome(car, locale));
        }
    }
}

// A file from a later minor version: what this one does not know is said,
// and written back where it was.
TEST(VehicleFile, KeepsAndNamesKeysItDoesNotKnow)
{
    const QByteArray later = R"({"formato": "kinetra-vehiculo", "versión": "1.4", "color": "rojo",
        "casillas": {"Primera": "3.2", "Presión": "2.2"}, "opciones": {"Eje motriz": "trasero", "Techo": true}})";
    const VehicleFile car = std::get<VehicleFile>(ReadVehicleFile(later));
    EXPECT_EQ(car.Box(BoxId::FirstGear), "3.2");
    EXPECT_EQ(car.Box(BoxId::SecondGear), "");
    EXPECT_EQ(car.drivenAxle, "trasero");
    EXPECT_EQ(car.unknownKeys, (QStringList{"casillas.Presión", "opciones.Techo", "color"}));
    EXPECT_TRUE(UnknownKeysNote(car.unknownKeys).contains(QStringLiteral("«casillas.Presión»")));
    const VehicleFile again = ReadBack(car);
    EXPECT_EQ(again.unknownKeys, car.unknownKeys);
    EXPECT_EQ(again.kept, car.kept);
}

struct Refused {
    const char* name;
    QByteArray bytes;
    const char* reason; // a part of the reason given
};

TEST(VehicleFile, RefusesWhatItCannotUseAndSaysWhy)
{
    const QByteArray head = R"({"formato": "kinetra-vehiculo", "versión": "1.0", )";
    const std::vector<Refused> rows{
        {"not JSON", "{\n  \"formato\": \"kinetra-vehiculo\",\n  \"nombre\" \"x\"\n}",
         "no es JSON: falta «:» tras una clave, en la línea 3"},
        {"empty", "", "no es JSON"},
        {"a list", "[1, 2]", "su JSON no es un objeto"},
        {"another format", R"({"formato": "otro", "versión": "1.0"})", "no es un archivo de vehículo de Kinetra"},
        {"no format", R"({"casillas": {}})", "no es un archivo de vehículo de Kinetra"},
        {"newer version", R"({"formato": "kinetra-vehiculo", "versión": "2.0"})", "es de la versión 2.0 del formato"},
        {"version a number", R"({"formato": "kinetra-vehiculo", "versión": 1})",
         "la clave «versión» tiene un número (1), y debe tener un texto como \"1.0\""},
        {"box a number", head + R"("casillas": {"Primera": 3.5}})",
         "la clave «casillas» → «Primera» tiene un número (3.5), y debe tener un texto entre comillas"},
        {"boxes a list", head + R"("casillas": ["3.5"]})", "la clave «casillas» tiene una lista"},
        {"gear a text", head + R"("opciones": {"Quinta": "sí"}})", "«opciones» → «Quinta» tiene un texto («sí»)"},
        {"unknown area", head + R"("opciones": {"Área frontal": "Grande"}})",
         "«Area Frontal», «Alto X Ancho» o «ninguna»"},
        {"unknown axle", head + R"("opciones": {"Eje motriz": "lateral"}})", "«delantero», «trasero» o «los dos»"},
        {"degree 7", head + R"("curva de par": {"grado": 7}})", "un número entero del 1 al 6"},
        {"name null", head + R"("nombre": null})", "la clave «nombre» tiene null"},
        {"too large", head + R"("nota": ")" + QByteArray(kLargestVehicleFile, 'x') + "\"}", "no pasa de 1024 kB"},
    };
    for (const Refused& row : rows) {
        const auto read = ReadVehicleFile(row.bytes);
        ASSERT_TRUE(std::holds_alternative<FileRefusal>(read)) << row.name;
        EXPECT_TRUE(std::get<FileRefusal>(read).reason.contains(QString::fromUtf8(row.reason)))
            << row.name << ": " << std::get<FileRefusal>(read).reason.toStdString();
    }
}

// Saving goes through a temporary file: a failure leaves the earlier file
// whole and names the path; a save that succeeds replaces it.
TEST(VehicleFile, SavingLeavesTheEarlierFileWholeOnFailure)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("coche.kinetra");
    const VehicleFile car = CarOf(test::SaloonCar());
    ASSERT_FALSE(SaveVehicleFile(car, path));
    const auto loaded = LoadVehicleFile(path);
    ASSERT_TRUE(std::holds_alternative<VehicleFile>(loaded));
    EXPECT_EQ(std::get<VehicleFile>(loaded).boxes, car.boxes);

    const auto missing = SaveVehicleFile(car, folder.filePath("no/coche.kinetra"));
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->reason.contains(QDir::toNativeSeparators(folder.filePath("no/coche.kinetra"))));
    if (QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner)
        && !QFileInfo(folder.path()).isWritable()) {
        VehicleFile other = car;
        other.Box(BoxId::Mass) = "1500";
        const auto refused = SaveVehicleFile(other, path);
        ASSERT_TRUE(refused);
        EXPECT_TRUE(refused->reason.contains(QStringLiteral("sigue como estaba")));
        EXPECT_EQ(std::get<VehicleFile>(LoadVehicleFile(path)).Box(BoxId::Mass), "1200");
    }
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(std::get<FileRefusal>(LoadVehicleFile(folder.filePath("nada.kinetra"))).reason, "no existe");
    // Saving replaces what is there: never a folder or a device.
    ASSERT_TRUE(QDir(folder.path()).mkdir("carpeta.kinetra"));
    const auto overFolder = SaveVehicleFile(car, folder.filePath("carpeta.kinetra"));
    ASSERT_TRUE(overFolder);
    EXPECT_TRUE(overFolder->reason.contains(QStringLiteral("no es un archivo normal")));
    EXPECT_TRUE(QFileInfo(folder.filePath("carpeta.kinetra")).isDir());
}

} // namespace
} // namespace kinetra
