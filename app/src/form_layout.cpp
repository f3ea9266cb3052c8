#include "kinetra/form_layout.h"

#include "kinetra/input_boxes.h"

#include <algorithm>
#include <array>

namespace kinetra {
namespace {

// The form's entries are built field by field: each kind of control fills
// only the fields that mean something for it.
constexpr ControlEntry Control(QStringView name, ControlKind kind, QStringView caption, TwipRect place, int tabIndex)
{
    ControlEntry entry;
    entry.name = name;
    entry.kind = kind;
    entry.caption = caption;
    entry.place = place;
    entry.tabIndex = tabIndex;
    return entry;
}

constexpr ControlEntry Picture(QStringView name, TwipRect place, QStringView accessibleName)
{
    ControlEntry entry = Control(name, ControlKind::Picture, {}, place, kNoTabIndex);
    entry.accessibleName = accessibleName;
    return entry;
}

constexpr ControlEntry Label(QStringView name, QStringView caption, TwipRect place, int tabIndex,
                             QStringView buddy = {})
{
    ControlEntry entry = Control(name, ControlKind::Label, caption, place, tabIndex);
    entry.buddy = buddy;
    return entry;
}

// The caption of a box's row, naming the box (the row's first, where it has
// several), as the reports quote it.
constexpr ControlEntry BoxLabel(QStringView name, BoxId box, TwipRect place, int tabIndex)
{
    return Label(name, BoxOf(box).caption, place, tabIndex, BoxOf(box).control);
}

// The examples together make one car that calculates: a saloon of 1200 kg on
// 195/65 R15 tyres, six gears, its torque peaking at 151 N·m near 71 rev/s.
struct BoxText {
    QStringView description;
    QStringView example;
    QStringView defaultText = {};
};

// A box of the calculation: its control and what a screen reader calls it
// come from the table of the input boxes, as the reports' names do.
constexpr ControlEntry Box(BoxId box, TwipRect place, int tabIndex, BoxText text, bool enabledAtStart = true)
{
    ControlEntry entry = Control(BoxOf(box).control, ControlKind::TextBox, text.defaultText, place, tabIndex);
    entry.box = box;
    entry.description = text.description;
    entry.example = text.example;
    entry.enabledAtStart = enabledAtStart;
    return entry;
}

constexpr ControlEntry Button(QStringView name, ControlKind kind, QStringView caption, TwipRect place, int tabIndex,
                              QStringView accessibleName, QStringView description)
{
    ControlEntry entry = Control(name, kind, caption, place, tabIndex);
    entry.accessibleName = accessibleName;
    entry.description = description;
    return entry;
}

constexpr ControlEntry Frame(QStringView name, QStringView caption, TwipRect place, int tabIndex)
{
    return Control(name, ControlKind::Frame, caption, place, tabIndex);
}

// A label inside a frame, placed from the frame's corner.
constexpr ControlEntry FramedLabel(QStringView name, QStringView frame, TwipRect place, int tabIndex,
                                   QStringView description)
{
    ControlEntry entry = Control(name, ControlKind::Label, {}, place, tabIndex);
    entry.container = frame;
    entry.description = description;
    return entry;
}

constexpr ControlEntry HorizontalLine(QStringView name, int x1, int x2, int y)
{
    return Control(name, ControlKind::Line, {}, {x1, y, x2 - x1, 0}, kNoTabIndex);
}

// The two gear-ratio and torque columns share their row sizes.
constexpr TwipRect ColumnLabel(int left, int top, int width = 735)
{
    return {left, top, width, 255};
}
constexpr TwipRect ColumnBox(int left, int top)
{
    return {left, top, 855, 285};
}

constexpr int kGearLabelLeft = 600;
constexpr int kGearBoxLeft = 1440;
constexpr int kTorqueLabelLeft = 3480;
constexpr int kTorqueBoxLeft = 4320;
constexpr int kDataLeftLabel = 600;
constexpr int kDataLeftBox = 2520;
constexpr int kDataRightLabel = 3720;
constexpr int kDataRightBox = 5640;
constexpr int kDataLabelWidth = 1575;
constexpr int kTyreTop = 7080;
constexpr int kAreaTop = 7560;
constexpr TwipRect CheckBoxAt(int top)
{
    return {240, top, 255, 255};
}
constexpr TwipRect CommandAt(int left)
{
    return {left, 7440, 1935, 615};
}

constexpr std::array kControls{
    // Title block.
    Picture(u"Image1", {360, 240, 1020, 1035}, u"Logotipo de Kinetra"),
    Label(u"Label1", u"Kinetra V 1.3", {1680, 600, 1695, 255}, 0),
    Label(u"Label2", u"Orvanel", {1680, 960, 1695, 375}, 1),

    // Gear ratios; the check boxes open the fifth and sixth rows.
    Label(u"Label4", u"Relaciones de transmisión", {480, 1680, 1935, 255}, 4),
    HorizontalLine(u"Line1", 360, 2400, 1920),
    BoxLabel(u"Label3", BoxId::FirstGear, ColumnLabel(kGearLabelLeft, 2160), 2),
    Box(BoxId::FirstGear, ColumnBox(kGearBoxLeft, 2160), 3,
        {u"Relación de transmisión de la primera marcha; en un coche de una sola marcha, como uno eléctrico, su "
         u"reducción (con «Segunda», «Tercera» y «Cuarta» vacías)",
         u"3.5"}),
    BoxLabel(u"Label5", BoxId::SecondGear, ColumnLabel(kGearLabelLeft, 2520), 5),
    Box(BoxId::SecondGear, ColumnBox(kGearBoxLeft, 2520), 6,
        {u"Relación de transmisión de la segunda marcha; vacía, con «Tercera» y «Cuarta» vacías, el coche tiene una "
         u"sola marcha, «Primera»",
         u"2.1"}),
    BoxLabel(u"Label6", BoxId::ThirdGear, ColumnLabel(kGearLabelLeft, 2880), 7),
    Box(BoxId::ThirdGear, ColumnBox(kGearBoxLeft, 2880), 8, {u"Relación de transmisión de la tercera marcha", u"1.4"}),
    BoxLabel(u"Label7", BoxId::FourthGear, ColumnLabel(kGearLabelLeft, 3240), 9),
    Box(BoxId::FourthGear, ColumnBox(kGearBoxLeft, 3240), 10, {u"Relación de transmisión de la cuarta marcha", u"1.0"}),
    // At 255 twips only the check square shows; its caption is never seen,
    // so the accessible name starts with the gear row's caption beside it.
    Button(u"Check1", ControlKind::CheckBox, u"Check1", CheckBoxAt(3600), 13, u"Quinta: usar la marcha",
           u"Marque la casilla para escribir y usar la relación de la quinta marcha"),
    BoxLabel(u"Label9", BoxId::FifthGear, ColumnLabel(kGearLabelLeft, 3600), 15),
    Box(BoxId::FifthGear, ColumnBox(kGearBoxLeft, 3600), 11,
        {u"Relación de transmisión de la quinta marcha (marque la casilla de la izquierda para usarla)", u"0.8"},
        false),
    Button(u"Check2", ControlKind::CheckBox, u"Check1", CheckBoxAt(3960), 16, u"Sexta: usar la marcha",
           u"Marque la casilla para escribir y usar la relación de la sexta marcha"),
    BoxLabel(u"Label8", BoxId::SixthGear, ColumnLabel(kGearLabelLeft, 3960), 14),
    Box(BoxId::SixthGear, ColumnBox(kGearBoxLeft, 3960), 12,
        {u"Relación de transmisión de la sexta marcha (marque la casilla de la izquierda para usarla)", u"0.7"}, false),
    BoxLabel(u"Label15", BoxId::FinalDrive, ColumnLabel(kGearLabelLeft, 4320, 855), 23),
    Box(BoxId::FinalDrive, ColumnBox(kGearBoxLeft, 4320), 22, {u"Relación de transmisión del diferencial", u"4.1"}),

    // Torque polynomial in rising powers of engine speed, top row down.
    Label(u"Label26", u"Coef. Polinomio Par", {3480, 1680, 1935, 255}, 49),
    HorizontalLine(u"Line3", 3360, 5400, 1920),
    BoxLabel(u"Label27", BoxId::TorqueC0, ColumnLabel(kTorqueLabelLeft, 2160), 50),
    Box(BoxId::TorqueC0, ColumnBox(kTorqueBoxLeft, 2160), 45,
        {u"Par motor: término constante del polinomio, en N·m", u"80"}),
    BoxLabel(u"Label25", BoxId::TorqueN, ColumnLabel(kTorqueLabelLeft, 2520), 48),
    Box(BoxId::TorqueN, ColumnBox(kTorqueBoxLeft, 2520), 44,
        {u"Par motor: coeficiente de n, el régimen del motor en rev/s; en N·m/(rev/s)", u"2"}),
    BoxLabel(u"Label24", BoxId::TorqueN2, ColumnLabel(kTorqueLabelLeft, 2880), 47),
    Box(BoxId::TorqueN2, ColumnBox(kTorqueBoxLeft, 2880), 43,
        {u"Par motor: coeficiente de n², en N·m/(rev/s)²", u"-0.014"}),
    BoxLabel(u"Label23", BoxId::TorqueN3, ColumnLabel(kTorqueLabelLeft, 3240), 46),
    Box(BoxId::TorqueN3, ColumnBox(kTorqueBoxLeft, 3240), 42, {u"Par motor: coeficiente de n³, en N·m/(rev/s)³", u"0"}),
    BoxLabel(u"Label29", BoxId::TorqueN4, ColumnLabel(kTorqueLabelLeft, 3600), 54),
    Box(BoxId::TorqueN4, ColumnBox(kTorqueBoxLeft, 3600), 52, {u"Par motor: coeficiente de n⁴, en N·m/(rev/s)⁴", u"0"}),
    BoxLabel(u"Label28", BoxId::TorqueN5, ColumnLabel(kTorqueLabelLeft, 3960), 53),
    Box(BoxId::TorqueN5, ColumnBox(kTorqueBoxLeft, 3960), 51, {u"Par motor: coeficiente de n⁵, en N·m/(rev/s)⁵", u"0"}),
    BoxLabel(u"Label32", BoxId::TorqueN6, ColumnLabel(kTorqueLabelLeft, 4320), 66),
    Box(BoxId::TorqueN6, ColumnBox(kTorqueBoxLeft, 4320), 65, {u"Par motor: coeficiente de n⁶, en N·m/(rev/s)⁶", u"0"}),

    // Results.
    Frame(u"Frame1", u"Resultados", {6480, 2040, 4575, 2415}, 61),
    FramedLabel(u"Label31", u"Frame1", {360, 480, 3735, 1455}, 62,
                u"Marcha inicial, marcha final y tiempo empleado, en s, del último cálculo"),

    // Input data, two columns.
    Label(u"Label19", u"Datos de Entrada", {480, 4920, 1935, 255}, 37),
    HorizontalLine(u"Line2", 360, 2400, 5160),
    BoxLabel(u"Label10", BoxId::InitialSpeed, ColumnLabel(kDataLeftLabel, 5400, kDataLabelWidth), 17),
    Box(BoxId::InitialSpeed, ColumnBox(kDataLeftBox, 5400), 28, {u"Velocidad al empezar, en m/s", u"0"}),
    BoxLabel(u"Label11", BoxId::FinalSpeed, ColumnLabel(kDataLeftLabel, 5760, kDataLabelWidth), 18),
    Box(BoxId::FinalSpeed, ColumnBox(kDataLeftBox, 5760), 29, {u"Velocidad al terminar, en m/s", u"28"}),
    BoxLabel(u"Label12", BoxId::MassFactor, ColumnLabel(kDataLeftLabel, 6120, kDataLabelWidth), 19),
    Box(BoxId::MassFactor, ColumnBox(kDataLeftBox, 6120), 30,
        {u"Factor de masas: inercia de las piezas que giran, sin unidades (1.06 típico)", u"1.06", u"1.06"}),
    BoxLabel(u"Label13", BoxId::Mass, ColumnLabel(kDataLeftLabel, 6480, kDataLabelWidth), 20),
    Box(BoxId::Mass, ColumnBox(kDataLeftBox, 6480), 31, {u"Masa del vehículo, en kg", u"1200"}),
    BoxLabel(u"Label16", BoxId::Efficiency, ColumnLabel(kDataRightLabel, 5400, 1935), 24),
    Box(BoxId::Efficiency, ColumnBox(kDataRightBox, 5400), 33,
        {u"Rendimiento de la transmisión, de 0 a 1 (0.9 típico)", u"0.9", u"0.9"}),
    BoxLabel(u"Label14", BoxId::Drag, ColumnLabel(kDataRightLabel, 5760, kDataLabelWidth), 21),
    Box(BoxId::Drag, ColumnBox(kDataRightBox, 5760), 34,
        {u"Coeficiente aerodinámico, sin unidades (0.33 típico)", u"0.33", u"0.33"}),
    BoxLabel(u"Label18", BoxId::Rolling, ColumnLabel(kDataRightLabel, 6120, kDataLabelWidth), 26),
    Box(BoxId::Rolling, ColumnBox(kDataRightBox, 6120), 35,
        {u"Coeficiente de resistencia a la rodadura, sin unidades (0.015 típico)", u"0.015", u"0.015"}),
    BoxLabel(u"Label20", BoxId::Slope, ColumnLabel(kDataRightLabel, 6480, kDataLabelWidth), 27),
    Box(BoxId::Slope, ColumnBox(kDataRightBox, 6480), 36,
        {u"Pendiente de la carretera, en % (0 en llano)", u"0", u"0"}),

    // Tyre size, written width / aspect R rim. The separators name no box:
    // screen readers would take "/", "R" and "X" for the boxes' names.
    BoxLabel(u"Label17", BoxId::TyreWidth, {1320, kTyreTop, 855, 255}, 25),
    Box(BoxId::TyreWidth, {2160, kTyreTop, 855, 285}, 32, {u"Ancho del neumático, en mm (195 en 195/65 R15)", u"195"}),
    Label(u"Label21", u"/", {3120, kTyreTop, 375, 255}, 38),
    Box(BoxId::TyreAspect, {3360, kTyreTop, 855, 285}, 39,
        {u"Perfil del neumático: altura del flanco, en % del ancho (65 en 195/65 R15)", u"65"}),
    Label(u"Label22", u"R", {4320, kTyreTop, 735, 255}, 40),
    Box(BoxId::RimDiameter, {4560, kTyreTop, 855, 285}, 41,
        {u"Diámetro de la llanta, en pulgadas (15 en 195/65 R15)", u"15"}),

    // Frontal area, typed or from height and width; "X" only separates.
    Button(u"Option1", ControlKind::OptionButton, BoxOf(BoxId::AreaTyped).caption, {720, kAreaTop, 1455, 255}, 55,
           BoxOf(BoxId::AreaTyped).caption, u"El área frontal se escribe en la casilla de al lado"),
    Box(BoxId::AreaTyped, {1920, kAreaTop, 975, 285}, 57,
        {u"Área frontal del vehículo, en m², escrita con «%1» como separador decimal "
         u"(por ejemplo 2%125)",
         u"2%125"}),
    Button(u"Option2", ControlKind::OptionButton, BoxOf(BoxId::AreaHeight).caption, {3000, kAreaTop, 1335, 255}, 56,
           BoxOf(BoxId::AreaHeight).caption,
           u"El área frontal sale del alto y el ancho del vehículo: alto × 0.8 × ancho"),
    Box(BoxId::AreaHeight, {4320, kAreaTop, 735, 285}, 58, {u"Alto del vehículo, en m (por ejemplo 1.45)", u"1.45"}),
    Label(u"Label30", u"X", {5160, kAreaTop, 255, 255}, 59),
    Box(BoxId::AreaWidth, {5400, kAreaTop, 735, 285}, 60, {u"Ancho del vehículo, en m (por ejemplo 1.75)", u"1.75"}),

    // Commands.
    Button(u"Command1", ControlKind::CommandButton, u"Calcular", CommandAt(7440), 63, u"Calcular",
           u"Calcular el tiempo de aceleración"),
    Button(u"Command2", ControlKind::CommandButton, u"Salir", CommandAt(9480), 64, u"Salir", u"Cerrar el programa"),
};

static_assert(kControls.size() == 71, "the form has 71 controls");
static_assert(std::ranges::all_of(kControls, [](const ControlEntry& c) { return c.place.onPixelGrid(); }),
              "every place converts to whole pixels");

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

bool SameRow(const ControlEntry& a, const ControlEntry& b)
{
    return a.container == b.container && a.place.top < b.place.bottom() && b.place.top < a.place.bottom();
}

} // namespace

std::span<const ControlEntry> FormControls()
{
    return kControls;
}

std::span<const ControlEntry> AddedControls()
{
    return kAdded;
}

int UncoveredWidth(const ControlEntry& control)
{
    int right = control.place.right();
    for (const ControlEntry& other : kControls) {
        if (other.kind == ControlKind::TextBox && SameRow(control, other) && other.place.left > control.place.left
            && other.place.left < right) {
            right = other.place.left;
        }
    }
    return right - control.place.left;
}

} // namespace kinetra
