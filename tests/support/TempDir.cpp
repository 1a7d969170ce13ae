#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qortest {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qortest-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    FPath = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(FPath, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(FPath, ec);
}

std::filesystem::path TempDir::Write(std::string_view name, std::string_view bytes) const
{
    std::filesystem::path path = FPath / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
    return path;
}

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::filesystem::path TestData(std::string_view relative)
{
    return std::filesystem::path(QOR_TESTDATA_DIR) / relative;
}

} // namespace qortest
