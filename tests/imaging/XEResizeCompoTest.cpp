#include "imaging/XEResizeCompo.h"

#include "imaging/JpegCodec.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <thread>

namespace {

using namespace qor;
using qortest::ReadAll;
using qortest::TempDir;
namespace fs = std::filesystem;

// A picture with a gradient, so that a wrong crop or a swapped file shows in the bytes.
TBmpScan Pattern(int width, int height, int seed)
{
    TBmpScan picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.Scan(y)[x] = {static_cast<uint8_t>(x * 255 / width),
                                  static_cast<uint8_t>(y * 255 / height),
                                  static_cast<uint8_t>(seed * 40)};
    return picture;
}

// Runs the resizer's run to its end on this thread, recording its events.
struct TRun {
    TQueueDispatcher mainThread;
    TXEResizeCompo resizer{mainThread};
    std::vector<std::pair<int, int>> eachResized; // id, count
    std::vector<std::string> trace;
    std::vector<int> failed;
    std::vector<int> writeFailed;
    int allResized = 0;
    int allThreadEnd = 0;
    std::thread::id eventThread;

    TRun()
    {
        resizer.AspectWidth = 72;
        resizer.AspectHeight = 30;
        resizer.ThumbAspectWidth = 12;
        resizer.ThumbAspectHeight = 6;
        resizer.OnEachResized = [this](TXEResizeCompo&, int id, int count) {
            EXPECT_EQ(std::this_thread::get_id(), eventThread);
            eachResized.push_back({id, count});
        };
        resizer.OnAllResized = [this](TXEResizeCompo&) { ++allResized; };
        resizer.OnAllThreadEnd = [this](TXEResizeCompo&) { ++allThreadEnd; };
        resizer.OnTrace = [this](TXEResizeCompo&, const std::string& line) {
            trace.push_back(line);
        };
        resizer.OnPictureFailed = [this](TXEResizeCompo&, int id, const std::string&,
                                         const std::string&) { failed.push_back(id); };
        resizer.OnWriteFailed = [this](TXEResizeCompo&, int id, const std::string&,
                                       const std::string&) { writeFailed.push_back(id); };
        eventThread = std::this_thread::get_id();
    }

