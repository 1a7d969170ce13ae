// The attribute line: one text line that stores everything of an entry that persists,
// items each followed by U+0019:
//
//   FileName | "btnId, UserAngle,CropRSV1,L|T|R|B,r,r,r,r" | URL | Target | Topic | Title |
//   eight reserved items (always empty) | one item per description line
#pragma once

#include "imagelist/ThumbInfo.h"

#include <string>
#include <string_view>

namespace qor {

std::string MakeAttrLine(const TThumbInfo& entry);
// Fills a new entry from a non-empty line (file name, settings, texts); the file facts are
// not read. An empty line holds no item and makes no entry.
void ParseAttrLine(std::string_view line, TThumbInfo& entry);

} // namespace qor
