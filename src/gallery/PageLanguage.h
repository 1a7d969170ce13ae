// The language a gallery page declares in <html lang>: the project's choice when it has one,
// else the template's own declaration, untouched.
#pragma once

#include "gallery/ComQorCSS.h"
#include "gallery/MakeWarnings.h"
#include "util/UiLanguage.h"

#include <string>

namespace qor {

// A language tag as pages write them: letters, digits and hyphens, starting with a letter
// ("en", "ja", "pt-BR", "zh-Hant-TW").
bool IsLanguageTag(const std::string& text);
// A project's language that is not a tag is dropped with a warning: the page keeps the
// template's declaration.
void KeepLanguageTag(TComQorCSS1& s, TMakeWarnings& warnings);
// Sets lang on the page's <html> element, adding the attribute when the template has none.
void DeclarePageLanguage(TStringList& lines, const std::string& language);
// What a project made in this UI language declares: English pages for an English user,
// the templates' Japanese otherwise.
std::string NewProjectPageLanguage(TUiLanguage language);

} // namespace qor
