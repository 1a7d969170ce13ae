// TFrmSetting: the settings dialog ("設定"). Its controls hold the gallery design and the
// program's options; the main window moves a project's settings in (Init) and out
// (Form2QorCSS). A working copy of the settings of its own loads the templates and is
// written to the standard settings file at every OK.
#pragma once

#include "app/dialogs/SettingOptions.h"
#include "gallery/ComQorCSS.h"
#include "gallery/TemplateList.h"

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class QWidget;

namespace qor {

class TClickLabel;
class TColorButton;
class TGradientPanel;

class TFrmSetting : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSetting(QWidget* parent = nullptr);

    // Prepares the dialog for showing: clears the OK flag and fills the controls from settings.
    void Init(const TComQorCSS1& settings);
    // Fills the controls from settings; applyingTemplate keeps the sizes (while templates
    // leave them alone), the responsive and the slide-show settings.
    void QorCSS2Form(const TComQorCSS1& settings, bool applyingTemplate);
    // Writes what the user changed since Init into settings. A control left alone leaves its
    // value as settings hold it, however the control rounds or limits it (2.25 seconds, an
    // index beyond its list, an empty colour); the project's own fields keep their values.
    void Form2QorCSS(TComQorCSS1& settings) const;
    // Loads StdSettingFile into the dialog and applies it to settings; nothing happens when
    // it cannot be read.
    void RestoreStdSetting(TComQorCSS1& settings);
    // The output folder the standard settings name; empty when they name none or cannot be read.
    std::string StdOutFolder() const;
    // True after the dialog was closed with OK.
    bool OKFlag() const { return FOK; }

    TSettingOptions Options() const;
    void SetOptions(const TSettingOptions& options);
    // Applies the template row LSSample as if it had been clicked.
    void ApplySampleRow();
    // Applies a template row of the list as a click on it does; false when it was not read.
    bool ApplyTemplateRow(int row);
    int TemplateCount() const { return static_cast<int>(FTemplates.size()); }
    void SetDebugMode(bool on);
    // Without an update server the automatic check cannot run: its box shows off and disabled,
    // with why as its hint, while the option keeps its value.
    void SetUpdateCheckAvailable(bool available, const QString& why);
    // The project file the developer command "ひな形として保存" proposes as the name.
    void SetProjectFileName(const std::string& fileName) { FProjectFileName = fileName; }

    // Developer commands: the dialog's design saved as a template.
    void SaveAsTemplate(const std::string& fileName);
    void UpdateCurrentTemplate();
    void UpdateAllTemplates();

    // A colour pop-up still open postpones closing.
    bool IsColorPopupOpen() const;
    void CloseColorPopup();

    // "標準に戻す": the first template row and the factory standard.
    void RestoreFactoryStandard();

    void accept() override;
    void reject() override;

signals:
    void CheckUpdateRequested();
    void AssociateRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildBasicTab();
    QWidget* BuildDetailTab();
    QWidget* BuildEnvironmentTab();
    QWidget* BuildButtonRow();
    QWidget* BuildCommentGroup();
    QWidget* BuildBannerGroup();
    QWidget* BuildOtherGroup();
    QWidget* BuildThumbTitleGroup();
    QWidget* BuildThumbFrameGroup();
    QWidget* BuildThumbBackGroup();
    QWidget* BuildNumberGroup();
    QWidget* BuildPageHeaderGroup();
    QWidget* BuildTemplateGroup();
    void LoadTemplateRows();
    void ShowTemplatePreview(int row);
    void SaveWorkingCopy(const std::string& fileName);
    void OpenHelp();

    // Enabling rules.
    void ControllerChanged();
    void FrameChanged();
    void ArrowNumberChanged();
    void ThumbBackChanged();
    void StepArrowNumber();
    void CloseWhenNoPopup();

    std::array<TColorButton*, 9> OpacityColorButtons() const;
    // Every control's value into settings.
    void ReadControls(TComQorCSS1& settings) const;
    // Applies a template row chosen with the keyboard; a click applies through itemClicked.
    void TemplateRowChanged(int row);

