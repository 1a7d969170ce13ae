// The controls of the settings dialog and where they lie; the values and rules are in
// FrmSetting.cpp.
#include "app/dialogs/FrmSetting.h"
#include "app/dialogs/TransitNames.h"
#include "app/dialogs/TemplateRows.h"
#include "app/widgets/ClickLabel.h"
#include "app/widgets/ColorButton.h"
#include "app/widgets/GradientPanel.h"
#include "app/widgets/NumberSpin.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qor {

namespace {

template <class T> T* Named(T* widget, const char* name, const QString& hint = {})
{
    widget->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) widget->setToolTip(hint);
    return widget;
}

QCheckBox* NewCheck(QWidget* parent, const char* name, const QString& text, bool on,
                    const QString& hint = {})
{
    auto* box = Named(new QCheckBox(text, parent), name, hint);
    box->setChecked(on);
    return box;
}

QComboBox* NewCombo(QWidget* parent, const char* name, const QStringList& items, int index,
                    bool editable = false, const QString& hint = {})
{
    auto* combo = Named(new QComboBox(parent), name, hint);
    combo->setEditable(editable);
    combo->addItems(items);
    combo->setCurrentIndex(index);
    return combo;
}

TColorButton* NewColor(QWidget* parent, const char* name, bool withOpacity, const char* rrggbbaa)
{
    auto* button = Named(new TColorButton(withOpacity, parent), name);
    button->SetText8(rrggbbaa);
    return button;
}

// A number box followed by its unit.
QWidget* WithUnit(QWidget* field, const QString& unit)
{
    auto* box = new QWidget(field->parentWidget());
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field);
    row->addWidget(new QLabel(unit, box));
    row->addStretch();
    return box;
}

QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> widgets)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets)
        row->addWidget(w);
    row->addStretch();
    return box;
}

} // namespace

QWidget* TFrmSetting::BuildBasicTab()
{
    auto* tab = new QWidget;
    auto* columns = new QHBoxLayout(tab);
    auto* form = new QFormLayout;
    const QString sizeHint = tr("320x240のように 横x縦pixelの書式で入力できます");
    cbImgSize = NewCombo(tab, "cbImgSize",
                         {"512x200", "512x288", "600x300", "640x360", "720x270", "720x360",
                          "740x400", "960x360", "1280x600", "1280x720"},
                         4, true, sizeHint);
    form->addRow(tr("画像サイズ"), cbImgSize);
    cbThumbSize = NewCombo(tab, "cbThumbSize", {"100x50", "112x44", "120x90", "160x120", "180x80"},
                           1, true, sizeHint);
    LbThumbSize = new QLabel(tr("サムネイルサイズ"), tab);
    form->addRow(LbThumbSize, cbThumbSize);
    cbController =
        NewCombo(tab, "cbController",
                 {tr("サムネイル"), tr("番号表示"), tr("ドット表示"), tr("コントローラなし")}, 0);
    form->addRow(tr("コントローラタイプ"), cbController);
    cbNumPos = NewCombo(
        tab, "cbNumPos",
        {tr("上右寄"), tr("上中央"), tr("上左寄"), tr("下右寄"), tr("下中央"), tr("下左寄")}, 0);
    PnNumPos = Row(tab, {new QLabel(tr("番号/ドット位置"), tab), cbNumPos});
    PnNumPos->setObjectName("PnNumPos");
    form->addRow(PnNumPos);
    cbFrame = NewCombo(tab, "cbFrame", {tr("なし"), tr("影"), tr("フレーム")}, 2);
    form->addRow(tr("ギャラリーの枠飾り"), cbFrame);
    XEGalleryFrameColor = NewColor(tab, "XEGalleryFrameColor", false, "F0F0F0");
    XEGalleryFrameColor->SetHint(tr("縁飾りにフレームを指定した時のみ有効"));
    PnFrameColor = Row(tab, {new QLabel(tr("フレーム色"), tab), XEGalleryFrameColor});
    PnFrameColor->setObjectName("PnFrameColor");
    form->addRow(PnFrameColor);
    cbTransit = NewCombo(tab, "cbTransit", TransitDisplayNames(), 0);
    form->addRow(tr("画面推移"), cbTransit);
    gdTransitTime = Named(NewSecondsSpin(tab, 1.0, 10.0, 1.0), "gdTransitTime");
    form->addRow(tr("画面推移の速さ"), WithUnit(gdTransitTime, tr("秒")));
    ChAutoSlideShow = NewCheck(tab, "ChAutoSlideShow", tr("スライドショー実行"), false);
    slideshow_Interval = Named(NewSecondsSpin(tab, 1.0, 120.0, 4.0), "slideshow_Interval");
    form->addRow(ChAutoSlideShow, WithUnit(slideshow_Interval, tr("秒")));
    XEBackGroundColor = NewColor(tab, "XEBackGroundColor", false, "FFFFFF");
    form->addRow(tr("ページの背景色"), XEBackGroundColor);
    cbPageLanguage = NewCombo(tab, "cbPageLanguage", {QString(), "ja", "en"}, 0, true,
                              tr("ページが宣言する言語(ja、en など)。読み上げソフトやギャラリーのボタン名が従います"));
    cbPageLanguage->lineEdit()->setPlaceholderText(tr("テンプレートのまま(ja)"));
    form->addRow(tr("ページの言語"), cbPageLanguage);
    ChIgnoreSampleSize = NewCheck(tab, "ChIgnoreSampleSize", tr("ひな形選択時、サイズを変更しない"),
                                  true, tr("ひな形選択時、現在の画像サイズを変更しません。"));
    form->addRow(ChIgnoreSampleSize);
    columns->addLayout(form, 1);
    columns->addWidget(BuildTemplateGroup(), 1);
    return tab;
}

