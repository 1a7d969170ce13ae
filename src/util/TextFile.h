// Text files as the system reads and writes them: written as UTF-8 with a byte-order mark
// and CR LF after every line; read as UTF-8 with or without a byte-order mark, a line
// ending at CR, LF or CR LF.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

using TStringList = std::vector<std::string>;

// The lines of a text; a last line without a line end counts, an empty text has none.
TStringList SplitTextLines(std::string_view text);
// The bytes of a text file: byte-order mark, then every line followed by CR LF.
std::string JoinTextLines(const TStringList& lines);

// Throws std::system_error naming the file when it cannot be read or written; only regular
// files are read.
TStringList LoadTextLines(const std::filesystem::path& path);
void SaveTextLines(const std::filesystem::path& path, const TStringList& lines);
// The same, written through a temporary file, for files the user cannot make again.
void SaveTextLinesAtomic(const std::filesystem::path& path, const TStringList& lines);

// Whole files as bytes.
std::string LoadFileBytes(const std::filesystem::path& path);
void SaveFileBytes(const std::filesystem::path& path, std::string_view bytes);

} // namespace qor
