// The project file (".qor"): one TComQorCSS1 as an object stream of tagged values behind a
// 16-bit resource header. Projects, templates and the standard settings all use it. The
// writer's bytes are fixed (files written by us read back byte-identical); the reader also
// takes the 32-bit resource form and every value encoding of the format.
#pragma once

#include "gallery/ComQorCSS.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace qor {

// A project file that cannot be read; what() is the text shown after "[Err] ".
class EProjectReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole file as the settings object writes it.
std::string WriteProjectStream(const TComQorCSS1& settings);
// Applies the file's properties to settings, in file order; properties the file lacks keep
// their values. Throws EProjectReadError; the properties read before the error stay applied.
void ReadProjectStream(std::string_view bytes, TComQorCSS1& settings);

} // namespace qor
