// Number boxes with the range, step and first value of their setting.
#pragma once

#include <QDoubleSpinBox>
#include <QSpinBox>

namespace qor {

QSpinBox* NewNumberSpin(QWidget* parent, int minimum, int maximum, int value, int step = 1);
// Seconds with one decimal.
QDoubleSpinBox* NewSecondsSpin(QWidget* parent, double minimum, double maximum, double value);

} // namespace qor
