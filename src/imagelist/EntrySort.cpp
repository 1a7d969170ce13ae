#include "imagelist/EntrySort.h"

#include "util/TextCodec.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace qor {

namespace {

// Sorts by a key computed once per entry, so a long list folds each text only once.
template <typename TKey>
void SortByKey(TThumbList& entries, bool ascend, const std::function<TKey(TThumbInfo&)>& keyOf)
{
    std::vector<std::pair<TKey, PThumbInfo>> keyed;
    keyed.reserve(entries.size());
    for (PThumbInfo& entry : entries)
        keyed.emplace_back(keyOf(*entry), std::move(entry));
    auto before = [ascend](const auto& a, const auto& b) {
        return ascend ? a.first < b.first : b.first < a.first;
    };
    std::sort(keyed.begin(), keyed.end(), before);
    for (size_t i = 0; i < keyed.size(); ++i)
        entries[i] = std::move(keyed[i].second);
}

void SortByText(TThumbList& entries, bool ascend, std::string TUserInfo::*text)
{
    SortByKey<std::string>(entries, ascend,
                           [text](TThumbInfo& e) { return AsciiLower(e.user.*text); });
}

void SortByTime(TThumbList& entries, bool ascend, TDateTime TThumbInfo::*time)
{
    SortByKey<TDateTime>(entries, ascend, [time](TThumbInfo& e) { return e.*time; });
}

} // namespace

void SortEntries(TThumbList& entries, TILMSort key, bool ascend)
{
    switch (key) {
    case TILMSort::ilmNone:
        return;
    case TILMSort::ilmName:
        SortByKey<std::string>(entries, ascend, [](TThumbInfo& e) {
            e.CompareDt = std::filesystem::path(e.FileName).filename().string();
            return AsciiLower(e.CompareDt);
        });
        return;
    case TILMSort::ilmTitle:
        return SortByText(entries, ascend, &TUserInfo::Title);
    case TILMSort::ilmTopic:
        return SortByText(entries, ascend, &TUserInfo::Topic);
    case TILMSort::ilmSize:
        return SortByKey<int64_t>(entries, ascend, [](TThumbInfo& e) { return e.Size; });
    case TILMSort::ilmDate:
        return SortByTime(entries, ascend, &TThumbInfo::Time);
    case TILMSort::ilmUpdate:
        return SortByTime(entries, ascend, &TThumbInfo::Updated);
    }
}

} // namespace qor
