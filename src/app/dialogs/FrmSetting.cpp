#include "app/dialogs/FrmSetting.h"
#include "app/dialogs/TemplateCaptions.h"

#include "app/dialogs/SettingConversions.h"
#include "app/platform/MessageBox.h"
#include "app/widgets/ClickLabel.h"
#include "app/widgets/ColorButton.h"
#include "app/widgets/GradientPanel.h"
#include "gallery/ProjectStream.h"
#include "gallery/PublishedProps.h"
#include "util/XEComShell.h"
#include "util/XEInitPrj.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace qor {

namespace {

constexpr int kPopupPollMs = 500;

std::string TextOf(const QComboBox* combo)
{
    return combo->currentText().toStdString();
}

// A damaged file may hold an index beyond the list; the nearest item is shown.
void SelectIndex(QComboBox* combo, int index)
{
    combo->setCurrentIndex(std::clamp(index, 0, combo->count() - 1));
}

void ShowReadError(QWidget* window, const std::exception& error)
{
    ShowMsgBox(window, std::string("[Err] ") + error.what(), mbOK, TMsgKind::Error);
}

// Reads a project file into settings; false (after the message) when it cannot be read.
bool LoadSettings(QWidget* window, TComQorCSS1& settings, const std::string& fileName)
{
    try {
        return settings.LoadFromFile(fileName);
    } catch (const std::exception& error) {
        ShowReadError(window, error);
        return false;
    }
}

QPixmap PictureOf(const std::string& fileName)
{
    return QPixmap(QString::fromStdString(fileName));
}

} // namespace

TFrmSetting::TFrmSetting(QWidget* parent) : QDialog(parent)
{
    setObjectName("FrmSetting");
    setWindowTitle(tr("設定"));
    auto* column = new QVBoxLayout(this);
    Tabs = new QTabWidget(this);
    Tabs->addTab(BuildBasicTab(), tr("基本デザイン"));
    Tabs->addTab(BuildDetailTab(), tr("詳細デザイン"));
    Tabs->addTab(BuildEnvironmentTab(), tr("動作環境"));
    column->addWidget(Tabs, 1);
    column->addWidget(BuildButtonRow());

    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this, &TFrmSetting::OpenHelp);
    FCloseTimer = new QTimer(this);
    FCloseTimer->setInterval(kPopupPollMs);
    connect(FCloseTimer, &QTimer::timeout, this, &TFrmSetting::CloseWhenNoPopup);

    connect(cbController, &QComboBox::currentIndexChanged, this, &TFrmSetting::ControllerChanged);
    connect(cbFrame, &QComboBox::currentIndexChanged, this, &TFrmSetting::FrameChanged);
    connect(gdArrowNo, &QSpinBox::valueChanged, this, &TFrmSetting::ArrowNumberChanged);
    connect(XEImgBtn1, &TClickLabel::Clicked, this, &TFrmSetting::StepArrowNumber);
    connect(XEImgBtn2, &TClickLabel::Clicked, this, &TFrmSetting::StepArrowNumber);
    connect(ColorThumbBG1, &TColorButton::Changed, this, &TFrmSetting::ThumbBackChanged);
    connect(ColorThumbBG2, &TColorButton::Changed, this, &TFrmSetting::ThumbBackChanged);
    connect(LSSample, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ApplyTemplateRow(LSSample->row(item)); });
    connect(LSSample, &QListWidget::currentRowChanged, this, &TFrmSetting::TemplateRowChanged);
    connect(LSSample, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ApplyTemplateRow(LSSample->row(item)); });
    connect(BtCheckUpdate, &QPushButton::clicked, this, &TFrmSetting::CheckUpdateRequested);
    connect(Button1, &QPushButton::clicked, this, &TFrmSetting::AssociateRequested);
    connect(BtRestore, &QPushButton::clicked, this, &TFrmSetting::RestoreFactoryStandard);
    connect(BtOK, &QPushButton::clicked, this, &TFrmSetting::accept);
    connect(BtCancel, &QPushButton::clicked, this, &TFrmSetting::reject);
    connect(BtUpdateTemplate, &QPushButton::clicked, this, &TFrmSetting::UpdateCurrentTemplate);
    connect(BtUpdateAllTemplates, &QPushButton::clicked, this, &TFrmSetting::UpdateAllTemplates);
    connect(BtSaveTemplate, &QPushButton::clicked, this, [this] {
        QString start = QString::fromStdString(
            FSamplesFolder + std::filesystem::path(FProjectFileName).filename().string());
        QString chosen = QFileDialog::getSaveFileName(
            this, tr("設定をひな形として保存します(メインフォーム側も含む)"), start,
            tr("QorikaHTML5プロジェクト (*.qor)"));
        if (chosen.isEmpty()) return;
        if (!chosen.endsWith(".qor", Qt::CaseInsensitive)) chosen += ".qor";
        SaveAsTemplate(chosen.toStdString());
    });

    FWork.SetRscFolder(Folders().RscFolder);
    FSamplesFolder = Folders().RscFolder + "samples/";
    LoadTemplateRows();
    SetOptions(TSettingOptions{});
    SetDebugMode(false);
    ControllerChanged();
    FrameChanged();
    ArrowNumberChanged();
    ThumbBackChanged();
}

