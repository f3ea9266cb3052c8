#pragma once

#include <QRadioButton>

namespace kinetra {

// An option button of the form: the option buttons of one container exclude
// each other, as radio buttons do, and each is a stop of its own for the Tab
// key whether it is selected or not (Qt lets Tab stop only on the selected
// button of a group, and arrow keys move within it).
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace kinetra
