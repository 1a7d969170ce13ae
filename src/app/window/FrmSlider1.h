// TFrmSlider1: the main window. It owns the project's settings, the picture list, the build
// and the dialogs for the whole run, and shows one project on four pages: the picture list
// with the texts of the selected pictures, the make page, the project page with the recent
// projects, and the developer's log. The window forwards; the list model, the settings and
// the build job decide. Its members are split by concern over the files of this folder.
#pragma once

#include "app/QtDispatcher.h"
#include "app/window/CommandRules.h"
#include "app/window/Configuration.h"
#include "gallery/ComQorCSS.h"
#include "gallery/GalleryMakeJob.h"
#include "imagelist/MyListBox.h"
#include "util/XEInitPrj.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <map>
#include <memory>

class QAbstractButton;
class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTimer;
class QToolButton;
class QWidget;

namespace qor {

class TXEImgLS;
class TFrmSetting;
class TFrmCrop;
class TFrmRename;
class TFrmBtnId;
class TChaAbout;
class TFrmCaption;
class TChaUpdate;

class TFrmSlider1 : public QMainWindow {
    Q_OBJECT
public:
    enum TPage { TabImgLS = 0, TabMake = 1, TabProject = 2, TabLog = 3 };

    explicit TFrmSlider1(QWidget* parent = nullptr);
    ~TFrmSlider1() override;

    // Start-up after every window exists: configuration, command-line project, script.
    void OnCreateChildForm(const QStringList& arguments);
    // Brings the window to the front; a project file named by a second start is opened.
    void OnExecTwice(const QString& projectFile);

    // Projects.
    bool OpenProject(const std::string& path, bool ask);
    // Opens path once no question, dialog or build is in the way (a second start, a drop).
    void OpenProjectWhenFree(const std::string& path);
    bool SaveProject(const std::string& path, bool force);
    bool SaveProjectAs();
    void StoreProjectFields();
    void LoadProjectFields();
    void UpdateCaption();
    const std::string& LastProject() const { return FLastProject; }
    // The last project (or the standard settings) is in place.
    bool FirstShowDone() const { return FFirstShowDone; }

    // Picture texts of the selection.
    int LoadSpanInfo();
    void SaveSpanInfo();
    void CommitSpanEdits();
    // The picture a command of the context menu (or the pointer) means.
    std::string PictureAtPointer() const;

    // The build.
    void ActMakeExecute();
    void BtAbortClick();
    bool Building() const { return FMakeJob.Running(); }
    void NormalizeOutputNames();

    void ShowPage(int page);
    int CurrentPage() const;
    void ShowStatus(int key, std::initializer_list<TFormatArg> args);
    QString StatusText() const;
    void ShowLog(std::string_view format, std::initializer_list<TFormatArg> args);
    void ApplyTheme(bool carbon);
    void ApplyImageAspect(bool resetCrop);
    void SetCaptionSet(int index);
    int CaptionSetIndex() const { return FCaptionSet; }

    TXEImgLS& XEImgLS1() { return *FXEImgLS1; }
    TComQorCSS1& QorCSS1() { return FQorCSS1; }
    TMyListBox& HistoryBox1() { return FHistory; }
    TFrmSetting& FrmSetting() { return *FFrmSetting; }
    QAction* Action(TCommandId id) const { return FActions.at(id); }
    TCommandState CommandState() const;
    // Re-evaluates every command's enabled rule; runs whenever the event loop goes idle.
    void UpdateCommands();
    const TAppConfig& Config() const { return FConfig; }
    // The command "製品ホームページ" opens address, the build's home page; without one it is
    // hidden.
    void SetHomePage(const std::string& address);

    // Controls the tests and the configuration reach.
    QLineEdit* EdSpanTitle = nullptr;
    QPlainTextEdit* SpanMemo = nullptr;
    QLineEdit* EdSpanURL = nullptr;
    QComboBox* cbSpanTarget = nullptr;
    QLineEdit* EdSpanTopic = nullptr;
    QWidget* PnlSpan = nullptr;
    QLineEdit* EdOutDir = nullptr;
    QLineEdit* EdHtml = nullptr;
    QLineEdit* EdStyleSheet = nullptr;
    QLineEdit* EdTitle = nullptr;
    QCheckBox* ChSkipResize = nullptr;
    QCheckBox* ChFastBuild = nullptr;
    QSpinBox* gdSlideIdentifier = nullptr;
    QSpinBox* gdThreadCt = nullptr;
    QPushButton* BtMake = nullptr;
    QWidget* PnlProg = nullptr;
    QLabel* LbProg = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* BtAbort = nullptr;
    QLineEdit* EdLastProject = nullptr;
    QPlainTextEdit* DescPrj = nullptr;
    QListWidget* HistoryList = nullptr;
    QListWidget* LogLS1 = nullptr;

signals:
    // A build ended, after its lap line was logged.
    void MakeEnded(TMakeOutcome outcome);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout.
    void BuildLayout();
    QWidget* BuildTopBar();
    QWidget* BuildPictureListPage();
    QWidget* BuildSpanPanel();
    QWidget* BuildMakePage();
    QWidget* BuildProjectPage();
    QWidget* BuildLogPage();
    void BindButton(QAbstractButton* button, TCommandId id);

