#include "imagelist/CustomImgLS.h"

#include "imagelist/AttrLine.h"

#include <filesystem>

namespace qor {

PThumbInfo TCustomImgLS::IdToPInfo(int id) const
{
    return (id >= 0 && id < Count()) ? FThumbLS[id] : nullptr;
}

int TCustomImgLS::PInfoToId(const TThumbInfo* entry) const
{
    for (int i = 0; i < Count(); ++i)
        if (FThumbLS[i].get() == entry) return i;
    return -1;
}

std::string TCustomImgLS::GetFileName(int id) const
{
    PThumbInfo entry = IdToPInfo(id);
    return entry ? entry->FileName : std::string();
}

int TCustomImgLS::FindFile(const std::string& fileName) const
{
    for (int i = 0; i < Count(); ++i)
        if (FThumbLS[i]->FileName == fileName) return i;
    return -1;
}

TStringList TCustomImgLS::GetAttrLS() const
{
    TStringList lines;
    lines.reserve(FThumbLS.size());
    for (const PThumbInfo& entry : FThumbLS) lines.push_back(MakeAttrLine(*entry));
    return lines;
}

PThumbInfo TCustomImgLS::NewEntry()
{
    auto entry = std::make_shared<TThumbInfo>();
    entry->pid = ++FMaxPId;
    entry->btnId = SideButtonStdIndex;
    return entry;
}

void TCustomImgLS::ShowAssignedItems()
{
    if (OnRedraw) OnRedraw(*this);
    if (OnAssignedItemsShown) OnAssignedItemsShown(*this);
    if (OnStartLoading) OnStartLoading(*this);
}

void TCustomImgLS::LoadAttrLS(const TStringList& lines)
{
    Clear(false, true);
    for (const std::string& line : lines) {
        if (line.empty()) continue; // an empty line holds no item and makes no entry
        PThumbInfo entry = NewEntry();
        ParseAttrLine(line, *entry);
        ReadFileFacts(*entry);
        FThumbLS.push_back(entry);
    }
    ShowAssignedItems();
}

void TCustomImgLS::AssignFileLS(const TStringList& fileNames)
{
    Clear(false, true);
    for (const std::string& name : fileNames) {
        PThumbInfo entry = NewEntry();
        entry->FileName = name;
        ReadFileFacts(*entry);
        entry->user.Title = TitleFromFileName(name);
        FThumbLS.push_back(entry);
    }
    ShowAssignedItems();
}

TStringList TCustomImgLS::Items() const
{
    TStringList names;
    names.reserve(FThumbLS.size());
    for (const PThumbInfo& entry : FThumbLS) names.push_back(entry->FileName);
    return names;
}

void TCustomImgLS::SaveToFile(const std::string& fileList) const
{
    SaveTextLines(fileList, Items());
}

bool TCustomImgLS::LoadFromFile(const std::string& fileList)
{
    std::error_code ec;
    if (!std::filesystem::exists(fileList, ec)) return false;
    AssignFileLS(LoadTextLines(fileList));
    return true;
}

void TCustomImgLS::Clear(bool refresh, bool notifyClear)
{
    FThumbLS.clear();
    FMaxPId = 0;
    if (notifyClear && OnSelectThumb) OnSelectThumb(*this, nullptr);
    if (refresh && OnRedraw) OnRedraw(*this);
}

} // namespace qor
