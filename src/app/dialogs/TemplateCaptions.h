// The template list's captions in the program's language. The list file of the resource
// folder keeps its Japanese captions (older programs read it as it is); the English ones
// are kept beside it, one "name|caption" line per template.
#pragma once

#include "gallery/TemplateList.h"

#include <string>
#include <vector>

namespace qor {

// The captions of templates in the UI language: English ones from "samples/sample-en.txt"
// where they are there, the list's own otherwise.
std::vector<std::string> TemplateCaptions(const std::vector<TTemplateItem>& templates, const std::string& rscFolder);

} // namespace qor
