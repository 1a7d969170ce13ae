#include "app/listview/CellLayout.h"

#include "imaging/Geometry.h"

#include <algorithm>
#include <cstdlib>

namespace qor {

namespace {

int32_t CeilDiv(int32_t a, int32_t b)
{
    return b <= 0 ? 0 : (a + b - 1) / b;
}

// Side buttons need room in the margin on their side; a button is never taller than the cell.
TCellMetrics WithSideButtons(TCellMetrics m)
{
    if (m.SideButton == TILSideBtn::ilsNone) return m;
    if (m.SideButton == TILSideBtn::ilsLeft && m.CellOuterMargin.Left < m.SideWidth)
        m.CellOuterMargin.Left = m.SideWidth + 10;
    if (m.SideButton == TILSideBtn::ilsRight && m.CellOuterMargin.Right < m.SideWidth)
        m.CellOuterMargin.Right = m.SideWidth + 10;
    m.SideHeight = std::min(m.SideHeight, m.CellHt);
    return m;
}

bool Inside(const TRect& r, int32_t x, int32_t y)
{
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

} // namespace

TGridLayout ComputeGridLayout(const TCellMetrics& metrics, int captionLines, int lineHeight,
                              int viewWidth, int viewHeight, int count)
{
    TGridLayout g;
    g.M = WithSideButtons(metrics);
    const TILMargin& in = g.M.CellInnerMargin;
    const TILMargin& out = g.M.CellOuterMargin;
    g.CaptionHt = captionLines * lineHeight;
    g.GridW = std::max(1, g.M.CellWd + out.Left + out.Right + in.Left + in.Right);
    g.Gridh = std::max(1, g.M.CellHt + out.Top + out.Bottom + in.Top + in.Bottom + g.CaptionHt);
    g.BufferWidth = std::max(0, viewWidth - kScrollbarReserve);
    g.RowNum = CeilDiv(std::max(0, viewHeight), g.Gridh) + 3;
    g.ColNum = std::max(1, (viewWidth - kScrollbarReserve - g.M.OffsetBaseX) / g.GridW);
    g.Count = std::max(0, count);
    g.MaxRowNum = CeilDiv(g.Count, g.ColNum);
    g.ScrollMax = g.MaxRowNum * g.Gridh;
    g.ScrollPageSize = std::max(0, viewHeight);
    return g;
}

TRect SlotCellRect(const TGridLayout& g, int slot)
{
    const TILMargin& in = g.M.CellInnerMargin;
    const TILMargin& out = g.M.CellOuterMargin;
    int32_t row = slot / g.ColNum;
    int32_t col = slot % g.ColNum;
    int32_t x = out.Left + g.M.OffsetBaseX + col * g.GridW;
    int32_t y = out.Top + row * g.Gridh;
    return {x, y, x + g.M.CellWd + in.Left + in.Right,
            y + g.M.CellHt + in.Top + in.Bottom + g.CaptionHt};
}

TRect SideButtonRect(const TGridLayout& g, const TRect& cell)
{
    const TCellMetrics& m = g.M;
    if (m.SideButton == TILSideBtn::ilsNone) return {};
    int32_t x =
        m.SideButton == TILSideBtn::ilsLeft
            ? cell.Left - m.CellOuterMargin.Left + (m.CellOuterMargin.Left - m.SideWidth) / 2
            : cell.Right + (m.CellOuterMargin.Right - m.SideWidth) / 2;
    int32_t y = cell.Top + (cell.Height() - m.SideHeight) / 2;
    return {x, y, x + m.SideWidth, y + m.SideHeight};
}

TRect PictureBox(const TGridLayout& g, const TRect& cell)
{
    const TILMargin& in = g.M.CellInnerMargin;
    return {cell.Left + in.Left, cell.Top + in.Top, cell.Right - in.Right,
            cell.Bottom - in.Bottom - g.CaptionHt};
}

TRect PlacePicture(const TRect& box, int32_t width, int32_t height)
{
    if (width > box.Width() || height > box.Height()) {
        TRect fit = FitRect(width, height, box.Width(), box.Height());
        width = fit.Right;
        height = fit.Bottom;
    }
    int32_t x = box.Left + (box.Width() - width) / 2;
    int32_t y = box.Top + (box.Height() - height) / 2;
    return {x, y, x + width, y + height};
}

int32_t CaptionTop(const TGridLayout& g, const TRect& cell)
{
    return cell.Bottom - g.M.CellInnerMargin.Bottom / 2 - g.CaptionHt;
}

TCellHit HitTest(const TGridLayout& g, int32_t x, int32_t y, int firstRow, int rowCount)
{
    TCellHit hit;
    if (y < 0) return hit;
    int32_t gx = std::max(0, x - g.M.OffsetBaseX);
    int32_t col = gx / g.GridW;
    int32_t row = y / g.Gridh;
    if (col >= g.ColNum || row < firstRow || row >= firstRow + rowCount) return hit;
    hit.Slot = row * g.ColNum + col;
    if (hit.Slot >= g.Count) {
        hit.InsertId = g.Count;
        hit.MarkX = g.M.OffsetBaseX + (g.Count % g.ColNum) * g.GridW;
        hit.MarkY = (g.Count / g.ColNum) * g.Gridh;
        return hit;
    }
    bool rightHalf = gx - col * g.GridW >= g.GridW / 2;
    hit.Id = hit.Slot;
    hit.InsertId = hit.Id + (rightHalf ? 1 : 0);
    hit.MarkX = g.M.OffsetBaseX + (col + (rightHalf ? 1 : 0)) * g.GridW;
    hit.MarkY = row * g.Gridh;
    TRect cell = SlotCellRect(g, hit.Slot);
    hit.InCell = Inside(cell, x, y);
    hit.InButton = Inside(SideButtonRect(g, cell), x, y);
    return hit;
}

std::vector<int> EntriesTouching(const TGridLayout& g, const TRect& band)
{
    std::vector<int> ids;
    if (g.Count == 0) return ids;
    int32_t firstRow = std::clamp(band.Top / g.Gridh - 1, 0, g.MaxRowNum - 1);
    int32_t lastRow = std::clamp(band.Bottom / g.Gridh + 1, 0, g.MaxRowNum - 1);
    for (int32_t row = firstRow; row <= lastRow; ++row) {
        for (int32_t col = 0; col < g.ColNum; ++col) {
            int id = row * g.ColNum + col;
            if (id >= g.Count) break;
            TRect c = SlotCellRect(g, id);
            if (c.Left < band.Right && band.Left < c.Right && c.Top < band.Bottom &&
                band.Top < c.Bottom)
                ids.push_back(id);
        }
    }
    return ids;
}

TRect SpanRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1};
}

