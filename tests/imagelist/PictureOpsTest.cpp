// Rotating, crops, missing files, relinking to another folder, reloading thumbnails and
// closing.
#include "imagelist/ImgLSTestSupport.h"

#include <gtest/gtest.h>

using namespace qor;

namespace {

class PictureOps : public ::testing::Test {
protected:
    void SetUp() override
    {
        List.AssignFileLS({"/old/a.jpg", "/old/sub/b.jpg", "/old/c.jpg"});
        List.SetView(&View);
    }

    TThumbInfo& Entry(int id) { return *List.IdToPInfo(id); }

    TCustomImgLS List;
    qortest::TRecordingView View;
};

} // namespace

TEST_F(PictureOps, FlipTurnsSelectedEntriesByQuarterTurns)
{
    struct TCase {
        int Start;
        int Tag;
        int Expected;
    };
    const TCase cases[] = {{0, -1, 270},  {270, 1, 0},  {90, 1, 180},   {180, -1, 90}, {0, 2, 180},
                           {90, -3, 180}, {45, 1, 135}, {-90, -1, 180}, {1000, 1, 10}};
    for (const TCase& c : cases) {
        Entry(1).UserAngle = c.Start;
        Entry(1).Selected = true;
        List.Flip(c.Tag);
        EXPECT_EQ(Entry(1).UserAngle, c.Expected) << c.Start << " " << c.Tag;
    }
}

TEST_F(PictureOps, FlipDiscardsThumbnailsAndRedrawsOnlySelectedCells)
{
    for (int i = 0; i < 3; ++i)
        List.IdToPInfo(i)->bmp = qortest::PictureToken();
    Entry(0).Selected = Entry(2).Selected = true;
    Entry(0).Width = 640;
    Entry(0).Height = 480;
    List.Flip(1);
    EXPECT_EQ(View.CellsRedrawn, (std::vector<int>{0, 2}));
    EXPECT_EQ(Entry(0).bmp, nullptr);
    EXPECT_NE(Entry(1).bmp, nullptr);
    EXPECT_EQ(Entry(1).UserAngle, 0);
    EXPECT_EQ(Entry(0).Width, 640); // the size of the unrotated picture
    EXPECT_FALSE(List.CanUndo());
}

TEST_F(PictureOps, CropCountsOnlyValidRectanglesAndResetClearsAll)
{
    Entry(0).CropR = {0, 0, 10, 10};
    Entry(1).CropR = {5, 0, 5, 10}; // empty width
    Entry(2).CropR = {0, 9, 10, 3}; // upside down
    EXPECT_EQ(List.CountUserCrop(), 1);
    List.ResetUserCrop();
    EXPECT_EQ(List.CountUserCrop(), 0);
    EXPECT_EQ(Entry(2).CropR, TRect());
}

TEST_F(PictureOps, ChangeImageDirKeepsNamesAndFacts)
{
    EXPECT_EQ(List.CountNotFound(), 3);
    List.ChangeImageDir("/new");
    EXPECT_EQ(List.Items(), (TStringList{"/new/a.jpg", "/new/b.jpg", "/new/c.jpg"}));
    List.ChangeImageDir("/other/");
    EXPECT_EQ(List.GetFileName(0), "/other/a.jpg");
    EXPECT_EQ(List.CountNotFound(), 3); // facts are not read again
}

TEST_F(PictureOps, ReloadThumbClearsNotFoundAndThumbnails)
{
    Entry(0).bmp = qortest::PictureToken();
    int shown = 0;
    List.OnAssignedItemsShown = [&](TCustomImgLS&) { ++shown; };
    View.Redraws.clear();
    View.LoadingStarts = 0;
    List.ReloadThumb();
    EXPECT_EQ(List.CountNotFound(), 0);
    EXPECT_EQ(Entry(0).bmp, nullptr);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(View.Redraws, std::vector<TThumbLoading>{TThumbLoading::DrawingTime});
    EXPECT_EQ(View.LoadingStarts, 1);
}

TEST_F(PictureOps, CanCloseStopsRunningLoadersAndSaysNo)
{
    int stops = View.StopRequests;
    EXPECT_TRUE(List.CanClose());
    EXPECT_EQ(View.StopRequests, stops);
    View.Alive = true;
    EXPECT_FALSE(List.CanClose());
    EXPECT_EQ(View.StopRequests, stops + 1);
    TCustomImgLS withoutView;
    EXPECT_TRUE(withoutView.CanClose());
}
