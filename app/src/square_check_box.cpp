#include "kinetra/square_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace kinetra {

void SquareCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);
}

} // namespace kinetra
