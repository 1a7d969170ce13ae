#include "app/listview/ListKeys.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using K = TListKey;

TEST(ListKeys, CursorStartsFromCursorThenPreviousThenTop)
{
    EXPECT_EQ(KeyStartCursor(4, 2, 10), 4);
    EXPECT_EQ(KeyStartCursor(-1, 2, 10), 2);
    EXPECT_EQ(KeyStartCursor(12, 2, 10), 2); // a stale cursor after a delete counts as none
    EXPECT_EQ(KeyStartCursor(-1, 11, 10), 0);
}

TEST(ListKeys, CursorMovesByTheTable)
{
    // 10 entries in 3 columns; a page of 6.
    struct Case {
        K key;
        int from, to;
        bool toTop;
    } cases[] = {
        {K::Left, 4, 3, false},     {K::Left, 0, 0, true},   {K::Right, 4, 5, false},
        {K::Right, 9, 9, false},    {K::Up, 4, 1, false},    {K::Up, 2, 2, false},
        {K::Down, 4, 7, false},     {K::Down, 7, 7, false},  {K::Down, 6, 9, false},
        {K::PageUp, 8, 2, false},   {K::PageUp, 3, 0, true}, {K::PageDown, 2, 8, false},
        {K::PageDown, 5, 9, false}, {K::Home, 7, 0, false},  {K::End, 1, 9, false},
    };
    for (const Case& c : cases) {
        TCursorMove m = MoveCursor(c.key, c.from, 10, 3, 6);
        EXPECT_EQ(m.Cursor, c.to) << int(c.key) << " from " << c.from;
        EXPECT_EQ(m.ToTop, c.toTop) << int(c.key) << " from " << c.from;
    }
}

TEST(ListKeys, PageIsWholeRowsOfTheView)
{
    EXPECT_EQ(PageEntries(3, 600, 183), 9);
    EXPECT_EQ(PageEntries(3, 100, 183), 3); // at least one row
    EXPECT_EQ(PageEntries(2, 366, 183), 4);
}

TEST(ListKeys, TypeToFindWrapsAround)
{
    TStringList names = {"/a/apple.jpg", "/a/Banana.jpg", "/b/avocado.png", "/a/cherry.jpg",
                         "/a/7up.gif"};
    EXPECT_EQ(FindByInitial(names, 0, 'A'), 2);
    EXPECT_EQ(FindByInitial(names, 2, 'A'), 0); // wraps past the end
    EXPECT_EQ(FindByInitial(names, 0, 'b'), 1);
    EXPECT_EQ(FindByInitial(names, 1, 'B'), 1); // the only match is the cursor itself
    EXPECT_EQ(FindByInitial(names, 3, '7'), 4);
    EXPECT_EQ(FindByInitial(names, 3, 'Z'), -1);
    EXPECT_EQ(FindByInitial({}, 0, 'A'), -1);
}

} // namespace
} // namespace qor