void TFrmSetting::LoadTemplateRows()
{
    FTemplates = LoadTemplateList(Folders().RscFolder);
    LSSample->clear();
    for (const std::string& caption : TemplateCaptions(FTemplates, Folders().RscFolder))
        LSSample->addItem(QString::fromStdString(caption));
}

void TFrmSetting::Init(const TComQorCSS1& settings)
{
    PnWaterMark->show();
    FOK = false;
    QorCSS2Form(settings, false);
    FDesignAtOpen = settings;
    FControlsAtOpen = settings;
    ReadControls(*FControlsAtOpen);
    FOptionsAtOpen = Options();
}

void TFrmSetting::QorCSS2Form(const TComQorCSS1& s, bool applyingTemplate)
{
    if (!(applyingTemplate && ChIgnoreSampleSize->isChecked())) {
        cbImgSize->setCurrentText(QString::fromStdString(SizeText(s.ImageWidth, s.ImageHeight)));
        cbThumbSize->setCurrentText(QString::fromStdString(SizeText(s.ThumbWidth, s.ThumbHeight)));
    }
    if (!applyingTemplate) {
        chResponsive->setChecked(s.Responsive);
        gdMinScale->setValue(s.MinScale);
        ChAutoSlideShow->setChecked(s.AutoSlideShow);
        slideshow_Interval->setValue(static_cast<double>(s.SlideshowInterval));
        cbPageLanguage->setCurrentText(QString::fromStdString(s.PageLanguage));
    }
    ChShowButton->setChecked(s.ShowButton);
    if (QAbstractButton* header = rdPageHeader->button(s.ShowQorHeader)) header->setChecked(true);
    SelectIndex(cbTransit, s.TransitIndex);
    gdTransitTime->setValue(static_cast<double>(s.TransitDuration));
    XEBackGroundColor->SetText6(s.BackGroundColorHex);
    gdWrapperMarginY->setValue(s.WrapperMarginY);
    gdImageQuality->setValue(s.ImageQuality);
    SelectIndex(cbController, s.ControllerType);
    SelectIndex(cbFrame, s.FrameType);
    gdThumbTitleOffset->setValue(s.ThumbTitleOffsetY);
    ColorThumbBG1->SetValue(TColorValue::FromColor(s.StartColor));
    ColorThumbBG2->SetValue(TColorValue::FromColor(s.EndColor));
    ThumbBackChanged();
    ChProgressBar->setChecked(s.ProgressBar);
    ChAutoHideCtrl->setChecked(s.AutoHideCtrl);
    ChShowThumbTitle->setChecked(s.ShowThumbTitle);
    GdThumbTitleHeight->setValue(s.ThumbTitleHeight);
    ChThumbPoraloid->setChecked(s.ThumbPolaroid);
    ChShowTopic->setChecked(s.ShowTopic);
    ThumbBorderWidth->setValue(s.ThumbBorderWidth);
    XEThumbBorderColor->SetText6(s.ThumbBorderColorHex);
    XEGalleryFrameColor->SetText6(s.GalleryFrameColorHex);
    SelectIndex(cbCmtPos, s.CommentPosIndex);
    const std::string* texts[] = {
        &s.ColorCommentText,    &s.ColorCommentShadow,    &s.ColorCommentBG,
        &s.ColorTopicText,      &s.ColorTopicShadow,      &s.ColorTopicBG,
        &s.ColorThumbTitleText, &s.ColorThumbTitleShadow, &s.ColorProgressBar};
    auto buttons = OpacityColorButtons();
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->SetText8(*texts[i]);
    gdArrowNo->setValue(ArrowNumber(s.PrevArrowFile));
    ArrowNumberChanged();
    gdNumWidth->setValue(s.CtrlWidth);
    SelectIndex(cbNumPos, s.CtrlPosition);
    ChMouseEmulateFlick->setChecked(s.MouseEmulateFlick);
    ControllerChanged();
}

