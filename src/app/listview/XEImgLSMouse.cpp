// TXEImgLS: the mouse. Presses select and start moving entries or a rubber band, moves drag
// with automatic scrolling, releases move the entries through the model; without a button
// the cell under the pointer is highlighted and its file facts shown as a hint.
#include "app/listview/XEImgLS.h"

#include <QDropEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolTip>
#include <QUrl>

namespace qor {

QPoint TXEImgLS::ToGrid(QPointF viewPos) const
{
    QPoint p = viewPos.toPoint();
    return {p.x(), p.y() + Position};
}

TCellHit TXEImgLS::HitAtView(QPointF viewPos) const
{
    QPoint g = ToGrid(viewPos);
    return HitTest(FLayout, g.x(), g.y(), FTopBufRow, FLayout.RowNum);
}

void TXEImgLS::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (Count() == 0 || event->button() != Qt::LeftButton) return;
    QPointF pos = event->position();
    TCellHit hit = HitAtView(pos);
    FPressPos = ToGrid(pos);
    FDragPos = pos.toPoint();
    if (hit.InButton) {
        FPressBtnId = hit.Id;
        RedrawCell(hit.Id, TILMouseStat::ntmNormal);
        return;
    }
    bool plain =
        !(MultiSelectOn && (event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)));
    if (hit.InCell)
        PressOnEntry(hit.Id, event->modifiers());
    else
        PressOnEmpty();
    if (!(hit.InCell && plain)) ChangeSelection(false);
}

void TXEImgLS::PressOnEntry(int id, Qt::KeyboardModifiers modifiers)
{
    int oldCursor = CursorId();
    PThumbInfo entry = FThumbLS[id];
    SetCursorId(id);
    if (MultiSelectOn && (modifiers & Qt::ControlModifier)) {
        entry->Selected = !entry->Selected;
        if (!entry->Selected) SetCursorId(oldCursor);
        SetLastClickedId(id);
        RedrawCells({oldCursor, id});
        SelectThumb(entry);
        return;
    }
    if (MultiSelectOn && (modifiers & Qt::ShiftModifier)) {
        SelectRange(LastClickedId() < 0 ? id : LastClickedId(), id);
        RefreshPage(true);
        return;
    }
    if (!entry->Selected) SelectByIndex(id);
    SetLastClickedId(id);
    SelectThumb(entry);
    FPressEntryId = id;
    FDragStat = 1;
    RefreshPage(true);
}

void TXEImgLS::SelectOnly(int id)
{
    if (CountSelected() == 1 && FThumbLS[id]->Selected) return;
    PThumbInfo entry = SelectByIndex(id);
    SelectThumb(entry);
}

void TXEImgLS::PressOnEmpty()
{
    SelectALL(false, false, true);
    SetCursorId(-1);
    SelectThumb(nullptr);
    FDragStat = 4;
    RefreshPage(true);
}

void TXEImgLS::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || FDragStat == 0) {
        UpdateRollOver(event->position());
        return;
    }
    DragTo(event->position().toPoint());
}

void TXEImgLS::DragTo(QPoint viewPos)
{
    FDragPos = viewPos;
    if (FDragStat == 1) {
        QPoint moved = ToGrid(viewPos) - FPressPos;
        if (!PassedDragThreshold(moved.x(), moved.y())) return;
        FDragStat = 3;
    }
    bool outside = viewPos.y() < 0 || viewPos.y() >= viewport()->height();
    if (outside && !FDragTimer.isActive()) {
        FDragTimer.setInterval(DragInterval);
        FDragTimer.start();
        OnDragTimer();
    }
    if (FDragStat == 4) SelectBand();
    ChangeSelection(false);
    viewport()->update();
}

void TXEImgLS::SelectBand()
{
    QPoint now = ToGrid(FDragPos);
    std::vector<int> touched =
        EntriesTouching(FLayout, SpanRect(FPressPos.x(), FPressPos.y(), now.x(), now.y()));
    std::vector<bool> inBand(Count(), false);
    for (int id : touched)
        inBand[id] = true;
    for (int id = 0; id < Count(); ++id) {
        if (FThumbLS[id]->Selected == inBand[id]) continue;
        FThumbLS[id]->Selected = inBand[id];
        RedrawCell(id, TILMouseStat::ntmNormal);
    }
}

