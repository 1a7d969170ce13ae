#include "app/dialogs/FrmCrop.h"

#include "app/crop/XECrop.h"
#include "util/XEComShell.h"
#include "util/XEInitPrj.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor {

namespace {

constexpr TColor kShadeColor = 0x333333; // RGB 51, 51, 51
constexpr int kShadeStrength = 100;

} // namespace

TFrmCrop::TFrmCrop(TCustomImgLS& list, QWidget* parent) : QDialog(parent), FList(list)
{
    setObjectName("FrmCrop");
    setWindowTitle(tr("画像範囲の指定"));
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(48, 48, 48));
    dark.setColor(QPalette::WindowText, Qt::white);
    setPalette(dark);
    setAutoFillBackground(true);
    resize(860, 640);

    auto* column = new QVBoxLayout(this);
    column->addWidget(
        new QLabel(tr("ギャラリーに表示する画像の範囲をマウスで指定してください"), this));
    XEUserCrop = new TXECrop(this);
    XEUserCrop->setObjectName("XEUserCrop");
    XEUserCrop->SetColor(QColor(128, 128, 128));
    XEUserCrop->SetKeepAspect(true);
    XEUserCrop->SetMinSel(20, 20);
    XEUserCrop->SetAutoCropOnLoad(true);
    XEUserCrop->SetShowCropText(true);
    XEUserCrop->SetEnableExifRotation(true);
    XEUserCrop->SetTint({kShadeColor, kShadeStrength});
    XEUserCrop->SetAlphaInvert(true);
    column->addWidget(XEUserCrop, 1);

    auto* row = new QHBoxLayout;
    MtPrev = new QToolButton(this);
    MtPrev->setObjectName("MtPrev");
    MtPrev->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    MtPrev->setToolTip(tr("前の画像(←)"));
    MtNext = new QToolButton(this);
    MtNext->setObjectName("MtNext");
    MtNext->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    MtNext->setToolTip(tr("次の画像(→)"));
    BtTemplate = new QPushButton(tr("範囲を初期化"), this);
    BtTemplate->setObjectName("BtTemplate");
    BtTemplate->setToolTip(tr("標準の範囲を設定します"));
    BtOK = new QPushButton(tr("OK"), this);
    BtOK->setObjectName("BtOK");
    BtOK->setDefault(true);
    BtCancel = new QPushButton(tr("キャンセル"), this);
    BtCancel->setObjectName("BtCancel");
    row->addWidget(MtPrev);
    row->addWidget(MtNext);
    row->addWidget(BtTemplate);
    row->addStretch();
    row->addWidget(BtOK);
    row->addWidget(BtCancel);
    column->addLayout(row);

    connect(MtPrev, &QToolButton::clicked, this, [this] { MtNextClick(-1); });
    connect(MtNext, &QToolButton::clicked, this, [this] { MtNextClick(1); });
    connect(BtTemplate, &QPushButton::clicked, this, &TFrmCrop::BtTemplateClick);
    connect(BtOK, &QPushButton::clicked, this, &TFrmCrop::BtOKClick);
    connect(BtCancel, &QPushButton::clicked, this, &TFrmCrop::reject);
    // Shortcuts come before the buttons, which would take the arrow keys for focus moves.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Down})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this] { MtNextClick(-1); });
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Right})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this] { MtNextClick(1); });
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this, &TFrmCrop::OpenHelp);
}

void TFrmCrop::SetCropImage(const PThumbInfo& entry)
{
    FOK = false;
    if (entry) {
        XEUserCrop->SetUserAngleEx(entry->UserAngle, false);
        try {
            XEUserCrop->SetFileName(entry->FileName);
        } catch (const std::exception&) {
            XEUserCrop->Clear(); // a picture that cannot be read shows an empty control
        }
        XEUserCrop->SetCropR(entry->CropR);
    } else {
        XEUserCrop->SetFileName({});
    }
    FEntry = entry;
}

void TFrmCrop::SetAspect(int width, int height)
{
    XEUserCrop->ChangeAspect(width, height);
}

void TFrmCrop::StoreCrop()
{
    if (FEntry) FEntry->CropR = XEUserCrop->GetValidCropR();
}

void TFrmCrop::BtOKClick()
{
    FOK = true;
    StoreCrop();
    accept();
}

void TFrmCrop::BtTemplateClick()
{
    XEUserCrop->DoAutoCrop();
}

void TFrmCrop::MtNextClick(int tag)
{
    StoreCrop();
    FList.SelectPreNext(tag);
}

void TFrmCrop::OpenHelp()
{
    OpenDocument(Folders().HelpFolder + "tutorial03.html");
}

void TFrmCrop::done(int result)
{
    FEntry.reset();
    QDialog::done(result);
}

} // namespace qor
