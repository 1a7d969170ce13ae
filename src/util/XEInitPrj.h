// The folders every part of the system reads, computed as the desktop program's
// initialiser does (project name "qorHTML5Gallery"), mapped to Linux:
//
//   AppFolder     the folder of the running program
//   RscFolder     $QORGALLERY_RSC, else AppFolder/rsc/, else <prefix>/share/qorgallery/rsc/
//   DocFolder     the XDG documents folder + project name
//   WorkFolder    $XDG_DATA_HOME (default ~/.local/share) + project name
//   IniFolder     WorkFolder + Ini/
//   StdIniFolder  RscFolder + Ini/
//   HelpFolder    AppFolder/help/, the target of AppFolder/help.lnk, or the installed help
//   StdSettingFile WorkFolder + stdSetting.qor
//
// Every folder text ends with a separator.
#pragma once

#include <string>
#include <string_view>

namespace qor {

struct TXEVersion {
    int Major = 1;
    int Minor = 6;
    int Revision = 1;
    int Build = 0;
    std::string LongVersion() const;  // "1.6.1.0"
    std::string ShortVersion() const; // "1.6.1"
};
const TXEVersion& AppVersion();

struct TAppFolders {
    std::string AppFolder;
    std::string RscFolder;
    std::string DocFolder;
    std::string WorkFolder;
    std::string IniFolder;
    std::string StdIniFolder;
    std::string HelpFolder;
    std::string StdSettingFile;
};

class TXEInitPrj {
public:
    static constexpr const char* MainProjectName = "qorHTML5Gallery";

    // Setting the name computes the folders and creates the user's ones.
    void SetProjectName(const std::string& name);
    const std::string& ProjectName() const { return FProjectName; }
    // Computes the folders and creates DocFolder, WorkFolder and IniFolder.
    void MakeFolders();
    const std::string& ProjectIniFile() const { return FProjectIniFile; }
    // The window settings file of a form, in IniFolder and in StdIniFolder.
    std::string GetIniFile(std::string_view formName) const;
    std::string GetStdIniFile(std::string_view formName) const;
    // Moves WorkFolder and IniFolder, with the configuration, history and standard settings
    // in them, to the trash, then makes the empty folders again.
    void RemoveDir();

private:
    std::string FProjectName;
    std::string FProjectIniFile;
};

// The folders as last computed; computed without creating anything on first use. The
// reference stays valid for the whole run.
const TAppFolders& Folders();
// Computes the folders for a project name without creating them.
TAppFolders ComputeFolders(const std::string& projectName);

} // namespace qor
