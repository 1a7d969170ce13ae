#include "imagelist/UndoStore.h"

namespace qor {

void TUndoStore::Start(TNTUndo kind, const TThumbList& order, int scrollTop)
{
    FThumbUndo = order;
    // An entry reaches FDelLS only from here, and from then on it is neither in the list nor
    // in the saved order, so it can never be recorded twice.
    if (FUndoUsed) FDelLS.insert(FDelLS.end(), FUndoLS.begin(), FUndoLS.end());
    FUndoUsed = false;
    FUndoLS.clear();
    FUndoStat = kind;
    FUndoTop = scrollTop;
}

bool TUndoStore::Undo(TThumbList& order)
{
    if (FUndoStat == TNTUndo::cundoNone) return false;
    order.swap(FThumbUndo);
    switch (FUndoStat) {
    case TNTUndo::cundoMove:
    case TNTUndo::cundoDel:
        FUndoUsed = false;
        break;
    case TNTUndo::cundoMerge:
        FUndoUsed = true;
        break;
    default:
        FUndoUsed = !FUndoUsed;
    }
    FUndoStat = TNTUndo::cundoCanRedo;
    return true;
}

void TUndoStore::Clear()
{
    FThumbUndo.clear();
    FUndoLS.clear();
    FDelLS.clear();
    FUndoStat = TNTUndo::cundoNone;
    FUndoUsed = false;
}

} // namespace qor
