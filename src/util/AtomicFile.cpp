#include "util/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qor {

namespace {

// Room left in a file name for the temporary name's dot and random suffix.
constexpr size_t MaxTempStem = 200;

[[noreturn]] void Fail(int error, const fs::path& path)
{
    throw std::system_error(error, std::generic_category(), path.string());
}

void WriteAll(int fd, std::string_view bytes, const fs::path& path)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail(errno, path);
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

// The file creation mask of the process, read without changing it (umask() would, for a
// moment, for every thread).
mode_t CurrentUmask()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("Umask:"))
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    return 022;
}

// A replaced file keeps its owner, group and permissions; a new one gets those of any new
// file. The owner is given back only where the system allows it (to the superuser), the group
// where the saver belongs to it; otherwise they are the saver's, as for any new file. The mode
// comes last, since a change of owner clears the set-user and set-group bits.
int KeepOwnerAndMode(int fd, const fs::path& path)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) return ::fchmod(fd, 0666 & ~CurrentUmask());
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    return ::fchmod(fd, old.st_mode & 07777);
}

// Saving through a symbolic link replaces the file it names, not the link.
fs::path ResolveLink(const fs::path& path)
{
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return path;
    fs::path target = fs::weakly_canonical(path, ec);
    return ec ? path : target;
}

// A file its user made read-only, or one the saver may not write, is not replaced by a new
// file in its place, although the folder would allow it (the superuser may write anything, so
// the mode bits decide for it).
void RefuseReadOnly(const fs::path& path, const fs::path& requested)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) return;
    bool writable = ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || errno != EACCES;
    if ((old.st_mode & 0222) == 0 || !writable) Fail(EACCES, requested);
}

} // namespace

void WriteFileAtomic(const fs::path& requested, std::string_view bytes)
{
    const fs::path path = ResolveLink(requested);
    RefuseReadOnly(path, requested);
    fs::path folder = path.parent_path().empty() ? "." : path.parent_path();
    std::string stem = path.filename().string().substr(0, MaxTempStem);
    std::string temp = (folder / ("." + stem + ".XXXXXX")).string();
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) Fail(errno, requested);
    try {
        WriteAll(fd, bytes, requested);
        if (KeepOwnerAndMode(fd, path) != 0 || ::fsync(fd) != 0) Fail(errno, requested);
        if (::close(fd) != 0) {
            fd = -1;
            Fail(errno, requested);
        }
        fd = -1;
        if (::rename(temp.c_str(), path.c_str()) != 0) Fail(errno, requested);
    } catch (...) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        throw;
    }
    // Make the rename itself durable.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace qor
