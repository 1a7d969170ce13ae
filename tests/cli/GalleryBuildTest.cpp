// qorgallery build end to end: real gallery folders written in this process, checked by
// their files, picture sizes, printed lines and exit statuses.
#include "cli/GalleryBuildSupport.h"

#include "util/TRect.h"
#include "util/UnitMsg.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

// The watermark reaches fontconfig, which keeps its configuration for the whole process and
// frees it only in FcFini; the leak checker of the sanitizer build would report that cache.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

namespace {

using namespace qortest;
using qor::ExitFailure;
using qor::ExitInterrupted;
using qor::ExitOk;
using qor::ExitPicturesMissing;

// A folder of generated pictures and a gallery folder beside it.
class GalleryBuildTest : public testing::Test {
protected:
    fs::path Pictures() const { return FDir / "pics"; }
    fs::path Gallery() const { return FDir / "gallery"; }
    fs::path Page() const { return Gallery() / "index.html"; }

    // Pictures named p01.jpg, p02.jpg, … so that the folder's order is their number.
    void AddPictures(int count, int width = 240, int height = 120)
    {
        for (int i = 0; i < count; ++i)
            WritePicture(Pictures() / qor::Format("p%.2d.jpg", {FPictureCount + i + 1}), width,
                         height, FPictureCount + i);
        FPictureCount += count;
    }

    // The build of the picture folder into the gallery folder at the small sizes.
    std::vector<std::string> Args(const std::vector<std::string>& extra = {},
                                  const fs::path& gallery = {}) const
    {
        std::vector<std::string> args = {"--pictures", Pictures().string(), "--out",
                                         (gallery.empty() ? Gallery() : gallery).string()};
        for (const std::string& arg : SmallGallerySettings())
            args.push_back(arg);
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }

    // A finished build: exit 0, the page's path printed last after the lap line.
    void ExpectWritten(const TBuildRun& run, const fs::path& page) const
    {
        EXPECT_EQ(run.Status, ExitOk) << run.Err;
        EXPECT_EQ(run.LastOutLine(), page.string());
        EXPECT_TRUE(run.PrintedLap());
        EXPECT_TRUE(fs::exists(page));
    }