void TFrmSetting::Form2QorCSS(TComQorCSS1& settings) const
{
    TComQorCSS1 shown = settings;
    ReadControls(shown);
    for (const TPublishedProp& prop : PublishedProps())
        if (!FControlsAtOpen || !prop.Same(shown, *FControlsAtOpen)) prop.Assign(settings, shown);
}

void TFrmSetting::ReadControls(TComQorCSS1& s) const
{
    ParseSizeText(TextOf(cbImgSize), s.ImageWidth, s.ImageHeight);
    ParseSizeText(TextOf(cbThumbSize), s.ThumbWidth, s.ThumbHeight);
    s.ControllerType = cbController->currentIndex();
    s.FrameType = cbFrame->currentIndex();
    s.GalleryFrameColorHex = XEGalleryFrameColor->RgbText();
    s.CtrlPosition = cbNumPos->currentIndex();
    s.TransitIndex = cbTransit->currentIndex();
    s.TransitDuration = gdTransitTime->value();
    s.SlideshowInterval = slideshow_Interval->value();
    s.AutoSlideShow = ChAutoSlideShow->isChecked();
    s.BackGroundColorHex = XEBackGroundColor->RgbText();
    std::string* texts[] = {&s.ColorCommentText,    &s.ColorCommentShadow,    &s.ColorCommentBG,
                            &s.ColorTopicText,      &s.ColorTopicShadow,      &s.ColorTopicBG,
                            &s.ColorThumbTitleText, &s.ColorThumbTitleShadow, &s.ColorProgressBar};
    auto buttons = OpacityColorButtons();
    for (size_t i = 0; i < buttons.size(); ++i)
        *texts[i] = buttons[i]->RgbaText();
    s.CommentPosIndex = cbCmtPos->currentIndex();
    s.ShowTopic = ChShowTopic->isChecked();
    s.ProgressBar = ChProgressBar->isChecked();
    s.Responsive = chResponsive->isChecked();
    s.MinScale = gdMinScale->value();
    s.MouseEmulateFlick = ChMouseEmulateFlick->isChecked();
    s.PrevArrowFile = PrevArrowFile(gdArrowNo->value());
    s.NextArrowFile = NextArrowFile(gdArrowNo->value());
    s.ImageQuality = gdImageQuality->value();
    s.ShowButton = ChShowButton->isChecked();
    s.WrapperMarginY = gdWrapperMarginY->value();
    s.ShowThumbTitle = ChShowThumbTitle->isChecked();
    s.ThumbPolaroid = ChThumbPoraloid->isChecked();
    s.ThumbBorderWidth = ThumbBorderWidthFor(s.ThumbPolaroid, ThumbBorderWidth->value());
    s.ThumbTitleHeight = GdThumbTitleHeight->value();
    s.ThumbTitleOffsetY = gdThumbTitleOffset->value();
    s.ThumbBorderColorHex = XEThumbBorderColor->RgbText();
    s.StartColor = ColorThumbBG1->Value().Color();
    s.EndColor = ColorThumbBG2->Value().Color();
    s.AutoHideCtrl = ChAutoHideCtrl->isChecked();
    s.CtrlWidth = gdNumWidth->value();
    s.ShowQorHeader = std::max(0, rdPageHeader->checkedId());
    s.PageLanguage = cbPageLanguage->currentText().trimmed().toStdString();
}

std::array<TColorButton*, 9> TFrmSetting::OpacityColorButtons() const
{
    return {ColorCmtText,        ColorCmtShadow,        ColorCmtBg,
            ColorTopicText,      ColorTopicShadow,      ColorTopicBg,
            ColorThumbTitleText, ColorThumbTitleShadow, ColorProgBar};
}

void TFrmSetting::RestoreStdSetting(TComQorCSS1& settings)
{
    if (!LoadSettings(this, FWork, Folders().StdSettingFile)) return;
    QorCSS2Form(FWork, false);
    ReadControls(settings);
    FControlsAtOpen = settings;
}

