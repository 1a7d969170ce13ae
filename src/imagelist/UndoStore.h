// The one-step undo of the picture list. An undoable operation (insert, delete, move)
// first saves the entry order; Undo exchanges the list's order with the saved one, so a
// second Undo redoes and a third undoes again. Entries that an operation took out of the
// list stay here while they can come back, then wait in FDelLS until the list is cleared.
#pragma once

#include "imagelist/ThumbInfo.h"

#include <vector>

namespace qor {

using TThumbList = std::vector<PThumbInfo>;

enum class TNTUndo { cundoNone, cundoMove, cundoDel, cundoMerge, cundoCanRedo };

class TUndoStore {
public:
    // Saves order and the scroll position; entries of the last operation that are out of the
    // list can no longer come back and move to FDelLS.
    void Start(TNTUndo kind, const TThumbList& order, int scrollTop);
    // An entry the running operation added or removed.
    void Record(PThumbInfo entry) { FUndoLS.push_back(std::move(entry)); }
    void SetKind(TNTUndo kind) { FUndoStat = kind; }
    void SetUsed(bool used) { FUndoUsed = used; }
    // Exchanges order with the saved one; false (nothing changes) when there is nothing to
    // undo.
    bool Undo(TThumbList& order);
    // Lets go of every entry held here.
    void Clear();

    TNTUndo Kind() const { return FUndoStat; }
    bool Used() const { return FUndoUsed; }
    int Top() const { return FUndoTop; }
    const TThumbList& UndoEntries() const { return FUndoLS; }
    const TThumbList& DeletedEntries() const { return FDelLS; }

private:
    TThumbList FThumbUndo;
    TThumbList FUndoLS;
    TThumbList FDelLS;
    TNTUndo FUndoStat = TNTUndo::cundoNone;
    bool FUndoUsed = false;
    int FUndoTop = 0;
};

} // namespace qor
