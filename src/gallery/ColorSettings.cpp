#include "gallery/ColorSettings.h"

#include "gallery/ColorText.h"
#include "util/LocalText.h"

namespace qor {

namespace {

struct TColorSetting {
    const char* Name;
    std::string TComQorCSS1::*Text;
};

using S = TComQorCSS1;

const TColorSetting kColorSettings[] = {
    {"BackGroundColorHex", &S::BackGroundColorHex},
    {"ThumbBorderColorHex", &S::ThumbBorderColorHex},
    {"GalleryFrameColorHex", &S::GalleryFrameColorHex},
    {"ColorCommentText", &S::ColorCommentText},
    {"ColorCommentShadow", &S::ColorCommentShadow},
    {"ColorCommentBG", &S::ColorCommentBG},
    {"ColorTopicText", &S::ColorTopicText},
    {"ColorTopicShadow", &S::ColorTopicShadow},
    {"ColorTopicBG", &S::ColorTopicBG},
    {"ColorThumbTitleText", &S::ColorThumbTitleText},
    {"ColorThumbTitleShadow", &S::ColorThumbTitleShadow},
    {"ColorProgressBar", &S::ColorProgressBar},
};

} // namespace

void KeepColorTexts(TComQorCSS1& s, TMakeWarnings& warnings)
{
    const TComQorCSS1 defaults;
    for (const TColorSetting& setting : kColorSettings) {
        std::string& text = s.*setting.Text;
        if (IsColorText(text)) continue;
        const std::string& fallback = defaults.*setting.Text;
        warnings.push_back({text, LocalFormat("%s is not a hexadecimal colour; %s is written instead",
                                              {setting.Name, fallback.empty() ? LocalText("no colour")
                                                                              : fallback})});
        text = fallback;
    }
}

} // namespace qor
