#include "app/listview/CellCaption.h"

#include "util/DelphiFormat.h"
#include "util/LocalTime.h"

#include <ctime>
#include <filesystem>

namespace qor {

namespace {

std::string BaseName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

std::string SizeAndDimensions(const TThumbInfo& entry, const char* separator)
{
    return SizeText(entry.Size) + Format(separator, {entry.Width, entry.Height});
}

} // namespace

int CountCaptionLines(unsigned captionSet)
{
    int n = 0;
    for (unsigned bit : {ilmcName, ilmcTitle, ilmcTopic, ilmcSize, ilmcDate, ilmcUpdate})
        n += (captionSet & bit) ? 1 : 0;
    return n;
}

std::string SizeText(int64_t size)
{
    if (size < 1048576) return Format("%.1fKB", {static_cast<double>(size) / 1024});
    return Format("%.1fMB", {static_cast<double>(size) / 1048576});
}

std::string DateText(const TDateTime& time)
{
    return FormatLocalTime(time, "%Y/%m/%d %H:%M");
}

std::vector<std::string> CaptionLines(const TThumbInfo& entry, int id, unsigned captionSet,
                                      const TCaptionLabels& labels)
{
    std::vector<std::string> lines;
    if (captionSet & ilmcName)
        lines.push_back(Format("%d  %s", {id + 1, BaseName(entry.FileName)}));
    if (captionSet & ilmcTitle) lines.push_back(entry.user.Title);
    if (captionSet & ilmcTopic) lines.push_back(Format("( %s )", {entry.user.Topic}));
    if (captionSet & ilmcSize) lines.push_back(SizeAndDimensions(entry, ", %dx%d"));
    if (captionSet & ilmcDate) lines.push_back(labels.CaptionDate + ": " + DateText(entry.Time));
    if (captionSet & ilmcUpdate)
        lines.push_back(labels.CaptionUpdate + ": " + DateText(entry.Updated));
    return lines;
}

bool HintWanted(unsigned captionSet)
{
    unsigned all = ilmcName | ilmcSize | ilmcDate | ilmcUpdate;
    return (captionSet & all) != all;
}

std::string HintText(const std::string& format, const TThumbInfo& entry)
{
    return Format(format, {BaseName(entry.FileName), SizeAndDimensions(entry, ",  %dx%d"),
                           DateText(entry.Time), DateText(entry.Updated)});
}

} // namespace qor
