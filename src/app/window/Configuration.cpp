#include "app/window/Configuration.h"

#include "util/DelphiFormat.h"
#include "util/LocalTime.h"
#include "util/XEComText.h"

namespace qor {

namespace {

constexpr const char* MainSection = "FrmSlider1";

// The dialog's check boxes kept in the file, in the file's order; their defaults are those of
// TSettingOptions.
struct TOptionFlag {
    const char* Key;
    bool TSettingOptions::*Member;
};
constexpr TOptionFlag OptionFlags[] = {
    {"ChAddWrapperToClass", &TSettingOptions::ChAddWrapperToClass},
    {"ChAutoOpenLastProject", &TSettingOptions::ChAutoOpenLastProject},
    {"ChCheckUpdate", &TSettingOptions::ChCheckUpdate},
    {"ChDemoMode", &TSettingOptions::ChDemoMode},
    {"ChIgnoreSampleSize", &TSettingOptions::ChIgnoreSampleSize},
    {"ChNoResizeSameSizeJPEG", &TSettingOptions::ChNoResizeSameSizeJPEG},
    {"ChKeepMetadata", &TSettingOptions::ChKeepMetadata},
    {"ChMetadataCaptions", &TSettingOptions::ChMetadataCaptions},
};

void ReadOptions(const TXEIniFile& ini, TSettingOptions& o)
{
    const TSettingOptions defaults;
    for (const TOptionFlag& flag : OptionFlags)
        o.*flag.Member = ini.ReadBool("Setting", flag.Key, defaults.*flag.Member);
    o.LSSample = ini.ReadInteger("Setting", "LSSample", defaults.LSSample);
    o.ChWaterMark = ini.ReadBool("Setting", "ChWaterMark", defaults.ChWaterMark);
    o.WaterMark = ini.ReadString("Setting", "WaterMark", defaults.WaterMark);
}

void WriteOptions(TXEIniFile& ini, const TSettingOptions& o)
{
    for (const TOptionFlag& flag : OptionFlags) ini.WriteBool("Setting", flag.Key, o.*flag.Member);
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
    config.ChFastBuild = ini.ReadBool("Setting", "ChFastBuild", false);
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
    ini.WriteBool("Setting", "ChFastBuild", config.ChFastBuild);
    ini.WriteBool("Setting", "ActShowMenuBar", config.ActShowMenuBar);
    WriteOptions(ini, config.Options);
    ini.WriteInteger("Setting", "cbCaptionSet", config.cbCaptionSet);
    ini.WriteString("Setting", "MainGeo", config.MainGeo);
    ini.WriteBool(MainSection, "InitMax", config.InitMax);
    ini.WriteString(MainSection, "LastRun", FormatLocalTime(now, "%Y/%m/%d %H:%M:%S"));
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
