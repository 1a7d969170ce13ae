// Mouse gestures on the crop control for tests and pictures: presses, moves with the button
// held and releases, sent straight to the widget.
#pragma once

#include "app/crop/XECrop.h"

#include <QApplication>
#include <QMouseEvent>

namespace qor::test {

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButtons held,
                      Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, p, w->mapToGlobal(p), button, held, mods);
    QApplication::sendEvent(w, &event);
}

// Presses in the middle of the crop rectangle and moves by offset, the button still held.
inline void StartMove(TXECrop& crop, QPoint offset)
{
    TRect r = crop.AlphaR();
    QPoint from((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    SendMouse(&crop, QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(&crop, QEvent::MouseMove, from + offset, Qt::LeftButton);
}

inline void Drag(QWidget* w, QPoint from, QPoint to)
{
    SendMouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(w, QEvent::MouseMove, to, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

// The crop rectangle moved by offset from its middle and let go.
inline void MoveCrop(TXECrop& crop, QPoint offset)
{
    TRect r = crop.AlphaR();
    QPoint from((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    Drag(&crop, from, from + offset);
}

} // namespace qor::test
