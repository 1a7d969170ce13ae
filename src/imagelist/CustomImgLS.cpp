#include "imagelist/CustomImgLS.h"

#include "imagelist/AttrLine.h"

#include <algorithm>
#include <filesystem>

namespace qor {

PThumbInfo TCustomImgLS::IdToPInfo(int id) const
{
    return (id >= 0 && id < Count()) ? FThumbLS[id] : nullptr;
}

int TCustomImgLS::PInfoToId(const TThumbInfo* entry) const
{
    auto it = std::find_if(FThumbLS.begin(), FThumbLS.end(),
                           [entry](const PThumbInfo& e) { return e.get() == entry; });
    return it == FThumbLS.end() ? -1 : static_cast<int>(it - FThumbLS.begin());
}

std::string TCustomImgLS::GetFileName(int id) const
{
    PThumbInfo entry = IdToPInfo(id);
    return entry ? entry->FileName : std::string();
}

int TCustomImgLS::FindFile(const std::string& fileName) const
{
    auto it = std::find_if(FThumbLS.begin(), FThumbLS.end(),
                           [&fileName](const PThumbInfo& e) { return e->FileName == fileName; });
    return it == FThumbLS.end() ? -1 : static_cast<int>(it - FThumbLS.begin());
}

TStringList TCustomImgLS::GetAttrLS() const
{
    TStringList lines;
    lines.reserve(FThumbLS.size());
    for (const PThumbInfo& entry : FThumbLS)
        lines.push_back(MakeAttrLine(*entry));
    return lines;
}

PThumbInfo TCustomImgLS::NewEntry()
{
    auto entry = std::make_shared<TThumbInfo>();
    entry->pid = ++FMaxPId;
    entry->btnId = SideButtonStdIndex;
    return entry;
}

PThumbInfo TCustomImgLS::NewFileEntry(const std::string& fileName)
{
    PThumbInfo entry = NewEntry();
    entry->FileName = fileName;
    ReadFileFacts(*entry);
    if (OnNewFileEntry) OnNewFileEntry(*entry);
    if (entry->user.Title.empty()) entry->user.Title = TitleFromFileName(fileName);
    entry->user.Target = StdTarget;
    return entry;
}

void TCustomImgLS::Redraw(TThumbLoading loading)
{
    if (FView) FView->Redraw(loading);
}

void TCustomImgLS::StartBackgroundLoading()
{
    if (FView) FView->StartBackgroundLoading();
}

void TCustomImgLS::ShowAssignedItems()
{
    Redraw(TThumbLoading::Background);
    if (OnAssignedItemsShown) OnAssignedItemsShown(*this);
    StartBackgroundLoading();
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
    FThumbLS.reserve(fileNames.size());
    for (const std::string& name : fileNames)
        FThumbLS.push_back(NewFileEntry(name));
    ShowAssignedItems();
}

TStringList TCustomImgLS::Items() const
{
    TStringList names;
    names.reserve(FThumbLS.size());
    for (const PThumbInfo& entry : FThumbLS)
        names.push_back(entry->FileName);
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
    FSelNum = 0;
    if (FView) FView->StopLoaders();
    FUndo.Clear();
    ClearComparedInfo();
    FThumbLS.clear();
    FMaxPId = 0;
    if (notifyClear) SelectThumb(nullptr);
    if (refresh) Redraw(TThumbLoading::Background);
}

int TCustomImgLS::CountUserCrop() const
{
    return static_cast<int>(std::count_if(FThumbLS.begin(), FThumbLS.end(),
                                          [](const PThumbInfo& e) { return e->CropR.IsValid(); }));
}

void TCustomImgLS::ResetUserCrop()
{
    for (const PThumbInfo& entry : FThumbLS)
        entry->CropR = TRect();
}

int TCustomImgLS::CountNotFound() const
{
    return static_cast<int>(std::count_if(FThumbLS.begin(), FThumbLS.end(),
                                          [](const PThumbInfo& e) { return e->NotFound; }));
}

void TCustomImgLS::ChangeImageDir(const std::string& dir)
{
    std::string folder = IncludeTrailingSeparator(dir);
    for (const PThumbInfo& entry : FThumbLS)
        entry->FileName = folder + std::filesystem::path(entry->FileName).filename().string();
}

void TCustomImgLS::ReloadThumb()
{
    for (const PThumbInfo& entry : FThumbLS) {
        entry->bmp.reset();
        entry->NotFound = false;
    }
    Redraw(TThumbLoading::DrawingTime);
    if (OnAssignedItemsShown) OnAssignedItemsShown(*this);
    StartBackgroundLoading();
}

std::shared_ptr<TBmpScan> TCustomImgLS::GetComparedThumb(bool drawCount) const
{
    const TThumbList& shown = FCompare.SelLS;
    auto last = std::find_if(shown.rbegin(), shown.rend(),
                             [](const PThumbInfo& e) { return e->bmp != nullptr; });
    if (last == shown.rend() || !FView) return nullptr;
    int count = (drawCount && shown.size() > 1) ? static_cast<int>(shown.size()) : 0;
    return FView->ComparedThumb(*(*last)->bmp, count);
}

bool TCustomImgLS::CanClose()
{
    if (!FView || !FView->LoadersAlive()) return true;
    FView->StopLoaders();
    return false;
}

} // namespace qor
