#include "util/TextCodec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iconv.h>

#include <random>
#include <thread>
#include <vector>

namespace {

using namespace qor;

const std::string Bad = "\uFFFD";

// Every scalar value in order, converted by glibc's iconv: an oracle independent of the code
// under test.
std::string EveryScalarValueAs(const char* encoding)
{
    std::u32string all;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp)
        if (cp < 0xD800 || cp > 0xDFFF) all += cp;
    iconv_t converter = iconv_open(encoding, "UTF-32LE");
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1));
    char* in = reinterpret_cast<char*>(all.data());
    size_t inLeft = all.size() * sizeof(char32_t);
    std::string out(all.size() * 4, '\0');
    char* at = out.data();
    size_t outLeft = out.size();
    EXPECT_NE(iconv(converter, &in, &inLeft, &at, &outLeft), static_cast<size_t>(-1));
    iconv_close(converter);
    out.resize(out.size() - outLeft);
    return out;
}

std::string RandomBytes(std::mt19937& random, size_t size)
{
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

TEST(TextCodec, EveryScalarValueConvertsBothWays)
{
    std::string utf8 = EveryScalarValueAs("UTF-8");
    std::string bytes16 = EveryScalarValueAs("UTF-16LE");
    std::u16string utf16(bytes16.size() / 2, u'\0');
    std::memcpy(utf16.data(), bytes16.data(), bytes16.size());
    EXPECT_TRUE(Utf8ToUtf16(utf8) == utf16);
    EXPECT_TRUE(Utf16ToUtf8(utf16) == utf8);
    EXPECT_EQ(Utf16Length(utf8), utf16.size());
}

struct TUtf8Case {
    std::string Bytes;
    std::string Decoded;
};

TEST(TextCodec, MalformedUtf8BecomesReplacementCharacters)
{
    const TUtf8Case cases[] = {
        {"\x80", Bad},
        {"a\xFF"
         "b",
         "a" + Bad + "b"},
        {"\xC0\xAF", Bad + Bad},                     // overlong slash
        {"\xE0\x80\xAF", Bad + Bad + Bad},           // overlong slash
        {"\xED\xA0\x80", Bad + Bad + Bad},           // an encoded surrogate
        {"\xF4\x90\x80\x80", Bad + Bad + Bad + Bad}, // above U+10FFFF
        {"\xF8\x88\x80\x80\x80", Bad + Bad + Bad + Bad + Bad},
        {"\xE5\x86", Bad + Bad}, // cut short at the end
        {"\xE5\x86"
         "x",
         Bad + Bad + "x"},
    };
    for (const TUtf8Case& c : cases) {
        EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(c.Bytes)), c.Decoded);
        EXPECT_EQ(Utf16Length(c.Bytes), Utf8ToUtf16(c.Decoded).size());
    }
}

TEST(TextCodec, LoneSurrogatesBecomeReplacementCharacters)
{
    struct TCase {
        std::u16string Units;
        std::string Encoded;
    };
    const TCase cases[] = {
        {u"\xD800", Bad},
        {u"\xDC00", Bad},
        {std::u16string{0xD800, u'A'}, Bad + "A"},
        {std::u16string{0xDC00, 0xD800}, Bad + Bad},
        {std::u16string{u'x', 0xD83D}, "x" + Bad},
        {std::u16string{0xD83D, 0xDE00, 0xDE00}, "\U0001F600" + Bad},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Utf16ToUtf8(c.Units), c.Encoded);
}

// Whatever the bytes, decoding gives valid UTF-8 that decodes to itself again, and the
// UTF-16 length agrees with the conversion.
TEST(TextCodec, AnyBytesDecodeToStableText)
{
    std::mt19937 random(20261209);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = RandomBytes(random, random() % 64);
        std::u16string utf16 = Utf8ToUtf16(bytes);
        EXPECT_EQ(Utf16Length(bytes), utf16.size());
        std::string text = Utf16ToUtf8(utf16);
        EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
        std::u16string units(bytes.size() / 2, u'\0');
        for (size_t i = 0; i < units.size(); ++i)
            units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) << 8 |
                                             static_cast<unsigned char>(bytes[2 * i + 1]));
        std::string fromUnits = Utf16ToUtf8(units);
        EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(fromUnits)), fromUnits);
    }
}

TEST(TextCodec, Cp932DecodesJapaneseAndTheWindowsExtensions)
{
    struct TCase {
        std::string Bytes;
        std::string Text;
    };
    const TCase cases[] = {
        {"", ""},
        {"abc 123", "abc 123"},
        {"\x8e\xca\x90\x5e", "写真"},
        {"\x82\xa0\x83\x41", "あア"},
        {"\x88\x9f", "亜"},
        {"\xb1\xdf", "ｱﾟ"},         // half-width katakana
        {"\x87\x40", "①"},          // NEC special characters
        {"\x81\x60", "～"},         // the Windows mapping, not the wave dash
        {"C:\\\x95\x5c", "C:\\表"}, // the second byte of 表 is a backslash
        {"~", "~"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Cp932ToUtf8(c.Bytes), c.Text);
}

TEST(TextCodec, Cp932ReplacesWhatDoesNotDecodeAndGoesOn)
{
    EXPECT_EQ(Cp932ToUtf8("\x82"), Bad);
    EXPECT_EQ(Cp932ToUtf8("a\x82"), "a" + Bad);
    EXPECT_EQ(Cp932ToUtf8("\x82\x20"
                          "b"),
              Bad + " b");
    EXPECT_EQ(Cp932ToUtf8("\xa0\x82\xa0"), Bad + "あ");
    std::mt19937 random(932);
    for (int round = 0; round < 2000; ++round) {
        std::string text = Cp932ToUtf8(RandomBytes(random, random() % 48));
        EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text); // always valid UTF-8
    }
}

TEST(TextCodec, Cp932DecodesFromManyThreadsAtOnce)
{
    std::vector<std::thread> threads;
    std::vector<int> wrong(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 500; ++i)
                wrong[t] += Cp932ToUtf8("\x8e\xca\x90\x5e\x82") != "写真" + Bad;
        });
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

TEST(TextCodec, AsciiLowerChangesAsciiLettersOnly)
{
    EXPECT_EQ(AsciiLower("PHOTO.JPG"), "photo.jpg");
    EXPECT_EQ(AsciiLower("Ä写真Z@[`{"), "Ä写真z@[`{");
    EXPECT_EQ(AsciiLower(""), "");
}

TEST(TextCodec, PercentEncodePathKeepsOnlyUnreservedCharacters)
{
    EXPECT_EQ(PercentEncodePath("/home/u/a-b_c.~d"), "/home/u/a-b_c.~d");
    EXPECT_EQ(PercentEncodePath("/a b,c%"), "/a%20b%2Cc%25");
    EXPECT_EQ(PercentEncodePath("/写"), "/%E5%86%99");
    EXPECT_EQ(PercentEncodePath(std::string("\n\0", 2)), "%0A%00");
}

} // namespace
