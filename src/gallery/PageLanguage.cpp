#include "gallery/PageLanguage.h"

#include "util/LocalText.h"

#include <algorithm>
#include <cctype>

namespace qor {

namespace {

constexpr size_t kLongestTag = 35;

bool IsTagCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-';
}

} // namespace

bool IsLanguageTag(const std::string& text)
{
    return !text.empty() && text.size() <= kLongestTag &&
           std::isalpha(static_cast<unsigned char>(text[0])) &&
           std::all_of(text.begin(), text.end(), IsTagCharacter) && !text.ends_with('-');
}

void KeepLanguageTag(TComQorCSS1& s, TMakeWarnings& warnings)
{
    if (s.PageLanguage.empty() || IsLanguageTag(s.PageLanguage)) return;
    warnings.push_back(
        {s.PageLanguage, LocalText("not a language tag; the page keeps the template's language")});
    s.PageLanguage.clear();
}

void DeclarePageLanguage(TStringList& lines, const std::string& language)
{
    const std::string attribute = "lang=\"" + language + "\"";
    for (std::string& line : lines) {
        size_t html = line.find("<html");
        if (html == std::string::npos) continue;
        size_t end = line.find('>', html);
        if (end == std::string::npos) return;
        size_t lang = line.find("lang=\"", html);
        size_t close = lang < end ? line.find('"', lang + 6) : std::string::npos;
        if (close != std::string::npos && close < end)
            line.replace(lang, close + 1 - lang, attribute);
        else
            line.insert(html + 5, " " + attribute);
        return;
    }
}

std::string NewProjectPageLanguage(TUiLanguage language)
{
    return language == TUiLanguage::English ? "en" : "";
}

} // namespace qor
