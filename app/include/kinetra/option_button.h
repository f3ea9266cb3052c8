#pragma once

#include <QRadioButton>

namespace kinetra {

// An option button of the form. The option buttons of one container exclude
// each other, as radio buttons do, but each is a stop of its own for the Tab
// key whether it is selected or not (Qt's radio groups let Tab stop on one
// button only). A click selects the button; it never clears it.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void nextCheckState() override;

private:
    void ClearTheOthers(bool selected);
};

} // namespace kinetra
