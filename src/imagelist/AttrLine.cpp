#include "imagelist/AttrLine.h"

#include "util/DelphiFormat.h"
#include "util/XEComText.h"

namespace qor {

namespace {

constexpr size_t FirstDescriptionItem = 14; // 0-based: items 15 and on
constexpr size_t LeastItemsForTexts = 13;

std::string SettingsItem(const TThumbInfo& entry)
{
    return Format("%d, %d,%s,%s,r,r,r,r",
                  {entry.btnId, entry.UserAngle, entry.CropRSV1, RectToStr(entry.CropR)});
}

std::string_view SkipBlanks(std::string_view text)
{
    while (text.starts_with(' '))
        text.remove_prefix(1);
    return text;
}

void ApplySettingsItem(std::string_view item, TThumbInfo& entry)
{
    TStringList parts = SplitText(item, ',');
    if (parts.size() <= 3) return;
    entry.btnId = StrToIntDefault(parts[0], 0);
    entry.UserAngle = StrToIntDefault(SkipBlanks(parts[1]), 0);
    entry.CropRSV1 = parts[2];
    entry.CropR = StrToRect(parts[3]);
}

} // namespace

std::string MakeAttrLine(const TThumbInfo& entry)
{
    TStringList items = {entry.FileName,    SettingsItem(entry), entry.user.URL,
                         entry.user.Target, entry.user.Topic,    entry.user.Title};
    for (auto it = entry.user.rsv.rbegin(); it != entry.user.rsv.rend(); ++it)
        items.push_back(*it);
    items.insert(items.end(), entry.user.memoLS.begin(), entry.user.memoLS.end());
    return JoinUnitSep(items);
}

void ParseAttrLine(std::string_view line, TThumbInfo& entry)
{
    TStringList items;
    SplitUnitSep(line, items);
    if (items.empty()) return;
    entry.FileName = items[0];
    if (items.size() < LeastItemsForTexts) return;
    ApplySettingsItem(items[1], entry);
    entry.user.URL = items[2];
    entry.user.Target = items[3];
    entry.user.Topic = items[4];
    entry.user.Title = items[5];
    entry.user.memoLS.assign(items.begin() + std::min(FirstDescriptionItem, items.size()),
                             items.end());
}

} // namespace qor
