#include "file_keys.h"
#include "json_reading.h"
#include "kinetra/vehicle_file.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

namespace keys = file_keys;

QString AreaName(AreaMode mode)
{
    switch (mode) {
    case AreaMode::Typed: return BoxOf(BoxId::AreaTyped).caption.toString();
    case AreaMode::HeightAndWidth: return BoxOf(BoxId::AreaHeight).caption.toString();
    case AreaMode::None: break;
    }
    return keys::kNoArea.toString();
}

QJsonObject CurveObject(const CurveRequest& curve)
{
    QJsonObject object;
    object.insert(keys::kPoints, curve.points);
    object.insert(keys::kPeakTorque, curve.peakTorque);
    object.insert(keys::kPeakTorqueSpeed, curve.peakTorqueSpeed);
    object.insert(keys::kPeakPower, curve.peakPower);
    object.insert(keys::kPeakPowerSpeed, curve.peakPowerSpeed);
    object.insert(keys::kDegree, curve.degree == kAutomaticDegree ? QJsonValue(keys::kAutomatic.toString())
                                                                  : QJsonValue(curve.degree));
    return object;
}

// What a later version wrote and this one does not know goes back where it
// was: beside the keys of the same object.
QJsonObject WithKept(QJsonObject known, const QJsonObject& kept)
{
    for (auto it = kept.begin(); it != kept.end(); ++it) {
        const QJsonValue mine = known.value(it.key());
        if (mine.isObject() && it.value().isObject()) {
            known.insert(it.key(), WithKept(mine.toObject(), it.value().toObject()));
        } else if (mine.isUndefined()) {
            known.insert(it.key(), it.value());
        }
    }
    return known;
}

} // namespace

QString FileKey(BoxId id)
{
    return AccessibleBoxName(id);
}

QByteArray WriteVehicleFile(const VehicleFile& car)
{
    QJsonObject boxes;
    for (const InputBox& box : kInputBoxes) {
        boxes.insert(FileKey(box.id), car.Box(box.id));
    }
    QJsonObject options;
    options.insert(keys::kFifthGear, car.fifthGear);
    options.insert(keys::kSixthGear, car.sixthGear);
    options.insert(keys::kArea, AreaName(car.area));
    options.insert(keys::kDrivenAxle, car.drivenAxle);

    QJsonObject file;
    file.insert(keys::kFormat, kVehicleFormatName.toString());
    file.insert(keys::kVersion, u"%1.%2"_s.arg(kVehicleFormatMajor).arg(kVehicleFormatMinor));
    file.insert(keys::kName, car.name);
    file.insert(keys::kNote, car.note);
    file.insert(keys::kBoxes, boxes);
    file.insert(keys::kOptions, options);
    file.insert(keys::kCurve, CurveObject(car.curve));
    return QJsonDocument(WithKept(file, car.kept)).toJson(QJsonDocument::Indented);
}

namespace {

std::optional<FileRefusal> ReadOptions(JsonSection options, VehicleFile& car)
{
    if (auto fault = options.Flag(keys::kFifthGear, car.fifthGear)) {
        return fault;
    }
    if (auto fault = options.Flag(keys::kSixthGear, car.sixthGear)) {
        return fault;
    }
    // Sexta needs Quinta, as the window keeps them.
    car.fifthGear = car.fifthGear || car.sixthGear;
    QString area = AreaName(car.area);
    if (auto fault = options.Text(keys::kArea, area)) {
        return fault;
    }
    const std::array modes{AreaMode::None, AreaMode::Typed, AreaMode::HeightAndWidth};
    const auto mode = std::ranges::find(modes, area, AreaName);
    if (mode == modes.end()) {
        return options.Refuse(
            keys::kArea,
            u"«%1», «%2» o «%3»"_s.arg(AreaName(AreaMode::Typed), AreaName(AreaMode::HeightAndWidth), keys::kNoArea),
            QJsonValue(area));
    }
    car.area = *mode;
    if (auto fault = options.Text(keys::kDrivenAxle, car.drivenAxle)) {
        return fault;
    }
    if (!std::ranges::any_of(kDrivenAxleItems, [&](const char16_t* item) { return car.drivenAxle == item; })) {
        return options.Refuse(
            keys::kDrivenAxle,
            u"«», «%1», «%2» o «%3»"_s.arg(QStringView(kDrivenAxleItems[1]), QStringView(kDrivenAxleItems[2]),
                                           QStringView(kDrivenAxleItems[3])),
            QJsonValue(car.drivenAxle));
    }
    return options.Finish(car);
}

std::optional<FileRefusal> ReadCurve(JsonSection curve, VehicleFile& car)
{
    CurveRequest& request = car.curve;
    for (const auto& [key, text] :
         {std::pair{keys::kPoints, &request.points}, std::pair{keys::kPeakTorque, &request.peakTorque},
          std::pair{keys::kPeakTorqueSpeed, &request.peakTorqueSpeed}, std::pair{keys::kPeakPower, &request.peakPower},
          std::pair{keys::kPeakPowerSpeed, &request.peakPowerSpeed}}) {
        if (auto fault = curve.Text(key, *text)) {
            return fault;
        }
    }
    const QJsonValue degree = curve.Take(keys::kDegree);
    if (degree.isDouble() && degree.toDouble() == degree.toInt() && degree.toInt() >= 1
        && degree.toInt() <= kHighestDegree) {
        request.degree = degree.toInt();
    } else if (!degree.isUndefined() && degree != QJsonValue(keys::kAutomatic.toString())) {
        return curve.Refuse(keys::kDegree,
                            u"«%1» o un número entero del 1 al %2"_s.arg(keys::kAutomatic).arg(kHighestDegree), degree);
    }
    return curve.Finish(car);
}

std::optional<FileRefusal> ReadVehicle(JsonSection file, VehicleFile& car)
{
    for (const auto& [key, text] : {std::pair{keys::kName, &car.name}, std::pair{keys::kNote, &car.note}}) {
        if (auto fault = file.Text(key, *text)) {
            return fault;
        }
    }
    auto boxes = file.Section(keys::kBoxes);
    if (auto* fault = std::get_if<FileRefusal>(&boxes)) {
        return *fault;
    }
    for (const InputBox& box : kInputBoxes) {
        if (auto fault = std::get<JsonSection>(boxes).Text(FileKey(box.id), car.Box(box.id))) {
            return fault;
        }
    }
    if (auto fault = std::get<JsonSection>(boxes).Finish(car)) {
        return fault;
    }
    auto options = file.Section(keys::kOptions);
    if (auto* fault = std::get_if<FileRefusal>(&options)) {
        return *fault;
    }
    if (auto fault = ReadOptions(std::get<JsonSection>(std::move(options)), car)) {
        return fault;
    }
    auto curve = file.Section(keys::kCurve);
    if (auto* fault = std::get_if<FileRefusal>(&curve)) {
        return *fault;
    }
    if (auto fault = ReadCurve(std::get<JsonSection>(std::move(curve)), car)) {
        return fault;
    }
    return file.Finish(car);
}

} // namespace

std::variant<VehicleFile, FileRefusal> ReadVehicleFile(const QByteArray& bytes)
{
    auto document = JsonObjectOf(bytes);
    if (auto* refusal = std::get_if<FileRefusal>(&document)) {
        return *refusal;
    }
    JsonSection file(std::get<QJsonObject>(std::move(document)), {});
    if (auto refusal = CheckFormatAndVersion(file)) {
        return *refusal;
    }
    VehicleFile car;
    if (auto refusal = ReadVehicle(std::move(file), car)) {
        return *refusal;
    }
    return car;
}

} // namespace kinetra
