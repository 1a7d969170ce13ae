#include "app/crop/CropTracker.h"

#include "imaging/Geometry.h"

#include <cstdlib>

namespace qor {

void TCropTracker::Layout(int controlWidth, int controlHeight, bool noShrinkCanvas,
                          int pictureWidth, int pictureHeight, TRect cropR)
{
    FPictureWidth = pictureWidth;
    FPictureHeight = pictureHeight;
    if (!HasPicture()) {
        FImageR = {};
        FAlphaR = {0, 0, controlWidth, controlHeight};
        return;
    }
    FImageR = PlaceCentered(pictureWidth, pictureHeight,
                            PictureArea(controlWidth, controlHeight, noShrinkCanvas));
    FAlphaR = ToScreen(cropR);
}

void TCropTracker::ShowCrop(TRect cropR, bool changeAspect)
{
    if (!HasPicture()) return;
    FAlphaR = ToScreen(cropR);
    if (!changeAspect) return;
    if (auto accepted = AcceptScreenRect(FAlphaR, FImageR, Rules)) FAlphaR = *accepted;
}

TRect TCropTracker::ToScreen(TRect pictureRect) const
{
    return MapRect(pictureRect, PictureBounds(), FImageR);
}

TRect TCropTracker::ToPicture(TRect screenRect) const
{
    return MapRect(screenRect, FImageR, PictureBounds());
}

TCropZone TCropTracker::Press(TPoint p, bool shift)
{
    if (!HasPicture()) return czNone;
    FShiftMove = shift ? smUndecided : smNone;
    FPreMouse = FPos0 = p;
    FWhere = CropZoneAt(p, FAlphaR);
    return FWhere;
}

void TCropTracker::UpdateShiftLock(TPoint p, bool shift)
{
    if (!shift) {
        FShiftMove = smNone;
        return;
    }
    if (FShiftMove == smNone) {
        FShiftMove = smUndecided;
        FPos0 = p;
    }
    if (FShiftMove != smUndecided) return;
    int dx = std::abs(p.x - FPos0.x), dy = std::abs(p.y - FPos0.y);
    if (dx >= dy && dx >= kLockDistance)
        FShiftMove = smHorizontal;
    else if (dx < dy && dy >= kLockDistance)
        FShiftMove = smVertical;
}

TRect TCropTracker::Proposal(TPoint p, int& dx, int& dy) const
{
    dx = p.x - FPreMouse.x;
    dy = p.y - FPreMouse.y;
    TRect q = FAlphaR;
    switch (FWhere) {
    case czInside:
        if (FShiftMove == smHorizontal) dy = 0;
        if (FShiftMove == smVertical) dx = 0;
        return {q.Left + dx, q.Top + dy, q.Right + dx, q.Bottom + dy};
    case czRight:
        q.Right += dx;
        break;
    case czBottom:
        q.Bottom += dy;
        break;
    case czLeft:
        q.Left += dx;
        break;
    case czTop:
        q.Top += dy;
        break;
    case czCorner:
        q.Right += dx;
        q.Bottom += dy;
        break;
    case czNone:
        break;
    }
    return q;
}

bool TCropTracker::Move(TPoint p, bool shift)
{
    if (!HasPicture() || FWhere == czNone) return false;
    UpdateShiftLock(p, shift);
    bool changed = false;
    if (!(FWhere == czInside && FShiftMove == smUndecided)) {
        int dx = 0, dy = 0;
        TRect q = Proposal(p, dx, dy);
        if (dx != 0 || dy != 0) {
            if (auto accepted = AcceptScreenRect(q, FImageR, Rules)) {
                changed = !(*accepted == FAlphaR);
                FAlphaR = *accepted;
            }
        }
    }
    FPreMouse = p;
    return changed;
}

bool TCropTracker::Release(TRect& cropR)
{
    if (!HasPicture() || FWhere == czNone) return false;
    FWhere = czNone;
    FShiftMove = smNone;
    if (FAlphaR == ToScreen(cropR)) return false;
    TRect taken = ToPicture(FAlphaR);
    bool changed = !(taken == cropR);
    cropR = taken;
    return changed;
}

} // namespace qor