    TempDir FDir;
    int FPictureCount = 0;
};

class GalleryBuildControllerTest : public GalleryBuildTest,
                                   public testing::WithParamInterface<int> {};

TEST_P(GalleryBuildControllerTest, WritesEverySlidePictureAndThumbnailsUnlessTypeThree)
{
    AddPictures(2);
    // Stored sideways with an EXIF turn: the slide picture still has the gallery's size.
    fs::copy_file(TestData("exif-orientation/Portrait_6.jpg"), Pictures() / "p03.jpg");
    int type = GetParam();
    TBuildRun run = Build(Args({"--set", "ControllerType=" + std::to_string(type)}));
    ExpectWritten(run, Page());
    // Without --wrapper-classes the class rules stay unprefixed.
    EXPECT_EQ(ReadAll(Gallery() / "css" / "style.css").find("#qo_wrapper1 .qo"), std::string::npos);
    EXPECT_TRUE(fs::exists(Gallery() / "js" / "jquery.qorslider.min.js"));
    bool thumbnails = type != 3;
    ExpectPictures(Gallery(), 3, thumbnails);
    EXPECT_FALSE(fs::exists(SlideFile(Gallery(), 4)));
    EXPECT_TRUE(fs::is_directory(Gallery() / "img" / "thumb"));
}

INSTANTIATE_TEST_SUITE_P(ControllerTypes, GalleryBuildControllerTest, testing::Values(0, 1, 2, 3));

TEST_F(GalleryBuildTest, NamesTitleIdentifierWrapperClassesAndCounterReachTheGallery)
{
    AddPictures(12, 40, 20);
    TBuildRun run = Build(Args({"--html", "gallery", "--css", "main.txt", "--title", "Summer 2026",
                                "--id", "3", "--wrapper-classes"}));
    ExpectWritten(run, Gallery() / "gallery.html");
    EXPECT_FALSE(fs::exists(Page()));
    EXPECT_NE(ReadAll(Gallery() / "css" / "main.css").find("#qo_wrapper3 .qo"), std::string::npos);
    std::string page = ReadAll(Gallery() / "gallery.html");
    EXPECT_NE(page.find("<title>Summer 2026</title>"), std::string::npos);
    EXPECT_NE(page.find("css/main.css"), std::string::npos);
    EXPECT_NE(page.find("qo_wrapper3"), std::string::npos);
    ExpectPictures(Gallery(), 12, true);

    std::vector<std::string> counter;
    for (const std::string& line : run.OutLines())
        if (line.ends_with("/12")) counter.push_back(line);
    ASSERT_EQ(counter.size(), 13u) << run.Out;
    EXPECT_EQ(counter.front(), "  0/12");
    EXPECT_EQ(counter.back(), " 12/12");
}

// What the gallery folder held before the build: another program's page or style sheet,
// nothing, a file of the user's that a build does not write, or our own earlier build.
struct TForeignCase {
    const char* Name;
    const char* Before;
    std::vector<std::string> Options;
    int Status;
};

class GalleryBuildForeignTest : public GalleryBuildTest,
                                public testing::WithParamInterface<TForeignCase> {};

TEST_P(GalleryBuildForeignTest, AFileNoBuildWroteIsReplacedOnlyWithForce)
{
    AddPictures(2, 40, 20);
    const std::string before = GetParam().Before;
    const std::string theirs = "<html>their own page</html>";
    fs::create_directories(Gallery());
    if (before == "earlier build") {
        ASSERT_EQ(Build(Args()).Status, ExitOk);
    } else if (before != "empty") {
        FDir.Write("gallery/" + before, theirs);
    }

    TBuildRun run = Build(Args(GetParam().Options));
    EXPECT_EQ(run.Status, GetParam().Status) << run.Err;
    if (GetParam().Status == ExitFailure) {
        EXPECT_EQ(run.Err, "qorgallery build: " + Gallery().string() +
                               "/ holds files that no gallery build wrote:\n  " + before +
                               "\nGive --force to replace them.\n");
        EXPECT_EQ(ReadAll(Gallery() / before), theirs);
        EXPECT_FALSE(fs::exists(SlideFile(Gallery(), 1)));
    } else {
        ExpectWritten(run, Page());
        ExpectPictures(Gallery(), 2, true);
        EXPECT_NE(ReadAll(Page()), theirs);
        if (before == "notes.txt") {
            EXPECT_EQ(ReadAll(Gallery() / before), theirs);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, GalleryBuildForeignTest,
    testing::Values(TForeignCase{"TheirPage", "index.html", {}, ExitFailure},
                    TForeignCase{"TheirStyleSheet", "css/style.css", {}, ExitFailure},
                    TForeignCase{"TheirScript", "js/jquery.qorslider.min.js", {}, ExitFailure},
                    TForeignCase{"TheirPageForced", "index.html", {"--force"}, ExitOk},
                    TForeignCase{"Empty", "empty", {}, ExitOk},
                    TForeignCase{"TheirNotes", "notes.txt", {}, ExitOk},
                    TForeignCase{"EarlierBuild", "earlier build", {}, ExitOk}),
    [](const testing::TestParamInfo<TForeignCase>& info) { return info.param.Name; });

// --lazy changes the page only where a picture names its file: every thumbnail and every
// slide but the first give it in data-src; the style sheet and the pictures stay the same.
TEST_F(GalleryBuildTest, LazyNamesPicturesInDataSrcAndChangesNothingElse)
{
    AddPictures(5, 40, 20);
    ExpectWritten(Build(Args()), Page());
    fs::path lazyGallery = FDir / "lazy";
    ExpectWritten(Build(Args({"--lazy"}, lazyGallery)), lazyGallery / "index.html");
    std::string plain = ReadAll(Page());
    std::string lazy = ReadAll(lazyGallery / "index.html");
    EXPECT_NE(plain, lazy);
    int renamed = 0;
    for (size_t at = lazy.find("data-src=\""); at != std::string::npos; at = lazy.find("data-src=\"", at + 1))
        ++renamed;
    EXPECT_EQ(renamed, 5 + 4);
    EXPECT_NE(lazy.find("<img src=\"img/img1.jpg\""), std::string::npos);
    std::string restored = lazy;
    for (size_t at = restored.find("data-src=\""); at != std::string::npos; at = restored.find("data-src=\"", at))
        restored.erase(at, 5);
    EXPECT_EQ(restored, plain);
    EXPECT_EQ(ReadAll(lazyGallery / "css" / "style.css"), ReadAll(Gallery() / "css" / "style.css"));
    ExpectPictures(lazyGallery, 5, true);
}

TEST_F(GalleryBuildTest, DemoModeIsNotedAndTheDemoPageWritten)
{
    AddPictures(2);
    TBuildRun run = Build(Args({"--demo"}));
    ExpectWritten(run, Page());
    EXPECT_TRUE(run.Out.starts_with(
        AsPrinted("Settings - Environment - Demo output mode is on.\r\r"
                  "A demo page of every transition is written with the current gallery settings.\n")))
        << run.Out;
    EXPECT_TRUE(fs::exists(Gallery() / "css" / "gallerydemo.css"));
    ExpectPictures(Gallery(), 2, true);
}

// An environment variable set for the length of a test, then put back as it was.
class TEnvSetting {
public:
    TEnvSetting(const char* name, const std::string& value) : FName(name)
    {
        const char* old = std::getenv(name);
        FHadValue = old != nullptr;
        if (old) FOldValue = old;
        setenv(name, value.c_str(), 1);
    }
    ~TEnvSetting()
    {
        if (FHadValue)
            setenv(FName, FOldValue.c_str(), 1);
        else
            unsetenv(FName);
    }

private:
    const char* FName;
    bool FHadValue;
    std::string FOldValue;
};

// A desktop whose xdg-open is a script of the test's own that notes what it was given.
class TStandInDesktop {
public:
    explicit TStandInDesktop(const TempDir& dir)
        : FOpened(dir / "opened"),
          FPath("PATH",
                (dir / "bin").string() + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "")),
          FDisplay("DISPLAY", ":99")
    {
        fs::path script = dir.Write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" +
                                                        FOpened.string() + "'\n");
        fs::permissions(script, fs::perms::owner_all);
    }
    std::string Opened() const { return fs::exists(FOpened) ? ReadAll(FOpened) : ""; }

private:
    fs::path FOpened;
    TEnvSetting FPath, FDisplay;
};

TEST_F(GalleryBuildTest, OpenHandsTheWrittenPageToTheDesktop)
{
    AddPictures(1);
    TStandInDesktop desktop(FDir);
    ExpectWritten(Build(Args()), Page());
    EXPECT_EQ(desktop.Opened(), "");
    ExpectWritten(Build(Args({"--open"})), Page());
    EXPECT_EQ(desktop.Opened(), Page().string() + "\n");
}

// The bounds of the pixels in which two pictures of one size differ; empty when none do.
qor::TRect DifferenceBounds(const qor::TBmpScan& a, const qor::TBmpScan& b)
{
    qor::TRect bounds{a.Width(), a.Height(), 0, 0};
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            const qor::TTriple &p = a.Scan(y)[x], &q = b.Scan(y)[x];
            if (p.r == q.r && p.g == q.g && p.b == q.b) continue;
            bounds = {std::min(bounds.Left, x), std::min(bounds.Top, y),
                      std::max(bounds.Right, x + 1), std::max(bounds.Bottom, y + 1)};
        }
    return bounds;
}

