#include "app/dialogs/ChaAbout.h"

namespace qor {

// FIXME: the shadowed texts over the background picture are not drawn yet.
TChaAbout::TChaAbout(QWidget* parent) : QDialog(parent) {}

} // namespace qor
