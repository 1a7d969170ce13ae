#include "gallery/BuiltinScript.h"

#include <cstddef>
#include <string_view>

namespace qor {

extern const unsigned char BuiltinScriptBytes[];
extern const std::size_t BuiltinScriptSize;

TStringList BuiltinScriptText()
{
    return SplitTextLines(
        std::string_view(reinterpret_cast<const char*>(BuiltinScriptBytes), BuiltinScriptSize));
}

} // namespace qor
