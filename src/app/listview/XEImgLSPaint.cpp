// TXEImgLS: drawing. The page buffer holds the rows from TopBufRow on; cells are drawn into
// it, and the view shows its part of it with the drag and rubber-band overlays on top.
#include "app/listview/XEImgLS.h"

#include "app/widgets/BmpImage.h"

#include <QPaintEvent>
#include <QPainter>

namespace qor {

namespace {

QColor ToQColor(TRgb c)
{
    return QColor(c.r, c.g, c.b);
}

TRgb ToRgb(const QColor& c)
{
    return {uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())};
}

QRect ToQRect(const TRect& r, int dy)
{
    return QRect(r.Left, r.Top - dy, r.Width(), r.Height());
}

const QColor kBandColor(51, 153, 255);

} // namespace

QRect TXEImgLS::ToView(const TRect& r) const
{
    return ToQRect(r, Position);
}

QRect TXEImgLS::ToBuffer(const TRect& r) const
{
    return ToQRect(r, FTopDot);
}

void TXEImgLS::BuildPage(bool background)
{
    if (!qFuzzyCompare(Dpr(), FThumbDpr)) {
        for (const PThumbInfo& entry : FThumbLS)
            entry->bmp.reset();
        StopLoaders();
        MakeStockPictures();
        StartBackgroundLoading();
    }
    QSize size(std::max(1, FLayout.BufferWidth), std::max(1, FLayout.RowNum * FLayout.Gridh));
    qreal dpr = Dpr();
    if (FBuffer.isNull() || FBuffer.deviceIndependentSize().toSize() != size || FBufferDpr != dpr) {
        FBuffer = QPixmap(size * dpr);
        FBuffer.setDevicePixelRatio(dpr);
        FBufferDpr = dpr;
    }
    FTopDot = FTopBufRow * FLayout.Gridh;
    FBuffer.fill(Color);
    QPainter p(&FBuffer);
    p.setFont(font());
    std::vector<int> missing;
    int first = FirstSlotInBuffer();
    int last = std::min(Count(), first + FLayout.RowNum * FLayout.ColNum);
    for (int id = first; id < last; ++id)
        DrawCell(p, id, id == FCellIdRollOver ? TILMouseStat::ntmRollOver : TILMouseStat::ntmNormal,
                 &missing);
    if (Count() == 0) DrawEmptyImage(p);
    FPageValid = true;
    RequestThumbs(missing, !background);
}

void TXEImgLS::DrawEmptyImage(QPainter& p)
{
    if (FHideEmptyImage) return;
    DrawEmptyListPicture(p, QRect(0, 0, FLayout.BufferWidth, FLayout.ScrollPageSize), FEmptyMessage,
                         EmptyMessageInk(Color));
}

void TXEImgLS::DrawCell(QPainter& p, int id, TILMouseStat state, std::vector<int>* missing)
{
    const PThumbInfo& entry = FThumbLS[id];
    TILMouseStat drawn = ResolveCellState(state, id == CursorId(), entry->Selected);
    DrawCellBody(p, id, ToBuffer(SlotCellRect(FLayout, id)), drawn, false);
    if (!entry->bmp && missing) missing->push_back(id);
}

void TXEImgLS::DrawCellBody(QPainter& p, int id, const QRect& cell, TILMouseStat state, bool moved)
{
    const TThumbInfo& entry = *FThumbLS[id];
    if (!moved) p.fillRect(cell, Color);
    std::optional<TRgb> stateColor = StateColor(state, CellColor);
    if (stateColor) {
        p.setPen(ToQColor(*stateColor));
        p.setBrush(ToQColor(MixWithWhite(*stateColor, CellColor.BrushAlpha)));
        p.drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
    }
    TRect cellR{cell.left(), cell.top(), cell.left() + cell.width(), cell.top() + cell.height()};
    TRect box = PictureBox(FLayout, cellR);
    QImage picture = entry.bmp ? ImageOf(*entry.bmp) : FPlaceholder;
    QSize logical = picture.size() / FThumbDpr;
    TRect imgR = PlacePicture(box, logical.width(), logical.height());
    QRect target(imgR.Left, imgR.Top, imgR.Width(), imgR.Height());
    p.drawImage(target, picture);
    p.setPen(ImgRectColor);
    p.drawRect(target.adjusted(-1, -1, 0, 0));
    QColor text = FontColor;
    if (IsHighlighted(state)) text = ToQColor(Inverted(ToRgb(FontColor)));
    if (moved) text = FontColor;
    DrawCaptions(p, entry, id, cell, text, moved);
    TRect button = SideButtonRect(FLayout, cellR);
    if (button.IsValid()) {
        TILMouseStat buttonState = id == FPressBtnId      ? TILMouseStat::ntmDown
                                   : id == FBtnIdRollOver ? TILMouseStat::ntmRollOver
                                                          : TILMouseStat::ntmNormal;
        DrawSideButton(p, entry, QRect(button.Left, button.Top, button.Width(), button.Height()),
                       buttonState);
    }
}

