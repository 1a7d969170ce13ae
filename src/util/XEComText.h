// Text and list routines of XECom. Stored formats (attribute lines, history items,
// rectangle texts) are built on them, so their edge cases are part of those formats.
#pragma once

#include "util/TRect.h"
#include "util/TextFile.h"

#include <string>
#include <string_view>

namespace qor {

// Separator after every item of an attribute line.
constexpr char UnitSep = '\x19';

// Head := text before the first ASep, Rest := text after it; without ASep the whole text
// is the head and the rest is empty. Head or rest may be the string text views.
void SplitFirst(std::string_view text, char sep, std::string& head, std::string& rest);
// Pieces by repeated SplitFirst until the rest is empty: "" gives none, "a||b" gives a, "",
// b; "a|b|" gives a, b; "|a" gives "", a.
TStringList SplitText(std::string_view text, char sep);
int SplitTextInto(std::string_view text, char sep, TStringList& list);
// Every item followed by U+0019, the last one included.
std::string JoinUnitSep(const TStringList& list);
void SplitUnitSep(std::string_view text, TStringList& list);

// Sum of the lengths of the items in UTF-16 units, as stored texts count them; 0 for none.
int TotalLength(const TStringList* list);
bool SameStrings(const TStringList& a, const TStringList& b);
// Inserts src at index when 0 <= index < dest.size(), else appends; src may be dest.
void InsertStrings(TStringList& dest, const TStringList& src, int index);
std::string BoolToText(bool value);

// Integers as the system reads them: optional sign, decimal digits or "$"/"0x" and
// hexadecimal digits, no blanks, 32-bit range.
bool TryStrToInt(std::string_view text, int32_t& value);
int32_t StrToIntDefault(std::string_view text, int32_t defaultValue);
// The text read as hexadecimal ("$" + text); throws std::invalid_argument when it is not.
int32_t HexToInt(std::string_view text);
bool StrToIntPair(std::string_view text, char sep, int32_t& a, int32_t& b);

std::string RectToStr(const TRect& r);
// "L|T|R|B"; fewer than four pieces give an empty rectangle, a piece that is no integer 0.
TRect StrToRect(std::string_view text);

} // namespace qor
