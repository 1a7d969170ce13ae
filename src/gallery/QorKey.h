// Template keys: the lines of a template that the writers replace, found by a text that
// the line contains. The keys are searched in order, one line each: a line that holds the
// text of the next key not yet found becomes that key's line, and the search goes on with
// the next key from the next line. A key not found keeps id -1, and so do all later keys.
#pragma once

#include "util/TextFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qor {

struct TQorKey {
    int32_t id = -1;       // 0-based index of the key line, -1 when not found
    std::string keyFormat; // the text of that line
};

using TQorKeys = std::vector<TQorKey>;

TQorKeys FindKeys(const TStringList& lines, const TStringList& keyTexts);
// Searches again; keys not found this time keep their earlier positions.
void RefindKeys(const TStringList& lines, const TStringList& keyTexts, TQorKeys& keys);
// Lines were inserted at index: the keys at or after it move down by count.
void ShiftKeys(TQorKeys& keys, int32_t index, int32_t count);

} // namespace qor
