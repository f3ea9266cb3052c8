#pragma once

#include "kinetra/calc_fault.h"
#include "kinetra/calc_input.h"
#include "kinetra/input_boxes.h"
#include "kinetra/run_trace.h"
#include "kinetra/torque_curve_fit.h"

#include <QByteArray>
#include <QJsonObject>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>

namespace kinetra {

// A car kept in a `.kinetra` file: JSON that a person can read and edit,
// holding every input exactly as it was typed, so that it reads back to the
// same sentence in any locale.
inline constexpr QStringView kVehicleFileSuffix = u"kinetra";
inline constexpr QStringView kVehicleFormatName = u"kinetra-vehiculo";
inline constexpr int kVehicleFormatMajor = 1;
inline constexpr int kVehicleFormatMinor = 0;
// A car is a few kilobytes; anything far larger is not one.
inline constexpr qint64 kLargestVehicleFile = 1024 * 1024;

// How the frontal area is entered: neither option chosen yet, "Area
// Frontal" (typed) or "Alto X Ancho" (from height and width).
enum class AreaMode { None, Typed, HeightAndWidth };

struct VehicleFile {
    QString name; // free: what the person calls the car
    QString note; // free: where the figures came from
    // Every box of the table of the input boxes, as typed, by BoxId.
    std::array<QString, kInputBoxes.size()> boxes{};
    bool fifthGear = false; // "Quinta" ticked
    bool sixthGear = false; // "Sexta" ticked (Quinta with it)
    AreaMode area = AreaMode::None;
    QString drivenAxle; // «Eje motriz»: one of kDrivenAxleItems
    CurveRequest curve; // what the torque-curve dialog holds
    // What this version does not know, from a later one or a hand: written
    // back as it came, and named in `unknownKeys` ("casillas.Batalla").
    QJsonObject kept;
    QStringList unknownKeys;

    QString& Box(BoxId id) { return boxes[static_cast<std::size_t>(id)]; }
    const QString& Box(BoxId id) const { return boxes[static_cast<std::size_t>(id)]; }
};

// Why a file cannot be used, in Spanish, without the file's name.
struct FileRefusal {
    QString reason;
};

// The file's text; ReadVehicleFile(WriteVehicleFile(car)) gives `car` back.
QByteArray WriteVehicleFile(const VehicleFile& car);
std::variant<VehicleFile, FileRefusal> ReadVehicleFile(const QByteArray& bytes);

// The same, from and to a path. Saving goes through a temporary file, so
// that a full disk or a crash midway leaves the earlier file whole; a
// failure is told with the path and the reason.
std::variant<VehicleFile, FileRefusal> LoadVehicleFile(const QString& path);
std::optional<FileRefusal> SaveVehicleFile(const VehicleFile& car, const QString& path);

// "No se puede abrir «coche.kinetra»: …": a refusal as the person reads it.
QString RefusalOfFile(const QString& path, const FileRefusal& refusal);

// The note that names keys this version does not know; empty when none.
QString UnknownKeysNote(const QStringList& keys);

// The name a box has in the file, its caption as a screen reader says it:
// "Peso del vehículo", "Ruedas: ancho".
QString FileKey(BoxId id);

// What the calculation reads of the car: its boxes' texts, and the window
// state its options make. The frontal area from height and width may fail.
CalcInput InputOf(const VehicleFile& car);
int GearCountOf(bool fifthGear, bool sixthGear);
std::variant<FrontalArea, CalcFault> FrontalAreaOf(AreaMode mode, const QString& typed, const QString& height,
                                                   const QString& width);

// A car's sentence, or the report that stopped it, as "Calcular" gives it;
// the run is recorded in `trace` when one is given.
std::variant<QString, CalcFault> CalculateVehicle(const VehicleFile& car, const QLocale& locale,
                                                  RunTrace* trace = nullptr);

} // namespace kinetra
