#include "app/platform/UpdateRule.h"

#include <charconv>
#include <vector>

namespace qor {

std::string ServerVersionOf(std::string_view body)
{
    std::string_view line = body.substr(0, body.find_first_of("\r\n"));
    return std::string(line.substr(0, line.find('|')));
}

namespace {

std::vector<std::string_view> SplitAtDots(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        size_t dot = text.find('.', start);
        parts.push_back(text.substr(start, dot - start));
        if (dot == std::string_view::npos) return parts;
        start = dot + 1;
    }
}

std::optional<long> NumberOf(std::string_view part)
{
    long value = 0;
    auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc() || end != part.data() + part.size() || part.empty())
        return std::nullopt;
    return value;
}

} // namespace

int CompareVersion(std::string_view text, const TXEVersion& running)
{
    std::vector<std::string_view> parts = SplitAtDots(text);
    if (parts.size() < 3) return 0;
    const long ours[3] = {running.Major, running.Minor, running.Revision};
    long theirs[3];
    for (int i = 0; i < 3; ++i) {
        std::optional<long> number = NumberOf(parts[i]);
        if (!number) return 0;
        theirs[i] = *number;
    }
    for (int i = 0; i < 3; ++i)
        if (theirs[i] != ours[i]) return theirs[i] > ours[i] ? 1 : -1;
    return 0;
}

bool IsCheckDue(bool forced, std::optional<std::chrono::system_clock::time_point> lastCheck,
                std::chrono::system_clock::time_point now)
{
    if (forced || !lastCheck || *lastCheck > now) return true;
    return now - *lastCheck >= std::chrono::days(UpdateIntervalDays);
}

} // namespace qor
