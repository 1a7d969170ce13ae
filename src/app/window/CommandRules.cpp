#include "app/window/CommandRules.h"

namespace qor {

bool CommandEnabled(TCommandId id, const TCommandState& s)
{
    using enum TCommandId;
    switch (id) {
    case ActSavePrj: return s.HasProjectPath || s.Entries > 0;
    case ActSavePrjAs: return s.Entries > 0 || s.Debug;
    case ActMake: return (s.Entries > 0 || s.Debug) && !s.Building;
    // Replacing the project waits for the build, which reports into the window.
    case ActNewPrj:
    case ActOpen:
    case CloseProject: return !s.Building;
    case ActSelectALL:
    case ActChangeImgDir: return s.Entries > 0;
    case ActDelete:
    case ActRotateLeft:
    case ActRotateRight:
    case ActCrop: return s.Selected > 0;
    case ActUndo: return s.CanUndo;
    case ActOpenByExplorer: return s.FileAtMouse;
    case ActNoSort:
    case ActSortName:
    case ActSortSize:
    case ActSortCreated:
    case ActSortUpdated:
    case ActSortTitle:
    case ActSortBanner:
    case ActSortAscend:
    case ActSortDescend: return s.Entries >= 2;
    case ActRenamePrj:
    case ActRemovePrjHistory: return s.HistoryRowSelected;
    case ActDelNonExistHist: return s.HistoryRows > 0;
    case ActOpenHTMLDir: return s.OutDirExists;
    default: return true;
    }
}

} // namespace qor
