// The ready-made designs of the resource folder: "samples/sample.txt" lists them, one item
// "name|caption|" a line; each is the project file samples/<name>.qor with the preview
// picture samples/<name>.jpg.
#pragma once

#include <string>
#include <vector>

namespace qor {

struct TTemplateItem {
    std::string Name;
    std::string Caption;
    std::string ProjectFile;
    std::string PreviewFile;
};

// The items of the template list; empty when the list file is missing. Lines with fewer
// than two fields are left out.
std::vector<TTemplateItem> LoadTemplateList(const std::string& rscFolder);

} // namespace qor
