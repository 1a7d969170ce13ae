#include "gallery/PublishedProps.h"

#include <array>

namespace qor {

namespace {

using S = TComQorCSS1;
using K = TPropKind;
using W = TPropWritten;

const std::array<TPublishedProp, 56> Table = {{
    {"BackGroundColorHex", K::String, W::NotEmpty, &S::BackGroundColorHex},
    {"Identifier", K::String, W::NotEmpty, &S::Identifier},
    {"OutFolder", K::String, W::NotEmpty, &S::OutFolder},
    {"StyleSheet", K::String, W::NotEmpty, &S::StyleSheet},
    {"HTML", K::String, W::NotEmpty, &S::HTML},
    {"PageTitle", K::String, W::NotEmpty, &S::PageTitle},
    {"ControllerType", K::Integer, W::Always, &S::ControllerType},
    {"FrameType", K::Integer, W::Always, &S::FrameType},
    {"TransitIndex", K::Integer, W::Always, &S::TransitIndex},
    {"TransitDuration", K::Extended, W::NotZero, &S::TransitDuration},
    {"ProgressBar", K::Boolean, W::Always, &S::ProgressBar},
    {"AutoHideCtrl", K::Boolean, W::Always, &S::AutoHideCtrl},
    {"AutoSlideShow", K::Boolean, W::Always, &S::AutoSlideShow},
    {"SlideshowInterval", K::Extended, W::NotZero, &S::SlideshowInterval},
    {"ShowQorHeader", K::Integer, W::Always, &S::ShowQorHeader},
    {"ImageWidth", K::Integer, W::Always, &S::ImageWidth},
    {"ImageHeight", K::Integer, W::Always, &S::ImageHeight},
    {"ThumbWidth", K::Integer, W::Always, &S::ThumbWidth},
    {"ThumbHeight", K::Integer, W::Always, &S::ThumbHeight},
    {"ThumbBorderWidth", K::Integer, W::Always, &S::ThumbBorderWidth},
    {"ThumbTitleOffsetY", K::Integer, W::Always, &S::ThumbTitleOffsetY},
    {"WrapperMarginY", K::Integer, W::Always, &S::WrapperMarginY},
    {"ThumbBorderColorHex", K::String, W::NotEmpty, &S::ThumbBorderColorHex},
    {"GalleryFrameColorHex", K::String, W::NotEmpty, &S::GalleryFrameColorHex},
    {"StartColor", K::Colour, W::Always, &S::StartColor},
    {"EndColor", K::Colour, W::Always, &S::EndColor},
    {"ShowThumbTitle", K::Boolean, W::Always, &S::ShowThumbTitle},
    {"ThumbTitleHeight", K::Integer, W::Always, &S::ThumbTitleHeight},
    {"ThumbPolaroid", K::Boolean, W::Always, &S::ThumbPolaroid},
    {"ShowTopic", K::Boolean, W::Always, &S::ShowTopic},
    {"CommentPosIndex", K::Integer, W::Always, &S::CommentPosIndex},
    {"ColorCommentText", K::String, W::NotEmpty, &S::ColorCommentText},
    {"ColorCommentShadow", K::String, W::NotEmpty, &S::ColorCommentShadow},
    {"ColorCommentBG", K::String, W::NotEmpty, &S::ColorCommentBG},
    {"ColorTopicText", K::String, W::NotEmpty, &S::ColorTopicText},
    {"ColorTopicShadow", K::String, W::NotEmpty, &S::ColorTopicShadow},
    {"ColorTopicBG", K::String, W::NotEmpty, &S::ColorTopicBG},
    {"ColorThumbTitleText", K::String, W::NotEmpty, &S::ColorThumbTitleText},
    {"ColorThumbTitleShadow", K::String, W::NotEmpty, &S::ColorThumbTitleShadow},
    {"ColorProgressBar", K::String, W::NotEmpty, &S::ColorProgressBar},
    {"NextArrowFile", K::String, W::NotEmpty, &S::NextArrowFile},
    {"PrevArrowFile", K::String, W::NotEmpty, &S::PrevArrowFile},
    {"CtrlPosition", K::Integer, W::Always, &S::CtrlPosition},
    {"CtrlWidth", K::Integer, W::Always, &S::CtrlWidth},
    {"Responsive", K::Boolean, W::Always, &S::Responsive},
    {"MinScale", K::Integer, W::Always, &S::MinScale},
    {"MouseEmulateFlick", K::Boolean, W::Always, &S::MouseEmulateFlick},
    {"ShowButton", K::Boolean, W::Always, &S::ShowButton},
    {"ImageQuality", K::Integer, W::Always, &S::ImageQuality},
    {"SlideIdentifier", K::Integer, W::Always, &S::SlideIdentifier},
    {"AttrLS", K::Strings, W::NotEmpty, &S::AttrLS},
    {"Descriptions", K::Strings, W::NotEmpty, &S::Descriptions},
    {"SuppressWrapperNote", K::Boolean, W::Always, &S::SuppressWrapperNote},
    {"DemoMode", K::Boolean, W::Always, &S::DemoMode},
    {"DemoWidth", K::Integer, W::Always, &S::DemoWidth},
    // Stored after the older properties, and only when set, so older files and programs read.
    {"PageLanguage", K::String, W::NotEmpty, &S::PageLanguage},
}};

} // namespace

std::span<const TPublishedProp> PublishedProps()
{
    return Table;
}

const TPublishedProp* FindPublishedProp(std::string_view name)
{
    for (const TPublishedProp& prop : Table)
        if (prop.Name == name) return &prop;
    return nullptr;
}

void AssignPublishedProps(TComQorCSS1& to, const TComQorCSS1& from)
{
    for (const TPublishedProp& prop : Table) prop.Assign(to, from);
}

} // namespace qor
