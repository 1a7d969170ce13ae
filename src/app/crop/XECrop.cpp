#include "app/crop/XECrop.h"

#include "app/widgets/BmpImage.h"
#include "imaging/Geometry.h"
#include "imaging/Resamplers.h"
#include "util/DelphiFormat.h"

#include <QMouseEvent>
#include <QPainter>

namespace qor {

namespace {

TPoint PointOf(const QMouseEvent* event)
{
    QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

bool ShiftHeld(const QMouseEvent* event)
{
    return event->modifiers().testFlag(Qt::ShiftModifier);
}

Qt::CursorShape PointerOf(TCropZone zone)
{
    switch (zone) {
    case czInside:
        return Qt::OpenHandCursor;
    case czLeft:
    case czRight:
        return Qt::SizeHorCursor;
    case czTop:
    case czBottom:
        return Qt::SizeVerCursor;
    case czCorner:
        return Qt::SizeFDiagCursor;
    case czNone:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

TXECrop::TXECrop(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(32, 32);
    resize(100, 100);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TXECrop::SetFileName(const std::filesystem::path& fileName)
{
    try {
        FEngine.SetFileName(fileName);
    } catch (...) {
        RebuildDisplay();
        throw;
    }
    RebuildDisplay();
}

void TXECrop::SetBmp(const TBmpScan& picture)
{
    FEngine.SetBmp(picture);
    RebuildDisplay();
}

void TXECrop::Clear()
{
    FEngine.Clear();
    RebuildDisplay();
}

void TXECrop::SetCropR(TRect rect)
{
    if (rect.IsValid())
        SetCropREx(rect, true);
    else
        DoAutoCrop();
}

void TXECrop::SetCropREx(TRect rect, bool changeAspect)
{
    FEngine.SetCropREx(rect, changeAspect);
    if (GetBmp()) {
        FTracker.ShowCrop(rect, changeAspect);
        emit Cropped();
    }
    // The rebuild places the rectangle as CropR maps to the screen, so that a click without
    // a move leaves CropR as it is.
    RebuildDisplay();
}

TRect TXECrop::GetAutoCropRectBody() const
{
    const TBmpScan* picture = GetBmp();
    if (!picture) return {};
    return CenteredCrop(picture->Width(), picture->Height(), AspectWidth(), AspectHeight());
}

bool TXECrop::GetAutoCropRect(TRect& rect)
{
    return FEngine.GetAutoCropRect(rect);
}

TRect TXECrop::DoAutoCrop()
{
    TRect rect;
    if (GetAutoCropRect(rect))
        SetCropREx(rect, true);
    else
        FEngine.SetCropREx({}, false); // no picture: no crop of an earlier one stays
    return CropR();
}

TRect TXECrop::GetValidCropR() const
{
    if (!CropR().IsValid() || IsSameWithAutoCropRect()) return {};
    return CropR();
}

TBmpScan TXECrop::GetCropBmp(bool smooth)
{
    TBmpScan cropped = FEngine.GetCropBmp(smooth);
    if (OnBmpCropped) OnBmpCropped(*this, cropped);
    return cropped;
}

void TXECrop::ChangeAspect(int width, int height)
{
    FEngine.ChangeAspect(width, height);
    FTracker.Rules.AspectWidth = width;
    FTracker.Rules.AspectHeight = height;
    RebuildDisplay();
}

void TXECrop::SetMinSel(int width, int height)
{
    FEngine.MinSelWidth = FTracker.Rules.MinSelWidth = width;
    FEngine.MinSelHeight = FTracker.Rules.MinSelHeight = height;
}

void TXECrop::SetKeepAspect(bool on)
{
    FEngine.KeepAspect = FTracker.Rules.KeepAspect = on;
}

void TXECrop::SetUserAngleEx(int angle, bool reload)
{
    FEngine.SetUserAngleEx(angle, reload);
    if (reload) RebuildDisplay();
}

void TXECrop::Flip(int tag)
{
    FEngine.Flip(tag);
    RebuildDisplay();
}

void TXECrop::SetColor(const QColor& color)
{
    FColor = color;
    RebuildDisplay();
}

void TXECrop::SetAlphaInvert(bool on)
{
    FAlphaInvert = on;
    RebuildDisplay();
}

void TXECrop::SetTint(const TTint& tint)
{
    FTint = tint;
    RebuildDisplay();
}

void TXECrop::SetShowCropText(bool on)
{
    FShowCropText = on;
    RebuildDisplay();
}

void TXECrop::SetNoShrinkCanvas(bool on)
{
    FNoShrinkCanvas = on;
    RebuildDisplay();
}

void TXECrop::SetNoGUI(bool on)
{
    FNoGUI = on;
    if (on) {
        FMid.Release();
        FDSt.Release();
    }
    RebuildDisplay();
}

QImage TXECrop::DisplayImage() const
{
    return ImageOf(FDSt).copy();
}

void TXECrop::RefreshPict()
{
    RebuildDisplay();
}

void TXECrop::DoFree()
{
    FEngine.Clear();
    FMid.Release();
    FDSt.Release();
    update();
}

bool TXECrop::AdjustCropWithCenterFixed(TRect& rect) const
{
    return qor::AdjustCropWithCenterFixed(rect, AspectWidth(), AspectHeight());
}

void TXECrop::ChangeAspectAjustCrop(int width, int height)
{
    int oldWidth = AspectWidth(), oldHeight = AspectHeight();
    FEngine.ChangeAspect(width, height);
    FTracker.Rules.AspectWidth = width;
    FTracker.Rules.AspectHeight = height;
    TRect crop = CropR();
    const TBmpScan* picture = GetBmp();
    if (picture && !SameAspect(oldWidth, oldHeight, width, height) && crop.IsValid() &&
        AdjustCropWithCenterFixed(crop)) {
        TRect bounds = picture->Bounds();
        if (crop.Width() > bounds.Width() || crop.Height() > bounds.Height()) {
            TSize fit = AspectCropSize(bounds.Width(), bounds.Height(), width, height);
            int cx = (crop.Left + crop.Right) / 2, cy = (crop.Top + crop.Bottom) / 2;
            crop = {cx - fit.Width / 2, cy - fit.Height / 2, cx - fit.Width / 2 + fit.Width,
                    cy - fit.Height / 2 + fit.Height};
        }
        FEngine.SetCropREx(KeepInside(crop, bounds), false);
    }
    RebuildDisplay();
}

bool TXECrop::AutoCropWithCenter(TPoint point, TRect& rect) const
{
    rect = {};
    const TBmpScan* picture = GetBmp();
    if (!picture) return false;
    auto found =
        CropAroundPoint(point, picture->Width(), picture->Height(), AspectWidth(), AspectHeight());
    if (found) rect = *found;
    return found.has_value();
}

void TXECrop::RebuildDisplay()
{
    if (FNoGUI) return;
    const TBmpScan* picture = GetBmp();
    FTracker.Layout(width(), height(), FNoShrinkCanvas, picture ? picture->Width() : 0,
                    picture ? picture->Height() : 0, CropR());
    FMid.EnsureSize(width(), height());
    ImageOf(FMid).fill(FColor);
    if (picture) {
        TRect r = FTracker.ImageR();
        const TBmpScan shown = StretchFast(*picture, r.Width(), r.Height());
        QImage mid = ImageOf(FMid);
        QPainter painter(&mid);
        painter.drawImage(r.Left, r.Top, ImageOf(shown));
    }
    DrawOverlay(false);
    update();
}

void TXECrop::DrawOverlay(bool dotted)
{
    FDSt = FMid;
    if (!GetBmp() || FDSt.Empty()) return;
    TRect s = FTracker.AlphaR();
    TRect inPicture = FTracker.Dragging() ? FTracker.AlphaInPicture() : CropR();
    if (!inPicture.IsValid() || !s.IsValid()) return;
    if (FAlphaInvert)
        TintOutside(FDSt, FTracker.ImageR(), s, FTint);
    else
        TintArea(FDSt, s, FTint);
    DrawHandles(FDSt, s, clWhite);
    InvertFrame(FDSt, s, dotted);
    if (FShowCropText) DrawCropText(s, inPicture);
}

void TXECrop::DrawCropText(TRect s, TRect r)
{
    QString text = QString::fromStdString(
        Format("(%4d,%4d)-(w:%4d,h:%4d)", {r.Left, r.Top, r.Width(), r.Height()}));
    QImage target = ImageOf(FDSt);
    QPainter painter(&target);
    painter.setFont(font());
    QSize extent = painter.fontMetrics().size(Qt::TextSingleLine, text);
    int x = (s.Left + s.Right - extent.width()) / 2;
    int y = (s.Top + s.Bottom - extent.height()) / 2 + painter.fontMetrics().ascent();
    painter.setPen(Qt::black);
    painter.drawText(x, y, text);
    painter.setPen(Qt::white);
    painter.drawText(x - 1, y - 1, text);
}

void TXECrop::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (FDSt.Empty())
        painter.fillRect(rect(), FColor);
    else
        painter.drawImage(0, 0, ImageOf(FDSt));
}

void TXECrop::resizeEvent(QResizeEvent*)
{
    RebuildDisplay();
}

void TXECrop::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    if (FTracker.Press(PointOf(event), ShiftHeld(event)) == czNone || FNoGUI) return;
    DrawOverlay(true);
    update();
}

void TXECrop::mouseMoveEvent(QMouseEvent* event)
{
    TPoint p = PointOf(event);
    if (!event->buttons().testFlag(Qt::LeftButton)) {
        UpdatePointer(p);
        return;
    }
    if (FTracker.Move(p, ShiftHeld(event)) && !FNoGUI) {
        DrawOverlay(true);
        update();
    }
}

void TXECrop::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !FTracker.Dragging()) return;
    TRect crop = CropR();
    bool changed = FTracker.Release(crop);
    if (changed) {
        FEngine.SetCropREx(crop, false);
        emit Cropped();
    }
    RebuildDisplay();
}

void TXECrop::UpdatePointer(TPoint p)
{
    TCropZone zone = FTracker.LaidOut() && GetBmp() ? CropZoneAt(p, FTracker.AlphaR()) : czNone;
    setCursor(PointerOf(zone));
}

} // namespace qor
