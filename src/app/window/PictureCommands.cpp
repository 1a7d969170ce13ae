// The picture-list page: the texts of the selected pictures, adding, dropping, rotating,
// sorting, cropping, the settings, caption sets, help and the page's keys.
#include "app/dialogs/FrmCrop.h"
#include "app/dialogs/FrmSetting.h"
#include "app/listview/XEImgLS.h"
#include "app/platform/MessageBox.h"
#include "app/window/FrmSlider1.h"
#include "app/window/SpanCompare.h"
#include "app/widgets/BmpImage.h"
#include "app/crop/CropGeometry.h"
#include "imaging/TBmpScan.h"
#include "util/PictureExtensions.h"
#include "util/UnitMsg.h"
#include "util/XEComShell.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <filesystem>

namespace qor {

namespace {

using enum TCommandId;

const QColor DifferColor(255, 187, 51);

// The caption sets of F6, in order.
constexpr unsigned CaptionSets[] = {
    ilmcName,
    ilmcName | ilmcSize,
    ilmcName | ilmcSize | ilmcUpdate,
    ilmcName | ilmcSize | ilmcDate | ilmcUpdate,
    ilmcName | ilmcSize | ilmcDate | ilmcUpdate | ilmcTopic,
};
constexpr int CaptionSetCount = sizeof CaptionSets / sizeof CaptionSets[0];

// Qt's filter patterns are case-sensitive on Linux: each extension in both cases.
const char* AllPicturesFilter = QT_TRANSLATE_NOOP("qor::TFrmSlider1", "すべて (%1)");
const char* FormatFilters = QT_TRANSLATE_NOOP(
    "qor::TFrmSlider1",
    "GIF 画像 (*.gif *.GIF);;Portable Network Graphics (*.png *.PNG);;"
    "JPEG イメージファイル (*.jpg *.JPG);;JPEG イメージファイル (*.jpe *.JPE);;"
    "ビットマップ (*.bmp *.BMP);;HEIF 画像 (*.heic *.HEIC *.heif *.HEIF);;"
    "AVIF 画像 (*.avif *.AVIF);;WebP 画像 (*.webp *.WEBP)");

// "*.jpg *.JPG *.png *.PNG ..." for every extension the list takes.
QString PicturePatterns()
{
    QStringList patterns;
    for (const std::string& extension : PictureExtensions()) {
        QString pattern = "*" + QString::fromStdString(extension);
        patterns << pattern << pattern.toUpper();
    }
    return patterns.join(' ');
}

void SetAgreeColor(QWidget* editor, bool agrees)
{
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, agrees ? QColor(Qt::white) : DifferColor);
    palette.setColor(QPalette::Text, Qt::black);
    editor->setPalette(palette);
}

} // namespace

