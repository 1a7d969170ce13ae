#include "gallery/EntryLines.h"

#include "GalleryFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace galleryfixture;

TEST(EntryLines, ShortLinkKeepsTitleAsTitleAttribute)
{
    TEntryLines lines = BuildEntryLines(Texts("Sea", {}, "a.htm", "_self"), 3, 0);
    EXPECT_EQ(lines.Slide, "<li>\r\n\t\t\t\t<a href=\"a.htm\" target=\"_self\" data-topic=\"\"></a>"
                           "\r\n\t\t\t\t<img src=\"img/img3.jpg\" alt=\"img3.jpg\" title=\"Sea\" />"
                           "\r\n\t\t\t\t<span><p class=\"qo_span_h1\">Sea</p></span>"
                           "\r\n\t\t\t</li>");
    EXPECT_EQ(lines.Thumb, "<li><img src=\"img/thumb/3.jpg\" alt=\"3.jpg\" title=\"Sea\" /></li>");
}

TEST(EntryLines, LongLinkShowsAddressOnSlideOnly)
{
    TEntryLines lines = BuildEntryLines(Texts("Sea", {}, "page2.htm", "_blank", "New"), 1, 0);
    EXPECT_NE(lines.Slide.find("<a href=\"page2.htm\" target=\"_blank\" data-topic=\"New\"></a>"),
              std::string::npos);
    EXPECT_NE(lines.Slide.find("alt=\"img1.jpg\" title=\"page2.htm\" />"), std::string::npos);
    EXPECT_NE(lines.Thumb.find("title=\"Sea\""), std::string::npos);
}

TEST(EntryLines, LinkLengthCountsCharactersNotBytes)
{
    TEntryLines lines = BuildEntryLines(Texts("Sea", {}, "写真.htm", "_self"), 1, 0);
    EXPECT_NE(lines.Slide.find("title=\"写真.htm\""), std::string::npos);
    lines = BuildEntryLines(Texts("Sea", {}, "写真写.h", "_self"), 1, 0);
    EXPECT_NE(lines.Slide.find("title=\"Sea\""), std::string::npos);
}

TEST(EntryLines, BannerOnlyLinksToHashWithoutCaption)
{
    TEntryLines lines = BuildEntryLines(Texts("", {}, "", "", "Sale"), 2, 0);
    EXPECT_EQ(lines.Slide, "<li>\r\n\t\t\t\t<a href=\"#\" data-topic=\"Sale\" ></a>"
                           "\r\n\t\t\t\t<img src=\"img/img2.jpg\" alt=\"img2.jpg\"  />"
                           "\r\n\t\t\t</li>");
}

TEST(EntryLines, DescriptionWithoutTitleGivesContentOnly)
{
    TEntryLines lines = BuildEntryLines(Texts("", {"one", ""}), 1, 0);
    EXPECT_NE(lines.Slide.find("<span><p class=\"qo_span_content\">one<br /><br /></p></span>"),
              std::string::npos);
    EXPECT_EQ(lines.Slide.find("qo_span_h1"), std::string::npos);
}

// Markup stays markup; only the quote that would close the title attribute is a reference.
TEST(EntryLines, MarkupInTextsIsWrittenUnescaped)
{
    TEntryLines lines = BuildEntryLines(Texts("<b>Bold</b> & \"q\""), 1, 0);
    EXPECT_NE(lines.Thumb.find("title=\"<b>Bold</b> & &quot;q&quot;\""), std::string::npos);
    EXPECT_NE(lines.Slide.find("<p class=\"qo_span_h1\"><b>Bold</b> & \"q\"</p>"),
              std::string::npos);
}

TEST(EntryLines, DemoIndentationDeepensBreaks)
{
    TEntryLines lines = BuildEntryLines(Texts("Sea"), 1, 3);
    EXPECT_EQ(lines.Slide, "<li>\r\n\t\t\t\t\t\t\t<img src=\"img/img1.jpg\" alt=\"img1.jpg\" "
                           "title=\"Sea\" />\r\n\t\t\t\t\t\t\t<span><p class=\"qo_span_h1\">Sea"
                           "</p></span>\r\n\t\t\t\t\t\t</li>");
}

// Lazy pictures: the same lines with "src" of every picture but slide 1 renamed to
// "data-src"; nothing else changes, whatever the texts.
TEST(EntryLines, LazyRenamesSourcesExceptTheFirstSlide)
{
    const TUserInfo cases[] = {Texts(""), Texts("Sea", {"Blue"}), Texts("Sea", {}, "page2.htm", "_blank", "New"),
                               Texts("", {}, "", "", "Sale")};
    for (const TUserInfo& user : cases) {
        for (int number : {1, 2, 40}) {
            TEntryLines plain = BuildEntryLines(user, number, 3);
            TEntryLines lazy = BuildEntryLines(user, number, 3, true);
            std::string slide = plain.Slide;
            if (number > 1) slide.replace(slide.find("<img src=\""), 10, "<img data-src=\"");
            std::string thumb = plain.Thumb;
            thumb.replace(thumb.find("<img src=\""), 10, "<img data-src=\"");
            EXPECT_EQ(lazy.Slide, slide) << number;
            EXPECT_EQ(lazy.Thumb, thumb) << number;
            EXPECT_EQ(lazy.Slide.find("<img src=") != std::string::npos, number == 1) << number;
        }
    }
}

} // namespace
