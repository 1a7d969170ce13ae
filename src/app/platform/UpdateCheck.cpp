#include "app/platform/UpdateCheck.h"

#include "app/platform/UpdateRule.h"
#include "util/AtomicFile.h"

#include <fstream>

namespace qor {

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;

std::string VersionFileUrl(const std::string& serverAddress)
{
    std::string base = serverAddress;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    if (base.find("://") == std::string::npos) base = "http://" + base;
    return base + UpdateVersionPath;
}

std::optional<Clock::time_point> ReadLastCheck(const fs::path& file)
{
    std::ifstream in(file);
    long long seconds = 0;
    if (!(in >> seconds)) return std::nullopt;
    return Clock::time_point(std::chrono::seconds(seconds));
}

void WriteLastCheck(const fs::path& file, Clock::time_point when)
{
    auto seconds = std::chrono::duration_cast<std::chrono::seconds>(when.time_since_epoch());
    try {
        fs::create_directories(file.parent_path());
        WriteFileAtomic(file, std::to_string(seconds.count()) + "\n");
    } catch (const std::exception&) {
        // Not remembering the check only means the next start checks again.
    }
}

std::string GetServerVersion(bool forced, const TUpdateSource& source, Clock::time_point now)
{
    if (source.ServerAddress.empty()) return {};
    if (!IsCheckDue(forced, ReadLastCheck(source.LastCheckFile), now)) return {};
    std::string body = HttpGetText(VersionFileUrl(source.ServerAddress), source.Limits);
    WriteLastCheck(source.LastCheckFile, now);
    return ServerVersionOf(body);
}

fs::path DefaultLastCheckFile()
{
    return fs::path(Folders().WorkFolder) / "LastCheck";
}

} // namespace qor
