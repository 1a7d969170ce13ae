#include "app/window/CommandRules.h"

#include <gtest/gtest.h>

using namespace qor;
using enum TCommandId;

namespace {

TCommandState With(int entries, int selected)
{
    TCommandState s;
    s.Entries = entries;
    s.Selected = selected;
    return s;
}

} // namespace

TEST(CommandRules, PictureCommandsFollowTheListAndTheSelection)
{
    struct TCase {
        TCommandId Id;
        TCommandState State;
        bool Enabled;
    } cases[] = {
        {ActSelectALL, With(0, 0), false},   {ActSelectALL, With(1, 0), true},
        {ActDelete, With(5, 0), false},      {ActDelete, With(5, 1), true},
        {ActRotateLeft, With(5, 0), false},  {ActRotateRight, With(5, 2), true},
        {ActCrop, With(5, 0), false},        {ActCrop, With(5, 1), true},
        {ActSortName, With(1, 1), false},    {ActSortName, With(2, 0), true},
        {ActNoSort, With(1, 0), false},      {ActSortAscend, With(1, 0), false},
        {ActSortDescend, With(2, 0), true},  {ActChangeImgDir, With(0, 0), false},
        {ActSavePrjAs, With(0, 0), false},   {ActSavePrjAs, With(3, 0), true},
        {ActSavePrj, With(0, 0), false},     {ActSavePrj, With(1, 0), true},
        {ActMake, With(0, 0), false},        {ActMake, With(1, 0), true},
        {ActNewPrj, With(0, 0), true},       {ActSetting, With(0, 0), true},
        {ActOpenByExplorer, With(3, 3), false},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(CommandEnabled(c.Id, c.State), c.Enabled) << static_cast<int>(c.Id) << " with "
                                                             << c.State.Entries << "/" << c.State.Selected;
}

TEST(CommandRules, StateBeyondTheListDecidesTheRest)
{
    TCommandState s;
    EXPECT_FALSE(CommandEnabled(ActUndo, s));
    s.CanUndo = true;
    EXPECT_TRUE(CommandEnabled(ActUndo, s));

    TCommandState titled;
    titled.HasProjectPath = true;
    EXPECT_TRUE(CommandEnabled(ActSavePrj, titled));

    TCommandState debug;
    debug.Debug = true;
    EXPECT_TRUE(CommandEnabled(ActMake, debug));
    EXPECT_TRUE(CommandEnabled(ActSavePrjAs, debug));
    debug.Building = true;
    for (TCommandId id : {ActMake, ActNewPrj, ActOpen, CloseProject}) EXPECT_FALSE(CommandEnabled(id, debug));
    for (TCommandId id : {ActSavePrjAs, ActQuit, ActSetting, ActAddPict}) EXPECT_TRUE(CommandEnabled(id, debug));

    TCommandState history;
    EXPECT_FALSE(CommandEnabled(ActRenamePrj, history));
    EXPECT_FALSE(CommandEnabled(ActDelNonExistHist, history));
    history.HistoryRows = 2;
    EXPECT_TRUE(CommandEnabled(ActDelNonExistHist, history));
    EXPECT_FALSE(CommandEnabled(ActRemovePrjHistory, history));
    history.HistoryRowSelected = true;
    EXPECT_TRUE(CommandEnabled(ActRenamePrj, history));
    EXPECT_TRUE(CommandEnabled(ActRemovePrjHistory, history));

    TCommandState out;
    EXPECT_FALSE(CommandEnabled(ActOpenHTMLDir, out));
    out.OutDirExists = true;
    EXPECT_TRUE(CommandEnabled(ActOpenHTMLDir, out));
    out.FileAtMouse = true;
    EXPECT_TRUE(CommandEnabled(ActOpenByExplorer, out));
}
