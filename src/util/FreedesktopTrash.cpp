#include "util/FreedesktopTrash.h"

#include "util/TextCodec.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qor {

namespace {

fs::path HomeTrash()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && *dataHome) return fs::path(dataHome) / "Trash";
    const char* home = std::getenv("HOME");
    return home ? fs::path(home) / ".local/share/Trash" : fs::path();
}

// The top folder of the file system that holds path.
fs::path MountTop(const fs::path& path)
{
    struct stat own {};
    if (::lstat(path.c_str(), &own) != 0) return {};
    fs::path top = path;
    while (top.has_parent_path() && top.parent_path() != top) {
        struct stat parent {};
        if (::stat(top.parent_path().c_str(), &parent) != 0 || parent.st_dev != own.st_dev) break;
        top = top.parent_path();
    }
    return top;
}

bool WriteAll(int fd, const std::string& text)
{
    return ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

// Reserves a free name in trash/info with an exclusive create, then moves the item into
// trash/files under that name.
bool MoveInto(const fs::path& trash, const fs::path& item, const std::string& originalPath)
{
    std::error_code ec;
    fs::create_directories(trash / "files", ec);
    fs::create_directories(trash / "info", ec);
    std::time_t now = std::time(nullptr);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", std::localtime(&now));
    std::string base = item.filename().string();
    for (int n = 1; n < 10000; ++n) {
        std::string name = n == 1 ? base : base + "." + std::to_string(n);
        fs::path info = trash / "info" / (name + ".trashinfo");
        int fd = ::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return false;
        bool written = WriteAll(fd, "[Trash Info]\nPath=" + PercentEncodePath(originalPath) +
                                        "\nDeletionDate=" + date + "\n");
        ::close(fd);
        if (written && ::rename(item.c_str(), (trash / "files" / name).c_str()) == 0) return true;
        ::unlink(info.c_str());
        return false;
    }
    return false;
}

} // namespace

bool MoveToTrash(const fs::path& path)
{
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (ec) return false;
    fs::path home = HomeTrash();
    if (!home.empty() && MoveInto(home, absolute, absolute.string())) return true;
    fs::path top = MountTop(absolute);
    if (top.empty()) return false;
    fs::path topTrash = top / (".Trash-" + std::to_string(::getuid()));
    // Paths in a file system's own trash are relative to its top folder.
    return MoveInto(topTrash, absolute, fs::relative(absolute, top, ec).string());
}

} // namespace qor
