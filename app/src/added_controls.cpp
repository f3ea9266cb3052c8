#include "control_entries.h"
#include "kinetra/form_layout.h"

#include <algorithm>
#include <array>

namespace kinetra {
namespace {

// A row of the car's limits, placed from the corner of their group: the
// caption, the box and, right of it, the unit.
constexpr QStringView kLimitGroup = u"VehicleLimits";
constexpr ControlEntry InLimitGroup(ControlEntry entry)
{
    entry.container = kLimitGroup;
    return entry;
}
// The rows of the limits, from the group's corner.
constexpr int LimitRow(int row)
{
    return 420 + 330 * row;
}
constexpr ControlEntry LimitLabel(QStringView name, BoxId box, int top)
{
    return InLimitGroup(BoxLabel(name, box, {240, top, 2400, 255}, kNoTabIndex));
}
constexpr ControlEntry LimitBox(BoxId box, int top, BoxText text)
{
    return InLimitGroup(Box(box, {2760, top, 855, 285}, kNoTabIndex, text));
}
constexpr ControlEntry LimitUnit(QStringView name, BoxId box, int top)
{
    return InLimitGroup(Label(name, BoxOf(box).unit, {3720, top, 855, 255}, kNoTabIndex));
}

constexpr ControlEntry FileButton(QStringView name, QStringView caption, int left, int width,
                                  QStringView accessibleName, QStringView description)
{
    return Button(name, ControlKind::CommandButton, caption, {left, 480, width, 360}, kNoTabIndex, accessibleName,
                  description);
}

// Controls the program adds to the form, kept apart from the form's own: they
// take no place in its tab numbering and none of its controls moves for them.
constexpr std::array kAdded{
    [] {
        // Below the sentence, inside the results; locked until a result.
        ControlEntry entry =
            Button(u"Detalles", ControlKind::CommandButton, u"Detalles…", {2520, 1980, 1575, 360}, kNoTabIndex,
                   u"Detalles del cálculo", u"Abre la tabla por marchas y las gráficas del último cálculo");
        entry.container = u"Frame1";
        entry.enabledAtStart = false;
        return entry;
    }(),
    [] {
        // Beside "Detalles…", in the results; locked until a result.
        ControlEntry entry =
            Button(u"PerformanceButton", ControlKind::CommandButton, u"Prestaciones…", {840, 1980, 1575, 360},
                   kNoTabIndex, u"Prestaciones del vehículo",
                   u"Abre las cifras de prestaciones del vehículo (0–100 km/h, 0–400 m, 0–1000 m, 80–120 km/h, "
                   u"velocidad máxima) y el estudio de un dato");
        entry.container = u"Frame1";
        entry.enabledAtStart = false;
        return entry;
    }(),
    // Under the torque column, which it fills.
    Button(u"TorqueCurveButton", ControlKind::CommandButton, u"Curva de par…", {3480, 4680, 1695, 360}, kNoTabIndex,
           u"Curva de par",
           u"Abre la curva de par del motor: escriba sus puntos en rev/min y N·m, o los datos del folleto, y pase "
           u"los coeficientes a la columna"),

    // The car's optional limits, in the free corner right of the input data
    // and above the commands, between the results and the commands: seven
    // rows, the last with two short captions side by side.
    Frame(u"VehicleLimits", u"Límites del vehículo (opcional)", {6600, 4560, 4815, 2820}, kNoTabIndex),
    LimitLabel(u"RedLineLabel", BoxId::RedLine, LimitRow(0)),
    LimitBox(BoxId::RedLine, LimitRow(0),
             {u"Régimen máximo del motor, en rev/min: ninguna marcha pasa de él (vacío: sin límite)", u"6500"}),
    LimitUnit(u"RedLineUnit", BoxId::RedLine, LimitRow(0)),
    LimitLabel(u"LaunchSpeedLabel", BoxId::LaunchSpeed, LimitRow(1)),
    LimitBox(BoxId::LaunchSpeed, LimitRow(1),
             {u"Régimen del motor mientras patina el embrague al salir, en rev/min (vacío: sin embrague que patine)",
              u"2500"}),
    LimitUnit(u"LaunchSpeedUnit", BoxId::LaunchSpeed, LimitRow(1)),
    LimitLabel(u"ShiftTimeLabel", BoxId::ShiftTime, LimitRow(2)),
    LimitBox(BoxId::ShiftTime, LimitRow(2),
             {u"Tiempo sin tracción en cada cambio a una marcha más larga, en s (vacío: 0)", u"0.3"}),
    LimitUnit(u"ShiftTimeUnit", BoxId::ShiftTime, LimitRow(2)),
    LimitLabel(u"GripLabel", BoxId::Grip, LimitRow(3)),
    LimitBox(BoxId::Grip, LimitRow(3),
             {u"Coeficiente de adherencia de los neumáticos, sin unidades (1.0 en asfalto seco); va con «Peso en el "
              u"eje motriz» (vacíos los dos: sin límite)",
              u"1.0"}),
    LimitLabel(u"DrivenShareLabel", BoxId::DrivenShare, LimitRow(4)),
    LimitBox(BoxId::DrivenShare, LimitRow(4),
             {u"Parte del peso del vehículo sobre las ruedas motrices parado, en % (60 típico en tracción delantera); "
              u"va con «Adherencia μ»; con «los dos» en «Eje motriz», 100 o vacío",
              u"60"}),
    LimitUnit(u"DrivenShareUnit", BoxId::DrivenShare, LimitRow(4)),
    // The caption is longer than the others: its box stands further right.
    InLimitGroup(BoxLabel(u"CgHeightLabel", BoxId::CgHeight, {240, LimitRow(5), 3135, 255}, kNoTabIndex)),
    InLimitGroup(Box(BoxId::CgHeight, {3480, LimitRow(5), 855, 285}, kNoTabIndex,
                     {u"Altura del centro de gravedad sobre el suelo, en m (0.55 típico en un turismo); con «Batalla» "
                      u"y «Eje motriz», la carga que pasa al eje trasero al acelerar (vacío: sin ella)",
                      u"0.55"})),
    InLimitGroup(Label(u"CgHeightUnit", BoxOf(BoxId::CgHeight).unit, {4440, LimitRow(5), 255, 255}, kNoTabIndex)),
    InLimitGroup(BoxLabel(u"WheelbaseLabel", BoxId::Wheelbase, {240, LimitRow(6), 855, 255}, kNoTabIndex)),
    InLimitGroup(Box(BoxId::Wheelbase, {1140, LimitRow(6), 735, 285}, kNoTabIndex,
                     {u"Batalla, la distancia entre los ejes, en m (2.6 típico en un turismo); va con «Altura del "
                      u"centro de gravedad»",
                      u"2.6"})),
    InLimitGroup(Label(u"WheelbaseUnit", BoxOf(BoxId::Wheelbase).unit, {1920, LimitRow(6), 255, 255}, kNoTabIndex)),
    [] {
        ControlEntry entry =
            Label(u"DrivenAxleLabel", u"Eje motriz", {2280, LimitRow(6), 1065, 255}, kNoTabIndex, u"DrivenAxle");
        return InLimitGroup(entry);
    }(),
    [] {
        ControlEntry entry =
            Button(u"DrivenAxle", ControlKind::ComboBox, {}, {3360, LimitRow(6), 1335, 285}, kNoTabIndex, u"Eje motriz",
                   u"El eje que mueve el motor: con la altura del centro de gravedad y la batalla, el "
                   u"trasero gana carga al acelerar y el delantero la pierde; «los dos» llevan todo "
                   u"el peso (vacío: sin transferencia de carga)");
        return InLimitGroup(entry);
    }(),

    // The speeds in km/h as they are typed, in a smaller font, in the one
    // strip near the speed boxes that no control takes at any scale: between
    // the heading's line and the first row of the data, "Vi" over its box.
    Button(u"KmhInicial", ControlKind::Label, {}, {kDataLeftBox, 5175, 1185, 225}, kNoTabIndex,
           u"Velocidad Inicial en km/h", u"La velocidad inicial escrita, pasada a km/h"),
    Button(u"KmhFinal", ControlKind::Label, {}, {kDataRightLabel, 5175, 1455, 225}, kNoTabIndex,
           u"Velocidad Final en km/h", u"La velocidad final escrita, pasada a km/h"),

    // The car kept in a file, in the free corner right of the title block.
    FileButton(u"OpenButton", u"Abrir…", 4275, 1575, u"Abrir un vehículo",
               u"Abre un vehículo guardado en un archivo .kinetra (Ctrl+O)"),
    FileButton(u"SaveButton", u"Guardar", 5970, 1575, u"Guardar el vehículo",
               u"Guarda el vehículo en su archivo (Ctrl+S)"),
    FileButton(u"SaveAsButton", u"Guardar como…", 7665, 2055, u"Guardar el vehículo como",
               u"Guarda el vehículo en un archivo nuevo (Ctrl+Mayús+S)"),
    FileButton(u"ExamplesButton", u"Ejemplos", 9840, 1575, u"Coches de ejemplo",
               u"Abre uno de los coches de ejemplo, con sus datos publicados, para empezar de él"),
};

static_assert(std::ranges::all_of(kAdded, [](const ControlEntry& c) { return c.place.onPixelGrid(); }),
              "every place converts to whole pixels");

} // namespace

std::span<const ControlEntry> AddedControls()
{
    return kAdded;
}

} // namespace kinetra
