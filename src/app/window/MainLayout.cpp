// The main window's layout: the dark top bar with the page buttons, the four pages and the
// status bar.
#include "app/listview/XEImgLS.h"
#include "app/window/FrmSlider1.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace qor {

namespace {

constexpr int SpanMinHeight = 100;
constexpr int SpanMaxHeight = 280;

QToolButton* BarButton(const QString& text, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName("MetroButton");
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // As wide as its caption needs, never narrower: the bar is laid out to fit the window's
    // minimum width in both languages.
    button->setMinimumSize(std::max(48, button->sizeHint().width()), 36);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QLineEdit* LabelledEdit(QFormLayout* form, const QString& label, const QString& hint, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setToolTip(hint);
    form->addRow(label, edit);
    return edit;
}

} // namespace

void TFrmSlider1::BuildLayout()
{
    setMinimumSize(848, 500);
    resize(884, 661);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildTopBar());
    CtrlPanels = new QStackedWidget(central);
    CtrlPanels->addWidget(BuildPictureListPage());
    CtrlPanels->addWidget(BuildMakePage());
    CtrlPanels->addWidget(BuildProjectPage());
    CtrlPanels->addWidget(BuildLogPage());
    layout->addWidget(CtrlPanels, 1);
    setCentralWidget(central);
    FStatusPanel = new QLabel(this);
    FStatusPanel->setMinimumWidth(500);
    statusBar()->addWidget(FStatusPanel);
}

// A button of the bar runs its command and follows its availability.
void TFrmSlider1::BindButton(QAbstractButton* button, TCommandId id)
{
    QAction* action = Action(id);
    connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    FBoundButtons[id] = button;
}

QWidget* TFrmSlider1::BuildTopBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName("PnlMetro");
    bar->setAutoFillBackground(true);
    QPalette dark = bar->palette();
    dark.setColor(QPalette::Window, QColor(51, 51, 51));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Button, QColor(51, 51, 51));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(110, 110, 110));
    bar->setPalette(dark);
    // The page buttons show the page that is open.
    bar->setStyleSheet("QToolButton#MetroButton:checked { background: rgb(0, 122, 204); color: white; }");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(2);
    const std::pair<TPage, QString> pages[] = {
        {TabImgLS, tr("画像一覧")}, {TabMake, tr("作成")}, {TabProject, tr("ﾌﾟﾛｼﾞｪｸﾄ")}};
    for (const auto& [page, text] : pages) {
        QToolButton* button = BarButton(text, bar);
        button->setCheckable(true);
        connect(button, &QToolButton::clicked, this, [this, page] { ShowPage(page); });
        FPageButtons[page] = button;
        row->addWidget(button);
    }
    BindButton(BarButton(tr("設定"), bar), TCommandId::ActSetting);
    row->addWidget(FBoundButtons[TCommandId::ActSetting]);
    row->addSpacing(16);

    PnlRot = new QWidget(bar);
    auto* rot = new QHBoxLayout(PnlRot);
    rot->setContentsMargins(0, 0, 0, 0);
    rot->setSpacing(2);
    const std::pair<TCommandId, QString> pictureButtons[] = {
        {TCommandId::ActDelete, tr("削除")},      {TCommandId::ActUndo, tr("Undo")},
        {TCommandId::ActRotateLeft, tr("左回転")}, {TCommandId::ActRotateRight, tr("右回転")},
        {TCommandId::ActAddPict, tr("画像")},      {TCommandId::ActAddFolder, tr("フォルダ")}};
    for (const auto& [id, text] : pictureButtons) {
        QToolButton* button = BarButton(text, PnlRot);
        // The short caption of the bar; the hint names the command in full.
        button->setToolTip(Action(id)->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)|&"))));
        BindButton(button, id);
        rot->addWidget(button);
    }
    row->addWidget(PnlRot);
    row->addStretch(1);
    const std::pair<TCommandId, QString> fileButtons[] = {
        {TCommandId::ActOpen, tr("開く")}, {TCommandId::ActSavePrj, tr("保存")}, {TCommandId::ActNewPrj, tr("新規")}};
    for (const auto& [id, text] : fileButtons) {
        QToolButton* button = BarButton(text, bar);
        BindButton(button, id);
        row->addWidget(button);
    }
    return bar;
}

QWidget* TFrmSlider1::BuildPictureListPage()
{
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName("TabImgLS");
    split->addWidget(FXEImgLS1);
    split->addWidget(BuildSpanPanel());
    split->setStretchFactor(0, 1);
    split->setCollapsible(1, false);
    return split;
}

