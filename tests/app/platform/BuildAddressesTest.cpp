// The programs name no address of the web that their build was not given: every http and
// https address in the built programs is one of the build's settings (or the name of an XML
// namespace, which nothing visits).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::set<std::string> AddressesIn(const fs::path& program)
{
    std::ifstream in(program, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    const std::regex address(R"(https?://[A-Za-z0-9._~:/?#@!$&'()*+,;=%-]+)");
    std::set<std::string> found;
    for (std::sregex_iterator m(text.begin(), text.end(), address), end; m != end; ++m)
        found.insert(m->str());
    return found;
}

TEST(BuildAddresses, EveryAddressInTheProgramsWasGivenToTheBuild)
{
    const std::set<std::string> given = {QOR_HOMEPAGE, QOR_UPDATE_SERVER, QOR_DOWNLOAD_PAGE,
                                         "http://www.freedesktop.org/standards/shared-mime-info"};
    int programs = 0;
    for (const char* name : {"qorgallery", "qorgallery-gui", "qorgallery-assoc"}) {
        fs::path program = fs::path(QOR_BIN_DIR) / name;
        ASSERT_TRUE(fs::is_regular_file(program)) << program;
        ++programs;
        for (const std::string& address : AddressesIn(program))
            EXPECT_TRUE(given.contains(address)) << name << ": " << address;
    }
    EXPECT_EQ(programs, 3);
}

} // namespace
