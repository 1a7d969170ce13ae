// Helpers for the picture list tests: a view that records what the list asks of it, a
// recorder of the list's events, and picture files in a temporary folder.
#pragma once

#include "imagelist/CustomImgLS.h"
#include "support/TempDir.h"

#include <string>
#include <vector>

namespace qortest {

// Stands for a thumbnail: the list only holds and passes pictures, never looks into them.
inline std::shared_ptr<qor::TBmpScan> PictureToken()
{
    auto owner = std::make_shared<int>(0);
    return std::shared_ptr<qor::TBmpScan>(owner, reinterpret_cast<qor::TBmpScan*>(owner.get()));
}

class TRecordingView : public qor::TImgLSView {
public:
    void Redraw(qor::TThumbLoading loading) override { Redraws.push_back(loading); }
    void RedrawCellNow(int id) override { CellsRedrawn.push_back(id); }
    void StartBackgroundLoading() override { ++LoadingStarts; }
    void StopLoaders() override { ++StopRequests; }
    bool LoadersAlive() const override { return Alive; }
    std::shared_ptr<qor::TBmpScan> ComparedThumb(const qor::TBmpScan& thumb, int drawCount) override
    {
        CopiedFrom = &thumb;
        DrawnCount = drawCount;
        return PictureToken();
    }

    std::vector<qor::TThumbLoading> Redraws;
    std::vector<int> CellsRedrawn;
    int LoadingStarts = 0;
    int StopRequests = 0;
    bool Alive = false;
    const qor::TBmpScan* CopiedFrom = nullptr;
    int DrawnCount = -1;
};

// What OnSelectThumb and OnChangeSelection reported, in order.
struct TEventLog {
    explicit TEventLog(qor::TCustomImgLS& list)
    {
        list.OnSelectThumb = [this](qor::TCustomImgLS&, int index, qor::PThumbInfo& entry,
                                    const std::shared_ptr<qor::TBmpScan>&) {
            SelectedIds.push_back(index);
            SelectedEntries.push_back(entry);
        };
        list.OnChangeSelection = [this](qor::TCustomImgLS&, int n) {
            SelectionCounts.push_back(n);
        };
    }
    std::vector<int> SelectedIds;
    std::vector<qor::PThumbInfo> SelectedEntries;
    std::vector<int> SelectionCounts;
};

// Paths of names in folder; the files exist when written with Pictures().
inline qor::TStringList PathsIn(const TempDir& folder, const std::vector<std::string>& names)
{
    qor::TStringList paths;
    for (const std::string& name : names)
        paths.push_back((folder / name).string());
    return paths;
}

inline qor::TStringList Pictures(const TempDir& folder, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        folder.Write(name, name);
    return PathsIn(folder, names);
}

// The file names, without folder, of the entries in list order.
inline std::vector<std::string> Names(const qor::TCustomImgLS& list)
{
    std::vector<std::string> names;
    for (const qor::PThumbInfo& e : list.Entries())
        names.push_back(std::filesystem::path(e->FileName).filename().string());
    return names;
}

inline std::vector<bool> SelectionOf(const qor::TCustomImgLS& list)
{
    std::vector<bool> flags;
    for (const qor::PThumbInfo& e : list.Entries())
        flags.push_back(e->Selected);
    return flags;
}

} // namespace qortest
