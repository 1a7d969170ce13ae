#include "util/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace qor {

namespace {

[[noreturn]] void Fail(int error, const std::filesystem::path& path)
{
    throw std::system_error(error, std::generic_category(), path.string());
}

void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& path)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail(errno, path);
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

} // namespace

void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    std::string temp = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(temp.data());
    if (fd < 0) Fail(errno, path);
    try {
        WriteAll(fd, bytes, path);
        // A replaced file keeps the permissions it had; a new one gets the usual ones.
        struct stat old {};
        mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
        if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) Fail(errno, path);
        if (::close(fd) != 0) {
            fd = -1;
            Fail(errno, path);
        }
        fd = -1;
        if (::rename(temp.c_str(), path.c_str()) != 0) Fail(errno, path);
    } catch (...) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        throw;
    }
    // Make the rename itself durable.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace qor
