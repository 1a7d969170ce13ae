// Indentation and line breaks of the lines the page writer builds: tab characters, and
// CR LF inside texts that span several lines.
#pragma once

#include <string>

namespace qor {

inline constexpr const char* CrLf = "\r\n";

inline std::string Tabs(int count)
{
    return std::string(count > 0 ? count : 0, '\t');
}

// Before each option of the script call.
inline std::string OptionBreak()
{
    return CrLf + Tabs(4);
}

} // namespace qor
