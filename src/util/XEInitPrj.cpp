#include "util/XEInitPrj.h"

#include "util/DelphiFormat.h"
#include "util/XEComFile.h"
#include "util/XEComShell.h"

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <mutex>

namespace fs = std::filesystem;

namespace qor {

namespace {

std::string ProgramFolder()
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? IncludeTrailingSeparator(fs::current_path(ec).string())
              : IncludeTrailingSeparator(exe.parent_path().string());
}

bool IsFolder(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// The share folder of an installed program: <prefix>/bin/qorgallery -> <prefix>/share/qorgallery/.
std::string InstalledShare(const std::string& appFolder)
{
    return IncludeTrailingSeparator(
        (fs::path(ExcludeTrailingSeparator(appFolder)).parent_path() / "share/qorgallery")
            .string());
}

std::string LocateRscFolder(const std::string& appFolder)
{
    const char* overridden = std::getenv("QORGALLERY_RSC");
    if (overridden && *overridden) return IncludeTrailingSeparator(overridden);
    std::string beside = appFolder + "rsc/";
    if (IsFolder(beside)) return beside;
    return InstalledShare(appFolder) + "rsc/";
}

std::string LocateHelpFolder(const std::string& appFolder)
{
    std::string beside = appFolder + "help/";
    if (IsFolder(beside)) return beside;
    std::string target;
    if (GetLinkTarget(appFolder + "help.lnk", target)) return target;
    std::string installed = InstalledShare(appFolder) + "help/";
    return IsFolder(installed) ? installed : beside;
}

std::string UserFolder(TSpecialFolder which, const std::string& projectName)
{
    std::string base = GetSpecialFolder(which);
    std::error_code ec;
    if (base.empty()) base = fs::current_path(ec).string();
    return IncludeTrailingSeparator(base) + projectName + "/";
}

// Every set of folders ever computed, the current one last. Sets are never changed or
// dropped, so a reference that Folders() gave stays valid while other threads read on.
std::mutex FoldersLock;
std::deque<TAppFolders> ComputedFolders;

const TAppFolders& Publish(TAppFolders folders)
{
    std::lock_guard guard(FoldersLock);
    return ComputedFolders.emplace_back(std::move(folders));
}

} // namespace

std::string TXEVersion::LongVersion() const
{
    return Format("%d.%d.%d.%d", {Major, Minor, Revision, Build});
}

std::string TXEVersion::ShortVersion() const
{
    return Format("%d.%d.%d", {Major, Minor, Revision});
}

const TXEVersion& AppVersion()
{
    static const TXEVersion version;
    return version;
}

TAppFolders ComputeFolders(const std::string& projectName)
{
    TAppFolders f;
    f.AppFolder = ProgramFolder();
    f.RscFolder = LocateRscFolder(f.AppFolder);
    f.DocFolder = UserFolder(TSpecialFolder::Documents, projectName);
    f.WorkFolder = UserFolder(TSpecialFolder::LocalAppData, projectName);
    f.IniFolder = f.WorkFolder + "Ini/";
    f.StdIniFolder = f.RscFolder + "Ini/";
    f.HelpFolder = LocateHelpFolder(f.AppFolder);
    f.StdSettingFile = f.WorkFolder + "stdSetting.qor";
    return f;
}

const TAppFolders& Folders()
{
    {
        std::lock_guard guard(FoldersLock);
        if (!ComputedFolders.empty()) return ComputedFolders.back();
    }
    return Publish(ComputeFolders(TXEInitPrj::MainProjectName));
}

void TXEInitPrj::SetProjectName(const std::string& name)
{
    FProjectName = name;
    if (!name.empty()) MakeFolders();
}

void TXEInitPrj::MakeFolders()
{
    TAppFolders f = ComputeFolders(FProjectName);
    ForceFolder(f.DocFolder);
    ForceFolder(f.WorkFolder);
    ForceFolder(f.IniFolder);
    FProjectIniFile = f.IniFolder + FProjectName + ".ini";
    Publish(std::move(f));
}

std::string TXEInitPrj::GetIniFile(std::string_view formName) const
{
    return Folders().IniFolder + std::string(formName) + ".ini";
}

std::string TXEInitPrj::GetStdIniFile(std::string_view formName) const
{
    return Folders().StdIniFolder + std::string(formName) + ".ini";
}

void TXEInitPrj::RemoveDir()
{
    const TAppFolders& f = Folders();
    RemoveFolder(f.WorkFolder);
    RemoveFolder(f.IniFolder); // gone with the work folder unless it lives elsewhere
    MakeFolders();
}

} // namespace qor
