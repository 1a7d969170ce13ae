#include "app/window/FrmSlider1.h"

#include "app/dialogs/ChaAbout.h"
#include "app/dialogs/FrmBtnId.h"
#include "app/dialogs/FrmCaption.h"
#include "app/dialogs/FrmCrop.h"
#include "app/dialogs/FrmRename.h"
#include "app/dialogs/FrmSetting.h"
#include "app/listview/XEImgLS.h"
#include "app/platform/Association.h"
#include "app/platform/BuildAddresses.h"
#include "app/platform/ChaUpdate.h"
#include "app/window/ProjectNames.h"
#include "gallery/EntryCaptions.h"
#include "util/UnitMsg.h"
#include "util/XEComFile.h"
#include "util/XEComShell.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QStatusBar>
#include <QTimer>

#include <filesystem>

namespace qor {

// The window is built in the order of the program's start: folders, settings wired to the
// list and the resource folder, commands, then the pages.
TFrmSlider1::TFrmSlider1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("FrmSlider1");
    FXEInitPrj1.SetProjectName(TXEInitPrj::MainProjectName);
    FXEImgLS1 = new TXEImgLS(this);
    FXEImgLS1->setObjectName("XEImgLS1");
    FXEImgLS1->SetCellSize(180, 160);
    FXEImgLS1->CaptionDate = GetMsgText(19);
    FXEImgLS1->CaptionUpdate = GetMsgText(20);
    FXEImgLS1->HintFormat = GetMsgText(21);
    // A picture's link opens in a new tab unless the user chooses otherwise.
    FXEImgLS1->StdTarget = "_blank";
    // Added pictures bring the captions a photo manager wrote into them, read here where
    // each file is looked at anyway: the list is then complete before it is saved or built.
    FXEImgLS1->OnNewFileEntry = [this](TThumbInfo& entry) {
        if (FConfig.Options.ChMetadataCaptions) TakePictureCaptions(entry);
    };

    FQorCSS1.SetRscFolder(Folders().RscFolder);
    FQorCSS1.SetOutFolder(Folders().DocFolder);
    FQorCSS1.connectXEImgLS(FXEImgLS1);
    FConfig.LastPictFolder = GetSpecialFolder(TSpecialFolder::Pictures);
    FConfig.OpenPictDialogInitialFolder = FConfig.LastPictFolder;
    FConfig.OpenDialogInitialFolder = Folders().DocFolder;
    FConfig.UpdateServer = BuildUpdateServer();

    // The standard settings a new project starts from are the user's own copy.
    std::error_code ec;
    if (!std::filesystem::exists(Folders().StdSettingFile, ec))
        CopyFileTo(Folders().RscFolder + "stdSetting.qor", Folders().StdSettingFile, false);

    BuildCommands();
    BuildLayout();
    BuildMenus();
    ConnectCommands();
    FHistory.OnChange = [this](TMyListBox&) { RefreshHistoryList(); };
    FLog.OnChange = [this](TMyListBox&) {
        LogLS1->clear();
        for (const std::string& line : FLog.Items()) LogLS1->addItem(QString::fromStdString(line));
        LogLS1->scrollToBottom();
    };

