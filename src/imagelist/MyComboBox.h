// TMyComboBox: the model of a drop-down list that selects an item by its text, such as the
// link target of a picture ("_blank", "_self").
#pragma once

#include "util/TextFile.h"

#include <string>

namespace qor {

class TMyComboBox {
public:
    const TStringList& Items() const { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    // Selects the first item equal to text, or nothing (-1) when none is.
    void FindText(const std::string& text);
    const std::string& ItemStrings() const { return FItemStrings; }
    // Stores the text; the items become its parts split at "|".
    void SetItemStrings(const std::string& text);

private:
    TStringList FItems;
    int FItemIndex = -1;
    std::string FItemStrings;
};

} // namespace qor
