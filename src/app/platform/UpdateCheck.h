// GetServerVersion without a window: asks the update server for its version file when the
// check is due and remembers when it asked. The last check is kept in a small file of the
// user's WorkFolder ("LastCheck", the time in seconds since 1970), as the program keeps no
// registry.
#pragma once

#include "app/platform/HttpGet.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace qor {

struct TUpdateSource {
    // "http://host[:port]" or just the host; empty: no server, nothing is ever fetched.
    std::string ServerAddress;
    std::filesystem::path LastCheckFile;
    THttpGetLimits Limits;
};

// The version file's address on the server.
std::string VersionFileUrl(const std::string& serverAddress);

// The time of the last check, or none when there was none (or the file cannot be read).
std::optional<std::chrono::system_clock::time_point>
ReadLastCheck(const std::filesystem::path& file);
// Records the time; a file that cannot be written is left as it is.
void WriteLastCheck(const std::filesystem::path& file, std::chrono::system_clock::time_point when);

// The server's version text, or empty when the check was not due, no server is set or the
// fetch failed. Every fetch, failed or not, forced or not, records now as the last check.
std::string GetServerVersion(bool forced, const TUpdateSource& source,
                             std::chrono::system_clock::time_point now);

// The LastCheck file of the running user.
std::filesystem::path DefaultLastCheckFile();

} // namespace qor
