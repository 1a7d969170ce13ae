#include "gallery/OutputNames.h"

#include <gtest/gtest.h>

namespace {

using namespace qor;

struct TNameCase {
    const char* Typed;
    const char* Page;
    const char* StyleSheet;
};

class OutputNames : public testing::TestWithParam<TNameCase> {};

TEST_P(OutputNames, GetTheExtensionTheBrowserExpects)
{
    EXPECT_EQ(NormalizePageName(GetParam().Typed), GetParam().Page);
    EXPECT_EQ(NormalizeStyleSheetName(GetParam().Typed), GetParam().StyleSheet);
}

INSTANTIATE_TEST_SUITE_P(
    TypedNames, OutputNames,
    testing::Values(TNameCase{"gallery", "gallery.html", "gallery.css"},
                    TNameCase{"gallery.htm", "gallery.htm", "gallery.css"},
                    TNameCase{"Gallery.HTML", "Gallery.HTML", "Gallery.css"},
                    TNameCase{"gallery.php", "gallery.html", "gallery.css"},
                    TNameCase{"a:b?.html", "a_b_.html", "a_b_.css"},
                    TNameCase{"   ", "index.html", "style.css"},
                    TNameCase{"", "index.html", "style.css"},
                    TNameCase{".html", "_html.html", "_html.css"},
                    TNameCase{"main", "main.html", "main.css"},
                    TNameCase{"main.CSS", "main.html", "main.CSS"},
                    TNameCase{"main.txt", "main.html", "main.css"},
                    TNameCase{"\xE3\x80\x80写真.html\xE3\x80\x80", "写真.html", "写真.css"},
                    TNameCase{"a.b.c", "a.b.html", "a.b.css"}));

} // namespace