    void Execute(const std::vector<TResizeItem>& items)
    {
        ASSERT_TRUE(resizer.Execute(items));
        mainThread.RunUntil([this] { return allThreadEnd > 0; });
    }
};

std::vector<TResizeItem> Pictures(const TempDir& dir, int count, int width = 200, int height = 100)
{
    std::vector<TResizeItem> items;
    for (int i = 0; i < count; ++i) {
        fs::path file = dir / ("src" + std::to_string(i) + ".jpg");
        SaveJpeg(file, Pattern(width, height, i), 90);
        items.push_back({file.string(), 0, {}});
    }
    return items;
}

TEST(XEResizeCompo, SharesPositionsAmongWorkersAndCountsEveryPicture)
{
    TempDir dir;
    TRun run;
    run.resizer.SetThreadNum(3);
    run.resizer.SetOutDir((dir / "out").string());
    run.Execute(Pictures(dir, 10));
    for (int n = 1; n <= 10; ++n) {
        EXPECT_TRUE(fs::exists(dir / ("out/img" + std::to_string(n) + ".jpg"))) << n;
        EXPECT_TRUE(fs::exists(dir / ("out/thumb/" + std::to_string(n) + ".jpg"))) << n;
    }
    ASSERT_EQ(run.eachResized.size(), 10u);
    std::set<int> ids;
    for (size_t i = 0; i < run.eachResized.size(); ++i) {
        EXPECT_EQ(run.eachResized[i].second, static_cast<int>(i) + 1);
        ids.insert(run.eachResized[i].first);
    }
    EXPECT_EQ(ids.size(), 10u);
    EXPECT_EQ(run.allResized, 1);
    EXPECT_EQ(run.allThreadEnd, 1);
    EXPECT_EQ(run.trace.size(), 3u);
    EXPECT_TRUE(run.resizer.CanClose());
}

TEST(XEResizeCompo, WritesTheSameFilesAsASerialRun)
{
    TempDir dir;
    std::vector<TResizeItem> items = Pictures(dir, 7, 157, 91);
    items[2].UserAngle = 90;
    items[4].CropR = {10, 5, 110, 60};
    TRun serial, parallel;
    serial.resizer.SetOutDir((dir / "serial").string());
    serial.Execute(items);
    parallel.resizer.SetThreadNum(4);
    parallel.resizer.SetOutDir((dir / "parallel").string());
    parallel.Execute(items);
    for (int n = 1; n <= 7; ++n) {
        std::string name = "img" + std::to_string(n) + ".jpg";
        EXPECT_EQ(ReadAll(dir / "serial" / name), ReadAll(dir / "parallel" / name)) << name;
        std::string thumb = "thumb/" + std::to_string(n) + ".jpg";
        EXPECT_EQ(ReadAll(dir / "serial" / thumb), ReadAll(dir / "parallel" / thumb)) << thumb;
    }
}

TEST(XEResizeCompo, WorkersWithoutPositionsStillReportTheirEnd)
{
    TempDir dir;
    TRun run;
    run.resizer.SetThreadNum(4);
    run.resizer.SetOutDir((dir / "out").string());
    run.Execute(Pictures(dir, 1));
    EXPECT_EQ(run.eachResized.size(), 1u);
    EXPECT_EQ(run.allResized, 1);
    EXPECT_EQ(run.allThreadEnd, 1);
    EXPECT_EQ(run.trace.size(), 4u);
    for (const std::string& line : run.trace)
        EXPECT_EQ(line.rfind("ResizeThreadDone ", 0), 0u);
}

TEST(XEResizeCompo, PropertiesKeepTheirRules)
{
    TQueueDispatcher mainThread;
    TXEResizeCompo resizer(mainThread);
    EXPECT_EQ(resizer.ThreadNum(), 1);
    EXPECT_EQ(resizer.AspectWidth, 720);
    EXPECT_EQ(resizer.AspectHeight, 300);
    EXPECT_EQ(resizer.ThumbAspectWidth, 114);
    EXPECT_EQ(resizer.ThumbAspectHeight, 60);
    EXPECT_EQ(resizer.ImageQuality, 80);
    resizer.SetThreadNum(0);
    EXPECT_EQ(resizer.ThreadNum(), 1);
    resizer.SetThreadNum(-5);
    EXPECT_EQ(resizer.ThreadNum(), 1);
    resizer.SetOutDir("/tmp/x");
    EXPECT_EQ(resizer.OutDir(), "/tmp/x/");
}

TEST(XEResizeCompo, WithoutThumbnailsTheThumbFolderIsStillMade)
{
    TempDir dir;
    TRun run;
    run.resizer.MakeThumb = false;
    run.resizer.SetOutDir((dir / "out").string());
    run.Execute(Pictures(dir, 2));
    EXPECT_TRUE(fs::exists(dir / "out/img2.jpg"));
    EXPECT_TRUE(fs::is_directory(dir / "out/thumb"));
    EXPECT_TRUE(fs::is_empty(dir / "out/thumb"));
}

TEST(XEResizeCompo, SkipResizeLeavesExistingFilesAndCountsThem)
{
    TempDir dir;
    std::vector<TResizeItem> items = Pictures(dir, 2);
    dir.Write("out/img1.jpg", "kept");
    dir.Write("out/thumb/1.jpg", "kept");
    dir.Write("out/img2.jpg", "replaced: no thumbnail yet");
    TRun run;
    run.resizer.SkipResize = true;
    run.resizer.SetOutDir((dir / "out").string());
    run.Execute(items);
    EXPECT_EQ(ReadAll(dir / "out/img1.jpg"), "kept");
    EXPECT_EQ(ReadAll(dir / "out/thumb/1.jpg"), "kept");
    EXPECT_NE(ReadAll(dir / "out/img2.jpg"), "replaced: no thumbnail yet");
    EXPECT_EQ(run.eachResized.size(), 2u);
    EXPECT_EQ(run.allResized, 1);
}

TEST(XEResizeCompo, SameSizeJpegIsCopiedAndItsThumbnailMadeFromThePicture)
{
    TempDir dir;
    std::vector<TResizeItem> items = Pictures(dir, 1, 72, 30);
    items[0].CropR = {0, 0, 36, 15}; // ignored on the copy path
    TRun run;
    run.resizer.NoResizeSameSizeJPEG = true;
    int cropped = 0;
    run.resizer.OnBmpCropped = [&](TXEResizeCompo&, TBmpScan& bmp) {
        ++cropped;
        EXPECT_EQ(bmp.Width(), 72);
        EXPECT_EQ(bmp.Height(), 30);
        bmp = TBmpScan(72, 30); // another picture in its place: white
    };
    run.resizer.SetOutDir((dir / "out").string());
    run.Execute(items);
    EXPECT_EQ(cropped, 1);
    EXPECT_EQ(ReadAll(dir / "out/img1.jpg"), ReadAll(items[0].FileName));
    TBmpScan thumb = DecodeJpeg(
        [&] {
            std::string bytes = ReadAll(dir / "out/thumb/1.jpg");
            return std::vector<uint8_t>(bytes.begin(), bytes.end());
        }(),
        "thumb");
    EXPECT_GT(thumb.Scan(3)[6].g, 240); // the handler's picture reaches the thumbnail
}

TEST(XEResizeCompo, ExecuteDuringARunAnswersFalse)
{
    TempDir dir;
    TRun run;
    run.resizer.SetOutDir((dir / "out").string());
    std::vector<TResizeItem> items = Pictures(dir, 3);
    ASSERT_TRUE(run.resizer.Execute(items));
    EXPECT_FALSE(run.resizer.Execute(items));
    run.mainThread.RunUntil([&] { return run.allThreadEnd > 0; });
    EXPECT_EQ(run.eachResized.size(), 3u);
    EXPECT_EQ(run.allThreadEnd, 1);
}

TEST(XEResizeCompo, MissingAndDamagedPicturesCountWithNothingWritten)
{
    TempDir dir;
    std::vector<TResizeItem> items = Pictures(dir, 8);
    items[1].FileName = (dir / "gone.jpg").string();
    items[4].FileName = dir.Write("bad.jpg", "\xFF\xD8\xFF\xE0 not a picture").string();
    TRun run;
    run.resizer.SetThreadNum(2);
    run.resizer.SetOutDir((dir / "out").string());
    run.Execute(items);
    EXPECT_FALSE(fs::exists(dir / "out/img2.jpg"));
    EXPECT_FALSE(fs::exists(dir / "out/img5.jpg"));
    for (int n : {1, 3, 4, 6, 7, 8})
        EXPECT_TRUE(fs::exists(dir / ("out/img" + std::to_string(n) + ".jpg"))) << n;
    EXPECT_EQ(run.failed, std::vector<int>{4});
    EXPECT_EQ(run.eachResized.size(), 8u);
    EXPECT_EQ(run.allResized, 1);
    EXPECT_EQ(run.allThreadEnd, 1);
}

TEST(XEResizeCompo, AWriteFailureStopsOnlyThatWorker)
{
    TempDir dir;
    std::vector<TResizeItem> items = Pictures(dir, 8);
    fs::create_directories(dir / "out/img5.jpg"); // position 4 cannot be written
    TRun run;
    run.resizer.SetThreadNum(2);
    run.resizer.SetOutDir((dir / "out").string());
    run.Execute(items);
    EXPECT_EQ(run.writeFailed, std::vector<int>{4});
    // The other worker takes every position left, so only the failed picture is missing.
    for (int n : {1, 2, 3, 4, 6, 7, 8})
        EXPECT_TRUE(fs::exists(dir / ("out/img" + std::to_string(n) + ".jpg"))) << n;
    EXPECT_EQ(run.eachResized.size(), 7u);
    EXPECT_EQ(run.allResized, 0);
    EXPECT_EQ(run.allThreadEnd, 1);
}

TEST(XEResizeCompo, AbortLetsTheStepUnderWayCompleteAndStopsTheRest)
{
    TempDir dir;
    TRun run;
    run.resizer.SetOutDir((dir / "out").string());
    run.resizer.OnEachResized = [&](TXEResizeCompo& sender, int id, int count) {
        run.eachResized.push_back({id, count});
        if (count == 3) sender.Abort();
    };
    run.Execute(Pictures(dir, 10));
    EXPECT_EQ(run.eachResized.size(), 3u);
    EXPECT_TRUE(fs::exists(dir / "out/img3.jpg"));
    EXPECT_TRUE(fs::exists(dir / "out/thumb/3.jpg"));
    EXPECT_FALSE(fs::exists(dir / "out/img4.jpg"));
    EXPECT_EQ(run.allResized, 0);
    EXPECT_EQ(run.allThreadEnd, 1);
}

TEST(XEResizeCompo, ACropPartlyOutsideThePictureFallsBackToTheCentredCrop)
{
    TempDir dir;
    std::vector<TResizeItem> items = Pictures(dir, 1);
    std::vector<TResizeItem> outside = items;
    outside[0].CropR = {150, 0, 260, 50};
    TRun plain, cropped;
    plain.resizer.SetOutDir((dir / "plain").string());
    plain.Execute(items);
    cropped.resizer.SetOutDir((dir / "cropped").string());
    cropped.Execute(outside);
    EXPECT_EQ(ReadAll(dir / "plain/img1.jpg"), ReadAll(dir / "cropped/img1.jpg"));
}

} // namespace

