// Adding, deleting, moving, undoing, sorting and rotating entries of the picture list.
#include "imagelist/CustomImgLS.h"

#include <algorithm>
#include <filesystem>

namespace qor {

namespace {

bool FolderExists(const std::string& folder)
{
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_directory(folder, ec);
}

} // namespace

TStringList TCustomImgLS::GetFileLS(const std::string& folder, int depth) const
{
    TStringList files;
    FindFiles(folder, files, FileExt, depth);
    return files;
}

void TCustomImgLS::SetFolder(const std::string& folder)
{
    FFolder = folder.empty() ? std::string() : IncludeTrailingSeparator(folder);
    if (FolderExists(FFolder))
        AssignFileLS(GetFileLS(FFolder, FileSearchDepth));
    else
        Clear(true, true);
}

void TCustomImgLS::ReloadList()
{
    SetFolder(FFolder);
}

void TCustomImgLS::mReloadFolder()
{
    if (!FolderExists(FFolder) && !FThumbLS.empty())
        SetFolder(std::filesystem::path(FThumbLS.front()->FileName).parent_path().string());
    else
        ReloadList();
}

int TCustomImgLS::MergeFiles(const TStringList& files, const std::string& folder, int cursorId)
{
    if (cursorId == -1) cursorId = GetCursorInfo() ? FCursorId : 0;
    if (FolderExists(folder)) {
        TStringList found = GetFileLS(folder, FileSearchDepth);
        if (!found.empty()) InsertFiles(found, cursorId);
        return static_cast<int>(found.size());
    }
    if (!files.empty()) InsertFiles(files, cursorId);
    return static_cast<int>(files.size());
}

void TCustomImgLS::InsertFiles(const TStringList& files, int id)
{
    FUndo.Start(TNTUndo::cundoNone, FThumbLS, Position);
    DeselectAll();
    ChangeSelection(true);
    TThumbList added;
    added.reserve(files.size());
    for (const std::string& name : files) {
        PThumbInfo entry = NewFileEntry(name);
        entry->Selected = true;
        FUndo.Record(entry);
        added.push_back(std::move(entry));
    }
    auto at = (id >= 0 && id < Count()) ? FThumbLS.begin() + id : FThumbLS.end();
    FThumbLS.insert(at, added.begin(), added.end());
    Redraw(TThumbLoading::DrawingTime);
    StartBackgroundLoading();
    if (!added.empty()) FUndo.SetKind(TNTUndo::cundoMerge);
    ChangeSelection(true);
}

void TCustomImgLS::Delete()
{
    FUndo.Start(TNTUndo::cundoDel, FThumbLS, Position);
    TThumbList kept;
    kept.reserve(FThumbLS.size());
    int lowestRemoved = -1;
    for (int i = 0; i < Count(); ++i) {
        if (!FThumbLS[i]->Selected) {
            kept.push_back(FThumbLS[i]);
        } else if (lowestRemoved < 0) {
            lowestRemoved = i;
        }
    }
    // The undo store lists removed entries from the last position to the first.
    for (int i = Count() - 1; i >= 0; --i)
        if (FThumbLS[i]->Selected) FUndo.Record(FThumbLS[i]);
    FUndo.SetUsed(true);
    FThumbLS.swap(kept);
    PThumbInfo current;
    if (lowestRemoved >= 0 && !FThumbLS.empty()) {
        current = FThumbLS[std::min(lowestRemoved, Count() - 1)];
        current->Selected = true;
    }
    Redraw(TThumbLoading::Background);
    SelectThumb(current);
    ChangeSelection(true);
}

void TCustomImgLS::MoveSelected(int targetId)
{
    PThumbInfo target = IdToPInfo(targetId);
    if (target && target->Selected) return;
    FUndo.Start(TNTUndo::cundoMove, FThumbLS, Position);
    TThumbList moved;
    std::copy_if(FThumbLS.begin(), FThumbLS.end(), std::back_inserter(moved),
                 [](const PThumbInfo& e) { return e->Selected; });
    std::erase_if(FThumbLS, [](const PThumbInfo& e) { return e->Selected; });
    auto at = target ? FThumbLS.begin() + PInfoToId(target.get()) : FThumbLS.end();
    FThumbLS.insert(at, moved.begin(), moved.end());
}

void TCustomImgLS::Undo()
{
    if (!FUndo.Undo(FThumbLS)) return;
    Position = FUndo.Top();
    Redraw(TThumbLoading::DrawingTime);
    ChangeSelection(true);
}

void TCustomImgLS::Sort(bool ascend)
{
    SortEntries(FThumbLS, SortKey, ascend);
    Redraw(TThumbLoading::DrawingTime);
}

void TCustomImgLS::Flip(int tag)
{
    for (int i = 0; i < Count(); ++i) {
        TThumbInfo& entry = *FThumbLS[i];
        if (!entry.Selected) continue;
        // Reduced first, so that any stored angle gives one of 0 to 359.
        entry.UserAngle = ((tag % 4) * 90 + entry.UserAngle % 360 + 720) % 360;
        entry.bmp.reset();
        if (FView) FView->RedrawCellNow(i);
    }
}

} // namespace qor
