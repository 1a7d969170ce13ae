#include "util/DelphiFormat.h"

#include <cstdio>
#include <vector>

namespace qor {

namespace {

struct TSpec {
    bool LeftAlign = false;
    int Width = -1;
    int Precision = -1;
    char Type = 0;
};

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
            TSpec spec = ParseSpec(i);
            out += Pad(Convert(spec), spec);
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

    int64_t NextInteger()
    {
        const auto* v = std::get_if<int64_t>(&NextArg().Value());
        if (!v) Fail();
        return *v;
    }

    // Reads digits or "*" at position i; -1 when there are none.
    int ReadNumber(size_t& i)
    {
        if (i < FFormat.size() && FFormat[i] == '*') {
            ++i;
            return static_cast<int>(NextInteger());
        }
        int n = -1;
        while (i < FFormat.size() && FFormat[i] >= '0' && FFormat[i] <= '9') {
            n = (n < 0 ? 0 : n * 10) + (FFormat[i] - '0');
            if (n > 100000) Fail();
            ++i;
        }
        return n;
    }

    TSpec ParseSpec(size_t& i)
    {
        TSpec spec;
        size_t start = i;
        int n = ReadNumber(i);
        if (i < FFormat.size() && FFormat[i] == ':') { // argument index
            if (n < 0) Fail();
            FNext = static_cast<size_t>(n);
            ++i;
        } else {
            i = start;
        }
        if (i < FFormat.size() && FFormat[i] == '-') {
            spec.LeftAlign = true;
            ++i;
        }
        spec.Width = ReadNumber(i);
        if (i < FFormat.size() && FFormat[i] == '.') {
            ++i;
            spec.Precision = ReadNumber(i);
            if (spec.Precision < 0) spec.Precision = 0;
        }
        if (i >= FFormat.size()) Fail();
        spec.Type = static_cast<char>(FFormat[i++] | 0x20); // types are case-insensitive
        return spec;
    }

    static std::string Digits(uint64_t v, int base)
    {
        static const char hex[] = "0123456789ABCDEF";
        std::string s;
        do {
            s.insert(s.begin(), hex[v % base]);
            v /= base;
        } while (v);
        return s;
    }

    static std::string WithPrecision(std::string digits, int precision)
    {
        if (precision > static_cast<int>(digits.size()))
            digits.insert(0, precision - digits.size(), '0');
        return digits;
    }

    std::string Fixed(const TSpec& spec)
    {
        const auto* v = std::get_if<long double>(&NextArg().Value());
        if (!v) Fail();
        char buf[512];
        std::snprintf(buf, sizeof buf, "%.*Lf", spec.Precision < 0 ? 2 : spec.Precision, *v);
        return buf;
    }

    std::string Convert(const TSpec& spec)
    {
        switch (spec.Type) {
        case 'd': {
            int64_t v = NextInteger();
            uint64_t magnitude = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
            std::string digits = WithPrecision(Digits(magnitude, 10), spec.Precision);
            return v < 0 ? "-" + digits : digits;
        }
        case 'u':
            return WithPrecision(Digits(static_cast<uint32_t>(NextInteger()), 10), spec.Precision);
        case 'x':
            return WithPrecision(Digits(static_cast<uint32_t>(NextInteger()), 16), spec.Precision);
        case 's': {
            const auto* s = std::get_if<std::string>(&NextArg().Value());
            if (!s) Fail();
            if (spec.Precision >= 0 && static_cast<size_t>(spec.Precision) < s->size())
                return s->substr(0, spec.Precision);
            return *s;
        }
        case 'f':
            return Fixed(spec);
        default:
            Fail();
        }
    }

    // Width counts characters, not bytes, so Japanese texts line up as in the original.
    static size_t CharCount(const std::string& s)
    {
        size_t n = 0;
        for (unsigned char c : s) n += (c & 0xC0) != 0x80;
        return n;
    }

    static std::string Pad(std::string text, const TSpec& spec)
    {
        size_t length = CharCount(text);
        if (spec.Width < 0 || length >= static_cast<size_t>(spec.Width)) return text;
        std::string blanks(spec.Width - length, ' ');
        return spec.LeftAlign ? text + blanks : blanks + text;
    }
};

} // namespace

std::string Format(std::string_view format, std::initializer_list<TFormatArg> args)
{
    return TFormatter(format, args).Run();
}

} // namespace qor