void ExpectMarkedInBottomRightOnly(const fs::path& plain, const fs::path& marked)
{
    SCOPED_TRACE(marked.string());
    qor::TBmpScan a = Decode(plain), b = Decode(marked);
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    qor::TRect changed = DifferenceBounds(a, b);
    ASSERT_TRUE(changed.Left < changed.Right) << "no watermark";
    EXPECT_GE(changed.Left, a.Width() / 2);
    EXPECT_GE(changed.Top, a.Height() / 2);
}

TEST_F(GalleryBuildTest, WatermarkMarksTheBottomRightOfPicturesButNotOfCopiedJpegs)
{
    AddPictures(2);
    fs::path sameSize = WritePicture(Pictures() / "p03.jpg", kSlideWidth, kSlideHeight, 7);
    fs::path plain = FDir / "plain";
    TBuildRun quiet = Build(Args({"--copy-same-size", "--quiet"}, plain));
    ASSERT_EQ(quiet.Status, ExitOk);
    EXPECT_EQ(quiet.Out, (plain / "index.html").string() + "\n"); // no progress, no lap
    TBuildRun run = Build(Args({"--copy-same-size", "--watermark", "Qorika"}));
    ExpectWritten(run, Page());
    for (int n = 1; n <= 2; ++n) {
        ExpectMarkedInBottomRightOnly(SlideFile(plain, n), SlideFile(Gallery(), n));
        ExpectMarkedInBottomRightOnly(ThumbFile(plain, n), ThumbFile(Gallery(), n));
    }
    // The copy is the source byte for byte; the thumbnail is made from the marked picture.
    EXPECT_EQ(ReadAll(SlideFile(Gallery(), 3)), ReadAll(sameSize));
    ExpectMarkedInBottomRightOnly(ThumbFile(plain, 3), ThumbFile(Gallery(), 3));
}

