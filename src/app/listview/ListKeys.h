// The picture list's keyboard rules in numbers: where a cursor key moves the cursor, and which
// entry type-to-find jumps to.
#pragma once

#include "util/TextFile.h"

namespace qor {

enum class TListKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

struct TCursorMove {
    int Cursor = 0;     // limited to 0 .. count - 1
    bool ToTop = false; // the move went above the first entry: the view returns to the top
};

// The cursor a key starts from: the cursor, else the previous cursor, else 0 (positions beyond
// the list count as none).
int KeyStartCursor(int cursorId, int preCursorId, int count);
// A page is ColNum × max(1, page height / Gridh) entries.
int PageEntries(int colNum, int pageHeight, int gridh);
TCursorMove MoveCursor(TListKey key, int cursor, int count, int colNum, int pageEntries);
// The next entry after cursor, wrapping around to the cursor itself, whose file name without
// folder starts with the letter or digit (compared in upper case); -1 when none does.
int FindByInitial(const TStringList& fileNames, int cursor, char initial);

} // namespace qor