QWidget* TFrmSetting::BuildTemplateGroup()
{
    auto* group = new QGroupBox(tr("ひな形"));
    group->setObjectName("GbSample");
    auto* column = new QVBoxLayout(group);
    LSSample = Named(new QListWidget(group), "LSSample");
    LSSample->setItemDelegate(new TTemplateRowDelegate(LSSample));
    LSSample->setAlternatingRowColors(true);
    column->addWidget(LSSample, 1);
    XESample = Named(new QLabel(group), "XESample");
    XESample->setFixedSize(240, 160);
    XESample->setAlignment(Qt::AlignCenter);
    XESample->setFrameShape(QFrame::StyledPanel);
    column->addWidget(XESample, 0, Qt::AlignHCenter);
    return group;
}

QWidget* TFrmSetting::BuildCommentGroup()
{
    auto* group = new QGroupBox(tr("画像の説明文"));
    group->setObjectName("GbComment");
    auto* form = new QFormLayout(group);
    ColorCmtText = NewColor(group, "ColorCmtText", true, "FFFFFF64");
    ColorCmtShadow = NewColor(group, "ColorCmtShadow", true, "10000014");
    ColorCmtBg = NewColor(group, "ColorCmtBg", true, "8080001E");
    form->addRow(tr("文字色"), ColorCmtText);
    form->addRow(tr("文字影"), ColorCmtShadow);
    form->addRow(tr("背景色"), ColorCmtBg);
    cbCmtPos = NewCombo(group, "cbCmtPos",
                        {tr("説明文を表示しない"), tr("画像下部に表示"), tr("画像上部に表示"),
                         tr("60%幅で左右に表示"), tr("60%幅で左に表示"), tr("60%幅で右に表示")},
                        1, false, tr("画像のタイトルや説明文の表示位置を指定します"));
    form->addRow(tr("表示位置"), cbCmtPos);
    return group;
}

QWidget* TFrmSetting::BuildBannerGroup()
{
    auto* group = new QGroupBox(tr("バナー"));
    group->setObjectName("GbTopic");
    auto* form = new QFormLayout(group);
    ChShowTopic = NewCheck(group, "ChShowTopic", tr("バナーを表示する"), true);
    form->addRow(ChShowTopic);
    ColorTopicText = NewColor(group, "ColorTopicText", true, "FFFFFF64");
    ColorTopicShadow = NewColor(group, "ColorTopicShadow", true, "10000014");
    ColorTopicBg = NewColor(group, "ColorTopicBg", true, "00000032");
    form->addRow(tr("文字色"), ColorTopicText);
    form->addRow(tr("文字影"), ColorTopicShadow);
    form->addRow(tr("背景色"), ColorTopicBg);
    return group;
}