void TFrmSlider1::ConnectPictureCommands()
{
    TXEImgLS& list = *FXEImgLS1;
    connect(Action(ActAddPict), &QAction::triggered, this, &TFrmSlider1::ActAddPictExecute);
    connect(Action(ActAddFolder), &QAction::triggered, this, &TFrmSlider1::ActAddFolderExecute);
    connect(Action(ActSelectALL), &QAction::triggered, this, [&list] { list.SelectALL(true, true, false); });
    connect(Action(ActDelete), &QAction::triggered, this, [&list] { list.Delete(); });
    connect(Action(ActUndo), &QAction::triggered, this, [&list] { list.Undo(); });
    connect(Action(ActRotateLeft), &QAction::triggered, this, [this] { ActRotateExecute(-1); });
    connect(Action(ActRotateRight), &QAction::triggered, this, [this] { ActRotateExecute(1); });
    connect(Action(ActCrop), &QAction::triggered, this, &TFrmSlider1::ActCropExecute);
    connect(Action(ActOpenByExplorer), &QAction::triggered, this, [this] { ShowInExplorer(PictureAtPointer(), true); });
    connect(Action(ActSetting), &QAction::triggered, this, &TFrmSlider1::ActSettingExecute);
    connect(Action(ActImgCaptionSet), &QAction::triggered, this, &TFrmSlider1::ActImgCaptionSetExecute);
    connect(Action(ActHelp), &QAction::triggered, this, &TFrmSlider1::ActHelpExecute);
    connect(Action(ActGoSite), &QAction::triggered, this, [this] { OpenDocument(FHomePage); });
    connect(Action(ActChangeImgDir), &QAction::triggered, this, &TFrmSlider1::ActChangeImgDirExecute);
    const std::pair<TCommandId, int> sortKeys[] = {{ActNoSort, 0},      {ActSortName, 1},    {ActSortTitle, 2},
                                                   {ActSortSize, 3},    {ActSortCreated, 4}, {ActSortUpdated, 5},
                                                   {ActSortBanner, 6}};
    for (const auto& [id, tag] : sortKeys)
        connect(Action(id), &QAction::triggered, this, [this, tag = tag] { ActSortKeyExecute(tag); });
    connect(Action(ActSortAscend), &QAction::triggered, this, &TFrmSlider1::ActSortExecute);
    connect(Action(ActSortDescend), &QAction::triggered, this, &TFrmSlider1::ActSortExecute);

    list.OnChangeSelection = [this](TCustomImgLS&, int selectNum) { XEImgLS1ChangeSelection(selectNum); };
    list.OnSelectThumb = [this](TCustomImgLS&, int index, PThumbInfo& entry, const std::shared_ptr<TBmpScan>&) {
        XEImgLS1SelectThumb(index, entry);
    };
    list.OnDropExtra = [this](TCustomImgLS&, const TStringList& paths, TIMLDropToDo& toDo) {
        if (XEImgLS1DropExtra(paths)) toDo = TIMLDropToDo::tdpIgnore;
    };
    list.OnDropFiles = [this](TCustomImgLS&, const TStringList& paths, TIMLDropToDo& toDo) {
        bool add = false;
        XEImgLS1DropFiles(paths, add);
        toDo = add ? TIMLDropToDo::tdpAdd : TIMLDropToDo::tdpIgnore;
    };
    connect(&list, &TXEImgLS::DoubleClicked, this, &TFrmSlider1::XEImgLS1DblClick);
    connect(&list, &TXEImgLS::KeyPressed, this, [this](int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Space) ActCropExecute();
    });
    // The page's keys come before the focused control's, wherever the focus is.
    qApp->installEventFilter(this);
}

// Snapshot of the selection into the editors; the number of selected entries.
int TFrmSlider1::LoadSpanInfo()
{
    TCustomImgLS& list = *FXEImgLS1;
    list.CompareSelInfo();
    const TCompareInfo& info = list.CompareInfo();
    TSpanAgreement agree = Agreement(info);
    SetAgreeColor(SpanMemo, agree.Memo);
    SetAgreeColor(EdSpanTitle, agree.Title);
    SetAgreeColor(EdSpanTopic, agree.Topic);
    SetAgreeColor(EdSpanURL, agree.URL);
    SetAgreeColor(cbSpanTarget, agree.Target);
    int selected = static_cast<int>(info.SelLS.size());
    if (selected > 0 && !agree.All() && Action(ActStyleWin)->isChecked())
        ShowStatus(32, {list.Count(), selected});
    SpanMemo->setPlainText(QString::fromStdString(MemoText(info.Rep.memoLS)));
    EdSpanURL->setText(QString::fromStdString(info.Rep.URL));
    cbSpanTarget->setCurrentIndex(cbSpanTarget->findText(QString::fromStdString(info.Rep.Target)));
    EdSpanTitle->setText(QString::fromStdString(info.Rep.Title));
    EdSpanTopic->setText(QString::fromStdString(info.Rep.Topic));
    ShowSpanPreview();
    PnlSpan->setVisible(selected > 0);
    return selected;
}

void TFrmSlider1::ShowSpanPreview()
{
    std::shared_ptr<TBmpScan> thumb = FXEImgLS1->GetComparedThumb(true);
    XEImg1->setPixmap(thumb ? QPixmap::fromImage(ImageOf(*thumb).copy()).scaled(XEImg1->size(), Qt::KeepAspectRatio) : QPixmap());
}

