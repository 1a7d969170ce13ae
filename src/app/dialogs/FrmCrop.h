// TFrmCrop: the crop dialog for one picture entry, with previous/next through the list.
#pragma once

#include "imagelist/CustomImgLS.h"

#include <QDialog>

namespace qor {

class TFrmCrop : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCrop(TCustomImgLS& list, QWidget* parent = nullptr);

    // Shows entry; called again when the list's chosen entry changes while open.
    void SetCropImage(const PThumbInfo& entry);
    // The slide aspect the crop rectangle keeps.
    void SetAspect(int width, int height);

private:
    TCustomImgLS& FList;
    PThumbInfo FEntry;
};

} // namespace qor
