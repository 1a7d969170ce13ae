// TXEImgLS: the keyboard. Cursor keys move the cursor (with Shift adding the range to the
// selection), letters and digits find the next file by its first character, and the view
// follows the cursor; every key then goes on to the owner.
#include "app/listview/XEImgLS.h"

#include "app/listview/ListKeys.h"

#include <QKeyEvent>

#include <optional>

namespace qor {

namespace {

std::optional<TListKey> CursorKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return TListKey::Left;
    case Qt::Key_Right:
        return TListKey::Right;
    case Qt::Key_Up:
        return TListKey::Up;
    case Qt::Key_Down:
        return TListKey::Down;
    case Qt::Key_PageUp:
        return TListKey::PageUp;
    case Qt::Key_PageDown:
        return TListKey::PageDown;
    case Qt::Key_Home:
        return TListKey::Home;
    case Qt::Key_End:
        return TListKey::End;
    default:
        return std::nullopt;
    }
}

bool IsFindKey(int key)
{
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z);
}

} // namespace

void TXEImgLS::keyPressEvent(QKeyEvent* event)
{
    if (HandleListKey(event)) emit KeyPressed(event->key(), event->modifiers());
}

// False when the key is swallowed (any key but the editing shortcuts on an empty list).
bool TXEImgLS::HandleListKey(QKeyEvent* event)
{
    int key = event->key();
    bool ctrl = event->modifiers() & Qt::ControlModifier;
    bool shift = event->modifiers() & Qt::ShiftModifier;
    if (ctrl && key == Qt::Key_A) {
        SelectALL(true, true, false);
        return true;
    }
    if (ctrl && key == Qt::Key_X) {
        Delete();
        return true;
    }
    if (ctrl && key == Qt::Key_Z) {
        Undo();
        return true;
    }
    if (Count() == 0) return false;
    ComputeLayout();
    int start = KeyStartCursor(CursorId(), PreCursorId(), Count());
    if (std::optional<TListKey> move = CursorKey(key)) {
        int page = PageEntries(FLayout.ColNum, FLayout.ScrollPageSize, FLayout.Gridh);
        TCursorMove m = MoveCursor(*move, start, Count(), FLayout.ColNum, page);
        MoveCursorTo(start, m.Cursor, shift, m.ToTop);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        SetCursorId(start);
        SetItemIndex(start);
    } else if (key == Qt::Key_Space) {
        if (CursorId() != start) SetCursorId(start);
    } else if (IsFindKey(key) && !ctrl) {
        int found = FindByInitial(Items(), start, static_cast<char>(key));
        if (found >= 0) MoveCursorTo(start, found, false, false);
    }
    ChangeSelection(false);
    return true;
}

void TXEImgLS::MoveCursorTo(int from, int cursor, bool shift, bool toTop)
{
    int oldCursor = CursorId();
    SetCursorId(cursor);
    int target = toTop ? 0 : FollowCursor(FLayout, Position, cursor);
    if (shift) {
        SelectRange(from, cursor);
        ScrollTo(target, true, true);
        return;
    }
    if (target != Position) ScrollTo(target, false, true);
    RedrawCells({oldCursor, cursor});
}

} // namespace qor
