#include "app/listview/EmptyListPicture.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace qor {

namespace {

// A framed landscape: the sign of a picture, independent of any language.
void DrawPictureSymbol(QPainter& p, const QRect& box, const QColor& ink)
{
    p.setPen(QPen(ink, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box, 4, 4);
    QPainterPath hills;
    hills.moveTo(box.left() + 6, box.bottom() - 6);
    hills.lineTo(box.left() + box.width() * 0.38, box.top() + box.height() * 0.45);
    hills.lineTo(box.left() + box.width() * 0.62, box.top() + box.height() * 0.7);
    hills.lineTo(box.left() + box.width() * 0.76, box.top() + box.height() * 0.58);
    hills.lineTo(box.right() - 6, box.bottom() - 6);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(hills);
    p.drawEllipse(QPoint(box.left() + box.width() * 3 / 4, box.top() + box.height() / 4), 6, 6);
}

} // namespace

QColor EmptyMessageInk(const QColor& background)
{
    QColor ink = background.lighter(135);
    ink.setBlue(std::min(255, ink.blue() + 18));
    return ink;
}

void DrawEmptyListPicture(QPainter& p, const QRect& area, const TEmptyListMessage& message, const QColor& ink)
{
    if (message.Title.isEmpty()) return;
    QRect frame(QPoint(), EmptyListPictureSize);
    frame.moveCenter(area.center());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 14, 14);
    DrawPictureSymbol(p, QRect(frame.center().x() - 36, frame.top() + 52, 72, 56), ink);
    QFont title = p.font();
    title.setPixelSize(18);
    title.setBold(true);
    p.setFont(title);
    p.setPen(ink);
    const QRect titleLine(frame.left() + 10, frame.top() + 122, frame.width() - 20, 28);
    p.drawText(titleLine, Qt::AlignCenter | Qt::TextSingleLine, message.Title);
    QFont detail = p.font();
    detail.setPixelSize(12);
    detail.setBold(false);
    p.setFont(detail);
    p.drawText(titleLine.translated(0, 28), Qt::AlignCenter | Qt::TextSingleLine, message.Detail);
    p.restore();
}

} // namespace qor
