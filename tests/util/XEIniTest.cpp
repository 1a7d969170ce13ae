#include "support/TempDir.h"
#include "util/XEIni.h"

#include <gtest/gtest.h>

using namespace qor;
using qortest::TempDir;

TEST(XEIniFile, ReadsValuesWhateverTheCaseOfNamesAndDefaultsWhatIsMissing)
{
    TempDir dir;
    auto path = dir.Write("a.ini", "\xEF\xBB\xBF[System]\r\nDebug=1\r\nName = two words \r\n[setting]\nCount=x7\n");
    TXEIniFile ini(path.string());
    EXPECT_TRUE(ini.ReadBool("system", "DEBUG", false));
    EXPECT_EQ(ini.ReadString("System", "Name", ""), "two words");
    EXPECT_EQ(ini.ReadInteger("Setting", "Count", 42), 42); // not numeric
    EXPECT_EQ(ini.ReadInteger("Setting", "Missing", -3), -3);
    EXPECT_TRUE(ini.ReadBool("Other", "Flag", true));
}

TEST(XEIniFile, RectanglesNeedFourPiecesAndReadOthersAsZero)
{
    TempDir dir;
    TXEIniFile ini((dir / "r.ini").string());
    const std::pair<const char*, TRect> cases[] = {
        {"100|50|1100|750", {100, 50, 1100, 750}},
        {"100|50|1100", {0, 0, 0, 0}},
        {"1|x|3|4", {1, 0, 3, 4}},
        {"-5|-6|7|8|9", {-5, -6, 7, 8}},
    };
    for (const auto& [text, expected] : cases) {
        ini.WriteString("S", "R", text);
        EXPECT_EQ(ini.ReadRect("S", "R", {9, 9, 9, 9}), expected) << text;
    }
    EXPECT_EQ(ini.ReadRect("S", "Missing", {1, 2, 3, 4}), (TRect{1, 2, 3, 4}));
}

TEST(XEIniFile, RewritingKeepsPlacesAndAppendsNewKeysToTheirSection)
{
    TempDir dir;
    auto path = dir.Write("b.ini", "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
    TXEIniFile ini(path.string());
    ini.WriteInteger("a", "X", 10);
    ini.WriteBool("A", "w", true);
    ini.WriteRect("C", "r", {1, 2, 3, 4});
    ini.UpdateFile();
    EXPECT_EQ(qortest::ReadAll(path),
              "\xEF\xBB\xBF[A]\r\nx=10\r\ny=2\r\nw=1\r\n\r\n[B]\r\nz=3\r\n\r\n[C]\r\nr=1|2|3|4\r\n");
}

TEST(XEIniFile, AMissingFileGivesDefaultsAndIsCreatedOnUpdate)
{
    TempDir dir;
    TXEIniFile ini((dir / "new.ini").string());
    EXPECT_FALSE(ini.ValueExists("System", "Carbon"));
    ini.WriteString("System", "Carbon", "0");
    ini.UpdateFile();
    TXEIniFile again((dir / "new.ini").string());
    EXPECT_FALSE(again.ReadBool("System", "Carbon", true));
}
