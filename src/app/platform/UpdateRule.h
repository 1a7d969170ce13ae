// The rules of the update check that need no network and no window: which line of the
// server's version file names the newest version, how a version text compares with the
// running program, and when the automatic check is due.
#pragma once

#include "util/XEInitPrj.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

// The path of the version file on the update server.
inline constexpr const char* UpdateVersionPath = "/updater/verqkg.txt";
// The automatic check runs at most once in this many whole days.
inline constexpr int UpdateIntervalDays = 7;

// The first "|"-separated field of the body's first line; empty for an empty body.
std::string ServerVersionOf(std::string_view body);

// Negative, 0 or positive as text names an older, the same or a newer version than running,
// comparing major, minor and revision. A text with fewer than three parts, or whose first
// three parts are not all numbers, counts as the same version.
int CompareVersion(std::string_view text, const TXEVersion& running = AppVersion());

// Whether a check fetches now: always when forced or never checked; otherwise when at least
// the interval has passed since the last check. A last check in the future (the clock was
// set back) makes the check due, so that a wrong clock cannot stop the checks for good.
bool IsCheckDue(bool forced, std::optional<std::chrono::system_clock::time_point> lastCheck,
                std::chrono::system_clock::time_point now);

} // namespace qor
