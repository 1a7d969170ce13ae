#include "app/dialogs/FrmSetting.h"

#include "util/XEInitPrj.h"

namespace qor {

// FIXME: the tabs and controls are not placed yet; the dialog carries values through.
TFrmSetting::TFrmSetting(QWidget* parent) : QDialog(parent) {}

void TFrmSetting::Init(const TComQorCSS1& settings)
{
    FWork = settings;
}

// The design of the working copy; the project's own fields and the object's identity stay.
void TFrmSetting::Form2QorCSS(TComQorCSS1& settings) const
{
    TComQorCSS1 kept = settings;
    settings = FWork;
    settings.Identifier = kept.Identifier;
    settings.OutFolder = kept.OutFolder;
    settings.StyleSheet = kept.StyleSheet;
    settings.HTML = kept.HTML;
    settings.PageTitle = kept.PageTitle;
    settings.SlideIdentifier = kept.SlideIdentifier;
    settings.AttrLS = kept.AttrLS;
    settings.Descriptions = kept.Descriptions;
    settings.Name = kept.Name;
    settings.Left = kept.Left;
    settings.Top = kept.Top;
    settings.SetRscFolder(kept.RscFolder());
    settings.connectXEImgLS(const_cast<TCustomImgLS*>(kept.XEImgLS()));
    settings.AssignJS(kept.Java());
}

void TFrmSetting::RestoreStdSetting(TComQorCSS1& settings)
{
    TComQorCSS1 standard = TComQorCSS1::NewDialogSettings();
    try {
        standard.LoadFromFile(Folders().StdSettingFile);
    } catch (const std::exception&) {
        return;
    }
    FWork = standard;
    Form2QorCSS(settings);
}

void TFrmSetting::SetOptions(const TSettingOptions& options)
{
    FOptions = options;
}

void TFrmSetting::ApplySampleRow() {}
void TFrmSetting::SetDebugMode(bool) {}

} // namespace qor
