#include "app/window/Configuration.h"

#include "util/DelphiFormat.h"
#include "util/XEComText.h"

#include <chrono>
#include <ctime>

namespace qor {

namespace {

constexpr const char* MainSection = "FrmSlider1";

std::string LastRunText(TDateTime now)
{
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &local);
    return text;
}

void ReadOptions(const TXEIniFile& ini, TSettingOptions& o)
{
    o.ChAddWrapperToClass = ini.ReadBool("Setting", "ChAddWrapperToClass", false);
    o.ChAutoOpenLastProject = ini.ReadBool("Setting", "ChAutoOpenLastProject", true);
    o.ChCheckUpdate = ini.ReadBool("Setting", "ChCheckUpdate", true);
    o.ChDemoMode = ini.ReadBool("Setting", "ChDemoMode", false);
    o.ChIgnoreSampleSize = ini.ReadBool("Setting", "ChIgnoreSampleSize", true);
    o.ChNoResizeSameSizeJPEG = ini.ReadBool("Setting", "ChNoResizeSameSizeJPEG", true);
    o.LSSample = ini.ReadInteger("Setting", "LSSample", 0);
    o.ChWaterMark = ini.ReadBool("Setting", "ChWaterMark", false);
    o.WaterMark = ini.ReadString("Setting", "WaterMark", TSettingOptions{}.WaterMark);
}

void WriteOptions(TXEIniFile& ini, const TSettingOptions& o)
{
    ini.WriteBool("Setting", "ChAddWrapperToClass", o.ChAddWrapperToClass);
    ini.WriteBool("Setting", "ChAutoOpenLastProject", o.ChAutoOpenLastProject);
    ini.WriteBool("Setting", "ChCheckUpdate", o.ChCheckUpdate);
    ini.WriteBool("Setting", "ChDemoMode", o.ChDemoMode);
    ini.WriteBool("Setting", "ChIgnoreSampleSize", o.ChIgnoreSampleSize);
    ini.WriteBool("Setting", "ChNoResizeSameSizeJPEG", o.ChNoResizeSameSizeJPEG);
    ini.WriteInteger("Setting", "LSSample", o.LSSample);
    ini.WriteBool("Setting", "ChWaterMark", o.ChWaterMark);
    ini.WriteString("Setting", "WaterMark", o.WaterMark);
}

bool Overlaps(const TRect& a, const TRect& b)
{
    return a.Right >= b.Left && b.Right >= a.Left && a.Bottom >= b.Top && b.Bottom >= a.Top;
}

} // namespace

void LoadConfiguration(const TXEIniFile& ini, TAppConfig& config)
{
    config.Debug = ini.ReadBool("System", "Debug", false);
    config.JQuery = ini.ReadBool("System", "jquery", false);
    config.Carbon = ini.ReadBool("System", "Carbon", true);
    ReadOptions(ini, config.Options);
    config.ProjectFile = config.Options.ChAutoOpenLastProject
                             ? ini.ReadString("Project", "ProjectFile", config.ProjectFile)
                             : std::string();
    config.LastPictFolder = ini.ReadString("Files", "LastPictFolder", config.LastPictFolder);
    config.OpenPictDialogInitialFolder =
        ini.ReadString("Files", "OpenPictDialogInitialFolder", config.LastPictFolder);
    config.OpenDialogInitialFolder =
        ini.ReadString("Files", "OpenDialogInitialFolder", config.OpenDialogInitialFolder);
    config.ChSkipResize = ini.ReadBool("Setting", "ChSkipResize", false);
    config.ActShowMenuBar = ini.ReadBool("Setting", "ActShowMenuBar", true);
    config.cbCaptionSet = ini.ReadInteger("Setting", "cbCaptionSet", 0);
    config.MainGeo = ini.ReadString("Setting", "MainGeo", "");
    config.InitMax = ini.ReadBool(MainSection, "InitMax", config.InitMax);
    config.UpdateServer = ini.ReadString("Update", "Server", config.UpdateServer);
}

void SaveConfiguration(TXEIniFile& ini, const TAppConfig& config, TDateTime now)
{
    ini.WriteBool("System", "Carbon", config.Carbon);
    ini.WriteString("Project", "ProjectFile", config.ProjectFile);
    ini.WriteString("Files", "LastPictFolder", config.LastPictFolder);
    ini.WriteString("Files", "OpenPictDialogInitialFolder", config.OpenPictDialogInitialFolder);
    ini.WriteString("Files", "OpenDialogInitialFolder", config.OpenDialogInitialFolder);
    ini.WriteBool("Setting", "ChSkipResize", config.ChSkipResize);
    ini.WriteBool("Setting", "ActShowMenuBar", config.ActShowMenuBar);
    WriteOptions(ini, config.Options);
    ini.WriteInteger("Setting", "cbCaptionSet", config.cbCaptionSet);
    ini.WriteString("Setting", "MainGeo", config.MainGeo);
    ini.WriteBool(MainSection, "InitMax", config.InitMax);
    ini.WriteString(MainSection, "LastRun", LastRunText(now));
}

std::optional<TRect> PlaceMainGeo(const std::string& mainGeo, const std::vector<TRect>& screens)
{
    TRect r = StrToRect(mainGeo);
    if (!r.IsValid()) return std::nullopt;
    for (const TRect& screen : screens)
        if (Overlaps(r, screen)) return r;
    return std::nullopt;
}

} // namespace qor
