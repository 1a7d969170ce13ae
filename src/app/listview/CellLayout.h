// The geometry of the picture list's grid, in numbers only: slot and cell sizes, how many
// columns and buffered rows a view holds, where each cell, picture and side button lies, what
// a point hits, which cells a rubber band touches, and how far the view scrolls. Coordinates
// are those of the whole grid (y = 0 is the top of the first row); the view shows the band
// from Position to Position + view height.
#pragma once

#include "util/TRect.h"

#include <cstdint>
#include <vector>

namespace qor {

struct TILMargin {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

enum class TILSideBtn { ilsNone, ilsLeft, ilsRight };

// The published cell settings, with the main window's values as defaults.
struct TCellMetrics {
    int32_t CellWd = 180;
    int32_t CellHt = 160;
    TILMargin CellInnerMargin{3, 3, 3, 10};
    TILMargin CellOuterMargin{5, 5, 5, 5};
    int32_t OffsetBaseX = 10;
    TILSideBtn SideButton = TILSideBtn::ilsNone;
    int32_t SideWidth = 80;
    int32_t SideHeight = 80;
};

// Pixels kept free at the right of the view for the scrollbar.
inline constexpr int32_t kScrollbarReserve = 17;

struct TGridLayout {
    TCellMetrics M; // after the side buttons have widened the margins
    int32_t CaptionHt = 0;
    int32_t GridW = 0;
    int32_t Gridh = 0;
    int32_t BufferWidth = 0;
    int32_t ColNum = 1;
    int32_t RowNum = 0; // rows held in the page buffer: the visible ones plus three
    int32_t MaxRowNum = 0;
    int32_t ScrollMax = 0;
    int32_t ScrollPageSize = 0;
    int32_t Count = 0;

    int32_t RowOf(int id) const { return id / ColNum; }
};

TGridLayout ComputeGridLayout(const TCellMetrics& metrics, int captionLines, int lineHeight,
                              int viewWidth, int viewHeight, int count);

// The cell rectangle of a slot (row × ColNum + column).
TRect SlotCellRect(const TGridLayout& layout, int slot);
// The side button beside a cell; invalid without side buttons.
TRect SideButtonRect(const TGridLayout& layout, const TRect& cell);
// The box the picture is fitted into: the cell shrunk by the inner margins, less the captions.
TRect PictureBox(const TGridLayout& layout, const TRect& cell);
// A picture of width × height centred in the box at its own size, or fitted when larger.
TRect PlacePicture(const TRect& box, int32_t width, int32_t height);
// The y of the first caption line of a cell.
int32_t CaptionTop(const TGridLayout& layout, const TRect& cell);

struct TCellHit {
    int Slot = -1;     // the grid slot under the point, -1 outside the grid's columns or rows
    int Id = -1;       // the entry of that slot, -1 for an empty slot
    int InsertId = -1; // where dragged or dropped entries go
    int32_t MarkX = 0; // the insertion mark's left edge and top
    int32_t MarkY = 0;
    bool InCell = false;   // inside the entry's cell rectangle: the entry is pressed
    bool InButton = false; // inside its side button
};

// What the point (x, y) hits among the rows firstRow .. firstRow + rowCount - 1.
TCellHit HitTest(const TGridLayout& layout, int32_t x, int32_t y, int firstRow, int rowCount);

// The entries whose cell rectangles touch or overlap the band.
std::vector<int> EntriesTouching(const TGridLayout& layout, const TRect& band);

// A rectangle spanning two points, whichever corner each is.
TRect SpanRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1);

// One scroll of the view: the target limited to the grid, and whether the page buffer must
// be built again (when asked, or for a jump above the buffer top or beyond two rows below it)
// with which first row.
struct TScrollStep {
    int32_t Position = 0;
    bool Rebuild = false;
    int32_t TopBufRow = 0;
};
TScrollStep PlanScroll(const TGridLayout& layout, int32_t target, int32_t topDot, bool rebuild);

// The position that brings the cursor row into view after a cursor key: the row becomes the
// top row when it lies above the view, the last fully visible row when it lies below (for a
// row next to the view that is a scroll by one row), else the position is unchanged.
int32_t FollowCursor(const TGridLayout& layout, int32_t position, int cursor);
// ShowCursorCell: the position unchanged when the cursor row is fully visible; else the row at
// the top, or, when it lies below the view, about half a view higher.
int32_t CursorCellPosition(const TGridLayout& layout, int32_t position, int cursor);

// Moving entries starts once the pointer has moved this far either way from the press.
inline constexpr int32_t kDragThreshold = 4;
bool PassedDragThreshold(int32_t dx, int32_t dy);

} // namespace qor
