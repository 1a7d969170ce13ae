#include "app/listview/CellLayout.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

constexpr int kLine = 14; // a caption line height

// The main window's cells: 180 × 160, inner 3,3,3,10, outer 5 all round, OffsetBaseX 10.
TGridLayout MainWindowGrid(int viewW, int viewH, int count, int captionLines = 1)
{
    return ComputeGridLayout(TCellMetrics{}, captionLines, kLine, viewW, viewH, count);
}

TEST(CellLayout, MainWindowSlotSize)
{
    TGridLayout g = MainWindowGrid(800, 600, 10, 2);
    EXPECT_EQ(g.GridW, 196);
    EXPECT_EQ(g.Gridh, 183 + 2 * kLine);
    EXPECT_EQ(g.CaptionHt, 2 * kLine);
    EXPECT_EQ(g.BufferWidth, 800 - 17);
}

TEST(CellLayout, ColumnsReserveTheScrollbarAndOffset)
{
    struct Case {
        int viewW, columns;
    } cases[] = {{541, 2}, {5, 1}, {100, 1}, {17 + 10 + 196 * 3 - 1, 2}, {17 + 10 + 196 * 3, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(MainWindowGrid(c.viewW, 400, 5).ColNum, c.columns) << c.viewW;
}

TEST(CellLayout, RowsAndScrollRange)
{
    TGridLayout g = MainWindowGrid(541, 400, 7, 0); // 2 columns, Gridh 183
    EXPECT_EQ(g.RowNum, 3 + 3);                     // ceiling(400 / 183) + 3
    EXPECT_EQ(g.MaxRowNum, 4);                      // ceiling(7 / 2)
    EXPECT_EQ(g.ScrollMax, 4 * 183);
    EXPECT_EQ(g.ScrollPageSize, 400);
    EXPECT_EQ(MainWindowGrid(541, 366, 0, 0).RowNum, 2 + 3);
    EXPECT_EQ(MainWindowGrid(541, 366, 0, 0).ScrollMax, 0);
}

TEST(CellLayout, SlotGeometry)
{
    TGridLayout g = MainWindowGrid(800, 600, 20, 1); // 3 columns
    ASSERT_EQ(g.ColNum, 3);
    // Row 1, column 2: x = 5 + 10 + 2 × 196, y = 5 + 1 × Gridh.
    TRect cell = SlotCellRect(g, 5);
    EXPECT_EQ(cell, (TRect{407, 5 + g.Gridh, 407 + 186, 5 + g.Gridh + 173 + kLine}));
    TRect box = PictureBox(g, cell);
    EXPECT_EQ(box, (TRect{410, cell.Top + 3, 410 + 180, cell.Top + 3 + 160}));
    EXPECT_EQ(CaptionTop(g, cell), cell.Bottom - 5 - kLine);
    EXPECT_FALSE(SideButtonRect(g, cell).IsValid());
}

TEST(CellLayout, PicturesAreCentredAtTheirSizeOrFitted)
{
    TRect box{10, 20, 190, 180}; // 180 × 160
    EXPECT_EQ(PlacePicture(box, 100, 50), (TRect{50, 75, 150, 125}));
    EXPECT_EQ(PlacePicture(box, 180, 160), box);
    EXPECT_EQ(PlacePicture(box, 360, 240), (TRect{10, 40, 190, 160})); // 180 × 120
    EXPECT_EQ(PlacePicture(box, 100, 400), (TRect{80, 20, 120, 180})); // 40 × 160
}

TEST(CellLayout, SideButtonsWidenTheirMargin)
{
    TCellMetrics m;
    m.SideButton = TILSideBtn::ilsRight;
    m.CellOuterMargin.Right = 5;
    m.SideHeight = 200;
    TGridLayout g = ComputeGridLayout(m, 0, kLine, 800, 600, 4);
    EXPECT_EQ(g.M.CellOuterMargin.Right, 90); // SideWidth + 10
    EXPECT_EQ(g.GridW, 180 + 5 + 90 + 6);
    TRect cell = SlotCellRect(g, 0);
    TRect button = SideButtonRect(g, cell);
    EXPECT_EQ(button.Left, cell.Right + 5); // (90 - 80) / 2
    EXPECT_EQ(button.Width(), 80);
    EXPECT_EQ(button.Height(), 160); // cut to CellHt
    EXPECT_EQ(button.Top, cell.Top + (cell.Height() - 160) / 2);
    m.SideButton = TILSideBtn::ilsLeft;
    m.CellOuterMargin = {100, 5, 5, 5}; // wide enough already
    g = ComputeGridLayout(m, 0, kLine, 800, 600, 4);
    EXPECT_EQ(SideButtonRect(g, SlotCellRect(g, 0)).Left, 10 + 10); // OffsetBaseX + (100-80)/2
}

TEST(CellLayout, HitTestFindsEntryAndInsertionPosition)
{
    TGridLayout g = MainWindowGrid(800, 600, 5, 0); // 3 columns, Gridh 183
    ASSERT_EQ(g.ColNum, 3);
    struct Case {
        int x, y, slot, id, insertId, markX, markY;
        bool inCell;
    } cases[] = {
        {20, 10, 0, 0, 0, 10, 0, true},              // left half of entry 0
        {10 + 150, 10, 0, 0, 1, 206, 0, true},       // right half: before entry 1
        {10 + 196 + 2, 100, 1, 1, 1, 206, 0, false}, // in the slot's outer margin
        {10 + 196 * 2 + 190, 183 + 50, 5, -1, 5, 10 + 2 * 196, 183, false}, // empty slot
        {0, 200, 3, 3, 3, 10, 183, false}, // left of the offset counts as column 0
    };
    for (const Case& c : cases) {
        TCellHit hit = HitTest(g, c.x, c.y, 0, g.RowNum);
        EXPECT_EQ(hit.Slot, c.slot) << c.x << "," << c.y;
        EXPECT_EQ(hit.Id, c.id) << c.x << "," << c.y;
        EXPECT_EQ(hit.InsertId, c.insertId) << c.x << "," << c.y;
        EXPECT_EQ(hit.MarkX, c.markX) << c.x << "," << c.y;
        EXPECT_EQ(hit.MarkY, c.markY) << c.x << "," << c.y;
        EXPECT_EQ(hit.InCell, c.inCell) << c.x << "," << c.y;
    }
}

TEST(CellLayout, HitTestOutsideColumnsOrBufferRowsHitsNothing)
{
    TGridLayout g = MainWindowGrid(800, 600, 50, 0);
    EXPECT_EQ(HitTest(g, 10 + 3 * 196 + 1, 10, 0, 4).Slot, -1); // beyond the last column
    EXPECT_EQ(HitTest(g, 20, 183 * 4, 0, 4).Slot, -1);          // below the buffered rows
    EXPECT_EQ(HitTest(g, 20, 10, 1, 4).Slot, -1);               // above them
    EXPECT_EQ(HitTest(g, 20, -1, 0, 4).Slot, -1);
}

TEST(CellLayout, RubberBandSelectsCellsItTouches)
{
    TGridLayout g = MainWindowGrid(800, 600, 7, 0); // 3 columns; cells 186 × 173 at 15 + 196k
    // A band within the gap between columns 0 and 1 touches nothing.
    EXPECT_TRUE(EntriesTouching(g, SpanRect(202, 10, 208, 100)).empty());
    // Touching the last pixel column of cell 0 (x = 200) is enough.
    EXPECT_EQ(EntriesTouching(g, SpanRect(200, 10, 208, 100)), (std::vector<int>{0}));
    // From inside cell 1 down into row 2 spans columns 1-2 of rows 0-2 that exist.
    EXPECT_EQ(EntriesTouching(g, SpanRect(300, 50, 420, 183 * 2 + 20)),
              (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(EntriesTouching(g, SpanRect(20, 183 * 2 + 20, 700, 183 * 3)), (std::vector<int>{6}));
}

TEST(CellLayout, ScrollingRebuildsOnlyForJumps)
{
    TGridLayout g = MainWindowGrid(541, 400, 100, 0); // 50 rows of 183
    int topDot = 183 * 5;
    TScrollStep near = PlanScroll(g, topDot + 2 * 183, topDot, false);
    EXPECT_FALSE(near.Rebuild);
    EXPECT_EQ(near.TopBufRow, 5);
    TScrollStep far = PlanScroll(g, topDot + 2 * 183 + 1, topDot, false);
    EXPECT_TRUE(far.Rebuild);
    EXPECT_EQ(far.TopBufRow, 6); // floor(target / Gridh) = 7, one row less
    TScrollStep above = PlanScroll(g, topDot - 1, topDot, false);
    EXPECT_TRUE(above.Rebuild);
    EXPECT_EQ(above.TopBufRow, 3);
    TScrollStep top = PlanScroll(g, -50, 0, true);
    EXPECT_EQ(top.Position, 0);
    EXPECT_EQ(top.TopBufRow, 0);
    EXPECT_EQ(PlanScroll(g, 1 << 20, 0, false).Position, 50 * 183 - 400);
    // A list shorter than the view never scrolls.
    EXPECT_EQ(PlanScroll(MainWindowGrid(541, 400, 2, 0), 100, 0, false).Position, 0);
}

TEST(CellLayout, ViewFollowsTheCursor)
{
    TGridLayout g = MainWindowGrid(541, 400, 100, 0); // 2 columns, rows of 183
    int position = 183 * 10;                          // rows 10 and 11 fully visible
    EXPECT_EQ(FollowCursor(g, position, 21), position);
    EXPECT_EQ(FollowCursor(g, position, 19), 183 * 9);        // one row up: top row
    EXPECT_EQ(FollowCursor(g, position, 24), 183 * 13 - 400); // row 12 last visible
    EXPECT_EQ(FollowCursor(g, position, 80), 183 * 41 - 400); // far below
    EXPECT_EQ(FollowCursor(g, position, 0), 0);
}

TEST(CellLayout, ShowCursorCellPlacesTheRow)
{
    TGridLayout g = MainWindowGrid(541, 800, 100, 0); // 2 columns; 800 / 366 = 2 rows half view
    int position = 183 * 10;
    EXPECT_EQ(CursorCellPosition(g, position, 21), position); // row 10 fully visible
    EXPECT_EQ(CursorCellPosition(g, position, 5), 183 * 2);   // above: row at the top
    EXPECT_EQ(CursorCellPosition(g, position, 60), 183 * 28); // below: row 30, two rows higher
    EXPECT_EQ(CursorCellPosition(g, 0, 2), 0);
}

TEST(CellLayout, MovingStartsAtFourPixels)
{
    EXPECT_FALSE(PassedDragThreshold(3, 3));
    EXPECT_FALSE(PassedDragThreshold(-3, 0));
    EXPECT_TRUE(PassedDragThreshold(4, 0));
    EXPECT_TRUE(PassedDragThreshold(0, -4));
}

} // namespace
} // namespace qor
