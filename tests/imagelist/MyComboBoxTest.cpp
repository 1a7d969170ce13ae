// The drop-down list that selects the link target of a picture by its text.
#include "imagelist/MyComboBox.h"

#include <gtest/gtest.h>

using namespace qor;

TEST(MyComboBox, ItemStringsSplitAtBar)
{
    TMyComboBox box;
    box.SetItemStrings("_blank|_self");
    EXPECT_EQ(box.ItemStrings(), "_blank|_self");
    EXPECT_EQ(box.Items(), (TStringList{"_blank", "_self"}));
    box.SetItemStrings("a||b|");
    EXPECT_EQ(box.Items(), (TStringList{"a", "", "b"}));
    box.SetItemStrings("");
    EXPECT_TRUE(box.Items().empty());
}

TEST(MyComboBox, FindTextSelectsTheFirstExactMatchOrNothing)
{
    TMyComboBox box;
    box.SetItemStrings("_blank|_self|_blank");
    const std::pair<const char*, int> cases[] = {
        {"_self", 1}, {"_blank", 0}, {"", -1}, {"_SELF", -1}, {"_sel", -1}};
    for (auto [text, index] : cases) {
        box.FindText(text);
        EXPECT_EQ(box.ItemIndex(), index) << text;
    }
}
