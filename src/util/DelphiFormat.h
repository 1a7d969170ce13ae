// Format: the printf-like formatting that stored texts and messages rely on, with the
// rules of the format strings the system uses ("%3d", "%.2d", "%.2x", "%s", "%f", "%1f").
//
//   Format("%3d/%d", {7, 120})        -> "  7/120"
//   Format("%.2x", {10})              -> "0A"   (hexadecimal digits are upper case)
//   Format("Lap :%f秒", {1.5})         -> "Lap :1.50秒" (two decimals unless a precision is given)
//
// A specifier is % [index:] [-] [width] [.precision] type, with type d, u, x, s or f. The
// index counts from 0 and the specifiers after it go on from there; "*" takes an index,
// width or precision from the arguments; widths and the precision of "s" count characters;
// "%f" always writes a point. "%%" is a percent sign. A missing or mismatched argument, or
// a width or precision above 100000, throws EFormatError.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace qor {

class EFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TFormatArg {
public:
    TFormatArg(int v) : FValue(static_cast<int64_t>(v)) {}
    TFormatArg(long v) : FValue(static_cast<int64_t>(v)) {}
    TFormatArg(long long v) : FValue(static_cast<int64_t>(v)) {}
    TFormatArg(unsigned v) : FValue(static_cast<int64_t>(v)) {}
    TFormatArg(unsigned long v) : FValue(static_cast<int64_t>(v)) {}
    TFormatArg(unsigned long long v) : FValue(static_cast<int64_t>(v)) {}
    TFormatArg(double v) : FValue(static_cast<long double>(v)) {}
    TFormatArg(long double v) : FValue(v) {}
    TFormatArg(std::string_view v) : FValue(std::string(v)) {}
    TFormatArg(const std::string& v) : FValue(v) {}
    TFormatArg(const char* v) : FValue(std::string(v)) {}

    const std::variant<int64_t, long double, std::string>& Value() const { return FValue; }

private:
    std::variant<int64_t, long double, std::string> FValue;
};

std::string Format(std::string_view format, std::initializer_list<TFormatArg> args);

} // namespace qor
