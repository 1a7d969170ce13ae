// Picture files for the list view's tests: JPEGs of a given size and colour, optionally with
// an EXIF orientation.
#pragma once

#include "imaging/TBmpScan.h"
#include "util/TextFile.h"

#include <string>

namespace qor::test {

// A JPEG of width × height in one colour; orientation 1 writes no EXIF block.
std::string WriteJpeg(const std::string& path, int width, int height, TTriple colour,
                      int orientation = 1);
// Puts an EXIF block with the orientation code right after the JPEG's start marker.
void InsertExifOrientation(const std::string& path, int orientation);
// count JPEGs "pic000.jpg"... in folder, each in another colour.
TStringList WriteJpegs(const std::string& folder, int count, int width, int height);

} // namespace qor::test