QWidget* TFrmSetting::BuildOtherGroup()
{
    auto* group = new QGroupBox(tr("その他"));
    group->setObjectName("GbOther");
    auto* form = new QFormLayout(group);
    ChProgressBar = NewCheck(group, "ChProgressBar", tr("プログレスバーを表示"), true,
                             tr("読込み時にプログレスバーを表示"));
    ColorProgBar = NewColor(group, "ColorProgBar", true, "FF990064");
    form->addRow(ChProgressBar, Row(group, {new QLabel(tr("バー色"), group), ColorProgBar}));
    chResponsive = NewCheck(group, "chResponsive", tr("レスポンシブデザイン"), false,
                            tr("ブラウザの画面サイズにギャラリーサイズを自動調整"));
    gdMinScale = Named(NewNumberSpin(group, 0, 100, 60), "gdMinScale", tr("最小スケール"));
    gdMinScale->hide();
    form->addRow(chResponsive, gdMinScale);
    ChMouseEmulateFlick = NewCheck(group, "ChMouseEmulateFlick", tr("マウスでフリックする"), false,
                                   tr("マウスでタッチパネルのフリックをエミュレートします"));
    form->addRow(ChMouseEmulateFlick);
    ChShowButton = NewCheck(group, "ChShowButton", tr("ページ送りボタンを表示する"), true);
    form->addRow(ChShowButton);
    gdArrowNo = Named(NewNumberSpin(group, 0, 12, 0), "gdArrowNo");
    XEImgBtn1 = Named(new TClickLabel(group), "XEImgBtn1");
    XEImgBtn2 = Named(new TClickLabel(group), "XEImgBtn2");
    for (TClickLabel* preview : {XEImgBtn1, XEImgBtn2}) {
        preview->setFixedSize(40, 40);
        preview->setAlignment(Qt::AlignCenter);
        preview->setCursor(Qt::PointingHandCursor);
    }
    form->addRow(tr("ページ送りボタン"), Row(group, {gdArrowNo, XEImgBtn1, XEImgBtn2}));
    gdImageQuality = Named(NewNumberSpin(group, 10, 100, 80, 10), "gdImageQuality");
    form->addRow(tr("画質"), gdImageQuality);
    gdWrapperMarginY = Named(NewNumberSpin(group, 0, 30, 10), "gdWrapperMarginY",
                             tr("ギャラリーの上下の余白。他のHTMLに組込む時は0等に調整"));
    form->addRow(tr("ギャラリーの上下マージン"), gdWrapperMarginY);
    return group;
}

QWidget* TFrmSetting::BuildThumbTitleGroup()
{
    auto* group = new QGroupBox(tr("サムネイル部の文字"));
    group->setObjectName("GbThumbTitle");
    auto* form = new QFormLayout(group);
    ChShowThumbTitle = NewCheck(group, "ChShowThumbTitle", tr("画像のタイトルを表示"), false);
    ChThumbPoraloid = NewCheck(group, "ChThumbPoraloid", tr("ポラロイド風に表示"), false,
                               tr("サムネイルの画像フレームを下に伸ばし説明文を囲みます"));
    form->addRow(ChShowThumbTitle, ChThumbPoraloid);
    ColorThumbTitleText = NewColor(group, "ColorThumbTitleText", true, "00000064");
    ColorThumbTitleShadow = NewColor(group, "ColorThumbTitleShadow", true, "10000014");
    form->addRow(tr("文字色"), ColorThumbTitleText);
    form->addRow(tr("影"), ColorThumbTitleShadow);
    GdThumbTitleHeight = Named(NewNumberSpin(group, 20, 100, 28), "GdThumbTitleHeight",
                               tr("説明文の表示域の高さをpixel単位で指定します"));
    form->addRow(tr("文字の高さ"), GdThumbTitleHeight);
    gdThumbTitleOffset = Named(NewNumberSpin(group, 0, 64, 0), "gdThumbTitleOffset",
                               tr("縦方向の表示位置のオフセットをpixel単位で指定"));
    form->addRow(tr("文字の表示オフセット(縦)"), gdThumbTitleOffset);
    return group;
}

