#include "app/dialogs/FrmBtnId.h"

namespace qor {

// FIXME: the picture choices are not placed yet.
TFrmBtnId::TFrmBtnId(QWidget* parent) : QDialog(parent) {}

} // namespace qor
