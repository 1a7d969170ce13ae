#include "util/XEComText.h"

#include "util/DelphiFormat.h"
#include "util/TextCodec.h"

#include <limits>
#include <stdexcept>

namespace qor {

void SplitFirst(std::string_view text, char sep, std::string& head, std::string& rest)
{
    // Both parts are taken before either is assigned: callers pass their rest as text.
    size_t at = text.find(sep);
    std::string newHead(text.substr(0, at));
    std::string newRest(at == std::string_view::npos ? std::string_view() : text.substr(at + 1));
    head = std::move(newHead);
    rest = std::move(newRest);
}

TStringList SplitText(std::string_view text, char sep)
{
    TStringList pieces;
    SplitTextInto(text, sep, pieces);
    return pieces;
}

int SplitTextInto(std::string_view text, char sep, TStringList& list)
{
    list.clear();
    while (!text.empty()) {
        size_t at = text.find(sep);
        list.emplace_back(text.substr(0, at));
        text = at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
    }
    return static_cast<int>(list.size());
}

std::string JoinUnitSep(const TStringList& list)
{
    std::string out;
    for (const std::string& item : list) {
        out += item;
        out += UnitSep;
    }
    return out;
}

void SplitUnitSep(std::string_view text, TStringList& list)
{
    SplitTextInto(text, UnitSep, list);
}

int TotalLength(const TStringList* list)
{
    if (!list) return 0;
    size_t total = 0;
    for (const std::string& item : *list)
        total += Utf16Length(item);
    return static_cast<int>(total);
}

bool SameStrings(const TStringList& a, const TStringList& b)
{
    return a == b;
}

void InsertStrings(TStringList& dest, const TStringList& src, int index)
{
    const TStringList items = src; // src may be dest itself
    auto at = (index >= 0 && static_cast<size_t>(index) < dest.size()) ? dest.begin() + index
                                                                       : dest.end();
    dest.insert(at, items.begin(), items.end());
}

std::string BoolToText(bool value)
{
    return value ? "true" : "false";
}

bool TryStrToInt(std::string_view text, int32_t& value)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    uint64_t magnitude = 0;
    for (char c : text) {
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : 99;
        if (digit >= base) return false;
        magnitude = magnitude * base + digit;
        if (magnitude > 0xFFFFFFFFull) return false;
    }
    // Hexadecimal texts name bit patterns, so "$FFFFFFFF" is -1.
    if (base == 16 && !negative) {
        value = static_cast<int32_t>(static_cast<uint32_t>(magnitude));
        return true;
    }
    int64_t signedValue =
        negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    if (signedValue < std::numeric_limits<int32_t>::min() ||
        signedValue > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(signedValue);
    return true;
}

int32_t StrToIntDefault(std::string_view text, int32_t defaultValue)
{
    int32_t value;
    return TryStrToInt(text, value) ? value : defaultValue;
}

int32_t HexToInt(std::string_view text)
{
    int32_t value;
    if (!TryStrToInt("$" + std::string(text), value))
        throw std::invalid_argument("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

bool StrToIntPair(std::string_view text, char sep, int32_t& a, int32_t& b)
{
    TStringList pieces = SplitText(text, sep);
    int32_t first, second;
    if (pieces.size() < 2 || !TryStrToInt(pieces[0], first) || !TryStrToInt(pieces[1], second))
        return false;
    a = first;
    b = second;
    return true;
}

std::string RectToStr(const TRect& r)
{
    return Format("%d|%d|%d|%d", {r.Left, r.Top, r.Right, r.Bottom});
}

TRect StrToRect(std::string_view text)
{
    TStringList pieces = SplitText(text, '|');
    if (pieces.size() < 4) return {};
    return {StrToIntDefault(pieces[0], 0), StrToIntDefault(pieces[1], 0),
            StrToIntDefault(pieces[2], 0), StrToIntDefault(pieces[3], 0)};
}

} // namespace qor
