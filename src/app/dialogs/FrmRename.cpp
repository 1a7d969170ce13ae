#include "app/dialogs/FrmRename.h"

namespace qor {

// FIXME: the name editor is not placed yet; the dialog is always cancelled.
TFrmRename::TFrmRename(QWidget* parent) : QDialog(parent) {}

void TFrmRename::SetProjectPath(const std::string& path)
{
    FOldPath = path;
    FNewPath.clear();
}

} // namespace qor
