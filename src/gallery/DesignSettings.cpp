#include "gallery/DesignSettings.h"

#include "gallery/PublishedProps.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace qor {

namespace {

// The page's language belongs to its texts, not to its design: a template never changes it.
constexpr std::array<std::string_view, 12> ProjectFields = {
    "OutFolder", "StyleSheet", "HTML", "PageTitle", "Identifier", "AttrLS", "Descriptions",
    "SlideIdentifier", "SuppressWrapperNote", "DemoMode", "DemoWidth", "PageLanguage"};
constexpr std::array<std::string_view, 4> Sizes = {"ImageWidth", "ImageHeight", "ThumbWidth",
                                                   "ThumbHeight"};
constexpr std::array<std::string_view, 4> KeptByTemplate = {"Responsive", "MinScale",
                                                            "AutoSlideShow", "SlideshowInterval"};

template <size_t N> bool In(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsCopied(std::string_view name, TDesignCopy how)
{
    if (In(ProjectFields, name)) return false;
    if (how.AsTemplate && In(KeptByTemplate, name)) return false;
    if (how.AsTemplate && how.KeepSizes && In(Sizes, name)) return false;
    return true;
}

} // namespace

void CopyDesignSettings(const TComQorCSS1& from, TComQorCSS1& to, TDesignCopy how)
{
    for (const TPublishedProp& prop : PublishedProps()) {
        if (!IsCopied(prop.Name, how)) continue;
        switch (prop.Kind) {
        case TPropKind::String: prop.Str(to) = prop.Str(from); break;
        case TPropKind::Integer:
        case TPropKind::Colour: prop.Int(to) = prop.Int(from); break;
        case TPropKind::Extended: prop.Ext(to) = prop.Ext(from); break;
        case TPropKind::Boolean: prop.Bool(to) = prop.Bool(from); break;
        case TPropKind::Strings: prop.List(to) = prop.List(from); break;
        }
    }
    // Instant-photo thumbnails need a frame to stretch.
    if (to.ThumbPolaroid && to.ThumbBorderWidth == 0) to.ThumbBorderWidth = 2;
}

} // namespace qor