// Each handler the workers run on the main thread throws once: OnBmpCropped's exception is
// that picture's failure; any other leaves the main loop with its reason, and the resizer is
// torn down afterwards without waiting for ever and without std::terminate.
TEST(XEResizeCompo, AThrowingHandlerNeverReachesAWorker)
{
    using TArm = std::function<void(TRun&)>;
    auto fail = [] { throw std::runtime_error("handler broke"); };
    const std::vector<std::pair<const char*, TArm>> handlers = {
        {"OnEachResized",
         [&](TRun& r) { r.resizer.OnEachResized = [&](TXEResizeCompo&, int, int) { fail(); }; }},
        {"OnAllResized", [&](TRun& r) { r.resizer.OnAllResized = [&](TXEResizeCompo&) { fail(); }; }},
        {"OnAllThreadEnd",
         [&](TRun& r) { r.resizer.OnAllThreadEnd = [&](TXEResizeCompo&) { fail(); }; }},
        {"OnTrace",
         [&](TRun& r) {
             r.resizer.OnTrace = [&](TXEResizeCompo&, const std::string&) { fail(); };
         }},
        {"OnPictureFailed",
         [&](TRun& r) {
             r.resizer.OnBmpCropped = [&](TXEResizeCompo&, TBmpScan&) { fail(); };
             r.resizer.OnPictureFailed = [&](TXEResizeCompo&, int, const std::string&,
                                             const std::string&) { fail(); };
         }},
        {"OnWriteFailed",
         [&](TRun& r) {
             r.resizer.OnWriteFailed = [&](TXEResizeCompo&, int, const std::string&,
                                           const std::string&) { fail(); };
         }},
    };
    for (const auto& [name, arm] : handlers) {
        SCOPED_TRACE(name);
        TempDir dir;
        std::vector<TResizeItem> items = Pictures(dir, 6);
        if (name == std::string("OnWriteFailed"))
            fs::create_directories(dir / "out/img1.jpg"); // position 0 cannot be written
        auto run = std::make_unique<TRun>();
        arm(*run);
        run->resizer.SetThreadNum(2);
        run->resizer.SetOutDir((dir / "out").string());
        ASSERT_TRUE(run->resizer.Execute(items));
        try {
            run->mainThread.RunUntil([&] { return run->allThreadEnd > 0; });
            ADD_FAILURE() << "the handler's exception did not leave the main loop";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "handler broke");
        }
        run.reset(); // must neither hang nor terminate
    }

    TempDir dir;
    TRun drawing;
    drawing.resizer.OnBmpCropped = [&](TXEResizeCompo&, TBmpScan&) { fail(); };
    drawing.resizer.SetThreadNum(2);
    drawing.resizer.SetOutDir((dir / "out").string());
    drawing.Execute(Pictures(dir, 4));
    EXPECT_EQ(drawing.failed.size(), 4u);
    EXPECT_FALSE(fs::exists(dir / "out/img1.jpg"));
    EXPECT_EQ(drawing.allResized, 1);
}

// The owner's loop stopped while workers wait for the main thread (a handler threw, or the
// program is closing), with the dispatcher still open or already closed: tearing the resizer
// down releases and joins them, and no event runs afterwards.
TEST(XEResizeCompo, TornDownWhileWorkersWaitForTheMainThread)
{
    for (bool closeDispatcherFirst : {false, true}) {
        SCOPED_TRACE(closeDispatcherFirst);
        TempDir dir;
        TQueueDispatcher mainThread;
        auto resizer = std::make_unique<TXEResizeCompo>(mainThread);
        int events = 0;
        resizer->OnEachResized = [&](TXEResizeCompo&, int, int) { ++events; };
        resizer->OnAllThreadEnd = [&](TXEResizeCompo&) { ++events; };
        resizer->SetThreadNum(2);
        resizer->SetOutDir((dir / "out").string());
        ASSERT_TRUE(resizer->Execute(Pictures(dir, 6)));
        std::this_thread::sleep_for(std::chrono::milliseconds(50)); // let workers reach a wait
        if (closeDispatcherFirst) mainThread.Close();
        resizer.reset();
        mainThread.ProcessPending(); // what the workers queued finds its resizer gone
        EXPECT_EQ(events, 0);
    }
}
