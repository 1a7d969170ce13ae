// TXEImgLS: the picture list as the window shows it, a grid of thumbnail cells over the list
// model TCustomImgLS. The model decides; this widget paints, loads thumbnails and forwards
// gestures. The geometry, colours, captions and key rules are the Qt-free units beside it
// (CellLayout, CellColors, CellCaption, ListKeys); thumbnails are made by TThumbLoader's
// worker threads and kept in the desktop's thumbnail cache.
//
// The page is drawn into a buffer that holds the visible rows plus three; scrolling within
// two rows only shows another part of it. Thumbnails are made in device pixels, so they are
// sharp on screens with a device pixel ratio above 1 while the grid keeps its logical sizes.
#pragma once

#include "app/listview/CellCaption.h"
#include "app/listview/CellColors.h"
#include "app/listview/CellLayout.h"
#include "app/listview/EmptyListPicture.h"
#include "imagelist/CustomImgLS.h"
#include "imaging/TBmpScan.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QTimer>

#include <memory>
#include <set>
#include <string>

namespace qor {

class TQtDispatcher;
class TThumbLoader;
class TThumbStore;
struct TThumbJob;
struct TThumbResult;

class TXEImgLS : public QAbstractScrollArea, public TCustomImgLS, public TImgLSView {
    Q_OBJECT
public:
    explicit TXEImgLS(QWidget* parent = nullptr);
    ~TXEImgLS() override;

    std::string CaptionDate = "作成日";
    std::string CaptionUpdate = "更新日";
    std::string HintFormat; // message 21 unless set

    // Published settings; the defaults are the main window's values.
    TILStatColors CellColor;
    QColor Color{105, 105, 105};
    QColor FontColor{255, 255, 255};
    QColor ImgRectColor{192, 192, 192};
    bool ThumbSmoothStretch = false;
    bool UseIdleLoading = true;
    bool EnableExifRotation = true;
    int DragScrollAmount = 50;
    int DragInterval = 100;
    // Thumbnails beyond this many bytes are dropped, farthest from the view first, and
    // made again (from the thumbnail cache) when they come back into view.
    size_t ThumbMemoryLimit = size_t(384) << 20;

    unsigned CaptionSet() const { return FCaptionSet; }
    void SetCaptionSet(unsigned captions);
    const TCellMetrics& Metrics() const { return FMetrics; }
    void SetMetrics(const TCellMetrics& metrics);
    void SetCellSize(int width, int height);
    const TEmptyListMessage& EmptyMessage() const { return FEmptyMessage; }
    void SetEmptyMessage(const TEmptyListMessage& message);
    void SetHideEmptyImage(bool hide);
    void SetPosition(int position);
    void ShowCursorCell();
    std::string GetFileAtMouse() const;
    PThumbInfo ControlPosToPInfo(QPoint viewPos) const;
    // The pictures of the side buttons: the picture files directly in the folder, by name;
    // an entry's button shows the one numbered by its btnId.
    void SetSideButtonFolder(const std::string& folder);
    const std::string& SideButtonFolder() const { return FSideButtonFolder; }
    // With side buttons the outer right margin becomes onMargin, without them offMargin.
    void mChangeSideButtonMode(bool flag, int onMarginRight, int offMarginRight);
    void RefreshPage(bool useThread);
    void Clear(bool refresh, bool notifyClear) override;
    // The thumbnail cache's folder (its default is the desktop's); tests use a sandbox.
    void SetThumbCacheFolder(const std::string& root);

    const TGridLayout& Layout() const { return FLayout; }
    int TopDot() const { return FTopDot; }
    int DragStat() const { return FDragStat; }
    // The insertion position under a point of the view (for drops and moves).
    int InsertIdAt(QPoint viewPos) const;
    // The picture rectangle of an entry in view coordinates; empty when not on the page.
    QRect PictureRectInView(int id) const;
    size_t ThumbBytes() const;

