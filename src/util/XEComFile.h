// File-name, folder and file routines of XECom. Failures are answered through results
// (false, -1, 0 or empty); nothing here throws for a missing file or folder.
#pragma once

#include "util/TextFile.h"

#include <chrono>
#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace qor {

using TDateTime = std::chrono::system_clock::time_point;
using TFileFilter = std::function<bool(const std::filesystem::path&)>;

// The file name without folder and without its last extension: photo.jpg gives photo,
// a.b.c gives a.b, .qor gives "", archive gives archive, and a. gives a. (a name that
// splits at its dots into a single piece is kept whole).
std::string NameWithoutExt(std::string_view path);
void SplitFileName(std::string_view path, std::string& dir, std::string& nameNoExt,
                   std::string& ext);
// Replaces the characters a file name cannot hold (and every dot when noDot) by "_", drops
// leading and trailing blanks (U+0020 and U+3000), and turns a dot at the start of what
// remains into "_".
std::string SanitizeFileName(std::string_view text, bool noDot);
// A name, without folder, that names no existing file in folder: name itself, else
// base_0.ext, base_1.ext, ... An empty folder means the folder of name.
std::string UniqueFileName(std::string_view name, std::string_view folder);

bool ForceFolder(std::string_view path);
// Appends the paths found to list: subfolders first (down to depth levels), then the
// folder's own entries whose lower-case extension is in exts ("*" first: every file), each
// level in name order (the names in ASCII lower case, then their bytes). Only files are
// taken, never a folder whose name ends in one of the extensions. Answers the size of list;
// 0 for a depth below 1.
int FindFiles(const std::filesystem::path& folder, TStringList& list, const TStringList& exts,
              int depth);
TStringList FindFilesList(const std::filesystem::path& folder, const TStringList& exts, int depth);

// Whether a regular file is at the path (a folder or a link to nothing is not one); false for
// an empty path and when it cannot be told.
bool FileExists(const std::string& path);

// Closes a C file when its owner goes.
struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFilePtr = std::unique_ptr<std::FILE, TFileCloser>;
// Opens a regular file for reading without waiting: a named pipe, device or socket, or a path
// that cannot be opened, gives none at once instead of blocking the caller.
TFilePtr OpenRegularFile(const std::filesystem::path& path);

bool CopyFileTo(const std::filesystem::path& source, const std::filesystem::path& dest,
                bool overwrite);
// Copies the files of source (not its subfolders) that filter accepts into dest; answers
// how many copies were attempted, -1 when dest cannot be created. The sources whose copy
// failed are added to failed when given.
int CopyFolderFiles(const std::filesystem::path& source, const std::filesystem::path& dest,
                    bool overwrite, const TFileFilter& filter = {}, TStringList* failed = nullptr);
void CopyFolderTree(const std::filesystem::path& source, const std::filesystem::path& dest,
                    int depth, const TFileFilter& filter = {});
// The same for the files with the extension (in any letter case); false when there is none.
bool CopyFilesByExt(const std::filesystem::path& source, const std::filesystem::path& dest,
                    std::string_view ext, TStringList* failed = nullptr);

// A name that stays inside the folder it is joined to: not empty, no separator ("/" or "\\"),
// not "." or "..", no NUL. Names read from projects and templates must be such names.
bool IsPlainFileName(std::string_view name);

// Moves a file or folder to the desktop's trash, or deletes it when no trash can take it.
// Refuses the root, the home folder and the folders above it.
bool RemoveFolder(std::string_view path);

// Creation time (the birth time where the file system keeps one, else the change time),
// last-write time and size; false when the file cannot be opened for reading.
bool GetFileTimes(const std::filesystem::path& path, TDateTime& created, TDateTime& modified,
                  int64_t& size);
int64_t GetFileSize64(const std::filesystem::path& path);
// Up to size bytes from the start of the file; fewer when the file is shorter, none when
// it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path, size_t size);
bool SameFileContent(const std::filesystem::path& a, const std::filesystem::path& b);

// Path text with one trailing separator.
std::string IncludeTrailingSeparator(std::string_view path);
std::string ExcludeTrailingSeparator(std::string_view path);
// A leading "~", alone or before a separator, names the home folder, as in a shell.
std::string ExpandHomeFolder(std::string_view path);

} // namespace qor