void TXEImgLS::OnDragTimer()
{
    int y = FDragPos.y();
    int height = viewport()->height();
    emit Trace(QString("OnDragTimer:%1 > %2").arg(y).arg(height));
    if (y >= 0 && y < height) {
        FDragTimer.stop();
        return;
    }
    ScrollTo(Position + (y < 0 ? -DragScrollAmount : DragScrollAmount), false, true);
    if (FDragStat == 4) SelectBand();
    viewport()->update();
}

void TXEImgLS::mouseReleaseEvent(QMouseEvent* event)
{
    FDragTimer.stop();
    if (event->button() != Qt::LeftButton) return;
    TCellHit hit = HitAtView(event->position());
    if (FPressBtnId >= 0) {
        int pressed = FPressBtnId;
        FPressBtnId = -1;
        RedrawCell(pressed, TILMouseStat::ntmNormal);
        if (hit.InButton && hit.Id == pressed) SelectButton(pressed);
    }
    // The entries go where the insertion mark showed them; without a mark nothing moves.
    if (FDragStat == 3 && !(event->buttons() & Qt::RightButton) && hit.InsertId >= 0)
        MoveSelected(hit.InsertId);
    // A press on a selection kept it for dragging; a click without a drag means this one.
    if (FDragStat == 1 && FPressEntryId >= 0 && FPressEntryId < Count()) SelectOnly(FPressEntryId);
    FPressEntryId = -1;
    FDragStat = 0;
    RefreshPage(true);
    ChangeSelection(false);
}

void TXEImgLS::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
}

void TXEImgLS::UpdateRollOver(QPointF viewPos)
{
    TCellHit hit = HitAtView(viewPos);
    int cell = hit.InCell ? hit.Id : -1;
    int button = hit.InButton ? hit.Id : -1;
    if (cell == FCellIdRollOver && button == FBtnIdRollOver) return;
    int oldCell = FCellIdRollOver, oldButton = FBtnIdRollOver;
    FCellIdRollOver = cell;
    FBtnIdRollOver = button;
    RedrawCells({oldCell, oldButton, cell, button});
}

void TXEImgLS::leaveEvent(QEvent* event)
{
    QAbstractScrollArea::leaveEvent(event);
    if (FDragStat == 0) UpdateRollOver(QPointF(-1, -1));
}

void TXEImgLS::wheelEvent(QWheelEvent* event)
{
    // A notch moves half a row; touchpads scroll by their own pixels.
    int delta = event->pixelDelta().y();
    if (delta == 0) delta = event->angleDelta().y() * FLayout.Gridh / 2 / 120;
    SetPosition(Position - delta);
    event->accept();
}

void TXEImgLS::ShowHint(QPoint viewPos, QPoint globalPos)
{
    TCellHit hit = HitAtView(viewPos);
    QRect picture = hit.InCell ? PictureRectInView(hit.Id) : QRect();
    if (!HintWanted(FCaptionSet) || !picture.contains(viewPos)) {
        QToolTip::hideText();
        return;
    }
    QString text = QString::fromStdString(HintText(HintFormat, *FThumbLS[hit.Id]));
    text.replace('\r', '\n');
    QToolTip::showText(globalPos, text, viewport(), picture);
}

bool TXEImgLS::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        ShowHint(help->pos(), help->globalPos());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

namespace {

TStringList DroppedPaths(const QMimeData* data)
{
    TStringList paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

} // namespace

void TXEImgLS::dragEnterEvent(QDragEnterEvent* event)
{
    if (AcceptDrop && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TXEImgLS::dragMoveEvent(QDragMoveEvent* event)
{
    if (AcceptDrop && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TXEImgLS::dropEvent(QDropEvent* event)
{
    TStringList paths = DroppedPaths(event->mimeData());
    if (!AcceptDrop || paths.empty()) return;
    event->acceptProposedAction();
    DropFiles(paths, InsertIdAt(event->position().toPoint()));
}

} // namespace qor
