// The picture an empty list shows: a dashed frame with a picture symbol, a line that says
// what to do and a line of detail, drawn in the program's language at the list's centre.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

namespace qor {

struct TEmptyListMessage {
    QString Title;  // empty: the list shows nothing
    QString Detail;
};

// The frame's size; the picture is centred in area.
constexpr QSize EmptyListPictureSize(420, 220);

// A quiet ink a little lighter and bluer than the list's background.
QColor EmptyMessageInk(const QColor& background);

void DrawEmptyListPicture(QPainter& p, const QRect& area, const TEmptyListMessage& message, const QColor& ink);

} // namespace qor
