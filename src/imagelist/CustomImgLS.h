// TCustomImgLS: the ordered list of the gallery's picture entries. Position i (from 0) is
// picture number i+1 of the page and of the image files. This is the model; a view draws
// it and forwards gestures to these operations.
#pragma once

#include "imagelist/ThumbInfo.h"

#include <functional>
#include <string>
#include <vector>

namespace qor {

class TCustomImgLS {
public:
    using TNotifyEvent = std::function<void(TCustomImgLS& sender)>;
    using TSelectThumbEvent = std::function<void(TCustomImgLS& sender, const PThumbInfo& entry)>;

    TCustomImgLS() = default;
    TCustomImgLS(const TCustomImgLS&) = delete;
    TCustomImgLS& operator=(const TCustomImgLS&) = delete;
    virtual ~TCustomImgLS() = default;

    int Count() const { return static_cast<int>(FThumbLS.size()); }
    PThumbInfo IdToPInfo(int id) const;
    int PInfoToId(const TThumbInfo* entry) const;
    std::string GetFileName(int id) const;
    // Position of the first entry with exactly this file name, -1 when there is none.
    int FindFile(const std::string& fileName) const;

    // One attribute line per entry, in list order.
    TStringList GetAttrLS() const;
    // Replaces all entries by entries rebuilt from attribute lines.
    void LoadAttrLS(const TStringList& lines);
    // Replaces all entries by one new entry per file name, titled from the name.
    void AssignFileLS(const TStringList& fileNames);
    // The file name of every entry in order.
    TStringList Items() const;

    // The plain file list: one path per line, UTF-8 with byte-order mark and CR LF.
    void SaveToFile(const std::string& fileList) const;
    // False when the file does not exist (nothing changes).
    bool LoadFromFile(const std::string& fileList);

    // Removes all entries; the serials start again at 1.
    virtual void Clear(bool refresh, bool notifyClear);

    int SideButtonStdIndex = 0; // btnId of new entries

    TSelectThumbEvent OnSelectThumb;
    TNotifyEvent OnAssignedItemsShown;
    // The view's hooks: redraw, and start loading thumbnails in the background.
    TNotifyEvent OnRedraw;
    TNotifyEvent OnStartLoading;

protected:
    // A new entry with the list's defaults and the next serial; file facts not yet read.
    PThumbInfo NewEntry();
    // Redraws, raises OnAssignedItemsShown and starts background loading.
    void ShowAssignedItems();

    std::vector<PThumbInfo> FThumbLS;
    int32_t FMaxPId = 0;
};

} // namespace qor
