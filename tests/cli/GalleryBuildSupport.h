// What the gallery build tests share: generated pictures, a build run in this process with
// its output captured, and looks at the folder it wrote.
#pragma once

#include "cli/CommandLine.h"
#include "imaging/JpegCodec.h"
#include "util/DelphiFormat.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <exception>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace qortest {

namespace fs = std::filesystem;

// The gallery's sizes in these tests: small, so that a build takes moments; slide and
// thumbnail of the same proportions, so that the thumbnail is the whole slide picture reduced.
inline constexpr int kSlideWidth = 160, kSlideHeight = 64;
inline constexpr int kThumbWidth = 120, kThumbHeight = 48;

inline std::vector<std::string> SmallGallerySettings()
{
    return {"--set", "ImageWidth=" + std::to_string(kSlideWidth),
            "--set", "ImageHeight=" + std::to_string(kSlideHeight),
            "--set", "ThumbWidth=" + std::to_string(kThumbWidth),
            "--set", "ThumbHeight=" + std::to_string(kThumbHeight)};
}

// A gradient that differs with the seed, so that a swapped or wrongly cut picture shows.
inline qor::TBmpScan Pattern(int width, int height, int seed)
{
    qor::TBmpScan picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.Scan(y)[x] = {static_cast<uint8_t>(x * 255 / width),
                                  static_cast<uint8_t>(y * 255 / height),
                                  static_cast<uint8_t>(seed * 37)};
    return picture;
}

inline fs::path WritePicture(const fs::path& file, int width, int height, int seed)
{
    fs::create_directories(file.parent_path());
    if (!qor::SaveJpeg(file, Pattern(width, height, seed), 95))
        throw std::runtime_error("cannot write " + file.string());
    return file;
}

inline qor::TBmpScan Decode(const fs::path& file)
{
    std::string bytes = ReadAll(file);
    return qor::DecodeJpeg({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()},
                           file.string());
}

inline void ExpectPictureSize(const fs::path& file, int width, int height)
{
    SCOPED_TRACE(file.string());
    ASSERT_TRUE(fs::exists(file));
    qor::TBmpScan picture = Decode(file);
    EXPECT_EQ(picture.Width(), width);
    EXPECT_EQ(picture.Height(), height);
}

// The files of picture n (from 1) in a gallery folder.
inline fs::path SlideFile(const fs::path& gallery, int n)
{
    return gallery / "img" / qor::Format("img%d.jpg", {n});
}
inline fs::path ThumbFile(const fs::path& gallery, int n)
{
    return gallery / "img" / "thumb" / qor::Format("%d.jpg", {n});
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline size_t Occurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// A message of the message table as the command line prints it: CR becomes a line break.
inline std::string AsPrinted(std::string message)
{
    for (char& c : message)
        if (c == '\r') c = '\n';
    return message;
}

struct TBuildRun {
    int Status = -1;
    std::string Out, Err;

    std::vector<std::string> OutLines() const { return Lines(Out); }
    std::string LastOutLine() const
    {
        std::vector<std::string> lines = OutLines();
        return lines.empty() ? std::string() : lines.back();
    }
    bool PrintedLap() const
    {
        for (const std::string& line : OutLines())
            if (line.starts_with("Lap: ") && line.ends_with(" s")) return true;
        return false;
    }
};

// Runs "qorgallery build ARGS" in this process and captures what it prints. An exception of
// the command (a usage error, an unreadable project) is passed on once the capture ended.
inline TBuildRun Build(const std::vector<std::string>& args)
{
    TBuildRun run;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    std::exception_ptr error;
    try {
        run.Status = qor::RunBuild(args);
    } catch (...) {
        error = std::current_exception();
    }
    run.Out = testing::internal::GetCapturedStdout();
    run.Err = testing::internal::GetCapturedStderr();
    if (error) std::rethrow_exception(error);
    return run;
}

// Every slide picture (and thumbnail, when wanted) of pictures 1..count has its exact size.
inline void ExpectPictures(const fs::path& gallery, int count, bool thumbnails)
{
    for (int n = 1; n <= count; ++n) {
        ExpectPictureSize(SlideFile(gallery, n), kSlideWidth, kSlideHeight);
        if (thumbnails)
            ExpectPictureSize(ThumbFile(gallery, n), kThumbWidth, kThumbHeight);
        else
            EXPECT_FALSE(fs::exists(ThumbFile(gallery, n))) << n;
    }
}

} // namespace qortest
