// Any bytes handed to the vehicle file reader: it reads a car or refuses the
// file with a reason, never crashes, and a car it reads writes back to a file
// that reads to the same car.
#include "kinetra/vehicle_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = kinetra::ReadVehicleFile(bytes);
    if (const auto* refusal = std::get_if<kinetra::FileRefusal>(&read)) {
        if (refusal->reason.isEmpty()) {
            std::abort();
        }
        return 0;
    }
    const auto& car = std::get<kinetra::VehicleFile>(read);
    const auto again = kinetra::ReadVehicleFile(kinetra::WriteVehicleFile(car));
    const auto* back = std::get_if<kinetra::VehicleFile>(&again);
    if (back == nullptr || back->boxes != car.boxes || back->curve != car.curve || back->name != car.name
        || back->note != car.note || back->area != car.area || back->sixthGear != car.sixthGear
        || back->kept != car.kept || back->unknownKeys != car.unknownKeys) {
        std::abort();
    }
    return 0;
}