    // TImgLSView
    void Redraw(TThumbLoading loading) override;
    void RedrawCellNow(int id) override;
    void StartBackgroundLoading() override;
    void StopLoaders() override;
    bool LoadersAlive() const override;
    std::shared_ptr<TBmpScan> ComparedThumb(const TBmpScan& thumb, int drawCount) override;

signals:
    void DoubleClicked();
    void KeyPressed(int key, Qt::KeyboardModifiers modifiers);
    void Trace(const QString& line);
    // OnChangeScrollInfo and OnChangeScrollPosition.
    void ScrollInfoChanged(int scrollMax, int scrollPageSize);
    void PositionChanged(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Layout and scrolling (XEImgLS.cpp).
    int ViewWidth() const;
    void ComputeLayout();
    void UpdateScrollBar();
    void ScrollTo(int target, bool rebuild, bool background);
    int FirstSlotInBuffer() const { return FTopBufRow * FLayout.ColNum; }
    bool InBuffer(int id) const;
    qreal Dpr() const;

    // Thumbnails (XEImgLSLoading.cpp).
    void MakeLoader();
    void RequestThumbs(const std::vector<int>& ids, bool drawingTime);
    TThumbJob JobFor(int id) const;
    void Deliver(const TThumbJob& job, TThumbResult& result, bool stale);
    void DropFarThumbs();
    void MakeStockPictures();

    // Painting (XEImgLSPaint.cpp).
    void BuildPage(bool background);
    void DrawCell(QPainter& p, int id, TILMouseStat state, std::vector<int>* missing);
    void DrawCellBody(QPainter& p, int id, const QRect& cell, TILMouseStat state, bool moved);
    void DrawCaptions(QPainter& p, const TThumbInfo& entry, int id, const QRect& cell,
                      const QColor& color, bool shadow);
    void DrawSideButton(QPainter& p, const TThumbInfo& entry, const QRect& button,
                        TILMouseStat state);
    void LoadSideButtons();
    void DrawEmptyImage(QPainter& p);
    void RedrawCell(int id, TILMouseStat state);
    void RedrawCells(std::initializer_list<int> ids);
    void PaintDrag(QPainter& p);
    void PaintBand(QPainter& p);
    QRect ToView(const TRect& r) const;
    QRect ToBuffer(const TRect& r) const;

    // Mouse (XEImgLSMouse.cpp).
    QPoint ToGrid(QPointF viewPos) const;
    TCellHit HitAtView(QPointF viewPos) const;
    void PressOnEntry(int id, Qt::KeyboardModifiers modifiers);
    void PressOnEmpty();
    void SelectOnly(int id);
    void DragTo(QPoint viewPos);
    void SelectBand();
    void OnDragTimer();
    void UpdateRollOver(QPointF viewPos);
    void ShowHint(QPoint viewPos, QPoint globalPos);

    // Keyboard (XEImgLSKeys.cpp).
    bool HandleListKey(QKeyEvent* event);
    void MoveCursorTo(int from, int cursor, bool shift, bool toTop);

    TCellMetrics FMetrics;
    unsigned FCaptionSet = ilmcName;
    TGridLayout FLayout;
    int FLineHt = 0;
    int FShownScrollMax = -1;
    int FShownPageSize = -1;
    QPixmap FBuffer;
    qreal FBufferDpr = 0;
    int FTopBufRow = 0;
    int FTopDot = 0;
    bool FPageValid = false;

    std::string FSideButtonFolder;
    std::vector<QImage> FSideButtons;
    TEmptyListMessage FEmptyMessage;
    bool FHideEmptyImage = false;
    TBmpScan FNotFoundImage;
    QImage FPlaceholder;
    qreal FThumbDpr = 1;

    int FCellIdRollOver = -1;
    int FBtnIdRollOver = -1;
    int FPressBtnId = -1;
    QPoint FPressPos;  // in whole-grid coordinates
    QPoint FDragPos;   // last pointer position in the view
    int FPressEntryId = -1; // the entry a plain press landed on, until the release
    int FDragStat = 0; // 0 idle, 1 pressed on a selected entry, 3 moving entries, 4 rubber band
    QTimer FDragTimer;

    std::unique_ptr<TQtDispatcher> FMainThread;
    std::unique_ptr<TThumbStore> FStore;
    std::unique_ptr<TThumbLoader> FLoader;
    int FDeliveredSinceSweep = 0;
    // Entries whose picture could not be decoded: background loading leaves them.
    std::set<std::weak_ptr<TThumbInfo>, std::owner_less<>> FFailed;
};

} // namespace qor
