#include "kinetra/form_layout.h"

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

// The examples together make one car that calculates: a saloon of 1200 kg on
// 195/65 R15 tyres, six gears, its torque peaking at 151 N·m near 71 rev/s.
struct BoxText {
    QStringView accessibleName;
    QStringView description;
    QStringView example;
    QStringView defaultText = {};
};

constexpr ControlEntry Box(QStringView name, TwipRect place, int tabIndex, BoxText text, bool enabledAtStart = true)
{
    ControlEntry entry = Control(name, ControlKind::TextBox, text.defaultText, place, tabIndex);
    entry.accessibleName = text.accessibleName;
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
    Label(u"Label3", u"Primera", ColumnLabel(kGearLabelLeft, 2160), 2, u"Text1"),
    Box(u"Text1", ColumnBox(kGearBoxLeft, 2160), 3,
        {u"Primera", u"Relación de transmisión de la primera marcha", u"3.5"}),
    Label(u"Label5", u"Segunda", ColumnLabel(kGearLabelLeft, 2520), 5, u"Text2"),
    Box(u"Text2", ColumnBox(kGearBoxLeft, 2520), 6,
        {u"Segunda", u"Relación de transmisión de la segunda marcha", u"2.1"}),
    Label(u"Label6", u"Tercera", ColumnLabel(kGearLabelLeft, 2880), 7, u"Text3"),
    Box(u"Text3", ColumnBox(kGearBoxLeft, 2880), 8,
        {u"Tercera", u"Relación de transmisión de la tercera marcha", u"1.4"}),
    Label(u"Label7", u"Cuarta", ColumnLabel(kGearLabelLeft, 3240), 9, u"Text4"),
    Box(u"Text4", ColumnBox(kGearBoxLeft, 3240), 10,
        {u"Cuarta", u"Relación de transmisión de la cuarta marcha", u"1.0"}),
    // At 255 twips only the check square shows; its caption is never seen,
    // so the accessible name starts with the gear row's caption beside it.
    Button(u"Check1", ControlKind::CheckBox, u"Check1", CheckBoxAt(3600), 13, u"Quinta: usar la marcha",
           u"Marque la casilla para escribir y usar la relación de la quinta marcha"),
    Label(u"Label9", u"Quinta", ColumnLabel(kGearLabelLeft, 3600), 15, u"Text5"),
    Box(u"Text5", ColumnBox(kGearBoxLeft, 3600), 11,
        {u"Quinta", u"Relación de transmisión de la quinta marcha (marque la casilla de la izquierda para usarla)",
         u"0.8"},
        false),
    Button(u"Check2", ControlKind::CheckBox, u"Check1", CheckBoxAt(3960), 16, u"Sexta: usar la marcha",
           u"Marque la casilla para escribir y usar la relación de la sexta marcha"),
    Label(u"Label8", u"Sexta", ColumnLabel(kGearLabelLeft, 3960), 14, u"Text6"),
    Box(u"Text6", ColumnBox(kGearBoxLeft, 3960), 12,
        {u"Sexta", u"Relación de transmisión de la sexta marcha (marque la casilla de la izquierda para usarla)",
         u"0.7"},
        false),
    Label(u"Label15", u"Diferencial", ColumnLabel(kGearLabelLeft, 4320, 855), 23, u"Text7"),
    Box(u"Text7", ColumnBox(kGearBoxLeft, 4320), 22,
        {u"Diferencial", u"Relación de transmisión del diferencial", u"4.1"}),

    // Torque polynomial in rising powers of engine speed, top row down.
    Label(u"Label26", u"Coef. Polinomio Par", {3480, 1680, 1935, 255}, 49),
    HorizontalLine(u"Line3", 3360, 5400, 1920),
    Label(u"Label27", u"C0", ColumnLabel(kTorqueLabelLeft, 2160), 50, u"Text22"),
    Box(u"Text22", ColumnBox(kTorqueBoxLeft, 2160), 45,
        {u"C0", u"Par motor: término constante del polinomio, en N·m", u"80"}),
    Label(u"Label25", u"N", ColumnLabel(kTorqueLabelLeft, 2520), 48, u"Text21"),
    Box(u"Text21", ColumnBox(kTorqueBoxLeft, 2520), 44,
        {u"N", u"Par motor: coeficiente de n, el régimen del motor en rev/s; en N·m/(rev/s)", u"2"}),
    Label(u"Label24", u"N2", ColumnLabel(kTorqueLabelLeft, 2880), 47, u"Text20"),
    Box(u"Text20", ColumnBox(kTorqueBoxLeft, 2880), 43,
        {u"N2", u"Par motor: coeficiente de n², en N·m/(rev/s)²", u"-0.014"}),
    Label(u"Label23", u"N3", ColumnLabel(kTorqueLabelLeft, 3240), 46, u"Text19"),
    Box(u"Text19", ColumnBox(kTorqueBoxLeft, 3240), 42,
        {u"N3", u"Par motor: coeficiente de n³, en N·m/(rev/s)³", u"0"}),
    Label(u"Label29", u"N4", ColumnLabel(kTorqueLabelLeft, 3600), 54, u"Text24"),
    Box(u"Text24", ColumnBox(kTorqueBoxLeft, 3600), 52,
        {u"N4", u"Par motor: coeficiente de n⁴, en N·m/(rev/s)⁴", u"0"}),
    Label(u"Label28", u"N5", ColumnLabel(kTorqueLabelLeft, 3960), 53, u"Text23"),
    Box(u"Text23", ColumnBox(kTorqueBoxLeft, 3960), 51,
        {u"N5", u"Par motor: coeficiente de n⁵, en N·m/(rev/s)⁵", u"0"}),
    Label(u"Label32", u"N6", ColumnLabel(kTorqueLabelLeft, 4320), 66, u"Text28"),
    Box(u"Text28", ColumnBox(kTorqueBoxLeft, 4320), 65,
        {u"N6", u"Par motor: coeficiente de n⁶, en N·m/(rev/s)⁶", u"0"}),

    // Results.
    Frame(u"Frame1", u"Resultados", {6480, 2040, 4575, 2415}, 61),
    FramedLabel(u"Label31", u"Frame1", {360, 480, 3735, 1455}, 62,
                u"Marcha inicial, marcha final y tiempo empleado, en s, del último cálculo"),

    // Input data, two columns.
    Label(u"Label19", u"Datos de Entrada", {480, 4920, 1935, 255}, 37),
    HorizontalLine(u"Line2", 360, 2400, 5160),
    Label(u"Label10", u"Velocidad Inicial", ColumnLabel(kDataLeftLabel, 5400, kDataLabelWidth), 17, u"Text8"),
    Box(u"Text8", ColumnBox(kDataLeftBox, 5400), 28, {u"Velocidad Inicial", u"Velocidad al empezar, en m/s", u"0"}),
    Label(u"Label11", u"Velocidad Final", ColumnLabel(kDataLeftLabel, 5760, kDataLabelWidth), 18, u"Text9"),
    Box(u"Text9", ColumnBox(kDataLeftBox, 5760), 29, {u"Velocidad Final", u"Velocidad al terminar, en m/s", u"28"}),
    Label(u"Label12", u"Factor de masas", ColumnLabel(kDataLeftLabel, 6120, kDataLabelWidth), 19, u"Text10"),
    Box(u"Text10", ColumnBox(kDataLeftBox, 6120), 30,
        {u"Factor de masas", u"Factor de masas: inercia de las piezas que giran, sin unidades (1.06 típico)", u"1.06",
         u"1.06"}),
    Label(u"Label13", u"Peso del vehículo", ColumnLabel(kDataLeftLabel, 6480, kDataLabelWidth), 20, u"Text11"),
    Box(u"Text11", ColumnBox(kDataLeftBox, 6480), 31, {u"Peso del vehículo", u"Masa del vehículo, en kg", u"1200"}),
    Label(u"Label16", u"Rendimiento Transmisión", ColumnLabel(kDataRightLabel, 5400, 1935), 24, u"Text13"),
    Box(u"Text13", ColumnBox(kDataRightBox, 5400), 33,
        {u"Rendimiento Transmisión", u"Rendimiento de la transmisión, de 0 a 1 (0.9 típico)", u"0.9", u"0.9"}),
    Label(u"Label14", u"Cx", ColumnLabel(kDataRightLabel, 5760, kDataLabelWidth), 21, u"Text14"),
    Box(u"Text14", ColumnBox(kDataRightBox, 5760), 34,
        {u"Cx", u"Coeficiente aerodinámico, sin unidades (0.33 típico)", u"0.33", u"0.33"}),
    Label(u"Label18", u"Coef. Rodadura", ColumnLabel(kDataRightLabel, 6120, kDataLabelWidth), 26, u"Text15"),
    Box(u"Text15", ColumnBox(kDataRightBox, 6120), 35,
        {u"Coef. Rodadura", u"Coeficiente de resistencia a la rodadura, sin unidades (0.015 típico)", u"0.015",
         u"0.015"}),
    Label(u"Label20", u"Pendiente (%)", ColumnLabel(kDataRightLabel, 6480, kDataLabelWidth), 27, u"Text16"),
    Box(u"Text16", ColumnBox(kDataRightBox, 6480), 36,
        {u"Pendiente (%)", u"Pendiente de la carretera, en % (0 en llano)", u"0", u"0"}),

    // Tyre size, written width / aspect R rim. The separators name no box:
    // screen readers would take "/", "R" and "X" for the boxes' names.
    Label(u"Label17", u"Ruedas", {1320, kTyreTop, 855, 255}, 25, u"Text12"),
    Box(u"Text12", {2160, kTyreTop, 855, 285}, 32,
        {u"Ruedas: ancho", u"Ancho del neumático, en mm (195 en 195/65 R15)", u"195"}),
    Label(u"Label21", u"/", {3120, kTyreTop, 375, 255}, 38),
    Box(u"Text17", {3360, kTyreTop, 855, 285}, 39,
        {u"Ruedas: perfil", u"Perfil del neumático: altura del flanco, en % del ancho (65 en 195/65 R15)", u"65"}),
    Label(u"Label22", u"R", {4320, kTyreTop, 735, 255}, 40),
    Box(u"Text18", {4560, kTyreTop, 855, 285}, 41,
        {u"Ruedas: llanta", u"Diámetro de la llanta, en pulgadas (15 en 195/65 R15)", u"15"}),

    // Frontal area, typed or from height and width; "X" only separates.
    Button(u"Option1", ControlKind::OptionButton, u"Area Frontal", {720, kAreaTop, 1455, 255}, 55, u"Area Frontal",
           u"El área frontal se escribe en la casilla de al lado"),
    Box(u"Text25", {1920, kAreaTop, 975, 285}, 57,
        {u"Area Frontal: valor",
         u"Área frontal del vehículo, en m², escrita con «%1» como separador decimal "
         u"(por ejemplo 2%125)",
         u"2%125"}),
    Button(u"Option2", ControlKind::OptionButton, u"Alto X Ancho", {3000, kAreaTop, 1335, 255}, 56, u"Alto X Ancho",
           u"El área frontal sale del alto y el ancho del vehículo: alto × 0.8 × ancho"),
    Box(u"Text26", {4320, kAreaTop, 735, 285}, 58,
        {u"Alto X Ancho: alto", u"Alto del vehículo, en m (por ejemplo 1.45)", u"1.45"}),
    Label(u"Label30", u"X", {5160, kAreaTop, 255, 255}, 59),
    Box(u"Text27", {5400, kAreaTop, 735, 285}, 60,
        {u"Alto X Ancho: ancho", u"Ancho del vehículo, en m (por ejemplo 1.75)", u"1.75"}),

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
constexpr ControlEntry LimitLabel(QStringView name, QStringView caption, int top, QStringView box)
{
    return InLimitGroup(Label(name, caption, {240, top, 2400, 255}, kNoTabIndex, box));
}
constexpr ControlEntry LimitBox(QStringView name, int top, BoxText text)
{
    return InLimitGroup(Box(name, {2760, top, 855, 285}, kNoTabIndex, text));
}
constexpr ControlEntry LimitUnit(QStringView name, QStringView unit, int top)
{
    return InLimitGroup(Label(name, unit, {3720, top, 855, 255}, kNoTabIndex));
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
    // Under the torque column, which it fills.
    Button(u"TorqueCurveButton", ControlKind::CommandButton, u"Curva de par…", {3480, 4680, 1695, 360}, kNoTabIndex,
           u"Curva de par",
           u"Abre la curva de par del motor: escriba sus puntos en rev/min y N·m, o los datos del folleto, y pase "
           u"los coeficientes a la columna"),

    // The car's optional limits, in the free corner right of the input data
    // and above the commands; each row lines up with a row of the data block.
    Frame(u"VehicleLimits", u"Límites del vehículo (opcional)", {6600, 4560, 4815, 2520}, kNoTabIndex),
    LimitLabel(u"RedLineLabel", u"Régimen máximo", 480, u"RedLine"),
    LimitBox(u"RedLine", 480,
             {u"Régimen máximo", u"Régimen máximo del motor, en rev/min: ninguna marcha pasa de él (vacío: sin límite)",
              u"6500"}),
    LimitUnit(u"RedLineUnit", u"rev/min", 480),
    LimitLabel(u"LaunchSpeedLabel", u"Régimen de salida", 840, u"LaunchSpeed"),
    LimitBox(u"LaunchSpeed", 840,
             {u"Régimen de salida",
              u"Régimen del motor mientras patina el embrague al salir, en rev/min (vacío: sin embrague que patine)",
              u"2500"}),
    LimitUnit(u"LaunchSpeedUnit", u"rev/min", 840),
    LimitLabel(u"ShiftTimeLabel", u"Tiempo de cambio", 1200, u"ShiftTime"),
    LimitBox(
        u"ShiftTime", 1200,
        {u"Tiempo de cambio", u"Tiempo sin tracción en cada cambio a una marcha más larga, en s (vacío: 0)", u"0.3"}),
    LimitUnit(u"ShiftTimeUnit", u"s", 1200),
    LimitLabel(u"GripLabel", u"Adherencia μ", 1560, u"Grip"),
    LimitBox(u"Grip", 1560,
             {u"Adherencia μ",
              u"Coeficiente de adherencia de los neumáticos, sin unidades (1.0 en asfalto seco); va con «Peso en el "
              u"eje motriz» (vacíos los dos: sin límite)",
              u"1.0"}),
    LimitLabel(u"DrivenShareLabel", u"Peso en el eje motriz", 1920, u"DrivenShare"),
    LimitBox(u"DrivenShare", 1920,
             {u"Peso en el eje motriz",
              u"Parte del peso del vehículo sobre las ruedas motrices, en % (60 típico en tracción delantera); va "
              u"con «Adherencia μ»",
              u"60"}),
    LimitUnit(u"DrivenShareUnit", u"%", 1920),

    // The speeds in km/h as they are typed, in a smaller font, in the one
    // strip near the speed boxes that no control takes at any scale: between
    // the heading's line and the first row of the data, "Vi" over its box.
    Button(u"KmhInicial", ControlKind::Label, {}, {kDataLeftBox, 5175, 1185, 225}, kNoTabIndex,
           u"Velocidad Inicial en km/h", u"La velocidad inicial escrita, pasada a km/h"),
    Button(u"KmhFinal", ControlKind::Label, {}, {kDataRightLabel, 5175, 1455, 225}, kNoTabIndex,
           u"Velocidad Final en km/h", u"La velocidad final escrita, pasada a km/h"),
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