struct TCopyCase {
    std::vector<std::string> Options;
    bool Copied;
};

class GalleryBuildCopyTest : public GalleryBuildTest,
                             public testing::WithParamInterface<TCopyCase> {};

TEST_P(GalleryBuildCopyTest, AJpegOfTheSlideSizeIsCopiedUnlessSwitchedOff)
{
    fs::path source = WritePicture(Pictures() / "p01.jpg", kSlideWidth, kSlideHeight, 1);
    ExpectWritten(Build(Args(GetParam().Options)), Page());
    ExpectPictures(Gallery(), 1, true);
    EXPECT_EQ(ReadAll(SlideFile(Gallery(), 1)) == ReadAll(source), GetParam().Copied);
}

INSTANTIATE_TEST_SUITE_P(CopyOptions, GalleryBuildCopyTest,
                         testing::Values(TCopyCase{{}, true}, TCopyCase{{"--copy-same-size"}, true},
                                         TCopyCase{{"--no-copy-same-size"}, false}));

// A JPEG as a camera writes it: EXIF naming the camera with a GPS position, XMP, IPTC, a
// comment and a second picture after its end, beside the colour profile that must stay.
std::string WithPrivateSegments(const std::string& jpeg)
{
    auto segment = [](uint8_t marker, const std::string& payload) {
        size_t length = payload.size() + 2;
        return std::string{'\xFF', char(marker), char(length >> 8), char(length & 0xFF)} + payload;
    };
    auto le16 = [](int v) { return std::string{char(v & 0xFF), char(v >> 8)}; };
    auto le32 = [&](int v) { return le16(v & 0xFFFF) + le16(v >> 16); };
    auto entry = [&](int tag, int type, int count, const std::string& value) {
        return le16(tag) + le16(type) + le32(count) + value;
    };
    // IFD0 at 8 (Make, GPSInfo), the GPS IFD at 38 (latitude reference), the make at 56.
    std::string tiff = "II*" + std::string(1, '\0') + le32(8) + le16(2) +
                       entry(0x010F, 2, 10, le32(56)) + entry(0x8825, 4, 1, le32(38)) + le32(0) +
                       le16(1) + entry(0x0001, 2, 2, std::string("N\0\0\0", 4)) + le32(0) +
                       std::string("SecretCam\0", 10);
    std::string exif = segment(0xE1, std::string("Exif\0\0", 6) + tiff);
    std::string xmp = segment(0xE1, std::string("http://ns.adobe.com/xap/1.0/\0", 29) + "<x:xmpmeta>secret-xmp</x:xmpmeta>");
    std::string iptc = segment(0xED, std::string("Photoshop 3.0\0", 14) + "secret-iptc");
    std::string icc = segment(0xE2, std::string("ICC_PROFILE\0\x01\x01", 14) + "kept-icc");
    std::string comment = segment(0xFE, "secret-comment");
    return jpeg.substr(0, 2) + exif + xmp + iptc + icc + jpeg.substr(2) + comment + "secret-trailer";
}

