#include "util/DelphiFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace qor {

namespace {

// Widths and precisions beyond this are refused, so that a hostile format or argument
// cannot ask for gigabytes of padding.
constexpr int MaxNumber = 100000;

struct TSpecifier {
    bool LeftAlign = false;
    int Width = -1;
    int Precision = -1;
    char Type = 0;
};

// Number of characters of a UTF-8 text (continuation bytes do not count).
size_t CharCount(std::string_view s)
{
    size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

// The first count characters of a UTF-8 text, never cutting a character in two.
std::string_view FirstChars(std::string_view s, size_t count)
{
    size_t i = 0;
    for (size_t seen = 0; i < s.size(); ++i) {
        bool starts = (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
        if (starts && seen++ == count) break;
    }
    return s.substr(0, i);
}

std::string Digits(uint64_t v, unsigned base)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string s;
    do {
        s.insert(s.begin(), hex[v % base]);
        v /= base;
    } while (v);
    return s;
}

std::string WithPrecision(std::string digits, int precision)
{
    if (precision > static_cast<int>(digits.size()))
        digits.insert(0, precision - digits.size(), '0');
    return digits;
}

// Fixed-point text with a point as decimal separator whatever the process locale says;
// not-a-number and infinities are written in capitals, as stored texts have them.
std::string FixedText(long double v, int precision)
{
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    std::vector<char> buffer(5000 + static_cast<size_t>(precision));
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                std::chars_format::fixed, precision);
    return std::string(buffer.data(), result.ptr);
}

std::string Pad(std::string text, const TSpecifier& specifier)
{
    size_t length = CharCount(text);
    if (specifier.Width < 0 || length >= static_cast<size_t>(specifier.Width)) return text;
    std::string blanks(specifier.Width - length, ' ');
    return specifier.LeftAlign ? text + blanks : blanks + text;
}

class TFormatter {
public:
    TFormatter(std::string_view format, std::initializer_list<TFormatArg> args)
        : FFormat(format), FArgs(args)
    {
    }

    std::string Run()
    {
        std::string out;
        size_t i = 0;
        while (i < FFormat.size()) {
            char c = FFormat[i++];
            if (c != '%') {
                out += c;
                continue;
            }
            if (i < FFormat.size() && FFormat[i] == '%') {
                out += '%';
                ++i;
                continue;
            }
            TSpecifier specifier = ParseSpecifier(i);
            out += Pad(Convert(specifier), specifier);
        }
        return out;
    }

private:
    std::string_view FFormat;
    std::vector<TFormatArg> FArgs;
    size_t FNext = 0;

    [[noreturn]] void Fail() const
    {
        throw EFormatError("Format '" + std::string(FFormat) +
                           "' invalid or incompatible with argument");
    }

    const TFormatArg& NextArg()
    {
        if (FNext >= FArgs.size()) Fail();
        return FArgs[FNext++];
    }

    template <typename T> const T& NextAs()
    {
        const T* v = std::get_if<T>(&NextArg().Value());
        if (!v) Fail();
        return *v;
    }

    // Digits, or "*" taking the next integer argument, at position i; none when neither.
    std::optional<int> ReadNumber(size_t& i)
    {
        if (i < FFormat.size() && FFormat[i] == '*') {
            ++i;
            int64_t n = NextAs<int64_t>();
            if (n < -MaxNumber || n > MaxNumber) Fail();
            return static_cast<int>(n);
        }
        std::optional<int> n;
        for (; i < FFormat.size() && FFormat[i] >= '0' && FFormat[i] <= '9'; ++i) {
            n = n.value_or(0) * 10 + (FFormat[i] - '0');
            if (*n > MaxNumber) Fail();
        }
        return n;
    }

    // "index:" makes the specifier, and those after it, take the arguments from that index
    // on. A number or "*" without ":" is the width instead and is read again.
    void ReadIndex(size_t& i)
    {
        size_t start = i;
        size_t next = FNext;
        std::optional<int> n = ReadNumber(i);
        if (i < FFormat.size() && FFormat[i] == ':') {
            if (!n || *n < 0) Fail();
            FNext = static_cast<size_t>(*n);
            ++i;
        } else {
            i = start;
            FNext = next;
        }
    }

    TSpecifier ParseSpecifier(size_t& i)
    {
        TSpecifier specifier;
        ReadIndex(i);
        if (i < FFormat.size() && FFormat[i] == '-') {
            specifier.LeftAlign = true;
            ++i;
        }
        if (std::optional<int> width = ReadNumber(i)) {
            specifier.LeftAlign = specifier.LeftAlign || *width < 0; // "*" given a negative width
            specifier.Width = std::abs(*width);
        }
        if (i < FFormat.size() && FFormat[i] == '.') {
            ++i;
            specifier.Precision = ReadNumber(i).value_or(0); // negative from "*": as if none
        }
        if (i >= FFormat.size()) Fail();
        specifier.Type = static_cast<char>(FFormat[i++] | 0x20); // types are case-insensitive
        return specifier;
    }

    std::string Convert(const TSpecifier& specifier)
    {
        switch (specifier.Type) {
        case 'd': {
            int64_t v = NextAs<int64_t>();
            uint64_t magnitude = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
            std::string digits = WithPrecision(Digits(magnitude, 10), specifier.Precision);
            return v < 0 ? "-" + digits : digits;
        }
        case 'u':
            return WithPrecision(Digits(static_cast<uint32_t>(NextAs<int64_t>()), 10),
                                 specifier.Precision);
        case 'x':
            return WithPrecision(Digits(static_cast<uint32_t>(NextAs<int64_t>()), 16),
                                 specifier.Precision);
        case 's': {
            const std::string& s = NextAs<std::string>();
            return specifier.Precision < 0 ? s : std::string(FirstChars(s, specifier.Precision));
        }
        case 'f':
            return FixedText(NextAs<long double>(),
                             specifier.Precision < 0 ? 2 : specifier.Precision);
        default:
            Fail();
        }
    }
};

} // namespace

std::string Format(std::string_view format, std::initializer_list<TFormatArg> args)
{
    return TFormatter(format, args).Run();
}

} // namespace qor
