#include "util/LocalTime.h"

#include <chrono>
#include <ctime>

namespace qor {

std::string FormatLocalTime(TDateTime t, const char* format)
{
    std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[64];
    size_t length = std::strftime(text, sizeof text, format, &local);
    return std::string(text, length);
}

} // namespace qor
