// The main window's start and stop: the configuration, the project named on the command
// line, the gallery script, the first show, and the closing sequence.
#include "app/Themes.h"
#include "app/dialogs/FrmSetting.h"
#include "app/listview/XEImgLS.h"
#include "app/platform/ChaUpdate.h"
#include "app/platform/MessageBox.h"
#include "app/window/FrmSlider1.h"
#include "app/window/ProjectNames.h"
#include "gallery/PageLanguage.h"
#include "gallery/PrepareScript.h"
#include "util/UnitMsg.h"
#include "util/XEComText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <thread>

namespace qor {

using enum TCommandId;

void TFrmSlider1::OnCreateChildForm(const QStringList& arguments)
{
    FChildFormAllCreated = true;
    LoadConfiguration();
    ShowLog("CPU =%d", {static_cast<int>(std::thread::hardware_concurrency())});
    for (int i = 0; i < arguments.size(); ++i) ShowLog("%d %s", {i, arguments[i].toStdString()});
    // A project named on the command line wins over the last project of the configuration.
    if (arguments.size() > 1 && IsProjectFile(arguments[1].toStdString())) {
        // Stored absolute: the history and the next start must find it from anywhere.
        FConfig.ProjectFile = QFileInfo(arguments[1]).absoluteFilePath().toStdString();
        FConfig.OpenDialogInitialFolder = std::filesystem::path(FConfig.ProjectFile).parent_path().string();
    }
    PrepareScript();
}

void TFrmSlider1::PrepareScript()
{
    if (!qor::PrepareScript(FQorCSS1, FConfig.JQuery))
        ShowMsgText(this, 33, {}, mbOK, TMsgKind::Confirmation);
}

void TFrmSlider1::LoadConfiguration()
{
    FHistory.LoadFromFile(Folders().IniFolder + "history.cfg");
    FConfig.ProjectFile = FLastProject;
    FConfig.InitMax = isMaximized();
    TXEIniFile ini(FXEInitPrj1.ProjectIniFile());
    qor::LoadConfiguration(ini, FConfig);
    FDevMenu->menuAction()->setVisible(FConfig.Debug);
    for (QWidget* widget : FThreadCountRow) widget->setVisible(FConfig.Debug);
    Action(ActRemoveWorkDir)->setVisible(FConfig.Debug);
    Action(ActChangeImgDir)->setVisible(FConfig.Debug);
    FFrmSetting->SetDebugMode(FConfig.Debug);
    FChaUpdate->SetServerAddress(FConfig.UpdateServer);
    FFrmSetting->SetUpdateCheckAvailable(!FConfig.UpdateServer.empty(), TChaUpdate::NoServerHint());
    if (!FConfig.Carbon) {
        Action(ActStyleWin)->setChecked(true);
        ApplyTheme(false);
    }
    FFrmSetting->SetOptions(FConfig.Options);
    FFrmSetting->ApplySampleRow();
    ChSkipResize->setChecked(FConfig.ChSkipResize);
    ChFastBuild->setChecked(FConfig.ChFastBuild);
    Action(ActShowMenuBar)->setChecked(FConfig.ActShowMenuBar);
    menuBar()->setVisible(FConfig.ActShowMenuBar);
    SetCaptionSet(FConfig.cbCaptionSet);
    ApplyMainGeo();
    // The state only: the window is shown by the program once start-up is done.
    setWindowState(FConfig.InitMax ? Qt::WindowMaximized : Qt::WindowNoState);
}

void TFrmSlider1::ApplyMainGeo()
{
    std::vector<TRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        QRect g = screen->geometry();
        screens.push_back({g.left(), g.top(), g.left() + g.width(), g.top() + g.height()});
    }
    if (auto r = PlaceMainGeo(FConfig.MainGeo, screens)) setGeometry(r->Left, r->Top, r->Width(), r->Height());
}

