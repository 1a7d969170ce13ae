// The thumbnail cache the desktop's file managers share with us: PNG files in
// $XDG_CACHE_HOME/thumbnails/<size>/ named by the MD5 of the picture's file URI as GLib
// escapes it, valid while their Thumb::URI and Thumb::MTime keys (uncompressed tEXt chunks, as
// GLib reads them) match the file; Thumb::Image::Width and Height keep the picture's own size.
// Pictures that cannot be decoded are recorded in fail/qorgallery/. Files are written
// atomically and readable only by the user.
// Thread-safe: every call works on files only.
#pragma once

#include "app/listview/ThumbMaker.h"

#include <string>

namespace qor {

class TFreedesktopThumbCache : public TThumbStore {
public:
    // root: the thumbnails folder (tests pass a sandbox).
    explicit TFreedesktopThumbCache(std::string root = DefaultRoot());
    static std::string DefaultRoot();
    static std::string FileUri(const std::string& fileName);
    // The folder name of a stored size: "normal" 128, "large" 256, "x-large" 512, "xx-large" 1024.
    static const char* SizeFolder(int32_t size);
    std::string ThumbPath(const std::string& fileName, int32_t size) const;
    std::string FailPath(const std::string& fileName) const;

    int32_t StoredSize(int32_t boxWidth, int32_t boxHeight) const override;
    std::optional<TStoredThumb> Load(const std::string& fileName, int32_t size) override;
    void Save(const std::string& fileName, int32_t size, const TBmpScan& upright, int32_t width,
              int32_t height) override;
    bool KnownFailure(const std::string& fileName) override;
    void SaveFailure(const std::string& fileName) override;

private:
    std::string FRoot;
};

} // namespace qor
