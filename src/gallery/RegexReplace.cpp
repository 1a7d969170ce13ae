#include "gallery/RegexReplace.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <memory>

namespace qor {

namespace {

struct TCodeFree {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct TMatchDataFree {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};

std::string ErrorText(int code)
{
    PCRE2_UCHAR buffer[256];
    pcre2_get_error_message(code, buffer, sizeof buffer);
    return reinterpret_cast<const char*>(buffer);
}

// PCRE2 spells the whole-match reference "$0"; "$$" stays an escaped dollar.
std::string TranslateWholeMatch(std::string_view replacement)
{
    std::string out;
    for (size_t i = 0; i < replacement.size(); ++i) {
        if (replacement[i] == '$' && i + 1 < replacement.size()) {
            char next = replacement[i + 1];
            out += next == '&' ? "$0" : std::string{'$', next};
            ++i;
            continue;
        }
        out += replacement[i];
    }
    return out;
}

std::unique_ptr<pcre2_code, TCodeFree> Compile(std::string_view pattern)
{
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                     0, &error, &offset, nullptr);
    if (!code) throw ERegexError(ErrorText(error));
    return std::unique_ptr<pcre2_code, TCodeFree>(code);
}

} // namespace

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement)
{
    auto code = Compile(pattern);
    std::unique_ptr<pcre2_match_data, TMatchDataFree> data(
        pcre2_match_data_create_from_pattern(code.get(), nullptr));
    std::string with = TranslateWholeMatch(replacement);
    const uint32_t options = PCRE2_SUBSTITUTE_GLOBAL | PCRE2_SUBSTITUTE_OVERFLOW_LENGTH;
    std::string out(text.size() + 64, '\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        PCRE2_SIZE length = out.size();
        int rc = pcre2_substitute(code.get(), reinterpret_cast<PCRE2_SPTR>(text.data()),
                                  text.size(), 0, options, data.get(), nullptr,
                                  reinterpret_cast<PCRE2_SPTR>(with.data()), with.size(),
                                  reinterpret_cast<PCRE2_UCHAR*>(out.data()), &length);
        if (rc >= 0) {
            out.resize(length);
            return out;
        }
        if (rc != PCRE2_ERROR_NOMEMORY) throw ERegexError(ErrorText(rc));
        out.assign(length, '\0'); // the length needed, including the terminating zero
    }
    throw ERegexError(ErrorText(PCRE2_ERROR_NOMEMORY));
}

TStringList ReplaceAllInLines(const TStringList& lines, std::string_view pattern,
                              std::string_view replacement)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return SplitTextLines(ReplaceAll(text, pattern, replacement));
}

} // namespace qor
