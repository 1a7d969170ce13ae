// TFrmCrop: the crop dialog ("画像範囲の指定") for one picture entry, with previous/next
// through the picture list. OK stores the user's crop in the entry; Cancel stores nothing.
#pragma once

#include "imagelist/CustomImgLS.h"

#include <QDialog>

class QPushButton;
class QToolButton;

namespace qor {

class TXECrop;

class TFrmCrop : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCrop(TCustomImgLS& list, QWidget* parent = nullptr);

    // Shows entry; called again when the list's chosen entry changes while open.
    void SetCropImage(const PThumbInfo& entry);
    // The slide aspect the crop rectangle keeps.
    void SetAspect(int width, int height);
    // True after the dialog was closed with OK.
    bool OKFlag() const { return FOK; }
    const PThumbInfo& Entry() const { return FEntry; }
    TXECrop& CropControl() const { return *XEUserCrop; }

    // The buttons' commands.
    void BtOKClick();
    void BtTemplateClick();
    // Stores the crop of the entry shown, then moves the list's choice back (-1) or on (1).
    void MtNextClick(int tag);

    void done(int result) override;

private:
    void StoreCrop();
    void OpenHelp();

    TCustomImgLS& FList;
    PThumbInfo FEntry;
    bool FOK = false;

public:
    TXECrop* XEUserCrop = nullptr;
    QToolButton* MtPrev = nullptr;
    QToolButton* MtNext = nullptr;
    QPushButton* BtTemplate = nullptr;
    QPushButton* BtOK = nullptr;
    QPushButton* BtCancel = nullptr;
};

} // namespace qor
