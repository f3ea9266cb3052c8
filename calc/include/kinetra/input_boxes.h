#pragma once

#include "kinetra/calc_input.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>

namespace kinetra {

// Every box the calculation reads, in the order of the form; the frontal
// area's three boxes, read apart from the others, come last.
enum class BoxId {
    FirstGear,
    SecondGear,
    ThirdGear,
    FourthGear,
    FifthGear,
    SixthGear,
    FinalDrive,
    InitialSpeed,
    FinalSpeed,
    MassFactor,
    Mass,
    TyreWidth,
    TyreAspect,
    RimDiameter,
    Efficiency,
    Drag,
    Rolling,
    Slope,
    TorqueC0, // the torque column, in rising powers of engine speed
    TorqueN,
    TorqueN2,
    TorqueN3,
    TorqueN4,
    TorqueN5,
    TorqueN6,
    RedLine, // the car's optional limits
    LaunchSpeed,
    ShiftTime,
    Grip,
    DrivenShare,
    CgHeight,
    Wheelbase,
    AreaTyped, // the frontal area, typed or from height and width
    AreaHeight,
    AreaWidth,
};

// One box as a person finds it on the form: the caption of its row, which
// the reports quote («Peso del vehículo») and the window shows beside it;
// which box of the row it is, where the row has several («Ruedas» (ancho));
// the unit its number is in; and the window's control that holds its text.
struct InputBox {
    BoxId id;
    QStringView caption;
    QStringView part = {};
    QStringView unit = {};
    QStringView control = {};
    // The typed area is quoted by its option's caption alone: its row has
    // no other box to tell it from.
    bool quotedWithPart = true;
};

inline constexpr std::array kInputBoxes{
    InputBox{BoxId::FirstGear, u"Primera", {}, {}, u"Text1"},
    InputBox{BoxId::SecondGear, u"Segunda", {}, {}, u"Text2"},
    InputBox{BoxId::ThirdGear, u"Tercera", {}, {}, u"Text3"},
    InputBox{BoxId::FourthGear, u"Cuarta", {}, {}, u"Text4"},
    InputBox{BoxId::FifthGear, u"Quinta", {}, {}, u"Text5"},
    InputBox{BoxId::SixthGear, u"Sexta", {}, {}, u"Text6"},
    InputBox{BoxId::FinalDrive, u"Diferencial", {}, {}, u"Text7"},
    InputBox{BoxId::InitialSpeed, u"Velocidad Inicial", {}, u"m/s", u"Text8"},
    InputBox{BoxId::FinalSpeed, u"Velocidad Final", {}, u"m/s", u"Text9"},
    InputBox{BoxId::MassFactor, u"Factor de masas", {}, {}, u"Text10"},
    InputBox{BoxId::Mass, u"Peso del vehículo", {}, u"kg", u"Text11"},
    InputBox{BoxId::TyreWidth, u"Ruedas", u"ancho", u"mm", u"Text12"},
    InputBox{BoxId::TyreAspect, u"Ruedas", u"perfil", u"%", u"Text17"},
    InputBox{BoxId::RimDiameter, u"Ruedas", u"llanta", u"pulgadas", u"Text18"},
    InputBox{BoxId::Efficiency, u"Rendimiento Transmisión", {}, {}, u"Text13"},
    InputBox{BoxId::Drag, u"Cx", {}, {}, u"Text14"},
    InputBox{BoxId::Rolling, u"Coef. Rodadura", {}, {}, u"Text15"},
    InputBox{BoxId::Slope, u"Pendiente (%)", {}, u"%", u"Text16"},
    InputBox{BoxId::TorqueC0, u"C0", {}, u"N·m", u"Text22"},
    InputBox{BoxId::TorqueN, u"N", {}, {}, u"Text21"},
    InputBox{BoxId::TorqueN2, u"N2", {}, {}, u"Text20"},
    InputBox{BoxId::TorqueN3, u"N3", {}, {}, u"Text19"},
    InputBox{BoxId::TorqueN4, u"N4", {}, {}, u"Text24"},
    InputBox{BoxId::TorqueN5, u"N5", {}, {}, u"Text23"},
    InputBox{BoxId::TorqueN6, u"N6", {}, {}, u"Text28"},
    InputBox{BoxId::RedLine, u"Régimen máximo", {}, u"rev/min", u"RedLine"},
    InputBox{BoxId::LaunchSpeed, u"Régimen de salida", {}, u"rev/min", u"LaunchSpeed"},
    InputBox{BoxId::ShiftTime, u"Tiempo de cambio", {}, u"s", u"ShiftTime"},
    InputBox{BoxId::Grip, u"Adherencia μ", {}, {}, u"Grip"},
    InputBox{BoxId::DrivenShare, u"Peso en el eje motriz", {}, u"%", u"DrivenShare"},
    InputBox{BoxId::CgHeight, u"Altura del centro de gravedad", {}, u"m", u"CgHeight"},
    InputBox{BoxId::Wheelbase, u"Batalla", {}, u"m", u"Wheelbase"},
    InputBox{BoxId::AreaTyped, u"Area Frontal", u"valor", u"m²", u"Text25", false},
    InputBox{BoxId::AreaHeight, u"Alto X Ancho", u"alto", u"m", u"Text26"},
    InputBox{BoxId::AreaWidth, u"Alto X Ancho", u"ancho", u"m", u"Text27"},
};

constexpr const InputBox& BoxOf(BoxId id)
{
    return kInputBoxes[static_cast<std::size_t>(id)];
}

// Gear 1 .. 6, and the torque coefficient of power 0 .. 6.
constexpr BoxId GearBox(int gear)
{
    return static_cast<BoxId>(static_cast<int>(BoxId::FirstGear) + gear - 1);
}
constexpr BoxId TorqueBox(std::size_t power)
{
    return static_cast<BoxId>(static_cast<int>(BoxId::TorqueC0) + static_cast<int>(power));
}

// The box as reports name it: "«Peso del vehículo»", "«Ruedas» (ancho)".
QString Quoted(BoxId id);

// Its row as reports name it: "«Ruedas»", "«Alto X Ancho»".
QString QuotedRow(BoxId id);

// What a screen reader calls the box: "Peso del vehículo", "Ruedas: ancho".
QString AccessibleBoxName(BoxId id);

// The box's text in a calculation's input; none for the frontal area's
// boxes, which reach the calculation through the window's state.
const QString* TextIn(const CalcInput& input, BoxId id);
QString* TextIn(CalcInput& input, BoxId id);

} // namespace kinetra