QWidget* TFrmSlider1::BuildSpanPanel()
{
    PnlSpan = new QWidget(this);
    PnlSpan->setObjectName("PnlSpan");
    PnlSpan->setMinimumHeight(SpanMinHeight);
    PnlSpan->setMaximumHeight(SpanMaxHeight);
    auto* grid = new QGridLayout(PnlSpan);
    XEImg1 = new QLabel(PnlSpan);
    XEImg1->setFixedSize(120, 90);
    XEImg1->setAlignment(Qt::AlignCenter);
    grid->addWidget(XEImg1, 0, 0, 3, 1);
    auto* btCrop = new QPushButton(tr("画像切抜き(&C)"), PnlSpan);
    BindButton(btCrop, TCommandId::ActCrop);
    grid->addWidget(btCrop, 3, 0);

    EdSpanTitle = new QLineEdit(PnlSpan);
    EdSpanTitle->setToolTip(tr("画像のタイトルを指定します"));
    auto* titleLabel = new QLabel(tr("タイトル(&T)"), PnlSpan);
    titleLabel->setBuddy(EdSpanTitle);
    grid->addWidget(titleLabel, 0, 1);
    grid->addWidget(EdSpanTitle, 0, 2, 1, 3);

    SpanMemo = new QPlainTextEdit(PnlSpan);
    SpanMemo->setToolTip(tr("画像の説明文を指定します"));
    grid->addWidget(new QLabel(tr("画像説明文"), PnlSpan), 1, 1);
    grid->addWidget(SpanMemo, 1, 2, 1, 3);

    EdSpanURL = new QLineEdit(PnlSpan);
    EdSpanURL->setToolTip(tr("画像にリンクするURLを指定します"));
    auto* urlLabel = new QLabel(tr("URL(&U)"), PnlSpan);
    urlLabel->setBuddy(EdSpanURL);
    grid->addWidget(urlLabel, 2, 1);
    grid->addWidget(EdSpanURL, 2, 2);
    cbSpanTarget = new QComboBox(PnlSpan);
    cbSpanTarget->addItems({"_blank", "_self"});
    cbSpanTarget->setToolTip(tr("リンクされたURLの表示方法を指定します"));
    grid->addWidget(new QLabel("Target", PnlSpan), 2, 3);
    grid->addWidget(cbSpanTarget, 2, 4);

    EdSpanTopic = new QLineEdit(PnlSpan);
    EdSpanTopic->setToolTip(tr("画像にバナーを付ける"));
    auto* topicLabel = new QLabel(tr("バナー(&B)"), PnlSpan);
    topicLabel->setBuddy(EdSpanTopic);
    grid->addWidget(topicLabel, 3, 1);
    grid->addWidget(EdSpanTopic, 3, 2, 1, 3);
    grid->setColumnStretch(2, 1);
    return PnlSpan;
}