std::string TFrmSetting::StdOutFolder() const
{
    TComQorCSS1 standard;
    try {
        return standard.LoadFromFile(Folders().StdSettingFile) ? standard.OutFolder : std::string();
    } catch (const std::exception&) {
        return {};
    }
}

TSettingOptions TFrmSetting::Options() const
{
    TSettingOptions o;
    o.ChAddWrapperToClass = ChAddWrapperToClass->isChecked();
    o.ChAutoOpenLastProject = ChAutoOpenLastProject->isChecked();
    o.ChCheckUpdate = FUpdateCheckAvailable ? ChCheckUpdate->isChecked() : FCheckUpdateOption;
    o.ChDemoMode = ChDemoMode->isChecked();
    o.ChIgnoreSampleSize = ChIgnoreSampleSize->isChecked();
    o.ChNoResizeSameSizeJPEG = ChNoResizeSameSizeJPEG->isChecked();
    o.ChKeepMetadata = ChKeepMetadata->isChecked();
    o.ChMetadataCaptions = ChMetadataCaptions->isChecked();
    o.LSSample = LSSample->currentRow();
    o.ChWaterMark = ChWaterMark->isChecked();
    o.WaterMark = EdWaterMark->text().toStdString();
    o.ChRemoveWorkDir = ChRemoveWorkDir->isChecked();
    return o;
}

void TFrmSetting::SetOptions(const TSettingOptions& o)
{
    ChAddWrapperToClass->setChecked(o.ChAddWrapperToClass);
    ChAutoOpenLastProject->setChecked(o.ChAutoOpenLastProject);
    FCheckUpdateOption = o.ChCheckUpdate;
    ChCheckUpdate->setChecked(o.ChCheckUpdate && FUpdateCheckAvailable);
    ChDemoMode->setChecked(o.ChDemoMode);
    ChIgnoreSampleSize->setChecked(o.ChIgnoreSampleSize);
    ChNoResizeSameSizeJPEG->setChecked(o.ChNoResizeSameSizeJPEG);
    ChKeepMetadata->setChecked(o.ChKeepMetadata);
    ChMetadataCaptions->setChecked(o.ChMetadataCaptions);
    LSSample->setCurrentRow(o.LSSample < LSSample->count() ? o.LSSample : -1);
    ChWaterMark->setChecked(o.ChWaterMark);
    EdWaterMark->setText(QString::fromStdString(o.WaterMark));
    ChRemoveWorkDir->setChecked(o.ChRemoveWorkDir);
}

void TFrmSetting::ApplySampleRow()
{
    ApplyTemplateRow(LSSample->currentRow());
}

bool TFrmSetting::ApplyTemplateRow(int row)
{
    if (row < 0 || row >= TemplateCount()) return false;
    LSSample->setCurrentRow(row);
    ShowTemplatePreview(row);
    if (!LoadSettings(this, FWork, FTemplates[row].ProjectFile)) return false;
    QorCSS2Form(FWork, true);
    return true;
}

void TFrmSetting::TemplateRowChanged(int row)
{
    // Only the user's keys move the row while the list has the focus without a button held;
    // the options and a click move it too, and a click is applied by itemClicked.
    if (LSSample->hasFocus() && QGuiApplication::mouseButtons() == Qt::NoButton) ApplyTemplateRow(row);
}

