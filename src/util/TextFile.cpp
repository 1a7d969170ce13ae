#include "util/TextFile.h"

#include "util/AtomicFile.h"

#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>

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

std::string LoadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::system_error(errno ? errno : ENOENT, std::generic_category(), path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw std::system_error(EIO, std::generic_category(), path.string());
    return bytes.str();
}

void SaveFileBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::system_error(errno ? errno : EACCES, std::generic_category(), path.string());
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
