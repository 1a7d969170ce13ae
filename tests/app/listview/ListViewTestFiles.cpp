#include "ListViewTestFiles.h"

#include "imaging/JpegCodec.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace qor::test {

namespace {

// An APP1 segment with a big-endian TIFF block holding only the orientation tag.
std::vector<uint8_t> ExifOrientationSegment(int orientation)
{
    std::vector<uint8_t> tiff = {'M',  'M',
                                 0,    42,
                                 0,    0,
                                 0,    8, // header, IFD0 at 8
                                 0,    1, // one entry
                                 0x01, 0x12,
                                 0,    3,
                                 0,    0,
                                 0,    1, // orientation, SHORT, 1 value
                                 0,    uint8_t(orientation),
                                 0,    0,
                                 0,    0,
                                 0,    0};
    std::vector<uint8_t> segment = {0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
    segment.insert(segment.end(), tiff.begin(), tiff.end());
    size_t length = segment.size() - 2;
    segment[2] = uint8_t(length >> 8);
    segment[3] = uint8_t(length & 0xFF);
    return segment;
}

} // namespace

std::string WriteJpeg(const std::string& path, int width, int height, TTriple colour,
                      int orientation)
{
    TBmpScan picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.Scan(y)[x] = colour;
    SaveJpeg(path, picture, 85);
    if (orientation != 1) InsertExifOrientation(path, orientation);
    return path;
}

void InsertExifOrientation(const std::string& path, int orientation)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    in.close();
    std::vector<uint8_t> segment = ExifOrientationSegment(orientation);
    bytes.insert(bytes.begin() + 2, segment.begin(), segment.end()); // right after SOI
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

TStringList WriteJpegs(const std::string& folder, int count, int width, int height)
{
    TStringList files;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/pic%03d.jpg", i);
        TTriple colour{uint8_t(40 + i * 7 % 200), uint8_t(90 + i * 13 % 150),
                       uint8_t(200 - i % 150)};
        files.push_back(WriteJpeg(folder + name, width, height, colour));
    }
    return files;
}

} // namespace qor::test
