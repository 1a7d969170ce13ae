// The selection snapshot through which several selected pictures get their texts edited at
// once: the texts that agree between them are shown, those that differ are shown empty and
// stay untouched unless the user types into them.
#pragma once

#include "imagelist/UndoStore.h"

namespace qor {

struct TCompareInfo {
    int32_t MatchCount = 0; // how many of the five texts agree in every snapshot entry
    bool chMemo = false, chTitle = false, chTopic = false, chURL = false, chTarget = false;
    // Set by the caller before CopyToSelInfo: true means the user left that text unchanged.
    bool altMemo = false, altTitle = false, altTopic = false, altURL = false, altTarget = false;
    TUserInfo Rep;    // the first entry's texts, with every text that differs made empty
    TThumbList SelLS; // the selected entries in list order when the snapshot was taken
};

// Takes the snapshot of the selected entries of list; true when at least one entry was
// selected and at least one text agrees between them.
bool CompareSelInfo(TCompareInfo& info, const TThumbList& list);
// Writes Rep's texts, except those flagged alt, into every snapshot entry.
void CopyToSelInfo(const TCompareInfo& info);
// Empties the snapshot and Rep's description.
void ClearComparedInfo(TCompareInfo& info);

} // namespace qor
