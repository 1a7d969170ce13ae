// Selection, cursor and the current entry of the picture list, and the events that report
// them.
#include "imagelist/CustomImgLS.h"

#include <algorithm>

namespace qor {

void TCustomImgLS::DeselectAll()
{
    for (const PThumbInfo& entry : FThumbLS)
        entry->Selected = false;
}

void TCustomImgLS::RaiseSelectEvent(const TSelectThumbEvent& event, const PThumbInfo& entry)
{
    if (!event) return;
    PThumbInfo reported = entry;
    event(*this, entry ? PInfoToId(entry.get()) : -1, reported,
          entry ? entry->bmp : std::shared_ptr<TBmpScan>());
}

void TCustomImgLS::SelectThumb(const PThumbInfo& entry)
{
    PThumbInfo current = (entry && entry->Selected) ? entry : nullptr;
    FFileName = current ? current->FileName : std::string();
    RaiseSelectEvent(OnSelectThumb, current);
}

void TCustomImgLS::SelectButton(int id)
{
    RaiseSelectEvent(OnSelectButton, IdToPInfo(id));
}

void TCustomImgLS::ChangeSelection(bool forced)
{
    int selected = CountSelected();
    bool changed = selected != FSelNum;
    FSelNum = selected;
    if ((forced || changed) && OnChangeSelection) OnChangeSelection(*this, selected);
}

void TCustomImgLS::SelectALL(bool flag, bool refresh, bool noCheckNum)
{
    for (const PThumbInfo& entry : FThumbLS)
        entry->Selected = flag;
    if (refresh) Redraw(TThumbLoading::DrawingTime);
    if (!noCheckNum) ChangeSelection(true);
}

PThumbInfo TCustomImgLS::SelectByIndex(int id)
{
    DeselectAll();
    PThumbInfo entry = IdToPInfo(id);
    if (entry) entry->Selected = true;
    return entry;
}

void TCustomImgLS::SelectRange(int id0, int id1)
{
    if (FThumbLS.empty()) return;
    int last = Count() - 1;
    int from = std::clamp(std::min(id0, id1), 0, last);
    int to = std::clamp(std::max(id0, id1), 0, last);
    for (int i = from; i <= to; ++i)
        FThumbLS[i]->Selected = true;
}

void TCustomImgLS::SetCursorId(int id)
{
    FPreCursorId = FCursorId;
    FCursorId = id;
}

void TCustomImgLS::SelectCursor()
{
    if (!GetCursorInfo() && !FThumbLS.empty()) SetCursorId(0);
    PThumbInfo entry = GetCursorInfo();
    if (entry) entry->Selected = true;
    SelectThumb(entry);
}

int TCustomImgLS::ItemIndex() const
{
    auto it = std::find_if(FThumbLS.begin(), FThumbLS.end(),
                           [](const PThumbInfo& e) { return e->Selected; });
    return it == FThumbLS.end() ? -1 : static_cast<int>(it - FThumbLS.begin());
}

void TCustomImgLS::SetItemIndex(int id)
{
    SelectThumb(SelectByIndex(id));
    Redraw(TThumbLoading::Background);
}

void TCustomImgLS::SelectPreNext(int muki)
{
    int id = ItemIndex() + muki;
    if (id >= Count()) id = 0;
    if (id < 0) id = Count() - 1;
    SetItemIndex(id);
}

PThumbInfo TCustomImgLS::GetItemInfo() const
{
    return IdToPInfo(ItemIndex());
}

PThumbInfo TCustomImgLS::GetCursorInfo() const
{
    return IdToPInfo(FCursorId);
}

int TCustomImgLS::CountSelected() const
{
    return static_cast<int>(std::count_if(FThumbLS.begin(), FThumbLS.end(),
                                          [](const PThumbInfo& e) { return e->Selected; }));
}

void TCustomImgLS::SetFileName(const std::string& fileName)
{
    PThumbInfo entry = IdToPInfo(FindFile(fileName));
    if (!entry) {
        FFileName.clear();
        return;
    }
    DeselectAll();
    ChangeSelection(true);
    entry->Selected = true;
    FFileName = fileName;
    Redraw(TThumbLoading::Background);
    SelectThumb(entry);
}

} // namespace qor
