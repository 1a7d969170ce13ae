// TXECrop: shows one picture, upright and scaled down to fit, with the crop rectangle over
// it, and lets the user move the rectangle or drag its edges with the mouse while it keeps
// the gallery's aspect. The crop is kept in pixels of the upright picture; the picture, its
// orientation and the centred crop come from the single-picture engine.
#pragma once

#include "app/crop/CropOverlay.h"
#include "app/crop/CropTracker.h"
#include "imaging/XEResize.h"

#include <QColor>
#include <QWidget>

#include <functional>

namespace qor {

class TXECrop : public QWidget {
    Q_OBJECT
public:
    explicit TXECrop(QWidget* parent = nullptr);

    // The picture: assigning the file loads it (decoding failures are passed on and leave no
    // picture; a missing file leaves no picture).
    const std::filesystem::path& FileName() const { return FEngine.FileName(); }
    void SetFileName(const std::filesystem::path& fileName);
    void SetBmp(const TBmpScan& picture);
    const TBmpScan* GetBmp() const { return FEngine.GetBmp(); }
    void Clear();

    TRect CropR() const { return FEngine.CropR(); }
    // A valid rectangle is taken as it is; any other gives the centred crop.
    void SetCropR(TRect rect);
    void SetCropREx(TRect rect, bool changeAspect);
    // CropR when it is valid and not the centred crop, else all zero: what an entry stores.
    TRect GetValidCropR() const;
    bool IsSameWithAutoCropRect() const { return CropR() == GetAutoCropRectBody(); }
    // The centred crop of the target aspect, not stored; all zero without a picture.
    TRect GetAutoCropRectBody() const;
    bool GetAutoCropRect(TRect& rect);
    TRect DoAutoCrop();
    bool IsValidCrop(TRect rect) const { return FEngine.IsValidCrop(rect); }
    // The crop at the target size, also handed to OnBmpCropped.
    TBmpScan GetCropBmp(bool smooth);

    int AspectWidth() const { return FEngine.AspectWidth; }
    int AspectHeight() const { return FEngine.AspectHeight; }
    void ChangeAspect(int width, int height);
    void SetMinSel(int width, int height);
    bool KeepAspect() const { return FEngine.KeepAspect; }
    void SetKeepAspect(bool on);
    bool AutoCropOnLoad() const { return FEngine.AutoCropOnLoad; }
    void SetAutoCropOnLoad(bool on) { FEngine.AutoCropOnLoad = on; }
    bool EnableExifRotation() const { return FEngine.EnableExifRotation; }
    void SetEnableExifRotation(bool on) { FEngine.EnableExifRotation = on; }
    int UserAngle() const { return FEngine.UserAngle(); }
    void SetUserAngle(int angle) { SetUserAngleEx(angle, true); }
    void SetUserAngleEx(int angle, bool reload);
    int ExifAngle() const { return FEngine.ExifAngle(); }
    void Flip(int tag);

    // Appearance.
    QColor Color() const { return FColor; }
    void SetColor(const QColor& color);
    bool UseInnerShadow = false; // kept for the owner; it has no visible effect
    bool AlphaInvert() const { return FAlphaInvert; }
    void SetAlphaInvert(bool on);
    TTint Tint() const { return FTint; }
    void SetTint(const TTint& tint);
    bool ShowCropText() const { return FShowCropText; }
    void SetShowCropText(bool on);
    bool NoShrinkCanvas() const { return FNoShrinkCanvas; }
    void SetNoShrinkCanvas(bool on);
    bool NoGUI() const { return FNoGUI; }
    void SetNoGUI(bool on);

    // The picture and crop rectangle on the screen, for the owner and for tests.
    TRect ImageR() const { return FTracker.ImageR(); }
    TRect AlphaR() const { return FTracker.AlphaR(); }
    // What is shown: the picture on the control's colour with the crop overlay.
    QImage DisplayImage() const;

    void RefreshPict();
    void DoFree();

    // Reshapes a valid crop to the aspect about its centre (false when not possible).
    bool AdjustCropWithCenterFixed(TRect& rect) const;
    // ChangeAspect, then, when the aspect really changed, the crop reshaped about its centre.
    void ChangeAspectAjustCrop(int width, int height);
    // The largest crop of the aspect centred on point; false and all zero when not possible.
    bool AutoCropWithCenter(TPoint point, TRect& rect) const;

    std::function<void(TXECrop& sender, TBmpScan& croppedBmp)> OnBmpCropped;

signals:
    // The crop rectangle changed.
    void Cropped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void RebuildDisplay();
    // FDSt from FMid with the overlay of the screen rectangle.
    void DrawOverlay(bool dotted);
    void DrawCropText(TRect screenRect, TRect pictureRect);
    void UpdatePointer(TPoint p);

    TXEResize FEngine;
    TCropTracker FTracker;
    TBmpScan FMid; // the control's colour with the picture drawn on it
    TBmpScan FDSt; // FMid with the crop overlay: what is painted
    QColor FColor = Qt::white;
    bool FAlphaInvert = false;
    TTint FTint;
    bool FShowCropText = true;
    bool FNoShrinkCanvas = false;
    bool FNoGUI = false;
};

} // namespace qor
