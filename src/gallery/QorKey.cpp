#include "gallery/QorKey.h"

namespace qor {

TQorKeys FindKeys(const TStringList& lines, const TStringList& keyTexts)
{
    TQorKeys keys(keyTexts.size());
    size_t next = 0;
    for (size_t i = 0; i < lines.size() && next < keyTexts.size(); ++i) {
        if (lines[i].find(keyTexts[next]) == std::string::npos) continue;
        keys[next] = {static_cast<int32_t>(i), lines[i]};
        ++next;
    }
    return keys;
}

void RefindKeys(const TStringList& lines, const TStringList& keyTexts, TQorKeys& keys)
{
    TQorKeys found = FindKeys(lines, keyTexts);
    keys.resize(found.size());
    for (size_t k = 0; k < found.size(); ++k)
        if (found[k].id != -1) keys[k] = found[k];
}

void ShiftKeys(TQorKeys& keys, int32_t index, int32_t count)
{
    for (TQorKey& key : keys)
        if (key.id >= index) key.id += count;
}

} // namespace qor
