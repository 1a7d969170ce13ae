#include "assoc/FreedesktopAssoc.h"

#include "util/AtomicFile.h"
#include "util/XEComShell.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace qor {

namespace fs = std::filesystem;

namespace {

constexpr const char* MimePackageName = "qorgallery-project.xml";
constexpr const char* DefaultsSection = "Default Applications";
constexpr const char* AddedSection = "Added Associations";

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string ReadText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const fs::path& file, const std::string& text)
{
    try {
        fs::create_directories(file.parent_path());
        WriteFileAtomic(file, text);
    } catch (const std::exception& e) {
        throw EAssociationError("cannot write " + file.string() + ": " + e.what());
    }
}

std::string MimePackage()
{
    return std::string(R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type=")") +
           ProjectMimeType + R"(">
    <comment>Qorika HTML5 Gallery project</comment>
    <comment xml:lang="ja">QorikaHTML5ギャラリー プロジェクト</comment>
    <icon name="application-x-qorika-project"/>
    <glob pattern="*.qor" case-sensitive="false"/>
  </mime-type>
</mime-info>
)";
}

// The program as the first word of Exec, by the desktop entry's rules: % doubled; the word
// quoted only when it holds a reserved character (simple launchers, such as xdg-open outside
// the big desktops, take an unquoted word as it stands), with ", `, $ and \ escaped inside
// the quotes; then the value's own escaping of \ over all of it.
std::string ExecWord(const fs::path& program)
{
    const std::string path = program.string();
    std::string word;
    for (char c : path) {
        if (c == '%') word += '%';
        word += c;
    }
    if (path.find_first_of(" \t\n\"'\\><~|&;$*?#()`=") != std::string::npos) {
        std::string quoted = "\"";
        for (char c : word) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
            quoted += c;
        }
        word = quoted + "\"";
    }
    std::string value;
    for (char c : word) {
        if (c == '\\') value += '\\';
        value += c;
    }
    return value;
}

std::string DesktopEntry(const fs::path& program)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Qorika HTML5 Gallery\n"
           "Name[ja]=QorikaHTML5ギャラリー\n"
           "Comment=Make an HTML5 picture gallery\n"
           "Comment[ja]=HTML5の画像ギャラリーを作成します\n"
           "Icon=io.github.qorgallery.QorGallery\n"
           "Exec=" +
           ExecWord(program) +
           " %f\n"
           "MimeType=" +
           ProjectMimeType +
           ";\n"
           "Categories=Graphics;Photography;\n"
           "Terminal=false\n";
}

// The value's escapes undone (\\, \s, \n, \t, \r), as a desktop entry reader does first.
std::string UnescapedValue(const std::string& value)
{
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            c = value[++i];
            c = c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
        }
        text += c;
    }
    return text;
}

// The first word of a desktop entry's Exec line, unquoted and unescaped.
std::string ExecProgram(const std::string& entry)
{
    std::string exec = UnescapedValue(GetIniValue(entry, "Desktop Entry", "Exec"));
    std::string word;
    if (exec.starts_with('"')) {
        for (size_t i = 1; i < exec.size() && exec[i] != '"'; ++i) {
            if (exec[i] == '\\' && i + 1 < exec.size()) ++i;
            word += exec[i];
        }
    } else {
        word = exec.substr(0, exec.find(' '));
    }
    for (size_t at = word.find("%%"); at != std::string::npos; at = word.find("%%", at + 1))
        word.erase(at, 1);
    return word;
}

// A control character would end the line of Exec and begin another of the path's making;
// no desktop entry can run such a path.
void RefuseControlCharacters(const fs::path& program)
{
    std::string shown = program.string();
    bool found = false;
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) continue;
        c = '?';
        found = true;
    }
    if (found)
        throw EAssociationError("the program's path holds a control character (shown as ?), "
                                "which no desktop entry can run: " +
                                shown);
}

fs::path FindInPath(const std::string& name)
{
    if (name.find('/') != std::string::npos) return name;
    std::istringstream path(Env("PATH"));
    for (std::string folder; std::getline(path, folder, ':');) {
        std::error_code ec;
        fs::path candidate = fs::path(folder) / name;
        if (!folder.empty() && fs::exists(candidate, ec)) return candidate;
    }
    return {};
}

bool SameFile(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    return !a.empty() && !b.empty() && fs::equivalent(a, b, ec);
}

// The system's desktop entry of ours, when one is installed.
fs::path InstalledEntry(const TXdgDirs& dirs)
{
    for (const fs::path& dir : dirs.DataDirs) {
        std::error_code ec;
        fs::path entry = dir / "applications" / DesktopId;
        if (fs::exists(entry, ec)) return entry;
    }
    return {};
}

bool KnowsMimeType(const fs::path& dataDir)
{
    std::error_code ec;
    if (!fs::is_directory(dataDir / "mime/packages", ec)) return false;
    for (const fs::directory_entry& file : fs::directory_iterator(dataDir / "mime/packages", ec)) {
        std::string text = ReadText(file.path());
        if (text.find(std::string("type=\"") + ProjectMimeType + "\"") != std::string::npos &&
            text.find("*.qor") != std::string::npos)
            return true;
    }
    return false;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool IsSectionHeader(const std::string& line)
{
    return line.starts_with('[') && line.find(']') != std::string::npos;
}

} // namespace

