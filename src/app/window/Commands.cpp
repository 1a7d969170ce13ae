// The main window's command table: every command with its caption and shortcut, the menus
// and the picture list's context menu as views of it, and the radio groups.
#include "app/dialogs/ChaAbout.h"
#include "app/dialogs/FrmCaption.h"
#include "app/listview/XEImgLS.h"
#include "app/window/FrmSlider1.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <optional>
#include <vector>

namespace qor {

namespace {

using enum TCommandId;

struct TCommandInfo {
    TCommandId Id;
    const char* Caption;
    QKeySequence Shortcut;
    const char* Hint = nullptr;
};

// Captions are the command's own; where a menu shows another text, the menu entry says so.
const TCommandInfo CommandTable[] = {
    {ActNewPrj, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "新規(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N)},
    {ActOpen, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "開く(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O),
     QT_TRANSLATE_NOOP("qor::TFrmSlider1", "ファイルダイヤログから既存プロジェクトを開きます")},
    {ActSavePrj, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S)},
    {ActSavePrjAs, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "名前を付けて保存(&A)..."), {}},
    {CloseProject, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "閉じる(&C)"), {}},
    {ActAddPict, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "画像追加(&P)..."), QKeySequence(Qt::CTRL | Qt::Key_P)},
    {ActAddFolder, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "フォルダ追加(&F)..."), QKeySequence(Qt::CTRL | Qt::Key_F)},
    {ActMake, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "ギャラリー作成(&M)"), QKeySequence(Qt::CTRL | Qt::Key_M)},
    {ActQuit, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "終了(&X)"), QKeySequence(Qt::CTRL | Qt::Key_Q)},
    {ActSelectALL, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "全て選択(&A)"), QKeySequence(Qt::CTRL | Qt::Key_A)},
    {ActDelete, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "削除(&D)"), QKeySequence(Qt::CTRL | Qt::Key_D)},
    {ActUndo, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "Undo(&U)"), QKeySequence(Qt::CTRL | Qt::Key_Z)},
    {ActRotateLeft, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "左回転(&L)"), QKeySequence(Qt::CTRL | Qt::Key_L)},
    {ActRotateRight, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "右回転(&R)"), QKeySequence(Qt::CTRL | Qt::Key_R)},
    {ActCrop, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "画像切抜き(&C)"), {}},
    {ActOpenByExplorer, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "画像をエクスプローラに表示(&E)"), {}},
    {ActSetting, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "設定(&P)"), QKeySequence(Qt::CTRL | Qt::Key_E)},
    {ActTabImgLS, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "画像一覧(&L)"), QKeySequence(Qt::Key_F2)},
    {ActTabMake, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "作成画面(&G)"), QKeySequence(Qt::Key_F3)},
    {ActTabPrj, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "プロジェクト一覧(&P)"), QKeySequence(Qt::Key_F4)},
    {ActShowMenuBar, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "メニューバー表示(&M)"), QKeySequence(Qt::Key_F5)},
    {ActImgCaptionSet, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "サムネイルキャプション(&T)"), QKeySequence(Qt::Key_F6)},
    {ActStyleCarbon, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "Carbon テーマ(F7)"), {}},
    {ActStyleWin, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "Classic テーマ(F7)"), {}},
    {ActNoSort, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "ソートしない(&N)"), {}},
    {ActSortName, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "ファイル名(&Z)"), {}},
    {ActSortSize, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "ファイルサイズ(&S)"), {}},
    {ActSortCreated, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "作成日付(&C)"), {}},
    {ActSortUpdated, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "更新日付(&U)"), {}},
    {ActSortTitle, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "タイトル(&T)"), {}},
    {ActSortBanner, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "バナー(&B)"), {}},
    {ActSortAscend, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "昇順(&A)"), QKeySequence(Qt::CTRL | Qt::Key_U)},
    {ActSortDescend, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "降順(&D)"), QKeySequence(Qt::CTRL | Qt::Key_I)},
    {ActHelp, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "ヘルプ(&H)"), QKeySequence(Qt::Key_F1)},
    {ActGoSite, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "製品ホームページ(&Z)"), {}},
    {ActVersion, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "Version情報(&V)..."), {}},
    {ActRemoveWorkDir, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "終了時に作業ファイルを初期化(&W)"), {}},
    {ActChangeImgDir, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "画像フォルダを変更"), {}},
    {ActCaption, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "Caption編集(&C)"), {}},
    {ActLog, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "ログ表示(&Z)"), {}},
    {ActRenamePrj, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "名前を変更(&R)"), {},
     QT_TRANSLATE_NOOP("qor::TFrmSlider1", "プロジェクトファイルの名前を変更します")},
    {ActRemovePrjHistory, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "リストから削除(&D)"), {},
     QT_TRANSLATE_NOOP("qor::TFrmSlider1", "履歴から削除します")},
    {ActDelNonExistHist, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "存在しないプロジェクトを履歴から削除"), {},
     QT_TRANSLATE_NOOP("qor::TFrmSlider1", "存在しないプロジェクトをリストから削除します")},
    {ActOpenHTMLDir, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "開く"), {}, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "Explorerで表示します")},
    {ActReferHTMLDir, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "参照..."), {}, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "保存フォルダを指定します")},
    {ActStdOutputName, QT_TRANSLATE_NOOP("qor::TFrmSlider1", "標準値設定"), {},
     QT_TRANSLATE_NOOP("qor::TFrmSlider1", "出力フォルダ、ファイル名、タイトルを標準に戻します")},
};

