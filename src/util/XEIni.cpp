#include "util/XEIni.h"

#include "util/XEComText.h"

#include <algorithm>
#include <cctype>

namespace qor {

namespace {

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

std::string_view TrimBlanks(std::string_view text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

TXEIniFile::TXEIniFile(std::string fileName) : FFileName(std::move(fileName))
{
    try {
        Parse(LoadTextLines(FFileName));
    } catch (const std::exception&) {
        FSections.clear();
    }
}

// Lines before the first section and lines that are neither a section nor a key are
// dropped, as the platform's ini routines ignore them.
void TXEIniFile::Parse(const TStringList& lines)
{
    TSection* current = nullptr;
    for (const std::string& raw : lines) {
        std::string_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            current = &SectionFor(TrimBlanks(line.substr(1, line.size() - 2)));
            continue;
        }
        size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos) continue;
        std::string_view name = TrimBlanks(line.substr(0, eq));
        if (name.empty()) continue;
        WriteString(current->Name, name, std::string(TrimBlanks(line.substr(eq + 1))));
    }
}

const TXEIniFile::TKey* TXEIniFile::Find(std::string_view section, std::string_view ident) const
{
    for (const TSection& s : FSections) {
        if (!SameName(s.Name, section)) continue;
        for (const TKey& key : s.Keys)
            if (SameName(key.Name, ident)) return &key;
    }
    return nullptr;
}

TXEIniFile::TSection& TXEIniFile::SectionFor(std::string_view section)
{
    for (TSection& s : FSections)
        if (SameName(s.Name, section)) return s;
    return FSections.emplace_back(TSection{std::string(section), {}});
}

bool TXEIniFile::ValueExists(std::string_view section, std::string_view ident) const
{
    return Find(section, ident) != nullptr;
}

std::string TXEIniFile::ReadString(std::string_view section, std::string_view ident,
                                   const std::string& defaultValue) const
{
    const TKey* key = Find(section, ident);
    return key ? key->Value : defaultValue;
}

int32_t TXEIniFile::ReadInteger(std::string_view section, std::string_view ident,
                                int32_t defaultValue) const
{
    const TKey* key = Find(section, ident);
    return key ? StrToIntDefault(key->Value, defaultValue) : defaultValue;
}

bool TXEIniFile::ReadBool(std::string_view section, std::string_view ident, bool defaultValue) const
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

TRect TXEIniFile::ReadRect(std::string_view section, std::string_view ident, const TRect& defaultValue) const
{
    return StrToRect(ReadString(section, ident, RectToStr(defaultValue)));
}

void TXEIniFile::WriteString(std::string_view section, std::string_view ident, const std::string& value)
{
    TSection& s = SectionFor(section);
    for (TKey& key : s.Keys)
        if (SameName(key.Name, ident)) {
            key.Value = value;
            return;
        }
    s.Keys.push_back({std::string(ident), value});
}

void TXEIniFile::WriteInteger(std::string_view section, std::string_view ident, int32_t value)
{
    WriteString(section, ident, std::to_string(value));
}

void TXEIniFile::WriteBool(std::string_view section, std::string_view ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

void TXEIniFile::WriteRect(std::string_view section, std::string_view ident, const TRect& value)
{
    WriteString(section, ident, RectToStr(value));
}

TStringList TXEIniFile::Lines() const
{
    TStringList lines;
    for (const TSection& s : FSections) {
        if (!lines.empty()) lines.emplace_back();
        lines.push_back("[" + s.Name + "]");
        for (const TKey& key : s.Keys) lines.push_back(key.Name + "=" + key.Value);
    }
    return lines;
}

void TXEIniFile::UpdateFile() const
{
    SaveTextLinesAtomic(FFileName, Lines());
}

} // namespace qor