    // Commands.
    void BuildCommands();
    void BuildMenus();
    QMenu* BuildContextMenu();
    QAction* AddCommand(TCommandId id, const char* caption, const QKeySequence& shortcut);
    void ConnectCommands();
    void ConnectPictureCommands();
    void ConnectProjectCommands();
    void ConnectMakeCommands();

    // Picture commands.
    void ActAddPictExecute();
    void ActAddFolderExecute();
    void ActRotateExecute(int tag);
    void ActSortKeyExecute(int tag);
    void ActSortExecute();
    void ActCropExecute();
    void ActSettingExecute();
    void ActImgCaptionSetExecute();
    void ActHelpExecute();
    void ActChangeImgDirExecute();
    void ActRemoveWorkDirExecute();
    void XEImgLS1ChangeSelection(int selectNum);
    void XEImgLS1SelectThumb(int index, const std::shared_ptr<struct TThumbInfo>& entry);
    void XEImgLS1DropFiles(const TStringList& paths, bool& add);
    bool XEImgLS1DropExtra(const TStringList& paths);
    void XEImgLS1DblClick();
    void ShowSpanPreview();

    // Make page.
    void ActOpenHTMLDirExecute();
    void ActReferHTMLDirExecute();
    void ActStdOutputNameExecute();
    void BtOpenHTMLClick();
    void XEResize1EachResized(int count);
    void XEResize1BmpCropped(TBmpScan& bmp);
    void EndMake(TMakeOutcome outcome, const std::string& error);
    void ShowMakeWarnings();

    // Project page.
    void ActOpenPrjExecute();
    void ActSavePrjExecute();
    void ActSavePrjAsExecute();
    void ActRenamePrjExecute();
    void ActRemovePrjHistoryExecute();
    void ActDelNonExistHistExecute();
    void HistoryBox1DblClick();
    void RefreshHistoryList();
    std::string ChooseProjectFile(bool save, const std::string& folder, const std::string& name);
    void ReportProjectError(const std::exception& error);
    bool AskToLeaveProject(const std::string& path);
    bool LoadProject(const std::string& path, bool reportMissing);
    void StartUntitledProject();
    void OpenPendingProject();
    void WriteProject(const std::string& path);
    bool OfferToTrashEmptiedProject(const std::string& path);

    // Start and stop.
    void PrepareScript();
    void TimerOnFirstShowTimer();
    void LoadConfiguration();
    void SaveConfiguration();
    void ApplyMainGeo();
    bool CanCloseNow();

    TXEInitPrj FXEInitPrj1;
    TComQorCSS1 FQorCSS1 = TComQorCSS1::NewProjectSettings();
    TQtDispatcher FMainThread;
    TGalleryMakeJob FMakeJob{FMainThread};
    TMyListBox FHistory;
    TMyListBox FLog;
    TAppConfig FConfig;
    std::string FLastProject;
    std::string FHomePage;
    int FSavedPictureCount = 0; // pictures of the project file as last read or written
    int FLoadedSlideIdentifier = 1;
    std::string FPendingProject;
    std::string FFileAtMenu;
    bool FOpeningPending = false;
    std::shared_ptr<struct TThumbInfo> FSpanInfo;
    bool FChildFormAllCreated = false;
    bool FFirstShown = false;
    bool FFirstShowDone = false;
    bool FRemoveWorkDirAtExit = false;
    bool FClosing = false;
    int FCaptionSet = 0;
    int FSlideAspectW = 0, FSlideAspectH = 0;

    TXEImgLS* FXEImgLS1 = nullptr;
    QStackedWidget* CtrlPanels = nullptr;
    QWidget* PnlRot = nullptr;
    QLabel* XEImg1 = nullptr;
    QLabel* FStatusPanel = nullptr;
    QMenu* FDevMenu = nullptr;
    std::array<QWidget*, 2> FThreadCountRow{};
    std::map<int, QToolButton*> FPageButtons;
    std::map<TCommandId, QAction*> FActions;
    std::map<TCommandId, QAbstractButton*> FBoundButtons;
    QActionGroup* FSortKeyGroup = nullptr;
    QTimer* FFirstShowTimer = nullptr;
    QTimer* FCloseTimer = nullptr;
    QTimer* FPendingOpenTimer = nullptr;

    TFrmCaption* FFrmCaption = nullptr;
    TFrmBtnId* FFrmBtnId = nullptr;
    TFrmRename* FFrmRename = nullptr;
    TFrmSetting* FFrmSetting = nullptr;
    TChaUpdate* FChaUpdate = nullptr;
    TChaAbout* FChaAbout = nullptr;
    TFrmCrop* FFrmCrop = nullptr;
};

} // namespace qor