// A menu is a list of commands; nothing stands for a separator.
using TMenuItems = std::vector<std::optional<TCommandId>>;
constexpr std::nullopt_t Sep = std::nullopt;

struct TMenuInfo {
    const char* Title;
    TMenuItems Items;
};

const TMenuInfo MenuTable[] = {
    {QT_TRANSLATE_NOOP("qor::TFrmSlider1", "ファイル(&F)"),
     {ActNewPrj, ActOpen, Sep, ActSavePrj, ActSavePrjAs, CloseProject, Sep, ActAddPict, ActAddFolder, Sep,
      ActMake, Sep, ActQuit}},
    {QT_TRANSLATE_NOOP("qor::TFrmSlider1", "編集(&E)"),
     {ActSelectALL, Sep, ActDelete, Sep, ActUndo, Sep, ActRotateLeft, ActRotateRight, Sep, ActCrop, Sep,
      ActOpenByExplorer, Sep, ActSetting}},
    {QT_TRANSLATE_NOOP("qor::TFrmSlider1", "表示(&V)"),
     {ActTabImgLS, ActTabMake, ActTabPrj, Sep, ActShowMenuBar, Sep, ActImgCaptionSet, Sep, ActStyleCarbon,
      ActStyleWin}},
    {QT_TRANSLATE_NOOP("qor::TFrmSlider1", "ソート(&O)"),
     {ActNoSort, ActSortName, ActSortSize, ActSortCreated, ActSortUpdated, ActSortTitle, ActSortBanner, Sep,
      ActSortAscend, ActSortDescend}},
    {QT_TRANSLATE_NOOP("qor::TFrmSlider1", "ヘルプ(&H)"),
     {ActHelp, Sep, ActGoSite, Sep, ActVersion, ActRemoveWorkDir, ActChangeImgDir}},
};

const TMenuItems ContextMenuItems = {ActSelectALL, Sep, ActDelete, Sep, ActUndo, Sep, ActRotateLeft,
                                     ActRotateRight, Sep, ActAddPict, ActAddFolder, Sep, ActOpenByExplorer,
                                     ActImgCaptionSet, Sep, ActShowMenuBar};

void AddItems(QMenu* menu, const TMenuItems& items, const std::map<TCommandId, QAction*>& actions)
{
    for (const auto& item : items) {
        if (item)
            menu->addAction(actions.at(*item));
        else
            menu->addSeparator();
    }
}

QActionGroup* RadioGroup(QObject* owner, std::initializer_list<QAction*> actions)
{
    auto* group = new QActionGroup(owner);
    for (QAction* action : actions) {
        action->setCheckable(true);
        group->addAction(action);
    }
    return group;
}

} // namespace

