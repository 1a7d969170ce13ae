#include "app/window/SpanCompare.h"

#include "util/TextFile.h"

namespace qor {

std::string MemoText(const TStringList& lines)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

TStringList MemoLines(const std::string& text)
{
    return SplitTextLines(text);
}

bool TakeEditedTexts(TCompareInfo& info, const TUserInfo& edited)
{
    TUserInfo& rep = info.Rep;
    info.altMemo = edited.memoLS == rep.memoLS;
    info.altTitle = edited.Title == rep.Title;
    info.altTopic = edited.Topic == rep.Topic;
    info.altURL = edited.URL == rep.URL;
    info.altTarget = edited.Target == rep.Target;
    rep.memoLS = edited.memoLS;
    rep.Title = edited.Title;
    rep.Topic = edited.Topic;
    rep.URL = edited.URL;
    rep.Target = edited.Target;
    return !(info.altMemo && info.altTitle && info.altTopic && info.altURL && info.altTarget);
}

TSpanAgreement Agreement(const TCompareInfo& info)
{
    return {info.chMemo, info.chTitle, info.chTopic, info.chURL, info.chTarget};
}

} // namespace qor
