#include "gallery/ProjectStream.h"
#include "gallery/ProjectValues.h"
#include "gallery/PublishedProps.h"

#include "util/DelphiFormat.h"
#include "util/LocalText.h"
#include "util/TextCodec.h"

#include <cstring>

namespace qor {

namespace {

std::string InvalidStream()
{
    return LocalText("Invalid stream format");
}

std::string ReadError()
{
    return LocalText("Stream read error");
}

std::string InvalidValue()
{
    return LocalText("Invalid property value");
}

// Thrown inside a property and framed with the object and property name by the caller.
struct EInvalidValue {};

// Bounds-checked reading from the file's bytes: running past the end is the read error.
class TStreamReader {
public:
    explicit TStreamReader(std::string_view bytes, size_t start) : FBytes(bytes), FPos(start) {}

    uint8_t Byte()
    {
        Need(1);
        return static_cast<uint8_t>(FBytes[FPos++]);
    }
    uint8_t Peek()
    {
        Need(1);
        return static_cast<uint8_t>(FBytes[FPos]);
    }
    std::string_view Raw(size_t n)
    {
        Need(n);
        std::string_view s = FBytes.substr(FPos, n);
        FPos += n;
        return s;
    }
    uint64_t Unsigned(int size)
    {
        std::string_view s = Raw(size);
        uint64_t v = 0;
        for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(s[i]);
        return v;
    }
    int64_t Signed(int size)
    {
        uint64_t v = Unsigned(size);
        int shift = 64 - 8 * size;
        return static_cast<int64_t>(v << shift) >> shift;
    }
    std::string ShortString() { return std::string(Raw(Byte())); }

private:
    void Need(size_t n)
    {
        if (n > FBytes.size() - FPos) throw EProjectReadError(ReadError());
    }

