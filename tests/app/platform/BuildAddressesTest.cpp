// The programs name no web address that their build was not given (an XML namespace aside,
// which nothing visits).
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

TEST(BuildAddresses, EveryAddressInTheProgramsWasGivenToTheBuild)
{
    const std::set<std::string> given = {QOR_HOMEPAGE, QOR_UPDATE_SERVER, QOR_DOWNLOAD_PAGE,
                                         "http://www.freedesktop.org/standards/shared-mime-info"};
    const std::regex address(R"(https?://[A-Za-z0-9._~:/?#@!$&'()*+,;=%-]+)");
    for (const char* name : {"qorgallery", "qorgallery-gui", "qorgallery-assoc"}) {
        const std::string bytes = qortest::ReadAll(std::string(QOR_BIN_DIR) + "/" + name);
        ASSERT_GT(bytes.size(), 100000u) << name;
        for (std::sregex_iterator m(bytes.begin(), bytes.end(), address), end; m != end; ++m)
            EXPECT_TRUE(given.contains(m->str())) << name << ": " << m->str();
    }
}
