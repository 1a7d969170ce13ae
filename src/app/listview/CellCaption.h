// The texts of a cell: its caption lines in the fixed order name, title, banner, size,
// creation date, update date, and the hint with the file's facts.
#pragma once

#include "imagelist/ThumbInfo.h"

#include <string>
#include <vector>

namespace qor {

// Caption lines a cell can show, combined with |.
enum TILMCaption : unsigned {
    ilmcName = 1,
    ilmcTitle = 2,
    ilmcSize = 4,
    ilmcDate = 8,
    ilmcUpdate = 16,
    ilmcTopic = 32,
};

struct TCaptionLabels {
    std::string CaptionDate = "作成日";
    std::string CaptionUpdate = "更新日";
};

int CountCaptionLines(unsigned captionSet);
// "%.1fKB" of size / 1024 below 1048576 bytes, else "%.1fMB" of size / 1048576.
std::string SizeText(int64_t size);
// Local time as "yyyy/mm/dd hh:nn".
std::string DateText(const TDateTime& time);
std::vector<std::string> CaptionLines(const TThumbInfo& entry, int id, unsigned captionSet,
                                      const TCaptionLabels& labels);
// The hint is left out when the captions already show name, size and both dates.
bool HintWanted(unsigned captionSet);
// The hint format (message 21) filled with the entry's name, size, dates.
std::string HintText(const std::string& format, const TThumbInfo& entry);

} // namespace qor
