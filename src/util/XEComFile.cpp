#include "util/XEComFile.h"

#include "util/DelphiFormat.h"
#include "util/FreedesktopTrash.h"
#include "util/TextCodec.h"
#include "util/XEComText.h"

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qor {

namespace {

std::string_view FileNamePart(std::string_view path)
{
    size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FolderPart(std::string_view path)
{
    size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

// Extension with its dot, from the last dot of the file name; empty when there is none.
std::string ExtensionOf(std::string_view path)
{
    std::string_view name = FileNamePart(path);
    size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

constexpr std::string_view IdeographicSpace = "\u3000";

bool StartsWithBlank(std::string_view s)
{
    return s.starts_with(' ') || s.starts_with(IdeographicSpace);
}

bool EndsWithBlank(std::string_view s)
{
    return s.ends_with(' ') || s.ends_with(IdeographicSpace);
}

TDateTime ToDateTime(const struct timespec& t)
{
    return TDateTime(std::chrono::duration_cast<TDateTime::duration>(
        std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec)));
}

TDateTime ToDateTime(const struct statx_timestamp& t)
{
    return ToDateTime(timespec{t.tv_sec, static_cast<long>(t.tv_nsec)});
}

} // namespace

std::string NameWithoutExt(std::string_view path)
{
    TStringList pieces = SplitText(FileNamePart(path), '.');
    if (pieces.size() <= 1) return std::string(FileNamePart(path));
    std::string out;
    for (size_t i = 0; i + 1 < pieces.size(); ++i) out += (i ? "." : "") + pieces[i];
    return out;
}

void SplitFileName(std::string_view path, std::string& dir, std::string& nameNoExt,
                   std::string& ext)
{
    dir = FolderPart(path);
    ext = ExtensionOf(path);
    nameNoExt = NameWithoutExt(path);
}

std::string SanitizeFileName(std::string_view text, bool noDot)
{
    static constexpr std::string_view forbidden = "\\/:;*?\"<>|";
    std::string source(text);
    if (source.starts_with('.')) source[0] = '_';
    std::string_view rest = source;
    while (StartsWithBlank(rest)) rest.remove_prefix(rest[0] == ' ' ? 1 : IdeographicSpace.size());
    std::string out;
    for (char c : rest)
        out += (forbidden.find(c) != std::string_view::npos || (noDot && c == '.')) ? '_' : c;
    while (EndsWithBlank(out)) out.resize(out.size() - (out.back() == ' ' ? 1 : IdeographicSpace.size()));
    return out;
}

std::string UniqueFileName(std::string_view name, std::string_view folder)
{
    std::string dir = folder.empty() ? std::string(FolderPart(name)) : std::string(folder);
    dir = dir.empty() ? std::string() : IncludeTrailingSeparator(dir);
    std::string bare(FileNamePart(name));
    std::error_code ec;
    if (!fs::exists(folder.empty() ? fs::path(name) : fs::path(dir + bare), ec)) return bare;
    std::string base = NameWithoutExt(name);
    std::string ext = ExtensionOf(name);
    for (int n = 0;; ++n) {
        std::string candidate = base + Format("_%d", {n}) + ext;
        if (!fs::exists(fs::path(dir + candidate), ec)) return candidate;
    }
}

std::string IncludeTrailingSeparator(std::string_view path)
{
    std::string out(path);
    if (!out.ends_with('/')) out += '/';
    return out;
}

std::string ExcludeTrailingSeparator(std::string_view path)
{
    std::string out(path);
    if (out.size() > 1 && out.ends_with('/')) out.pop_back();
    return out;
}

bool ForceFolder(std::string_view path)
{
    std::string folder = ExcludeTrailingSeparator(path);
    if (folder.empty()) return false;
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return true;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

int FindFiles(const fs::path& folder, TStringList& list, const TStringList& exts, int depth)
{
    if (depth < 1) return static_cast<int>(list.size());
    std::error_code ec;
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(*it);
    for (const fs::directory_entry& entry : entries)
        if (entry.is_directory(ec)) FindFiles(entry.path(), list, exts, depth - 1);
    bool everyFile = !exts.empty() && exts[0] == "*";
    for (const fs::directory_entry& entry : entries) {
        if (!entry.is_regular_file(ec)) continue;
        std::string path = entry.path().string();
        if (everyFile) {
            list.push_back(path);
            continue;
        }
        std::string ext = AsciiLower(ExtensionOf(path));
        for (const std::string& wanted : exts) {
            if (ext == wanted) {
                list.push_back(path);
                break;
            }
        }
    }
    return static_cast<int>(list.size());
}

bool CopyFileTo(const fs::path& source, const fs::path& dest, bool overwrite)
{
    std::error_code ec;
    auto options = overwrite ? fs::copy_options::overwrite_existing : fs::copy_options::none;
    return fs::copy_file(source, dest, options, ec) && !ec;
}

int CopyFolderFiles(const fs::path& source, const fs::path& dest, bool overwrite,
                    const TFileFilter& filter)
{
    if (!ForceFolder(dest.string())) return -1;
    int attempted = 0;
    std::error_code ec;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || (filter && !filter(it->path()))) continue;
        fs::path target = dest / it->path().filename();
        if (!overwrite && fs::exists(target, ec)) continue;
        ++attempted;
        CopyFileTo(it->path(), target, true);
    }
    return attempted;
}

void CopyFolderTree(const fs::path& source, const fs::path& dest, int depth,
                    const TFileFilter& filter)
{
    std::error_code ec;
    if (depth < 1 || source.empty() || !fs::is_directory(source, ec)) return;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec))
            CopyFolderTree(it->path(), dest / it->path().filename(), depth - 1, filter);
    CopyFolderFiles(source, dest, true, filter);
}