TEST_F(GalleryBuildTest, ACopiedJpegLosesWhatItSaysOfThePhotographUnlessKept)
{
    fs::path source = WritePicture(Pictures() / "p01.jpg", kSlideWidth, kSlideHeight, 1);
    const std::string plain = ReadAll(source);
    FDir.Write("pics/p01.jpg", WithPrivateSegments(plain));
    ExpectWritten(Build(Args()), Page());
    std::string published = ReadAll(SlideFile(Gallery(), 1));
    for (const char* secret : {"Exif", "SecretCam", "secret-xmp", "secret-iptc", "secret-comment", "secret-trailer"})
        EXPECT_EQ(published.find(secret), std::string::npos) << secret;
    EXPECT_NE(published.find("kept-icc"), std::string::npos);
    EXPECT_EQ(Decode(SlideFile(Gallery(), 1)).Width(), kSlideWidth);
    EXPECT_EQ(published.size(), plain.size() + 4 + 14 + 8) << "the picture data and the profile, nothing else";

    testing::internal::CaptureStdout();
    EXPECT_EQ(qor::RunExif({source.string(), SlideFile(Gallery(), 1).string()}), ExitOk);
    std::vector<std::string> exif = Lines(testing::internal::GetCapturedStdout());
    ASSERT_EQ(exif.size(), 2u);
    EXPECT_NE(exif[0].find("maker=\"SecretCam\""), std::string::npos) << exif[0];
    EXPECT_EQ(exif[1].find("maker="), std::string::npos) << exif[1];

    ExpectWritten(Build(Args({"--keep-metadata"})), Page());
    EXPECT_EQ(ReadAll(SlideFile(Gallery(), 1)), ReadAll(source));
}

TEST_F(GalleryBuildTest, SkipResizeKeepsPicturesAlreadyThereAndMakesTheMissingOnes)
{
    AddPictures(3);
    ASSERT_EQ(Build(Args()).Status, ExitOk);
    // A stand-in of another size shows whether picture 1 was written again.
    WritePicture(SlideFile(Gallery(), 1), 10, 10, 0);
    fs::remove(ThumbFile(Gallery(), 2));
    // Kept pictures are not read again, so their files may have gone meanwhile.
    fs::path third = Pictures() / "p03.jpg";
    std::string thirdBytes = ReadAll(third);
    fs::remove(third);

    ExpectWritten(Build(Args({"--skip-resize"})), Page());
    ExpectPictureSize(SlideFile(Gallery(), 1), 10, 10);
    ExpectPictureSize(ThumbFile(Gallery(), 2), kThumbWidth, kThumbHeight);
    ExpectPictureSize(SlideFile(Gallery(), 3), kSlideWidth, kSlideHeight);

    FDir.Write("pics/p03.jpg", thirdBytes);
    ExpectWritten(Build(Args()), Page());
    ExpectPictures(Gallery(), 3, true);
}

int FilesIn(const fs::path& folder)
{
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        count += entry.is_regular_file();
    return count;
}

// Blocks SIGINT on the test thread (and so on every thread started later) for the test's
// length, and drops a SIGINT that would come after the build's watch ended instead of
// ending the test program.
class TInterruptBlocked {
public:
    TInterruptBlocked()
    {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGINT);
        pthread_sigmask(SIG_BLOCK, &set, &FOldMask);
        FOldAction = std::signal(SIGINT, SIG_IGN);
    }
    ~TInterruptBlocked()
    {
        std::signal(SIGINT, FOldAction);
        pthread_sigmask(SIG_SETMASK, &FOldMask, nullptr);
    }

private:
    sigset_t FOldMask;
    void (*FOldAction)(int);
};

