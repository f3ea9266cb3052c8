#pragma once

class QLineEdit;

namespace kinetra {

// A number longer than its box shows its beginning, sign included, whenever
// the box is not being typed in (a box scrolls to its text cursor, which
// typing and a new text leave at the end); the tooltip gives the whole value
// after the box's description, which is its accessible description.
void ShowNumbersFromTheirStart(QLineEdit& box);

} // namespace kinetra
