// TFrmBtnId: picks the side button picture of an entry.
#pragma once

#include <QDialog>

namespace qor {

class TFrmBtnId : public QDialog {
    Q_OBJECT
public:
    explicit TFrmBtnId(QWidget* parent = nullptr);

    void SetBtnId(int id) { FBtnId = id; }
    int BtnId() const { return FBtnId; }

private:
    int FBtnId = 0;
};

} // namespace qor
