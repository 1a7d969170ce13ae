#include "util/XEComFile.h"

#include "util/DelphiFormat.h"
#include "util/FreedesktopTrash.h"
#include "util/TextCodec.h"
#include "util/XEComText.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace qor {

namespace {

std::string_view FileNamePart(std::string_view path)
{
    size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The folder of a path without its trailing separator; the root stays "/".
std::string_view FolderPart(std::string_view path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    return path.substr(0, slash == 0 ? 1 : slash);
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

// The absolute path of what a removal takes: "." and ".." resolved, the folder part freed
// of symbolic links, a link itself kept (the link goes, not what it names).
fs::path PathForRemoval(const std::string& given)
{
    std::error_code ec;
    fs::path normal = fs::absolute(given, ec).lexically_normal();
    if (ec) return {};
    if (!normal.has_filename()) normal = normal.parent_path();
    if (normal == normal.root_path()) return normal;
    fs::path folder = fs::weakly_canonical(normal.parent_path(), ec);
    return ec ? fs::path() : folder / normal.filename();
}

// True for the root, the home folder and every folder that holds it: removing one of them
// would take the user's files, and the trash itself, with it.
bool HoldsTheHomeFolder(const fs::path& target)
{
    if (target == target.root_path()) return true;
    const char* home = std::getenv("HOME");
    if (!home || !*home) return false;
    std::error_code ec;
    fs::path homeFolder = fs::weakly_canonical(home, ec);
    if (ec) return false;
    auto mismatch =
        std::mismatch(target.begin(), target.end(), homeFolder.begin(), homeFolder.end());
    return mismatch.first == target.end();
}

} // namespace

std::string NameWithoutExt(std::string_view path)
{
    TStringList pieces = SplitText(FileNamePart(path), '.');
    if (pieces.size() <= 1) return std::string(FileNamePart(path));
    std::string out;
    for (size_t i = 0; i + 1 < pieces.size(); ++i)
        out += (i ? "." : "") + pieces[i];
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
    while (StartsWithBlank(text))
        text.remove_prefix(text[0] == ' ' ? 1 : IdeographicSpace.size());
    std::string out;
    for (char c : text)
        out += (forbidden.find(c) != std::string_view::npos || (noDot && c == '.')) ? '_' : c;
    // The dot rule looks past leading blanks, so that no name comes out hidden, or as "."
    // or "..".
    if (out.starts_with('.')) out[0] = '_';
    while (EndsWithBlank(out))
        out.resize(out.size() - (out.back() == ' ' ? 1 : IdeographicSpace.size()));
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

namespace {

// Name order of files: by the names in ASCII lower case, then by their bytes.
std::pair<std::string, std::string> FileNameOrder(const std::string& name)
{
    return {AsciiLower(name), name};
}

} // namespace

int FindFiles(const fs::path& folder, TStringList& list, const TStringList& exts, int depth)
{
    if (depth < 1) return 0;
    std::error_code ec;
    // The file system's own order is arbitrary on Linux: a folder's pictures come in name
    // order, each name's sort key made once.
    std::vector<std::pair<std::pair<std::string, std::string>, fs::directory_entry>> named;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        named.emplace_back(FileNameOrder(it->path().filename().string()), *it);
    std::sort(named.begin(), named.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<fs::directory_entry> entries;
    for (auto& [order, entry] : named) entries.push_back(std::move(entry));
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

TStringList FindFilesList(const fs::path& folder, const TStringList& exts, int depth)
{
    TStringList list;
    FindFiles(folder, list, exts, depth);
    return list;
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

bool CopyFileTo(const fs::path& source, const fs::path& dest, bool overwrite)
{
    std::error_code ec;
    auto options = overwrite ? fs::copy_options::overwrite_existing : fs::copy_options::none;
    return fs::copy_file(source, dest, options, ec) && !ec;
}

namespace {

void CopyOrNote(const fs::path& source, const fs::path& dest, TStringList* failed)
{
    if (!CopyFileTo(source, dest, true) && failed) failed->push_back(source.string());
}

} // namespace

int CopyFolderFiles(const fs::path& source, const fs::path& dest, bool overwrite,
                    const TFileFilter& filter, TStringList* failed)
{
    if (!ForceFolder(dest.string())) return -1;
    int attempted = 0;
    std::error_code ec;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || (filter && !filter(it->path()))) continue;
        fs::path target = dest / it->path().filename();
        if (!overwrite && fs::exists(target, ec)) continue;
        ++attempted;
        CopyOrNote(it->path(), target, failed);
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

bool CopyFilesByExt(const fs::path& source, const fs::path& dest, std::string_view ext,
                    TStringList* failed)
{
    std::string wanted = AsciiLower(ext);
    bool found = false;
    std::error_code ec;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || AsciiLower(ExtensionOf(it->path().string())) != wanted)
            continue;
        if (!found && !ForceFolder(dest.string())) return false;
        found = true;
        CopyOrNote(it->path(), dest / it->path().filename(), failed);
    }
    return found;
}

bool IsPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

bool RemoveFolder(std::string_view path)
{
    std::string given = ExcludeTrailingSeparator(path);
    std::error_code ec;
    if (given.empty() || !fs::exists(fs::symlink_status(given, ec))) return false;
    fs::path target = PathForRemoval(given);
    if (target.empty() || HoldsTheHomeFolder(target)) return false;
    if (MoveToTrash(target)) return true;
    return fs::remove_all(target, ec) > 0 && !ec;
}

bool GetFileTimes(const fs::path& path, TDateTime& created, TDateTime& modified, int64_t& size)
{
    // Not blocking, so that a named pipe answers at once.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct statx info {};
    bool ok = ::statx(fd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &info) == 0;
    ::close(fd);
    if (!ok) return false;
    created =
        (info.stx_mask & STATX_BTIME) ? ToDateTime(info.stx_btime) : ToDateTime(info.stx_ctime);
    modified = ToDateTime(info.stx_mtime);
    size = static_cast<int64_t>(info.stx_size);
    return true;
}

TFilePtr OpenRegularFile(const fs::path& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return nullptr;
    struct stat info {};
    std::FILE* file = nullptr;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) file = ::fdopen(fd, "rb");
    if (!file) ::close(fd);
    return TFilePtr(file);
}

int64_t GetFileSize64(const fs::path& path)
{
    TDateTime created, modified;
    int64_t size = 0;
    return GetFileTimes(path, created, modified, size) ? size : 0;
}

std::string ReadFileBytes(const fs::path& path, size_t size)
{
    // Read piece by piece, so that a size far beyond the file asks for no memory it needs not.
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    char buffer[65536];
    while (in && bytes.size() < size) {
        in.read(buffer, static_cast<std::streamsize>(std::min(sizeof buffer, size - bytes.size())));
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
    }
    return bytes;
}

bool SameFileContent(const fs::path& a, const fs::path& b)
{
    std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
    if (!first || !second) return false;
    std::error_code errorA, errorB;
    uintmax_t sizeA = fs::file_size(a, errorA), sizeB = fs::file_size(b, errorB);
    if (errorA || errorB || sizeA != sizeB) return false;
    std::vector<char> x(65536), y(65536);
    while (first && second) {
        first.read(x.data(), static_cast<std::streamsize>(x.size()));
        second.read(y.data(), static_cast<std::streamsize>(y.size()));
        if (first.gcount() != second.gcount() ||
            !std::equal(x.begin(), x.begin() + first.gcount(), y.begin()))
            return false;
    }
    return true;
}

std::string ExpandHomeFolder(std::string_view path)
{
    const char* home = std::getenv("HOME");
    if (!home || !*home || !path.starts_with('~') || (path.size() > 1 && path[1] != '/')) return std::string(path);
    return ExcludeTrailingSeparator(home) + std::string(path.substr(1));
}

} // namespace qor