TEST_F(GalleryBuildTest, CtrlCStopsTheBuildKeepsWrittenPicturesAndWritesNoPage)
{
    constexpr int count = 40;
    AddPictures(count, 400, 300);
    TInterruptBlocked blocked;
    std::atomic<bool> building = true;
    std::thread pressCtrlC([&] {
        while (building && !fs::exists(SlideFile(Gallery(), 1)) &&
               !fs::exists(SlideFile(Gallery(), 2)))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        if (building) kill(getpid(), SIGINT);
    });
    TBuildRun run = Build(Args());
    building = false;
    pressCtrlC.join();

    EXPECT_EQ(run.Status, ExitInterrupted) << run.Out;
    EXPECT_TRUE(run.PrintedLap());
    EXPECT_FALSE(fs::exists(Page()));
    EXPECT_EQ(run.Out.find(Page().string()), std::string::npos);
    // The picture under way when the build stopped was finished with its thumbnail.
    int written = FilesIn(Gallery() / "img");
    EXPECT_GE(written, 1);
    EXPECT_LT(written, count);
    EXPECT_EQ(FilesIn(Gallery() / "img" / "thumb"), written);
}

// Into a fresh folder, or over an earlier build of the same project whose pictures of
// those numbers are still there: either way the page does not show what the project names.
class GalleryBuildUnmadeTest : public GalleryBuildTest, public testing::WithParamInterface<bool> {
protected:
    bool OverAnEarlierBuild() const { return GetParam(); }
};

TEST_P(GalleryBuildUnmadeTest, PicturesThatCannotBeMadeAreNamedAndThePageStillWritten)
{
    AddPictures(5);
    fs::path project = FDir / "holiday.qor";
    testing::internal::CaptureStdout();
    int made = qor::RunNew(
        {project.string(), "--pictures", Pictures().string(), "--set", "PageTitle=Holiday"});
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(made, ExitOk);
    std::vector<std::string> args = {project.string(), "--out", Gallery().string()};
    for (const std::string& arg : SmallGallerySettings())
        args.push_back(arg);
    if (OverAnEarlierBuild()) {
        ASSERT_EQ(Build(args).Status, ExitOk);
    }
    fs::path damaged = FDir.Write("pics/p03.jpg", "\xff\xd8\xff\xe0 this is no picture");
    fs::path gone = Pictures() / "p04.jpg";
    fs::remove(gone);
    // A named pipe where a picture was: no writer ever comes, so opening it must not wait.
    fs::path pipe = Pictures() / "p05.jpg";
    fs::remove(pipe);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    TBuildRun run = Build(args);
    EXPECT_EQ(run.Status, ExitPicturesMissing);
    EXPECT_EQ(run.LastOutLine(), Page().string());
    EXPECT_NE(ReadAll(Page()).find("<title>Holiday</title>"), std::string::npos);
    ExpectPictures(Gallery(), 2, true);
    EXPECT_EQ(fs::exists(SlideFile(Gallery(), 3)), OverAnEarlierBuild());
    EXPECT_EQ(fs::exists(SlideFile(Gallery(), 4)), OverAnEarlierBuild());
    EXPECT_EQ(fs::exists(SlideFile(Gallery(), 5)), OverAnEarlierBuild());
    // One line for each, naming the file once, then the reason.
    for (const fs::path& file : {damaged, gone, pipe}) {
        std::string warning = "warning: " + file.string() + ": ";
        EXPECT_EQ(Occurrences(run.Err, warning), 1u) << run.Err;
        EXPECT_EQ(Occurrences(run.Err, file.string()), 1u) << run.Err;
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, GalleryBuildUnmadeTest, testing::Bool());

// A project from elsewhere that names a file outside the resource folder as its button: the
// default button is published instead, and the build says so and ends with status 3.
TEST_F(GalleryBuildTest, AButtonNamedOutsideTheResourceFolderIsWarnedAndNotPublished)
{
    AddPictures(1);
    fs::path secret = Pictures() / "p01.jpg"; // any file that decodes as a picture
    fs::path project = FDir / "shared.qor";
    testing::internal::CaptureStdout();
    int made = qor::RunNew({project.string(), "--pictures", Pictures().string(), "--set",
                            "NextArrowFile=" + secret.string(), "--set",
                            "PrevArrowFile=../../" + secret.filename().string()});
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(made, ExitOk);
    std::vector<std::string> args = {project.string(), "--out", Gallery().string()};
    for (const std::string& arg : SmallGallerySettings())
        args.push_back(arg);
    TBuildRun run = Build(args);
    EXPECT_EQ(run.Status, ExitPicturesMissing) << run.Err;
    EXPECT_EQ(run.LastOutLine(), Page().string());
    EXPECT_EQ(Occurrences(run.Err, "warning: " + secret.string() + ": "), 1u) << run.Err;
    EXPECT_EQ(Occurrences(run.Err, "warning: ../../p01.jpg: "), 1u) << run.Err;
    fs::path ctrl = fs::path(QOR_SOURCE_DIR) / "rsc/ctrl";
    EXPECT_EQ(ReadAll(Gallery() / "css/next_arrow.png"), ReadAll(ctrl / "00-next.png"));
    EXPECT_EQ(ReadAll(Gallery() / "css/prev_arrow.png"), ReadAll(ctrl / "00-prev.png"));
}

TEST_F(GalleryBuildTest, NoPicturesEndsWithMessage22AndWritesNothing)
{
    fs::create_directories(Pictures());
    TBuildRun run = Build(Args());
    EXPECT_EQ(run.Status, ExitFailure);
    EXPECT_NE(run.Err.find(AsPrinted("The project holds no pictures.\rAdd pictures in the picture list first.")),
              std::string::npos)
        << run.Err;
    EXPECT_FALSE(fs::exists(Gallery()));
}

TEST_F(GalleryBuildTest, AnOutputFolderThatCannotBeMadeEndsWithMessage24AndWritesNothing)
{
    AddPictures(1);
    fs::path blocker = FDir.Write("blocker", "a file");
    fs::path folder = blocker / "gallery";
    TBuildRun run = Build(Args({}, folder));
    EXPECT_EQ(run.Status, ExitFailure);
    EXPECT_NE(run.Err.find(AsPrinted("The output folder:\r" + folder.string() +
                                     "\rcannot be created. Choose another output folder.")),
              std::string::npos)
        << run.Err;
    EXPECT_EQ(ReadAll(blocker), "a file");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(FDir.Path()))
        ++entries;
    EXPECT_EQ(entries, 2); // the pictures and the blocker
}

