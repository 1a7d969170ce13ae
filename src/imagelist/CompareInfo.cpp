#include "imagelist/CompareInfo.h"

namespace qor {

namespace {

// Clears flag and lowers MatchCount when the text of entry differs from Rep's.
template <typename TText>
void CompareText(TCompareInfo& info, bool& flag, const TText& rep, const TText& other)
{
    if (!flag || rep == other) return;
    flag = false;
    --info.MatchCount;
}

void CompareWithRep(TCompareInfo& info, const TUserInfo& user)
{
    const TUserInfo& rep = info.Rep;
    CompareText(info, info.chMemo, rep.memoLS, user.memoLS);
    CompareText(info, info.chTitle, rep.Title, user.Title);
    CompareText(info, info.chTopic, rep.Topic, user.Topic);
    CompareText(info, info.chURL, rep.URL, user.URL);
    CompareText(info, info.chTarget, rep.Target, user.Target);
}

void EmptyDifferingTexts(TCompareInfo& info)
{
    if (!info.chMemo) info.Rep.memoLS.clear();
    if (!info.chTitle) info.Rep.Title.clear();
    if (!info.chTopic) info.Rep.Topic.clear();
    if (!info.chURL) info.Rep.URL.clear();
    if (!info.chTarget) info.Rep.Target.clear();
}

template <typename TText> void CopyUnlessKept(bool kept, TText& target, const TText& value)
{
    if (!kept) target = value;
}

} // namespace

bool CompareSelInfo(TCompareInfo& info, const TThumbList& list)
{
    ClearComparedInfo(info);
    info.Rep = TUserInfo();
    info.MatchCount = 5;
    info.chMemo = info.chTitle = info.chTopic = info.chURL = info.chTarget = true;
    for (const PThumbInfo& entry : list)
        if (entry->Selected) info.SelLS.push_back(entry);
    if (info.SelLS.empty()) return false;
    const TUserInfo& first = info.SelLS.front()->user;
    info.Rep.memoLS = first.memoLS;
    info.Rep.Title = first.Title;
    info.Rep.Topic = first.Topic;
    info.Rep.URL = first.URL;
    info.Rep.Target = first.Target;
    for (size_t i = 1; i < info.SelLS.size() && info.MatchCount > 0; ++i)
        CompareWithRep(info, info.SelLS[i]->user);
    EmptyDifferingTexts(info);
    return info.MatchCount >= 1;
}

void CopyToSelInfo(const TCompareInfo& info)
{
    for (const PThumbInfo& entry : info.SelLS) {
        TUserInfo& user = entry->user;
        CopyUnlessKept(info.altMemo, user.memoLS, info.Rep.memoLS);
        CopyUnlessKept(info.altTitle, user.Title, info.Rep.Title);
        CopyUnlessKept(info.altTopic, user.Topic, info.Rep.Topic);
        CopyUnlessKept(info.altURL, user.URL, info.Rep.URL);
        CopyUnlessKept(info.altTarget, user.Target, info.Rep.Target);
    }
}

void ClearComparedInfo(TCompareInfo& info)
{
    info.SelLS.clear();
    info.Rep.memoLS.clear();
}

} // namespace qor
