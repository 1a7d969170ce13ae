#include "util/UiLanguage.h"
#include "util/UnitMsg.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

namespace {

using namespace qor;
using L = TUiLanguage;

TEST(UiLanguage, LocaleEnvironmentChoosesJapaneseOnlyForJapanese)
{
    const struct {
        std::map<std::string, std::string> Env;
        L Language;
    } cases[] = {
        {{}, L::English},
        {{{"LANG", "ja_JP.UTF-8"}}, L::Japanese},
        {{{"LANG", "ja"}}, L::Japanese},
        {{{"LANG", "jav_ID"}}, L::English},
        {{{"LANG", "en_US.UTF-8"}}, L::English},
        {{{"LANG", "de_DE.UTF-8"}}, L::English},
        {{{"LANG", "C.UTF-8"}}, L::English},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}}, L::Japanese},
        {{{"LANG", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}, L::English},
        {{{"LC_MESSAGES", "en_GB.UTF-8"}, {"LC_ALL", "ja_JP.eucJP"}}, L::Japanese},
        {{{"LC_ALL", "C"}, {"LANG", "ja_JP.UTF-8"}}, L::English},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ja:en"}}, L::Japanese},
        {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "fr:en_GB:ja"}}, L::English},
        {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "fr:de"}}, L::Japanese},
        {{{"LANG", "C"}, {"LANGUAGE", "ja"}}, L::English},
        {{{"LANGUAGE", "ja"}}, L::English},
    };
    for (const auto& c : cases) {
        auto getenv = [&](const char* name) {
            auto it = c.Env.find(name);
            return it == c.Env.end() ? std::string() : it->second;
        };
        std::string shown;
        for (const auto& [name, value] : c.Env)
            shown += name + "=" + value + " ";
        EXPECT_EQ(LanguageOfEnvironment(getenv), c.Language) << shown;
    }
}

TEST(UiLanguage, ConfigurationSettingWinsOverTheLocale)
{
    EXPECT_EQ(ChooseUiLanguage("ja", L::English), L::Japanese);
    EXPECT_EQ(ChooseUiLanguage("en", L::Japanese), L::English);
    EXPECT_EQ(ChooseUiLanguage("en_US", L::Japanese), L::English);
    EXPECT_EQ(ChooseUiLanguage("", L::Japanese), L::Japanese);
    EXPECT_EQ(ChooseUiLanguage("", L::English), L::English);
    EXPECT_EQ(ChooseUiLanguage("fr", L::Japanese), L::Japanese);
}

bool HasJapanese(const std::string& text)
{
    // Every Japanese script lies in U+3000..U+9FFF or the full-width forms U+FF00..U+FFEF,
    // whose UTF-8 lead bytes are E3..E9 and EF BC..EF BF.
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0xE3 && c <= 0xE9) return true;
        if (c == 0xEF && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0xBC)
            return true;
    }
    return false;
}

std::multiset<std::string> Placeholders(const std::string& text)
{
    static const std::regex placeholder("%[0-9.:-]*[sdxefgmnpu]");
    std::multiset<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
         it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

class MessageTableLanguage : public testing::Test {
protected:
    void TearDown() override { SetUiLanguage(L::Japanese); }
};

TEST_F(MessageTableLanguage, EveryMessageHasAnEnglishTextWithTheSameArguments)
{
    std::vector<int> keys = MsgKeys();
    ASSERT_GE(keys.size(), 30u);
    for (int key : keys) {
        SetUiLanguage(L::Japanese);
        std::string japanese = GetMsgText(key);
        SetUiLanguage(L::English);
        std::string english = GetMsgText(key);
        SCOPED_TRACE(key);
        EXPECT_TRUE(HasJapanese(japanese));
        EXPECT_FALSE(english.empty());
        EXPECT_FALSE(HasJapanese(english)) << english;
        EXPECT_EQ(Placeholders(english), Placeholders(japanese));
    }
}

TEST_F(MessageTableLanguage, JapaneseUntilAProgramChooses)
{
    EXPECT_EQ(UiLanguage(), L::Japanese);
    EXPECT_EQ(GetMsgText(0), "QorikaHTML5ギャラリー");
    SetUiLanguage(L::English);
    EXPECT_EQ(GetMsgText(0), "Qorika HTML5 Gallery");
    EXPECT_EQ(
        FormatMsg(25, {"1.6.2"}),
        "A new version of Qorika HTML5 Gallery can be downloaded\r1.6.2\rShow the download page?");
    EXPECT_EQ(GetMsgText(1), "");
}

} // namespace
