#include "util/FreedesktopTrash.h"

#include "util/TextCodec.h"
#include "util/XEComShell.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qor {

namespace {

fs::path HomeTrash()
{
    std::string dataHome = GetSpecialFolder(TSpecialFolder::LocalAppData);
    return dataHome.empty() ? fs::path() : fs::path(dataHome) / "Trash";
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

bool WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The trash folders are private to their user.
bool MakePrivateFolders(const fs::path& trash)
{
    for (const fs::path& folder : {trash, trash / "files", trash / "info"}) {
        std::error_code ec;
        fs::create_directories(folder.parent_path(), ec);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

// The administrator's shared trash of a file system: a real folder, the sticky bit keeping
// each user's folder in it that user's.
bool IsStickyFolder(const fs::path& folder)
{
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX);
}

// A trash folder on a file system that others may write: another user could have put a link
// or a folder of theirs at its name, so it must be a real folder of the user's, closed to others.
bool MakeOwnFolder(const fs::path& folder)
{
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 07777) == 0700;
}

std::string DeletionDate()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return date;
}

// Moves item to target unless something is there already (a trashed file without its
// restore information, say), which must not be replaced.
bool MoveWithoutReplacing(const fs::path& item, const fs::path& target)
{
    if (::renameat2(AT_FDCWD, item.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false; // EINVAL: not supported here
    struct stat existing {};
    return ::lstat(target.c_str(), &existing) != 0 && ::rename(item.c_str(), target.c_str()) == 0;
}

// Reserves a free name in trash/info with an exclusive create, then moves the item into
// trash/files under that name.
bool MoveInto(const fs::path& trash, const fs::path& item, const std::string& originalPath)
{
    if (!MakePrivateFolders(trash)) return false;
    std::string record = "[Trash Info]\nPath=" + PercentEncodePath(originalPath) +
                         "\nDeletionDate=" + DeletionDate() + "\n";
    std::string base = item.filename().string();
    for (int n = 1; n < 10000; ++n) {
        std::string name = n == 1 ? base : base + "." + std::to_string(n);
        fs::path info = trash / "info" / (name + ".trashinfo");
        int fd = ::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return false;
        bool written = WriteAll(fd, record);
        ::close(fd);
        if (written && MoveWithoutReplacing(item, trash / "files" / name)) return true;
        int error = errno;
        ::unlink(info.c_str());
        if (!written || error != EEXIST) return false;
    }
    return false;
}

} // namespace

fs::path TopFolderTrash(const fs::path& top)
{
    const std::string uid = std::to_string(::getuid());
    if (IsStickyFolder(top / ".Trash") && MakeOwnFolder(top / ".Trash" / uid))
        return top / ".Trash" / uid;
    if (MakeOwnFolder(top / (".Trash-" + uid))) return top / (".Trash-" + uid);
    return {};
}

bool MoveToTrash(const fs::path& path)
{
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (ec) return false;
    fs::path home = HomeTrash();
    if (!home.empty() && MoveInto(home, absolute, absolute.string())) return true;
    fs::path top = MountTop(absolute);
    if (top.empty()) return false;
    fs::path topTrash = TopFolderTrash(top);
    if (topTrash.empty()) return false;
    // Paths in a file system's own trash are relative to its top folder.
    return MoveInto(topTrash, absolute, fs::relative(absolute, top, ec).string());
}

} // namespace qor