TScrollStep PlanScroll(const TGridLayout& g, int32_t target, int32_t topDot, bool rebuild)
{
    TScrollStep step;
    step.Position = std::max(0, std::min(target, g.ScrollMax - g.ScrollPageSize));
    step.Rebuild = rebuild || step.Position < topDot || step.Position > topDot + 2 * g.Gridh;
    if (step.Rebuild) {
        step.TopBufRow = step.Position / g.Gridh;
        if (step.TopBufRow > 0) --step.TopBufRow;
    } else {
        step.TopBufRow = topDot / g.Gridh;
    }
    return step;
}

int32_t FollowCursor(const TGridLayout& g, int32_t position, int cursor)
{
    int32_t rowTop = g.RowOf(cursor) * g.Gridh;
    int32_t rowBottom = rowTop + g.Gridh;
    if (rowTop < position || g.Gridh > g.ScrollPageSize) return rowTop;
    if (rowBottom > position + g.ScrollPageSize) return rowBottom - g.ScrollPageSize;
    return position;
}

int32_t CursorCellPosition(const TGridLayout& g, int32_t position, int cursor)
{
    int32_t row = g.RowOf(cursor);
    int32_t rowTop = row * g.Gridh;
    if (rowTop >= position && rowTop + g.Gridh <= position + g.ScrollPageSize) return position;
    if (rowTop < position) return rowTop;
    int32_t halfView = g.ScrollPageSize / (2 * g.Gridh);
    return std::max(0, row - halfView) * g.Gridh;
}

bool PassedDragThreshold(int32_t dx, int32_t dy)
{
    return std::abs(dx) >= kDragThreshold || std::abs(dy) >= kDragThreshold;
}

} // namespace qor
