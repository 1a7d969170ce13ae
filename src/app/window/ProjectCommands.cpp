// Projects: new, open, save, save as, the questions about unsaved changes, the recent-project
// list of the project page, and projects dropped on the window.
#include "app/dialogs/FrmRename.h"
#include "app/dialogs/FrmSetting.h"
#include "app/listview/XEImgLS.h"
#include "app/platform/MessageBox.h"
#include "app/window/FrmSlider1.h"
#include "app/window/HistoryRowDelegate.h"
#include "app/window/ProjectNames.h"
#include "gallery/PageLanguage.h"
#include "gallery/PublishedProps.h"
#include "util/UnitMsg.h"
#include "util/FreedesktopTrash.h"
#include "util/XEComFile.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QLabel>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <utility>

namespace fs = std::filesystem;

namespace qor {

namespace {

using enum TCommandId;

std::string FileNameOf(const std::string& path)
{
    return fs::path(path).filename().string();
}

TStringList LocalPaths(const QMimeData* data)
{
    TStringList paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

} // namespace

void TFrmSlider1::ConnectProjectCommands()
{
    connect(Action(ActNewPrj), &QAction::triggered, this, [this] { OpenProject("", true); });
    connect(Action(CloseProject), &QAction::triggered, this, [this] { OpenProject("", false); });
    connect(Action(ActOpen), &QAction::triggered, this, &TFrmSlider1::ActOpenPrjExecute);
    connect(Action(ActSavePrj), &QAction::triggered, this, &TFrmSlider1::ActSavePrjExecute);
    connect(Action(ActSavePrjAs), &QAction::triggered, this, &TFrmSlider1::ActSavePrjAsExecute);
    connect(Action(ActRenamePrj), &QAction::triggered, this, &TFrmSlider1::ActRenamePrjExecute);
    connect(Action(ActRemovePrjHistory), &QAction::triggered, this, &TFrmSlider1::ActRemovePrjHistoryExecute);
    connect(Action(ActDelNonExistHist), &QAction::triggered, this, &TFrmSlider1::ActDelNonExistHistExecute);
    HistoryList->setItemDelegate(new THistoryRowDelegate(HistoryList));
    connect(HistoryList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != FHistory.ItemIndex()) FHistory.SetItemIndex(row);
    });
    connect(HistoryList, &QListWidget::itemDoubleClicked, this, &TFrmSlider1::HistoryBox1DblClick);
}

void TFrmSlider1::StoreProjectFields()
{
    FQorCSS1.AttrLS = FXEImgLS1->GetAttrLS();
    FQorCSS1.StyleSheet = EdStyleSheet->text().toStdString();
    FQorCSS1.HTML = EdHtml->text().toStdString();
    FQorCSS1.PageTitle = EdTitle->text().toStdString();
    FQorCSS1.Descriptions = SplitTextLines(DescPrj->toPlainText().toStdString());
    // A stored value the box cannot show (0 of older projects) stays until the user sets one.
    const bool untouched = gdSlideIdentifier->value() == std::clamp(FLoadedSlideIdentifier, gdSlideIdentifier->minimum(), gdSlideIdentifier->maximum());
    FQorCSS1.SlideIdentifier = untouched ? FLoadedSlideIdentifier : gdSlideIdentifier->value();
}

void TFrmSlider1::LoadProjectFields()
{
    FXEImgLS1->LoadAttrLS(FQorCSS1.AttrLS);
    EdStyleSheet->setText(QString::fromStdString(FQorCSS1.StyleSheet));
    EdHtml->setText(QString::fromStdString(FQorCSS1.HTML));
    EdTitle->setText(QString::fromStdString(FQorCSS1.PageTitle));
    EdOutDir->setText(QString::fromStdString(FQorCSS1.OutFolder));
    QString description;
    for (const std::string& line : FQorCSS1.Descriptions) description += QString::fromStdString(line) + '\n';
    DescPrj->setPlainText(description);
    gdSlideIdentifier->setValue(FQorCSS1.SlideIdentifier);
    FLoadedSlideIdentifier = FQorCSS1.SlideIdentifier;
    ApplyImageAspect(false);
}

