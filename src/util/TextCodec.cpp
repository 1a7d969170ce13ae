#include "util/TextCodec.h"

#include <cerrno>
#include <iconv.h>
#include <mutex>

namespace qor {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// Decodes one code point at text[i], advancing i; malformed sequences give U+FFFD and
// consume one byte, so decoding always makes progress.
char32_t DecodeUtf8(std::string_view text, size_t& i)
{
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || i + length > text.size()) {
        ++i;
        return Replacement;
    }
    char32_t cp = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return Replacement;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    static const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return Replacement;
    }
    i += length;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = DecodeUtf8(utf8, i);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t unit = utf16[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (utf16[++i] - 0xDC00));
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, Replacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

size_t Utf16Length(std::string_view utf8)
{
    size_t n = 0;
    for (size_t i = 0; i < utf8.size();)
        n += DecodeUtf8(utf8, i) >= 0x10000 ? 2 : 1;
    return n;
}

std::string Cp932ToUtf8(std::string_view bytes)
{
    // iconv descriptors are not thread-safe; one shared converter behind a lock is enough
    // for the few old strings a project file may hold.
    static std::mutex lock;
    static iconv_t converter = iconv_open("UTF-8", "CP932");
    std::lock_guard guard(lock);
    std::string out;
    if (converter == reinterpret_cast<iconv_t>(-1)) { // no converter: keep ASCII only
        for (unsigned char c : bytes)
            c < 0x80 ? out += static_cast<char>(c) : out += "\uFFFD";
        return out;
    }
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        size_t r = iconv(converter, &in, &inLeft, &dst, &dstLeft);
        out.append(buffer, dst - buffer);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) { // undecodable byte
            out += "\uFFFD";
            ++in;
            --inLeft;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

std::string AsciiLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string PercentEncodePath(std::string_view path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     std::string_view("/-_.~").find(static_cast<char>(c)) != std::string_view::npos;
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

} // namespace qor