bool CopyFilesByExt(const fs::path& source, const fs::path& dest, std::string_view ext)
{
    std::string wanted = AsciiLower(ext);
    bool found = false;
    std::error_code ec;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || AsciiLower(ExtensionOf(it->path().string())) != wanted)
            continue;
        if (!found && !ForceFolder(dest.string())) return false;
        found = true;
        CopyFileTo(it->path(), dest / it->path().filename(), true);
    }
    return found;
}

bool RemoveFolder(std::string_view path)
{
    std::string target = ExcludeTrailingSeparator(path);
    std::error_code ec;
    if (target.empty() || !fs::exists(fs::symlink_status(target, ec))) return false;
    if (MoveToTrash(target)) return true;
    return fs::remove_all(target, ec) > 0 && !ec;
}

bool GetFileTimes(const fs::path& path, TDateTime& created, TDateTime& modified, int64_t& size)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct statx info {};
    bool ok = ::statx(fd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &info) == 0;
    ::close(fd);
    if (!ok) return false;
    created = (info.stx_mask & STATX_BTIME) ? ToDateTime(info.stx_btime) : ToDateTime(info.stx_ctime);
    modified = ToDateTime(info.stx_mtime);
    size = static_cast<int64_t>(info.stx_size);
    return true;
}

int64_t GetFileSize64(const fs::path& path)
{
    TDateTime created, modified;
    int64_t size = 0;
    return GetFileTimes(path, created, modified, size) ? size : 0;
}

std::string ReadFileBytes(const fs::path& path, size_t size)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes(size, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(in ? size : static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

bool SameFileContent(const fs::path& a, const fs::path& b)
{
    std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
    if (!first || !second) return false;
    std::error_code ec;
    if (fs::file_size(a, ec) != fs::file_size(b, ec) || ec) return false;
    char x[65536], y[65536];
    while (first && second) {
        first.read(x, sizeof x);
        second.read(y, sizeof y);
        if (first.gcount() != second.gcount() ||
            !std::equal(x, x + first.gcount(), y))
            return false;
    }
    return true;
}

} // namespace qor