    std::string_view FBytes;
    size_t FPos;
};

// Where the object stream starts behind one of the two resource header forms.
size_t StreamStart(std::string_view bytes)
{
    std::string_view head = bytes.substr(0, 255);
    static const uint8_t emptyEntry[16] = {0, 0, 0, 0, 0x20, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0};
    auto at = [&](size_t i) { return static_cast<uint8_t>(head[i]); };
    if (head.size() > 32 && std::memcmp(head.data(), emptyEntry, 16) == 0 &&
        head.substr(16, 16).find_first_not_of('\0') == std::string_view::npos) {
        if (head.size() < 44 || at(40) != 0xFF || at(41) != 0xFF || at(42) != 0x0A || at(43) != 0)
            throw EProjectReadError(InvalidStream());
        uint32_t headerSize = at(36) | (at(37) << 8) | (at(38) << 16) | (static_cast<uint32_t>(at(39)) << 24);
        return 32 + static_cast<size_t>(headerSize);
    }
    if (head.size() < 3 || at(0) != 0xFF || at(1) != 0x0A || at(2) != 0x00)
        throw EProjectReadError(InvalidStream());
    size_t zero = head.find('\0', 3);
    if (zero == std::string_view::npos) throw EProjectReadError(InvalidStream());
    return zero + 7;
}

int64_t ReadIntegerValue(TStreamReader& r, uint8_t tag)
{
    switch (tag) {
    case vaInt8: return r.Signed(1);
    case vaInt16: return r.Signed(2);
    case vaInt32: return r.Signed(4);
    default: throw EInvalidValue{};
    }
}

std::string ReadStringValue(TStreamReader& r, uint8_t tag)
{
    switch (tag) {
    case vaString: return Cp932ToUtf8(r.Raw(r.Byte()));
    case vaLString: return Cp932ToUtf8(r.Raw(r.Unsigned(4)));
    case vaUTF8String: return std::string(r.Raw(r.Unsigned(4)));
    case vaWString: {
        uint64_t units = r.Unsigned(4);
        std::string_view raw = r.Raw(units * 2); // checked against the file before any copy
        std::u16string wide(units, u'\0');
        for (size_t i = 0; i < units; ++i)
            wide[i] = static_cast<char16_t>(static_cast<uint8_t>(raw[2 * i]) |
                                            (static_cast<uint8_t>(raw[2 * i + 1]) << 8));
        return Utf16ToUtf8(wide);
    }
    default: throw EInvalidValue{};
    }
}

long double ReadExtendedValue(TStreamReader& r, uint8_t tag)
{
    switch (tag) {
    case vaExtended: return DecodeExtended(reinterpret_cast<const uint8_t*>(r.Raw(10).data()));
    case vaDouble: {
        double d;
        std::memcpy(&d, r.Raw(8).data(), 8);
        return d;
    }
    case vaInt64: return static_cast<long double>(r.Signed(8));
    default: return static_cast<long double>(ReadIntegerValue(r, tag));
    }
}

bool ReadBooleanValue(TStreamReader& r, uint8_t tag)
{
    if (tag == vaFalse || tag == vaTrue) return tag == vaTrue;
    if (tag != vaIdent) throw EInvalidValue{};
    std::string name = AsciiLower(r.ShortString());
    if (name != "false" && name != "true") throw EInvalidValue{};
    return name == "true";
}

TColor ReadColourValue(TStreamReader& r, uint8_t tag)
{
    if (tag != vaIdent) return static_cast<TColor>(ReadIntegerValue(r, tag));
    auto color = IdentToColor(r.ShortString());
    if (!color) throw EInvalidValue{};
    return *color;
}

TStringList ReadListValue(TStreamReader& r, uint8_t tag)
{
    if (tag != vaList) throw EInvalidValue{};
    TStringList lines;
    for (uint8_t item = r.Byte(); item != vaNull; item = r.Byte()) lines.push_back(ReadStringValue(r, item));
    return lines;
}

void ApplyPublished(TStreamReader& r, const TPublishedProp& prop, TComQorCSS1& s)
{
    uint8_t tag = r.Byte();
    switch (prop.Kind) {
    case TPropKind::String: prop.Str(s) = ReadStringValue(r, tag); break;
    case TPropKind::Integer: prop.Int(s) = static_cast<int32_t>(ReadIntegerValue(r, tag)); break;
    case TPropKind::Colour: prop.Int(s) = ReadColourValue(r, tag); break;
    case TPropKind::Extended: prop.Ext(s) = ReadExtendedValue(r, tag); break;
    case TPropKind::Boolean: prop.Bool(s) = ReadBooleanValue(r, tag); break;
    case TPropKind::Strings: prop.List(s) = ReadListValue(r, tag); break;
    }
}

std::string LastPart(const std::string& path)
{
    size_t dot = path.rfind('.');
    return dot == std::string::npos ? path : path.substr(dot + 1);
}

// Applies one entry; false when the name is no property of the object.
bool ApplyEntry(TStreamReader& r, const std::string& name, TComQorCSS1& s)
{
    const TPublishedProp* prop = nullptr;
    if (name.ends_with(".Strings")) {
        prop = FindPublishedProp(name.substr(0, name.size() - 8));
        if (!prop || prop->Kind != TPropKind::Strings) return false;
    } else if (name.find('.') == std::string::npos) {
        prop = FindPublishedProp(name);
    }
    if (prop) {
        // A list property is written only through its Strings path.
        if (prop->Kind == TPropKind::Strings && !name.ends_with(".Strings")) throw EInvalidValue{};
        ApplyPublished(r, *prop, s);
        return true;
    }
    if (name == "Name") {
        s.Name = ReadStringValue(r, r.Byte());
    } else if (name == "Tag") {
        s.Tag = static_cast<int32_t>(ReadIntegerValue(r, r.Byte()));
    } else if (name == "Left" || name == "Top") {
        auto value = static_cast<uint16_t>(ReadIntegerValue(r, r.Byte()));
        (name == "Left" ? s.Left : s.Top) = value;
    } else if (name == "OnMakeLIEntry") {
        // The program never assigns the event; a stored handler name is read and ignored.
        uint8_t tag = r.Byte();
        if (tag == vaIdent) r.ShortString();
        else if (tag != vaNil) throw EInvalidValue{};
    } else {
        return false;
    }
    return true;
}

std::string Framed(const TComQorCSS1& s, const std::string& entry, const std::string& reason)
{
    return LocalFormat("Error reading %s%s%s: %s", {s.Name, ".", entry, reason});
}

} // namespace

void ReadProjectStream(std::string_view bytes, TComQorCSS1& settings)
{
    size_t start = StreamStart(bytes);
    if (start > bytes.size()) throw EProjectReadError(ReadError());
    if (bytes.substr(start, 4) != "TPF0") throw EProjectReadError(InvalidStream());
    TStreamReader r(bytes, start + 4);
    if ((r.Peek() & 0xF0) == 0xF0) {
        uint8_t flags = r.Byte();
        if (flags & 0x02) {
            try {
                ReadIntegerValue(r, r.Byte());
            } catch (const EInvalidValue&) {
                throw EProjectReadError(InvalidValue());
            }
        }
    }
    r.ShortString(); // class name
    settings.Name = r.ShortString();
    while (r.Peek() != vaNull) {
        std::string name = r.ShortString();
        bool known;
        try {
            known = ApplyEntry(r, name, settings);
        } catch (const EInvalidValue&) {
            throw EProjectReadError(Framed(settings, name, InvalidValue()));
        }
        if (!known)
            throw EProjectReadError(
                Framed(settings, name, LocalFormat("Property %s does not exist", {LastPart(name)})));
    }
    r.Byte(); // end of the property list
    r.Byte(); // end of the (always empty) list of contained objects
}

} // namespace qor
