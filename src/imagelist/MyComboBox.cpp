#include "imagelist/MyComboBox.h"

#include "util/XEComText.h"

#include <algorithm>

namespace qor {

void TMyComboBox::FindText(const std::string& text)
{
    auto it = std::find(FItems.begin(), FItems.end(), text);
    FItemIndex = it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMyComboBox::SetItemStrings(const std::string& text)
{
    FItemStrings = text;
    FItems = SplitText(text, '|');
    FItemIndex = -1;
}

} // namespace qor