QWidget* TFrmSetting::BuildThumbFrameGroup()
{
    auto* group = new QGroupBox(tr("サムネイル画像フレーム"));
    group->setObjectName("GbThumbFrame");
    auto* form = new QFormLayout(group);
    ThumbBorderWidth = Named(NewNumberSpin(group, 0, 5, 2), "ThumbBorderWidth");
    form->addRow(tr("フレーム幅"), ThumbBorderWidth);
    XEThumbBorderColor = NewColor(group, "XEThumbBorderColor", false, "F0FBFF");
    form->addRow(tr("フレーム色"), XEThumbBorderColor);
    return group;
}

QWidget* TFrmSetting::BuildThumbBackGroup()
{
    auto* group = new QGroupBox(tr("サムネイル部の背景色"));
    group->setObjectName("GbThumbBack");
    group->setToolTip(tr("単色にするには開始と終了の色をあわせる"));
    auto* row = new QHBoxLayout(group);
    auto* form = new QFormLayout;
    ColorThumbBG1 = NewColor(group, "ColorThumbBG1", false, "FFFFFF");
    ColorThumbBG2 = NewColor(group, "ColorThumbBG2", false, "C0C0C0");
    form->addRow(tr("開始色"), ColorThumbBG1);
    form->addRow(tr("終了色"), ColorThumbBG2);
    row->addLayout(form);
    GradPanel1 = Named(new TGradientPanel(group), "GradPanel1");
    row->addWidget(GradPanel1, 1);
    return group;
}

QWidget* TFrmSetting::BuildNumberGroup()
{
    auto* group = new QGroupBox(tr("コントローラ : 番号/ドットタイプの設定"));
    group->setObjectName("GbNumber");
    auto* column = new QVBoxLayout(group);
    ChAutoHideCtrl =
        NewCheck(group, "ChAutoHideCtrl", tr("マウスが画像から離れたら番号/ドットを隠す"), true);
    column->addWidget(ChAutoHideCtrl);
    gdNumWidth = Named(NewNumberSpin(group, 50, 100, 100), "gdNumWidth");
    gdNumWidth->hide();
    column->addWidget(gdNumWidth);
    return group;
}

QWidget* TFrmSetting::BuildPageHeaderGroup()
{
    auto* group = new QGroupBox(tr("ページヘッダー"));
    group->setObjectName("rdPageHeader");
    auto* column = new QVBoxLayout(group);
    rdPageHeader = new QButtonGroup(group);
    const QStringList choices = {tr("なし"), tr("ヘッダー(h1)を付ける"), tr("サイト(1段)"),
                                 tr("サイト(2段)"), tr("サイト(3段)")};
    for (int i = 0; i < choices.size(); ++i) {
        auto* choice = new QRadioButton(choices[i], group);
        rdPageHeader->addButton(choice, i);
        column->addWidget(choice);
    }
    rdPageHeader->button(0)->setChecked(true);
    PnPageHeader = group;
    return group;
}

QWidget* TFrmSetting::BuildDetailTab()
{
    auto* tab = new QWidget;
    auto* columns = new QHBoxLayout(tab);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildCommentGroup());
    left->addWidget(BuildBannerGroup());
    left->addWidget(BuildOtherGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    auto* thumbs = new QGroupBox(tr("コントローラ : サムネイル"), tab);
    thumbs->setObjectName("GbThumb");
    auto* thumbColumn = new QVBoxLayout(thumbs);
    thumbColumn->addWidget(BuildThumbTitleGroup());
    thumbColumn->addWidget(BuildThumbFrameGroup());
    thumbColumn->addWidget(BuildThumbBackGroup());
    right->addWidget(thumbs);
    right->addWidget(BuildNumberGroup());
    right->addWidget(BuildPageHeaderGroup());
    right->addStretch();
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    return tab;
}

