// Files and folders dropped on the picture list from the desktop. The owner decides through
// OnDropExtra (for example to open a dropped project instead) and OnDropFiles (to ask the
// user); the list then inserts at the drop position or replaces its entries.
#include "imagelist/CustomImgLS.h"

namespace qor {

void TCustomImgLS::DropFiles(const TStringList& dropped, int insertId)
{
    if (!AcceptDrop) return;
    TStringList accepted = AcceptedDropPaths(dropped, FileExt);
    TIMLDropToDo toDo = TIMLDropToDo::tdpAdd;
    if (OnDropExtra) OnDropExtra(*this, dropped, toDo);
    if (toDo == TIMLDropToDo::tdpIgnore || accepted.empty()) return;
    if (OnDropFiles) OnDropFiles(*this, accepted, toDo);
    bool folder = IsFolderDrop(accepted);
    if (toDo == TIMLDropToDo::tdpAdd) {
        if (folder) {
            TStringList found = GetFileLS(accepted.front(), FileSearchDepth);
            if (!found.empty()) InsertFiles(found, insertId);
        } else {
            InsertFiles(accepted, insertId);
        }
    } else if (toDo == TIMLDropToDo::tdpReplace) {
        if (folder)
            SetFolder(accepted.front());
        else
            AssignFileLS(accepted);
    }
}

} // namespace qor