void TFrmSetting::ShowTemplatePreview(int row)
{
    QPixmap preview = PictureOf(FTemplates[row].PreviewFile);
    if (preview.isNull()) {
        XESample->clear();
        return;
    }
    XESample->setPixmap(
        preview.scaled(XESample->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TFrmSetting::SetUpdateCheckAvailable(bool available, const QString& why)
{
    bool option = Options().ChCheckUpdate;
    FUpdateCheckAvailable = available;
    FCheckUpdateOption = option;
    ChCheckUpdate->setChecked(option && available);
    ChCheckUpdate->setEnabled(available);
    ChCheckUpdate->setToolTip(available ? QString() : why);
}

void TFrmSetting::SetDebugMode(bool on)
{
    FDebugMode = on;
    ChDebugMode->setChecked(on);
    for (QWidget* w :
         std::initializer_list<QWidget*>{ChIgnoreSampleSize, PnPageHeader, ChDemoMode,
                                         BtSaveTemplate, BtUpdateTemplate, BtUpdateAllTemplates})
        w->setVisible(on);
}

void TFrmSetting::SaveWorkingCopy(const std::string& fileName)
{
    ReadControls(FWork);
    FWork.AttrLS.clear();
    FWork.SaveToFile(fileName);
}

void TFrmSetting::SaveAsTemplate(const std::string& fileName)
{
    try {
        SaveWorkingCopy(fileName);
    } catch (const std::exception& error) {
        ShowMsgBox(this, error.what(), mbOK, TMsgKind::Error);
    }
}

void TFrmSetting::UpdateCurrentTemplate()
{
    int row = LSSample->currentRow();
    if (row >= 0 && row < TemplateCount()) SaveAsTemplate(FTemplates[row].ProjectFile);
}

void TFrmSetting::UpdateAllTemplates()
{
    for (int row = 0; row < TemplateCount(); ++row) {
        if (!ApplyTemplateRow(row)) continue;
        SaveAsTemplate(FTemplates[row].ProjectFile);
    }
}

void TFrmSetting::RestoreFactoryStandard()
{
    if (TemplateCount() > 0) {
        LSSample->setCurrentRow(0);
        ShowTemplatePreview(0);
    }
    if (!LoadSettings(this, FWork, Folders().RscFolder + "stdSetting.qor")) return;
    QorCSS2Form(FWork, false);
    ChAutoOpenLastProject->setChecked(true);
    FCheckUpdateOption = true;
    ChCheckUpdate->setChecked(FUpdateCheckAvailable);
    ChDebugMode->setChecked(false);
    ChAddWrapperToClass->setChecked(true);
    ChDemoMode->setChecked(false);
}

void TFrmSetting::ControllerChanged()
{
    int controller = cbController->currentIndex();
    cbThumbSize->setEnabled(controller != 3);
    LbThumbSize->setEnabled(controller != 3);
    PnNumPos->setVisible(controller == 1 || controller == 2);
}

void TFrmSetting::FrameChanged()
{
    PnFrameColor->setVisible(cbFrame->currentIndex() == 2);
}

void TFrmSetting::ArrowNumberChanged()
{
    std::string folder = Folders().RscFolder + "ctrl/";
    XEImgBtn1->setPixmap(PictureOf(folder + PrevArrowFile(gdArrowNo->value())));
    XEImgBtn2->setPixmap(PictureOf(folder + NextArrowFile(gdArrowNo->value())));
}

void TFrmSetting::StepArrowNumber()
{
    gdArrowNo->setValue(NextArrowNumber(gdArrowNo->value()));
}

void TFrmSetting::ThumbBackChanged()
{
    GradPanel1->SetColors(ColorThumbBG1->ToQColor(), ColorThumbBG2->ToQColor());
}

bool TFrmSetting::IsColorPopupOpen() const
{
    for (const TColorButton* button : findChildren<TColorButton*>())
        if (button->IsPopupOpen()) return true;
    return false;
}

void TFrmSetting::CloseColorPopup()
{
    for (TColorButton* button : findChildren<TColorButton*>())
        button->ClosePopup();
}

void TFrmSetting::accept()
{
    if (IsColorPopupOpen()) {
        CloseColorPopup();
        return;
    }
    FOK = true;
    try {
        SaveWorkingCopy(Folders().StdSettingFile);
    } catch (const std::exception& error) {
        ShowMsgBox(this, error.what(), mbOK, TMsgKind::Error);
    }
    QDialog::accept();
}

void TFrmSetting::reject()
{
    if (IsColorPopupOpen()) {
        CloseColorPopup();
        return;
    }
    // Cancel leaves every tab as it was when the dialog opened, the options included: a
    // new project takes the controls' values, and the options act at exit.
    SetOptions(FOptionsAtOpen);
    QorCSS2Form(FDesignAtOpen, false);
    QDialog::reject();
}

void TFrmSetting::CloseWhenNoPopup()
{
    if (IsColorPopupOpen()) return;
    FCloseTimer->stop();
    reject();
}

void TFrmSetting::closeEvent(QCloseEvent* event)
{
    if (!IsColorPopupOpen()) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    CloseColorPopup();
    FCloseTimer->start();
}

void TFrmSetting::OpenHelp()
{
    OpenDocument(Folders().HelpFolder + "setting.html");
}

} // namespace qor