    TComQorCSS1 FWork = TComQorCSS1::NewDialogSettings();
    TComQorCSS1 FDesignAtOpen = TComQorCSS1::NewDialogSettings();
    TSettingOptions FOptionsAtOpen;
    // What the controls read when Init showed the project; none before the first Init.
    std::optional<TComQorCSS1> FControlsAtOpen;
    std::string FSamplesFolder;
    std::vector<TTemplateItem> FTemplates;
    std::string FProjectFileName;
    bool FOK = false;
    bool FDebugMode = false;
    bool FUpdateCheckAvailable = true;
    bool FCheckUpdateOption = true; // the option while its box cannot show it
    QTimer* FCloseTimer = nullptr;

public:
    // The controls, named as the settings they hold.
    QTabWidget* Tabs = nullptr;
    // Basic design.
    QComboBox* cbImgSize = nullptr;
    QComboBox* cbThumbSize = nullptr;
    QLabel* LbThumbSize = nullptr;
    QComboBox* cbController = nullptr;
    QComboBox* cbFrame = nullptr;
    QWidget* PnFrameColor = nullptr;
    TColorButton* XEGalleryFrameColor = nullptr;
    QWidget* PnNumPos = nullptr;
    QComboBox* cbNumPos = nullptr;
    QComboBox* cbTransit = nullptr;
    QDoubleSpinBox* gdTransitTime = nullptr;
    QDoubleSpinBox* slideshow_Interval = nullptr;
    QCheckBox* ChAutoSlideShow = nullptr;
    TColorButton* XEBackGroundColor = nullptr;
    QComboBox* cbPageLanguage = nullptr;
    QCheckBox* ChIgnoreSampleSize = nullptr;
    QListWidget* LSSample = nullptr;
    QLabel* XESample = nullptr;
    // Detailed design.
    TColorButton* ColorCmtText = nullptr;
    TColorButton* ColorCmtShadow = nullptr;
    TColorButton* ColorCmtBg = nullptr;
    QComboBox* cbCmtPos = nullptr;
    QCheckBox* ChShowTopic = nullptr;
    TColorButton* ColorTopicText = nullptr;
    TColorButton* ColorTopicShadow = nullptr;
    TColorButton* ColorTopicBg = nullptr;
    QCheckBox* ChProgressBar = nullptr;
    TColorButton* ColorProgBar = nullptr;
    QCheckBox* chResponsive = nullptr;
    QSpinBox* gdMinScale = nullptr;
    QCheckBox* ChMouseEmulateFlick = nullptr;
    QSpinBox* gdArrowNo = nullptr;
    TClickLabel* XEImgBtn1 = nullptr;
    TClickLabel* XEImgBtn2 = nullptr;
    QSpinBox* gdImageQuality = nullptr;
    QCheckBox* ChShowButton = nullptr;
    QSpinBox* gdWrapperMarginY = nullptr;
    QCheckBox* ChShowThumbTitle = nullptr;
    QCheckBox* ChThumbPoraloid = nullptr;
    TColorButton* ColorThumbTitleText = nullptr;
    TColorButton* ColorThumbTitleShadow = nullptr;
    QSpinBox* GdThumbTitleHeight = nullptr;
    QSpinBox* gdThumbTitleOffset = nullptr;
    QSpinBox* ThumbBorderWidth = nullptr;
    TColorButton* XEThumbBorderColor = nullptr;
    TColorButton* ColorThumbBG1 = nullptr;
    TColorButton* ColorThumbBG2 = nullptr;
    TGradientPanel* GradPanel1 = nullptr;
    QCheckBox* ChAutoHideCtrl = nullptr;
    QSpinBox* gdNumWidth = nullptr;
    QWidget* PnPageHeader = nullptr;
    QButtonGroup* rdPageHeader = nullptr;
    // Environment.
    QCheckBox* ChCheckUpdate = nullptr;
    QPushButton* BtCheckUpdate = nullptr;
    QCheckBox* ChAutoOpenLastProject = nullptr;
    QCheckBox* ChWaterMark = nullptr;
    QLineEdit* EdWaterMark = nullptr;
    QWidget* PnWaterMark = nullptr;
    QCheckBox* ChRemoveWorkDir = nullptr;
    QCheckBox* ChAddWrapperToClass = nullptr;
    QCheckBox* ChDemoMode = nullptr;
    QCheckBox* ChNoResizeSameSizeJPEG = nullptr;
    QCheckBox* ChKeepMetadata = nullptr;
    QCheckBox* ChMetadataCaptions = nullptr;
    QCheckBox* ChDebugMode = nullptr;
    QPushButton* Button1 = nullptr;
    // Buttons.
    QPushButton* BtSaveTemplate = nullptr;
    QPushButton* BtUpdateTemplate = nullptr;
    QPushButton* BtUpdateAllTemplates = nullptr;
    QPushButton* BtRestore = nullptr;
    QPushButton* BtOK = nullptr;
    QPushButton* BtCancel = nullptr;
};

} // namespace qor
