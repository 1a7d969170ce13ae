// The published properties of TComQorCSS1 as a table: name, kind, the member that holds
// the value, and when the project file leaves it out. The project file reader and writer
// and the command line's show/set all walk this one table, so the order and the write
// rules are stated once.
#pragma once

#include "gallery/ComQorCSS.h"

#include <span>
#include <string_view>
#include <variant>

namespace qor {

enum class TPropKind { String, Integer, Extended, Boolean, Colour, Strings };

// When the project file carries a property.
enum class TPropWritten { Always, NotEmpty, NotZero };

struct TPublishedProp {
    std::string_view Name;
    TPropKind Kind;
    TPropWritten Written;
    std::variant<std::string TComQorCSS1::*, int32_t TComQorCSS1::*, long double TComQorCSS1::*,
                 bool TComQorCSS1::*, TStringList TComQorCSS1::*>
        Member;

    std::string& Str(TComQorCSS1& s) const { return s.*std::get<std::string TComQorCSS1::*>(Member); }
    const std::string& Str(const TComQorCSS1& s) const { return s.*std::get<std::string TComQorCSS1::*>(Member); }
    int32_t& Int(TComQorCSS1& s) const { return s.*std::get<int32_t TComQorCSS1::*>(Member); }
    int32_t Int(const TComQorCSS1& s) const { return s.*std::get<int32_t TComQorCSS1::*>(Member); }
    long double& Ext(TComQorCSS1& s) const { return s.*std::get<long double TComQorCSS1::*>(Member); }
    long double Ext(const TComQorCSS1& s) const { return s.*std::get<long double TComQorCSS1::*>(Member); }
    bool& Bool(TComQorCSS1& s) const { return s.*std::get<bool TComQorCSS1::*>(Member); }
    bool Bool(const TComQorCSS1& s) const { return s.*std::get<bool TComQorCSS1::*>(Member); }
    TStringList& List(TComQorCSS1& s) const { return s.*std::get<TStringList TComQorCSS1::*>(Member); }
    const TStringList& List(const TComQorCSS1& s) const { return s.*std::get<TStringList TComQorCSS1::*>(Member); }

    void Assign(TComQorCSS1& to, const TComQorCSS1& from) const
    {
        std::visit([&](auto member) { to.*member = from.*member; }, Member);
    }
    bool Same(const TComQorCSS1& a, const TComQorCSS1& b) const
    {
        return std::visit([&](auto member) { return a.*member == b.*member; }, Member);
    }
};

// Every stored published property in declaration order (the event OnMakeLIEntry, never
// stored, is not in the table).
std::span<const TPublishedProp> PublishedProps();
// The property of that name (case-sensitive), or none.
const TPublishedProp* FindPublishedProp(std::string_view name);
// Copies every published property of from into to; the rest of to (its resource folder,
// script, templates and picture list) stays.
void AssignPublishedProps(TComQorCSS1& to, const TComQorCSS1& from);

} // namespace qor
