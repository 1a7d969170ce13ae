#include "util/UiLanguage.h"

#include <atomic>
#include <cstdlib>

namespace qor {

namespace {

std::atomic<TUiLanguage> Current{TUiLanguage::Japanese};

bool IsCLocale(std::string_view locale)
{
    return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

bool Names(std::string_view locale, std::string_view language)
{
    return locale.starts_with(language) &&
           (locale.size() == language.size() ||
            std::string_view("_.@").find(locale[language.size()]) != std::string_view::npos);
}

} // namespace

TUiLanguage LanguageOfEnvironment(const std::function<std::string(const char*)>& getenv)
{
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = getenv(name);
        if (!locale.empty()) break;
    }
    if (!locale.empty() && !IsCLocale(locale)) {
        std::string list = getenv("LANGUAGE");
        for (size_t start = 0; start < list.size();) {
            size_t end = list.find(':', start);
            std::string_view entry = std::string_view(list).substr(start, end - start);
            if (Names(entry, "ja")) return TUiLanguage::Japanese;
            if (Names(entry, "en")) return TUiLanguage::English;
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }
    return Names(locale, "ja") ? TUiLanguage::Japanese : TUiLanguage::English;
}

TUiLanguage LanguageOfEnvironment()
{
    return LanguageOfEnvironment([](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    });
}

TUiLanguage ChooseUiLanguage(std::string_view setting, TUiLanguage ofLocale)
{
    if (Names(setting, "ja")) return TUiLanguage::Japanese;
    if (Names(setting, "en")) return TUiLanguage::English;
    return ofLocale;
}

void SetUiLanguage(TUiLanguage language)
{
    Current = language;
}

TUiLanguage UiLanguage()
{
    return Current;
}

} // namespace qor
