// The crop control's screen state and its mouse drag, free of any widget: where the picture
// and the crop rectangle lie on the screen, which zone a press grabbed, the Shift direction
// lock, and the crop in picture pixels taken back from the screen at release.
#pragma once

#include "app/crop/CropGeometry.h"

namespace qor {

// The direction lock of a move: none, Shift held with no direction chosen yet, horizontal
// only, vertical only.
enum TShiftMove { smNone = 0, smUndecided = 1, smHorizontal = 2, smVertical = 3 };

class TCropTracker {
public:
    TCropRules Rules;

    // Places a pictureWidth x pictureHeight picture (none when 0) in the control and the crop
    // rectangle over it. Without a picture the crop rectangle is the whole control.
    void Layout(int controlWidth, int controlHeight, bool noShrinkCanvas, int pictureWidth,
                int pictureHeight, TRect cropR);
    // Shows cropR over the picture; with changeAspect the screen rectangle follows the rules.
    void ShowCrop(TRect cropR, bool changeAspect);

    TRect ImageR() const { return FImageR; }
    TRect AlphaR() const { return FAlphaR; }
    TRect PictureBounds() const { return {0, 0, FPictureWidth, FPictureHeight}; }
    bool HasPicture() const { return FPictureWidth > 0 && FPictureHeight > 0; }
    bool LaidOut() const { return FAlphaR.Left != kNotLaidOut; }
    // The screen rectangle in pixels of the picture.
    TRect AlphaInPicture() const { return ToPicture(FAlphaR); }
    TRect ToScreen(TRect pictureRect) const;
    TRect ToPicture(TRect screenRect) const;

    // A press of the primary button; answers the zone grabbed (czNone starts no drag).
    TCropZone Press(TPoint p, bool shift);
    // A move with the primary button held; true when the screen rectangle changed.
    bool Move(TPoint p, bool shift);
    // The release: true when the crop changed, with the new crop in cropR.
    bool Release(TRect& cropR);

    bool Dragging() const { return FWhere != czNone; }
    TCropZone Zone() const { return FWhere; }
    TShiftMove ShiftMove() const { return FShiftMove; }

private:
    static constexpr int kNotLaidOut = -10000;
    static constexpr int kLockDistance = 5;

    void UpdateShiftLock(TPoint p, bool shift);
    TRect Proposal(TPoint p, int& dx, int& dy) const;

    int FPictureWidth = 0;
    int FPictureHeight = 0;
    TRect FImageR;
    TRect FAlphaR{kNotLaidOut, kNotLaidOut, kNotLaidOut, kNotLaidOut};
    TPoint FPreMouse;
    TPoint FPos0;
    TCropZone FWhere = czNone;
    TShiftMove FShiftMove = smNone;
};

} // namespace qor
