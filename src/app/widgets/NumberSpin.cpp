#include "app/widgets/NumberSpin.h"

namespace qor {

QSpinBox* NewNumberSpin(QWidget* parent, int minimum, int maximum, int value, int step)
{
    auto* spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setValue(value);
    return spin;
}

QDoubleSpinBox* NewSecondsSpin(QWidget* parent, double minimum, double maximum, double value)
{
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(1);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(1.0);
    spin->setValue(value);
    return spin;
}

} // namespace qor
