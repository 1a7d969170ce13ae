// Ordering picture entries by one of the list's sort keys. Name, title and banner text
// compare with ASCII letters folded; size and the two dates by value. Entries with equal
// keys end in no defined order.
#pragma once

#include "imagelist/UndoStore.h"

namespace qor {

enum class TILMSort { ilmNone, ilmName, ilmTitle, ilmSize, ilmDate, ilmUpdate, ilmTopic };

// ilmName first stores every entry's file name without folder in CompareDt. ilmNone
// leaves the order as it is in both directions.
void SortEntries(TThumbList& entries, TILMSort key, bool ascend);

} // namespace qor
