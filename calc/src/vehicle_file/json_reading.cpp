#include "json_reading.h"

#include "file_keys.h"

#include <QJsonDocument>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// What the JSON reader stumbled on, as a person would say it.
QString ParseErrorInWords(QJsonParseError::ParseError error)
{
    switch (error) {
    case QJsonParseError::UnterminatedObject: return u"un objeto no se cierra con «}»"_s;
    case QJsonParseError::MissingNameSeparator: return u"falta «:» tras una clave"_s;
    case QJsonParseError::UnterminatedArray: return u"una lista no se cierra con «]»"_s;
    case QJsonParseError::MissingValueSeparator: return u"falta una «,» entre dos valores"_s;
    case QJsonParseError::IllegalValue: return u"hay un valor que no es JSON (¿un texto sin comillas?)"_s;
    case QJsonParseError::TerminationByNumber: return u"el texto acaba en mitad de un número"_s;
    case QJsonParseError::IllegalNumber: return u"hay un número mal escrito"_s;
    case QJsonParseError::IllegalEscapeSequence: return u"hay una secuencia con «\\» que JSON no admite"_s;
    case QJsonParseError::IllegalUTF8String: return u"hay texto que no está en UTF-8"_s;
    case QJsonParseError::UnterminatedString: return u"un texto no cierra sus comillas"_s;
    case QJsonParseError::MissingObject: return u"se esperaba un objeto"_s;
    case QJsonParseError::DeepNesting: return u"anida demasiados niveles"_s;
    case QJsonParseError::DocumentTooLarge: return u"es demasiado grande"_s;
    case QJsonParseError::GarbageAtEnd: return u"sobra texto tras el final del objeto"_s;
    case QJsonParseError::NoError: break;
    }
    return u"no se puede leer"_s;
}

// "un número (3.5)": what a key holds, shortened.
QString ValueInWords(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null: return u"null"_s;
    case QJsonValue::Bool: return value.toBool() ? u"un valor lógico (true)"_s : u"un valor lógico (false)"_s;
    case QJsonValue::Double: return u"un número (%1)"_s.arg(value.toDouble(), 0, 'g', 15);
    case QJsonValue::String: {
        const QString text = value.toString();
        return u"un texto («%1»)"_s.arg(text.size() > 40 ? text.left(40) + u'…' : text);
    }
    case QJsonValue::Array: return u"una lista [ … ]"_s;
    case QJsonValue::Object: return u"un objeto { … }"_s;
    case QJsonValue::Undefined: break;
    }
    return u"nada"_s;
}

QString KeyPath(const QStringList& path, QStringView key)
{
    QStringList quoted;
    for (const QString& step : path) {
        quoted.append(u'«' + step + u'»');
    }
    quoted.append(u'«' + key.toString() + u'»');
    return quoted.join(u" → "_s);
}

void Keep(QJsonObject& kept, QStringList path, const QString& key, const QJsonValue& value)
{
    if (path.isEmpty()) {
        kept.insert(key, value);
        return;
    }
    const QString first = path.takeFirst();
    QJsonObject inner = kept.value(first).toObject();
    Keep(inner, std::move(path), key, value);
    kept.insert(first, inner);
}

} // namespace

std::variant<QJsonObject, FileRefusal> JsonObjectOf(const QByteArray& bytes)
{
    if (bytes.size() > kLargestVehicleFile) {
        return FileRefusal{u"ocupa %1 kB, y un archivo de vehículo no pasa de %2 kB"_s.arg((bytes.size() + 1023) / 1024)
                               .arg(kLargestVehicleFile / 1024)};
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const QByteArray before = bytes.left(error.offset);
        const qsizetype line = before.count('\n') + 1;
        const qsizetype column = error.offset - (before.lastIndexOf('\n') + 1) + 1;
        return FileRefusal{
            u"no es JSON: %1, en la línea %2, columna %3"_s.arg(ParseErrorInWords(error.error)).arg(line).arg(column)};
    }
    if (!document.isObject()) {
        return FileRefusal{u"no es un archivo de vehículo de Kinetra: su JSON no es un objeto { … }"_s};
    }
    return document.object();
}

QJsonValue JsonSection::Take(QStringView key)
{
    return rest_.take(key);
}

std::optional<FileRefusal> JsonSection::Text(QStringView key, QString& value)
{
    const QJsonValue found = Take(key);
    if (found.isString()) {
        value = found.toString();
    } else if (!found.isUndefined()) {
        return Refuse(key, u"un texto entre comillas"_s, found);
    }
    return std::nullopt;
}

std::optional<FileRefusal> JsonSection::Flag(QStringView key, bool& value)
{
    const QJsonValue found = Take(key);
    if (found.isBool()) {
        value = found.toBool();
    } else if (!found.isUndefined()) {
        return Refuse(key, u"true o false"_s, found);
    }
    return std::nullopt;
}

std::variant<JsonSection, FileRefusal> JsonSection::Section(QStringView key)
{
    const QJsonValue found = Take(key);
    if (!found.isUndefined() && !found.isObject()) {
        return Refuse(key, u"un objeto { … }"_s, found);
    }
    return JsonSection(found.toObject(), path_ + QStringList{key.toString()});
}

FileRefusal JsonSection::Refuse(QStringView key, const QString& expected, const QJsonValue& found) const
{
    return FileRefusal{
        u"la clave %1 tiene %2, y debe tener %3"_s.arg(KeyPath(path_, key), ValueInWords(found), expected)};
}

std::optional<FileRefusal> JsonSection::Finish(VehicleFile& car) const
{
    for (auto it = rest_.begin(); it != rest_.end(); ++it) {
        Keep(car.kept, path_, it.key(), it.value());
        car.unknownKeys.append((path_ + QStringList{it.key()}).join(u'.'));
    }
    return std::nullopt;
}

std::optional<FileRefusal> CheckFormatAndVersion(JsonSection& file)
{
    const QString notOurs = u"no es un archivo de vehículo de Kinetra: su clave «%1» no dice \"%2\""_s.arg(
        file_keys::kFormat, kVehicleFormatName);
    if (file.Take(file_keys::kFormat) != QJsonValue(kVehicleFormatName.toString())) {
        return FileRefusal{notOurs};
    }
    const QJsonValue version = file.Take(file_keys::kVersion);
    static const QRegularExpression majorMinor(u"^(\\d{1,6})\\.(\\d{1,6})$"_s);
    const QRegularExpressionMatch match = majorMinor.match(version.toString());
    if (!version.isString() || !match.hasMatch()) {
        return file.Refuse(file_keys::kVersion,
                           u"un texto como \"%1.%2\""_s.arg(kVehicleFormatMajor).arg(kVehicleFormatMinor), version);
    }
    const int major = match.captured(1).toInt();
    if (major > kVehicleFormatMajor) {
        return FileRefusal{
            u"es de la versión %1 del formato, más reciente que la que lee este programa (%2.x): "
            u"ábralo con una versión más reciente de Kinetra"_s.arg(version.toString())
                .arg(kVehicleFormatMajor)};
    }
    if (major < kVehicleFormatMajor) {
        return FileRefusal{notOurs};
    }
    return std::nullopt;
}

} // namespace kinetra