void TFrmSlider1::ReportProjectError(const std::exception& error)
{
    ShowMsgBox(this, "[Err] " + std::string(error.what()), mbOK, TMsgKind::Error);
}

// The project is written only when the user agrees or asked for it; answers false when the
// user cancelled the operation that asked.
bool TFrmSlider1::SaveProject(const std::string& path, bool force)
{
    bool result = true;
    SaveSpanInfo();
    LoadSpanInfo();
    StoreProjectFields();
    const std::string name = FileNameOf(path);
    try {
        if (FXEImgLS1->Count() > 0 || FConfig.Debug) {
            if (FConfig.Debug && path.empty() && FXEImgLS1->Count() == 0) return true;
            if (!path.empty()) {
                if (force || !FQorCSS1.IsUpdated(path)) {
                    WriteProject(path);
                    FHistory.AddHistory(path, {std::to_string(FXEImgLS1->Count())});
                    FLastProject = path;
                } else {
                    TMsgButton answer = ShowMsgText(this, 9, {name}, mbYes | mbNo | mbCancel, TMsgKind::Confirmation);
                    if (answer == mbYes) WriteProject(path);
                    result = answer != mbCancel;
                }
            } else {
                TMsgButton answer = ShowMsgText(this, 8, {}, mbYes | mbNo | mbCancel, TMsgKind::Confirmation);
                if (answer == mbYes) result = SaveProjectAs();
                if (answer == mbCancel) result = false;
            }
        } else if (!path.empty()) {
            if (FSavedPictureCount > 0) result = OfferToTrashEmptiedProject(path);
        } else {
            FLastProject.clear();
        }
    } catch (const std::exception& e) {
        // A project that could not be written is not saved: the operation that asked stops.
        ReportProjectError(e);
        result = false;
    }
    UpdateCaption();
    return result;
}

void TFrmSlider1::WriteProject(const std::string& path)
{
    FQorCSS1.SaveToFile(path);
    FSavedPictureCount = FXEImgLS1->Count();
}

// The user removed every picture of a project that had some: its file may go, but to the
// trash, where a mistaken Yes can be undone. A project that never had pictures is left alone.
bool TFrmSlider1::OfferToTrashEmptiedProject(const std::string& path)
{
    if (ShowMsgText(this, 10, {FileNameOf(path)}, mbYes | mbNo, TMsgKind::Confirmation) != mbYes) return false;
    if (FileExists(path) && !MoveToTrash(path)) {
        ShowMsgBox(this, tr("%1 をごみ箱に移せませんでした。").arg(QString::fromStdString(path)).toStdString(), mbOK,
                   TMsgKind::Error);
        return false;
    }
    FHistory.DelHistory(path);
    FLastProject.clear();
    FSavedPictureCount = 0;
    return true;
}

bool TFrmSlider1::SaveProjectAs()
{
    std::string folder, name;
    if (FileExists(FLastProject)) {
        folder = fs::path(FLastProject).parent_path().string();
        name = FileNameOf(FLastProject);
    } else {
        // A project is a document: it goes with the documents, not into a gallery folder.
        folder = Folders().DocFolder;
        name = ProposedProjectName(EdTitle->text().toStdString(), std::chrono::system_clock::now(), folder);
    }
    std::string chosen = ChooseProjectFile(true, folder, name);
    if (chosen.empty()) return false;
    if (!SaveProject(chosen, true)) return false;
    FLastProject = chosen;
    UpdateCaption();
    return true;
}

