#include "gallery/ProjectStream.h"
#include "gallery/ProjectValues.h"
#include "gallery/PublishedProps.h"

#include "util/TextCodec.h"


namespace qor {

namespace {

constexpr std::string_view ResourceName = "TCOMQORCSS1";
constexpr std::string_view ClassName = "TComQorCSS1";
constexpr size_t HeaderSize = 21;

class TStreamWriter {
public:
    std::string Bytes;

    void Byte(uint8_t b) { Bytes += static_cast<char>(b); }
    void Raw(std::string_view s) { Bytes += s; }
    void Int(int64_t v, int size)
    {
        for (int i = 0; i < size; ++i) Byte(static_cast<uint8_t>(v >> (8 * i)));
    }

    void ShortString(std::string_view s)
    {
        s = s.substr(0, 255); // a short string cannot hold more
        Byte(static_cast<uint8_t>(s.size()));
        Raw(s);
    }

    void Integer(int32_t v)
    {
        if (v >= -128 && v <= 127) {
            Byte(vaInt8);
            Int(v, 1);
        } else if (v >= -32768 && v <= 32767) {
            Byte(vaInt16);
            Int(v, 2);
        } else {
            Byte(vaInt32);
            Int(v, 4);
        }
    }

    // The shortest of the string encodings that keeps every character.
    void String(std::string_view utf8)
    {
        size_t units = Utf16Length(utf8);
        if (utf8.size() >= 2 * units) {
            std::u16string wide = Utf8ToUtf16(utf8);
            Byte(vaWString);
            Int(static_cast<int64_t>(wide.size()), 4);
            for (char16_t unit : wide) Int(unit, 2);
        } else if (HasNonAscii(utf8)) {
            Byte(vaUTF8String);
            Int(static_cast<int64_t>(utf8.size()), 4);
            Raw(utf8);
        } else if (utf8.size() >= 256) {
            Byte(vaLString);
            Int(static_cast<int64_t>(utf8.size()), 4);
            Raw(utf8);
        } else {
            Byte(vaString);
            ShortString(utf8);
        }
    }

    void Extended(long double v)
    {
        Byte(vaExtended);
        for (uint8_t b : EncodeExtended(v)) Byte(b);
    }

    void Colour(TColor color)
    {
        if (auto name = ColorToIdent(color)) {
            Byte(vaIdent);
            ShortString(*name);
        } else {
            Integer(color);
        }
    }

    void List(const TStringList& lines)
    {
        Byte(vaList);
        for (const std::string& line : lines) String(line);
        Byte(vaNull);
    }

private:
    static bool HasNonAscii(std::string_view s)
    {
        for (unsigned char c : s)
            if (c >= 0x80) return true;
        return false;
    }
};

bool IsWritten(const TPublishedProp& prop, const TComQorCSS1& s)
{
    if (prop.Written == TPropWritten::Always) return true;
    switch (prop.Kind) {
    case TPropKind::String: return !prop.Str(s).empty();
    case TPropKind::Strings: return !prop.List(s).empty();
    case TPropKind::Extended: return prop.Ext(s) != 0;
    default: return prop.Int(s) != 0;
    }
}

void WriteProperty(TStreamWriter& w, const TPublishedProp& prop, const TComQorCSS1& s)
{
    switch (prop.Kind) {
    case TPropKind::String:
        w.ShortString(prop.Name);
        w.String(prop.Str(s));
        break;
    case TPropKind::Integer:
        w.ShortString(prop.Name);
        w.Integer(prop.Int(s));
        break;
    case TPropKind::Colour:
        w.ShortString(prop.Name);
        w.Colour(prop.Int(s));
        break;
    case TPropKind::Extended:
        w.ShortString(prop.Name);
        w.Extended(prop.Ext(s));
        break;
    case TPropKind::Boolean:
        w.ShortString(prop.Name);
        w.Byte(prop.Bool(s) ? vaTrue : vaFalse);
        break;
    case TPropKind::Strings:
        w.ShortString(std::string(prop.Name) + ".Strings");
        w.List(prop.List(s));
        break;
    }
}

} // namespace

std::string WriteProjectStream(const TComQorCSS1& settings)
{
    TStreamWriter w;
    w.Byte(0xFF);
    w.Int(10, 2);
    w.Raw(ResourceName);
    w.Byte(0);
    w.Int(0x1030, 2);
    w.Int(0, 4); // size, filled in below
    w.Raw("TPF0");
    w.ShortString(ClassName);
    w.ShortString(settings.Name);
    for (const TPublishedProp& prop : PublishedProps())
        if (IsWritten(prop, settings)) WriteProperty(w, prop, settings);
    if (settings.Left != 0) {
        w.ShortString("Left");
        w.Integer(settings.Left);
    }
    if (settings.Top != 0) {
        w.ShortString("Top");
        w.Integer(settings.Top);
    }
    w.Byte(vaNull);
    w.Byte(vaNull);
    uint32_t size = static_cast<uint32_t>(w.Bytes.size() - HeaderSize);
    for (int i = 0; i < 4; ++i) w.Bytes[HeaderSize - 4 + i] = static_cast<char>(size >> (8 * i));
    return w.Bytes;
}

} // namespace qor
