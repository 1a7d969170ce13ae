#include "app/dialogs/FrmCrop.h"

namespace qor {

// FIXME: the crop control is not placed yet.
TFrmCrop::TFrmCrop(TCustomImgLS& list, QWidget* parent) : QDialog(parent), FList(list) {}

void TFrmCrop::SetCropImage(const PThumbInfo& entry)
{
    FEntry = entry;
}

void TFrmCrop::SetAspect(int, int) {}

} // namespace qor
