#include "cli/PropertyText.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

using namespace qor;

std::string SettingError(TComQorCSS1& s, const std::string& assignment)
{
    try {
        ApplySetting(s, assignment);
    } catch (const ESettingError& e) {
        return e.what();
    }
    return "no error";
}

TEST(PropertyText, EscapesTheCharactersThatWouldBreakALine)
{
    EXPECT_EQ(EscapePropText("a\\b\x19" "c\td\re\nf"), "a\\\\b\\x19c\\td\\re\\nf");
    EXPECT_EQ(UnescapePropText("a\\\\b\\x19c\\td\\re\\nf"), "a\\b\x19" "c\td\re\nf");
    EXPECT_THROW(UnescapePropText("a\\q"), ESettingError);
    EXPECT_THROW(UnescapePropText("a\\"), ESettingError);
}

TEST(PropertyText, EscapingRoundTripsAnyText)
{
    std::mt19937 random(3);
    const std::string alphabet = "ab\\x19\x19\t\r\n写";
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        for (int n = random() % 12; n > 0; --n) text += alphabet[random() % alphabet.size()];
        EXPECT_EQ(UnescapePropText(EscapePropText(text)), text);
        EXPECT_EQ(EscapePropText(text).find_first_of("\t\r\n\x19"), std::string::npos);
    }
}

TEST(PropertyText, ShowsEveryKindInItsForm)
{
    TComQorCSS1 s;
    s.TransitDuration = 0.1L;
    s.StartColor = 0x00FFFFFF;
    s.AttrLS = {"a.jpg\x19x", "b.jpg"};
    s.Descriptions = {"line\tone"};
    std::string shown = FormatAllProps(s);
    EXPECT_NE(shown.find("\nTransitDuration=0.1\n"), std::string::npos);
    EXPECT_NE(shown.find("\nStartColor=16777215\n"), std::string::npos);
    EXPECT_NE(shown.find("\nShowButton=true\nImageQuality=80\n"), std::string::npos);
    EXPECT_NE(shown.find("\nOutFolder=\n"), std::string::npos);
    EXPECT_NE(shown.find("DemoWidth=1200\nPageLanguage=\nAttrLS[0]=a.jpg\\x19x\nAttrLS[1]=b.jpg\n"
                         "Descriptions[0]=line\\tone\n"),
              std::string::npos);
    EXPECT_EQ(shown.rfind("BackGroundColorHex=FFFFFF\n", 0), 0u);
}

TEST(PropertyText, ExtendedValuesAreShownInTheShortestTextThatReadsBack)
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> any(0, 100);
    for (int i = 0; i < 500; ++i) {
        TComQorCSS1 s, read;
        s.SlideshowInterval = static_cast<long double>(any(random)) / 7.0L;
        std::string text = FormatPropValue(*FindPublishedProp("SlideshowInterval"), s);
        ApplySetting(read, "SlideshowInterval=" + text);
        EXPECT_EQ(read.SlideshowInterval, s.SlideshowInterval) << text;
    }
    TComQorCSS1 s;
    s.TransitDuration = 2.5L;
    EXPECT_EQ(FormatPropValue(*FindPublishedProp("TransitDuration"), s), "2.5");
}

TEST(PropertyText, ShownSettingsApplyBackToTheSameValues)
{
    TComQorCSS1 s = TComQorCSS1::NewProjectSettings();
    s.PageTitle = "a\\b\nc";
    s.ProgressBar = true;
    s.EndColor = 0x00123456;
    s.AttrLS = {"x\x19y", ""};
    TComQorCSS1 read;
    std::istringstream lines(FormatAllProps(s));
    ApplySetting(read, "AttrLS=");
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("AttrLS[")) line = "AttrLS+=" + line.substr(line.find('=') + 1);
        ApplySetting(read, line);
    }
    EXPECT_EQ(FormatAllProps(read), FormatAllProps(s));
}

TEST(PropertyText, AppliesListForms)
{
    TComQorCSS1 s;
    ApplySetting(s, "AttrLS+=one");
    ApplySetting(s, "AttrLS+=two\\x19x");
    EXPECT_EQ(s.AttrLS, (TStringList{"one", "two\x19x"}));
    ApplySetting(s, "AttrLS[1]=second");
    EXPECT_EQ(s.AttrLS, (TStringList{"one", "second"}));
    ApplySetting(s, "AttrLS=");
    EXPECT_TRUE(s.AttrLS.empty());
    ApplySetting(s, "Descriptions=only");
    EXPECT_EQ(s.Descriptions, TStringList{"only"});
}

TEST(PropertyText, AcceptsColourNamesAndHexIntegers)
{
    TComQorCSS1 s;
    ApplySetting(s, "StartColor=clSilver");
    EXPECT_EQ(s.StartColor, 0x00C0C0C0);
    ApplySetting(s, "EndColor=$FF");
    EXPECT_EQ(s.EndColor, 0xFF);
    ApplySetting(s, "Responsive=TRUE");
    EXPECT_TRUE(s.Responsive);
}

TEST(PropertyText, RefusesWhatItCannotApplyWithAClearMessage)
{
    TComQorCSS1 s;
    EXPECT_EQ(SettingError(s, "Nope=1"), "no such property: Nope");
    EXPECT_EQ(SettingError(s, "ImageWidth=wide"), "not an integer: wide");
    EXPECT_EQ(SettingError(s, "ImageWidth= 5"), "not an integer:  5");
    EXPECT_EQ(SettingError(s, "ShowButton=yes"), "not true or false: yes");
    EXPECT_EQ(SettingError(s, "TransitDuration=1s"), "not a number: 1s");
    EXPECT_EQ(SettingError(s, "TransitDuration=inf"), "not a number: inf");
    EXPECT_EQ(SettingError(s, "AttrLS[0]=x"), "AttrLS has no line 0");
    EXPECT_EQ(SettingError(s, "AttrLS[-1]=x"), "not a list index: AttrLS[-1]");
    EXPECT_EQ(SettingError(s, "ImageWidth+=5"), "ImageWidth is not a list: ImageWidth+=5");
    EXPECT_EQ(SettingError(s, "noequals"), "expected Name=Value: noequals");
    EXPECT_EQ(SettingError(s, "=5"), "expected Name=Value: =5");
    EXPECT_EQ(s.ImageWidth, 0);
}

} // namespace
