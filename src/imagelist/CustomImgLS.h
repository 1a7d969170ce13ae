// TCustomImgLS: the ordered list of the gallery's picture entries. Position i (from 0) is
// picture number i+1 of the page and of the image files. This is the model; a view
// (TImgLSView) draws it and forwards gestures to these operations. Positions are 0-based
// ids; a position beyond the end (a stale cursor) counts as no entry everywhere.
//
// Entries are shared references: an entry stays alive while the list, its undo store, the
// selection snapshot or a running build holds it, and is freed when the last one lets go.
#pragma once

#include "imagelist/CompareInfo.h"
#include "imagelist/DropDecision.h"
#include "imagelist/EntrySort.h"
#include "imagelist/ImgLSView.h"
#include "imagelist/UndoStore.h"
#include "util/PictureExtensions.h"

#include <functional>
#include <string>

namespace qor {

class TCustomImgLS {
public:
    using TNotifyEvent = std::function<void(TCustomImgLS& sender)>;
    // index -1, no entry and no thumbnail when there is no current entry.
    using TSelectThumbEvent = std::function<void(TCustomImgLS& sender, int index, PThumbInfo& entry,
                                                 const std::shared_ptr<TBmpScan>& thumb)>;
    using TChangeSelectionEvent = std::function<void(TCustomImgLS& sender, int selectNum)>;
    using TDropEvent =
        std::function<void(TCustomImgLS& sender, const TStringList& paths, TIMLDropToDo& toDo)>;
    // Runs for each entry made from a file name, after its file facts and before the file
    // name's title is given to an entry still without a title.
    using TNewFileEntryEvent = std::function<void(TThumbInfo& entry)>;

    TCustomImgLS() = default;
    TCustomImgLS(const TCustomImgLS&) = delete;
    TCustomImgLS& operator=(const TCustomImgLS&) = delete;
    virtual ~TCustomImgLS() = default;

    void SetView(TImgLSView* view) { FView = view; }

    // Entries and their persistence.
    int Count() const { return static_cast<int>(FThumbLS.size()); }
    // The entries in order, for a build to hold while it runs.
    const TThumbList& Entries() const { return FThumbLS; }
    PThumbInfo IdToPInfo(int id) const;
    int PInfoToId(const TThumbInfo* entry) const;
    std::string GetFileName(int id) const;
    int FindFile(const std::string& fileName) const; // exact match, -1 when none
    TStringList GetAttrLS() const;                   // one attribute line per entry
    void LoadAttrLS(const TStringList& lines);
    void AssignFileLS(const TStringList& fileNames); // new entries titled from the names
    TStringList Items() const;                       // the file name of every entry
    void SaveToFile(const std::string& fileList) const;
    bool LoadFromFile(const std::string& fileList); // false when the file does not exist
    virtual void Clear(bool refresh, bool notifyClear);

    // Folders and adding.
    const std::string& Folder() const { return FFolder; }
    void SetFolder(const std::string& folder); // the list becomes the folder's pictures
    TStringList GetFileLS(const std::string& folder, int depth) const;
    void ReloadList();
    void mReloadFolder();
    // Inserts the pictures of folder (when it exists) or else files before position cursorId
    // (-1: the cursor, or the top); answers how many were found.
    int MergeFiles(const TStringList& files, const std::string& folder, int cursorId);
    // A drop from the desktop, at the insertion position under the drop point.
    void DropFiles(const TStringList& dropped, int insertId);

    // Undoable editing.
    void Delete();
    // Moves the selected entries before the entry at targetId (Count: to the end).
    void MoveSelected(int targetId);
    void Undo();
    bool CanUndo() const { return FUndo.Kind() != TNTUndo::cundoNone; }
    const TUndoStore& UndoStore() const { return FUndo; }

    void Sort(bool ascend);

    // Selection and cursor.
    void SelectALL(bool flag, bool refresh, bool noCheckNum);
    PThumbInfo SelectByIndex(int id);
    void SelectRange(int id0, int id1);
    void SelectCursor();
    void SelectPreNext(int muki);
    int ItemIndex() const;
    void SetItemIndex(int id);
    PThumbInfo GetItemInfo() const;
    PThumbInfo GetCursorInfo() const;
    int CountSelected() const;
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& fileName);
    int CursorId() const { return FCursorId; }
    int PreCursorId() const { return FPreCursorId; }
    void SetCursorId(int id);
    int LastClickedId() const { return FLastClickedId; }
    void SetLastClickedId(int id) { FLastClickedId = id; }
    // Raises OnSelectThumb for entry when it is selected, else with no entry.
    void SelectThumb(const PThumbInfo& entry);
    // Raises OnChangeSelection; unforced only when the number of selected entries changed.
    void ChangeSelection(bool forced);
    // The side button of the entry at id was clicked.
    void SelectButton(int id);

    // Rotation, crops, missing files.
    void Flip(int tag);
    int CountUserCrop() const;
    void ResetUserCrop();
    int CountNotFound() const;
    void ChangeImageDir(const std::string& dir);
    void ReloadThumb();

    // The selection snapshot for editing the texts of several pictures at once.
    bool CompareSelInfo() { return qor::CompareSelInfo(FCompare, FThumbLS); }
    void CopyToSelInfo() const { qor::CopyToSelInfo(FCompare); }
    int CountComparedInfo() const { return static_cast<int>(FCompare.SelLS.size()); }
    void ClearComparedInfo() { qor::ClearComparedInfo(FCompare); }
    TCompareInfo& CompareInfo() { return FCompare; }
    std::shared_ptr<TBmpScan> GetComparedThumb(bool drawCount) const;

    bool CanClose();

    // Settings.
    TStringList FileExt = PictureExtensions();
    int FileSearchDepth = 1;
    TILMSort SortKey = TILMSort::ilmNone;
    bool MultiSelectOn = true;
    bool AcceptDrop = true;
    int SideButtonStdIndex = 0; // btnId of new entries
    std::string StdTarget;      // link target of pictures added by file name
    int Position = 0;           // top pixel row of the view, kept by the view

    TSelectThumbEvent OnSelectThumb;
    TChangeSelectionEvent OnChangeSelection;
    TNotifyEvent OnAssignedItemsShown;
    TDropEvent OnDropExtra;
    TDropEvent OnDropFiles;
    TSelectThumbEvent OnSelectButton;
    TNewFileEntryEvent OnNewFileEntry;

protected:
    // A new entry with the list's defaults and the next serial; file facts not yet read.
    PThumbInfo NewEntry();
    PThumbInfo NewFileEntry(const std::string& fileName);
    // Redraws, raises OnAssignedItemsShown and starts background loading.
    void ShowAssignedItems();
    void Redraw(TThumbLoading loading);
    void StartBackgroundLoading();
    void InsertFiles(const TStringList& files, int id);
    void DeselectAll();
    void RaiseSelectEvent(const TSelectThumbEvent& event, const PThumbInfo& entry);

    TThumbList FThumbLS;
    TImgLSView* FView = nullptr;
    int FCursorId = -1;
    int FPreCursorId = -1;
    int FLastClickedId = -1;
    int FSelNum = 0;
    std::string FFileName;
    std::string FFolder;
    int32_t FMaxPId = 0;
    TUndoStore FUndo;
    TCompareInfo FCompare;
};

} // namespace qor
