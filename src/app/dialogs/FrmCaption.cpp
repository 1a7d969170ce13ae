#include "app/dialogs/FrmCaption.h"

namespace qor {

// FIXME: the window list and the script memo are not placed yet.
TFrmCaption::TFrmCaption(QWidget* parent) : QDialog(parent) {}

} // namespace qor
