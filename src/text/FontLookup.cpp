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

bool IsProportional(FcPattern* font)
{
    int spacing = FC_PROPORTIONAL;
    FcPatternGetInteger(font, FC_SPACING, 0, &spacing);
    return spacing == FC_PROPORTIONAL;
}

bool CoversLanguage(FcPattern* font, const char* lang)
{
    FcLangSet* langs = nullptr;
    return FcPatternGetLangSet(font, FC_LANG, 0, &langs) == FcResultMatch &&
           FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>(lang)) == FcLangEqual;
}

// The fallback for a missing family stands in for a proportional desktop font, so among the
// faces that cover the language a proportional one is preferred to a fixed-pitch one.
TPattern ProportionalMatch(const TPattern& request, const char* lang)
{
    FcResult result = FcResultNoMatch;
    FcFontSet* sorted = FcFontSort(nullptr, request.get(), FcFalse, nullptr, &result);
    TPattern best;
    for (int i = 0; sorted && i < sorted->nfont && !best; ++i) {
        FcPattern* font = sorted->fonts[i];
        if (CoversLanguage(font, lang) && IsProportional(font))
            best.reset(FcFontRenderPrepare(nullptr, request.get(), font));
    }
    if (sorted) FcFontSetDestroy(sorted);
    return best ? std::move(best) : Match(request);
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
    AddOnce(chain, FileOf(ProportionalMatch(Request("sans-serif", "ja", bold, italic), "ja"), bold,
                          italic));
    AddOnce(chain, FileOf(Match(Request("sans-serif", nullptr, bold, italic)), bold, italic));
    if (chain.empty()) throw std::runtime_error("no font is installed for drawing text");
    return chain;
}

} // namespace qor
