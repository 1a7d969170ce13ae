#include "gallery/ScriptLinks.h"

#include <gtest/gtest.h>

namespace {

using qor::IsScriptAddress;

TEST(ScriptLinks, SchemeIsReadAsTheBrowserReadsIt)
{
    for (const char* url : {"javascript:alert(1)", "JavaScript:void(0)", " \x01javascript:x",
                            "java\tscr\nipt:x", "vbscript:msgbox", "data:text/html,<b>", "DATA:,x"})
        EXPECT_TRUE(IsScriptAddress(url)) << url;
    for (const char* url : {"", "#", "page2.htm", "https://example.org/javascript:x", "javascript",
                            "./javascript:x", "mailto:a@b", "x-javascript:y"})
        EXPECT_FALSE(IsScriptAddress(url)) << url;
}

} // namespace
