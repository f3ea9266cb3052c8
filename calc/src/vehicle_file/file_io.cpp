#include "kinetra/vehicle_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

QString Shown(const QString& path)
{
    return u'«' + QDir::toNativeSeparators(path) + u'»';
}

// The reason in Spanish, and the system's own words after it, which name
// what the Spanish cannot know (a full disk, a missing device).
QString ReasonOf(const QFileDevice& file)
{
    QString reason;
    switch (file.error()) {
    case QFileDevice::ReadError: reason = u"no se pudo leer"_s; break;
    case QFileDevice::WriteError: reason = u"no se pudo escribir (¿el disco está lleno?)"_s; break;
    case QFileDevice::OpenError: reason = u"no se pudo abrir"_s; break;
    case QFileDevice::PermissionsError: reason = u"no hay permiso"_s; break;
    case QFileDevice::ResourceError: reason = u"faltan recursos del sistema (¿el disco está lleno?)"_s; break;
    default: reason = u"error del sistema"_s; break;
    }
    return file.errorString().isEmpty() ? reason : u"%1 (%2)"_s.arg(reason, file.errorString());
}

} // namespace

std::variant<VehicleFile, FileRefusal> LoadVehicleFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return FileRefusal{u"no existe"_s};
    }
    if (info.isDir()) {
        return FileRefusal{u"es una carpeta, no un archivo"_s};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return FileRefusal{ReasonOf(file)};
    }
    // One byte past the largest file is enough to refuse it.
    const QByteArray bytes = file.read(kLargestVehicleFile + 1);
    if (file.error() != QFileDevice::NoError) {
        return FileRefusal{ReasonOf(file)};
    }
    if (bytes.size() > kLargestVehicleFile) {
        return FileRefusal{u"ocupa %1 kB, y un archivo de vehículo no pasa de %2 kB"_s
                               .arg((std::max(file.size(), qint64{bytes.size()}) + 1023) / 1024)
                               .arg(kLargestVehicleFile / 1024)};
    }
    return ReadVehicleFile(bytes);
}

std::optional<FileRefusal> SaveVehicleFile(const VehicleFile& car, const QString& path)
{
    const QFileInfo target(path);
    const auto failure = [&](const QString& reason) {
        const QString untouched = target.exists() ? u" El archivo que había sigue como estaba."_s : QString();
        return FileRefusal{u"No se pudo guardar %1: %2.%3"_s.arg(Shown(path), reason, untouched)};
    };
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir()) {
        return failure(u"la carpeta no existe"_s);
    }
    // The new file takes the old one's place: a device or a folder would go.
    if (target.exists() && !target.isFile()) {
        return failure(u"no es un archivo normal"_s);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(folder.isWritable() ? ReasonOf(file) : u"no hay permiso para escribir en la carpeta"_s);
    }
    file.write(WriteVehicleFile(car));
    if (!file.commit()) {
        return failure(ReasonOf(file));
    }
    return std::nullopt;
}

QString RefusalOfFile(const QString& path, const FileRefusal& refusal)
{
    return u"No se puede abrir %1: %2."_s.arg(Shown(path), refusal.reason);
}

QString UnknownKeysNote(const QStringList& keys)
{
    if (keys.isEmpty()) {
        return {};
    }
    QStringList quoted;
    for (const QString& key : keys) {
        quoted.append(u'«' + key + u'»');
    }
    return u"El archivo tiene claves que esta versión de Kinetra no conoce; se guardan tal como venían: %1."_s.arg(
        quoted.join(u", "_s));
}

} // namespace kinetra