void TFrmSlider1::SaveSpanInfo()
{
    TCustomImgLS& list = *FXEImgLS1;
    if (list.CountComparedInfo() == 0) return;
    TUserInfo edited;
    edited.memoLS = MemoLines(SpanMemo->toPlainText().toStdString());
    edited.Title = EdSpanTitle->text().toStdString();
    edited.Topic = EdSpanTopic->text().toStdString();
    edited.URL = EdSpanURL->text().toStdString();
    edited.Target = cbSpanTarget->currentIndex() < 0 ? std::string() : cbSpanTarget->currentText().toStdString();
    TakeEditedTexts(list.CompareInfo(), edited);
    list.CopyToSelInfo();
    list.ClearComparedInfo();
}

std::string TFrmSlider1::PictureAtPointer() const
{
    return FFileAtMenu.empty() ? FXEImgLS1->GetFileAtMouse() : FFileAtMenu;
}

// Every command that reloads the editors first writes what is typed in them.
void TFrmSlider1::CommitSpanEdits()
{
    SaveSpanInfo();
    LoadSpanInfo();
}

void TFrmSlider1::XEImgLS1ChangeSelection(int selectNum)
{
    if (selectNum > 0)
        ShowStatus(6, {FXEImgLS1->Count(), selectNum});
    else
        ShowStatus(5, {FXEImgLS1->Count()});
    SaveSpanInfo();
    LoadSpanInfo();
}

void TFrmSlider1::XEImgLS1SelectThumb(int index, const PThumbInfo& entry)
{
    if (!FChildFormAllCreated) return;
    // Failures while choosing are swallowed so that the list stays usable.
    try {
        SaveSpanInfo();
        LoadSpanInfo();
        FSpanInfo = entry;
        if (!entry) return;
        ShowStatus(7, {FXEImgLS1->Count(), index + 1, std::filesystem::path(entry->FileName).filename().string()});
        if (FFrmCrop->isVisible()) FFrmCrop->SetCropImage(entry);
    } catch (const std::exception&) {
    }
}

void TFrmSlider1::ActAddPictExecute()
{
    QStringList files = QFileDialog::getOpenFileNames(
        this, QString(), QString::fromStdString(FConfig.OpenPictDialogInitialFolder),
        tr(AllPicturesFilter).arg(PicturePatterns()) + ";;" + tr(FormatFilters));
    if (files.isEmpty()) return;
    TStringList names;
    for (const QString& file : files) names.push_back(file.toStdString());
    FXEImgLS1->MergeFiles(names, "", -1);
    FConfig.OpenPictDialogInitialFolder = std::filesystem::path(names.front()).parent_path().string();
}

void TFrmSlider1::ActAddFolderExecute()
{
    QString folder = QFileDialog::getExistingDirectory(this, QString::fromStdString(GetMsgText(3)),
                                                       QString::fromStdString(FConfig.LastPictFolder));
    if (folder.isEmpty()) return;
    FConfig.LastPictFolder = folder.toStdString();
    if (FXEImgLS1->MergeFiles({}, FConfig.LastPictFolder, -1) == 0)
        ShowMsgText(this, 4, {FConfig.LastPictFolder}, mbOK, TMsgKind::Confirmation);
}

void TFrmSlider1::XEImgLS1DropFiles(const TStringList& paths, bool& add)
{
    add = false;
    std::error_code ec;
    if (std::filesystem::is_directory(paths.front(), ec)) {
        int found = static_cast<int>(FXEImgLS1->GetFileLS(paths.front(), 1).size());
        if (found > 0)
            add = ShowMsgText(this, 16, {found}, mbYes | mbNo, TMsgKind::Confirmation) == mbYes;
        else
            ShowMsgText(this, 4, {paths.front()}, mbOK, TMsgKind::Confirmation);
        return;
    }
    add = ShowMsgText(this, 16, {static_cast<int>(paths.size())}, mbYes | mbNo, TMsgKind::Confirmation) == mbYes;
}

