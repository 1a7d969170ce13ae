#include "cli/PropertyText.h"

#include "gallery/ProjectValues.h"
#include "util/TextCodec.h"
#include "util/XEComText.h"
#include "util/LocalText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace qor {

std::string EscapePropText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\x19': out += "\\x19"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
    return out;
}

std::string UnescapePropText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        std::string_view rest = text.substr(i + 1);
        if (rest.starts_with("x19")) {
            out += '\x19';
            i += 3;
            continue;
        }
        if (rest.empty()) throw ESettingError(LocalText("a backslash ends the value; write \\\\ for one"));
        switch (rest[0]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        default: throw ESettingError(LocalFormat("unknown escape \\%s", {std::string(1, rest[0])}));
        }
        ++i;
    }
    return out;
}

namespace {

std::string ShortestExtended(long double value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

long double ParseExtended(const std::string& text)
{
    long double value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
        throw ESettingError(LocalFormat("not a number: %s", {text}));
    return value;
}

int32_t ParseInteger(const std::string& text)
{
    int32_t value = 0;
    if (!TryStrToInt(text, value)) throw ESettingError(LocalFormat("not an integer: %s", {text}));
    return value;
}

// A colour as a decimal or hex integer, or by its name ("clWhite").
TColor ParseColour(const std::string& text)
{
    if (std::optional<TColor> named = IdentToColor(text)) return *named;
    return ParseInteger(text);
}

bool ParseBoolean(const std::string& text)
{
    std::string lower = AsciiLower(text);
    if (lower == "true" || lower == "1") return true;
    if (lower == "false" || lower == "0") return false;
    throw ESettingError(LocalFormat("not true or false: %s", {text}));
}

// "Name[12]" → Name and 12; without brackets the index is -1.
std::pair<std::string_view, int> SplitIndex(std::string_view name)
{
    if (!name.ends_with(']')) return {name, -1};
    size_t open = name.find('[');
    if (open == std::string_view::npos) throw ESettingError(LocalFormat("unmatched ] in %s", {name}));
    std::string digits(name.substr(open + 1, name.size() - open - 2));
    int32_t index = 0;
    if (digits.empty() || !std::isdigit(static_cast<unsigned char>(digits[0])) ||
        !TryStrToInt(digits, index))
        throw ESettingError(LocalFormat("not a list index: %s", {name}));
    return {name.substr(0, open), index};
}

const TPublishedProp& RequireProp(std::string_view name)
{
    const TPublishedProp* prop = FindPublishedProp(name);
    if (!prop) throw ESettingError(LocalFormat("no such property: %s", {name}));
    return *prop;
}

void ApplyListSetting(const TPublishedProp& prop, TComQorCSS1& settings, std::string_view op,
                      int index, const std::string& value)
{
    TStringList& list = prop.List(settings);
    if (op == "+=") {
        list.push_back(value);
    } else if (index >= 0) {
        if (index >= static_cast<int>(list.size()))
            throw ESettingError(LocalFormat("%s has no line %d", {prop.Name, index}));
        list[index] = value;
    } else if (value.empty()) {
        list.clear();
    } else {
        list.assign(1, value);
    }
}

} // namespace

std::string FormatPropValue(const TPublishedProp& prop, const TComQorCSS1& settings)
{
    switch (prop.Kind) {
    case TPropKind::String: return prop.Str(settings);
    case TPropKind::Integer:
    case TPropKind::Colour: return std::to_string(prop.Int(settings));
    case TPropKind::Extended: return ShortestExtended(prop.Ext(settings));
    case TPropKind::Boolean: return prop.Bool(settings) ? "true" : "false";
    case TPropKind::Strings: break; // lists are shown line by line
    }
    return {};
}

std::string FormatAllProps(const TComQorCSS1& settings)
{
    std::string out;
    std::vector<const TPublishedProp*> lists;
    for (const TPublishedProp& prop : PublishedProps()) {
        if (prop.Kind == TPropKind::Strings) {
            lists.push_back(&prop);
            continue;
        }
        out += std::string(prop.Name) + "=" + EscapePropText(FormatPropValue(prop, settings)) + "\n";
    }
    for (const TPublishedProp* prop : lists) {
        const TStringList& list = prop->List(settings);
        for (size_t i = 0; i < list.size(); ++i)
            out += std::string(prop->Name) + "[" + std::to_string(i) + "]=" + EscapePropText(list[i]) +
                   "\n";
    }
    return out;
}

void ApplySetting(TComQorCSS1& settings, std::string_view assignment)
{
    size_t eq = assignment.find('=');
    if (eq == std::string_view::npos || eq == 0)
        throw ESettingError("expected Name=Value: " + std::string(assignment));
    std::string_view op = "=";
    std::string_view name = assignment.substr(0, eq);
    if (name.ends_with('+')) {
        op = "+=";
        name.remove_suffix(1);
    }
    std::string value = UnescapePropText(assignment.substr(eq + 1));
    auto [baseName, index] = SplitIndex(name);
    const TPublishedProp& prop = RequireProp(baseName);
    if (prop.Kind == TPropKind::Strings) {
        ApplyListSetting(prop, settings, op, index, value);
        return;
    }
    if (op != "=" || index >= 0)
        throw ESettingError(std::string(prop.Name) + " is not a list: " + std::string(assignment));
    switch (prop.Kind) {
    case TPropKind::String: prop.Str(settings) = value; break;
    case TPropKind::Integer: prop.Int(settings) = ParseInteger(value); break;
    case TPropKind::Colour: prop.Int(settings) = ParseColour(value); break;
    case TPropKind::Extended: prop.Ext(settings) = ParseExtended(value); break;
    case TPropKind::Boolean: prop.Bool(settings) = ParseBoolean(value); break;
    case TPropKind::Strings: break;
    }
}

} // namespace qor
