#include "app/dialogs/SettingOptions.h"

#include "util/UiLanguage.h"

namespace qor {

std::string DefaultWaterMark()
{
    return UiLanguage() == TUiLanguage::English ? "Created by Qorika HTML5 Gallery, Tessaro Software"
                                                : "Created by QorikaHTML5ギャラリー, Tessaro Software";
}

} // namespace qor
