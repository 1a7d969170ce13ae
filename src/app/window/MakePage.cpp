// The make page and the build: the output folder and names, the progress panel over the
// make button, the watermark, and the end of a build. The pictures are made by the same
// build job as the command line's; the window only shows its progress.
#include "app/dialogs/FrmSetting.h"
#include "app/listview/XEImgLS.h"
#include "app/platform/MessageBox.h"
#include "app/window/FrmSlider1.h"
#include "gallery/BuildRecord.h"
#include "gallery/OutputNames.h"
#include "text/DrawWaterMark.h"
#include "util/UnitMsg.h"
#include "util/XEComFile.h"
#include "util/XEComShell.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

namespace qor {

using enum TCommandId;

namespace {

// Another program's page, style sheet, scripts or pictures in the output folder are replaced
// only when the user agrees, once for the whole folder. The first names found stand for all.
bool MayReplaceForeignFiles(QWidget* window, const TComQorCSS1& settings)
{
    TStringList foreign;
    try {
        foreign = ForeignFiles(settings);
    } catch (const std::exception& e) {
        ShowMsgBox(window, e.what(), mbOK, TMsgKind::Error);
        return false;
    }
    if (foreign.empty()) return true;
    constexpr size_t shown = 10;
    std::string names;
    for (size_t i = 0; i < foreign.size() && i < shown; ++i)
        names += "\r" + foreign[i];
    if (foreign.size() > shown) names += "\r…";
    std::string text =
        Format(TFrmSlider1::tr("出力先フォルダ %s には、このプログラムが作成していないファイルがあります:")
                   .toStdString(),
               {settings.OutFolder}) +
        names + "\r" + TFrmSlider1::tr("置き換えてもよろしいですか？").toStdString();
    return ShowMsgBox(window, text, mbYes | mbNo, TMsgKind::Confirmation) == mbYes;
}

} // namespace

void TFrmSlider1::ConnectMakeCommands()
{
    connect(Action(ActMake), &QAction::triggered, this, &TFrmSlider1::ActMakeExecute);
    connect(BtAbort, &QPushButton::clicked, this, &TFrmSlider1::BtAbortClick);
    connect(Action(ActOpenHTMLDir), &QAction::triggered, this, &TFrmSlider1::ActOpenHTMLDirExecute);
    connect(Action(ActReferHTMLDir), &QAction::triggered, this, &TFrmSlider1::ActReferHTMLDirExecute);
    connect(Action(ActStdOutputName), &QAction::triggered, this, &TFrmSlider1::ActStdOutputNameExecute);
    FMakeJob.OnProgress = [this](int count) { XEResize1EachResized(count); };
    FMakeJob.OnEnd = [this](TMakeOutcome outcome, const std::string& error) { EndMake(outcome, error); };
    FMakeJob.OnPictureFailed = [this](TXEResizeCompo&, int, const std::string& file, const std::string& reason) {
        ShowLog("%s: %s", {file, reason});
    };
    FMakeJob.OnWriteFailed = FMakeJob.OnPictureFailed;
}

void TFrmSlider1::NormalizeOutputNames()
{
    EdHtml->setText(QString::fromStdString(NormalizePageName(EdHtml->text().toStdString())));
    EdStyleSheet->setText(QString::fromStdString(NormalizeStyleSheetName(EdStyleSheet->text().toStdString())));
}

void TFrmSlider1::ActMakeExecute()
{
    if (FMakeJob.Running()) return;
    const TSettingOptions options = FFrmSetting->Options();
    if (options.ChDemoMode) ShowMsgText(this, 30, {}, mbOK, TMsgKind::Confirmation);
    std::string out = ExpandHomeFolder(EdOutDir->text().toStdString());
    if (out.empty()) out = Folders().DocFolder;
    NormalizeOutputNames();
    SaveSpanInfo();
    LoadSpanInfo();
    StoreProjectFields();
    if (FXEImgLS1->Count() == 0) {
        ShowMsgText(this, 22, {}, mbOK, TMsgKind::Confirmation);
        return;
    }
    if (!ForceFolder(out)) {
        ShowMsgText(this, 24, {out}, mbOK, TMsgKind::Error);
        return;
    }
    out = IncludeTrailingSeparator(out);
    EdOutDir->setText(QString::fromStdString(out));
    FQorCSS1.SetOutFolder(out);
    if (!MayReplaceForeignFiles(this, FQorCSS1)) return;
    ProgressBar1->setMaximum(FXEImgLS1->Count());
    XEResize1EachResized(0);
    PnlProg->show();
    StartLap();
    TMakeJobOptions job;
    job.Threads = gdThreadCt->value();
    job.SkipResize = ChSkipResize->isChecked();
    job.Fast = ChFastBuild->isChecked();
    job.NoResizeSameSizeJPEG = options.ChNoResizeSameSizeJPEG;
    job.KeepMetadata = options.ChKeepMetadata;
    job.WrapperClasses = options.ChAddWrapperToClass;
    job.Demo = options.ChDemoMode;
    // The resource folder's script is read again, as it may have been repaired since start;
    // the built-in copy chosen by the configuration stays.
    job.ReadScriptAfresh = !FConfig.JQuery;
    FMakeJob.OnBmpCropped = nullptr;
    if (options.ChWaterMark && !options.WaterMark.empty())
        FMakeJob.OnBmpCropped = [text = options.WaterMark](TXEResizeCompo&, TBmpScan& bmp) {
            DrawWaterMark(bmp, text, WaterMarkFont(), wmBottomRight, WaterMarkShadowColor);
        };
    if (!FMakeJob.Start(FQorCSS1, job)) PnlProg->hide();
    UpdateCommands();
}

void TFrmSlider1::XEResize1EachResized(int count)
{
    ProgressBar1->setValue(count);
    LbProg->setText(QString::fromStdString(Format("%3d/%d", {count, ProgressBar1->maximum()})));
}

void TFrmSlider1::BtAbortClick()
{
    FMakeJob.Abort();
}

void TFrmSlider1::EndMake(TMakeOutcome outcome, const std::string& error)
{
    PnlProg->hide();
    ProgressBar1->setValue(0);
    if (!error.empty()) ShowLog("%s", {error});
    if (outcome == TMakeOutcome::NoScript) ShowMsgText(this, 33, {}, mbOK, TMsgKind::Confirmation);
    if (outcome == TMakeOutcome::WriteFailed && !error.empty()) ShowMsgBox(this, error, mbOK, TMsgKind::Error);
    if (outcome == TMakeOutcome::PageWritten) ShowMakeWarnings();
    std::string lap = Format(tr("Lap :%f秒").toStdString(), {GetLap() / 1000.0L});
    ShowLog("%s", {lap});
    FStatusPanel->setText(QString::fromStdString(lap));
    UpdateCommands();
    // The page of the gallery just built, which need not be the project shown now.
    if (outcome == TMakeOutcome::PageWritten) OpenDocument(FMakeJob.Settings().OutFolder + FMakeJob.Settings().HTML);
    emit MakeEnded(outcome);
    OpenPendingProject();
}

// A name, colour or asset the page could not take as the project asked, or a link that runs
// a script, would leave a gallery the user did not mean to publish: the user hears of each one.
void TFrmSlider1::ShowMakeWarnings()
{
    const TMakeWarnings& warnings = FMakeJob.Settings().MakeWarnings();
    if (warnings.empty()) return;
    std::string text = tr("ギャラリーは作成されましたが、次の点を確かめてください。").toStdString();
    for (const TMakeWarning& warning : warnings) {
        ShowLog("%s: %s", {warning.File, warning.Reason});
        text += "\r" + warning.File + ": " + warning.Reason;
    }
    ShowMsgBox(this, text, mbOK, TMsgKind::Warning);
}

void TFrmSlider1::BtOpenHTMLClick()
{
    OpenDocument(FQorCSS1.OutFolder + EdHtml->text().toStdString());
}

void TFrmSlider1::ActOpenHTMLDirExecute()
{
    ShowInExplorer(EdOutDir->text().toStdString(), false);
}

void TFrmSlider1::ActReferHTMLDirExecute()
{
    QString folder = QFileDialog::getExistingDirectory(this, QString::fromStdString(GetMsgText(2)), EdOutDir->text());
    if (!folder.isEmpty()) EdOutDir->setText(folder);
}

void TFrmSlider1::ActStdOutputNameExecute()
{
    EdHtml->setText("index.html");
    EdStyleSheet->setText("style.css");
    EdTitle->setText("QorSlider");
    EdOutDir->setText(QString::fromStdString(Folders().DocFolder));
}

} // namespace qor