    gdThreadCt->setValue(DefaultThreadCount());
    FFirstShowTimer = new QTimer(this);
    FFirstShowTimer->setInterval(100);
    FFirstShowTimer->setSingleShot(true);
    connect(FFirstShowTimer, &QTimer::timeout, this, &TFrmSlider1::TimerOnFirstShowTimer);
    FCloseTimer = new QTimer(this);
    FCloseTimer->setInterval(500);
    connect(FCloseTimer, &QTimer::timeout, this, [this] {
        FCloseTimer->stop();
        close();
    });
    FPendingOpenTimer = new QTimer(this);
    FPendingOpenTimer->setInterval(200);
    FPendingOpenTimer->setSingleShot(true);
    connect(FPendingOpenTimer, &QTimer::timeout, this, &TFrmSlider1::OpenPendingProject);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TFrmSlider1::UpdateCommands);

    ShowPage(TabImgLS);
    FXEImgLS1->setFocus();
    setAcceptDrops(true);
    PnlSpan->hide();
    UpdateCaption();

    // The secondary windows, in the order the program creates them.
    FFrmCaption = new TFrmCaption(this);
    FFrmBtnId = new TFrmBtnId(this);
    FFrmRename = new TFrmRename(this);
    FFrmSetting = new TFrmSetting(this);
    FChaUpdate = new TChaUpdate(this);
    FChaAbout = new TChaAbout(this);
    FFrmCrop = new TFrmCrop(*FXEImgLS1, this);
    FFrmCaption->SetWindows(this, FFrmSetting);
    connect(FFrmSetting, &TFrmSetting::CheckUpdateRequested, this, [this] { FChaUpdate->CheckUpdate(true); });
    connect(FFrmSetting, &TFrmSetting::AssociateRequested, this, [this] { LaunchAssociation(FFrmSetting); });
    connect(FChaUpdate, &TChaUpdate::StatusText, FStatusPanel, &QLabel::setText);
    SetHomePage(HomePageAddress());
}

void TFrmSlider1::SetHomePage(const std::string& address)
{
    FHomePage = address;
    Action(TCommandId::ActGoSite)->setVisible(!address.empty());
    Action(TCommandId::ActGoSite)->setStatusTip(QString::fromStdString(address));
}

TFrmSlider1::~TFrmSlider1()
{
    // Workers may be waiting for the main thread: release them before the resizer joins.
    FMainThread.Close();
    FXEImgLS1->StopLoaders();
}

void TFrmSlider1::ShowStatus(int key, std::initializer_list<TFormatArg> args)
{
    FStatusPanel->setText(QString::fromStdString(FormatMsg(key, args)));
}

QString TFrmSlider1::StatusText() const
{
    return FStatusPanel->text();
}

void TFrmSlider1::ShowLog(std::string_view format, std::initializer_list<TFormatArg> args)
{
    FLog.ShowLog(format, args);
}

void TFrmSlider1::ShowPage(int page)
{
    SaveSpanInfo();
    CtrlPanels->setCurrentIndex(page);
    PnlRot->setVisible(page == TabImgLS);
    for (auto& [index, button] : FPageButtons) button->setChecked(index == page);
    const std::map<int, TCommandId> pageCommands = {
        {TabImgLS, TCommandId::ActTabImgLS}, {TabMake, TCommandId::ActTabMake}, {TabProject, TCommandId::ActTabPrj}};
    if (auto command = pageCommands.find(page); command != pageCommands.end()) Action(command->second)->setChecked(true);
    if (page == TabMake && EdOutDir->text().isEmpty())
        EdOutDir->setText(QString::fromStdString(Folders().DocFolder));
    LoadSpanInfo();
}

int TFrmSlider1::CurrentPage() const
{
    return CtrlPanels->currentIndex();
}

TCommandState TFrmSlider1::CommandState() const
{
    TCommandState s;
    s.Entries = FXEImgLS1->Count();
    s.Selected = FXEImgLS1->CountSelected();
    s.CanUndo = FXEImgLS1->CanUndo();
    s.HasProjectPath = !FLastProject.empty();
    s.Debug = FConfig.Debug;
    s.Building = FMakeJob.Running();
    s.FileAtMouse = !PictureAtPointer().empty();
    s.HistoryRowSelected = FHistory.ItemIndex() >= 0;
    s.HistoryRows = FHistory.Count();
    // The folder is asked of the file system only where its button is, the make page: this
    // runs whenever the event loop goes idle.
    std::error_code ec;
    s.OutDirExists = CurrentPage() == TabMake && !EdOutDir->text().isEmpty() &&
                     std::filesystem::is_directory(EdOutDir->text().toStdString(), ec);
    return s;
}

void TFrmSlider1::UpdateCommands()
{
    TCommandState state = CommandState();
    for (auto& [id, action] : FActions) action->setEnabled(CommandEnabled(id, state));
}

void TFrmSlider1::UpdateCaption()
{
    setWindowTitle(QString::fromStdString(WindowCaption(FLastProject)));
    EdLastProject->setText(QString::fromStdString(FLastProject));
}

} // namespace qor