void TFrmSlider1::SaveConfiguration()
{
    try {
        FHistory.SaveToFile(Folders().IniFolder + "history.cfg");
    } catch (const std::exception&) {
        // Write failures are not reported: the next start reads what is there.
    }
    FConfig.Carbon = Action(ActStyleCarbon)->isChecked();
    FConfig.ProjectFile = FLastProject;
    FConfig.ChSkipResize = ChSkipResize->isChecked();
    FConfig.ChFastBuild = ChFastBuild->isChecked();
    FConfig.ActShowMenuBar = Action(ActShowMenuBar)->isChecked();
    FConfig.Options = FFrmSetting->Options();
    FConfig.cbCaptionSet = FCaptionSet;
    QRect g = isMaximized() ? normalGeometry() : geometry();
    FConfig.MainGeo = RectToStr({g.left(), g.top(), g.left() + g.width(), g.top() + g.height()});
    FConfig.InitMax = isMaximized();
    TXEIniFile ini(FXEInitPrj1.ProjectIniFile());
    qor::SaveConfiguration(ini, FConfig, std::chrono::system_clock::now());
    try {
        ini.UpdateFile();
    } catch (const std::exception&) {
    }
}

void TFrmSlider1::ApplyTheme(bool carbon)
{
    SaveSpanInfo();
    qor::ApplyTheme(carbon);
    LoadSpanInfo();
}

void TFrmSlider1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (FChildFormAllCreated && !FFirstShown) {
        FFirstShown = true;
        FFirstShowTimer->start();
    }
}

void TFrmSlider1::TimerOnFirstShowTimer()
{
    FFirstShowTimer->stop();
    const std::string last = FConfig.ProjectFile;
    if (!OpenProject(last, false)) {
        FLastProject.clear();
        UpdateCaption();
        FFrmSetting->RestoreStdSetting(FQorCSS1);
        FQorCSS1.PageLanguage = NewProjectPageLanguage(UiLanguage());
        ApplyImageAspect(false);
    } else if (FXEImgLS1->Count() == 0 && std::filesystem::exists(last)) {
        ShowMsgText(this, 31, {}, mbOK, TMsgKind::Confirmation);
    }
    FXEImgLS1->SetEmptyMessage({tr("ここに画像ファイルをドロップ"), tr("JPEG・HEIC・WebP・AVIF・PNG など / フォルダも追加できます")});
    if (FFrmSetting->Options().ChCheckUpdate) FChaUpdate->CheckUpdate(false);
    FFirstShowDone = true;
}

void TFrmSlider1::OnExecTwice(const QString& projectFile)
{
    // Un-minimising keeps a maximised window maximised.
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    if (!projectFile.isEmpty() && IsProjectFile(projectFile.toStdString()))
        OpenProjectWhenFree(projectFile.toStdString());
}

// Whether the window may close now; a refusal other than the user's own answer tries again
// when CloseTimer fires.
bool TFrmSlider1::CanCloseNow()
{
    SaveSpanInfo();
    if (FFrmSetting->IsColorPopupOpen()) {
        FFrmSetting->CloseColorPopup();
        FCloseTimer->start();
        return false;
    }
    if (FMakeJob.Running()) {
        // The build's workers hold the entries: they stop first, and the close comes again
        // when the last one has ended.
        if (!FClosing && ShowMsgBox(this, tr("ギャラリーを作成中です。中断して終了しますか?").toStdString(),
                                    mbYes | mbNo, TMsgKind::Confirmation) != mbYes)
            return false;
        FClosing = true;
        FMakeJob.Abort();
        FCloseTimer->start();
        return false;
    }
    if (!FXEImgLS1->CanClose()) {
        FCloseTimer->start();
        return false;
    }
    if (!SaveProject(FLastProject, false)) {
        // The user stays: a later close during a later build asks about it again.
        FClosing = false;
        FCloseTimer->stop();
        return false;
    }
    return true;
}

void TFrmSlider1::closeEvent(QCloseEvent* event)
{
    if (!CanCloseNow()) {
        event->ignore();
        return;
    }
    SaveConfiguration();
    if (FRemoveWorkDirAtExit || FFrmSetting->Options().ChRemoveWorkDir) FXEInitPrj1.RemoveDir();
    event->accept();
}

} // namespace qor