void TFrmSlider1::ActRotateExecute(int tag)
{
    CommitSpanEdits();
    FXEImgLS1->Flip(tag);
    if (FSpanInfo) ShowSpanPreview();
}

void TFrmSlider1::ActSortKeyExecute(int tag)
{
    FXEImgLS1->SortKey = static_cast<TILMSort>(tag);
    ActSortExecute();
}

void TFrmSlider1::ActSortExecute()
{
    CommitSpanEdits();
    FXEImgLS1->Sort(Action(ActSortAscend)->isChecked());
}

void TFrmSlider1::ActCropExecute()
{
    CommitSpanEdits();
    if (!FSpanInfo) FXEImgLS1->SelectCursor();
    if (!FSpanInfo) return;
    FFrmCrop->SetCropImage(FSpanInfo);
    FFrmCrop->exec();
}

void TFrmSlider1::XEImgLS1DblClick()
{
    if (!FFrmCrop->isVisible() && FSpanInfo) ActCropExecute();
}

void TFrmSlider1::ActSettingExecute()
{
    CommitSpanEdits();
    FFrmSetting->Init(FQorCSS1);
    if (FFrmSetting->exec() != QDialog::Accepted) return;
    FFrmSetting->Form2QorCSS(FQorCSS1);
    FConfig.Options = FFrmSetting->Options();
    ApplyImageAspect(true);
}

void TFrmSlider1::ApplyImageAspect(bool resetCrop)
{
    if (resetCrop && FXEImgLS1->CountUserCrop() > 0 &&
        !SameAspect(FQorCSS1.ImageWidth, FQorCSS1.ImageHeight, FSlideAspectW, FSlideAspectH))
        FXEImgLS1->ResetUserCrop();
    FSlideAspectW = FQorCSS1.ImageWidth;
    FSlideAspectH = FQorCSS1.ImageHeight;
    FFrmCrop->SetAspect(FSlideAspectW, FSlideAspectH);
}

void TFrmSlider1::SetCaptionSet(int index)
{
    if (index < 0 || index >= CaptionSetCount) return;
    FCaptionSet = index;
    FXEImgLS1->SetCaptionSet(CaptionSets[index]);
}

void TFrmSlider1::ActImgCaptionSetExecute()
{
    SetCaptionSet((FCaptionSet + 1) % CaptionSetCount);
}

void TFrmSlider1::ActHelpExecute()
{
    std::string page = PnlSpan->isVisible() ? "tutorial02" : "tutorial01";
    OpenDocument(Folders().HelpFolder + page + ".html");
}

void TFrmSlider1::ActChangeImgDirExecute()
{
    QString folder = QFileDialog::getExistingDirectory(this, QString::fromStdString(GetMsgText(35)));
    if (folder.isEmpty()) return;
    FXEImgLS1->ChangeImageDir(folder.toStdString());
    FXEImgLS1->ReloadThumb();
}

void TFrmSlider1::ActRemoveWorkDirExecute()
{
    FRemoveWorkDirAtExit =
        ShowMsgBox(this, tr("終了時に IniとTempフォルダを削除します").toStdString(), mbYes | mbNo,
                   TMsgKind::Confirmation) == mbYes;
    Action(ActRemoveWorkDir)->setChecked(FRemoveWorkDirAtExit);
}

// The page's keys, before the focused control sees them: Tab from the list to the title,
// Alt+Enter back to the list, F7 for the theme.
bool TFrmSlider1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || CurrentPage() != TabImgLS || !isActiveWindow())
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab && PnlSpan->isVisible() && FXEImgLS1->hasFocus()) {
        EdSpanTitle->setFocus(Qt::TabFocusReason);
        return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && (key->modifiers() & Qt::AltModifier))
        FXEImgLS1->setFocus();
    if (key->key() == Qt::Key_F7) {
        bool carbon = !Action(ActStyleCarbon)->isChecked();
        (carbon ? Action(ActStyleCarbon) : Action(ActStyleWin))->setChecked(true);
        ApplyTheme(carbon);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace qor
