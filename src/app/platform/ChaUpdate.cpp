#include "app/platform/ChaUpdate.h"

#include <QWidget>

namespace qor {

// FIXME: no version file is fetched yet.
TChaUpdate::TChaUpdate(QWidget* window) : QObject(window), FWindow(window) {}

void TChaUpdate::CheckUpdate(bool) {}

} // namespace qor