QWidget* TFrmSetting::BuildEnvironmentTab()
{
    auto* tab = new QWidget;
    auto* column = new QVBoxLayout(tab);
    ChCheckUpdate = NewCheck(tab, "ChCheckUpdate", tr("更新を自動的に確認する"), true);
    BtCheckUpdate = Named(new QPushButton(tr("今すぐ確認"), tab), "BtCheckUpdate");
    column->addWidget(Row(tab, {ChCheckUpdate, BtCheckUpdate}));
    ChAutoOpenLastProject =
        NewCheck(tab, "ChAutoOpenLastProject", tr("起動時に直前のプロジェクトを開く"), true);
    column->addWidget(ChAutoOpenLastProject);
    PnWaterMark = new QWidget(tab);
    PnWaterMark->setObjectName("PnWaterMark");
    auto* mark = new QHBoxLayout(PnWaterMark);
    mark->setContentsMargins(0, 0, 0, 0);
    ChWaterMark = NewCheck(PnWaterMark, "ChWaterMark", tr("画像にウォータマークを付ける"), false);
    EdWaterMark = Named(new QLineEdit(PnWaterMark), "EdWaterMark");
    mark->addWidget(ChWaterMark);
    mark->addWidget(EdWaterMark, 1);
    column->addWidget(PnWaterMark);
    ChRemoveWorkDir = NewCheck(tab, "ChRemoveWorkDir", tr("終了時に全ての設定を初期状態に戻す"),
                               false, tr("プログラムの全ての設定を初期状態に戻す"));
    column->addWidget(ChRemoveWorkDir);
    ChAddWrapperToClass =
        NewCheck(tab, "ChAddWrapperToClass", tr("CSSの各Classをdiv識別子で区別する"), false,
                 tr("1ページに複数のギャラリーを配置する時チェックします"));
    column->addWidget(ChAddWrapperToClass);
    ChDemoMode = NewCheck(tab, "ChDemoMode", tr("デモ出力モードを有効にする"), false,
                          tr("全ての遷移効果を適用したギャラリーを自動作成する"));
    column->addWidget(ChDemoMode);
    ChNoResizeSameSizeJPEG =
        NewCheck(tab, "ChNoResizeSameSizeJPEG", tr("サイズが同じJPEG画像は再圧縮しない"), true);
    column->addWidget(ChNoResizeSameSizeJPEG);
    ChKeepMetadata = NewCheck(tab, "ChKeepMetadata", tr("コピーするJPEG画像の撮影情報(Exif・GPS位置等)を残す"),
                              false, tr("オフの時、公開するギャラリーにはカメラやGPS位置の情報を含めません"));
    column->addWidget(ChKeepMetadata);
    ChMetadataCaptions = NewCheck(
        tab, "ChMetadataCaptions",
        tr("追加した画像のタイトルと説明を画像のメタデータ(XMP・IPTC・Exif)から取る"), true,
        tr("写真管理ソフトで付けたタイトルと説明を空の欄に入れます。入力済みの欄は変えません"));
    column->addWidget(ChMetadataCaptions);
    ChDebugMode = NewCheck(tab, "ChDebugMode", tr("デバッグモードを有効にする"), false);
    ChDebugMode->hide();
    column->addWidget(ChDebugMode);
    Button1 = Named(new QPushButton(tr("プロジェクトファイル(.qor)の関連付け"), tab), "Button1",
                    tr(".qorをこのプログラムに関連付けてプロジェクトファイルのダブルクリックで開く"
                       "ようにします"));
    column->addWidget(Row(tab, {Button1}));
    column->addStretch();
    return tab;
}

QWidget* TFrmSetting::BuildButtonRow()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    BtSaveTemplate = Named(new QPushButton(tr("ひな形として保存"), box), "BtSaveTemplate",
                           tr("画像一覧以外の設定をひな形.qorとして保存します"));
    BtUpdateTemplate = Named(new QPushButton(tr("現在のひな形を更新"), box), "BtUpdateTemplate");
    BtUpdateAllTemplates =
        Named(new QPushButton(tr("全ひな形を更新"), box), "BtUpdateAllTemplates");
    BtRestore = Named(new QPushButton(tr("標準に戻す"), box), "BtRestore");
    BtOK = Named(new QPushButton(tr("OK"), box), "BtOK");
    BtCancel = Named(new QPushButton(tr("キャンセル"), box), "BtCancel");
    BtOK->setDefault(true);
    for (QPushButton* b : {BtSaveTemplate, BtUpdateTemplate, BtUpdateAllTemplates, BtRestore})
        row->addWidget(b);
    row->addStretch();
    row->addWidget(BtOK);
    row->addWidget(BtCancel);
    return box;
}

} // namespace qor
