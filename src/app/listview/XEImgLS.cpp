// TXEImgLS: settings, layout and scrolling, and the view interface of the list model.
#include "app/listview/XEImgLS.h"

#include "app/QtDispatcher.h"
#include "app/widgets/BmpImage.h"
#include "app/listview/FreedesktopThumbCache.h"
#include "app/listview/ThumbLoader.h"
#include "util/UnitMsg.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace qor {

TXEImgLS::TXEImgLS(QWidget* parent)
    : QAbstractScrollArea(parent), HintFormat(GetMsgText(21)),
      FMainThread(std::make_unique<TQtDispatcher>()),
      FStore(std::make_unique<TFreedesktopThumbCache>())
{
    SetView(this);
    MakeStockPictures();
    MakeLoader();
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
    QFont listFont = font();
    listFont.setPixelSize(12);
    setFont(listFont);
    verticalScrollBar()->setSingleStep(5);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { SetPosition(value); });
    FDragTimer.setInterval(DragInterval);
    connect(&FDragTimer, &QTimer::timeout, this, &TXEImgLS::OnDragTimer);
}

TXEImgLS::~TXEImgLS()
{
    FLoader.reset();
    SetView(nullptr);
}

qreal TXEImgLS::Dpr() const
{
    return std::max<qreal>(1, devicePixelRatioF());
}

int TXEImgLS::ViewWidth() const
{
    // The grid reserves its scrollbar's room within the list's own width.
    return viewport()->width() +
           (verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0);
}

void TXEImgLS::ComputeLayout()
{
    FLineHt = QFontMetrics(font()).height();
    FLayout = ComputeGridLayout(FMetrics, CountCaptionLines(FCaptionSet), FLineHt, ViewWidth(),
                                viewport()->height(), Count());
}

void TXEImgLS::UpdateScrollBar()
{
    QScrollBar* bar = verticalScrollBar();
    int page = std::min(FLayout.ScrollMax, FLayout.ScrollPageSize);
    const QSignalBlocker blocker(bar);
    bar->setRange(0, std::max(0, FLayout.ScrollMax - page));
    bar->setPageStep(std::max(1, page));
    bar->setEnabled(page < FLayout.ScrollMax);
    bar->setValue(Position);
    if (FLayout.ScrollMax != FShownScrollMax || FLayout.ScrollPageSize != FShownPageSize) {
        FShownScrollMax = FLayout.ScrollMax;
        FShownPageSize = FLayout.ScrollPageSize;
        emit ScrollInfoChanged(FShownScrollMax, FShownPageSize);
    }
}

bool TXEImgLS::InBuffer(int id) const
{
    int row = FLayout.RowOf(id);
    return row >= FTopBufRow && row < FTopBufRow + FLayout.RowNum;
}

void TXEImgLS::ScrollTo(int target, bool rebuild, bool background)
{
    ComputeLayout();
    TScrollStep step = PlanScroll(FLayout, target, FTopDot, rebuild || !FPageValid);
    if (step.Rebuild) {
        FTopBufRow = step.TopBufRow;
        BuildPage(background);
    }
    bool moved = step.Position != Position;
    Position = step.Position;
    UpdateScrollBar();
    if (moved) emit PositionChanged(Position);
    viewport()->update();
}

void TXEImgLS::SetPosition(int position)
{
    if (FDragStat == 3 || FDragStat == 4) {
        if (FDragTimer.isActive()) return; // the drag scroll moves the view itself
    }
    if (position == Position && FPageValid) return;
    ScrollTo(position, false, true);
}

void TXEImgLS::SetCaptionSet(unsigned captions)
{
    FCaptionSet = captions;
    RefreshPage(true);
}

void TXEImgLS::SetMetrics(const TCellMetrics& metrics)
{
    bool sizeChanged = metrics.CellWd != FMetrics.CellWd || metrics.CellHt != FMetrics.CellHt;
    bool buttonChanged = metrics.SideWidth != FMetrics.SideWidth ||
                         metrics.SideHeight != FMetrics.SideHeight || sizeChanged;
    FMetrics = metrics;
    if (buttonChanged) LoadSideButtons();
    if (sizeChanged) {
        for (const PThumbInfo& entry : FThumbLS) {
            entry->bmp.reset();
            entry->InThread = false;
        }
        MakeStockPictures();
        StopLoaders();
    }
    RefreshPage(true);
    if (sizeChanged) StartBackgroundLoading();
}

