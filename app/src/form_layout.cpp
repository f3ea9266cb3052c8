#include "kinetra/form_layout.h"

#include "control_entries.h"

#include <algorithm>
#include <array>

namespace kinetra {
namespace {

constexpr int kGearLabelLeft = 600;
constexpr int kGearBoxLeft = 1440;
constexpr int kTorqueLabelLeft = 3480;
constexpr int kTorqueBoxLeft = 4320;
constexpr int kDataLeftLabel = 600;
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

bool SameRow(const ControlEntry& a, const ControlEntry& b)
{
    return a.container == b.container && a.place.top < b.place.bottom() && b.place.top < a.place.bottom();
}

} // namespace

std::span<const ControlEntry> FormControls()
{
    return kControls;
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