std::string TFrmSlider1::ChooseProjectFile(bool save, const std::string& folder, const std::string& name)
{
    const QString filter = tr("QorikaHTML5プロジェクト (*.qor)");
    QFileDialog dialog(this, save ? tr("保存するプロジェクト名(.qor)を指定してください。")
                                  : tr("QorikaHTML5のプロジェクト(.qor)を指定してください"),
                       QString::fromStdString(folder), filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("qor");
    if (!name.empty()) dialog.selectFile(QString::fromStdString(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front().toStdString();
}

void TFrmSlider1::ActSavePrjExecute()
{
    if (!FLastProject.empty())
        SaveProject(FLastProject, true);
    else
        SaveProjectAs();
}

void TFrmSlider1::ActSavePrjAsExecute()
{
    if (SaveProjectAs() && EdOutDir->text().isEmpty())
        EdOutDir->setText(QString::fromStdString(IncludeTrailingSeparator(fs::path(FLastProject).parent_path().string())));
}

void TFrmSlider1::ActOpenPrjExecute()
{
    std::string chosen = ChooseProjectFile(false, FConfig.OpenDialogInitialFolder, "");
    if (chosen.empty()) return;
    FConfig.OpenDialogInitialFolder = fs::path(chosen).parent_path().string();
    OpenProject(chosen, true);
}

// The questions before the project being edited is left for path (empty: a new project);
// false when the user cancelled.
bool TFrmSlider1::AskToLeaveProject(const std::string& path)
{
    if (!FLastProject.empty() && FLastProject != path) return SaveProject(FLastProject, false);
    if (!FLastProject.empty()) {
        const std::string name = FileNameOf(path);
        TMsgButton answer = ShowMsgText(this, 11, {name}, mbYes | mbNo | mbCancel, TMsgKind::Confirmation);
        if (answer == mbYes) return SaveProject(path, true);
        if (answer == mbNo) return ShowMsgText(this, 12, {name}, mbYes | mbNo, TMsgKind::Confirmation) == mbYes;
        return false;
    }
    if (FXEImgLS1->Count() == 0) return true;
    TMsgButton answer = ShowMsgText(this, 8, {}, mbYes | mbNo | mbCancel, TMsgKind::Confirmation);
    return answer == mbYes ? SaveProjectAs() : answer == mbNo;
}

bool TFrmSlider1::OpenProject(const std::string& path, bool ask)
{
    if (ask && !AskToLeaveProject(path)) return false;
    bool result = false;
    if (!path.empty())
        result = LoadProject(path, ask);
    else
        StartUntitledProject();
    UpdateCaption();
    return result;
}

// The file is read into a copy of the settings first: a project that is damaged or gone is
// reported and the one being edited stays as it was, so no later save, close or build can
// write another list into its file. A missing file is only reported when the user asked for
// it: the last project of the previous run may simply have gone.
bool TFrmSlider1::LoadProject(const std::string& path, bool reportMissing)
{
    // What the file leaves out has its default, never the previous project's value.
    TComQorCSS1 loaded = FQorCSS1;
    AssignPublishedProps(loaded, TComQorCSS1::NewProjectSettings());
    try {
        if (!loaded.LoadFromFile(path)) {
            if (reportMissing)
                ShowMsgBox(this, "[Err] " + tr("プロジェクト %1 が見つかりません。").arg(QString::fromStdString(path)).toStdString(),
                       mbOK, TMsgKind::Error);
            return false;
        }
    } catch (const std::exception& e) {
        ReportProjectError(e);
        return false;
    }
    FXEImgLS1->SetHideEmptyImage(true);
    FXEImgLS1->Clear(true, true);
    EdOutDir->clear();
    ShowPage(TabImgLS);
    FQorCSS1 = std::move(loaded);
    FLastProject = path;
    LoadProjectFields();
    FSavedPictureCount = FXEImgLS1->Count();
    FFrmSetting->Init(FQorCSS1);
    FXEImgLS1->SetHideEmptyImage(false);
    if (int missing = FXEImgLS1->CountNotFound(); missing > 0)
        ShowMsgText(this, 34, {missing}, mbOK, TMsgKind::Confirmation);
    return true;
}

// A new project takes the dialog's current design and builds where the standard settings
// say (usually nowhere yet), never into the gallery of the project before it.
void TFrmSlider1::StartUntitledProject()
{
    FXEImgLS1->Clear(true, true);
    FLastProject.clear();
    FSavedPictureCount = 0;
    FLoadedSlideIdentifier = gdSlideIdentifier->value();
    FFrmSetting->Form2QorCSS(FQorCSS1);
    FQorCSS1.SetOutFolder(FFrmSetting->StdOutFolder());
    FQorCSS1.PageLanguage = NewProjectPageLanguage(UiLanguage());
    EdOutDir->setText(QString::fromStdString(FQorCSS1.OutFolder));
    ApplyImageAspect(true);
    ShowPage(TabImgLS);
}

// Projects handed over by a second start, dropped or double-clicked in the history wait
// while a question or dialog is open (its answer belongs to the project shown) and while a
// build runs; they open as soon as the window is free.
void TFrmSlider1::OpenProjectWhenFree(const std::string& path)
{
    FPendingProject = path;
    if (FMakeJob.Running())
        FStatusPanel->setText(tr("ギャラリーの作成が終わると %1 を開きます").arg(QString::fromStdString(FileNameOf(path))));
    OpenPendingProject();
}

void TFrmSlider1::OpenPendingProject()
{
    if (FPendingProject.empty()) return;
    if (QApplication::activeModalWidget() || FMakeJob.Running() || FClosing || FOpeningPending) {
        if (!FMakeJob.Running()) FPendingOpenTimer->start();
        return;
    }
    const std::string path = std::exchange(FPendingProject, {});
    FOpeningPending = true;
    OpenProject(path, true);
    FOpeningPending = false;
}

void TFrmSlider1::RefreshHistoryList()
{
    QSignalBlocker block(HistoryList);
    HistoryList->clear();
    for (const std::string& row : FHistory.Items()) HistoryList->addItem(QString::fromStdString(row));
    HistoryList->setCurrentRow(FHistory.ItemIndex());
}

void TFrmSlider1::HistoryBox1DblClick()
{
    if (FHistory.ParseSelectItem() == 0) return;
    OpenProjectWhenFree(FHistory.Splitter().front());
}

void TFrmSlider1::ActRemovePrjHistoryExecute()
{
    if (FHistory.ParseSelectItem() == 0) return;
    FHistory.DelHistory(FHistory.Splitter().front());
}

void TFrmSlider1::ActDelNonExistHistExecute()
{
    FHistory.ClearNonExists();
}

void TFrmSlider1::ActRenamePrjExecute()
{
    if (FHistory.ParseSelectItem() == 0) return;
    const std::string oldPath = FHistory.Splitter().front();
    FFrmRename->SetProjectPath(oldPath);
    if (FFrmRename->exec() != QDialog::Accepted) return;
    const std::string newPath = FFrmRename->NewPath();
    if (newPath.empty() || !FHistory.RenameSelectItem(newPath)) return;
    // Only the project being edited follows its file; another row's rename leaves it alone.
    if (oldPath == FLastProject) {
        FLastProject = newPath;
        UpdateCaption();
    }
}

bool TFrmSlider1::XEImgLS1DropExtra(const TStringList& paths)
{
    if (paths.empty() || !IsProjectFile(paths.front())) return false;
    OpenProjectWhenFree(paths.front());
    return true;
}

void TFrmSlider1::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

// Files dropped outside the picture list: a project opens; pictures go to the end of the list.
void TFrmSlider1::dropEvent(QDropEvent* event)
{
    TStringList paths = LocalPaths(event->mimeData());
    if (paths.empty()) return;
    event->acceptProposedAction();
    FXEImgLS1->DropFiles(paths, FXEImgLS1->Count());
}

} // namespace qor
