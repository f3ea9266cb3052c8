#pragma once

#include <QStringView>

// The keys of a vehicle file, in Spanish as the window speaks: a person who
// opens the file in an editor reads the form's own words.
namespace kinetra::file_keys {

inline constexpr QStringView kFormat = u"formato";
inline constexpr QStringView kVersion = u"versión";
inline constexpr QStringView kName = u"nombre";
inline constexpr QStringView kNote = u"nota";
inline constexpr QStringView kBoxes = u"casillas";
inline constexpr QStringView kOptions = u"opciones";
inline constexpr QStringView kFifthGear = u"Quinta";
inline constexpr QStringView kSixthGear = u"Sexta";
inline constexpr QStringView kArea = u"Área frontal";
inline constexpr QStringView kNoArea = u"ninguna";
inline constexpr QStringView kDrivenAxle = u"Eje motriz";
inline constexpr QStringView kCurve = u"curva de par";
inline constexpr QStringView kPoints = u"puntos";
inline constexpr QStringView kPeakTorque = u"par máximo";
inline constexpr QStringView kPeakTorqueSpeed = u"régimen del par máximo";
inline constexpr QStringView kPeakPower = u"potencia máxima";
inline constexpr QStringView kPeakPowerSpeed = u"régimen de la potencia máxima";
inline constexpr QStringView kDegree = u"grado";
inline constexpr QStringView kAutomatic = u"Automático";

} // namespace kinetra::file_keys
