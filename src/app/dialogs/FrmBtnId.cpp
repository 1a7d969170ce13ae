#include "app/dialogs/FrmBtnId.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace qor {

TFrmBtnId::TFrmBtnId(QWidget* parent) : QDialog(parent)
{
    setObjectName("FrmBtnId");
    setWindowTitle(tr("ボタン番号"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    BtnLS = new QListWidget(this);
    BtnLS->setObjectName("BtnLS");
    column->addWidget(BtnLS);
    resize(120, 240);
    connect(BtnLS, &QListWidget::itemClicked, this, &TFrmBtnId::accept);
}

void TFrmBtnId::SetCount(int count)
{
    BtnLS->clear();
    for (int i = 0; i < count; ++i)
        BtnLS->addItem(QString::number(i));
}

void TFrmBtnId::SetSelectIndex(int index)
{
    BtnLS->setCurrentRow(index >= 0 && index < BtnLS->count() ? index : -1);
}

int TFrmBtnId::GetSelectIndex() const
{
    return BtnLS->currentRow();
}

} // namespace qor
