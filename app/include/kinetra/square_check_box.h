#pragma once

#include <QCheckBox>

class QAccessibleInterface;

namespace kinetra {

// A check box that shows only its square. It keeps its caption, but the form
// leaves no room for it: drawn, a sliver of the first letter would show at
// some scales.
class SquareCheckBox : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

    // What screen readers see of one (an accessibility factory): a check
    // box whose toggle action is a click, so that the form's handler runs as
    // for a person's click. Qt's own toggles the state without a click.
    static QAccessibleInterface* Accessible(const QString& className, QObject* object);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kinetra
