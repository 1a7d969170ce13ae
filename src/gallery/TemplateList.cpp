#include "gallery/TemplateList.h"

#include "util/TextFile.h"
#include "util/XEComFile.h"
#include "util/XEComText.h"

#include <filesystem>

namespace qor {

std::vector<TTemplateItem> LoadTemplateList(const std::string& rscFolder)
{
    std::string samples = rscFolder + "samples/";
    std::vector<TTemplateItem> items;
    std::error_code ec;
    if (!std::filesystem::exists(samples + "sample.txt", ec)) return items;
    for (const std::string& line : LoadTextLines(samples + "sample.txt")) {
        TStringList fields = SplitText(line, '|');
        // The name is joined to the samples folder: only a plain file name stays inside it.
        if (fields.size() < 2 || !IsPlainFileName(fields[0])) continue;
        items.push_back({fields[0], fields[1], samples + fields[0] + ".qor",
                         samples + fields[0] + ".jpg"});
    }
    return items;
}

} // namespace qor