TXdgDirs UserXdgDirs()
{
    TXdgDirs dirs;
    std::string home = Env("HOME");
    dirs.DataHome = Env("XDG_DATA_HOME").empty() ? fs::path(home) / ".local/share"
                                                 : fs::path(Env("XDG_DATA_HOME"));
    dirs.ConfigHome = Env("XDG_CONFIG_HOME").empty() ? fs::path(home) / ".config"
                                                     : fs::path(Env("XDG_CONFIG_HOME"));
    std::string dataDirs =
        Env("XDG_DATA_DIRS").empty() ? "/usr/local/share:/usr/share" : Env("XDG_DATA_DIRS");
    std::istringstream in(dataDirs);
    for (std::string dir; std::getline(in, dir, ':');)
        if (!dir.empty()) dirs.DataDirs.emplace_back(dir);
    return dirs;
}

std::string GetIniValue(const std::string& text, const std::string& section, const std::string& key)
{
    bool inSection = false;
    for (const std::string& raw : Lines(text)) {
        std::string line = raw.ends_with('\r') ? raw.substr(0, raw.size() - 1) : raw;
        if (IsSectionHeader(line))
            inSection = line == "[" + section + "]";
        else if (inSection && line.starts_with(key + "="))
            return line.substr(key.size() + 1);
    }
    return {};
}

std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value)
{
    std::vector<std::string> lines = Lines(text);
    const std::string header = "[" + section + "]", setting = key + "=" + value;
    size_t insertAt = lines.size();
    bool found = false, inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsSectionHeader(lines[i])) {
            if (inSection) break;
            inSection = lines[i] == header;
            found = found || inSection;
            if (inSection) insertAt = i + 1;
        } else if (inSection) {
            if (lines[i].starts_with(key + "=")) {
                lines[i] = setting;
                insertAt = std::string::npos;
                break;
            }
            if (!lines[i].empty()) insertAt = i + 1;
        }
    }
    if (!found) {
        if (!lines.empty() && !lines.back().empty()) lines.push_back("");
        lines.push_back(header);
        lines.push_back(setting);
    } else if (insertAt != std::string::npos) {
        lines.insert(lines.begin() + static_cast<long>(insertAt), setting);
    }
    std::string result;
    for (const std::string& line : lines)
        result += line + "\n";
    return result;
}

void AssociateProjectFiles(const fs::path& program, const TXdgDirs& dirs)
{
    RefuseControlCharacters(program);
    WriteText(dirs.DataHome / "mime/packages" / MimePackageName, MimePackage());
    RunProgram({"update-mime-database", (dirs.DataHome / "mime").string()}, 30000);

    // The installed entry serves when it runs this very program; any other program (a build
    // tree, a copy elsewhere) gets an entry of the user's that shadows it.
    fs::path installed = InstalledEntry(dirs);
    bool installedRunsProgram =
        !installed.empty() && SameFile(FindInPath(ExecProgram(ReadText(installed))), program);
    fs::path userEntry = dirs.DataHome / "applications" / DesktopId;
    if (!installedRunsProgram) {
        WriteText(userEntry, DesktopEntry(program));
        RunProgram({"update-desktop-database", userEntry.parent_path().string()}, 30000);
    } else {
        std::error_code ec;
        fs::remove(userEntry, ec);
    }

    fs::path list = dirs.ConfigHome / "mimeapps.list";
    std::string text = ReadText(list);
    text = SetIniValue(text, DefaultsSection, ProjectMimeType, DesktopId);
    std::string added = GetIniValue(text, AddedSection, ProjectMimeType);
    if (added.find(DesktopId) == std::string::npos)
        text =
            SetIniValue(text, AddedSection, ProjectMimeType, std::string(DesktopId) + ";" + added);
    WriteText(list, text);
}

bool IsAssociated(const TXdgDirs& dirs)
{
    bool known = KnowsMimeType(dirs.DataHome);
    for (const fs::path& dir : dirs.DataDirs)
        known = known || KnowsMimeType(dir);
    std::error_code ec;
    bool entry =
        fs::exists(dirs.DataHome / "applications" / DesktopId, ec) || !InstalledEntry(dirs).empty();
    if (!known || !entry) return false;
    // The user's choice decides; without one, the handlers the installed entries declare
    // (the desktop's cache of them), the first being the default.
    std::string handler =
        GetIniValue(ReadText(dirs.ConfigHome / "mimeapps.list"), DefaultsSection, ProjectMimeType);
    for (size_t i = 0; handler.empty() && i < dirs.DataDirs.size(); ++i)
        handler = GetIniValue(ReadText(dirs.DataDirs[i] / "applications/mimeinfo.cache"),
                              "MIME Cache", ProjectMimeType);
    return handler.starts_with(DesktopId);
}

} // namespace qor
