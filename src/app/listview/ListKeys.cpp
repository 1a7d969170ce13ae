#include "app/listview/ListKeys.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace qor {

int KeyStartCursor(int cursorId, int preCursorId, int count)
{
    if (cursorId >= 0 && cursorId < count) return cursorId;
    if (preCursorId >= 0 && preCursorId < count) return preCursorId;
    return 0;
}

int PageEntries(int colNum, int pageHeight, int gridh)
{
    return colNum * std::max(1, gridh > 0 ? pageHeight / gridh : 1);
}

TCursorMove MoveCursor(TListKey key, int cursor, int count, int colNum, int pageEntries)
{
    int next = cursor;
    switch (key) {
    case TListKey::Left:
        next = cursor - 1;
        break;
    case TListKey::Right:
        next = cursor + 1;
        break;
    case TListKey::Up:
        if (cursor >= colNum) next = cursor - colNum;
        break;
    case TListKey::Down:
        if (cursor + colNum < count) next = cursor + colNum;
        break;
    case TListKey::PageUp:
        next = cursor - pageEntries;
        break;
    case TListKey::PageDown:
        next = cursor + pageEntries;
        break;
    case TListKey::Home:
        next = 0;
        break;
    case TListKey::End:
        next = count - 1;
        break;
    }
    TCursorMove move;
    move.ToTop = next < 0;
    move.Cursor = std::clamp(next, 0, std::max(0, count - 1));
    return move;
}

int FindByInitial(const TStringList& fileNames, int cursor, char initial)
{
    int count = static_cast<int>(fileNames.size());
    char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(initial)));
    for (int step = 1; step <= count; ++step) {
        int id = ((cursor + step) % count + count) % count;
        std::string name = std::filesystem::path(fileNames[id]).filename().string();
        if (!name.empty() && std::toupper(static_cast<unsigned char>(name[0])) == wanted) return id;
    }
    return -1;
}

} // namespace qor
