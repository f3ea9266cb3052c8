#pragma once

#include <QCheckBox>

namespace kinetra {

// A check box that shows only its square. It keeps its caption, but the form
// leaves no room for it: drawn, a sliver of the first letter would show at
// some scales.
class SquareCheckBox : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kinetra
