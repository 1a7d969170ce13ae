#include "app/dialogs/TemplateCaptions.h"

#include "util/TextFile.h"
#include "util/UiLanguage.h"
#include "util/XEComText.h"

#include <map>

namespace qor {

namespace {

std::map<std::string, std::string> EnglishCaptions(const std::string& rscFolder)
{
    std::map<std::string, std::string> captions;
    try {
        for (const std::string& line : LoadTextLines(rscFolder + "samples/sample-en.txt")) {
            TStringList fields = SplitText(line, '|');
            if (fields.size() >= 2) captions[fields[0]] = fields[1];
        }
    } catch (const std::exception&) {
        // Without the file the list's own captions are shown.
    }
    return captions;
}

} // namespace

std::vector<std::string> TemplateCaptions(const std::vector<TTemplateItem>& templates, const std::string& rscFolder)
{
    const std::map<std::string, std::string> english =
        UiLanguage() == TUiLanguage::English ? EnglishCaptions(rscFolder) : std::map<std::string, std::string>();
    std::vector<std::string> captions;
    for (const TTemplateItem& item : templates) {
        auto found = english.find(item.Name);
        captions.push_back(found == english.end() ? item.Caption : found->second);
    }
    return captions;
}

} // namespace qor
