// TXEIniFile: the configuration file. Sections in square brackets, then "key=value" lines;
// names compare without regard to ASCII case. Values are read and written in memory; the
// file is read when opened and written, atomically, by UpdateFile. A key written again
// keeps its place, a new key goes to the end of its section, a new section to the end.
//
//   TXEIniFile ini(path);
//   bool carbon = ini.ReadBool("System", "Carbon", true);
//   ini.WriteRect("Setting", "MainGeo", r);
//   ini.UpdateFile();
#pragma once

#include "util/TRect.h"
#include "util/TextFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

class TXEIniFile {
public:
    // Reads the file; a file that does not exist or cannot be read gives no values.
    explicit TXEIniFile(std::string fileName);

    const std::string& FileName() const { return FFileName; }

    std::string ReadString(std::string_view section, std::string_view ident,
                           const std::string& defaultValue) const;
    // Decimal or hexadecimal; the default for a missing or non-numeric value.
    int32_t ReadInteger(std::string_view section, std::string_view ident, int32_t defaultValue) const;
    // True when the value read as an integer is not 0.
    bool ReadBool(std::string_view section, std::string_view ident, bool defaultValue) const;
    // The "L|T|R|B" text of the rectangle.
    TRect ReadRect(std::string_view section, std::string_view ident, const TRect& defaultValue) const;
    bool ValueExists(std::string_view section, std::string_view ident) const;

    void WriteString(std::string_view section, std::string_view ident, const std::string& value);
    void WriteInteger(std::string_view section, std::string_view ident, int32_t value);
    void WriteBool(std::string_view section, std::string_view ident, bool value);
    void WriteRect(std::string_view section, std::string_view ident, const TRect& value);

    // The file's lines as they would be written.
    TStringList Lines() const;
    // Writes the file through a temporary file; throws the file error.
    void UpdateFile() const;

private:
    struct TKey {
        std::string Name;
        std::string Value;
    };
    struct TSection {
        std::string Name;
        std::vector<TKey> Keys;
    };

    void Parse(const TStringList& lines);
    const TKey* Find(std::string_view section, std::string_view ident) const;
    TSection& SectionFor(std::string_view section);

    std::string FFileName;
    std::vector<TSection> FSections;
};

} // namespace qor