void TXEImgLS::SetSideButtonFolder(const std::string& folder)
{
    FSideButtonFolder = folder;
    LoadSideButtons();
    RefreshPage(true);
}

void TXEImgLS::SetCellSize(int width, int height)
{
    TCellMetrics m = FMetrics;
    m.CellWd = std::max(1, width);
    m.CellHt = std::max(1, height);
    SetMetrics(m);
}

void TXEImgLS::mChangeSideButtonMode(bool flag, int onMarginRight, int offMarginRight)
{
    TCellMetrics m = FMetrics;
    m.SideButton = flag ? TILSideBtn::ilsRight : TILSideBtn::ilsNone;
    m.CellOuterMargin.Right = flag ? onMarginRight : offMarginRight;
    SetMetrics(m);
}

void TXEImgLS::SetEmptyMessage(const TEmptyListMessage& message)
{
    FEmptyMessage = message;
    if (Count() == 0) RefreshPage(true);
}

void TXEImgLS::SetHideEmptyImage(bool hide)
{
    FHideEmptyImage = hide;
    if (Count() == 0) RefreshPage(true);
}

void TXEImgLS::ShowCursorCell()
{
    ComputeLayout();
    if (!GetCursorInfo()) {
        RefreshPage(true);
        return;
    }
    ScrollTo(CursorCellPosition(FLayout, Position, CursorId()), false, true);
    RefreshPage(true);
}

PThumbInfo TXEImgLS::ControlPosToPInfo(QPoint viewPos) const
{
    TCellHit hit = HitAtView(viewPos);
    return hit.InCell ? IdToPInfo(hit.Id) : nullptr;
}

std::string TXEImgLS::GetFileAtMouse() const
{
    PThumbInfo entry = ControlPosToPInfo(viewport()->mapFromGlobal(QCursor::pos()));
    return entry ? entry->FileName : std::string();
}

int TXEImgLS::InsertIdAt(QPoint viewPos) const
{
    TCellHit hit = HitAtView(viewPos);
    return hit.InsertId < 0 ? Count() : hit.InsertId;
}

QRect TXEImgLS::PictureRectInView(int id) const
{
    PThumbInfo entry = IdToPInfo(id);
    if (!entry || !InBuffer(id)) return {};
    TRect box = PictureBox(FLayout, SlotCellRect(FLayout, id));
    QSize size = entry->bmp ? QSize(entry->bmp->Width(), entry->bmp->Height()) / FThumbDpr
                            : FPlaceholder.size() / FThumbDpr;
    return ToView(PlacePicture(box, size.width(), size.height()));
}

void TXEImgLS::RefreshPage(bool useThread)
{
    ScrollTo(Position, true, useThread);
}

void TXEImgLS::Clear(bool refresh, bool notifyClear)
{
    FCellIdRollOver = FBtnIdRollOver = FPressBtnId = -1;
    FDragStat = 0;
    FDragTimer.stop();
    TCustomImgLS::Clear(false, notifyClear);
    Position = 0;
    if (refresh) RefreshPage(true);
}

void TXEImgLS::Redraw(TThumbLoading loading)
{
    ScrollTo(Position, true, loading == TThumbLoading::Background);
}

void TXEImgLS::RedrawCellNow(int id)
{
    if (!IdToPInfo(id)) return;
    RequestThumbs({id}, true);
    RedrawCell(id, TILMouseStat::ntmNormal);
}

void TXEImgLS::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    ScrollTo(Position, true, true);
}

void TXEImgLS::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) RefreshPage(true);
}

std::shared_ptr<TBmpScan> TXEImgLS::ComparedThumb(const TBmpScan& thumb, int drawCount)
{
    if (drawCount <= 0 || thumb.Empty()) return std::make_shared<TBmpScan>(thumb);
    QImage image = ImageOf(thumb).convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    QFont countFont = font();
    countFont.setPointSize(50);
    p.setFont(countFont);
    QRect area = image.rect().adjusted(10, 10, -10, -10);
    QString text = QString::number(drawCount);
    p.setPen(palette().color(QPalette::Dark));
    p.drawText(area.translated(3, 3), Qt::AlignCenter, text);
    p.setPen(Qt::white);
    p.drawText(area, Qt::AlignCenter, text);
    p.end();
    return std::make_shared<TBmpScan>(PictureFromImage(image));
}

} // namespace qor
