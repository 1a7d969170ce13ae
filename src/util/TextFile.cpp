#include "util/TextFile.h"

#include "util/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace qor {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

} // namespace

TStringList SplitTextLines(std::string_view text)
{
    if (text.substr(0, Bom.size()) == Bom) text.remove_prefix(Bom.size());
    TStringList lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinTextLines(const TStringList& lines)
{
    std::string out(Bom);
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

namespace {

// Only regular files are read: a folder, a pipe or a device is no text file, and reading
// /dev/zero would never end.
int NotAFileError(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0) return errno;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    return S_ISREG(info.st_mode) ? 0 : EINVAL;
}

} // namespace

std::string LoadFileBytes(const std::filesystem::path& path)
{
    auto fail = [&](int fd, int error) {
        if (fd >= 0) ::close(fd);
        throw std::system_error(error, std::generic_category(), path.string());
    };
    // Not blocking, so that a named pipe in place of the file fails instead of waiting.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) fail(fd, errno);
    if (int error = NotAFileError(fd)) fail(fd, error);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(fd, errno);
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

void SaveFileBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::system_error(errno ? errno : EACCES, std::generic_category(), path.string());
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::system_error(errno ? errno : EIO, std::generic_category(), path.string());
}

TStringList LoadTextLines(const std::filesystem::path& path)
{
    return SplitTextLines(LoadFileBytes(path));
}

void SaveTextLines(const std::filesystem::path& path, const TStringList& lines)
{
    SaveFileBytes(path, JoinTextLines(lines));
}

void SaveTextLinesAtomic(const std::filesystem::path& path, const TStringList& lines)
{
    WriteFileAtomic(path, JoinTextLines(lines));
}

} // namespace qor
