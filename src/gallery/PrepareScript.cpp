#include "gallery/PrepareScript.h"

#include "gallery/BuiltinScript.h"

#include <system_error>

namespace qor {

bool PrepareScript(TComQorCSS1& settings, bool builtinScript)
{
    if (builtinScript) {
        settings.AssignJS(BuiltinScriptText());
        return !settings.Java().empty();
    }
    try {
        return settings.ParseJS();
    } catch (const std::system_error&) {
        return !settings.Java().empty();
    }
}

} // namespace qor