void TXEImgLS::DrawCaptions(QPainter& p, const TThumbInfo& entry, int id, const QRect& cell,
                            const QColor& color, bool shadow)
{
    std::vector<std::string> lines =
        CaptionLines(entry, id, FCaptionSet, {CaptionDate, CaptionUpdate});
    if (lines.empty()) return;
    QFontMetrics metrics(p.font());
    TRect cellR{cell.left(), cell.top(), cell.left() + cell.width(), cell.top() + cell.height()};
    int y = CaptionTop(FLayout, cellR);
    QRect line(cell.left() + 2, y, cell.width() - 4, FLineHt);
    for (const std::string& text : lines) {
        QString shown =
            metrics.elidedText(QString::fromStdString(text), Qt::ElideRight, line.width());
        if (shadow) {
            p.setPen(palette().color(QPalette::Dark));
            p.drawText(line.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, shown);
        }
        p.setPen(color);
        p.drawText(line, Qt::AlignHCenter | Qt::AlignTop, shown);
        line.translate(0, FLineHt);
    }
}

void TXEImgLS::DrawSideButton(QPainter& p, const TThumbInfo& entry, const QRect& button,
                              TILMouseStat state)
{
    bool hot = state == TILMouseStat::ntmRollOver;
    bool down = state == TILMouseStat::ntmDown;
    QRect face = button.translated(down ? -1 : 0, down ? -1 : 0);
    bool hasPicture = entry.btnId >= 0 && entry.btnId < int(FSideButtons.size());
    if (hasPicture) {
        QImage picture = FSideButtons[entry.btnId];
        if (hot) {
            for (int y = 0; y < picture.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
                for (int x = 0; x < picture.width(); ++x) {
                    TRgb c = HotButton(
                        {uint8_t(qRed(row[x])), uint8_t(qGreen(row[x])), uint8_t(qBlue(row[x]))});
                    row[x] = qRgb(c.r, c.g, c.b);
                }
            }
        }
        p.drawImage(face, picture);
    } else {
        QLinearGradient ground(button.topLeft(), button.bottomLeft());
        ground.setColorAt(hot ? 1 : 0, QColor(192, 192, 192));
        ground.setColorAt(hot ? 0 : 1, QColor(128, 128, 128));
        p.fillRect(face, ground);
    }
    QColor light = palette().color(QPalette::Light);
    QColor dark = palette().color(QPalette::Dark);
    QRect edge = button.adjusted(0, 0, -1, -1);
    p.setPen(down ? dark : light);
    p.drawLine(edge.topLeft(), edge.topRight());
    p.drawLine(edge.topLeft(), edge.bottomLeft());
    p.setPen(down ? light : dark);
    p.drawLine(edge.bottomLeft(), edge.bottomRight());
    p.drawLine(edge.topRight(), edge.bottomRight());
}

void TXEImgLS::RedrawCell(int id, TILMouseStat state)
{
    if (!IdToPInfo(id) || !InBuffer(id) || FBuffer.isNull()) return;
    QPainter p(&FBuffer);
    p.setFont(font());
    DrawCell(p, id, state, nullptr);
    viewport()->update(ToView(SlotCellRect(FLayout, id)).adjusted(-1, -1, 1, 1));
}

void TXEImgLS::RedrawCells(std::initializer_list<int> ids)
{
    for (int id : ids)
        RedrawCell(id, id == FCellIdRollOver ? TILMouseStat::ntmRollOver : TILMouseStat::ntmNormal);
}

void TXEImgLS::paintEvent(QPaintEvent* event)
{
    QPainter p(viewport());
    p.setClipRegion(event->region());
    p.fillRect(viewport()->rect(), Color);
    p.drawPixmap(0, FTopDot - Position, FBuffer);
    p.setFont(font());
    if (FDragStat == 3) PaintDrag(p);
    if (FDragStat == 4) PaintBand(p);
}

void TXEImgLS::PaintDrag(QPainter& p)
{
    QPoint shift = FDragPos - QPoint(FPressPos.x(), FPressPos.y() - Position);
    for (int id = FirstSlotInBuffer(); id < Count() && InBuffer(id); ++id) {
        if (!FThumbLS[id]->Selected) continue;
        DrawCellBody(p, id, ToView(SlotCellRect(FLayout, id)).translated(shift),
                     TILMouseStat::ntmNormal, true);
    }
    TCellHit hit = HitAtView(FDragPos);
    if (hit.InsertId >= 0)
        p.fillRect(QRect(hit.MarkX, hit.MarkY - Position, 2, FLayout.Gridh), FontColor);
    QFont countFont = font();
    countFont.setPointSize(16);
    countFont.setBold(true);
    p.setFont(countFont);
    QString count = QString::number(CountSelected());
    QPoint at = FDragPos - QPoint(25, 25);
    p.setPen(QColor(160, 160, 164));
    p.drawText(at + QPoint(1, 1), count);
    p.setPen(Qt::white);
    p.drawText(at, count);
}

void TXEImgLS::PaintBand(QPainter& p)
{
    QPoint now = ToGrid(FDragPos);
    TRect band = SpanRect(FPressPos.x(), FPressPos.y(), now.x(), now.y());
    QRect shown = ToView(band);
    p.fillRect(shown, QColor(kBandColor.red(), kBandColor.green(), kBandColor.blue(), 100));
    p.setPen(kBandColor);
    p.drawRect(shown.adjusted(0, 0, -1, -1));
}

} // namespace qor
