// The association of project files with the desktop program, the freedesktop way and for
// the user alone (no administrator rights):
//
//   $XDG_DATA_HOME/mime/packages/qorgallery-project.xml   the MIME type
//   application/x-qorika-project
//                                                          for *.qor (any case)
//   $XDG_DATA_HOME/applications/<DesktopId>               a desktop entry that runs the given
//                                                          program, unless the installed one does
//   $XDG_CONFIG_HOME/mimeapps.list                         that entry as the type's default
//
// The MIME database of $XDG_DATA_HOME is rebuilt with update-mime-database when it is there.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace qor {

inline constexpr const char* ProjectMimeType = "application/x-qorika-project";
inline constexpr const char* DesktopId = "io.github.qorgallery.QorGallery.desktop";

class EAssociationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TXdgDirs {
    std::filesystem::path DataHome;
    std::filesystem::path ConfigHome;
    std::vector<std::filesystem::path> DataDirs; // the system's, searched for installed entries
};

// The folders of the environment, with the freedesktop defaults.
TXdgDirs UserXdgDirs();

// Makes program the handler of project files for the user. Throws EAssociationError naming
// the file that could not be written, or, before writing anything, for a program path with a
// control character.
void AssociateProjectFiles(const std::filesystem::path& program, const TXdgDirs& dirs);

// True when the MIME type is known to the user's or the system's MIME packages, our desktop
// entry exists, and it is the type's default: the user's in mimeapps.list or, when the user
// chose none, the first handler of the system's mimeinfo.cache (as after installing the package).
bool IsAssociated(const TXdgDirs& dirs);

// The ini-style text (such as mimeapps.list) with key=value set in a section, added when
// missing; every other line stays as it was.
std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value);
// The value of key in section, empty when there is none.
std::string GetIniValue(const std::string& text, const std::string& section,
                        const std::string& key);

} // namespace qor
