// The language of what the programs show: Japanese (the system's own texts) or English.
// The programs choose it once at start from the user's locale, the way gettext reads it:
// LANGUAGE (its first entry naming Japanese or English; ignored under the C locale), then the
// first of LC_ALL, LC_MESSAGES and LANG that is set. A Japanese locale gives Japanese,
// anything else English. A setting of the configuration ("ja" or "en") wins over the locale.
//
// Until a program chooses, the texts are Japanese. Only what is shown changes: the gallery
// pages, style sheets and project files are the same bytes in every language.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace qor {

enum class TUiLanguage { Japanese, English };

// The language of a locale environment; getenv answers a variable's value (empty when unset).
TUiLanguage LanguageOfEnvironment(const std::function<std::string(const char*)>& getenv);
// The same for the process's environment.
TUiLanguage LanguageOfEnvironment();
// "ja..." or "en..." chooses that language; anything else (empty: no setting) the locale's.
TUiLanguage ChooseUiLanguage(std::string_view setting, TUiLanguage ofLocale);

void SetUiLanguage(TUiLanguage language);
TUiLanguage UiLanguage();

} // namespace qor