QWidget* TFrmSlider1::BuildMakePage()
{
    auto* page = new QWidget(this);
    page->setObjectName("TabMake");
    auto* column = new QVBoxLayout(page);
    auto* form = new QFormLayout();
    auto* outRow = new QHBoxLayout();
    EdOutDir = new QLineEdit(page);
    EdOutDir->setToolTip(tr("PC上のギャラリーの保存フォルダ"));
    outRow->addWidget(EdOutDir, 1);
    auto* openDir = new QPushButton(tr("開く"), page);
    openDir->setToolTip(tr("Explorerで表示します"));
    BindButton(openDir, TCommandId::ActOpenHTMLDir);
    outRow->addWidget(openDir);
    auto* refer = new QPushButton(tr("参照..."), page);
    refer->setToolTip(tr("保存フォルダを指定します"));
    BindButton(refer, TCommandId::ActReferHTMLDir);
    outRow->addWidget(refer);
    // A row of several controls gets no buddy by itself: the label's mnemonic goes to the edit.
    auto* outLabel = new QLabel(tr("保存フォルダ(&F)"), page);
    outLabel->setBuddy(EdOutDir);
    form->addRow(outLabel, outRow);
    EdHtml = LabelledEdit(form, tr("HTML(&H):"), tr("HTMLファイルの名前"), page);
    EdHtml->setText("index.html");
    EdStyleSheet = LabelledEdit(form, tr("スタイルシート(&S):"), tr("作成するCSSファイル名"), page);
    EdStyleSheet->setText("style.css");
    EdTitle = LabelledEdit(form, tr("タイトル(&T):"), tr("HTMLのタイトル名"), page);
    EdTitle->setText("QorSlider");
    ChSkipResize = new QCheckBox(tr("リサイズを省略"), page);
    ChSkipResize->setToolTip(tr("保存フォルダに画像が存在する時、上書きしません"));
    form->addRow(QString(), ChSkipResize);
    ChFastBuild = new QCheckBox(tr("高速作成(JPEGを縮小してデコード)"), page);
    ChFastBuild->setToolTip(tr("約2倍速く作成します。スライドは少し柔らかくなります"));
    form->addRow(QString(), ChFastBuild);
    gdSlideIdentifier = new QSpinBox(page);
    gdSlideIdentifier->setRange(1, 16);
    gdSlideIdentifier->setMaximumWidth(80);
    gdSlideIdentifier->setToolTip(tr("複数のギャラリーを同時に利用する場合に指定します"));
    form->addRow(tr("識別番号"), gdSlideIdentifier);
    gdThreadCt = new QSpinBox(page);
    gdThreadCt->setRange(1, 16);
    gdThreadCt->setMaximumWidth(80);
    form->addRow(tr("スレッド数"), gdThreadCt);
    // The thread count is a developer's setting, shown with the developer flag only.
    FThreadCountRow = {form->labelForField(gdThreadCt), gdThreadCt};
    for (QWidget* widget : FThreadCountRow) widget->setVisible(false);
    column->addLayout(form);

    auto* buttons = new QHBoxLayout();
    auto* makeArea = new QWidget(page);
    auto* makeStack = new QGridLayout(makeArea);
    makeStack->setContentsMargins(0, 0, 0, 0);
    BtMake = new QPushButton(tr("ギャラリー作成(&M)"), makeArea);
    BtMake->setMinimumSize(260, 64);
    BindButton(BtMake, TCommandId::ActMake);
    makeStack->addWidget(BtMake, 0, 0);
    // The progress panel lies exactly over the make button while a build runs.
    PnlProg = new QWidget(makeArea);
    PnlProg->setAutoFillBackground(true);
    auto* prog = new QHBoxLayout(PnlProg);
    LbProg = new QLabel(PnlProg);
    LbProg->setFont(QFont("monospace"));
    ProgressBar1 = new QProgressBar(PnlProg);
    ProgressBar1->setTextVisible(false);
    BtAbort = new QPushButton(tr("中断"), PnlProg);
    BtAbort->setToolTip(tr("作成処理を中断します"));
    prog->addWidget(LbProg);
    prog->addWidget(ProgressBar1, 1);
    prog->addWidget(BtAbort);
    makeStack->addWidget(PnlProg, 0, 0);
    PnlProg->hide();
    buttons->addWidget(makeArea);
    auto* openHtml = new QPushButton(tr("表示"), page);
    openHtml->setToolTip(tr("HTMLをブラウザで開く"));
    connect(openHtml, &QPushButton::clicked, this, &TFrmSlider1::BtOpenHTMLClick);
    buttons->addWidget(openHtml);
    auto* reset = new QPushButton(tr("標準値設定"), page);
    reset->setToolTip(tr("出力フォルダ、ファイル名、タイトルを標準に戻します"));
    BindButton(reset, TCommandId::ActStdOutputName);
    buttons->addWidget(reset);
    buttons->addStretch(1);
    column->addLayout(buttons);
    column->addStretch(1);
    return page;
}

QWidget* TFrmSlider1::BuildProjectPage()
{
    auto* page = new QWidget(this);
    page->setObjectName("TabProject");
    auto* column = new QVBoxLayout(page);
    auto* form = new QFormLayout();
    EdLastProject = new QLineEdit(page);
    EdLastProject->setReadOnly(true);
    form->addRow(tr("編集中のプロジェクト"), EdLastProject);
    DescPrj = new QPlainTextEdit(page);
    DescPrj->setMaximumHeight(80);
    form->addRow(tr("プロジェクトの説明"), DescPrj);
    column->addLayout(form);

    auto* buttons = new QHBoxLayout();
    const std::pair<TCommandId, QString> projectButtons[] = {
        {TCommandId::ActNewPrj, tr("新規(&N)")},
        {TCommandId::ActOpen, tr("開く(&O)...")},
        {TCommandId::ActSavePrj, tr("保存(&S)")},
        {TCommandId::ActSavePrjAs, tr("名前を付けて保存(&A)...")},
        {TCommandId::ActRenamePrj, tr("名前を変更(&R)")},
        {TCommandId::ActRemovePrjHistory, tr("リストから削除(&D)")},
        {TCommandId::ActDelNonExistHist, tr("存在しないプロジェクトを履歴から削除")}};
    for (const auto& [id, text] : projectButtons) {
        auto* button = new QPushButton(text, page);
        button->setToolTip(Action(id)->toolTip());
        BindButton(button, id);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    column->addLayout(buttons);
    auto* historyLabel = new QLabel(tr("最近開いたプロジェクト(&R)"), page);
    column->addWidget(historyLabel);
    HistoryList = new QListWidget(page);
    HistoryList->setObjectName("HistoryBox1");
    historyLabel->setBuddy(HistoryList);
    column->addWidget(HistoryList, 1);
    return page;
}

QWidget* TFrmSlider1::BuildLogPage()
{
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet1");
    auto* column = new QVBoxLayout(page);
    LogLS1 = new QListWidget(page);
    column->addWidget(LogLS1, 1);
    auto* debug = new QPushButton("Debug", page);
    connect(debug, &QPushButton::clicked, this,
            [this] { ShowLog("Valid Crop Rect = %d", {FXEImgLS1->CountUserCrop()}); });
    column->addWidget(debug, 0, Qt::AlignLeft);
    return page;
}

} // namespace qor
