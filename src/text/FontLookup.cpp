#include "text/FontLookup.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <stdexcept>

namespace qor {
namespace {

struct TPatternFree {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using TPattern = std::unique_ptr<FcPattern, TPatternFree>;

constexpr std::array GenericFamilies = {"sans-serif", "sans", "serif", "monospace"};

bool IsGeneric(const std::string& family)
{
    return std::any_of(GenericFamilies.begin(), GenericFamilies.end(), [&](const char* name) {
        return FcStrCmpIgnoreCase(reinterpret_cast<const FcChar8*>(name),
                                  reinterpret_cast<const FcChar8*>(family.c_str())) == 0;
    });
}

TPattern Request(const std::string& family, const char* lang, bool bold, bool italic)
{
    TPattern pattern(FcPatternCreate());
    auto name = reinterpret_cast<const FcChar8*>(family.c_str());
    FcPatternAddString(pattern.get(), FC_FAMILY, name);
    if (lang) FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>(lang));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

TPattern Match(const TPattern& request)
{
    FcResult result = FcResultNoMatch;
    return TPattern(FcFontMatch(nullptr, request.get(), &result));
}

// fontconfig always answers some font; the family counts as installed only when the answer
// carries its name.
bool HasFamily(const TPattern& match, const std::string& family)
{
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(match.get(), FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family.c_str())) == 0)
            return true;
    }
    return false;
}

std::optional<TFontFile> FileOf(const TPattern& match, bool bold, bool italic)
{
    FcChar8* path = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch)
        return std::nullopt;
    int index = 0;
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
    return TFontFile{reinterpret_cast<const char*>(path), index, bold, italic};
}

void AddOnce(std::vector<TFontFile>& chain, const std::optional<TFontFile>& file)
{
    if (file && std::find(chain.begin(), chain.end(), *file) == chain.end()) chain.push_back(*file);
}

} // namespace

std::vector<TFontFile> FontChain(const std::string& family, bool bold, bool italic)
{
    if (!FcInit()) throw std::runtime_error("fontconfig cannot be initialised");
    std::vector<TFontFile> chain;
    if (!family.empty()) {
        TPattern match = Match(Request(family, nullptr, bold, italic));
        if (match && (IsGeneric(family) || HasFamily(match, family)))
            AddOnce(chain, FileOf(match, bold, italic));
    }
    AddOnce(chain, FileOf(Match(Request("sans-serif", "ja", bold, italic)), bold, italic));
    AddOnce(chain, FileOf(Match(Request("sans-serif", nullptr, bold, italic)), bold, italic));
    if (chain.empty()) throw std::runtime_error("no font is installed for drawing text");
    return chain;
}

} // namespace qor
