#include "app/dialogs/FrmRename.h"

#include "app/platform/MessageBox.h"
#include "util/XEComFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace qor {

namespace fs = std::filesystem;

TRenameCheck CheckProjectName(const std::string& oldPath, const std::string& typedName)
{
    TRenameCheck check;
    check.Name = SanitizeFileName(typedName, false);
    if (check.Name.empty()) {
        check.Message = 14;
        return check;
    }
    fs::path old(oldPath);
    std::string folder = old.parent_path().string();
    if (!folder.empty() && folder.back() != '/') folder += '/';
    std::string target = folder + check.Name + ".qor";
    std::error_code ec;
    if (check.Name != old.filename().string() && fs::exists(target, ec)) {
        check.Message = 15;
        return check;
    }
    check.NewPath = target;
    return check;
}

TFrmRename::TFrmRename(QWidget* parent) : QDialog(parent)
{
    setObjectName("FrmRename");
    setWindowTitle(tr("名前を変更"));
    auto* column = new QVBoxLayout(this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setMinimumWidth(320);
    auto* label = new QLabel(tr("プロジェクト名を編集してください(&E)"), this);
    label->setBuddy(Edit1);
    column->addWidget(label);
    column->addWidget(Edit1);
    auto* row = new QHBoxLayout;
    BtOK = new QPushButton(tr("OK"), this);
    BtOK->setObjectName("BtOK");
    BtOK->setDefault(true);
    BtCancel = new QPushButton(tr("キャンセル"), this);
    BtCancel->setObjectName("BtCancel");
    row->addStretch();
    row->addWidget(BtOK);
    row->addWidget(BtCancel);
    column->addLayout(row);
    connect(BtOK, &QPushButton::clicked, this, &TFrmRename::BtOKClick);
    connect(BtCancel, &QPushButton::clicked, this, &TFrmRename::reject);
}

void TFrmRename::SetProjectPath(const std::string& path)
{
    FOldPath = path;
    FNewPath.clear();
    FOK = false;
    Edit1->setText(QString::fromStdString(NameWithoutExt(path)));
    Edit1->setFocus();
}

void TFrmRename::BtOKClick()
{
    TRenameCheck check = CheckProjectName(FOldPath, Edit1->text().toStdString());
    if (check.Message == 14) {
        ShowMsgText(this, 14, {}, mbOK, TMsgKind::Confirmation);
        return;
    }
    if (check.Message == 15) {
        ShowMsgText(this, 15, {check.Name}, mbOK, TMsgKind::Confirmation);
        return;
    }
    Edit1->setText(QString::fromStdString(check.Name));
    FNewPath = check.NewPath;
    FOK = true;
    accept();
}

} // namespace qor
