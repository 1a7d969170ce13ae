// A folder of its own for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qortest {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    // Path of a file or folder inside the temporary folder.
    std::filesystem::path operator/(std::string_view name) const { return FPath / name; }
    // Writes a file (parents created) and answers its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path FPath;
};

// The whole content of a file, as bytes.
std::string ReadAll(const std::filesystem::path& path);

// Path of a file of the shared test picture suites.
std::filesystem::path TestData(std::string_view relative);

} // namespace qortest
