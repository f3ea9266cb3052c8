#pragma once

#include "kinetra/vehicle_file.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <optional>
#include <variant>

namespace kinetra {

// The file's bytes as a JSON object, or why they are none: too large, not
// JSON (with the line and column), or not an object.
std::variant<QJsonObject, FileRefusal> JsonObjectOf(const QByteArray& bytes);

// One object of the file as it is read: each key known is taken out, and
// whatever is left at the end is a key this version does not know.
class JsonSection {
public:
    JsonSection(QJsonObject object, QStringList path) : rest_(std::move(object)), path_(std::move(path)) {}

    QJsonValue Take(QStringView key);
    // A key that is missing leaves `value` as it is; one of another type is
    // refused, naming the key and what it holds.
    std::optional<FileRefusal> Text(QStringView key, QString& value);
    std::optional<FileRefusal> Flag(QStringView key, bool& value);
    // A missing object reads as an empty one.
    std::variant<JsonSection, FileRefusal> Section(QStringView key);

    // "La clave «casillas» → «Primera» tiene un número (3.5), y debe tener
    // un texto entre comillas."
    FileRefusal Refuse(QStringView key, const QString& expected, const QJsonValue& found) const;

    // Keeps in `car` what was not taken, and names it.
    std::optional<FileRefusal> Finish(VehicleFile& car) const;

    const QStringList& path() const { return path_; }

private:
    QJsonObject rest_;
    QStringList path_;
};

// The format's name and version: another format and a later major
// version are refused.
std::optional<FileRefusal> CheckFormatAndVersion(JsonSection& file);

} // namespace kinetra
