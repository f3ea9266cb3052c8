#pragma once

#include <QString>
#include <QStringView>

namespace kinetra {

// The text box a fault report tells the user to change: the first box it
// names. Reports name a box by the caption a person reads beside it, in
// «», followed by which part of the row is meant when the row has several
// boxes: "«Peso del vehículo» dice «-1»", "«Ruedas» (perfil) está vacío",
// "«Alto X Ancho» (alto)". A row named without its part means its first box,
// so a report on the frontal area points at the box of the option it names.
// Quoted texts that are no caption (what a box says) are passed over. The
// box's control name ("Text11"), or empty when the report names no box.
QString BoxNamedByReport(QStringView report);

} // namespace kinetra