TEST_F(GalleryBuildTest, AWriteFailureEndsTheBuildWithoutAPage)
{
    AddPictures(4);
    fs::create_directories(SlideFile(Gallery(), 2)); // a folder where the picture would go
    TBuildRun run = Build(Args());
    EXPECT_EQ(run.Status, ExitFailure);
    EXPECT_EQ(Occurrences(run.Err, SlideFile(Gallery(), 2).string() + ": "), 1u) << run.Err;
    EXPECT_EQ(Occurrences(run.Err, SlideFile(Gallery(), 2).string()), 1u) << run.Err;
    EXPECT_FALSE(fs::exists(Page()));
    EXPECT_EQ(run.Out.find(Page().string()), std::string::npos);
    EXPECT_TRUE(run.PrintedLap());
}

class GalleryBuildUsageTest : public GalleryBuildTest,
                              public testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(GalleryBuildUsageTest, WrongArgumentsAreUsageErrorsThatWriteNothing)
{
    AddPictures(1);
    std::vector<std::string> args = {"--out", Gallery().string()};
    for (const std::string& arg : GetParam())
        args.push_back(arg == "PICS" ? Pictures().string() : arg);
    EXPECT_THROW(Build(args), qor::EUsageError);
    EXPECT_FALSE(fs::exists(Gallery()));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, GalleryBuildUsageTest,
    testing::Values(std::vector<std::string>{}, std::vector<std::string>{"a.qor", "b.qor"},
                    std::vector<std::string>{"--pictures", "PICS", "--id", "0"},
                    std::vector<std::string>{"--pictures", "PICS", "--id", "17"},
                    std::vector<std::string>{"--pictures", "PICS", "--threads", "none"},
                    std::vector<std::string>{"--pictures", "PICS", "--copy-same-size",
                                             "--no-copy-same-size"},
                    std::vector<std::string>{"--pictures", "PICS", "--colour"},
                    std::vector<std::string>{"--pictures", "PICS", "--title"}));

} // namespace
