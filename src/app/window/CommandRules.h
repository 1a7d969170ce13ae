// When the main window's commands are available. Evaluated on the event loop's idle tick
// from a snapshot of the window's state; free of Qt so the whole table is tested on its own.
#pragma once

namespace qor {

enum class TCommandId {
    ActNewPrj, ActOpen, ActSavePrj, ActSavePrjAs, CloseProject, ActAddPict, ActAddFolder, ActMake,
    ActQuit, ActSelectALL, ActDelete, ActUndo, ActRotateLeft, ActRotateRight, ActCrop,
    ActOpenByExplorer, ActSetting, ActTabImgLS, ActTabMake, ActTabPrj, ActShowMenuBar,
    ActImgCaptionSet, ActStyleCarbon, ActStyleWin, ActNoSort, ActSortName, ActSortSize,
    ActSortCreated, ActSortUpdated, ActSortTitle, ActSortBanner, ActSortAscend, ActSortDescend,
    ActHelp, ActGoSite, ActVersion, ActRemoveWorkDir, ActChangeImgDir, ActCaption, ActLog,
    ActRenamePrj, ActRemovePrjHistory, ActDelNonExistHist, ActOpenHTMLDir, ActReferHTMLDir,
    ActStdOutputName,
};

struct TCommandState {
    int Entries = 0;
    int Selected = 0;
    bool CanUndo = false;
    bool HasProjectPath = false;
    bool Debug = false;
    bool Building = false;
    bool FileAtMouse = false;   // a picture file is under the mouse pointer
    bool HistoryRowSelected = false;
    int HistoryRows = 0;
    bool OutDirExists = false;  // the make page's output folder exists
};

bool CommandEnabled(TCommandId id, const TCommandState& state);

} // namespace qor
