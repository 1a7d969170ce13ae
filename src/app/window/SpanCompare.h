// Writing back the texts of the selected pictures: only the texts the user changed in the
// editors replace each entry's own. Free of Qt so it is tested on its own.
#pragma once

#include "imagelist/CompareInfo.h"

#include <string>

namespace qor {

// The description as an editor holds it: lines joined by LF; no lines for an empty text.
std::string MemoText(const TStringList& lines);
TStringList MemoLines(const std::string& text);

// Compares the editors' texts with the snapshot: a text the user left as shown is flagged
// unchanged (alt), and the editors' texts become the snapshot's. Answers whether any text
// changed.
bool TakeEditedTexts(TCompareInfo& info, const TUserInfo& edited);

// Whether every selected entry agrees on each text, for the editors' colours.
struct TSpanAgreement {
    bool Memo, Title, Topic, URL, Target;
    bool All() const { return Memo && Title && Topic && URL && Target; }
};
TSpanAgreement Agreement(const TCompareInfo& info);

} // namespace qor