QAction* TFrmSlider1::AddCommand(TCommandId id, const char* caption, const QKeySequence& shortcut)
{
    auto* action = new QAction(tr(caption), this);
    action->setShortcut(shortcut);
    // Page shortcuts and the rest work wherever the focus is in this window.
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    FActions[id] = action;
    return action;
}

void TFrmSlider1::BuildCommands()
{
    for (const TCommandInfo& info : CommandTable) {
        QAction* action = AddCommand(info.Id, info.Caption, info.Shortcut);
        if (info.Hint) action->setToolTip(tr(info.Hint));
    }
    FSortKeyGroup = RadioGroup(this, {Action(ActNoSort), Action(ActSortName), Action(ActSortSize),
                                      Action(ActSortCreated), Action(ActSortUpdated), Action(ActSortTitle),
                                      Action(ActSortBanner)});
    Action(ActNoSort)->setChecked(true);
    RadioGroup(this, {Action(ActSortAscend), Action(ActSortDescend)});
    Action(ActSortAscend)->setChecked(true);
    RadioGroup(this, {Action(ActTabImgLS), Action(ActTabMake), Action(ActTabPrj)});
    RadioGroup(this, {Action(ActStyleCarbon), Action(ActStyleWin)});
    Action(ActStyleCarbon)->setChecked(true);
    Action(ActShowMenuBar)->setCheckable(true);
    Action(ActShowMenuBar)->setChecked(true);
    Action(ActRemoveWorkDir)->setCheckable(true);
}

void TFrmSlider1::BuildMenus()
{
    for (const TMenuInfo& info : MenuTable) AddItems(menuBar()->addMenu(tr(info.Title)), info.Items, FActions);
    FDevMenu = menuBar()->addMenu("&myMenu");
    AddItems(FDevMenu, {ActCaption, ActLog}, FActions);
    FDevMenu->menuAction()->setVisible(false);
    Action(ActRemoveWorkDir)->setVisible(false);
    Action(ActChangeImgDir)->setVisible(false);
    FXEImgLS1->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* context = BuildContextMenu();
    // The menu's commands act on the picture the pointer was on when the menu opened.
    connect(FXEImgLS1, &QWidget::customContextMenuRequested, this, [this, context](const QPoint& at) {
        FFileAtMenu = FXEImgLS1->GetFileAtMouse();
        context->exec(FXEImgLS1->mapToGlobal(at));
        FFileAtMenu.clear();
    });
}

QMenu* TFrmSlider1::BuildContextMenu()
{
    auto* menu = new QMenu(this);
    AddItems(menu, ContextMenuItems, FActions);
    return menu;
}

void TFrmSlider1::ConnectCommands()
{
    ConnectPictureCommands();
    ConnectProjectCommands();
    ConnectMakeCommands();
    const std::pair<TCommandId, TPage> pages[] = {{ActTabImgLS, TabImgLS}, {ActTabMake, TabMake}, {ActTabPrj, TabProject}};
    for (const auto& [id, page] : pages)
        connect(Action(id), &QAction::triggered, this, [this, page = page] { ShowPage(page); });
    connect(Action(ActShowMenuBar), &QAction::toggled, menuBar(), &QWidget::setVisible);
    connect(Action(ActStyleCarbon), &QAction::triggered, this, [this] { ApplyTheme(true); });
    connect(Action(ActStyleWin), &QAction::triggered, this, [this] { ApplyTheme(false); });
    connect(Action(ActQuit), &QAction::triggered, this, &QWidget::close);
    connect(Action(ActLog), &QAction::triggered, this, [this] {
        FXEImgLS1->ShowCursorCell();
        ShowPage(TabLog);
    });
    connect(Action(ActCaption), &QAction::triggered, this, [this] { FFrmCaption->show(); });
    connect(Action(ActVersion), &QAction::triggered, this, [this] {
        FChaAbout->Init();
        FChaAbout->exec();
    });
    connect(Action(ActRemoveWorkDir), &QAction::triggered, this, &TFrmSlider1::ActRemoveWorkDirExecute);
}

} // namespace qor
